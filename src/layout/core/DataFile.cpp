#include "layout/core/DataFile.h"

#include "common/core/FileIO.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <numeric>
#include <system_error>
#include <utility>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace norvane {

// The bytes of a data file, read only: mapped into memory on systems that map
// files, so that opening does not wait for the whole file; read whole elsewhere.
class FileBytes {
public:
    static Result<std::shared_ptr<const FileBytes>> open(const std::string &path);
    FileBytes(const FileBytes &) = delete;
    FileBytes &operator=(const FileBytes &) = delete;
    ~FileBytes();

    [[nodiscard]] std::string_view bytes() const { return m_view; }

private:
    FileBytes() = default;

    std::string_view m_view;
#ifdef _WIN32
    std::string m_bytes;
#else
    void *m_map = nullptr;
    std::size_t m_mapSize = 0;
#endif
};

#ifdef _WIN32
Result<std::shared_ptr<const FileBytes>> FileBytes::open(const std::string &path)
{
    Result<std::string> bytes = readFileBytes(path);
    if (!bytes)
        return Error{bytes.error()};
    std::shared_ptr<FileBytes> file(new FileBytes);
    file->m_bytes = std::move(bytes).value();
    file->m_view = file->m_bytes;
    return std::shared_ptr<const FileBytes>(std::move(file));
}

FileBytes::~FileBytes() = default;
#else
namespace {

Error cannotOpen(const std::string &path, int code)
{
    return Error{"Cannot open file " + path + ": " + std::generic_category().message(code)};
}

} // namespace

Result<std::shared_ptr<const FileBytes>> FileBytes::open(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return cannotOpen(path, errno);
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        const int code = errno;
        ::close(fd);
        return cannotOpen(path, code);
    }
    if (S_ISDIR(status.st_mode)) {
        ::close(fd);
        return cannotOpen(path, EISDIR);
    }
    std::shared_ptr<FileBytes> file(new FileBytes);
    const auto size = static_cast<std::size_t>(status.st_size);
    if (size > 0) {
        void *map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (map == MAP_FAILED) {
            const int code = errno;
            ::close(fd);
            return cannotOpen(path, code);
        }
        file->m_map = map;
        file->m_mapSize = size;
        file->m_view = std::string_view(static_cast<const char *>(map), size);
    }
    ::close(fd); // the mapping stays valid without the descriptor
    return std::shared_ptr<const FileBytes>(std::move(file));
}

FileBytes::~FileBytes()
{
    if (m_map != nullptr)
        ::munmap(m_map, m_mapSize);
}
#endif

namespace {

// Turns the bytes of every binary field of a record round.
void reverseBinaryFields(const std::vector<DataColumn> &columns, std::string &record)
{
    for (const DataColumn &column : columns) {
        if (column.usage == Usage::Binary && column.offset + column.size <= record.size())
            std::reverse(record.begin() + static_cast<std::ptrdiff_t>(column.offset),
                         record.begin() + static_cast<std::ptrdiff_t>(column.offset + column.size));
    }
}

bool hasBinaryField(const std::vector<DataColumn> &columns)
{
    return std::any_of(columns.begin(), columns.end(),
                       [](const DataColumn &column) { return column.usage == Usage::Binary; });
}

} // namespace

DataFile::DataFile(std::vector<DataColumn> columns, std::size_t recordLength, ByteOrder order)
    : m_columns(std::move(columns)), m_recordLength(recordLength), m_order(order), m_inFileOrder(false)
{
}

Result<DataFile> DataFile::open(const std::string &path, std::vector<DataColumn> columns, std::size_t recordLength,
                                ByteOrder order)
{
    Result<std::shared_ptr<const FileBytes>> file = FileBytes::open(path);
    if (!file)
        return Error{file.error()};
    Result<std::size_t> count = RecordCount(file.value()->bytes().size(), recordLength);
    if (!count)
        return Error{count.error()};
    DataFile data(std::move(columns), recordLength, order);
    data.m_path = path;
    data.m_file = std::move(file).value();
    data.m_fileRecords = count.value();
    data.m_inFileOrder = true;
    return data;
}

