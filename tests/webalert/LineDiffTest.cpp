// The line difference over a table of texts, one character per line: the script must turn the
// old lines into the new ones, be as short as any (checked against a plain LCS table), and,
// past the bound, still be valid with everything between the common ends changed.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "webalert/CompareText.h"
#include "webalert/LineDiff.h"

namespace {

std::vector<std::string_view> Lines(const std::string& chars)
{
    std::vector<std::string_view> lines;
    for (std::size_t i = 0; i < chars.size(); ++i)
        lines.emplace_back(chars.data() + i, 1);
    return lines;
}

std::size_t ShortestEdits(const std::string& a, const std::string& b)
{
    std::vector<std::vector<std::size_t>> lcs(a.size() + 1, std::vector<std::size_t>(b.size() + 1, 0));
    for (std::size_t i = a.size(); i-- > 0;)
        for (std::size_t j = b.size(); j-- > 0;)
            lcs[i][j] = a[i] == b[j] ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
    return a.size() + b.size() - 2 * lcs[0][0];
}

// Applies the script, checking that it walks both texts in order without gaps.
void ExpectValidScript(const std::string& a, const std::string& b, const LineDiff& diff, const std::string& label)
{
    std::string built;
    std::size_t x = 0, y = 0, edits = 0;
    for (const DiffOp& op : diff.script) {
        const bool keep = op.kind == DiffKind::Equal, drop = op.kind == DiffKind::Delete;
        ASSERT_GT(op.count, 0u) << label;
        ASSERT_TRUE(op.oldStart == x && op.newStart == y) << label;
        ASSERT_LE(x + (keep || drop ? op.count : 0), a.size()) << label;
        ASSERT_LE(y + (drop ? 0 : op.count), b.size()) << label;
        if (keep) {
            ASSERT_EQ(a.substr(x, op.count), b.substr(y, op.count)) << label;
        }
        if (!drop)
            built += b.substr(y, op.count);
        x += keep || drop ? op.count : 0;
        y += drop ? 0 : op.count;
        edits += keep ? 0 : op.count;
    }
    EXPECT_EQ(x, a.size()) << label;
    EXPECT_EQ(built, b) << label;
    EXPECT_EQ(edits, diff.edits) << label;
}

struct Case {
    const char* label;
    std::string a;
    std::string b;
    std::size_t bound;
    bool cutShort;
    std::size_t changed, removed, added, blocks;
};

const Case kCases[] = {
    {"both empty", "", "", 100, false, 0, 0, 0, 0},
    {"old empty", "", "abc", 100, false, 0, 0, 3, 1},
    {"new empty", "abc", "", 100, false, 0, 3, 0, 1},
    {"equal", "abcdef", "abcdef", 100, false, 0, 0, 0, 0},
    {"insert at start", "bcd", "abcd", 100, false, 0, 0, 1, 1},
    {"insert in middle", "abde", "abcde", 100, false, 0, 0, 1, 1},
    {"insert at end", "abc", "abcd", 100, false, 0, 0, 1, 1},
    {"delete at start", "abcd", "bcd", 100, false, 0, 1, 0, 1},
    {"delete in middle", "abcde", "abde", 100, false, 0, 1, 0, 1},
    {"delete at end", "abcd", "abc", 100, false, 0, 1, 0, 1},
    {"replace one", "abcde", "abXde", 100, false, 1, 0, 0, 1},
    {"replace two by three", "abcdef", "abXYZef", 100, false, 2, 0, 1, 1},
    {"changes apart", "abcdefgh", "aXcdefYh", 100, false, 2, 0, 0, 2},
    {"wholly different", "abcd", "wxyz", 100, false, 4, 0, 0, 1},
    {"repeated lines", "aaaabaaaa", "aaaaaaaba", 100, false, 0, 1, 1, 2},
    {"repeated pattern", "abababab", "babababa", 100, false, 0, 1, 1, 2},
    {"moved block", "abcdefg", "efgabcd", 100, false, 0, 3, 3, 2},
    {"bound reached", "xabcdefy", "xbadcfey", 2, true, 6, 0, 0, 1},
    {"bound reached, sides of unequal length", "abcdefghij", "aZYXWVj", 3, true, 5, 3, 0, 1},
    {"bound just enough", "abcdefgh", "aXcdefYh", 4, false, 2, 0, 0, 2},
    {"bound zero", "abc", "abd", 0, true, 1, 0, 0, 1},
};

} // namespace

