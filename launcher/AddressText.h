#pragma once
// Telling addresses from search texts, and turning a bare name into an address.
#include <string>
#include <string_view>

// The address test looks at the first 511 characters; the completion works on as many.
constexpr std::size_t kAddressTestChars = 511;
constexpr std::size_t kCompletionChars = 511;

// True when the text starts with "http://", "https://" or "www." (any letter case).
bool IsAddress(std::string_view text);

// Modifier keys held when the user confirmed; Ctrl alone (or none) gives ".com".
enum CompletionKeys {
    kCompletionCtrl = 0,
    kCompletionShift = 1,   // ".net"
    kCompletionAlt = 2,     // ".fr" (Shift wins when both are held)
};

// A full address from a bare name, in lower case: "http://" unless the text carries a scheme
// ("letters://", which is kept), "www." after the scheme unless the rest holds "www.", then
// a top-level suffix when the only dot is the one of "www." or there is no dot at all.
std::string CompleteAddress(std::string_view text, int keys);
