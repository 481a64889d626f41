#pragma once
// How a check fetches one page: the page monitor's provider over the program's transports, or
// a test's fake. Fetch is called from several worker threads at once.
#include <string>

#include "web/ResourceProvider.h"

class PageFetcher {
public:
    virtual ~PageFetcher() = default;
    // The content as received, whatever the status; empty when nothing came (a failed fetch).
    virtual std::string Fetch(const std::string& link) = 0;
};

// The monitor's provider: a GET of the page's address on the direct road, one pass; the
// content is kept as received. Every "&" of the address is sent as "%26".
class PageCheckProvider : public ResourceProvider {
public:
    explicit PageCheckProvider(const std::string& link);

    void GetUrl(std::string& url) override;
    bool UsesDirectRequest() override;
    void ProcessContent() override;

    const std::string& RequestAddress() const { return address_; }
    std::string TakeBody() { return std::move(newBody_); }

private:
    std::string address_;
    std::string newBody_;
};

// One PageCheckProvider per fetch, on the given transports (null: the installed ones). The
// transports make a separate connection for every fetch, so fetches may run side by side.
class ProviderPageFetcher : public PageFetcher {
public:
    explicit ProviderPageFetcher(TransportFactory* transports = nullptr) : transports_(transports) {}
    std::string Fetch(const std::string& link) override;

private:
    TransportFactory* transports_;
};
