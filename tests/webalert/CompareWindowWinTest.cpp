// The comparison window under Wine on real copies: what each row shows and in which colours
// (asked of the window's own drawing code), the first change selected and in view, moving
// between changes by buttons and F8, the summary line, the window reused for the same page,
// equal and unreadable copies, French texts, and the window going with its owner.
#include <windows.h>
#include <commctrl.h>

#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/AppContext_win.h"
#include "app/ResourceLoader_win.h"
#include "resources/ResourceIds.h"
#include "tests/support/WineTestUtil.h"
#include "tests/translator/ModalScript_win.h"
#include "webalert/CompareText.h"
#include "webalert/CompareWindow_win.h"

namespace {

const char* const kPrevious =
    "<html><head><title>Fruit</title><script>var stamp = 1;</script></head><body>\n<h1>Prices &amp; offers</h1>\n"
    "<p>Apples 2 euros</p>\n<p>Pears 3 euros</p>\n<p>Old offer: lemons</p>\n<p>Plums 4 euros</p>\n</body></html>\n";
const char* const kCurrent =
    "<html><head><title>Fruit</title><script>var stamp = 2;</script></head><body>\n<h1>Prices &amp; offers</h1>\n"
    "<p>Apples 2 euros</p>\n<p>Pears 5 euros</p>\n<p>Plums 4 euros</p>\n<p>New: cherries 6 euros</p>\n</body></html>\n";

// Each row as "mark|old number|old text|new number|new text".
std::vector<std::string> Rows(HWND window)
{
    HWND list = GetDlgItem(window, IDC_CMP_ROWS);
    std::vector<std::string> rows(static_cast<std::size_t>(ListView_GetItemCount(list)));
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (int column = 0; column < 5; ++column)
            rows[i] += (column ? "|" : "") + tt::ListText(list, static_cast<int>(i), column);
    return rows;
}

// The background the window's custom drawing gives a cell.
COLORREF CellColour(HWND window, int row, int column)
{
    NMLVCUSTOMDRAW draw = {};
    draw.nmcd.hdr.hwndFrom = GetDlgItem(window, IDC_CMP_ROWS);
    draw.nmcd.hdr.idFrom = IDC_CMP_ROWS;
    draw.nmcd.hdr.code = NM_CUSTOMDRAW;
    draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
    draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
    draw.iSubItem = column;
    draw.clrTextBk = RGB(1, 2, 3);
    SendMessageA(window, WM_NOTIFY, IDC_CMP_ROWS, reinterpret_cast<LPARAM>(&draw));
    return draw.clrTextBk;
}

std::string Text(HWND window, int id = 0) { return id ? tt::ItemString(window, id) : tt::WindowString(window); }

int Selected(HWND window) { return ListView_GetNextItem(GetDlgItem(window, IDC_CMP_ROWS), -1, LVNI_SELECTED); }

bool InView(HWND window, int row)
{
    HWND list = GetDlgItem(window, IDC_CMP_ROWS);
    const int top = ListView_GetTopIndex(list);
    return row >= top && row < top + ListView_GetCountPerPage(list);
}

void Click(HWND window, int id)
{
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

class CompareWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        App().instance = GetModuleHandleA(nullptr);
        SetUiLanguage(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
        wt::DeleteTree(folder_);
        CreateDirectoryA(folder_.c_str(), nullptr);
        ASSERT_TRUE(wt::WriteFileText(previous_, kPrevious) && wt::WriteFileText(current_, kCurrent));
    }
    void TearDown() override
    {
        for (HWND w : opened_)
            if (IsWindow(w))
                DestroyWindow(w);
        wt::DeleteTree(folder_);
    }

    HWND Show(const std::string& name, const std::string& previous, const std::string& current, HWND owner = nullptr)
    {
        HWND w = ShowPageComparison(owner, name, previous, current);
        opened_.push_back(w);
        wt::PumpMessages(50);
        return w;
    }

    const std::string folder_ = wt::ProgramFolder() + "copies\\";
    const std::string previous_ = folder_ + "urBackup.html", current_ = folder_ + "url.html";
    std::vector<HWND> opened_;
};

TEST_F(CompareWindowTest, ShowsChangesMarkedAndMovesBetweenThem)
{
    HWND w = Show("Fruit & co", previous_, current_);
    ASSERT_TRUE(w);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(Text(w), "Changes in Fruit & co");

    // The text of both copies, scripts and tags gone; the change, the removal and the addition
    // each marked on its own row.
    EXPECT_EQ(Rows(w), (std::vector<std::string>{"|1|Fruit|1|Fruit", "|2|Prices & offers|2|Prices & offers",
                                                "|3|Apples 2 euros|3|Apples 2 euros",
                                                "~|4|Pears 3 euros|4|Pears 5 euros", "-|5|Old offer: lemons||",
                                                "|6|Plums 4 euros|5|Plums 4 euros", "+|||6|New: cherries 6 euros"}));

    // Colours: changed both sides, removed on the left, added on the right, each its own, the
    // side without a line greyed, unchanged rows plain.
    const COLORREF plain = GetSysColor(COLOR_WINDOW);
    const COLORREF changed = CellColour(w, 3, 2), removed = CellColour(w, 4, 2), added = CellColour(w, 6, 4);
    const COLORREF absent = CellColour(w, 4, 4);
    EXPECT_EQ(CellColour(w, 1, 2), plain);
    EXPECT_EQ(CellColour(w, 3, 4), changed);
    EXPECT_EQ(CellColour(w, 6, 2), absent);
    EXPECT_EQ((std::set<COLORREF>{plain, changed, removed, added, absent}).size(), 5u);

    EXPECT_EQ(Text(w, IDC_CMP_SUMMARY), FillPlaceholders(LoadText(IDS_CMP_SUMMARY), {"1", "1", "1"}));
    EXPECT_EQ(Selected(w), 3);
    EXPECT_TRUE(InView(w, 3));

    // Next and previous change: the blocks start at rows 3 and 6; past the last one, nothing moves.
    for (const auto& [button, row] : {std::pair{IDC_CMP_NEXT, 6}, {IDC_CMP_NEXT, 6}, {IDC_CMP_PREVIOUS, 3}}) {
        Click(w, button);
        EXPECT_EQ(Selected(w), row);
    }
    HWND list = GetDlgItem(w, IDC_CMP_ROWS);
    SendMessageA(list, WM_KEYDOWN, VK_F8, 0);
    EXPECT_EQ(Selected(w), 6);
    // The dialog keys work from the program's plain message loop: Alt+P, and Tab to a button.
    SetFocus(list);
    PostMessageA(list, WM_SYSCHAR, 'p', 1u << 29);
    wt::PumpMessages(50);
    EXPECT_EQ(Selected(w), 3);
    SetFocus(list);
    PostMessageA(list, WM_KEYDOWN, VK_TAB, 0);
    wt::PumpMessages(50);
    EXPECT_EQ(GetParent(GetFocus()), w);
    EXPECT_NE(GetFocus(), list);

    // The same page again: the same window, refreshed; equal copies say so.
    ASSERT_TRUE(wt::WriteFileText(previous_, kCurrent));
    EXPECT_EQ(Show("FRUIT & CO", previous_, current_), w);
    EXPECT_EQ(Text(w), "Changes in FRUIT & CO");
    EXPECT_EQ(Text(w, IDC_CMP_SUMMARY), "No difference in the text.");
    EXPECT_EQ(Rows(w).size(), 6u);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(w, IDC_CMP_NEXT)));
    EXPECT_EQ(CellColour(w, 3, 2), plain);

    // A change far down a long page is scrolled into view, with a little context above it.
    std::string longBefore = "<html><body>\n", longAfter = longBefore;
    for (int i = 1; i <= 400; ++i) {
        longBefore += "<p>line " + std::to_string(i) + "</p>\n";
        longAfter += i == 300 ? "<p>line 300, edited</p>\n" : "<p>line " + std::to_string(i) + "</p>\n";
    }
    ASSERT_TRUE(wt::WriteFileText(previous_, longBefore) && wt::WriteFileText(current_, longAfter));
    EXPECT_EQ(Show("Fruit & co", previous_, current_), w);
    EXPECT_EQ(Selected(w), 299);
    EXPECT_TRUE(InView(w, 299));
    EXPECT_TRUE(InView(w, 297));
    EXPECT_EQ(Rows(w)[299], "~|300|line 300|300|line 300, edited");

    // Another page beside it; closing frees the window.
    HWND other = Show("Other", current_, previous_);
    ASSERT_TRUE(other);
    EXPECT_NE(other, w);
    SendMessageA(w, WM_CLOSE, 0, 0);
    wt::PumpMessages(50);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_TRUE(IsWindow(other));
    SendMessageA(GetDlgItem(other, IDC_CMP_ROWS), WM_KEYDOWN, VK_ESCAPE, 0);
    wt::PumpMessages(50);
    EXPECT_FALSE(IsWindow(other));
}

