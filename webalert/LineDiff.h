#pragma once
// The difference between two lists of lines: the shortest edit script (Myers' O(ND) greedy
// search), found on line hashes so that every comparison is one integer compare. The search
// stops at a bound on the number of edits, so that wholly different texts cost time and memory
// in proportion to the bound and never to the product of their lengths: past it, every line
// between the common start and the common end is reported as changed.
#include <cstddef>
#include <string_view>
#include <vector>

enum class DiffKind { Equal, Delete, Insert };

// count lines starting at oldStart in the old lines (Equal, Delete) and at newStart in the new
// lines (Equal, Insert). A Delete leaves newStart where the next lines of the new text begin, an
// Insert leaves oldStart likewise.
struct DiffOp {
    DiffKind kind;
    std::size_t oldStart;
    std::size_t newStart;
    std::size_t count;
};

struct LineDiff {
    std::vector<DiffOp> script;  // in order, neighbouring operations of one kind merged
    std::size_t edits = 0;       // lines deleted plus lines inserted
    bool cutShort = false;       // the bound was reached: the middle is one block of changes
};

// Default bound on the edits the search looks for. Its memory is about 4 * bound * bound bytes
// at the worst (4 MB at 1000), its time about bound * bound plus the lines' length.
constexpr std::size_t kDefaultDiffBound = 1000;

LineDiff DiffLines(const std::vector<std::string_view>& oldLines, const std::vector<std::string_view>& newLines,
                   std::size_t bound = kDefaultDiffBound);
