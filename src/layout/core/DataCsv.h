#pragma once

#include "common/core/Result.h"
#include "layout/core/DataColumns.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// The data grid as CSV, laid out like the layout CSV: every cell in double
// quotes, commas between cells, CR LF after each row; the header row and the
// picture row first (their record-number cell empty), then one row per record
// with its number. Quotes inside a cell are doubled, so that any text a field
// holds, commas, quotes and line breaks included, reads back as it was.

// Appends one cell, quoted, and the comma or the row end after it.
void AppendCsvCell(std::string &out, std::string_view cell, bool lastInRow);

// The header row and the picture row.
[[nodiscard]] std::string DataCsvHeading(const std::vector<DataColumn> &columns);

// Reads CSV one row at a time: cells in double quotes (a doubled quote stands
// for one; a quote not followed by a comma or a row end is taken as it is) or
// without quotes, rows ending in CR LF or LF.
class CsvReader {
public:
    explicit CsvReader(std::string_view text) : m_text(text) {}

    // The next row's cells, or nothing after the last row. Fails when a quoted
    // cell is not closed before the end of the text.
    [[nodiscard]] Result<std::optional<std::vector<std::string>>> next();
    // The 1-based number of the row next() returned last.
    [[nodiscard]] std::size_t row() const { return m_row; }

private:
    std::string_view m_text;
    std::size_t m_at = 0;
    std::size_t m_row = 0;
};

} // namespace norvane
