#include "minibrowser/PageRules.h"

namespace minibrowser {

bool ShowsProgress(long progress, long maximum)
{
    return progress > 0 && maximum > 0;
}

bool BlocksPopup(bool option, bool runState, long readyState)
{
    constexpr long kReadyComplete = 4;
    return option && runState && readyState != kReadyComplete;
}

bool StatusTextIsLink(std::string_view text)
{
    return text.find_first_of("/@.") != std::string_view::npos;
}

std::string FrameTitle(std::string_view pageTitle, std::string_view productTitle)
{
    std::string title(pageTitle);
    title += ' ';
    title += productTitle;
    return title;
}

std::size_t NeighbourFrame(std::size_t count, std::size_t current, bool next)
{
    if (count == 0)
        return 0;
    if (current >= count)
        return 0;
    if (next)
        return current + 1 == count ? 0 : current + 1;
    return current == 0 ? count - 1 : current - 1;
}

} // namespace minibrowser
