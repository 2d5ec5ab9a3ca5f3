#pragma once

#include "document/core/LineEnding.h"

#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// Splits file bytes into lines: a carriage return, a line feed and the pair each
// end a line. An empty last line after the final line break is not a line.
[[nodiscard]] std::vector<std::string> splitSourceLines(std::string_view bytes);

// Removes the trailing spaces of a line.
[[nodiscard]] std::string_view withoutTrailingSpaces(std::string_view line);

// The bytes of a source file: every line followed by the line break, except
// that an empty last line gets none (an empty document gives an empty file).
// With stripTrailingSpaces each line loses its trailing spaces first.
[[nodiscard]] std::string composeSourceFile(const std::vector<std::string> &lines, std::string_view lineBreak,
                                            bool stripTrailingSpaces);

} // namespace norvane

namespace norvane {

// The text with every carriage return, line feed and pair turned into one line
// feed, as an editor holds it.
[[nodiscard]] std::string withLineFeedBreaks(std::string_view bytes);

} // namespace norvane
