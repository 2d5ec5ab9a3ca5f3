#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// The characters that separate words: line feed, carriage return, space,
// parentheses, comma, full stop and colon. Hyphens, quotes, semicolons and tabs
// belong to words.
inline constexpr std::string_view WordDelimiters{"\n\r ( ),.:"};

[[nodiscard]] constexpr bool isWordDelimiter(char c)
{
    return WordDelimiters.find(c) != std::string_view::npos;
}

// The words of a text, in order; runs of delimiters give no empty words.
[[nodiscard]] std::vector<std::string> SplitWords(std::string_view text);

// The word that holds the 1-based position (1 to size + 1; size + 1 stands just
// past the end and extends the word that ends there). Empty when the position
// is on a delimiter or out of range.
[[nodiscard]] std::string WordAt(std::string_view text, std::size_t position);

} // namespace norvane
