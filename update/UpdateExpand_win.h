#pragma once
// Expansion of the downloaded installer with the system's LZ functions.
#include <cstdint>
#include <string>

// Expands the SZDD file compressed into target (created or truncated). False, with target
// deleted, when the header is not a sound SZDD header, the expansion fails, or the expanded
// length differs from the header's; expandedSize is the length written.
bool ExpandInstaller(const std::string& compressed, const std::string& target, std::int64_t& expandedSize);

// The size of a file; -1 when it does not exist or cannot be read.
std::int64_t FileSizeOf(const std::string& path);
