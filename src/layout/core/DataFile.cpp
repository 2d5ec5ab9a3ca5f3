#include "layout/core/DataFile.h"

#include "common/core/FileIO.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
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

// Whether the column's bytes turn round when the file goes from one format's
// byte orders to the other's: binary and floating-point fields whose order
// changes. Fields shown as hexadecimal keep their bytes, which is what they
// show.
bool turnsRound(const DataColumn &column, const DataFormat &from, const DataFormat &to)
{
    const bool binary = column.usage == Usage::Binary || column.usage == Usage::Float4 || column.usage == Usage::Float8;
    return binary && !column.hex && ColumnOrder(column, from) != ColumnOrder(column, to);
}

// Turns round the bytes of every field of a record whose order changes.
void reverseBinaryFields(const std::vector<DataColumn> &columns, const DataFormat &from, const DataFormat &to,
                         std::string &record)
{
    for (const DataColumn &column : columns) {
        if (turnsRound(column, from, to) && column.offset + column.size <= record.size())
            std::reverse(record.begin() + static_cast<std::ptrdiff_t>(column.offset),
                         record.begin() + static_cast<std::ptrdiff_t>(column.offset + column.size));
    }
}

bool hasTurningField(const std::vector<DataColumn> &columns, const DataFormat &from, const DataFormat &to)
{
    return std::any_of(columns.begin(), columns.end(),
                       [&](const DataColumn &column) { return turnsRound(column, from, to); });
}

// The number a counter's text stands for, when it is a whole number.
std::optional<std::int64_t> counterValue(std::string_view text)
{
    const DecimalNumber n = ParseLooseNumber(text).normalized();
    if (!n.decimals.empty() || n.integer.size() > 15)
        return std::nullopt;
    if (text.find_first_of("0123456789") == std::string_view::npos)
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : n.integer)
        value = value * 10 + (c - '0');
    return n.negative ? -value : value;
}

} // namespace

DataFile::DataFile(std::vector<DataColumn> columns, std::size_t recordLength, CellFormat format)
    : m_columns(std::move(columns)), m_recordLength(recordLength), m_format(std::move(format)), m_inFileOrder(false)
{
}

Result<DataFile> DataFile::open(const std::string &path, std::vector<DataColumn> columns, std::size_t recordLength,
                                const CellFormat &format)
{
    Result<std::shared_ptr<const FileBytes>> file = FileBytes::open(path);
    if (!file)
        return Error{file.error()};
    Result<RecordIndex> index = RecordIndex::scan(file.value()->bytes(), format.format().records, recordLength);
    if (!index)
        return Error{index.error()};
    DataFile data(std::move(columns), recordLength, format);
    data.m_path = path;
    data.m_file = std::move(file).value();
    data.m_index = std::move(index).value();
    data.m_inFileOrder = true;
    return data;
}

std::size_t DataFile::recordCount() const
{
    return m_inFileOrder ? m_index.count() : m_records.size();
}

std::int64_t DataFile::refAt(std::size_t record) const
{
    return m_inFileOrder ? static_cast<std::int64_t>(record) : m_records[record];
}

std::string_view DataFile::fileRecord(std::int64_t index) const
{
    return m_index.record(m_file->bytes(), static_cast<std::size_t>(index));
}

std::string_view DataFile::recordBytesOf(std::int64_t ref) const
{
    return ref >= 0 ? fileRecord(ref) : std::string_view(edited(ref).base);
}

std::string_view DataFile::fieldBytes(std::int64_t ref, std::size_t column, std::string &scratch) const
{
    const std::string_view bytes = recordBytesOf(ref);
    const DataColumn &c = m_columns[column];
    if (c.offset + c.size <= bytes.size())
        return bytes.substr(c.offset, c.size);
    const std::string_view there = c.offset < bytes.size() ? bytes.substr(c.offset) : std::string_view();
    if (format().records != RecordFormat::LineSequential)
        return there;
    // A short line is read as if padded with spaces.
    scratch.assign(there);
    scratch += m_format.encodeText(std::string(c.size - there.size(), ' '));
    return scratch;
}

