#pragma once

#include <string>
#include <string_view>

namespace norvane {

// The texts the search commands show, built from the user's find and replace
// texts (8-bit, as typed).

// Status bar text while Replace All runs.
[[nodiscard]] std::string replaceAllStatus(bool inSelection, std::string_view findText, std::string_view replaceText);
// The three-line report after Replace All.
[[nodiscard]] std::string replaceAllReport(bool inSelection, int count, std::string_view findText,
                                           std::string_view replaceText);
// Status bar text while Find all runs.
[[nodiscard]] std::string findingAllStatus(std::string_view findText);
// The message when Find all finds nothing.
[[nodiscard]] std::string notFoundMessage(std::string_view findText);

} // namespace norvane
