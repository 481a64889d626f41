// Throughput of the text operations on generated pages, beside memchr over the same bytes as
// the yardstick of what the machine can scan. Run from a build without sanitizers:
//   cmake -S . -B /tmp/bench -G Ninja -DQV_WITH_WIN32=OFF -DQV_SANITIZE=OFF -DCMAKE_BUILD_TYPE=Release
//   cmake --build /tmp/bench --target web_text_benchmark && /tmp/bench/bin/web_text_benchmark
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <random>
#include <string>

#include "web/HtmlText.h"

namespace {

// A page as the web serves them: a head with scripts, paragraphs with inline tags, links whose
// queries hold "&", a few entities, line breaks.
std::string RealWorldPage(std::size_t size)
{
    std::mt19937 random(1);
    static const char* const words[] = {"the", "page", "monitor", "translation", "service",
                                        "caf\xE9", "news", "weather", "search", "result"};
    std::string page = "<html><head><title>Example</title>\r\n";
    while (page.size() < size) {
        unsigned kind = random() % 20;
        if (kind == 0) {
            page += "<script type=\"text/javascript\">\r\nvar a = 1; if (a < 2 && a > 0) { f(a); }\r\n"
                    "document.write('<p>x</p>');\r\n</script>\r\n";
        } else if (kind < 4) {
            page += "<a href=\"/search?q=item&amp;lang=fr&page=";
            page += std::to_string(random() % 100);
            page += "\" class=\"link\">";
            page += words[random() % 10];
            page += "</a>&nbsp;|&nbsp;";
        } else if (kind == 4) {
            page += "<br>\r\n";
        } else {
            page += "<p class=\"text\">";
            for (unsigned w = 0, n = 5 + random() % 15; w < n; ++w) {
                page += words[random() % 10];
                page += random() % 30 == 0 ? " &eacute;t&eacute; " : " ";
            }
            page += "</p>\r\n";
        }
    }
    page += "</body></html>";
    return page;
}

// Everything at once, every few bytes: tags, all ten entities, upper-case ones, "&" to escape,
// script elements, lone "<" and ">".
std::string DensePage(std::size_t size)
{
    static const char unit[] =
        "<b>&amp;</b>&nbsp;<i>x</i>&NBSP;&eacute;<script>a<b</script>&aring;&auml;&"
        "<SCRIPT>q</Script>&iacute;&igrave;&ograve;&ouml;&szlig;&amp;nbsp;<>x<y>z&";
    std::string page;
    page.reserve(size + sizeof unit);
    while (page.size() < size)
        page += unit;
    return page;
}

// Processor time of the best of several rounds, so that other work on the machine does not
// count; the setup of each round (a fresh copy of the page) is outside the timing.
double MegabytesPerSecond(std::size_t bytes, const std::function<void()>& setup,
                          const std::function<void()>& work)
{
    double best = 1e30;
    double total = 0;
    for (int round = 0; round < 200 && (round < 5 || total < 0.3); ++round) {
        setup();
        std::clock_t start = std::clock();
        work();
        double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        total += seconds;
        if (seconds < best)
            best = seconds;
    }
    if (best <= 0)
        best = 1.0 / CLOCKS_PER_SEC;
    return static_cast<double>(bytes) / (1024.0 * 1024.0) / best;
}

volatile std::size_t g_sink;

void Measure(const char* shape, const std::string& page)
{
    const std::size_t bytes = page.size();
    std::string work;
    auto none = [] {};
    auto fresh = [&] { work = page; };
    double yardstick = MegabytesPerSecond(bytes, none, [&] {
        g_sink = std::memchr(page.data(), '\x01', page.size()) != nullptr;
    });
    struct Op {
        const char* name;
        std::function<void()> setup;
        std::function<void()> run;
    } ops[] = {
        {"ReplaceAllNoCase & -> %26", none, [&] { g_sink = ReplaceAllNoCase(page, "&", "%26").size(); }},
        {"ReplaceAllNoCase &AMP; -> &", none, [&] { g_sink = ReplaceAllNoCase(page, "&AMP;", "&").size(); }},
        {"RemoveScripts", none, [&] { g_sink = RemoveScriptElements(page).size(); }},
        {"HtmlToText", fresh, [&] {
             HtmlToText(work);
             g_sink = work.size();
         }},
        {"memcpy (for comparison)", fresh, [&] {
             std::memcpy(&work[0], page.data(), page.size());
             g_sink = work.size();
         }},
    };
    std::printf("%-10s %5.1f MB   memchr %9.0f MB/s\n", shape, bytes / (1024.0 * 1024.0), yardstick);
    for (const Op& op : ops) {
        double rate = MegabytesPerSecond(bytes, op.setup, op.run);
        std::printf("    %-30s %9.0f MB/s  %6.3f of memchr\n", op.name, rate, rate / yardstick);
    }
}

}  // namespace

int main()
{
    for (std::size_t megabytes : {1u, 10u}) {
        std::size_t size = megabytes * 1024 * 1024;
        Measure("real-world", RealWorldPage(size));
        Measure("dense", DensePage(size));
    }
    return 0;
}
