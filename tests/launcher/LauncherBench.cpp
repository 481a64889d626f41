// Figures of the launcher's core: how long a typed line takes to become its launches, and what
// one addition to the search history costs (it rewrites the section) for lists of some sizes.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/OptionRecord.h"
#include "launcher/InterpretInput.h"
#include "launcher/LinkEntry.h"
#include "launcher/SavedList.h"
#include "tests/support/MemoryProfile.h"

namespace {

using Clock = std::chrono::steady_clock;

// A settings file that keeps nothing: what remains is the list's own work.
class DiscardingProfile : public Profile {
public:
    std::string ReadString(const char*, const char*, const char* def, std::size_t) const override
    {
        return def ? def : "";
    }
    void WriteString(const char*, const char*, const char* value) override { bytes += value ? std::strlen(value) : 0; }
    void DeleteSection(const char*) override {}
    std::size_t bytes = 0;
};

std::size_t g_sink = 0;

template <class F>
double NanosecondsPerCall(int calls, F&& f)
{
    auto start = Clock::now();
    for (int i = 0; i < calls; ++i)
        f();
    std::chrono::duration<double, std::nano> spent = Clock::now() - start;
    return spent.count() / calls;
}

void BenchInterpretInput()
{
    OptionRecord o;
    o.UseMiniBrowserSearch = 0;
    for (int i = 0; i < 10; ++i)
        o.engines.push_back(std::make_unique<LinkEntry>("Engine" + std::to_string(i),
                                                        "http://engine" + std::to_string(i) + ".example/search?q=%s&lang=fr",
                                                        "http://engine" + std::to_string(i) + ".example/", 1));
    LaunchContext context{o, "C:\\Program Files\\Browser\\browser.exe"};

    struct Input {
        const char* what;
        std::string text;
        bool all;
        const char* favorite;
    };
    const Input inputs[] = {
        {"address", "http://www.example.com/some/page.html", false, ""},
        {"command find:", "find:C:\\Documents", false, ""},
        {"search, first engine", "l'\xE9t\xE9 \"2-3\" caf\xE9 M\xFCller", false, ""},
        {"search, favorite is the 10th engine", "l'\xE9t\xE9 \"2-3\" caf\xE9 M\xFCller", false, "engine9"},
        {"search, all 10 engines", "l'\xE9t\xE9 \"2-3\" caf\xE9 M\xFCller", true, ""},
        {"search, 2000 characters", std::string(2000, 'x'), false, ""},
    };
    std::printf("InterpretInput, text to decided launches:\n");
    for (const Input& in : inputs) {
        o.Favorite = in.favorite;
        double ns = NanosecondsPerCall(20000, [&] {
            InterpretResult r = InterpretInput(in.text, in.all, nullptr, context);
            g_sink += r.launches.size();
        });
        std::printf("  %-38s %9.0f ns per call\n", in.what, ns);
    }
}

template <class P>
double MicrosecondsPerAdd(std::size_t size, int adds)
{
    P file;
    SavedList history(SavedList::Kind::SearchHistory);
    for (std::size_t i = 0; i < size; ++i)
        history.Add(file, "searched text number " + std::to_string(i));
    // Searching the oldest text again moves it to the top: the size stays the same.
    double ns = NanosecondsPerCall(adds, [&] { g_sink += history.Add(file, history.At(size - 1).text).text.size(); });
    return ns / 1000.0;
}

void BenchHistoryAdd()
{
    std::printf("\nAdding to the search history (moves the oldest text to the top, rewrites the section):\n");
    std::printf("  %8s %22s %22s %18s\n", "entries", "MemoryProfile us/add", "list alone us/add", "list alone ns/entry");
    for (std::size_t size : {25u, 50u, 100u, 200u}) {
        int adds = static_cast<int>(40000 / size);
        double memory = MicrosecondsPerAdd<MemoryProfile>(size, adds);
        double alone = MicrosecondsPerAdd<DiscardingProfile>(size, adds);
        std::printf("  %8zu %22.2f %22.2f %18.1f\n", size, memory, alone, alone * 1000.0 / static_cast<double>(size));
    }
    std::printf("  (MemoryProfile finds each key by a linear search, so its column grows with the square of\n"
                "   the size; the list's own work is the last two columns.)\n");
}

} // namespace

int main()
{
    BenchInterpretInput();
    BenchHistoryAdd();
    return g_sink == 0 ? 1 : 0;
}
