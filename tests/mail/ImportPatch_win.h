#pragma once
// Counts the calls the program makes to a system function by pointing the test program's own
// import of it elsewhere: the code under test stays the real one and calls the real API.
#include <windows.h>

#include <atomic>
#include <cstring>

namespace mt {

// Replaces the import of function from dll (e.g. "user32.dll") in this program's import
// table; returns the address that was there, or null when the program does not import it.
inline void* PatchImport(const char* dll, const char* function, void* replacement)
{
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name; ++d) {
        if (_stricmp(reinterpret_cast<const char*>(base + d->Name), dll) != 0 || !d->OriginalFirstThunk)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) != 0)
                continue;
            DWORD old = 0;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &old);
            void* previous = reinterpret_cast<void*>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
            return previous;
        }
    }
    return nullptr;
}

// MessageBeep calls of the program, from any thread.
inline std::atomic<int>& Beeps()
{
    static std::atomic<int> beeps{0};
    return beeps;
}

inline BOOL WINAPI CountBeep(UINT)
{
    ++Beeps();
    return TRUE;
}

// Installs the counter once; false when the program does not import MessageBeep.
inline bool CountBeeps()
{
    static bool installed = PatchImport("user32.dll", "MessageBeep", reinterpret_cast<void*>(&CountBeep)) != nullptr;
    return installed;
}

}  // namespace mt
