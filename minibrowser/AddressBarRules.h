#pragma once
// The address bar's selection rules: what is selected when it shows, and how the text is
// completed from the typed-address list as the user types.
#include <string_view>

namespace minibrowser {

struct Selection {
    int start = 0;
    int end = 0;
};

inline bool operator==(Selection a, Selection b) { return a.start == b.start && a.end == b.end; }

// On showing the bar with an address: from after "/www." to the end, else from after "//" to
// the end, else the caret at the end.
Selection InitialSelection(std::string_view address);

// The selection once the bar shows `item`, the first list item beginning with the typed text,
// in place of `typed` whose selection was `typedSelection`. A selection that does not reach
// the end of the typed text is kept; otherwise the completed rest is selected, and a typed
// "ht" that matched an "http://www." or "https://www." item leaves the caret after that prefix.
Selection CompletionSelection(std::string_view typed, Selection typedSelection, std::string_view item);

} // namespace minibrowser
