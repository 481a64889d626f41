#include "launcher/ComboFill_win.h"

#include "launcher/SavedList.h"
#include "launcher/TypedAddressList.h"

void FillComboWithSavedList(HWND combo, const SavedList& list)
{
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (const auto& entry : list.Entries())
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry->text.c_str()));
}

void AddTypedAddressesToCombo(HWND combo, const TypedAddressList& list, bool emptyFirst)
{
    if (emptyFirst)
        SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < list.Size(); ++i)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list.AddressAt(i).c_str()));
}
