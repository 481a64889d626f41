#pragma once
// The table of search engines in section "Searcher" (keys "Searcher1", "Searcher2", ...), and
// the working copy the options sheet edits.
#include <cstddef>

#include "launcher/LinkEntry.h"

class Profile;
struct OptionRecord;

constexpr const char kEngineSection[] = "Searcher";
constexpr std::size_t kEngineLoadMax = 499;

// Replaces the engine list by the section's engines, at most 499. A missing key ends the
// table; a value without a name is passed over so that the engines after it still load.
void LoadEngines(LinkList& engines, const Profile& profile);
void LoadEngines(OptionRecord& options, const Profile& profile);

// Rewrites section "Searcher" from the engine list, then Favorite and TranslateURL of "Options".
void SaveEngines(const OptionRecord& options, Profile& profile);

// The options sheet opens the engines page on copies of the engines...
void OpenEnginesWorkingCopy(OptionRecord& options);
// ...and applying the page makes the copies the engines and saves them. Cancelling does nothing.
void ApplyEnginesWorkingCopy(OptionRecord& options, Profile& profile);
