#include "webalert/PageComparison.h"

#include "web/HtmlText.h"

CompareVerdict ComparePage(const CompareOptions& options, std::string_view fetched, const std::string* stored)
{
    if (fetched.empty())
        return CompareVerdict::NoContent;
    if (!stored)
        return CompareVerdict::Changed;
    std::string newText, oldText;
    std::string_view a = fetched, b = *stored;
    if (options.noScript) {
        newText = RemoveScriptElements(fetched);
        oldText = RemoveScriptElements(*stored);
        a = newText;
        b = oldText;
    }
    if (options.strict)
        return a == b ? CompareVerdict::Equal : CompareVerdict::Changed;
    if (options.size) {
        const std::size_t longer = a.size() > b.size() ? a.size() : b.size();
        const std::size_t difference = longer - (a.size() > b.size() ? b.size() : a.size());
        const std::size_t tolerance = options.sizeTolerance > 0 ? static_cast<std::size_t>(options.sizeTolerance) : 0;
        return difference <= tolerance ? CompareVerdict::Unchanged : CompareVerdict::Changed;
    }
    return CompareVerdict::Unchanged;
}