bool DataFile::presentIn(std::int64_t ref, std::size_t column) const
{
    const DataColumn &c = m_columns[column];
    const bool typed = ref < 0 && edited(ref).texts[column].has_value();
    if (c.depending) {
        std::string counter;
        const bool counterTyped = ref < 0 && edited(ref).texts[c.depending->counter].has_value();
        if (counterTyped) {
            counter = *edited(ref).texts[c.depending->counter];
        } else {
            std::string scratch;
            const DataColumn &counterColumn = m_columns[c.depending->counter];
            const std::string_view bytes = fieldBytes(ref, c.depending->counter, scratch);
            if (bytes.size() == counterColumn.size && !IsCellFlagged(counterColumn, bytes, m_format))
                AppendDecodedCell(counterColumn, bytes, m_format, counter);
        }
        const std::optional<std::int64_t> count = counterValue(counter);
        if (count && c.depending->occurrence > *count)
            return false;
        // A counter typed anew decides alone: the record grows to hold what it counts.
        if (count && counterTyped)
            return true;
    }
    if (format().records == RecordFormat::Rdw && !typed) {
        const std::size_t length = ref >= 0 ? fileRecord(ref).size() : edited(ref).length;
        if (c.offset >= length)
            return false;
    }
    return true;
}

bool DataFile::isPresent(std::size_t record, std::size_t column) const
{
    return presentIn(refAt(record), column);
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
        const std::optional<std::string> &typed = edited(ref).texts[column];
        if (typed) {
            out += *typed;
            return;
        }
    }
    if (!presentIn(ref, column))
        return;
    std::string scratch;
    const std::string_view bytes = fieldBytes(ref, column, scratch);
    const DataColumn &c = m_columns[column];
    if (bytes.size() < c.size) {
        // The part of a field a short record holds: its characters, or its
        // bytes in hexadecimal for a field that is not text.
        if (c.usage == Usage::Display && !c.hex)
            m_format.decodeText(bytes, out);
        else
            out += HexText(bytes);
        return;
    }
    AppendDecodedCell(c, bytes, m_format, out);
}

bool DataFile::isEdited(std::size_t record, std::size_t column) const
{
    const std::int64_t ref = refAt(record);
    return ref < 0 && edited(ref).texts[column].has_value();
}

bool DataFile::isFlagged(std::size_t record, std::size_t column) const
{
    const std::int64_t ref = refAt(record);
    if ((ref < 0 && edited(ref).texts[column]) || !presentIn(ref, column))
        return false;
    std::string scratch;
    const std::string_view bytes = fieldBytes(ref, column, scratch);
    const DataColumn &c = m_columns[column];
    if (bytes.size() < c.size)
        return !(c.usage == Usage::Display && c.display.alphanumeric) || c.hex;
    return IsCellFlagged(c, bytes, m_format);
}

std::optional<std::pair<std::size_t, std::size_t>> DataFile::nextFlagged(std::size_t record, std::size_t column) const
{
    const std::size_t records = recordCount();
    const std::size_t columns = m_columns.size();
    if (records == 0 || columns == 0)
        return std::nullopt;
    // Columns that can never be flagged are passed over at once.
    std::vector<std::size_t> candidates;
    for (std::size_t c = 0; c < columns; ++c) {
        const DataColumn &d = m_columns[c];
        const bool text = d.hex || (d.usage == Usage::Display && d.display.alphanumeric);
        if (!text || format().records == RecordFormat::Rdw)
            candidates.push_back(c);
    }
    if (candidates.empty())
        return std::nullopt;
    record = std::min(record, records - 1);
    for (std::size_t step = 0; step <= records; ++step) {
        const std::size_t r = (record + step) % records;
        for (const std::size_t c : candidates) {
            if (step == 0 && c <= column)
                continue;
            if (step == records && c > column)
                break;
            if (isFlagged(r, c))
                return std::make_pair(r, c);
        }
    }
    return std::nullopt;
}

