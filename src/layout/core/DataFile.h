#pragma once

#include "common/core/Result.h"
#include "layout/core/CellCheck.h"
#include "layout/core/CompField.h"
#include "layout/core/DataColumns.h"
#include "layout/core/RecordIndex.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace norvane {

class FileBytes;

// A file of records as the data grid edits it: fixed-length records,
// line-sequential records or records with descriptor words, in the encoding,
// sign convention and byte orders of its format. The file's bytes are held as
// they are (mapped where the system allows) and a record's cells are decoded
// only when asked for, so a file of millions of records opens at once and
// costs little more memory than its size. Edits are kept beside the file's
// bytes: a changed cell keeps its typed text until the save, inserted and
// copied records are kept as their own, and every record the user has not
// touched is written back with exactly the bytes it was read with.
class DataFile {
public:
    // A grid with no records yet, before any file is opened.
    DataFile(std::vector<DataColumn> columns, std::size_t recordLength, CellFormat format);

    // Opens the file for reading only (a read-only file can be viewed). Fails
    // with "Cannot open file <path>: <reason>", or when the file's bytes are
    // not records of the format (see RecordIndex::scan: for fixed records the
    // message starts with kLengthNotMultiple and says why).
    [[nodiscard]] static Result<DataFile> open(const std::string &path, std::vector<DataColumn> columns,
                                               std::size_t recordLength, const CellFormat &format);

    // The file last opened or saved; empty before either.
    [[nodiscard]] const std::string &path() const { return m_path; }
    [[nodiscard]] const std::vector<DataColumn> &columns() const { return m_columns; }
    [[nodiscard]] std::size_t recordLength() const { return m_recordLength; }
    [[nodiscard]] const CellFormat &cellFormat() const { return m_format; }
    [[nodiscard]] const DataFormat &format() const { return m_format.format(); }
    [[nodiscard]] ByteOrder byteOrder() const { return m_format.format().order; }
    [[nodiscard]] std::size_t recordCount() const;
    // Set by any change of a cell or of the records; cleared by a save.
    [[nodiscard]] bool modified() const { return m_modified; }

    // The grid's text of a cell (record and column 0-based): the typed text of
    // an edited cell, else the field's bytes decoded; empty for a cell that
    // is not there.
    [[nodiscard]] std::string cell(std::size_t record, std::size_t column) const;
    void appendCell(std::size_t record, std::size_t column, std::string &out) const;
    // Whether the record has the cell: an occurrence beyond what its table's
    // counter says, or a field past the end of a short variable record, is
    // not there (shown empty, not editable).
    [[nodiscard]] bool isPresent(std::size_t record, std::size_t column) const;
    // Whether the cell holds typed text not yet saved.
    [[nodiscard]] bool isEdited(std::size_t record, std::size_t column) const;
    // Whether the cell shows bytes that are no value of its picture (see
    // IsCellFlagged); they are written back as they are unless edited.
    [[nodiscard]] bool isFlagged(std::size_t record, std::size_t column) const;
    // The first flagged cell after the given one, in record and column order,
    // going round to the start; nothing when no cell is flagged.
    [[nodiscard]] std::optional<std::pair<std::size_t, std::size_t>> nextFlagged(std::size_t record,
                                                                                std::size_t column) const;
    // The bytes of the record as the grid reads them (a short line padded
    // with spaces), without any edits: for the hexadecimal view.
    [[nodiscard]] std::string recordView(std::size_t record) const;
    // The bytes the record holds in the file (fewer than the record length
    // for a short variable record).
    [[nodiscard]] std::size_t storedLength(std::size_t record) const;

    // Puts text into a cell; the text is checked at the save. Returns false,
    // changing nothing, when the cell already shows that text or is not there.
    bool setCell(std::size_t record, std::size_t column, std::string text);
    // An empty record at index at (0 to recordCount()); its cells are empty
    // and are saved as zeros or spaces.
    void insertRecord(std::size_t at);
    // A copy of the record, placed right after it.
    void copyRecord(std::size_t record);
    void deleteRecord(std::size_t record);

    // The first edited cell, in record and column order, whose text fails its
    // picture's check or cannot be stored in its field; nothing when all pass.
    [[nodiscard]] std::optional<CellFailure> validate() const;

