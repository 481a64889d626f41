#pragma once
// The docking state of one window: shown, sliding away, docked at its edge, or sliding back,
// with the positions of the running slide. A slide is refused while another one runs, so a
// request that arrives between two steps cannot leave the window docked in the middle of
// the screen or shown while it is marked docked.
#include <cstddef>
#include <vector>

#include "chrome/ChromeGeometry.h"

namespace chrome {

enum class DockPhase { Shown, SlidingAway, Docked, SlidingBack };

// Bits of the launcher's flags word.
constexpr unsigned kDockedAwayBit = 1;
constexpr unsigned kSlidingBit = 0x20;

// The hover re-open: a mouse movement over the docked window's rim (re)arms a timer of this
// length; when it fires with the cursor still over the window, the window comes back.
constexpr unsigned kHoverOpenTimerId = 300;
constexpr unsigned kHoverOpenDelayMs = 200;

class DockState {
public:
    DockPhase Phase() const { return phase_; }
    // Docked or on its way there: the window does not count as shown.
    bool DockedAway() const { return phase_ == DockPhase::SlidingAway || phase_ == DockPhase::Docked; }
    bool Sliding() const { return phase_ == DockPhase::SlidingAway || phase_ == DockPhase::SlidingBack; }
    unsigned FlagBits() const;

    // Start a slide along path (never empty); false, changing nothing, unless the window is
    // shown (away) or docked (back).
    bool BeginSlideAway(std::vector<Point> path);
    bool BeginSlideBack(std::vector<Point> path);

    // The next move of the running slide; false when none runs. last is set on the final
    // move, after which the phase has settled (Docked or Shown).
    bool NextStep(Point& at, bool& last);
    // Every remaining move at once: the final place of the running slide, if any.
    bool Finish(Point& at);

    // Closed for good: neither docked nor sliding.
    void Reset();

    // A mouse movement over the window arms the hover timer only while it is docked away.
    bool ArmsHoverTimer() const { return DockedAway(); }
    // When the timer fires: come back only when fully docked and the cursor is still there.
    bool ReopensOnHover(bool cursorOverWindow) const { return phase_ == DockPhase::Docked && cursorOverWindow; }

private:
    bool Begin(DockPhase from, DockPhase during, std::vector<Point> path);

    DockPhase phase_ = DockPhase::Shown;
    std::vector<Point> path_;
    std::size_t next_ = 0;
};

} // namespace chrome