std::string DataFile::recordView(std::size_t record) const
{
    const std::int64_t ref = refAt(record);
    std::string bytes(recordBytesOf(ref));
    if (ref >= 0 && format().records == RecordFormat::LineSequential && bytes.size() < m_recordLength)
        bytes += m_format.encodeText(std::string(m_recordLength - bytes.size(), ' '));
    return bytes;
}

std::size_t DataFile::storedLength(std::size_t record) const
{
    const std::int64_t ref = refAt(record);
    return ref >= 0 ? fileRecord(ref).size() : edited(ref).length;
}

void DataFile::materializeOrder()
{
    if (!m_inFileOrder)
        return;
    m_records.resize(m_index.count());
    std::iota(m_records.begin(), m_records.end(), std::int64_t{0});
    m_inFileOrder = false;
}

DataFile::EditedRecord DataFile::editedCopy(std::int64_t ref) const
{
    if (ref < 0)
        return edited(ref);
    const std::string_view bytes = fileRecord(ref);
    EditedRecord edit;
    edit.base.assign(bytes);
    if (edit.base.size() < m_recordLength)
        edit.base += m_format.encodeText(std::string(m_recordLength - edit.base.size(), ' '));
    edit.texts.resize(m_columns.size());
    edit.length = bytes.size();
    edit.lineEnd = m_index.lineEnd(static_cast<std::size_t>(ref));
    return edit;
}

DataFile::EditedRecord DataFile::emptyRecord() const
{
    EditedRecord empty;
    empty.base = m_format.encodeText(std::string(m_recordLength, ' '));
    empty.texts.assign(m_columns.size(), std::string());
    // A new line keeps no trailing spaces, as COBOL writes lines; other
    // records are whole.
    empty.length = format().records == RecordFormat::LineSequential ? 0 : m_recordLength;
    empty.lineEnd = defaultLineEnd();
    return empty;
}

LineEnd DataFile::defaultLineEnd() const
{
    if (format().records != RecordFormat::LineSequential)
        return LineEnd::None;
    for (std::size_t i = 0; i < std::min<std::size_t>(m_index.count(), 2); ++i) {
        if (m_index.lineEnd(i) != LineEnd::None)
            return m_index.lineEnd(i);
    }
    return LineEnd::Lf;
}

DataFile::EditedRecord &DataFile::editable(std::size_t record)
{
    materializeOrder();
    std::int64_t &ref = m_records[record];
    if (ref < 0)
        return m_edits[static_cast<std::size_t>(-1 - ref)];
    m_edits.push_back(editedCopy(ref));
    ref = -static_cast<std::int64_t>(m_edits.size());
    return m_edits.back();
}

bool DataFile::setCell(std::size_t record, std::size_t column, std::string text)
{
    if (!isPresent(record, column) || cell(record, column) == text)
        return false;
    editable(record).texts[column] = std::move(text);
    m_modified = true;
    return true;
}

void DataFile::insertRecord(std::size_t at)
{
    materializeOrder();
    m_edits.push_back(emptyRecord());
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
        if (std::optional<CellFailure> failure = firstFailingCell(edited(ref), record))
            return failure;
    }
    return std::nullopt;
}

std::optional<CellFailure> DataFile::firstFailingCell(const EditedRecord &edit, std::size_t record) const
{
    for (std::size_t column = 0; column < m_columns.size(); ++column) {
        if (!edit.texts[column])
            continue;
        const std::string complaint = CheckCell(m_columns[column], *edit.texts[column], m_format);
        if (!complaint.empty())
            return CellFailure{record, column, CellMessage(record, m_columns[column].header, complaint)};
    }
    return std::nullopt;
}

