#pragma once

#include "common/core/Result.h"
#include "layout/core/CellCheck.h"
#include "layout/core/CompField.h"
#include "layout/core/DataColumns.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

class FileBytes;

// A file of fixed-length records as the data grid edits it. The file's bytes
// are held as they are (mapped where the system allows) and a record's cells
// are decoded only when asked for, so a file of millions of records opens at
// once and costs little more memory than its size. Edits are kept beside the
// file's bytes: a changed cell keeps its typed text until the save, inserted
// and copied records are kept as their own, and every record the user has not
// touched is written back with exactly the bytes it was read with.
class DataFile {
public:
    // A grid with no records yet, before any file is opened.
    DataFile(std::vector<DataColumn> columns, std::size_t recordLength, ByteOrder order);

    // Opens the file for reading only (a read-only file can be viewed). Fails
    // with "Cannot open file <path>: <reason>", or kLengthNotMultiple when the
    // file's size is not a whole number of records.
    [[nodiscard]] static Result<DataFile> open(const std::string &path, std::vector<DataColumn> columns,
                                               std::size_t recordLength, ByteOrder order);

    // The file last opened or saved; empty before either.
    [[nodiscard]] const std::string &path() const { return m_path; }
    [[nodiscard]] const std::vector<DataColumn> &columns() const { return m_columns; }
    [[nodiscard]] std::size_t recordLength() const { return m_recordLength; }
    [[nodiscard]] ByteOrder byteOrder() const { return m_order; }
    [[nodiscard]] std::size_t recordCount() const;
    // Set by any change of a cell or of the records; cleared by a save.
    [[nodiscard]] bool modified() const { return m_modified; }

    // The grid's text of a cell (record and column 0-based): the typed text of
    // an edited cell, else the field's bytes decoded.
    [[nodiscard]] std::string cell(std::size_t record, std::size_t column) const;
    void appendCell(std::size_t record, std::size_t column, std::string &out) const;
    // Whether the cell holds typed text not yet saved.
    [[nodiscard]] bool isEdited(std::size_t record, std::size_t column) const;
    // Whether the cell shows bytes that are no value of its picture (see
    // IsCellFlagged); they are written back as they are unless edited.
    [[nodiscard]] bool isFlagged(std::size_t record, std::size_t column) const;

    // Puts text into a cell; the text is checked at the save. Returns false,
    // changing nothing, when the cell already shows that text.
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

    // The bytes of one record as the save writes them, binary fields in the
    // given order; fails as validate() does.
    [[nodiscard]] Result<std::string> recordBytes(std::size_t record, ByteOrder order) const;

    // Writes every record to path, binary fields in the given order (a record
    // read in the other order has its binary fields turned round). Checks the
    // edited cells first: when one fails, nothing is written and the message is
    // validate()'s. The file changes only once the new contents are complete,
    // and stays the same file (SafeFileWriter). Afterwards the records are the
    // saved file's and nothing is modified.
    [[nodiscard]] Result<void> save(const std::string &path, ByteOrder order);

private:
    struct EditedRecord {
        std::string base; // the bytes the record started from
        std::vector<std::optional<std::string>> texts;
    };

    // A record is a record of the file (>= 0) or an edited one (-1 - index).
    [[nodiscard]] std::int64_t refAt(std::size_t record) const;
    [[nodiscard]] std::string_view fileRecord(std::int64_t index) const;
    [[nodiscard]] std::string_view fieldBytes(std::size_t record, std::size_t column) const;
    EditedRecord &editable(std::size_t record);
    void materializeOrder();
    // The first typed text of the record that its field refuses.
    [[nodiscard]] std::optional<CellFailure> firstFailingCell(const EditedRecord &edit, std::size_t record) const;
    void writeRecordInto(std::int64_t ref, ByteOrder order, std::string &out) const;

    std::vector<DataColumn> m_columns;
    std::size_t m_recordLength = 0;
    ByteOrder m_order = ByteOrder::BigEndian;
    std::string m_path;
    std::shared_ptr<const FileBytes> m_file;
    std::size_t m_fileRecords = 0;
    // The records in grid order; empty while they are the file's records in
    // their own order, so opening costs nothing per record.
    std::vector<std::int64_t> m_records;
    bool m_inFileOrder = true;
    std::vector<EditedRecord> m_edits;
    bool m_modified = false;
};

} // namespace norvane
