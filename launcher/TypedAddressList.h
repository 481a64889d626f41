#pragma once
// The addresses the user typed, most recent first (the launcher's "Typed Url" group, the tray's
// typed-address menu, the mini browser's address bar). Entries are LinkEntry records whose
// urlBase is the address.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "launcher/LinkEntry.h"
#include "launcher/ListTreeObserver.h"

class TypedAddressStore;

using TypedAddressObserver = ListTreeObserver<LinkEntry>;

constexpr int kTypedAddressCategory = 0;
constexpr std::size_t kTypedAddressLoadMax = 200;
constexpr std::size_t kTypedAddressChars = 1023;
// Menu commands 4024 + i for the first 400 addresses.
constexpr int kTypedAddressFirstCommand = 4024;
constexpr std::size_t kTypedAddressMenuMax = 400;

class TypedAddressList {
public:
    // The launcher's tree while it exists; null otherwise.
    void SetObserver(TypedAddressObserver* observer) { observer_ = observer; }

    // Empties the list and reads the program's own key, or Internet Explorer's list while the
    // program has none: values "url1".."url200", ended by a missing or empty one.
    void Load(const TypedAddressStore& store);
    // Deletes the program's own key and writes every address as "url1", "url2", ...
    void Save(TypedAddressStore& store) const;

    // Puts the address at the top (an equal one, compared exactly, moves), tells the observer
    // and saves.
    LinkEntry& Add(TypedAddressStore& store, std::string_view address);
    // Takes the entry out (the observer hears of it) and saves; false when it is not in the list.
    bool Remove(TypedAddressStore& store, const LinkEntry& entry);

    // The entry of menu command 4024 + i, or null when i is not below the list's size.
    const LinkEntry* ByCommandId(int commandId) const;

    std::size_t Size() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    const LinkEntry& At(std::size_t index) const { return *entries_[index]; }
    LinkEntry& At(std::size_t index) { return *entries_[index]; }
    const std::string& AddressAt(std::size_t index) const { return entries_[index]->urlBase; }
    const LinkList& Entries() const { return entries_; }
    void Clear() { entries_.clear(); }

private:
    TypedAddressObserver* observer_ = nullptr;
    LinkList entries_;
};

// One item of the typed-address menu.
struct TypedAddressMenuItem {
    int commandId;
    std::string text;     // the address, "&" doubled so that it shows as typed
    bool columnBreak;     // starts a new menu column (MF_MENUBARBREAK)
};

// The items appended to the typed-address menu: the first 400 addresses with ids 4024 + i.
// With two or more addresses, every item whose index is a non-zero multiple of half the
// list's size starts a new column: ten give two columns of five, one gives no break.
std::vector<TypedAddressMenuItem> TypedAddressMenuLayout(const TypedAddressList& list);
