#include "app/Registry_win.h"

#include <cstring>

#include "app/WinHandles_win.h"

bool RegReadString(HKEY root, const char* subkey, const char* name, std::string& out)
{
    UniqueKey key;
    if (RegOpenKeyExA(root, subkey, 0, KEY_READ, key.Put()) != ERROR_SUCCESS)
        return false;
    char buffer[1024] = {};
    DWORD size = sizeof buffer - 1;   // keeps room for a terminator the value may lack
    DWORD type = 0;
    if (RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return false;
    if (buffer[0] == '\0')
        return false;
    out.assign(buffer, strnlen(buffer, sizeof buffer - 1));
    return true;
}

bool RegKeyExists(HKEY root, const char* subkey)
{
    UniqueKey key;
    return RegOpenKeyExA(root, subkey, 0, KEY_READ, key.Put()) == ERROR_SUCCESS;
}

void RegDeleteKeyNoSubkeys(HKEY root, const char* subkey)
{
    RegDeleteKeyA(root, subkey);
}

bool RegWriteString(HKEY root, const char* subkey, const char* name, const char* text)
{
    UniqueKey key;
    if (RegCreateKeyExA(root, subkey, 0, nullptr, 0, KEY_WRITE, nullptr, key.Put(), nullptr) != ERROR_SUCCESS)
        return false;
    return RegSetValueExA(key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(std::strlen(text))) == ERROR_SUCCESS;
}

void SetRunValue(bool enable, const char* subkey, const char* name, const char* path)
{
    if (enable) {
        RegWriteString(HKEY_CURRENT_USER, subkey, name, path);
        return;
    }
    UniqueKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_WRITE, key.Put()) == ERROR_SUCCESS)
        RegDeleteValueA(key.Get(), name);
}
