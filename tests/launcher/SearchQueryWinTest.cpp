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

// The typed text (Windows Latin-1) as the engine should read it.
std::string Utf8(const std::string& ansi)
{
    std::wstring wide(ansi.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(1252, 0, ansi.data(), static_cast<int>(ansi.size()), &wide[0], static_cast<int>(ansi.size()))));
    std::string out(wide.size() * 3, '\0');
    out.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                                            &out[0], static_cast<int>(out.size()), nullptr, nullptr)));
    return out;
}

// What the engine read out of the address of the last launch, taken from the stand-in's log.
std::string EngineReadsLastLaunch(const std::string& log)
{
    const std::string base = HttpPeer::Url("");
    const std::size_t at = log.rfind(HttpPeer::Url("/search"));
    if (at == std::string::npos)
        return "<no search>";
    const std::size_t end = log.find_first_of("\" \r\n", at);
    const std::string answer = HttpPeer::RawGet(log.substr(at + base.size(), end - at - base.size()));
    const std::size_t body = answer.find("\r\n\r\n");
    return body == std::string::npos ? "<no answer>" : answer.substr(body + 4);
}

TEST_F(LauncherWin, TheEngineReadsExactlyTheTextTypedThroughTheLauncherAndTheClipboard)
{
    ASSERT_FALSE(HttpPeer::Address().empty()) << "the test runs beside the HTTP peer";
    ASSERT_TRUE(StartWithSettings("[Options]\r\nWelCome=1\r\nUseMiniBrowserSearch=0\r\n[Searcher]\r\nSearcher1=Peer|\"" +
                                  HttpPeer::Url("/search") + "?q=%s&hl=fr\"|" + HttpPeer::Url("/") + "|1\r\n"));
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
        EXPECT_TRUE(wt::WaitUntil([&] { return LoggedLaunches() == launches + 1; }, 10000)) << Log();
        EXPECT_EQ(EngineReadsLastLaunch(Log()), expected) << "launcher: " << typed;
        ASSERT_TRUE(PutOnClipboard(typed));
        SearchClipboard();
        EXPECT_TRUE(wt::WaitUntil([&] { return LoggedLaunches() == launches + 2; }, 10000)) << Log();
        EXPECT_EQ(EngineReadsLastLaunch(Log()), expected) << "clipboard: " << typed;
        launches += 2;
    }
}

} // namespace