std::size_t DataFile::recordCount() const
{
    return m_inFileOrder ? m_fileRecords : m_records.size();
}

std::int64_t DataFile::refAt(std::size_t record) const
{
    return m_inFileOrder ? static_cast<std::int64_t>(record) : m_records[record];
}

std::string_view DataFile::fileRecord(std::int64_t index) const
{
    return m_file->bytes().substr(static_cast<std::size_t>(index) * m_recordLength, m_recordLength);
}

std::string_view DataFile::fieldBytes(std::size_t record, std::size_t column) const
{
    const std::int64_t ref = refAt(record);
    const std::string_view bytes = ref >= 0 ? fileRecord(ref) : std::string_view(m_edits[static_cast<std::size_t>(-1 - ref)].base);
    const DataColumn &c = m_columns[column];
    return bytes.substr(c.offset, c.size);
}

std::string DataFile::cell(std::size_t record, std::size_t column) const
{
    std::string text;
    appendCell(record, column, text);
    return text;
}

void DataFile::appendCell(std::size_t record, std::size_t column, std::string &out) const
{
    const std::int64_t ref = refAt(record);
    if (ref < 0) {
        const std::optional<std::string> &typed = m_edits[static_cast<std::size_t>(-1 - ref)].texts[column];
        if (typed) {
            out += *typed;
            return;
        }
    }
    AppendDecodedCell(m_columns[column], fieldBytes(record, column), m_order, out);
}

bool DataFile::isEdited(std::size_t record, std::size_t column) const
{
    const std::int64_t ref = refAt(record);
    return ref < 0 && m_edits[static_cast<std::size_t>(-1 - ref)].texts[column].has_value();
}

bool DataFile::isFlagged(std::size_t record, std::size_t column) const
{
    return !isEdited(record, column) && IsCellFlagged(m_columns[column], fieldBytes(record, column), m_order);
}

void DataFile::materializeOrder()
{
    if (!m_inFileOrder)
        return;
    m_records.resize(m_fileRecords);
    std::iota(m_records.begin(), m_records.end(), std::int64_t{0});
    m_inFileOrder = false;
}

DataFile::EditedRecord &DataFile::editable(std::size_t record)
{
    materializeOrder();
    std::int64_t &ref = m_records[record];
    if (ref < 0)
        return m_edits[static_cast<std::size_t>(-1 - ref)];
    m_edits.push_back({std::string(fileRecord(ref)), std::vector<std::optional<std::string>>(m_columns.size())});
    ref = -static_cast<std::int64_t>(m_edits.size());
    return m_edits.back();
}

bool DataFile::setCell(std::size_t record, std::size_t column, std::string text)
{
    if (cell(record, column) == text)
        return false;
    editable(record).texts[column] = std::move(text);
    m_modified = true;
    return true;
}

void DataFile::insertRecord(std::size_t at)
{
    materializeOrder();
    EditedRecord empty{std::string(m_recordLength, ' '),
                       std::vector<std::optional<std::string>>(m_columns.size(), std::string())};
    m_edits.push_back(std::move(empty));
    m_records.insert(m_records.begin() + static_cast<std::ptrdiff_t>(std::min(at, m_records.size())),
                     -static_cast<std::int64_t>(m_edits.size()));
    m_modified = true;
}

void DataFile::copyRecord(std::size_t record)
{
    materializeOrder();
    std::int64_t ref = m_records[record];
    if (ref < 0) {
        EditedRecord copy = m_edits[static_cast<std::size_t>(-1 - ref)];
        m_edits.push_back(std::move(copy));
        ref = -static_cast<std::int64_t>(m_edits.size());
    }
    // A copy of an untouched record is the same record of the file again.
    m_records.insert(m_records.begin() + static_cast<std::ptrdiff_t>(record) + 1, ref);
    m_modified = true;
}