TEST(LineDiff, ScriptsOverTable)
{
    for (const Case& c : kCases) {
        const LineDiff diff = DiffLines(Lines(c.a), Lines(c.b), c.bound);
        ExpectValidScript(c.a, c.b, diff, c.label);
        EXPECT_EQ(diff.cutShort, c.cutShort) << c.label;
        if (!c.cutShort) {
            EXPECT_EQ(diff.edits, ShortestEdits(c.a, c.b)) << c.label;
        }
        const CompareView view = ArrangeRows(diff);
        EXPECT_EQ(view.changed, c.changed) << c.label;
        EXPECT_EQ(view.removed, c.removed) << c.label;
        EXPECT_EQ(view.added, c.added) << c.label;
        EXPECT_EQ(view.changeStarts.size(), c.blocks) << c.label;
        // Every line of both texts appears once, in order, on its own side.
        std::size_t nextOld = 0, nextNew = 0;
        for (const CompareRow& row : view.rows) {
            EXPECT_TRUE(row.oldLine == kNoLine || row.oldLine == nextOld++) << c.label;
            EXPECT_TRUE(row.newLine == kNoLine || row.newLine == nextNew++) << c.label;
            EXPECT_TRUE(row.kind != RowKind::Same || c.a[row.oldLine] == c.b[row.newLine]) << c.label;
        }
        EXPECT_EQ(nextOld, c.a.size()) << c.label;
        EXPECT_EQ(nextNew, c.b.size()) << c.label;
        // Moving between the blocks of changes visits each once, both ways.
        std::size_t row = kNoLine;
        for (std::size_t start : view.changeStarts)
            EXPECT_EQ(row = NextChange(view, row), start) << c.label;
        EXPECT_EQ(NextChange(view, row), kNoLine) << c.label;
        row = kNoLine;
        for (auto it = view.changeStarts.rbegin(); it != view.changeStarts.rend(); ++it)
            EXPECT_EQ(row = PreviousChange(view, row), *it) << c.label;
    }

    // Random texts over a small alphabet, so that lines repeat a lot: always the shortest
    // script; with a tight bound, a valid one.
    std::mt19937 random(11);
    for (int round = 0; round < 400; ++round) {
        std::string a(random() % 30, 'a'), b;
        for (char& ch : a)
            ch = static_cast<char>('a' + random() % 4);
        for (char ch : a)
            if (random() % 4 != 0)
                b += random() % 5 == 0 ? static_cast<char>('a' + random() % 4) : ch;
        const std::size_t bound = round % 2 ? 1000 : random() % 6;
        const std::string label = "random " + a + " / " + b;
        const LineDiff diff = DiffLines(Lines(a), Lines(b), bound);
        ExpectValidScript(a, b, diff, label);
        const std::size_t shortest = ShortestEdits(a, b);
        if (!diff.cutShort) {
            EXPECT_EQ(diff.edits, shortest) << label;
        } else {
            EXPECT_GT(shortest, bound) << label;
        }
    }
}

TEST(LineDiff, PageTextLines)
{
    const std::vector<std::string> lines =
        PageTextLines("<html><script>var x = 1;\n</script>\n  <p>Caf&eacute; &amp; tea</p>\r\n\n<b>\n</b>\tLast line ");
    EXPECT_EQ(lines, (std::vector<std::string>{"Caf & tea", "Last line"}));
    EXPECT_TRUE(PageTextLines("").empty());
    EXPECT_TRUE(PageTextLines(" \r\n<br>\n").empty());
}
