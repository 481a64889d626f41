#include "update/UpdateVerify_win.h"

#include <windows.h>
#include <wincrypt.h>

#include <algorithm>

#include "app/WinHandles_win.h"
#include "update/UpdateSite.h"
#include "update/UpdatePublicKey.h"

namespace {

struct ReleaseContextFn { void operator()(HCRYPTPROV h) const { CryptReleaseContext(h, 0); } };
struct DestroyHashFn { void operator()(HCRYPTHASH h) const { CryptDestroyHash(h); } };
struct DestroyKeyFn { void operator()(HCRYPTKEY h) const { CryptDestroyKey(h); } };
using Provider = UniqueWin<HCRYPTPROV, ReleaseContextFn>;
using Hash = UniqueWin<HCRYPTHASH, DestroyHashFn>;
using Key = UniqueWin<HCRYPTKEY, DestroyKeyFn>;

// Null when no provider of RSA signatures and SHA-256 is available.
Provider OpenProvider()
{
    Provider provider;
    if (!CryptAcquireContextA(provider.Put(), nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT | CRYPT_SILENT))
        provider.Release();
    return provider;
}

// Null without a provider or when the hash cannot be made.
Hash OpenHash(HCRYPTPROV provider)
{
    Hash hash;
    if (!provider || !CryptCreateHash(provider, CALG_SHA_256, 0, 0, hash.Put()))
        hash.Release();
    return hash;
}

// Feeds the whole file to the hash; false when it cannot be read.
bool HashFile(HCRYPTHASH hash, const std::string& path)
{
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        file.Release();
        return false;
    }
    unsigned char buffer[16384];
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr))
            return false;
        if (read == 0)
            return true;
        if (!CryptHashData(hash, buffer, read, 0))
            return false;
    }
}

bool ReadSmallFile(const std::string& path, std::size_t maxBytes, std::vector<unsigned char>& bytes)
{
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE) {
        file.Release();
        return false;
    }
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 || static_cast<unsigned long long>(size.QuadPart) > maxBytes)
        return false;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    return ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) && read == bytes.size();
}

bool ImportBuiltInKey(HCRYPTPROV provider, Key& key)
{
    CERT_PUBLIC_KEY_INFO* info = nullptr;
    DWORD infoSize = 0;
    if (!CryptDecodeObjectEx(X509_ASN_ENCODING, X509_PUBLIC_KEY_INFO, kUpdatePublicKey, sizeof kUpdatePublicKey,
                             CRYPT_DECODE_ALLOC_FLAG, nullptr, &info, &infoSize))
        return false;
    BOOL ok = CryptImportPublicKeyInfo(provider, X509_ASN_ENCODING, info, key.Put());
    LocalFree(info);
    return ok != FALSE;
}

} // namespace

bool VerifyDetachedSignature(const std::string& path, const std::string& signaturePath)
{
    std::vector<unsigned char> signature;
    if (!ReadSmallFile(signaturePath, static_cast<std::size_t>(kMaxSignatureBytes), signature))
        return false;
    // OpenSSL writes the signature big-endian; CryptoAPI reads it little-endian.
    std::reverse(signature.begin(), signature.end());
    Provider provider = OpenProvider();
    if (!provider)
        return false;
    Key key;
    if (!ImportBuiltInKey(provider.Get(), key))
        return false;
    Hash hash = OpenHash(provider.Get());
    if (!hash || !HashFile(hash.Get(), path))
        return false;
    return CryptVerifySignatureA(hash.Get(), signature.data(), static_cast<DWORD>(signature.size()), key.Get(),
                                 nullptr, 0) != FALSE;
}

bool FileSha256(const std::string& path, std::vector<unsigned char>& digest)
{
    Provider provider = OpenProvider();
    Hash hash = OpenHash(provider.Get());
    if (!hash || !HashFile(hash.Get(), path))
        return false;
    digest.assign(32, 0);
    DWORD size = static_cast<DWORD>(digest.size());
    if (!CryptGetHashParam(hash.Get(), HP_HASHVAL, digest.data(), &size, 0) || size != 32)
        return false;
    return true;
}