TEST_F(CompareWindowTest, UnreadableAndOddCopiesFrenchAndOwner)
{
    // No previous copy: the window says which copy cannot be read and shows nothing.
    const std::string missing = folder_ + "absent\\urBackup.html";
    HWND w = Show("Fruit", missing, current_);
    ASSERT_TRUE(w);
    EXPECT_EQ(Text(w, IDC_CMP_SUMMARY), FillPlaceholders(LoadText(IDS_CMP_UNREADABLE), {missing}));
    EXPECT_EQ(Rows(w).size(), 0u);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(w, IDC_CMP_PREVIOUS)));
    // A 1000-character name, NUL bytes and a line longer than a list cell.
    const std::string longLine(5000, 'x');
    ASSERT_TRUE(wt::WriteFileText(previous_, std::string("<p>a\0b</p>\n<p>same</p>\n", 23)) &&
                wt::WriteFileText(current_, "<p>" + longLine + "</p>\n<p>same</p>\n"));
    HWND odd = Show(std::string(1000, 'n'), previous_, current_);
    ASSERT_TRUE(odd);
    EXPECT_EQ(Rows(odd).size(), 2u);
    EXPECT_EQ(Rows(odd)[0].substr(0, 6), "~|1|a|");
    EXPECT_EQ(Rows(odd)[1], "|2|same|2|same");
    ASSERT_TRUE(wt::WriteFileText(previous_, kPrevious) && wt::WriteFileText(current_, kCurrent));

    // A current copy missing too, in French.
    SetUiLanguage(MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH));
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND fr = Show("Fruits", previous_, folder_ + "url-absent.html", owner);
    ASSERT_TRUE(fr);
    EXPECT_EQ(Text(fr), "Modifications de Fruits");
    EXPECT_NE(Text(fr, IDC_CMP_SUMMARY).find("illisible"), std::string::npos);
    EXPECT_NE(Text(fr, IDC_CMP_SUMMARY).find("url-absent.html"), std::string::npos);
    // Readable copies in French.
    HWND fr2 = Show("Fruits 2", previous_, current_, owner);
    EXPECT_EQ(Text(fr2, IDC_CMP_SUMMARY), FillPlaceholders(LoadText(IDS_CMP_SUMMARY), {"1", "1", "1"}));
    EXPECT_EQ(Text(fr2, IDC_CMP_SUMMARY).rfind("Lignes modifi", 0), 0u);
    // The windows go with their owner.
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(fr));
    EXPECT_FALSE(IsWindow(fr2));
    EXPECT_TRUE(IsWindow(w));
}

} // namespace
