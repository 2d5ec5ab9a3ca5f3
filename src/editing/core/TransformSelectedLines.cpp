#include "editing/core/TransformSelectedLines.h"

#include <algorithm>

namespace norvane {

namespace {

[[nodiscard]] bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

// A rule adds at most the longest indent to a line; reserving that up front keeps
// a large block to one allocation.
[[nodiscard]] std::size_t growthBound(std::string_view text)
{
    const auto breaks = static_cast<std::size_t>(std::count_if(text.begin(), text.end(), isLineBreak));
    return (breaks + 1) * MaxIndentLength;
}

} // namespace

TransformedText TransformSelectedLines(std::string_view selectedText, BlockEdit edit, int indentLength)
{
    TransformedText result;
    result.text.reserve(selectedText.size() + growthBound(selectedText));
    std::size_t start = 0;
    while (start <= selectedText.size()) {
        std::size_t end = start;
        while (end < selectedText.size() && !isLineBreak(selectedText[end]))
            ++end;
        const std::string_view line = selectedText.substr(start, end - start);
        if (const std::optional<LineSplice> splice = lineRule(edit, line, indentLength)) {
            result.text.append(line.substr(0, splice->offset));
            result.text.append(splice->inserted);
            result.text.append(line.substr(splice->offset + splice->removed));
            result.lengthChange += splice->lengthChange();
        } else {
            result.text.append(line);
        }
        if (end == selectedText.size())
            break;
        const std::size_t breakLength =
            selectedText[end] == '\r' && end + 1 < selectedText.size() && selectedText[end + 1] == '\n' ? 2 : 1;
        result.text.append(selectedText.substr(end, breakLength));
        start = end + breakLength;
    }
    return result;
}

BlockEditPlan planSelectedLines(std::span<const std::string> lines, std::size_t startColumn, std::size_t endColumn,
                                BlockEdit edit, int indentLength)
{
    BlockEditPlan plan;
    if (lines.empty())
        return plan;
    plan.edits.reserve(lines.size());
    const std::size_t last = lines.size() - 1;
    for (std::size_t i = 0; i <= last; ++i) {
        const std::string_view line = lines[i];
        const std::size_t begin = i == 0 ? std::min(startColumn, line.size()) : 0;
        const std::size_t end = std::max(begin, i == last ? std::min(endColumn, line.size()) : line.size());
        if (std::optional<LineSplice> splice = lineRule(edit, line.substr(begin, end - begin), indentLength)) {
            splice->offset += begin;
            plan.lengthChange += splice->lengthChange();
            plan.edits.push_back({i, *splice});
        }
    }
    return plan;
}

std::vector<std::string> applyBlockEditPlan(std::span<const std::string> lines, const BlockEditPlan &plan)
{
    std::vector<std::string> result(lines.begin(), lines.end());
    for (const BlockLineEdit &edit : plan.edits) {
        if (edit.line >= result.size())
            continue;
        std::string &line = result[edit.line];
        const std::size_t offset = std::min(edit.splice.offset, line.size());
        line.replace(offset, edit.splice.removed, edit.splice.inserted);
    }
    return result;
}

} // namespace norvane
