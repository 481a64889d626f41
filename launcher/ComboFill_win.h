#pragma once
// The launcher's text box and the mini browser's address bar offer the lists as choices.
#include <windows.h>

class SavedList;
class TypedAddressList;

// Empties the combo box, then adds every entry's text in list order.
void FillComboWithSavedList(HWND combo, const SavedList& list);
// Adds every address in list order, after what the combo box holds unless emptyFirst.
void AddTypedAddressesToCombo(HWND combo, const TypedAddressList& list, bool emptyFirst);
