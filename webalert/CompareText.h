#pragma once
// What the comparison window shows: the text lines of a stored page copy, and the rows of the
// side-by-side view made from the difference of two such texts.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "webalert/LineDiff.h"

// The page's text as the monitor sees it: scripts removed, tags stripped, the known entities
// replaced; then cut into lines, each trimmed, blank lines left out (a page's markup leaves
// many).
std::vector<std::string> PageTextLines(std::string_view html);

enum class RowKind { Same, Changed, Removed, Added };

constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);

struct CompareRow {
    RowKind kind;
    std::size_t oldLine;  // index into the previous text, kNoLine for an added line
    std::size_t newLine;  // index into the current text, kNoLine for a removed line
};

struct CompareView {
    std::vector<CompareRow> rows;
    std::vector<std::size_t> changeStarts;  // the first row of every block of changes, in order
    std::size_t changed = 0;
    std::size_t removed = 0;
    std::size_t added = 0;
    bool cutShort = false;  // too different: one block of changes from the first difference on
};

// Lays a difference out in rows: equal lines side by side; in every block of changes, removed
// and added lines paired as changed lines, the rest shown alone.
CompareView ArrangeRows(const LineDiff& diff);

// The next or previous block of changes from row (exclusive); kNoLine when there is none.
// From kNoLine, next gives the first block and previous the last.
std::size_t NextChange(const CompareView& view, std::size_t row);
std::size_t PreviousChange(const CompareView& view, std::size_t row);

// format with "%1" to "%9" replaced by values (a placeholder without a value is dropped);
// "%%" gives "%". The texts come from resources, whose placeholders translators may reorder.
std::string FillPlaceholders(std::string_view format, const std::vector<std::string>& values);
