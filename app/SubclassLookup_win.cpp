#include "app/SubclassLookup_win.h"

namespace {

using GetWindowSubclassFn = BOOL(WINAPI*)(HWND, SUBCLASSPROC, UINT_PTR, DWORD_PTR*);

GetWindowSubclassFn Lookup() noexcept
{
    // By name: the manifest's activation context maps "comctl32.dll" to the version 6 that serves
    // SetWindowSubclass (an address taken of the import may be a thunk in this very program).
    HMODULE comctl = GetModuleHandleA("comctl32.dll");
    if (!comctl)
        return nullptr;
    FARPROC found = GetProcAddress(comctl, "GetWindowSubclass");
    if (!found)
        found = GetProcAddress(comctl, MAKEINTRESOURCEA(411));
    return reinterpret_cast<GetWindowSubclassFn>(reinterpret_cast<void*>(found));
}

}  // namespace

bool FindWindowSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR* data) noexcept
{
    static const GetWindowSubclassFn getWindowSubclass = Lookup();
    return getWindowSubclass && getWindowSubclass(window, proc, id, data);
}
