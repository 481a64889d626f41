#include "app/Registry_win.h"

#include <cstring>
#include <vector>

#include "app/WinHandles_win.h"

bool RegReadString(HKEY root, const char* subkey, const char* name, std::string& out)
{
    constexpr std::size_t kMaxChars = 1023;
    UniqueKey key;
    if (RegOpenKeyExA(root, subkey, 0, KEY_READ, key.Put()) != ERROR_SUCCESS)
        return false;
    // A longer value is read whole and cut, not dropped: the system cannot read part of one.
    std::vector<char> buffer(kMaxChars + 1, '\0');
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD size = static_cast<DWORD>(buffer.size() - 1);   // room for a terminator the value may lack
        DWORD type = 0;
        LONG rc = RegQueryValueExA(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (rc == ERROR_MORE_DATA) {
            buffer.assign(static_cast<std::size_t>(size) + 2, '\0');   // the value may grow meanwhile
            continue;
        }
        if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            return false;
        std::size_t length = strnlen(buffer.data(), size < buffer.size() ? size : buffer.size());
        if (length == 0)
            return false;
        out.assign(buffer.data(), length < kMaxChars ? length : kMaxChars);
        return true;
    }
    return false;
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
