#include "mail/DefaultAccount.h"

#include "app/TextUtil.h"

DefaultAccount ReadDefaultAccount(const RegistryTextReader& read)
{
    DefaultAccount found;
    std::string name;
    if (!read(kAccountManagerKey, "Default Mail Account", name) || name.empty())
        return found;
    const std::string key = std::string(kAccountManagerKey) + "\\Accounts\\" + Cut(name, 63);
    std::string server;
    if (!read(key, "SMTP Server", server) || server.empty())
        return found;
    found.server = Cut(server, 255);
    std::string address;
    if (!read(key, "SMTP Email Address", address) || address.empty())
        return found;
    found.address = Cut(address, 255);
    found.complete = true;
    return found;
}
