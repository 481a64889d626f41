#include "update/Szdd.h"

namespace {
constexpr unsigned char kMagic[8] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33};
}

SzddHeader ParseSzddHeader(const unsigned char* data, std::size_t size, std::uint64_t fileSize)
{
    SzddHeader header;
    if (!data || size < kSzddHeaderBytes || fileSize < kSzddHeaderBytes)
        return header;
    for (std::size_t i = 0; i < sizeof kMagic; ++i)
        if (data[i] != kMagic[i])
            return header;
    if (data[8] != 'A')
        return header;
    std::uint32_t length = static_cast<std::uint32_t>(data[10]) | static_cast<std::uint32_t>(data[11]) << 8 |
                           static_cast<std::uint32_t>(data[12]) << 16 | static_cast<std::uint32_t>(data[13]) << 24;
    std::uint64_t body = fileSize - kSzddHeaderBytes;
    if (length == 0 || length > body * 9 + 18)
        return header;
    header.valid = true;
    header.expandedSize = length;
    return header;
}
