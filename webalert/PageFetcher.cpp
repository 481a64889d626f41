#include "webalert/PageFetcher.h"

#include "web/HtmlText.h"

PageCheckProvider::PageCheckProvider(const std::string& link)
    : address_(ReplaceAllNoCase(link, "&", "%26"))
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
    // Judged by its content alone: an error page is compared like any other page.
    newBody_ = Content();
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
