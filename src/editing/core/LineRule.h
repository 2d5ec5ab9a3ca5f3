#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace norvane {

// The four block commands that work on lines in COBOL's fixed columns.
enum class BlockEdit { Indent, Unindent, Comment, Uncomment };

// The indent length of the settings. Values outside are taken as the nearer
// bound, so a bad value can never remove or add more than a real one.
inline constexpr int MinIndentLength = 0;
inline constexpr int MaxIndentLength = 9;

// The column of the indicator (column 7) as an offset from the line's start.
inline constexpr std::size_t IndicatorOffset = 6;

// One change to a line: at a 0-based offset, `removed` characters go and
// `inserted` comes in their place. `inserted` views static storage, so it stays
// valid for the whole run.
struct LineSplice {
    std::size_t offset = 0;
    std::size_t removed = 0;
    std::string_view inserted;

    [[nodiscard]] std::ptrdiff_t lengthChange() const
    {
        return static_cast<std::ptrdiff_t>(inserted.size()) - static_cast<std::ptrdiff_t>(removed);
    }

    friend bool operator==(const LineSplice &, const LineSplice &) = default;
};

// The per-line rule of a block command for one line of the selected text
// (columns counted from the line's first character). Empty when the line stays
// as it is:
// - Indent: a line of at least 7 characters that is not a comment ("*" in
//   column 7) gets N blanks in front; the whole line moves right.
// - Unindent: such a line loses its first N characters, whatever they are, or
//   all of them when it has no more than N.
// - Comment: a line of at least 7 characters gets "*" inserted as its seventh
//   character; the rest moves one column right (an existing "*" makes two).
// - Uncomment: a line of at least 7 characters with "*" in column 7 loses it.
// Lines shorter than 7 characters never change; nothing is cut at column 72.
[[nodiscard]] std::optional<LineSplice> lineRule(BlockEdit edit, std::string_view line, int indentLength);

// The line after its rule, for callers that want text rather than a splice.
[[nodiscard]] std::string applyLineRule(BlockEdit edit, std::string_view line, int indentLength);

} // namespace norvane
