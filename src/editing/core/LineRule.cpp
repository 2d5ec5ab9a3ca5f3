#include "editing/core/LineRule.h"

#include <algorithm>

namespace norvane {

namespace {

// Backing storage for the inserted text of every splice.
constexpr std::string_view Blanks{"         "};
constexpr std::string_view CommentMark{"*"};
static_assert(Blanks.size() == MaxIndentLength);

constexpr std::size_t MinRuleLength = IndicatorOffset + 1;

} // namespace

std::optional<LineSplice> lineRule(BlockEdit edit, std::string_view line, int indentLength)
{
    if (line.size() < MinRuleLength)
        return std::nullopt;
    const bool commentLine = line[IndicatorOffset] == '*';
    const auto n = static_cast<std::size_t>(std::clamp(indentLength, MinIndentLength, MaxIndentLength));

    switch (edit) {
    case BlockEdit::Indent:
        if (commentLine || n == 0)
            return std::nullopt;
        return LineSplice{0, 0, Blanks.substr(0, n)};
    case BlockEdit::Unindent:
        if (commentLine || n == 0)
            return std::nullopt;
        return LineSplice{0, std::min(n, line.size()), {}};
    case BlockEdit::Comment:
        return LineSplice{IndicatorOffset, 0, CommentMark};
    case BlockEdit::Uncomment:
        if (!commentLine)
            return std::nullopt;
        return LineSplice{IndicatorOffset, 1, {}};
    }
    return std::nullopt;
}

std::string applyLineRule(BlockEdit edit, std::string_view line, int indentLength)
{
    std::string result(line);
    if (const std::optional<LineSplice> splice = lineRule(edit, line, indentLength))
        result.replace(splice->offset, splice->removed, splice->inserted);
    return result;
}

} // namespace norvane
