#include "webalert/LineDiff.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace {

void Append(std::vector<DiffOp>& script, DiffKind kind, std::size_t oldStart, std::size_t newStart, std::size_t count)
{
    if (count == 0)
        return;
    if (!script.empty()) {
        DiffOp& last = script.back();
        if (last.kind == kind && last.oldStart + (kind == DiffKind::Insert ? 0 : last.count) == oldStart &&
            last.newStart + (kind == DiffKind::Delete ? 0 : last.count) == newStart) {
            last.count += count;
            return;
        }
    }
    script.push_back({kind, oldStart, newStart, count});
}

// Equal lines get equal numbers, so the search compares integers. Only the lines between the
// common start and end are numbered: on two copies of a page with a few changes that is
// little more than the changes themselves.
void NumberLines(const std::vector<std::string_view>& oldLines, const std::vector<std::string_view>& newLines,
                 std::size_t from, std::size_t oldEnd, std::size_t newEnd, std::vector<std::uint32_t>& a,
                 std::vector<std::uint32_t>& b)
{
    std::unordered_map<std::string_view, std::uint32_t> numbers;
    numbers.reserve((oldEnd - from) + (newEnd - from));
    auto number = [&numbers](std::string_view line) {
        return numbers.emplace(line, static_cast<std::uint32_t>(numbers.size())).first->second;
    };
    a.reserve(oldEnd - from);
    for (std::size_t i = from; i < oldEnd; ++i)
        a.push_back(number(oldLines[i]));
    b.reserve(newEnd - from);
    for (std::size_t i = from; i < newEnd; ++i)
        b.push_back(number(newLines[i]));
}

struct Step {
    DiffKind kind;
    std::size_t x;  // where the edit starts, in a and b
    std::size_t y;
    std::size_t snake;  // equal lines after it
};

// Myers' forward search for the shortest edit script of a against b, keeping for every number
// of edits d the furthest x reached on each diagonal (2d + 1 values) so the path can be walked
// back. Returns false when more than bound edits would be needed.
bool ShortestScript(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b, std::size_t bound,
                    std::vector<Step>& steps, std::size_t& leadingSnake)
{
    const long n = static_cast<long>(a.size());
    const long m = static_cast<long>(b.size());
    const long maxD = static_cast<long>(std::min<std::size_t>(bound, a.size() + b.size()));
    const long offset = maxD + 1;
    std::vector<std::int32_t> v(static_cast<std::size_t>(2 * maxD + 3), 0);
    std::vector<std::int32_t> trace;  // the diagonals -d..d of every finished round d, one after another
    long finalD = -1;
    long endK = 0;
    for (long d = 0; d <= maxD && finalD < 0; ++d) {
        for (long k = -d; k <= d; k += 2) {
            const bool down = k == -d || (k != d && v[offset + k - 1] < v[offset + k + 1]);
            long x = down ? v[offset + k + 1] : v[offset + k - 1] + 1;
            long y = x - k;
            while (x < n && y < m && a[x] == b[y]) {
                ++x;
                ++y;
            }
            v[offset + k] = static_cast<std::int32_t>(x);
            if (x >= n && y >= m) {
                finalD = d;
                endK = k;
                break;
            }
        }
        if (finalD < 0)
            trace.insert(trace.end(), v.begin() + (offset - d), v.begin() + (offset + d + 1));
    }
    if (finalD < 0)
        return false;

    // Walk back from the end: round d's slice starts at d * d in the trace.
    long x = n;
    long k = endK;
    for (long d = finalD; d > 0; --d) {
        const std::int32_t* prev = trace.data() + (d - 1) * (d - 1) + (d - 1);  // centred on diagonal 0
        const bool down = k == -d || (k != d && prev[k - 1] < prev[k + 1]);
        const long prevK = down ? k + 1 : k - 1;
        const long prevX = prev[prevK];
        const long prevY = prevX - prevK;
        const long midX = down ? prevX : prevX + 1;
        steps.push_back({down ? DiffKind::Insert : DiffKind::Delete, static_cast<std::size_t>(prevX),
                         static_cast<std::size_t>(prevY), static_cast<std::size_t>(x - midX)});
        x = prevX;
        k = prevK;
    }
    leadingSnake = static_cast<std::size_t>(x);  // back on diagonal 0: x == y
    std::reverse(steps.begin(), steps.end());
    return true;
}

} // namespace

LineDiff DiffLines(const std::vector<std::string_view>& oldLines, const std::vector<std::string_view>& newLines,
                   std::size_t bound)
{
    LineDiff diff;
    const std::size_t oldCount = oldLines.size();
    const std::size_t newCount = newLines.size();
    std::size_t head = 0;
    while (head < oldCount && head < newCount && oldLines[head] == newLines[head])
        ++head;
    std::size_t tail = 0;
    while (tail < oldCount - head && tail < newCount - head &&
           oldLines[oldCount - 1 - tail] == newLines[newCount - 1 - tail])
        ++tail;
    const std::size_t oldEnd = oldCount - tail;
    const std::size_t newEnd = newCount - tail;

    Append(diff.script, DiffKind::Equal, 0, 0, head);
    std::vector<std::uint32_t> a;
    std::vector<std::uint32_t> b;
    std::vector<Step> steps;
    std::size_t snake = 0;
    if (head < oldEnd && head < newEnd) {
        NumberLines(oldLines, newLines, head, oldEnd, newEnd, a, b);
        if (!ShortestScript(a, b, bound, steps, snake)) {
            diff.cutShort = true;
            steps.clear();
            snake = 0;
        }
    }
    if (diff.cutShort || head == oldEnd || head == newEnd) {
        // One side's middle is empty, or the search gave up: the middle is one block.
        Append(diff.script, DiffKind::Delete, head, head, oldEnd - head);
        Append(diff.script, DiffKind::Insert, oldEnd, head, newEnd - head);
    } else {
        Append(diff.script, DiffKind::Equal, head, head, snake);
        for (const Step& step : steps) {
            std::size_t x = head + step.x;
            std::size_t y = head + step.y;
            if (step.kind == DiffKind::Delete) {
                Append(diff.script, DiffKind::Delete, x, y, 1);
                ++x;
            } else {
                Append(diff.script, DiffKind::Insert, x, y, 1);
                ++y;
            }
            Append(diff.script, DiffKind::Equal, x, y, step.snake);
        }
    }
    Append(diff.script, DiffKind::Equal, oldEnd, newEnd, tail);
    for (const DiffOp& op : diff.script)
        if (op.kind != DiffKind::Equal)
            diff.edits += op.count;
    return diff;
}
