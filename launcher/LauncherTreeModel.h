#pragma once
// The groups of the launcher's tree: their order, names, remembered expand states and what
// their items offer in the context menu.
#include <array>

struct OptionRecord;

constexpr int kTreeGroupCount = 6;
constexpr int kTreeGroupTyped = 0;
constexpr int kTreeGroupFavorites = 1;
constexpr int kTreeGroupSearched = 2;
constexpr int kTreeGroupEngines = 3;
constexpr int kTreeGroupTranslated = 4;
constexpr int kTreeGroupWebAlert = 5;

// The roots from top to bottom.
constexpr std::array<int, kTreeGroupCount> kTreeRootOrder = {2, 3, 4, 0, 1, 5};

// The string id of a group's root text; 0 for a number that is no group.
unsigned TreeRootTextId(int group);

// The option that remembers whether the group's root is expanded (TVExpandTyped, ...); null for
// a number that is no group.
int* TreeExpandOption(OptionRecord& options, int group);

// The context menu of an item of the group: "&Open...", a separator and "&Delete...", then
// what the group adds.
struct TreeMenuPlan {
    bool deleteGreyed = false;
    bool addFavorite = false;       // typed addresses: "&Add favorite..."
    bool organizeFavorites = false; // favorites: "&Organize favorites..."
    bool engineSubmenu = false;     // search texts: "Search Engine" with every engine in use
    bool readMark = false;          // monitored pages: "Marked as read/unread"
    bool textToBox = false;         // search texts: the item's text goes into the text box first
};
TreeMenuPlan TreeMenuFor(int group);

// Groups whose items the user may delete.
bool TreeGroupDeletes(int group);