void DataFile::writeEditedInto(const EditedRecord &edit, ByteOrder order, std::string &out) const
{
    const DataFormat target = format().withBinaryOrder(order);
    const bool turnRound = hasTurningField(m_columns, format(), target);
    std::string record = edit.base;
    if (turnRound)
        reverseBinaryFields(m_columns, format(), target, record);
    CellFormat format = m_format;
    if (turnRound)
        format = CellFormat::make(target).value();
    std::size_t length = std::min(edit.length, m_recordLength);
    bool counterTyped = false;
    for (std::size_t column = 0; column < m_columns.size(); ++column) {
        if (!edit.texts[column])
            continue;
        const DataColumn &c = m_columns[column];
        // validate() has passed: every typed text has its bytes.
        const Result<std::string> bytes = EncodeCell(c, *edit.texts[column], format);
        if (bytes)
            record.replace(c.offset, c.size, bytes.value());
        length = std::max(length, c.offset + c.size);
        counterTyped = counterTyped || std::any_of(m_columns.begin(), m_columns.end(), [&](const DataColumn &d) {
                           return d.depending && d.depending->counter == column;
                       });
    }
    switch (format.format().records) {
    case RecordFormat::Fixed:
        out += record;
        return;
    case RecordFormat::Rdw:
    case RecordFormat::LineSequential:
        break;
    }
    if (counterTyped) {
        // A variable record as long as its counters say: the items outside
        // the tables, and the occurrences the counters count.
        const auto counterOf = [&](std::size_t counter) {
            std::string text;
            if (edit.texts[counter]) {
                text = *edit.texts[counter];
            } else {
                AppendDecodedCell(m_columns[counter], std::string_view(edit.base).substr(m_columns[counter].offset, m_columns[counter].size),
                                  m_format, text);
            }
            return counterValue(text);
        };
        std::size_t end = 0;
        for (const DataColumn &c : m_columns) {
            if (c.depending) {
                const std::optional<std::int64_t> count = counterOf(c.depending->counter);
                if (count && c.depending->occurrence > *count)
                    continue;
            }
            end = std::max(end, c.offset + c.size);
        }
        length = end;
    }
    length = std::min(length, m_recordLength);
    if (format.format().records == RecordFormat::LineSequential) {
        // Lines keep no trailing spaces beyond what they held.
        const char space = m_format.encodeText(" ")[0];
        while (length > edit.length && record[length - 1] == space)
            --length;
    }
    out.append(record, 0, length);
}

void DataFile::writeRecordInto(std::int64_t ref, ByteOrder order, std::string &out) const
{
    if (ref < 0) {
        writeEditedInto(edited(ref), order, out);
        return;
    }
    const DataFormat target = format().withBinaryOrder(order);
    if (!hasTurningField(m_columns, format(), target)) {
        out += fileRecord(ref);
        return;
    }
    std::string record(fileRecord(ref));
    reverseBinaryFields(m_columns, format(), target, record);
    out += record;
}

void DataFile::writeFramed(std::int64_t ref, ByteOrder order, bool last, std::string &out) const
{
    LineEnd lineEnd = ref >= 0 ? m_index.lineEnd(static_cast<std::size_t>(ref)) : edited(ref).lineEnd;
    if (lineEnd == LineEnd::None && !last && format().records == RecordFormat::LineSequential)
        lineEnd = defaultLineEnd(); // a record now followed by another needs its line end
    if (format().records == RecordFormat::Fixed) {
        writeRecordInto(ref, order, out);
        return;
    }
    std::string record;
    writeRecordInto(ref, order, record);
    AppendFramedRecord(out, record, format().records, lineEnd);
}

Result<std::string> DataFile::recordBytes(std::size_t record, ByteOrder order) const
{
    const std::int64_t ref = refAt(record);
    if (ref < 0) {
        if (std::optional<CellFailure> failure = firstFailingCell(edited(ref), record))
            return Error{failure->message};
    }
    std::string bytes;
    writeRecordInto(ref, order, bytes);
    return bytes;
}

