// Benchmark of a check run's engine (worker pool, comparison, copies, states) over real HTTP
// on loopback, with a plain-socket fetcher in place of WinINet. Prints figures; not a test.
// scripts/webalert-bench.sh runs it beside the peer, whose address is in QV_HTTP_PEER.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/webalert/WebAlertFakes.h"
#include "webalert/CheckRun.h"

namespace {

class SocketFetcher : public PageFetcher {
public:
    explicit SocketFetcher(int port) : port_(port) {}
    std::string Fetch(const std::string& link) override
    {
        const std::size_t pathAt = link.find('/', link.find("//") + 2);
        const std::string request = "GET " + link.substr(pathAt) + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n";
        int s = socket(AF_INET, SOCK_STREAM, 0);
        if (s < 0)
            return std::string();
        timeval timeout{30, 0};
        setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port_));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        std::string answer;
        if (connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
            send(s, request.data(), request.size(), 0) == static_cast<ssize_t>(request.size())) {
            char buffer[8192];
            ssize_t n;
            while ((n = recv(s, buffer, sizeof buffer, 0)) > 0)
                answer.append(buffer, static_cast<std::size_t>(n));
        }
        close(s);
        const std::size_t body = answer.find("\r\n\r\n");
        return body == std::string::npos ? std::string() : answer.substr(body + 4);
    }

private:
    int port_;
};

double Seconds(int pages, int workers, int port, long& rssGrowthKb)
{
    MonitoredPageList list;
    for (int i = 0; i < pages; ++i)
        list.Append(MonitoredPage("Page " + std::to_string(i),
                                  "http://127.0.0.1:" + std::to_string(port) + "/delay/100/p" + std::to_string(i)));
    MemoryPageFiles files;
    PageFolders folders(files, "C:\\bench\\");
    SocketFetcher fetcher(port);
    CheckObserver quiet;
    CheckRunOptions options;
    options.workers = workers;
    std::atomic<bool> cancel{false};
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    const auto start = std::chrono::steady_clock::now();
    const CheckRunResult result = RunChecks(list, folders, fetcher, options, quiet, cancel, [] { return LocalTime{}; });
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    getrusage(RUSAGE_SELF, &after);
    rssGrowthKb = after.ru_maxrss - before.ru_maxrss;
    if (result.taken != pages)
        std::printf("  (only %d of %d pages taken up)\n", result.taken, pages);
    return took.count();
}

} // namespace

int main()
{
    const char* peer = std::getenv("QV_HTTP_PEER");
    if (!peer || !std::strchr(peer, ':')) {
        std::printf("webalert run: no HTTP peer (QV_HTTP_PEER), skipped\n");
        return 0;
    }
    const int port = std::atoi(std::strchr(peer, ':') + 1);
    long growth = 0;
    const double pool = Seconds(499, 12, port, growth);
    std::printf("webalert run engine, 499 pages of 100 ms, 12 workers: %.2f s (peak RSS +%ld KB)\n", pool, growth);
    const double single = Seconds(60, 1, port, growth);
    std::printf("webalert run engine, 60 pages of 100 ms, one at a time: %.2f s (499 pages: about %.0f s)\n", single,
                single * 499 / 60);
    return 0;
}
