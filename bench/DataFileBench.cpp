// The data grid's work on a production-sized extract: 1,000,000 records of 100
// bytes, twelve fields of every usage. Measures opening until the first rows
// can be shown, decoding any record, decoding every cell (what norvane-cli data
// does), saving with edits, and the peak memory of a whole open-decode-save
// (run that one alone: --benchmark_filter=PeakMemory). The file and its
// copybook are written to ${TMPDIR:-/tmp}/norvane-bench, where
// bench/data/run-cli-vs-cobol.sh finds them. The same records are also
// written line-sequential, with record descriptor words and in EBCDIC (code
// page 037, EBCDIC zone signs), and opened, read whole and measured per format
// (OpenFormat, DecodeEveryCellFormat, PeakMemoryFormat; format 0 fixed ASCII,
// 1 line-sequential, 2 RDW, 3 EBCDIC).

#include "common/core/FileIO.h"
#include "document/core/SourceText.h"
#include "layout/core/DataColumns.h"
#include "layout/core/DataFile.h"
#include "layout/core/LayoutTable.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>
#endif

using namespace norvane;

namespace {

constexpr std::size_t kRecords = 1'000'000;
constexpr std::size_t kTemplateRecords = 1000;
constexpr std::size_t kFirstRows = 50;

// The same record as bench/data/BENCH.cpy, which the GnuCOBOL program copies.
constexpr const char *kCopybook = R"(       01  BENCH-REC.
           05  B-ID        PIC 9(8).
           05  B-NAME      PIC X(20).
           05  B-AMOUNT    PIC S9(7)V99.
           05  B-PRICE     PIC ZZ,ZZ9.99-.
           05  B-QTY       PIC S9(4) COMP.
           05  B-COUNT     PIC 9(9) COMP.
           05  B-TOTAL     PIC S9(15) COMP.
           05  B-RATE      PIC S9(5)V99 COMP-3.
           05  B-BALANCE   PIC S9(11)V99 COMP-3.
           05  B-CODE      PIC X(10).
           05  B-FLAG      PIC 9.
           05  B-TAIL      PIC X(17).
)";

struct BenchData {
    std::string folder;
    std::string dataPath;
    std::string savePath;
    std::vector<DataColumn> columns;
    std::size_t recordLength = 0;
};

std::string digits(std::mt19937_64 &random, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text.push_back(static_cast<char>('0' + random() % 10));
    return text;
}

// A value for a field: random digits of its shape, a sign now and then.
std::string sampleText(const DataColumn &column, std::mt19937_64 &random)
{
    const std::string sign = random() % 3 == 0 ? "-" : "";
    switch (column.offset) {
    case 8: return std::string("Name ").append(digits(random, 8));
    case 28: return sign + digits(random, 1 + random() % 7) + "." + digits(random, 2);
    case 37: return sign + digits(random, 1 + random() % 5) + "." + digits(random, 2);
    case 47: return sign + digits(random, 1 + random() % 4);
    case 49: return digits(random, 1 + random() % 9);
    case 53: return sign + digits(random, 1 + random() % 15);
    case 61: return sign + digits(random, 1 + random() % 5) + "." + digits(random, 2);
    case 65: return sign + digits(random, 1 + random() % 11) + "." + digits(random, 2);
    case 72: return std::string("C").append(digits(random, 5));
    case 82: return digits(random, 1);
    default: return std::string("tail ").append(digits(random, 6));
    }
}

// Writes the file once per run: a block of distinct records, repeated with
// each record's own number in B-ID.
const BenchData &benchData()
{
    static const BenchData data = [] {
        BenchData d;
        const char *tmp = std::getenv("TMPDIR");
        d.folder = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/norvane-bench";
        std::filesystem::create_directories(d.folder);
        d.dataPath = d.folder + "/records.dat";
        d.savePath = d.folder + "/saved.dat";
        if (!writeFileSafely(d.folder + "/bench.cpy", kCopybook))
            std::abort();

        Result<LayoutTable> table = CalcRecordLayout(splitSourceLines(kCopybook), LayoutMode::Data);
        Result<std::vector<DataColumn>> columns = BuildDataHeaders(table.value());
        d.columns = std::move(columns).value();
        d.recordLength = static_cast<std::size_t>(table.value().RecData.RecordLength);

        std::mt19937_64 random(7);
        std::string block;
        for (std::size_t r = 0; r < kTemplateRecords; ++r) {
            std::string record(d.recordLength, ' ');
            for (const DataColumn &column : d.columns) {
                Result<std::string> bytes = EncodeCell(column, sampleText(column, random), ByteOrder::BigEndian);
                if (!bytes)
                    std::abort();
                record.replace(column.offset, column.size, bytes.value());
            }
            block += record;
        }
        Result<SafeFileWriter> writer = SafeFileWriter::begin(d.dataPath);
        if (!writer)
            std::abort();
        char id[16];
        for (std::size_t n = 0; n < kRecords / kTemplateRecords; ++n) {
            for (std::size_t r = 0; r < kTemplateRecords; ++r) {
                std::snprintf(id, sizeof id, "%08zu", n * kTemplateRecords + r + 1);
                block.replace(r * d.recordLength, 8, id);
            }
            if (!writer.value().write(block))
                std::abort();
        }
        if (!writer.value().commit())
            std::abort();
        return d;
    }();
    return data;
}

