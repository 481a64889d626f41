#include "launcher/TypedAddressList.h"

#include <algorithm>

#include "launcher/MenuText.h"
#include "launcher/TypedAddressStore.h"

namespace {
std::string ValueName(std::size_t index)
{
    return "url" + std::to_string(index);
}

std::unique_ptr<LinkEntry> NewAddress(std::string_view address)
{
    return std::make_unique<LinkEntry>("", "", std::string(address), 1);
}
} // namespace

void TypedAddressList::Load(const TypedAddressStore& store)
{
    entries_.clear();
    TypedAddressKey key =
        store.KeyExists(TypedAddressKey::Own) ? TypedAddressKey::Own : TypedAddressKey::InternetExplorer;
    for (std::size_t i = 1; i <= kTypedAddressLoadMax; ++i) {
        std::string address;
        if (!store.ReadValue(key, ValueName(i), address, kTypedAddressChars) || address.empty())
            break;
        entries_.push_back(NewAddress(address));
    }
}

void TypedAddressList::Save(TypedAddressStore& store) const
{
    store.DeleteOwnKey();
    std::size_t i = 1;
    for (const auto& entry : entries_)
        store.WriteOwnValue(ValueName(i++), entry->urlBase);
}

LinkEntry& TypedAddressList::Add(TypedAddressStore& store, std::string_view address)
{
    auto found = std::find_if(entries_.begin(), entries_.end(),
                              [&](const std::unique_ptr<LinkEntry>& e) { return e->urlBase == address; });
    std::unique_ptr<LinkEntry> entry;
    if (found != entries_.end()) {
        entry = std::move(*found);
        entries_.erase(found);
        if (observer_)
            observer_->EntryRemoved(kTypedAddressCategory, *entry);
    } else {
        entry = NewAddress(address);
    }
    entries_.insert(entries_.begin(), std::move(entry));
    LinkEntry& top = *entries_.front();
    if (observer_)
        observer_->EntryInsertedFirst(kTypedAddressCategory, top, top.urlBase);
    Save(store);
    return top;
}

bool TypedAddressList::Remove(TypedAddressStore& store, const LinkEntry& entry)
{
    auto found = std::find_if(entries_.begin(), entries_.end(),
                              [&](const std::unique_ptr<LinkEntry>& e) { return e.get() == &entry; });
    if (found == entries_.end())
        return false;
    std::unique_ptr<LinkEntry> removed = std::move(*found);
    entries_.erase(found);
    if (observer_)
        observer_->EntryRemoved(kTypedAddressCategory, *removed);
    Save(store);
    return true;
}

const LinkEntry* TypedAddressList::ByCommandId(int commandId) const
{
    long long index = static_cast<long long>(commandId) - kTypedAddressFirstCommand;
    if (index < 0 || static_cast<unsigned long long>(index) >= entries_.size())
        return nullptr;
    return entries_[static_cast<std::size_t>(index)].get();
}

std::vector<TypedAddressMenuItem> TypedAddressMenuLayout(const TypedAddressList& list)
{
    std::vector<TypedAddressMenuItem> items;
    std::size_t count = std::min(list.Size(), kTypedAddressMenuMax);
    std::size_t half = list.Size() / 2;
    for (std::size_t i = 0; i < count; ++i) {
        bool columnBreak = list.Size() >= 2 && i > 0 && i % half == 0;
        items.push_back({kTypedAddressFirstCommand + static_cast<int>(i), MenuTextOf(list.AddressAt(i)), columnBreak});
    }
    return items;
}
