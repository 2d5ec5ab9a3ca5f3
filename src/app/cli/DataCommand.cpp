// norvane-cli data [OPTIONS] COPYBOOK DATAFILE: the data grid of a data file as
// CSV; with --write DATAFILE the reverse, from CSV on stdin, checked cell by
// cell as the grid's Save checks it. The options name the file's format:
// encoding, sign convention, record format and byte orders.

#include "app/cli/CliCommands.h"
#include "common/core/FileIO.h"
#include "document/core/SourceText.h"
#include "layout/core/DataColumns.h"
#include "layout/core/DataCsv.h"
#include "layout/core/DataFile.h"
#include "layout/core/LayoutTable.h"

#include <cstdio>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace norvane::cli {

namespace {

constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kUnreadable = 2;

constexpr const char *kUsage =
    "usage: norvane-cli data [OPTIONS] COPYBOOK DATAFILE\n"
    "       norvane-cli data [OPTIONS] COPYBOOK --write DATAFILE < CSV\n"
    "options: --little-endian, --encoding ASCII|IBM037|IBM273|...|IBM1149, --sign mf|overpunch|ebcdic,\n"
    "         --records fixed|lines|rdw, --native-order big|little, --floats ieee|ibm\n";

struct Layout {
    std::vector<DataColumn> columns;
    std::size_t recordLength = 0;
};

// The grid's columns for the copybook, or the exit code after the message.
int loadLayout(const std::string &copybook, Layout &layout)
{
    const Result<std::string> source = readFileBytes(copybook);
    if (!source) {
        std::fprintf(stderr, "%s\n", source.error().c_str());
        return kUnreadable;
    }
    const Result<LayoutTable> table = CalcRecordLayout(splitSourceLines(source.value()), LayoutMode::Data);
    if (!table) {
        std::fprintf(stderr, "%s\n", table.error().c_str());
        return kRefused;
    }
    if (!table.value().message.empty())
        std::fprintf(stderr, "%s\n", table.value().message.c_str());
    Result<std::vector<DataColumn>> columns = BuildDataHeaders(table.value());
    if (!columns) {
        std::fprintf(stderr, "%s\n", columns.error().c_str());
        return kRefused;
    }
    layout.columns = std::move(columns).value();
    layout.recordLength = static_cast<std::size_t>(table.value().RecData.RecordLength);
    return kDone;
}

// Whether an open failed on the file's contents (they are not records of
// the format), rather than on reading it.
bool misfit(const std::string &message)
{
    return !message.starts_with("Cannot open file ");
}

int writeCsv(const Layout &layout, const std::string &path, const CellFormat &format)
{
    Result<DataFile> data = DataFile::open(path, layout.columns, layout.recordLength, format);
    if (!data) {
        std::fprintf(stderr, "%s\n", data.error().c_str());
        return misfit(data.error()) ? kRefused : kUnreadable;
    }
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY); // the rows end in CR LF already
#endif
    const DataFile &file = data.value();
    std::string out = DataCsvHeading(layout.columns);
    std::string text;
    const std::size_t columnCount = layout.columns.size();
    for (std::size_t record = 0; record < file.recordCount(); ++record) {
        AppendCsvCell(out, std::to_string(record + 1), false);
        for (std::size_t column = 0; column < columnCount; ++column) {
            text.clear();
            file.appendCell(record, column, text);
            AppendCsvCell(out, text, column + 1 == columnCount);
        }
        if (out.size() >= (1u << 20)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (std::fflush(stdout) != 0) {
        std::fputs("Cannot write the CSV to stdout\n", stderr);
        return kUnreadable;
    }
    return kDone;
}

// Whether a heading row of the CSV is the layout's; says what differs when not.
bool headingMatches(const std::vector<std::string> &cells, const std::vector<DataColumn> &columns, bool pictures)
{
    const char *what = pictures ? "picture" : "header";
    if (cells.size() != columns.size() + 1) {
        std::fprintf(stderr, "The CSV's %s row has %zu cells; the layout has %zu fields\n", what, cells.size() - 1,
                     columns.size());
        return false;
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string &expected = pictures ? columns[i].picture : columns[i].header;
        if (cells[i + 1] != expected) {
            std::fprintf(stderr, "The CSV's %s row has \"%s\" in column %zu; the layout has \"%s\"\n", what,
                         cells[i + 1].c_str(), i + 1, expected.c_str());
            return false;
        }
    }
    return true;
}

int readCsv(const Layout &layout, const std::string &path, const CellFormat &format)
{
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    std::string input;
    char chunk[1 << 16];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, stdin)) > 0;)
        input.append(chunk, n);
    if (std::ferror(stdin)) {
        std::fputs("Cannot read the CSV from stdin\n", stderr);
        return kUnreadable;
    }

    CsvReader reader(input);
    for (const bool pictures : {false, true}) {
        Result<std::optional<std::vector<std::string>>> row = reader.next();
        if (!row || !row.value()) {
            std::fprintf(stderr, "%s\n", row ? "The CSV has no header and picture rows" : row.error().c_str());
            return kRefused;
        }
        if (!headingMatches(*row.value(), layout.columns, pictures))
            return kRefused;
    }

    // The file being replaced, when it is a file of these records: a cell
    // that shows what its record at the same place shows keeps that record's
    // bytes; any other cell is a value, checked. The cells of a new file, or
    // of one that holds no such records, are all values.
    std::optional<DataFile> original;
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        if (Result<DataFile> opened = DataFile::open(path, layout.columns, layout.recordLength, format))
            original.emplace(std::move(opened).value());
    }
    const DataFile blank(layout.columns, layout.recordLength, format);
    const DataFile &base = original ? *original : blank;

    // The new contents are staged first: the data file changes only when
    // every record has been checked and written (so the records read from it
    // above are never read half-written), and stays the same file (links,
    // owner and permissions kept).
    Result<SafeFileWriter> writer = SafeFileWriter::begin(path);
    if (!writer) {
        std::fprintf(stderr, "%s\n", writer.error().c_str());
        return kUnreadable;
    }
    std::string out;
    Result<std::optional<std::vector<std::string>>> row = reader.next();
    for (std::size_t index = 0;; ++index) {
        if (!row) {
            std::fprintf(stderr, "%s\n", row.error().c_str());
            return kRefused;
        }
        if (!row.value())
            break;
        const std::vector<std::string> cells = std::move(*row.value());
        if (cells.size() != layout.columns.size() + 1) {
            std::fprintf(stderr, "line %zu has %zu cells; the layout has %zu fields\n", index + 1,
                         cells.size() - 1, layout.columns.size());
            return kRefused;
        }
        row = reader.next(); // to know whether this record is the last
        const bool last = row && !row.value();
        const std::vector<std::string> fields(cells.begin() + 1, cells.end());
        Result<std::string> record =
            base.composeRecord(index < base.recordCount() ? std::optional<std::size_t>(index) : std::nullopt, fields,
                               index, last);
        if (!record) {
            std::fprintf(stderr, "%s\n", record.error().c_str());
            return kRefused;
        }
        out += record.value();
        if (out.size() >= (1u << 20)) {
            if (Result<void> written = writer.value().write(out); !written) {
                std::fprintf(stderr, "%s\n", written.error().c_str());
                return kUnreadable;
            }
            out.clear();
        }
    }
    Result<void> written = writer.value().write(out);
    if (written)
        written = writer.value().commit();
    if (!written) {
        std::fprintf(stderr, "%s\n", written.error().c_str());
        return kUnreadable;
    }
    return kDone;
}

} // namespace