void DataFile::deleteRecord(std::size_t record)
{
    materializeOrder();
    const std::int64_t ref = m_records[record];
    m_records.erase(m_records.begin() + static_cast<std::ptrdiff_t>(record));
    // Another record may share an edited record only by copy, which duplicates
    // it, so the edit can be let go.
    if (ref < 0)
        m_edits[static_cast<std::size_t>(-1 - ref)] = {};
    m_modified = true;
}

std::optional<CellFailure> DataFile::validate() const
{
    if (m_inFileOrder)
        return std::nullopt; // nothing typed
    for (std::size_t record = 0; record < m_records.size(); ++record) {
        const std::int64_t ref = m_records[record];
        if (ref >= 0)
            continue;
        if (std::optional<CellFailure> failure = firstFailingCell(m_edits[static_cast<std::size_t>(-1 - ref)], record))
            return failure;
    }
    return std::nullopt;
}

std::optional<CellFailure> DataFile::firstFailingCell(const EditedRecord &edit, std::size_t record) const
{
    for (std::size_t column = 0; column < m_columns.size(); ++column) {
        if (!edit.texts[column])
            continue;
        const std::string complaint = CheckCell(m_columns[column], *edit.texts[column], m_order);
        if (!complaint.empty())
            return CellFailure{record, column, CellMessage(record, m_columns[column].header, complaint)};
    }
    return std::nullopt;
}

void DataFile::writeRecordInto(std::int64_t ref, ByteOrder order, std::string &out) const
{
    const bool turnRound = order != m_order && hasBinaryField(m_columns);
    if (ref >= 0 && !turnRound) {
        out += fileRecord(ref);
        return;
    }
    std::string record(ref >= 0 ? fileRecord(ref) : std::string_view(m_edits[static_cast<std::size_t>(-1 - ref)].base));
    if (turnRound)
        reverseBinaryFields(m_columns, record);
    if (ref < 0) {
        const EditedRecord &edit = m_edits[static_cast<std::size_t>(-1 - ref)];
        for (std::size_t column = 0; column < m_columns.size(); ++column) {
            if (!edit.texts[column])
                continue;
            const DataColumn &c = m_columns[column];
            // validate() has passed: every typed text has its bytes.
            const Result<std::string> bytes = EncodeCell(c, *edit.texts[column], order);
            if (bytes)
                record.replace(c.offset, c.size, bytes.value());
        }
    }
    out += record;
}

Result<std::string> DataFile::recordBytes(std::size_t record, ByteOrder order) const
{
    const std::int64_t ref = refAt(record);
    if (ref < 0) {
        if (std::optional<CellFailure> failure = firstFailingCell(m_edits[static_cast<std::size_t>(-1 - ref)], record))
            return Error{failure->message};
    }
    std::string bytes;
    writeRecordInto(ref, order, bytes);
    return bytes;
}

Result<void> DataFile::save(const std::string &path, ByteOrder order)
{
    if (const std::optional<CellFailure> failure = validate())
        return Error{failure->message};

    Result<SafeFileWriter> writer = SafeFileWriter::begin(path);
    if (!writer)
        return Error{writer.error()};
    constexpr std::size_t kChunk = 1 << 20;
    std::string buffer;
    buffer.reserve(kChunk + m_recordLength);
    const std::size_t count = recordCount();
    for (std::size_t record = 0; record < count; ++record) {
        writeRecordInto(refAt(record), order, buffer);
        if (buffer.size() >= kChunk) {
            if (Result<void> written = writer.value().write(buffer); !written)
                return written;
            buffer.clear();
        }
    }
    if (Result<void> written = writer.value().write(buffer); !written)
        return written;
    if (Result<void> committed = writer.value().commit(); !committed)
        return committed;

    // From now on the records are the saved file's own.
    Result<std::shared_ptr<const FileBytes>> saved = FileBytes::open(path);
    if (!saved)
        return Error{"Saved " + path + ", but cannot read it back: " + saved.error()};
    m_file = std::move(saved).value();
    m_fileRecords = count;
    m_records.clear();
    m_records.shrink_to_fit();
    m_inFileOrder = true;
    m_edits.clear();
    m_order = order;
    m_path = path;
    m_modified = false;
    return {};
}

} // namespace norvane
