#pragma once
// The default mail account of Outlook Express, read from the user's registry, as the mail
// settings dialog offers it ("Default account").
#include <cstddef>
#include <functional>
#include <string>

constexpr char kAccountManagerKey[] = "Software\\Microsoft\\Office\\Outlook\\OMI Account Manager";

struct DefaultAccount {
    std::string server;    // empty when not found
    std::string address;   // empty when not found (then the server may still be there)
    bool complete = false;
};

// Reads value name of key (under the user's root) into out; false when missing or empty.
using RegistryTextReader = std::function<bool(const std::string& key, const char* name, std::string& out)>;

// "Default Mail Account" (63 characters at most) names the account; its key under
// "...\Accounts" holds "SMTP Server" and "SMTP Email Address" (255 each). Reading stops at
// the first value missing.
DefaultAccount ReadDefaultAccount(const RegistryTextReader& read);
