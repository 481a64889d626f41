#pragma once
// Checks of what came from the update site, with the system's CryptoAPI.
#include <string>
#include <vector>

// Whether signaturePath holds a valid signature of the file at path by the key built into the
// program: RSA PKCS#1 v1.5 over SHA-256, the signature's bytes big-endian as OpenSSL writes them.
bool VerifyDetachedSignature(const std::string& path, const std::string& signaturePath);

// The SHA-256 of a file's bytes; false when it cannot be read.
bool FileSha256(const std::string& path, std::vector<unsigned char>& digest);
