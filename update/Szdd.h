#pragma once
// The header of files compressed by the Windows COMPRESS tool (the "SZDD" format the system's
// LZ expansion reads): 8 magic bytes, the method 'A', the last character of the name, and the
// expanded length (32 bits, little-endian); the LZ data follows from byte 14.
#include <cstddef>
#include <cstdint>

constexpr std::size_t kSzddHeaderBytes = 14;

struct SzddHeader {
    bool valid = false;
    std::uint32_t expandedSize = 0;
};

// valid only for a whole header with the magic and method 'A', an expanded length of at least
// one byte, and a length the data that follows can give: each flag byte leads eight items of
// at most one literal or one two-byte reference of up to 18 bytes, so the expansion is never
// more than 18 / 2 times the data (plus one short run).
SzddHeader ParseSzddHeader(const unsigned char* data, std::size_t size, std::uint64_t fileSize);
