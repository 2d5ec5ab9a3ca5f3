#pragma once

#include <cstddef>
#include <string_view>

namespace norvane {

// COBOL's words are the same in either letter case. Only the ASCII letters
// fold: the 8-bit characters of a source are never changed or compared loosely.

[[nodiscard]] constexpr char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether the texts are equal once ASCII letters are folded.
[[nodiscard]] constexpr bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upperAscii(a[i]) != upperAscii(b[i]))
            return false;
    }
    return true;
}

// Whether the text holds the upper-case word at the 0-based offset, in any case.
[[nodiscard]] constexpr bool holdsIgnoringCase(std::string_view text, std::size_t offset, std::string_view upperWord)
{
    return offset <= text.size() && text.size() - offset >= upperWord.size()
        && equalsIgnoringCase(text.substr(offset, upperWord.size()), upperWord);
}

// The first offset at or after `from` where the text holds the upper-case
// word in any case; npos when there is none.
[[nodiscard]] constexpr std::size_t findIgnoringCase(std::string_view text, std::string_view upperWord,
                                                     std::size_t from = 0)
{
    if (upperWord.empty())
        return from <= text.size() ? from : std::string_view::npos;
    const char first = upperWord.front();
    for (std::size_t i = from; i + upperWord.size() <= text.size(); ++i) {
        if (upperAscii(text[i]) == first && holdsIgnoringCase(text, i, upperWord))
            return i;
    }
    return std::string_view::npos;
}

} // namespace norvane