// The bench file in each format, written once from the fixed ASCII one.
struct FormatFile {
    std::string path;
    DataFormat format;
};

const FormatFile &formatFile(int which)
{
    static const std::vector<FormatFile> files = [] {
        const BenchData &d = benchData();
        std::vector<FormatFile> made(4);
        made[0] = {d.dataPath, DataFormat{}};
        DataFormat lines;
        lines.records = RecordFormat::LineSequential;
        DataFormat rdw;
        rdw.records = RecordFormat::Rdw;
        DataFormat ebcdic;
        ebcdic.encoding = "IBM037";
        ebcdic.sign = SignConvention::Ebcdic;
        made[1] = {d.folder + "/records.txt", lines};
        made[2] = {d.folder + "/records.rdw", rdw};
        made[3] = {d.folder + "/records-037.dat", ebcdic};
        // Written by an earlier run: the peak memory then counts no writing.
        std::error_code error;
        if (std::all_of(made.begin() + 1, made.end(), [&](const FormatFile &f) { return std::filesystem::exists(f.path, error); }))
            return made;
        const std::string fixed = readFileBytes(d.dataPath).value();
        const CellFormat ascii;
        const CellFormat ebcdicCells = CellFormat::make(ebcdic).value();
        std::string text;
        std::string framed;
        std::string converted;
        for (std::size_t at = 0; at < fixed.size(); at += d.recordLength) {
            const std::string_view record = std::string_view(fixed).substr(at, d.recordLength);
            // Binary fields may hold a line feed: lines hold the record's text
            // columns only, the rest blanked, as line-sequential files do.
            std::string line(record);
            for (const DataColumn &column : d.columns) {
                if (column.usage != Usage::Display)
                    line.replace(column.offset, column.size, column.size, '0');
            }
            AppendFramedRecord(text, line, RecordFormat::LineSequential, LineEnd::Lf);
            AppendFramedRecord(framed, record, RecordFormat::Rdw, LineEnd::None);
            std::string out(record);
            for (const DataColumn &column : d.columns) {
                if (column.usage != Usage::Display)
                    continue;
                const std::string cell = DecodeCell(column, record.substr(column.offset, column.size), ascii);
                out.replace(column.offset, column.size, EncodeCell(column, cell, ebcdicCells).value());
            }
            converted += out;
        }
        if (!writeFileSafely(made[1].path, text) || !writeFileSafely(made[2].path, framed) ||
            !writeFileSafely(made[3].path, converted))
            std::abort();
        return made;
    }();
    return files[static_cast<std::size_t>(which)];
}

DataFile openFormatFile(int which)
{
    const BenchData &d = benchData();
    const FormatFile &file = formatFile(which);
    Result<DataFile> data = DataFile::open(file.path, d.columns, d.recordLength, CellFormat::make(file.format).value());
    if (!data)
        std::abort();
    return std::move(data).value();
}

void OpenFormat(benchmark::State &state)
{
    formatFile(static_cast<int>(state.range(0)));
    std::string text;
    for (auto _ : state) {
        DataFile file = openFormatFile(static_cast<int>(state.range(0)));
        for (std::size_t r = 0; r < kFirstRows; ++r) {
            for (std::size_t c = 0; c < file.columns().size(); ++c) {
                text.clear();
                file.appendCell(r, c, text);
                benchmark::DoNotOptimize(text.data());
            }
        }
    }
}
BENCHMARK(OpenFormat)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void DecodeEveryCellFormat(benchmark::State &state)
{
    const DataFile file = openFormatFile(static_cast<int>(state.range(0)));
    std::string text;
    for (auto _ : state) {
        for (std::size_t r = 0; r < file.recordCount(); ++r) {
            for (std::size_t c = 0; c < file.columns().size(); ++c) {
                text.clear();
                file.appendCell(r, c, text);
                benchmark::DoNotOptimize(text.data());
            }
        }
    }
}
BENCHMARK(DecodeEveryCellFormat)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(1);

