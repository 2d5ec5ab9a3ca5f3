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

// Whether the bytes end with a carriage return or a line feed.
[[nodiscard]] bool endsWithLineBreak(std::string_view bytes);

// The bytes of a source file: every line followed by the line break, the
// last one only with finalLineBreak. Empty lines at the end are lines like
// any other, so a document saves with the blank lines it was read with; an
// empty document gives an empty file. With stripTrailingSpaces each line
// loses its trailing spaces first.
[[nodiscard]] std::string composeSourceFile(const std::vector<std::string> &lines, std::string_view lineBreak,
                                            bool stripTrailingSpaces, bool finalLineBreak);

} // namespace norvane

namespace norvane {

// The text with every carriage return, line feed and pair turned into one line
// feed, as an editor holds it.
[[nodiscard]] std::string withLineFeedBreaks(std::string_view bytes);

} // namespace norvane
