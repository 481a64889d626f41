#include "launcher/LauncherTreeModel.h"

#include "app/OptionRecord.h"

namespace {
// Strings "Typed Url", "Favorites", "Searched text", "Search Engine", "Translated text" and
// "WebAlert links", by group.
constexpr unsigned kRootTexts[kTreeGroupCount] = {125, 121, 126, 127, 1079, 1177};
} // namespace

unsigned TreeRootTextId(int group)
{
    return group >= 0 && group < kTreeGroupCount ? kRootTexts[group] : 0;
}

int* TreeExpandOption(OptionRecord& o, int group)
{
    switch (group) {
    case kTreeGroupTyped: return &o.TVExpandTyped;
    case kTreeGroupFavorites: return &o.TVExpandFavorite;
    case kTreeGroupSearched: return &o.TVExpandSearched;
    case kTreeGroupEngines: return &o.TVExpandEngine;
    case kTreeGroupTranslated: return &o.TVExpandTranslate;
    case kTreeGroupWebAlert: return &o.TVExpandWebAlert;
    default: return nullptr;
    }
}

TreeMenuPlan TreeMenuFor(int group)
{
    TreeMenuPlan plan;
    plan.deleteGreyed = !TreeGroupDeletes(group);
    plan.addFavorite = group == kTreeGroupTyped;
    plan.organizeFavorites = group == kTreeGroupFavorites;
    plan.engineSubmenu = group == kTreeGroupSearched;
    plan.textToBox = group == kTreeGroupSearched;
    plan.readMark = group == kTreeGroupWebAlert;
    return plan;
}

bool TreeGroupDeletes(int group)
{
    return group == kTreeGroupTyped || group == kTreeGroupSearched || group == kTreeGroupTranslated;
}