// Peak memory of opening a format's file, showing every cell and saving it
// with edits. Run each alone: --benchmark_filter=PeakMemoryFormat/2 and so on.
void PeakMemoryFormat(benchmark::State &state)
{
    const BenchData &d = benchData();
    const std::string path = formatFile(static_cast<int>(state.range(0))).path;
    for (auto _ : state) {
        DataFile file = openFormatFile(static_cast<int>(state.range(0)));
        std::string text;
        for (std::size_t r = 0; r < file.recordCount(); ++r) {
            for (std::size_t c = 0; c < file.columns().size(); ++c) {
                text.clear();
                file.appendCell(r, c, text);
            }
        }
        for (std::size_t e = 0; e < 1000; ++e)
            file.setCell(e * 997, 1, "edited");
        if (!file.save(d.savePath))
            state.SkipWithError("save failed");
    }
#ifndef _WIN32
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
#endif
    std::error_code error;
    state.counters["file_MiB"] = static_cast<double>(std::filesystem::file_size(path, error)) / (1024.0 * 1024.0);
}
BENCHMARK(PeakMemoryFormat)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(1);

DataFile openBenchFile()
{
    const BenchData &d = benchData();
    Result<DataFile> file = DataFile::open(d.dataPath, d.columns, d.recordLength, ByteOrder::BigEndian);
    if (!file)
        std::abort();
    return std::move(file).value();
}

void OpenToFirstRows(benchmark::State &state)
{
    benchData();
    std::string text;
    for (auto _ : state) {
        DataFile file = openBenchFile();
        for (std::size_t r = 0; r < kFirstRows; ++r) {
            for (std::size_t c = 0; c < file.columns().size(); ++c) {
                text.clear();
                file.appendCell(r, c, text);
                benchmark::DoNotOptimize(text.data());
            }
        }
    }
}
BENCHMARK(OpenToFirstRows)->Unit(benchmark::kMillisecond);

void RandomRecordDecode(benchmark::State &state)
{
    const DataFile file = openBenchFile();
    std::mt19937_64 random(1);
    std::string text;
    for (auto _ : state) {
        const std::size_t record = random() % file.recordCount();
        for (std::size_t c = 0; c < file.columns().size(); ++c) {
            text.clear();
            file.appendCell(record, c, text);
            benchmark::DoNotOptimize(text.data());
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(RandomRecordDecode)->Unit(benchmark::kMicrosecond);

void DecodeEveryCell(benchmark::State &state)
{
    const DataFile file = openBenchFile();
    std::string text;
    for (auto _ : state) {
        for (std::size_t r = 0; r < file.recordCount(); ++r) {
            for (std::size_t c = 0; c < file.columns().size(); ++c) {
                text.clear();
                file.appendCell(r, c, text);
                benchmark::DoNotOptimize(text.data());
            }
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kRecords * file.columns().size()));
}
BENCHMARK(DecodeEveryCell)->Unit(benchmark::kMillisecond)->Iterations(1);

// Open, change a cell in state.range(0) records spread over the file, save.
void SaveWithEdits(benchmark::State &state)
{
    const BenchData &d = benchData();
    const auto edits = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        DataFile file = openBenchFile();
        for (std::size_t e = 0; e < edits; ++e)
            file.setCell(e * (kRecords / edits), 3, "-1,234.50");
        if (edits > 0)
            file.insertRecord(kRecords / 2);
        if (!file.save(d.savePath, ByteOrder::BigEndian))
            state.SkipWithError("save failed");
    }
}
BENCHMARK(SaveWithEdits)->Arg(0)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

// Peak memory of opening, showing every cell, editing and saving, against the
// file's size. Run alone so that no other benchmark's memory counts.
void PeakMemory(benchmark::State &state)
{
    const BenchData &d = benchData();
    for (auto _ : state) {
        DataFile file = openBenchFile();
        std::string text;
        for (std::size_t r = 0; r < file.recordCount(); ++r) {
            for (std::size_t c = 0; c < file.columns().size(); ++c) {
                text.clear();
                file.appendCell(r, c, text);
            }
        }
        for (std::size_t e = 0; e < 1000; ++e)
            file.setCell(e * 997, 1, "edited");
        if (!file.save(d.savePath, ByteOrder::BigEndian))
            state.SkipWithError("save failed");
    }
#ifndef _WIN32
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
#endif
    state.counters["file_MiB"] = static_cast<double>(kRecords * d.recordLength) / (1024.0 * 1024.0);
}
BENCHMARK(PeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
