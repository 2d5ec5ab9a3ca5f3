#pragma once

#include "layout/core/LayoutTable.h"

#include <string>
#include <string_view>

namespace norvane {

// The CSV bytes of a layout table: every row, the title row first; every cell
// in double quotes as it is (quotes inside are not doubled); commas between
// cells; CR LF after each row.
[[nodiscard]] std::string ExportLayoutCsv(const LayoutTable &table);

// The file name the save dialog proposes for a layout window's caption: the
// record name between "offset: " and the last " length ", plus ".csv".
[[nodiscard]] std::string ProposedCsvName(std::string_view caption);

// The chosen file name, with ".csv" appended unless it already ends so (exact case).
[[nodiscard]] std::string WithCsvExtension(std::string_view chosen);

} // namespace norvane
