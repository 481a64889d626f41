#include "launcher/LauncherLists_win.h"

#include "app/AppContext_win.h"
#include "app/Subsystems_win.h"
#include "app/OptionRecord.h"
#include "app/ResourceLoader_win.h"
#include "app/Win32Profile_win.h"
#include "launcher/EngineTable.h"
#include "launcher/FavoritesFolder_win.h"
#include "launcher/FavoritesList.h"
#include "launcher/RegistryTypedAddressStore_win.h"
#include "launcher/Win32FolderReader_win.h"

namespace {
std::string StringById(int id)
{
    return LoadText(static_cast<UINT>(id));
}

struct TypedAddressState {
    TypedAddressList list;
    bool loaded = false;
};

TypedAddressState& TypedState()
{
    static TypedAddressState state;
    return state;
}
} // namespace

SavedList& SearchHistory()
{
    static SavedList list(SavedList::Kind::SearchHistory, StringById);
    return list;
}

SavedList& TranslationHistory()
{
    static SavedList list(SavedList::Kind::TranslationHistory, StringById);
    return list;
}

TypedAddressStore& TypedAddressRegistry()
{
    static RegistryTypedAddressStore store;
    return store;
}

void LoadTypedAddresses()
{
    TypedAddressState& state = TypedState();
    state.list.Load(TypedAddressRegistry());
    state.loaded = true;
}

TypedAddressList& TypedAddresses()
{
    if (!TypedState().loaded)
        LoadTypedAddresses();
    return TypedState().list;
}

void LoadLauncherLists()
{
    SearchHistory().Load(Settings());
    TranslationHistory().Load(Settings());
    LoadEngines(Options(), Settings());
}

void LoadFavoritesList(FavoritesTree* tree)
{
    Win32FolderReader reader;
    LoadFavorites(Options(), FavoritesFolderForList(), reader, tree);
}
