#include "webalert/CompareText.h"

#include <algorithm>

#include "web/HtmlText.h"

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

std::vector<std::string> PageTextLines(std::string_view html)
{
    std::string text = RemoveScriptElements(html);
    HtmlToText(text);
    std::vector<std::string> lines;
    std::size_t from = 0;
    while (from < text.size()) {
        std::size_t end = text.find('\n', from);
        if (end == std::string::npos)
            end = text.size();
        std::size_t first = from;
        std::size_t last = end;
        while (first < last && IsBlank(text[first]))
            ++first;
        while (last > first && IsBlank(text[last - 1]))
            --last;
        if (last > first)
            lines.emplace_back(text, first, last - first);
        from = end + 1;
    }
    return lines;
}

CompareView ArrangeRows(const LineDiff& diff)
{
    CompareView view;
    view.cutShort = diff.cutShort;
    std::size_t i = 0;
    const std::vector<DiffOp>& script = diff.script;
    while (i < script.size()) {
        if (script[i].kind == DiffKind::Equal) {
            for (std::size_t n = 0; n < script[i].count; ++n)
                view.rows.push_back({RowKind::Same, script[i].oldStart + n, script[i].newStart + n});
            ++i;
            continue;
        }
        // A block of changes: the deleted lines are consecutive in the old text, the inserted
        // ones in the new text, whatever the order of the operations inside the block.
        std::size_t oldFrom = kNoLine, oldCount = 0, newFrom = kNoLine, newCount = 0;
        for (; i < script.size() && script[i].kind != DiffKind::Equal; ++i) {
            const DiffOp& op = script[i];
            if (op.kind == DiffKind::Delete) {
                oldFrom = std::min(oldFrom, op.oldStart);
                oldCount += op.count;
            } else {
                newFrom = std::min(newFrom, op.newStart);
                newCount += op.count;
            }
        }
        view.changeStarts.push_back(view.rows.size());
        const std::size_t pairs = std::min(oldCount, newCount);
        for (std::size_t n = 0; n < pairs; ++n)
            view.rows.push_back({RowKind::Changed, oldFrom + n, newFrom + n});
        for (std::size_t n = pairs; n < oldCount; ++n)
            view.rows.push_back({RowKind::Removed, oldFrom + n, kNoLine});
        for (std::size_t n = pairs; n < newCount; ++n)
            view.rows.push_back({RowKind::Added, kNoLine, newFrom + n});
        view.changed += pairs;
        view.removed += oldCount - pairs;
        view.added += newCount - pairs;
    }
    return view;
}

std::size_t NextChange(const CompareView& view, std::size_t row)
{
    for (std::size_t start : view.changeStarts)
        if (row == kNoLine || start > row)
            return start;
    return kNoLine;
}

std::size_t PreviousChange(const CompareView& view, std::size_t row)
{
    for (auto it = view.changeStarts.rbegin(); it != view.changeStarts.rend(); ++it)
        if (row == kNoLine || *it < row)
            return *it;
    return kNoLine;
}

std::string FillPlaceholders(std::string_view format, const std::vector<std::string>& values)
{
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%' || i + 1 == format.size()) {
            out += format[i];
            continue;
        }
        const char next = format[++i];
        if (next >= '1' && next <= '9') {
            const std::size_t index = static_cast<std::size_t>(next - '1');
            if (index < values.size())
                out += values[index];
        } else {
            out += next == '%' ? "%" : std::string{'%', next};
        }
    }
    return out;
}
