#pragma once
// The launcher's process-wide lists: they live from before start-up until the program ends,
// and every window reaches them here.
#include "launcher/SavedList.h"
#include "launcher/TypedAddressList.h"

class TypedAddressStore;
class FavoritesTree;

// Section "SaveExpr", texts by the string table.
SavedList& SearchHistory();
// Section "SaveTrad".
SavedList& TranslationHistory();

// The typed addresses, read from the registry on first use.
TypedAddressList& TypedAddresses();
// Empties the typed addresses and reads them again.
void LoadTypedAddresses();
// Where the typed addresses are kept; pass it to TypedAddresses().Add and Remove.
TypedAddressStore& TypedAddressRegistry();

// LoadLauncherLists (app/Subsystems_win.h) reads both histories and the engine table at
// start; the typed addresses wait until they are first needed.

// The favorites of the "Shell Folders" value into Options().favorites and, with a tree, into
// its favorites branch; expanding the branch is left to the tree's owner.
void LoadFavoritesList(FavoritesTree* tree);
