#pragma once
// Splitting of a web address into the parts a connection needs, as the platform's URL
// cracker does for http and https.
#include <cstdint>
#include <string>
#include <string_view>

struct HttpAddress {
    std::string scheme;      // lower case, without "://"
    std::string host;        // without user information and without the brackets of IPv6
    std::uint16_t port = 0;  // explicit, else 80 for http and 443 for https, else 0
    std::string path;        // from the first "/" up to "?" or "#"; "/" when the address has none
    std::string extra;       // the query and fragment, from "?" or "#" on (not sent on a POST)

    bool IsHttp() const { return scheme == "http" || scheme == "https"; }
    bool IsHttps() const { return scheme == "https"; }
};

// False when the address has no "scheme://", an empty host or a port that is not a number
// from 1 to 65535.
bool SplitAddress(std::string_view address, HttpAddress& parts);

// Whether the program fetches the address at all: only "http:" and "https:" addresses (any
// letter case) with a host; "file:", "ftp:" and every other scheme are a failed fetch.
bool IsFetchableAddress(std::string_view address);
