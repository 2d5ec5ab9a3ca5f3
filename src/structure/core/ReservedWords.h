#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace norvane {

inline constexpr std::size_t ReservedWordCount = 378;

// The words Track refuses to follow: COBOL words in alphabetical order, in upper
// case, then the operator symbols. The empty entry (between REEL and REFERENCE)
// makes an empty name, the caret on a delimiter, count as not to be followed.
extern const std::array<std::string_view, ReservedWordCount> ReservedWords;

// Whether the word is an entry of ReservedWords (exact, case-sensitive).
[[nodiscard]] bool isReservedWord(std::string_view word);
// Whether the word is an entry in any letter case, as COBOL reads its words.
[[nodiscard]] bool isReservedWordInAnyCase(std::string_view word);

} // namespace norvane
