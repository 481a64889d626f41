#pragma once
// Small rules of a mini browser page: the progress bar, pop-up blocking, the link label, the
// frame's title and the order of the frames.
#include <cstddef>
#include <string>
#include <string_view>

namespace minibrowser {

// The progress bar shows only while the page reports progress and a maximum (the control ends
// a download with progress -1, which is no progress either).
bool ShowsProgress(long progress, long maximum);

// A window the page opens is cancelled while pop-ups are blocked (the option and this run's
// state both on) and the page is still loading (ready state not 4, complete).
bool BlocksPopup(bool option, bool runState, long readyState);

// Status texts shown in the link label: those that look like an address or a mail address.
bool StatusTextIsLink(std::string_view text);

// The frame's window text for a page title: "title [Quorvane MiniBrowser]".
std::string FrameTitle(std::string_view pageTitle, std::string_view productTitle);

// The frame before or after `current` among `count` frames (0 the main frame, then the further
// ones in creation order), wrapping at both ends.
std::size_t NeighbourFrame(std::size_t count, std::size_t current, bool next);

} // namespace minibrowser