// Exit 0 when done; 1 when the copybook gives no usable layout, the data file's
// length is not a whole number of records, or a cell of the CSV fails its
// check (nothing is written then); 2 for a bad command line or a file that
// cannot be read or written.
int runDataCommand(const std::vector<std::string> &arguments)
{
    DataFormat format;
    std::optional<ByteOrder> nativeOrder;
    bool write = false;
    std::vector<std::string> files;
    const auto bad = [](const std::string &option, const std::string &value) {
        std::fprintf(stderr, "norvane-cli data: %s does not take \"%s\"\n%s", option.c_str(), value.c_str(), kUsage);
        return kUnreadable;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        const bool takesValue = argument == "--encoding" || argument == "--sign" || argument == "--records" ||
                                argument == "--native-order" || argument == "--floats";
        if (takesValue && i + 1 >= arguments.size()) {
            std::fprintf(stderr, "norvane-cli data: %s needs a value\n%s", argument.c_str(), kUsage);
            return kUnreadable;
        }
        if (argument == "--little-endian") {
            format.order = ByteOrder::LittleEndian;
        } else if (argument == "--write") {
            write = true;
        } else if (argument == "--encoding") {
            const std::optional<std::string> encoding = EncodingFromName(arguments[++i]);
            if (!encoding)
                return bad(argument, arguments[i]);
            format.encoding = *encoding;
        } else if (argument == "--sign") {
            const std::optional<SignConvention> sign = SignFromWord(arguments[++i]);
            if (!sign)
                return bad(argument, arguments[i]);
            format.sign = *sign;
        } else if (argument == "--records") {
            const std::optional<RecordFormat> records = RecordsFromWord(arguments[++i]);
            if (!records)
                return bad(argument, arguments[i]);
            format.records = *records;
        } else if (argument == "--native-order") {
            nativeOrder = OrderFromWord(arguments[++i]);
            if (!nativeOrder)
                return bad(argument, arguments[i]);
        } else if (argument == "--floats") {
            const std::optional<FloatFormat> floats = FloatsFromWord(arguments[++i]);
            if (!floats)
                return bad(argument, arguments[i]);
            format.floats = *floats;
        } else if (argument.size() > 1 && argument.front() == '-') {
            std::fprintf(stderr, "norvane-cli data: unknown option \"%s\"\n%s", argument.c_str(), kUsage);
            return kUnreadable;
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() != 2) {
        std::fputs(kUsage, stderr);
        return kUnreadable;
    }
    format.nativeOrder = nativeOrder.value_or(format.order);
    const Result<CellFormat> cells = CellFormat::make(format);
    if (!cells) {
        std::fprintf(stderr, "%s\n", cells.error().c_str());
        return kUnreadable;
    }
    Layout layout;
    if (const int loaded = loadLayout(files[0], layout); loaded != kDone)
        return loaded;
    return write ? readCsv(layout, files[1], cells.value()) : writeCsv(layout, files[1], cells.value());
}

} // namespace norvane::cli