Result<std::string> DataFile::composeRecord(std::optional<std::size_t> original, const std::vector<std::string> &cells,
                                            std::size_t rowNumber, bool last) const
{
    const std::int64_t originalRef =
        original && *original < recordCount() ? refAt(*original) : std::numeric_limits<std::int64_t>::min();
    const bool hasOriginal = originalRef != std::numeric_limits<std::int64_t>::min();
    EditedRecord edit = hasOriginal ? editedCopy(originalRef) : emptyRecord();
    bool changed = !hasOriginal;
    for (std::size_t column = 0; column < m_columns.size() && column < cells.size(); ++column) {
        if (hasOriginal) {
            // Shown as the record shows it: its bytes stay.
            if (cells[column] == cell(*original, column))
                continue;
            changed = true;
        }
        edit.texts[column] = cells[column];
    }
    if (hasOriginal && !changed) {
        std::string out;
        writeFramed(originalRef, byteOrder(), last, out);
        return out;
    }
    if (std::optional<CellFailure> failure = firstFailingCell(edit, rowNumber))
        return Error{failure->message};
    std::string record;
    writeEditedInto(edit, byteOrder(), record);
    LineEnd lineEnd = edit.lineEnd;
    if (lineEnd == LineEnd::None && !last)
        lineEnd = defaultLineEnd();
    std::string out;
    AppendFramedRecord(out, record, format().records, lineEnd);
    return out;
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
    buffer.reserve(kChunk + m_recordLength + 4);
    const std::size_t count = recordCount();
    for (std::size_t record = 0; record < count; ++record) {
        writeFramed(refAt(record), order, record + 1 == count, buffer);
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
    const DataFormat savedFormat = format().withBinaryOrder(order);
    Result<CellFormat> cells = CellFormat::make(savedFormat);
    Result<std::shared_ptr<const FileBytes>> saved = FileBytes::open(path);
    if (!saved || !cells)
        return Error{"Saved " + path + ", but cannot read it back: " + (saved ? cells.error() : saved.error())};
    // The old bytes are let go before the new ones are read, so that the two
    // are never held at once.
    m_file = std::move(saved).value();
    Result<RecordIndex> index = RecordIndex::scan(m_file->bytes(), savedFormat.records, m_recordLength);
    m_records.clear();
    m_edits.clear();
    m_inFileOrder = true;
    m_path = path;
    if (!index) {
        m_index = RecordIndex();
        return Error{"Saved " + path + ", but cannot read it back: " + index.error()};
    }
    m_index = std::move(index).value();
    m_format = std::move(cells).value();
    m_records.clear();
    m_records.shrink_to_fit();
    m_inFileOrder = true;
    m_edits.clear();
    m_path = path;
    m_modified = false;
    return {};
}

DataFormat DetectFileFormat(const std::string &path, std::size_t recordLength, const DataFormat &start)
{
    const Result<std::shared_ptr<const FileBytes>> file = FileBytes::open(path);
    if (!file)
        return start;
    return DetectFormat(file.value()->bytes(), recordLength, start);
}

std::optional<DataFormat> SuggestFileFormat(const std::string &path, std::size_t recordLength, const DataFormat &tried)
{
    const Result<std::shared_ptr<const FileBytes>> file = FileBytes::open(path);
    if (!file)
        return std::nullopt;
    const std::string_view bytes = file.value()->bytes();
    const FileGuess guess = GuessFile(bytes, recordLength);
    DataFormat suggested = tried;
    if (const std::optional<RecordFormat> records = SuggestedRecordFormat(guess); records && *records != tried.records)
        suggested.records = *records;
    else if (recordLength != 0 && bytes.size() % recordLength == 0)
        suggested.records = RecordFormat::Fixed;
    if (guess.ebcdic && !tried.ebcdic()) {
        suggested.encoding = "IBM037";
        suggested.sign = SignConvention::Ebcdic;
    }
    if (suggested == tried || !RecordIndex::scan(bytes, suggested.records, recordLength))
        return std::nullopt;
    return suggested;
}

} // namespace norvane
