#include "minibrowser/AddressBarRules.h"

#include "app/TextUtil.h"

namespace minibrowser {

Selection InitialSelection(std::string_view address)
{
    const int length = static_cast<int>(address.size());
    std::size_t at = address.find("/www.");
    if (at != std::string_view::npos)
        return {static_cast<int>(at + 5), length};
    at = address.find("//");
    if (at != std::string_view::npos)
        return {static_cast<int>(at + 2), length};
    return {length, length};
}

Selection CompletionSelection(std::string_view typed, Selection typedSelection, std::string_view item)
{
    const int typedLength = static_cast<int>(typed.size());
    const int itemLength = static_cast<int>(item.size());
    if (typedSelection.end < typedLength)
        return typedSelection;
    int start = typedLength;
    if (typedSelection.start <= 2 && typed.size() == 2 && StartsWithNoCase(typed, "ht")) {
        if (StartsWithNoCase(item, "https://www."))
            start = 12;
        else if (StartsWithNoCase(item, "http://www."))
            start = 11;
    }
    if (start > itemLength)
        start = itemLength;
    return {start, itemLength};
}

} // namespace minibrowser
