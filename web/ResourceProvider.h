#pragma once
// A fetchable resource: names an address, may supply a form body, fetches the document into
// its content and digests it with a cursor that walks forward through the content.
// Subclasses supply the address, the body and the digesting step; the base supplies the fetch
// loop, the choice of transport and the cursor operations.
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "web/HttpTransport.h"

class ResourceProvider {
public:
    ResourceProvider() = default;
    ResourceProvider(const ResourceProvider&) = delete;
    ResourceProvider& operator=(const ResourceProvider&) = delete;

    // The virtual operations keep this order.
    virtual ~ResourceProvider();
    virtual void ReservedText1(std::string& text);
    virtual void ReservedText2(std::string& text);
    virtual void ReservedText3(std::string& text);
    virtual void ReservedText4(std::string& text);
    virtual void GetUrl(std::string& url) = 0;
    virtual bool UsesDirectRequest();          // false: the session road
    virtual void GetPostData(std::string& body);
    virtual bool BeginFetch();                 // false: Run fetches nothing
    virtual bool FetchAgain();                 // true: Run makes another pass
    virtual void ProcessContent();

    // The whole job: resets the state, then passes of GetUrl, Fetch and ProcessContent.
    void Run();
    // One fetch of address into the content; sets failed and the error text.
    void Fetch(const std::string& address);

    // Cursor operations. Markers match without regard to letter case.
    void ResetPosition() { cursor_ = 0; }
    // Moves the cursor just past the next marker; false (cursor unmoved) when there is none.
    bool SkipPast(const std::string& marker);
    // When at least two characters remain, takes the text up to the next marker and moves the
    // cursor past the marker. False, with text and cursor untouched, otherwise.
    bool ExtractUntil(const std::string& marker, std::string& text);
    // Everything from the cursor to the end; the cursor does not move.
    void ExtractRest(std::string& text) const;
    // Rewrites the content without its script elements; the cursor is 0 afterwards.
    void RemoveScripts();

    bool Failed() const { return failed_; }
    // The last fetch got no whole answer (a read that broke off, or no web address): unlike an
    // error page, its content is no page at all.
    bool NoAnswer() const { return noAnswer_; }
    const std::string& ErrorText() const { return errorText_; }
    const std::string& Content() const { return content_; }
    void SetContent(std::string content) { content_ = std::move(content); cursor_ = 0; }
    const std::string& Url() const { return url_; }
    std::size_t Cursor() const { return cursor_; }
    std::time_t LastRunTime() const { return lastRunTime_; }

    const std::string& AgentName() const { return agentName_; }
    void SetAgentName(std::string agentName) { agentName_ = std::move(agentName); }
    StatusWindow GetStatusWindow() const { return statusWindow_; }
    void SetStatusWindow(StatusWindow window) { statusWindow_ = window; }
    // Transports of this provider alone; null means the installed process-wide factory.
    void SetTransportFactory(TransportFactory* factory) { transports_ = factory; }
    // How long one fetch may take in all (a minute unless the caller says otherwise).
    void SetFetchDeadline(std::uint32_t milliseconds) { fetchDeadlineMs_ = milliseconds; }
    std::uint32_t FetchDeadline() const { return fetchDeadlineMs_; }
    // Asked between the chunks of a fetch; true stops it (the fetch fails).
    void SetCancelCheck(std::function<bool()> cancelled) { cancelled_ = std::move(cancelled); }

protected:
    void SetFailed(bool failed) { failed_ = failed; }
    void SetErrorText(std::string text) { errorText_ = std::move(text); }

private:
    void FetchDirect(const std::string& address, TransportFactory* factory);
    void FetchBySession(const std::string& address, TransportFactory* factory);
    // The request's deadline and cancel check from the caller's and the provider's own life.
    void LimitRequest(HttpRequest& request) const;

    bool failed_ = false;
    bool noAnswer_ = false;
    std::size_t cursor_ = 0;
    std::string agentName_;
    std::string content_;
    std::string errorText_;
    std::string url_;
    StatusWindow statusWindow_ = nullptr;
    std::time_t lastRunTime_ = 0;
    TransportFactory* transports_ = nullptr;
    std::uint32_t fetchDeadlineMs_ = kDefaultFetchDeadlineMs;
    std::function<bool()> cancelled_;
    // False once the provider is destroyed. The session road lets window messages run while it
    // reads, and one of them may destroy the window that owns this provider: the fetch then
    // stops and touches nothing of the provider any more.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// A provider that is never run: a container for a second document, so that the text
// operations can be applied to it.
class PlainResource : public ResourceProvider {
public:
    void GetUrl(std::string&) override {}
};
