#include "minibrowser/BrowserEmulation_win.h"

#include <windows.h>

#include <string>

#include "app/WinHandles_win.h"

bool RegisterBrowserEmulation()
{
    char path[MAX_PATH * 2] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path)
        return false;
    std::string name(path, length);
    const std::size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    HKEY raw = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kBrowserEmulationKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw, nullptr) !=
        ERROR_SUCCESS)
        return false;
    UniqueKey key(raw);
    const DWORD mode = kBrowserEmulationMode;
    return RegSetValueExA(key.Get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&mode), sizeof mode) ==
           ERROR_SUCCESS;
}
