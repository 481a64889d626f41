#pragma once
// Where the typed addresses live: the program's own registry key, and Internet Explorer's list
// that seeds it on the first run. The Win32 side implements it with the registry; tests with
// a map.
#include <cstddef>
#include <string>

enum class TypedAddressKey {
    Own,               // HKCU "SoftWare\Quorvane\MiniBrowser\TypedURLs"
    InternetExplorer,  // HKCU "SoftWare\Microsoft\Internet Explorer\TypedURLs", never written
};

class TypedAddressStore {
public:
    virtual ~TypedAddressStore() = default;
    // Whether the key can be opened.
    virtual bool KeyExists(TypedAddressKey key) const = 0;
    // The string value name of key, cut at maxChars; false when the key or the value is missing.
    virtual bool ReadValue(TypedAddressKey key, const std::string& name, std::string& value,
                           std::size_t maxChars) const = 0;
    // Deletes the program's own key with its values.
    virtual void DeleteOwnKey() = 0;
    // Writes a string value into the program's own key, creating the key when needed.
    virtual void WriteOwnValue(const std::string& name, const std::string& value) = 0;
};
