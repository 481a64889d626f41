// A search reaches the engine as the text typed: the engine is the loopback peer, which reads
// the query as a search engine does; the stand-in browser records the address the program
// opened, and the test fetches it as the browser would. Through the launcher's road and the
// clipboard search alike.
#include <windows.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "app/Subsystems_win.h"
#include "launcher/SubmitText_win.h"
#include "tests/launcher/LauncherWinFixture_win.h"
#include "tests/support/HttpPeer_win.h"

namespace {

using lt::LauncherWin;
using wt::HttpPeer;

bool PutOnClipboard(const std::string& text)
{
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    const bool ok = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    return ok;
}

// The typed text (Windows Latin-1, blanks at the ends trimmed) as the engine should read it.
std::string Utf8(const std::string& ansi)
{
    std::wstring wide(ansi.size(), L'\0');
    int n = MultiByteToWideChar(1252, 0, ansi.c_str(), static_cast<int>(ansi.size()), &wide[0],
                                static_cast<int>(wide.size()));
    std::string out(static_cast<std::size_t>(n) * 4, '\0');
    int m = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), n, &out[0], static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(static_cast<std::size_t>(m));
    return out;
}

class SearchQuery : public LauncherWin {
protected:
    void SetUp() override
    {
        LauncherWin::SetUp();
        ASSERT_FALSE(HttpPeer::Address().empty()) << "the test runs beside the HTTP peer";
        const std::string engine = HttpPeer::Url("/search") + "?q=%s&hl=fr";
        ASSERT_TRUE(StartWithSettings("[Options]\r\nWelCome=1\r\nUseMiniBrowserSearch=0\r\n"
                                      "[Searcher]\r\nSearcher1=Peer|\"" + engine + "\"|" + HttpPeer::Url("/") +
                                      "|1\r\n"));
    }

    // The address of the last launch, out of the stand-in's logged command line.
    std::string LastAddress(int launches)
    {
        const std::string prefix = HttpPeer::Url("/search");
        EXPECT_TRUE(wt::WaitUntil([&] { return LoggedLaunches() >= launches; }, 10000)) << Log();
        std::string log = Log();
        std::size_t at = log.rfind(prefix);
        if (at == std::string::npos)
            return std::string();
        std::size_t end = log.find_first_of("\" \r\n", at);
        return log.substr(at, end == std::string::npos ? std::string::npos : end - at);
    }

    // What the engine read out of that address.
    static std::string EngineReads(const std::string& address)
    {
        const std::string base = HttpPeer::Url("");
        std::string answer = HttpPeer::RawGet(address.substr(base.size()));
        std::size_t body = answer.find("\r\n\r\n");
        return body == std::string::npos ? "<no answer>" : answer.substr(body + 4);
    }
};

TEST_F(SearchQuery, TheEngineReadsExactlyTheTextTypedThroughTheLauncherAndTheClipboard)
{
    const char* const searches[] = {
        "hello & goodbye", "AT&T", "C#", "100%", "a=b?", "x/y", "  c++ -linux \"exact phrase\" ",
        "l'\xE9t\xE9 \xE0 Paris", "50 \x80 & 20%off", "%41%2B already escaped", "q=1&hl=en#frag",
        "semi;colon, [brackets] {braces} |pipe| ~tilde", "tab\there",
    };
    int launches = 0;
    for (const char* typed : searches) {
        // Leading and trailing blanks are not searched for.
        std::string trimmed = typed;
        trimmed.erase(0, trimmed.find_first_not_of(" \t"));
        trimmed.erase(trimmed.find_last_not_of(" \t") + 1);
        const std::string expected = "q=" + Utf8(trimmed) + "\nhl=fr\n";

        EXPECT_EQ(RecordAndLaunch(typed, false), 0) << typed;
        std::string address = LastAddress(++launches);
        EXPECT_EQ(EngineReads(address), expected) << "launcher: " << typed << " -> " << address;

        ASSERT_TRUE(PutOnClipboard(typed));
        SearchClipboard();
        address = LastAddress(++launches);
        EXPECT_EQ(EngineReads(address), expected) << "clipboard: " << typed << " -> " << address;
    }
}

} // namespace
