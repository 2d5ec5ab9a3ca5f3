// The data CSV: cells written and read back as they were, and the command
// line's "data --write" run in-process on CSV: exit code 0, 1 or 2, a refused
// or failed write leaves the data file as it was and no temporary file, and a
// file it wrote turns into CSV and back into the same bytes.
// Input: the copybook, a NUL, then the CSV.

#include "CliRun.h"
#include "FuzzSupport.h"

#include "document/core/SourceText.h"
#include "layout/core/DataColumns.h"
#include "layout/core/DataCsv.h"
#include "layout/core/LayoutTable.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

using namespace norvane;

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Rows of cells written with AppendCsvCell read back as they were.
void checkCellsRoundTrip(std::string_view seed)
{
    FuzzedDataProvider input(reinterpret_cast<const std::uint8_t *>(seed.data()), seed.size());
    Rows rows(input.ConsumeIntegralInRange(0, 4));
    std::string csv;
    for (std::vector<std::string> &row : rows) {
        row.resize(input.ConsumeIntegralInRange(1, 4));
        for (std::size_t i = 0; i < row.size(); ++i) {
            row[i] = input.ConsumeRandomLengthString(16);
            AppendCsvCell(csv, row[i], i + 1 == row.size());
        }
    }
    CsvReader reader(csv);
    for (const std::vector<std::string> &row : rows) {
        const Result<std::optional<std::vector<std::string>>> read = reader.next();
        FUZZ_CHECK_MSG(read && read.value() && *read.value() == row, fuzz::printable(csv));
    }
    const Result<std::optional<std::vector<std::string>>> end = reader.next();
    FUZZ_CHECK(end && !end.value());
}

// Any text reads as rows until its end, or up to a quoted cell left open.
void checkReaderEnds(std::string_view csv)
{
    CsvReader reader(csv);
    for (std::size_t row = 1;; ++row) {
        const Result<std::optional<std::vector<std::string>>> read = reader.next();
        if (!read || !read.value())
            return;
        FUZZ_CHECK(reader.row() == row && row <= csv.size());
        FUZZ_CHECK(!read.value()->empty());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto [copybook, csv] = fuzz::splitAtNul({reinterpret_cast<const char *>(data), size});
    checkCellsRoundTrip(csv);
    checkReaderEnds(csv);

    const Result<LayoutTable> table = CalcRecordLayout(splitSourceLines(copybook), LayoutMode::Data);
    const Result<std::vector<DataColumn>> columns =
        table ? BuildDataHeaders(table.value()) : Result<std::vector<DataColumn>>(Error{table.error()});

    const auto &scratch = fuzz::ScratchFolder::instance();
    scratch.clear();
    const std::string copybookPath = scratch.file("copybook.cpy");
    const std::string csvPath = scratch.file("in.csv");
    const std::string target = scratch.file("target.dat");
    const std::string previous = "the data file as it was before";
    fuzz::writeWholeFile(copybookPath, copybook);
    fuzz::writeWholeFile(csvPath, csv);
    fuzz::writeWholeFile(target, previous);

    std::vector<std::string> arguments{copybookPath, "--write", target};
    if (size % 2 == 1)
        arguments.insert(arguments.begin(), "--little-endian");
    const int code = fuzz::runDataCommand(arguments, csvPath);
    FUZZ_CHECK(code == 0 || code == 1 || code == 2);
    FUZZ_CHECK_MSG(scratch.entries() == (std::vector<std::string>{"copybook.cpy", "in.csv", "target.dat"}),
                   "a temporary file is left");
    const std::string written = fuzz::readWholeFile(target);
    if (code != 0) {
        FUZZ_CHECK_MSG(written == previous, "a refused write changed the data file");
        return 0;
    }
    FUZZ_CHECK(columns.ok());
    const auto recordLength = static_cast<std::size_t>(table.value().RecData.RecordLength);
    FUZZ_CHECK(recordLength > 0 && written.size() % recordLength == 0);

    // The file as CSV, written back, gives the same bytes.
    const std::string again = scratch.file("again.csv");
    const std::string copy = scratch.file("copy.dat");
    std::vector<std::string> read = arguments;
    read.erase(read.end() - 2); // no --write
    FUZZ_CHECK(fuzz::runDataCommand(read, "/dev/null", again) == 0);
    read.back() = copy;
    read.insert(read.end() - 1, "--write");
    FUZZ_CHECK_MSG(fuzz::runDataCommand(read, again) == 0, "the CSV of a written file is refused");
    FUZZ_CHECK_MSG(fuzz::readWholeFile(copy) == written, "CSV and back changed the bytes");
    return 0;
}