    // The bytes of one record as the save writes them (its descriptor word or
    // line end aside), COMP fields in the given order as save() has them;
    // fails as validate() does.
    [[nodiscard]] Result<std::string> recordBytes(std::size_t record, ByteOrder order) const;

    // The record a row of cells stands for, framed for the file (descriptor
    // word, line end): over the record at index original, a cell equal to
    // what that record shows keeps its bytes and any other is a typed value,
    // checked; without an original every cell is typed. last says whether the
    // record ends the file (a last line keeps a missing line end). Fails with
    // the first failing cell's message.
    [[nodiscard]] Result<std::string> composeRecord(std::optional<std::size_t> original,
                                                    const std::vector<std::string> &cells, std::size_t rowNumber,
                                                    bool last) const;

    // Writes every record to path in the file's format, COMP fields in the
    // given order; native and floating-point fields follow that order where
    // the file's format had one order for all (see
    // DataFormat::withBinaryOrder). Each field whose order changes is turned
    // round, so that every value reads the same from the saved file. Checks
    // the edited cells first: when one fails, nothing is written and the
    // message is validate()'s. The file changes only once the new contents are
    // complete, and stays the same file (SafeFileWriter).
    // Afterwards the records are the saved file's and nothing is modified.
    [[nodiscard]] Result<void> save(const std::string &path, ByteOrder order);
    [[nodiscard]] Result<void> save(const std::string &path) { return save(path, byteOrder()); }

private:
    struct EditedRecord {
        std::string base; // the bytes the record started from, padded to the record length
        std::vector<std::optional<std::string>> texts;
        std::size_t length = 0; // the bytes the record held, for variable formats
        LineEnd lineEnd = LineEnd::None;
    };

    // A record is a record of the file (>= 0) or an edited one (-1 - index).
    [[nodiscard]] std::int64_t refAt(std::size_t record) const;
    [[nodiscard]] std::string_view fileRecord(std::int64_t index) const;
    [[nodiscard]] std::string_view recordBytesOf(std::int64_t ref) const;
    [[nodiscard]] const EditedRecord &edited(std::int64_t ref) const
    {
        return m_edits[static_cast<std::size_t>(-1 - ref)];
    }
    // The field's bytes in the record: a view into the file or an edit, or,
    // for a short line, the bytes padded with spaces in scratch.
    [[nodiscard]] std::string_view fieldBytes(std::int64_t ref, std::size_t column, std::string &scratch) const;
    [[nodiscard]] bool presentIn(std::int64_t ref, std::size_t column) const;
    [[nodiscard]] EditedRecord editedCopy(std::int64_t ref) const;
    [[nodiscard]] EditedRecord emptyRecord() const;
    EditedRecord &editable(std::size_t record);
    void materializeOrder();
    // The first typed text of the record that its field refuses.
    [[nodiscard]] std::optional<CellFailure> firstFailingCell(const EditedRecord &edit, std::size_t record) const;
    // The record's own bytes as they are written, edits applied.
    void writeRecordInto(std::int64_t ref, ByteOrder order, std::string &out) const;
    void writeEditedInto(const EditedRecord &edit, ByteOrder order, std::string &out) const;
    void writeFramed(std::int64_t ref, ByteOrder order, bool last, std::string &out) const;
    [[nodiscard]] LineEnd defaultLineEnd() const;

    std::vector<DataColumn> m_columns;
    std::size_t m_recordLength = 0;
    CellFormat m_format;
    std::string m_path;
    std::shared_ptr<const FileBytes> m_file;
    RecordIndex m_index;
    // The records in grid order; empty while they are the file's records in
    // their own order, so opening costs nothing per record.
    std::vector<std::int64_t> m_records;
    bool m_inFileOrder = true;
    std::vector<EditedRecord> m_edits;
    bool m_modified = false;
};

// What a file's bytes suggest for its format (see DetectFormat), starting from
// the given one; that one when the file cannot be read.
[[nodiscard]] DataFormat DetectFileFormat(const std::string &path, std::size_t recordLength, const DataFormat &start);

// Another format for a file that is not records of the one tried, when its
// bytes suggest one: the record format they show, EBCDIC for bytes that look
// like it. Nothing when they suggest nothing new.
[[nodiscard]] std::optional<DataFormat> SuggestFileFormat(const std::string &path, std::size_t recordLength,
                                                          const DataFormat &tried);

} // namespace norvane
