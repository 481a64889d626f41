#include "launcher/RegistryTypedAddressStore_win.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "app/Registry_win.h"
#include "app/WinHandles_win.h"

namespace {
const char* KeyPath(TypedAddressKey key)
{
    return key == TypedAddressKey::Own ? kOwnTypedUrlsKey : kExplorerTypedUrlsKey;
}
} // namespace

bool RegistryTypedAddressStore::KeyExists(TypedAddressKey key) const
{
    return RegKeyExists(HKEY_CURRENT_USER, KeyPath(key));
}

bool RegistryTypedAddressStore::ReadValue(TypedAddressKey key, const std::string& name, std::string& value,
                                          std::size_t maxChars) const
{
    UniqueKey handle;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(key), 0, KEY_READ, handle.Put()) != ERROR_SUCCESS)
        return false;
    // A value too long for a fixed buffer would not be read at all: take its size first, read
    // it whole, then cut it.
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(handle.Get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return false;
    std::vector<char> buffer(size + 1, '\0');
    if (RegQueryValueExA(handle.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS)
        return false;
    std::size_t length = strnlen(buffer.data(), buffer.size() - 1);
    value.assign(buffer.data(), length < maxChars ? length : maxChars);
    return true;
}

void RegistryTypedAddressStore::DeleteOwnKey()
{
    RegDeleteKeyNoSubkeys(HKEY_CURRENT_USER, kOwnTypedUrlsKey);
}

void RegistryTypedAddressStore::WriteOwnValue(const std::string& name, const std::string& value)
{
    RegWriteString(HKEY_CURRENT_USER, kOwnTypedUrlsKey, name.c_str(), value.c_str());
}
