#pragma once
// The typed addresses in the registry, under HKEY_CURRENT_USER.
#include "launcher/TypedAddressStore.h"

constexpr char kOwnTypedUrlsKey[] = "SoftWare\\Quorvane\\MiniBrowser\\TypedURLs";
constexpr char kExplorerTypedUrlsKey[] = "SoftWare\\Microsoft\\Internet Explorer\\TypedURLs";

class RegistryTypedAddressStore : public TypedAddressStore {
public:
    bool KeyExists(TypedAddressKey key) const override;
    bool ReadValue(TypedAddressKey key, const std::string& name, std::string& value,
                   std::size_t maxChars) const override;
    void DeleteOwnKey() override;
    void WriteOwnValue(const std::string& name, const std::string& value) override;
};
