#include "web/ResourceProvider.h"

#include <cstdio>

#include "web/HtmlText.h"
#include "web/HttpAddress.h"
#include "web/NoCaseSearch.h"

ResourceProvider::~ResourceProvider()
{
    *alive_ = false;
}

void ResourceProvider::ReservedText1(std::string& text) { text.clear(); }
void ResourceProvider::ReservedText2(std::string& text) { text.clear(); }
void ResourceProvider::ReservedText3(std::string& text) { text.clear(); }
void ResourceProvider::ReservedText4(std::string& text) { text.clear(); }
bool ResourceProvider::UsesDirectRequest() { return false; }
void ResourceProvider::GetPostData(std::string&) {}
bool ResourceProvider::BeginFetch() { return true; }
bool ResourceProvider::FetchAgain() { return false; }
void ResourceProvider::ProcessContent() {}

void ResourceProvider::Run()
{
    failed_ = false;
    noAnswer_ = false;
    errorText_.clear();
    content_.clear();
    lastRunTime_ = std::time(nullptr);
    if (!BeginFetch())
        return;
    const std::shared_ptr<bool> alive = alive_;
    do {
        GetUrl(url_);
        ResetPosition();
        Fetch(url_);
        if (!*alive)
            return;   // destroyed while the fetch let messages run
        ProcessContent();
    } while (FetchAgain());
}

void ResourceProvider::Fetch(const std::string& address)
{
    failed_ = false;
    noAnswer_ = false;
    errorText_.clear();
    TransportFactory* factory = transports_ ? transports_ : InstalledTransportFactory();
    if (UsesDirectRequest())
        FetchDirect(address, factory);
    else
        FetchBySession(address, factory);
}

void ResourceProvider::LimitRequest(HttpRequest& request) const
{
    request.deadlineMs = fetchDeadlineMs_ ? fetchDeadlineMs_ : kDefaultFetchDeadlineMs;
    std::function<bool()> callers = cancelled_;
    std::shared_ptr<bool> alive = alive_;
    request.cancelled = [alive, callers]() { return !*alive || (callers && callers()); };
}

void ResourceProvider::FetchDirect(const std::string& address, TransportFactory* factory)
{
    std::string body;
    GetPostData(body);
    HttpRequest request;
    HttpResponse response;
    std::uint32_t error = 0;
    // Addresses that are no web page (another scheme, no address at all) reach no transport.
    if (BuildDirectRequest(address, body, agentName_, request, error)) {
        LimitRequest(request);
        std::unique_ptr<DirectTransport> transport;
        if (factory)
            transport = factory->CreateDirect();
        if (transport)
            transport->Send(request, response);
    }

    content_ = response.answered ? std::move(response.body) : std::string();
    int status = response.answered ? StatusCode(response.rawHeaders) : 0;
    if (status / 100 != 2) {
        failed_ = true;
        char text[64];
        std::snprintf(text, sizeof text, "Error %d fetching resource", status);
        errorText_ = text;
    } else if (!response.complete) {
        // A read that broke off (time-out, lost connection, oversized answer) is no answer.
        failed_ = true;
        noAnswer_ = true;
        errorText_ = "Error fetching resource" + address;
    }
}

void ResourceProvider::FetchBySession(const std::string& address, TransportFactory* factory)
{
    content_.clear();
    if (!IsFetchableAddress(address)) {
        failed_ = true;
        noAnswer_ = true;
        errorText_ = "Error fetching resource" + address;
        return;
    }
    std::unique_ptr<SessionTransport> session;
    if (factory)
        session = factory->CreateSession();
    if (!session || !session->Open(agentName_, statusWindow_)) {
        failed_ = true;
        errorText_ = "Unable to initialize resource provider";
        return;
    }
    HttpRequest request = BuildSessionRequest(address, true, agentName_);
    LimitRequest(request);
    const std::shared_ptr<bool> alive = alive_;
    // The read lets window messages run: it fills a text of its own, not this provider's.
    std::string content;
    bool ok = session->Get(request, content, statusWindow_);
    session->Close();
    if (!*alive)
        return;
    content_ = std::move(content);
    if (!ok) {
        failed_ = true;
        noAnswer_ = true;
        errorText_ = "Error fetching resource" + address;
    }
}

bool ResourceProvider::SkipPast(const std::string& marker)
{
    NoCaseFinder finder(marker);
    std::size_t hit = finder.FindIn(content_, cursor_);
    if (hit == NoCaseFinder::npos)
        return false;
    cursor_ = hit + finder.Length();
    return true;
}

bool ResourceProvider::ExtractUntil(const std::string& marker, std::string& text)
{
    if (cursor_ > content_.size() || content_.size() - cursor_ < 2)
        return false;
    NoCaseFinder finder(marker);
    std::size_t hit = finder.FindIn(content_, cursor_);
    if (hit == NoCaseFinder::npos)
        return false;
    text.assign(content_, cursor_, hit - cursor_);
    cursor_ = hit + finder.Length();
    return true;
}

void ResourceProvider::ExtractRest(std::string& text) const
{
    if (cursor_ >= content_.size())
        text.clear();
    else
        text.assign(content_, cursor_, std::string::npos);
}

void ResourceProvider::RemoveScripts()
{
    content_ = RemoveScriptElements(content_);
    cursor_ = 0;
}
