// Figures of the comparison window's work on two 1 MB page copies: extraction of the text,
// the line difference and the rows, for copies with a few changed lines and wholly different
// ones. Prints times (best of a few runs) and the most memory the difference held at once.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "webalert/CompareText.h"
#include "webalert/LineDiff.h"

// Heap use, counted by the global allocation functions below.
static std::size_t gLive = 0;
static std::size_t gPeak = 0;

void* operator new(std::size_t bytes)
{
    void* p = std::malloc(bytes + 16);
    if (!p)
        throw std::bad_alloc();
    *static_cast<std::size_t*>(p) = bytes;
    gLive += bytes;
    gPeak = std::max(gPeak, gLive);
    return static_cast<char*>(p) + 16;
}

void operator delete(void* p) noexcept
{
    if (!p)
        return;
    char* block = static_cast<char*>(p) - 16;
    gLive -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}

void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
}

namespace {

std::string Page(std::mt19937& random, std::size_t bytes)
{
    static const char* const kWords[] = {"price", "news", "update", "river", "market", "table", "offer", "today",
                                         "report", "garden", "engine", "window", "summer", "ticket"};
    std::string page = "<html><body>\n";
    while (page.size() < bytes) {
        page += "<p class=\"item\">";
        for (int w = 0; w < 6; ++w) {
            page += kWords[random() % 14];
            page += ' ';
        }
        page += std::to_string(random() % 100000) + "</p>\n";
    }
    return page + "</body></html>\n";
}

struct Figures {
    double extractMs = 1e9, diffMs = 1e9, rowsMs = 1e9;
    std::size_t lines = 0, edits = 0, rows = 0, diffBytes = 0;
    bool cutShort = false;
};

Figures Measure(const std::string& before, const std::string& after)
{
    Figures f;
    for (int run = 0; run < 5; ++run) {
        auto t0 = std::chrono::steady_clock::now();
        const std::vector<std::string> oldText = PageTextLines(before);
        const std::vector<std::string> newText = PageTextLines(after);
        auto t1 = std::chrono::steady_clock::now();
        const std::vector<std::string_view> oldLines(oldText.begin(), oldText.end());
        const std::vector<std::string_view> newLines(newText.begin(), newText.end());
        const std::size_t liveBefore = gLive;
        gPeak = gLive;
        const LineDiff diff = DiffLines(oldLines, newLines);
        f.diffBytes = gPeak - liveBefore;
        auto t2 = std::chrono::steady_clock::now();
        const CompareView view = ArrangeRows(diff);
        auto t3 = std::chrono::steady_clock::now();
        using Ms = std::chrono::duration<double, std::milli>;
        f.extractMs = std::min(f.extractMs, Ms(t1 - t0).count());
        f.diffMs = std::min(f.diffMs, Ms(t2 - t1).count());
        f.rowsMs = std::min(f.rowsMs, Ms(t3 - t2).count());
        f.lines = oldText.size() + newText.size();
        f.edits = diff.edits;
        f.rows = view.rows.size();
        f.cutShort = diff.cutShort;
    }
    return f;
}

void Print(const char* what, const Figures& f)
{
    std::printf("%-40s %7zu lines  edits %6zu%s  rows %6zu  text %7.2f ms  diff %7.2f ms  rows %6.2f ms"
                "  diff memory %zu KB\n",
                what, f.lines, f.edits, f.cutShort ? " (bound)" : "        ", f.rows, f.extractMs, f.diffMs, f.rowsMs,
                f.diffBytes / 1024);
}

} // namespace

int main()
{
    std::mt19937 random(2026);
    const std::string before = Page(random, 1 << 20);

    // A few changed, added and removed lines spread over the page.
    std::string few = before;
    for (std::size_t at : {few.size() / 10, few.size() / 3, few.size() / 2, few.size() * 9 / 10}) {
        const std::size_t line = few.find("<p", at);
        few.insert(line, "<p>a line of news that was not there</p>\n");
        const std::size_t next = few.find("</p>", line + 60);
        few.replace(next - 3, 3, "XYZ");
    }
    few.erase(few.find("<p", few.size() / 4), few.find("</p>", few.size() / 4) - few.find("<p", few.size() / 4) + 5);

    const std::string other = Page(random, 1 << 20);

    Print("1 MB copies, a few lines changed", Measure(before, few));
    Print("1 MB copies, equal", Measure(before, before));
    Print("1 MB copies, wholly different", Measure(before, other));
    return 0;
}
