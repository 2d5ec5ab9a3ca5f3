#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace norvane {

// Columns of fixed-format COBOL source as a compiler reads them. A tab is not
// one column: it advances to the next multiple of TabWidth columns counted from
// 0, as GnuCOBOL reads fixed-format source, so "\tMOVE" has MOVE in column 9.
// Column rules (sequence area, indicator, areas A and B, the cut at column 72)
// apply to the line as its columns stand; the text itself is never changed.

inline constexpr std::size_t TabWidth = 8;
inline constexpr std::size_t NoLimit = std::string_view::npos;

// The line as its columns stand, at most `width` columns of it: each tab
// becomes the spaces up to the next tab stop. A line without a tab in those
// columns comes back as it is, without a copy; otherwise `buffer` holds the
// expansion and the view is of it.
[[nodiscard]] std::string_view expandTabs(std::string_view line, std::string &buffer, std::size_t width = NoLimit);

// The 0-based column of the byte at the 0-based offset.
[[nodiscard]] std::size_t columnOfOffset(std::string_view line, std::size_t offset);

} // namespace norvane
