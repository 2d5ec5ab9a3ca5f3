#pragma once

#include "common/core/Result.h"
#include "layout/core/LayoutRow.h"
#include "layout/core/Offsets.h"
#include "layout/core/Statements.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// Layout mode shows every item; data mode leaves out redefinitions (and later
// level-01 records) with all their items, keeping the first definition of every
// storage area, as the data grid needs.
enum class LayoutMode { Layout, Data };

inline constexpr std::string_view kSelectRecordDefinition = "select a record definition";
inline constexpr std::string_view kNoRecordDefinition = "No record definition selected";
// Occurrences are expanded into rows; beyond this many the layout is refused.
inline constexpr std::size_t kMaxLayoutRows = 1'000'000;

// The record layout of a selected record definition: one row per item or
// occurrence, with offsets and totals, ready for a grid or the CSV export.
struct LayoutTable {
    std::vector<LayoutRow> rows; // the title row is not among them: see cell()
    TRecData RecData;
    // The last complaint raised while building (a picture, a redefinition
    // without its redefined item), to show once the table is shown.
    std::string message;
    // The first entry a compiler rejects, hidden redefinitions included: the
    // layout's sizes are guesses, and the data editor refuses it.
    std::string rejection;

    // The rows as the grid shows them, the title row (kLayoutTitles) first.
    [[nodiscard]] std::size_t rowCount() const { return rows.size() + 1; }
    [[nodiscard]] std::string cell(std::size_t row, int column) const;
    // The first item's name: the record's name.
    [[nodiscard]] std::string recordName() const;
};

// The rows for the statements' data description entries, without offsets:
// occurring items and groups expanded, group usage and sign handed down to the
// items. In data mode the rows of redefinitions are there but hidden (see
// LayoutRow::hidden); CalcRecordLayout removes them after the offsets. Fails with the conversion message of an occurrence or repeat count that
// is not a number, or when the expansion passes kMaxLayoutRows.
[[nodiscard]] Result<LayoutTable> FillLayoutGrid(const StatementTable &statements, LayoutMode mode);

// The whole command on the selected lines: statements, rows, offsets, totals.
// Fails with kNoRecordDefinition when no entry of level 1 to 49 is found, or
// with a message of FillLayoutGrid; nothing is returned half-built.
[[nodiscard]] Result<LayoutTable> CalcRecordLayout(const std::vector<std::string> &lines, LayoutMode mode);

// The same on the selected text, split into lines at CR, LF or CR LF; an empty
// selection fails with kSelectRecordDefinition.
[[nodiscard]] Result<LayoutTable> CalcRecordLayout(std::string_view selectedText, LayoutMode mode);

// "offset: " + record name + " length " + record length.
[[nodiscard]] std::string LayoutCaption(const LayoutTable &table);
// "data: " + record name.
[[nodiscard]] std::string DataCaption(const LayoutTable &table);

} // namespace norvane
