#include "webalert/PageFetcher.h"

PageCheckProvider::PageCheckProvider(const std::string& link)
    : address_(link)
{
}

void PageCheckProvider::GetUrl(std::string& url)
{
    url = address_;
}

bool PageCheckProvider::UsesDirectRequest()
{
    return true;
}

void PageCheckProvider::ProcessContent()
{
    // Judged by its content alone: an error page is compared like any other page. But a read
    // that broke off (time-out, lost connection, a page beyond the largest) is no page: kept,
    // it would count as a change and replace the stored copy with a piece of the page.
    if (NoAnswer()) {
        newBody_.clear();
    } else {
        newBody_ = Content();
    }
    SetContent(std::string());
}

std::string ProviderPageFetcher::Fetch(const std::string& link)
{
    PageCheckProvider provider(link);
    if (transports_)
        provider.SetTransportFactory(transports_);
    provider.Run();
    return provider.TakeBody();
}
