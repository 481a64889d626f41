#pragma once
// Turning a line of text into launches: an address, a shell command, or a search with one or
// every engine of the engine table.
#include <string>
#include <string_view>
#include <vector>

#include "launcher/LaunchDecision.h"

class LinkEntry;

// A text to interpret is worked on in 1024 characters.
constexpr std::size_t kInputChars = 1023;
// Clipboard text is taken up to 1023 characters.
constexpr std::size_t kClipboardChars = 1023;

struct InterpretResult {
    int routed = 0;   // 1 when the text went out as an address or a command, 0 when searched
    bool noEngine = false;   // a search found no engine to use (none in use, or no favorite)
    std::vector<LaunchDecision> launches;
};

// The launcher's main entry. With engine given, that engine searches whatever its in-use flag;
// otherwise the favorite engine (or the first in-use one) searches, or with allEngines every
// in-use engine in a browser instance of its own.
InterpretResult InterpretInput(std::string_view text, bool allEngines, const LinkEntry* engine,
                               const LaunchContext& context);

// A search of text with the preferred engine (the translation window's search).
InterpretResult SearchText(std::string_view text, const LaunchContext& context);

// The clipboard's text, cut at 1023 characters, searched as typed.
InterpretResult SearchClipboardText(std::string_view clipboardText, const LaunchContext& context);

// The clipboard's text as it becomes a translation request.
std::string ClipboardTextForUse(std::string_view clipboardText);

// A command text or an address for the shell; never the mini browser.
LaunchDecision RunCommand(std::string_view text, const LaunchContext& context);

// One address, in the mini browser (cache flag 0) when miniBrowserFlag is set.
LaunchDecision OpenAddress(std::string_view address, int miniBrowserFlag, const LaunchContext& context);
