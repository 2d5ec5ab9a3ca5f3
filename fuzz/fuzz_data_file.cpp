// A data file opened with the layout of a copybook: every cell decoded, saved
// unedited (byte-identical, in either byte order and back), then edited
// (cells, inserted, copied and deleted records), checked, saved and reopened.
// Input: the copybook, a NUL, then the data and the edits.

#include "CliRun.h"
#include "FuzzSupport.h"

#include "document/core/SourceText.h"
#include "layout/core/DataColumns.h"
#include "layout/core/DataFile.h"
#include "layout/core/LayoutTable.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

using namespace norvane;

namespace {

constexpr std::size_t kMaxCells = 1024;

// What the grid should show, record by record, and where each record came
// from: a record of the file never edited keeps its bytes.
struct ModelRecord {
    std::optional<std::size_t> fileRecord;
    std::vector<std::string> cells;
};

ByteOrder other(ByteOrder order)
{
    return order == ByteOrder::BigEndian ? ByteOrder::LittleEndian : ByteOrder::BigEndian;
}

void checkGrid(const DataFile &file, const std::vector<ModelRecord> &model)
{
    FUZZ_CHECK(file.recordCount() == model.size());
    for (std::size_t r = 0; r < model.size(); ++r)
        for (std::size_t c = 0; c < model[r].cells.size(); ++c)
            FUZZ_CHECK(file.cell(r, c) == model[r].cells[c]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto [copybook, rest] = fuzz::splitAtNul({reinterpret_cast<const char *>(data), size});
    const Result<LayoutTable> table = CalcRecordLayout(splitSourceLines(copybook), LayoutMode::Data);
    if (!table)
        return 0;
    Result<std::vector<DataColumn>> built = BuildDataHeaders(table.value());
    const auto recordLength = static_cast<std::size_t>(table.value().RecData.RecordLength);
    if (!built || recordLength == 0 || recordLength > 65536)
        return 0;
    const std::vector<DataColumn> columns = std::move(built).value();

    FuzzedDataProvider input(reinterpret_cast<const std::uint8_t *>(rest.data()), rest.size());
    const ByteOrder order = input.ConsumeBool() ? ByteOrder::BigEndian : ByteOrder::LittleEndian;
    const bool ragged = input.ConsumeIntegralInRange(0, 15) == 0;
    const std::size_t maxRecords = std::max<std::size_t>(1, kMaxCells / columns.size());
    const std::string bytes = input.ConsumeBytesAsString(
        std::min(input.remaining_bytes() / recordLength, maxRecords) * recordLength + (ragged ? 1 : 0));
    const std::size_t records = bytes.size() / recordLength;

    const auto &scratch = fuzz::ScratchFolder::instance();
    scratch.clear();
    const std::string original = scratch.file("records.dat");
    fuzz::writeWholeFile(original, bytes);

    Result<DataFile> opened = DataFile::open(original, columns, recordLength, order);
    if (bytes.size() % recordLength != 0) {
        FUZZ_CHECK(!opened && opened.error().starts_with(kLengthNotMultiple));
        return 0;
    }
    FUZZ_CHECK(opened.ok());
    DataFile &file = opened.value();
    FUZZ_CHECK_MSG(file.recordCount() == records && !file.modified(),
                   std::to_string(file.recordCount()) + " records of " + std::to_string(recordLength) + " bytes in " +
                       std::to_string(bytes.size()) + " bytes");

    std::vector<ModelRecord> model(records);
    for (std::size_t r = 0; r < records; ++r) {
        model[r].fileRecord = r;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            model[r].cells.push_back(file.cell(r, c));
            FUZZ_CHECK(!file.isEdited(r, c));
            FUZZ_CHECK(model[r].cells.back() == DecodeCell(columns[c], std::string_view(bytes).substr(r * recordLength + columns[c].offset, columns[c].size), order));
        }
    }

    // Unedited saves give the same bytes, also by way of the other byte order.
    const std::string copy = scratch.file("copy.dat");
    FUZZ_CHECK(file.save(copy, order).ok());
    FUZZ_CHECK_MSG(fuzz::readWholeFile(copy) == bytes, "an unedited save changed the file");
    {
        const std::string turned = scratch.file("turned.dat");
        Result<DataFile> other1 = DataFile::open(original, columns, recordLength, order);
        FUZZ_CHECK(other1 && other1.value().save(turned, other(order)).ok());
        Result<DataFile> other2 = DataFile::open(turned, columns, recordLength, other(order));
        FUZZ_CHECK(other2 && other2.value().save(turned, order).ok());
        FUZZ_CHECK_MSG(fuzz::readWholeFile(turned) == bytes, "saving in the other byte order and back changed the file");
    }
    checkGrid(file, model);

    // The command line's round trip, data then --write, gives the same bytes
    // or refuses (exit 1); it never writes other bytes.
    {
        const std::string copybookPath = scratch.file("copybook.cpy");
        const std::string csv = scratch.file("records.csv");
        const std::string written = scratch.file("written.dat");
        fuzz::writeWholeFile(copybookPath, copybook);
        const std::vector<std::string> options = order == ByteOrder::LittleEndian ? std::vector<std::string>{"--little-endian"}
                                                                                   : std::vector<std::string>{};
        std::vector<std::string> read = options;
        read.insert(read.end(), {copybookPath, original});
        FUZZ_CHECK(fuzz::runDataCommand(read, "/dev/null", csv) == 0);
        std::vector<std::string> write = options;
        write.insert(write.end(), {copybookPath, "--write", written});
        const int code = fuzz::runDataCommand(write, csv);
        FUZZ_CHECK_MSG(code == 0 || code == 1, "exit " + std::to_string(code));
        if (code == 0)
            FUZZ_CHECK_MSG(fuzz::readWholeFile(written) == bytes, "data then --write changed the bytes");
        std::filesystem::remove(copybookPath);
        std::filesystem::remove(csv);
        std::filesystem::remove(written);
    }

    // Edits, each checked against the model.
    for (int step = 0; step < 16 && input.remaining_bytes() > 0; ++step) {
        const int op = input.ConsumeIntegralInRange(0, 4);
        const std::size_t count = file.recordCount();
        const std::size_t record = count == 0 ? 0 : input.ConsumeIntegralInRange<std::size_t>(0, count - 1);
        if (op <= 1 && count > 0) {
            const std::size_t column = input.ConsumeIntegralInRange<std::size_t>(0, columns.size() - 1);
            std::string text = input.ConsumeRandomLengthString(24);
            const bool changed = file.setCell(record, column, text);
            FUZZ_CHECK(changed == (model[record].cells[column] != text));
            if (changed) {
                FUZZ_CHECK(file.isEdited(record, column) && file.modified());
                model[record].cells[column] = text;
                model[record].fileRecord.reset();
            }
        } else if (op == 2 && model.size() < maxRecords) {
            file.insertRecord(record);
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(std::min(record, model.size())),
                         ModelRecord{std::nullopt, std::vector<std::string>(columns.size())});
        } else if (op == 3 && count > 0 && model.size() < maxRecords) {
            file.copyRecord(record);
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(record) + 1, model[record]);
        } else if (op == 4 && count > 0) {
            file.deleteRecord(record);
            model.erase(model.begin() + static_cast<std::ptrdiff_t>(record));
        }
    }
    checkGrid(file, model);

    // The save writes what recordBytes gives, or nothing when a cell fails.
    const ByteOrder saveOrder = input.ConsumeBool() ? order : other(order);
    const std::optional<CellFailure> failure = file.validate();
    std::string expected;
    for (std::size_t r = 0; r < model.size() && !failure; ++r) {
        const Result<std::string> record = file.recordBytes(r, saveOrder);
        FUZZ_CHECK(record && record.value().size() == recordLength);
        if (model[r].fileRecord && saveOrder == order)
            FUZZ_CHECK(record.value() == std::string_view(bytes).substr(*model[r].fileRecord * recordLength, recordLength));
        expected += record.value();
    }
    const Result<void> saved = file.save(copy, saveOrder);
    FUZZ_CHECK(saved.ok() == !failure);
    FUZZ_CHECK(scratch.entries() == (std::vector<std::string>{"copy.dat", "records.dat", "turned.dat"}));
    if (!saved) {
        FUZZ_CHECK(saved.error() == failure->message && failure->record < model.size() && failure->column < columns.size());
        FUZZ_CHECK_MSG(fuzz::readWholeFile(copy) == bytes, "a refused save changed the file");
        return 0;
    }
    FUZZ_CHECK(fuzz::readWholeFile(copy) == expected);
    FUZZ_CHECK(!file.modified() && file.recordCount() == model.size() && file.byteOrder() == saveOrder);

    // Reopened, the file shows what the saved grid shows.
    Result<DataFile> reopened = DataFile::open(copy, columns, recordLength, saveOrder);
    FUZZ_CHECK(reopened && reopened.value().recordCount() == model.size());
    for (std::size_t r = 0; r < model.size(); ++r)
        for (std::size_t c = 0; c < columns.size(); ++c)
            FUZZ_CHECK_MSG(reopened.value().cell(r, c) == file.cell(r, c),
                           "record " + std::to_string(r + 1) + " " + columns[c].header + " (" + columns[c].picture +
                               ") reads " + fuzz::printable(reopened.value().cell(r, c)) + " after the save, " +
                               fuzz::printable(file.cell(r, c)) + " in the saved grid");
    return 0;
}
