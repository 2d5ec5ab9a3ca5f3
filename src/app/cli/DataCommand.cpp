// norvane-cli data [--little-endian] COPYBOOK DATAFILE: the data grid of a file
// of fixed-length records as CSV; with --write DATAFILE the reverse, from CSV
// on stdin, checked cell by cell as the grid's Save checks it.

#include "app/cli/CliCommands.h"
#include "common/core/FileIO.h"
#include "document/core/SourceText.h"
#include "layout/core/DataColumns.h"
#include "layout/core/DataCsv.h"
#include "layout/core/DataFile.h"
#include "layout/core/LayoutTable.h"

#include <cstdio>
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

constexpr const char *kUsage = "usage: norvane-cli data [--little-endian] COPYBOOK DATAFILE\n"
                               "       norvane-cli data [--little-endian] COPYBOOK --write DATAFILE < CSV\n";

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

int writeCsv(const Layout &layout, const std::string &path, ByteOrder order)
{
    Result<DataFile> data = DataFile::open(path, layout.columns, layout.recordLength, order);
    if (!data) {
        std::fprintf(stderr, "%s\n", data.error().c_str());
        return data.error() == kLengthNotMultiple ? kRefused : kUnreadable;
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

int readCsv(const Layout &layout, const std::string &path, ByteOrder order)
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

    // The new contents are staged first: the data file changes only when
    // every record has been checked and written, and stays the same file
    // (links, owner and permissions kept).
    Result<SafeFileWriter> writer = SafeFileWriter::begin(path);
    if (!writer) {
        std::fprintf(stderr, "%s\n", writer.error().c_str());
        return kUnreadable;
    }
    std::string out;
    std::string record(layout.recordLength, ' ');
    for (std::size_t index = 0;; ++index) {
        Result<std::optional<std::vector<std::string>>> row = reader.next();
        if (!row) {
            std::fprintf(stderr, "%s\n", row.error().c_str());
            return kRefused;
        }
        if (!row.value())
            break;
        const std::vector<std::string> &cells = *row.value();
        if (cells.size() != layout.columns.size() + 1) {
            std::fprintf(stderr, "line %zu has %zu cells; the layout has %zu fields\n", index + 1,
                         cells.size() - 1, layout.columns.size());
            return kRefused;
        }
        for (std::size_t column = 0; column < layout.columns.size(); ++column) {
            const DataColumn &c = layout.columns[column];
            const std::string &text = cells[column + 1];
            // The CSV holds the cells as `data` showed them: a cell showing a
            // field's bytes as they stand is written back as those bytes.
            const Result<std::string> bytes = CellBytes(c, text, order, CellSource::Shown);
            if (!bytes) {
                std::fprintf(stderr, "%s\n", CellMessage(index, c.header, bytes.error()).c_str());
                return kRefused;
            }
            record.replace(c.offset, c.size, bytes.value());
        }
        out += record;
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
    ByteOrder order = ByteOrder::BigEndian;
    bool write = false;
    std::vector<std::string> files;
    for (const std::string &argument : arguments) {
        if (argument == "--little-endian") {
            order = ByteOrder::LittleEndian;
        } else if (argument == "--write") {
            write = true;
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
    Layout layout;
    if (const int loaded = loadLayout(files[0], layout); loaded != kDone)
        return loaded;
    return write ? readCsv(layout, files[1], order) : writeCsv(layout, files[1], order);
}

} // namespace norvane::cli
