// Statement splitting, the data description entries, the record layout table
// in both modes with its CSV, and the data grid's columns built from it.

#include "FuzzSupport.h"

#include "document/core/SourceText.h"
#include "layout/core/DataColumns.h"
#include "layout/core/DataEntry.h"
#include "layout/core/LayoutCsv.h"
#include "layout/core/LayoutTable.h"
#include "layout/core/Statements.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using namespace norvane;

namespace {

void checkStatements(const StatementTable &statements, std::size_t lineCount)
{
    int previous = 0;
    for (const Statement &statement : statements) {
        FUZZ_CHECK(statement.firstLine >= previous);
        FUZZ_CHECK(static_cast<std::size_t>(statement.firstLine) < lineCount);
        previous = statement.firstLine;
        Result<std::optional<DataEntry>> entry = RecognizeEntry(statement);
        if (entry && entry.value()) {
            const DataEntry &e = *entry.value();
            FUZZ_CHECK(e.level >= 0 && e.level <= 49);
            FUZZ_CHECK(LevelNumber(e.levelText) == e.level);
            FUZZ_CHECK(!e.occurs || *e.occurs >= 0);
        }
    }
}

void checkColumns(const LayoutTable &table)
{
    Result<std::vector<DataColumn>> columns = BuildDataHeaders(table);
    if (!columns)
        return;
    const auto length = static_cast<std::size_t>(table.RecData.RecordLength);
    std::vector<const DataColumn *> byOffset;
    for (const DataColumn &column : columns.value()) {
        FUZZ_CHECK(!column.header.empty());
        FUZZ_CHECK(column.size >= 1 && column.offset + column.size <= length);
        byOffset.push_back(&column);
    }
    // The grid's fields never share a byte: saving one would overwrite another.
    std::stable_sort(byOffset.begin(), byOffset.end(),
                     [](const DataColumn *a, const DataColumn *b) { return a->offset < b->offset; });
    for (std::size_t i = 1; i < byOffset.size(); ++i) {
        FUZZ_CHECK_MSG(byOffset[i - 1]->offset + byOffset[i - 1]->size <= byOffset[i]->offset,
                       byOffset[i]->header + " overlaps " + byOffset[i - 1]->header);
    }
}

void checkTable(const LayoutTable &table, LayoutMode mode)
{
    const std::int64_t length = table.RecData.RecordLength;
    FUZZ_CHECK(length >= 0 && table.RecData.NextOffset == length + 1);
    FUZZ_CHECK(!table.rows.empty() && table.rows.size() <= kMaxLayoutRows);
    for (const LayoutRow &row : table.rows) {
        FUZZ_CHECK(!row.hidden);
        FUZZ_CHECK(row.offset >= 1 && row.size >= 0);
        FUZZ_CHECK_MSG(row.offset - 1 + row.size <= length,
                       row.field + " ends at " + std::to_string(row.offset - 1 + row.size) + " after the record's " +
                           std::to_string(length));
    }
    FUZZ_CHECK(table.rowCount() == table.rows.size() + 1);
    for (int column = 0; column < kLayoutColumnCount; ++column)
        FUZZ_CHECK(table.cell(0, column) == kLayoutTitles[static_cast<std::size_t>(column)]);

    // The CSV: every cell of every row, quoted, a row per line.
    const std::string csv = ExportLayoutCsv(table);
    std::size_t at = 0;
    for (std::size_t row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < kLayoutColumnCount; ++column) {
            const std::string cell = '"' + table.cell(row, column) + '"' + (column + 1 < kLayoutColumnCount ? "," : "\r\n");
            FUZZ_CHECK(csv.compare(at, cell.size(), cell) == 0);
            at += cell.size();
        }
    }
    FUZZ_CHECK(at == csv.size());

    const std::string name = ProposedCsvName(LayoutCaption(table));
    FUZZ_CHECK(name.ends_with(".csv"));
    FUZZ_CHECK(WithCsvExtension(name) == name);
    (void)DataCaption(table);
    if (mode == LayoutMode::Data)
        checkColumns(table);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const std::vector<std::string> lines = splitSourceLines(bytes);
    checkStatements(SplitStatements(lines), lines.size());

    for (const LayoutMode mode : {LayoutMode::Layout, LayoutMode::Data}) {
        const Result<LayoutTable> table = CalcRecordLayout(lines, mode);
        // The selection's text gives the same layout as its lines.
        const Result<LayoutTable> fromText = CalcRecordLayout(bytes, mode);
        if (bytes.empty()) {
            FUZZ_CHECK(!fromText && fromText.error() == kSelectRecordDefinition);
        } else {
            FUZZ_CHECK(table.ok() == fromText.ok());
            if (!table) {
                FUZZ_CHECK(table.error() == fromText.error());
            } else {
                FUZZ_CHECK(ExportLayoutCsv(table.value()) == ExportLayoutCsv(fromText.value()));
            }
        }
        if (table)
            checkTable(table.value(), mode);
        else
            FUZZ_CHECK(!table.error().empty());
    }
    return 0;
}
