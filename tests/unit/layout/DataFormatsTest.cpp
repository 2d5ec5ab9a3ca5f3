// Data files as real systems write them (tests/data/layout/formats, made by
// make-fixtures.sh with GnuCOBOL, iconv and python3): EBCDIC code pages,
// overpunch and EBCDIC zone signs, line-sequential records, records with
// descriptor words, OCCURS DEPENDING ON, separate signs, floats and native
// binary. Each reads as its ASCII twin does and goes back byte for byte.

#include "common/core/FileIO.h"
#include "document/core/SourceText.h"
#include "layout/core/DataFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

using namespace norvane;
namespace fs = std::filesystem;

namespace {

const std::string kData = NORVANE_TEST_DATA "/layout/formats/";

struct Layout {
    std::vector<DataColumn> columns;
    std::size_t recordLength = 0;
};

Layout layoutOf(const std::string &copybook)
{
    Result<LayoutTable> table =
        CalcRecordLayout(splitSourceLines(readFileBytes(kData + copybook).value()), LayoutMode::Data);
    EXPECT_TRUE(table) << (table ? "" : table.error());
    Result<std::vector<DataColumn>> columns = BuildDataHeaders(table.value());
    EXPECT_TRUE(columns) << (columns ? "" : columns.error());
    return {columns.value(), static_cast<std::size_t>(table.value().RecData.RecordLength)};
}

DataFormat formatOf(const std::string &encoding, SignConvention sign, RecordFormat records)
{
    DataFormat format;
    format.encoding = encoding;
    format.sign = sign;
    format.records = records;
    return format;
}

DataFile openData(const std::string &path, const Layout &layout, const DataFormat &format)
{
    Result<DataFile> data = DataFile::open(path, layout.columns, layout.recordLength, CellFormat::make(format).value());
    EXPECT_TRUE(data) << (data ? "" : data.error());
    return std::move(data).value();
}

std::vector<std::vector<std::string>> cellsOf(const DataFile &data)
{
    std::vector<std::vector<std::string>> cells(data.recordCount());
    for (std::size_t r = 0; r < data.recordCount(); ++r) {
        for (std::size_t c = 0; c < data.columns().size(); ++c)
            cells[r].push_back(data.cell(r, c));
    }
    return cells;
}

class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        m_path = fs::temp_directory_path() / ("norvane-formats-" + std::to_string(random()));
        fs::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    [[nodiscard]] std::string file(const std::string &name) const { return (m_path / name).string(); }
    [[nodiscard]] const fs::path &path() const { return m_path; }

private:
    fs::path m_path;
};

struct Twin {
    const char *file;
    DataFormat format;
};

std::vector<Twin> formatTwins()
{
    return {
        {"formats-mf.dat", DataFormat{}},
        {"formats-mf.txt", formatOf("", SignConvention::MicroFocus, RecordFormat::LineSequential)},
        {"formats-overpunch.dat", formatOf("", SignConvention::Overpunch, RecordFormat::Fixed)},
        {"formats-037.dat", formatOf("IBM037", SignConvention::Ebcdic, RecordFormat::Fixed)},
        {"formats-1141.dat", formatOf("IBM1141", SignConvention::Ebcdic, RecordFormat::Fixed)},
        {"formats.rdw", formatOf("", SignConvention::MicroFocus, RecordFormat::Rdw)},
    };
}

TEST(DataFormats, EveryCodePageIsATableOfAllBytes)
{
    for (const std::string_view name : EbcdicCodePages()) {
        const Result<std::shared_ptr<const CodePage>> page = CodePage::load(std::string(name));
        ASSERT_TRUE(page) << name << ": " << page.error();
        std::vector<bool> seen(256);
        for (int byte = 0; byte < 256; ++byte) {
            const char c = page.value()->toLatin1(static_cast<char>(byte));
            EXPECT_FALSE(seen[static_cast<unsigned char>(c)]) << name << " byte " << byte;
            seen[static_cast<unsigned char>(c)] = true;
            EXPECT_EQ(page.value()->fromLatin1(c), static_cast<char>(byte)) << name;
        }
        EXPECT_EQ(page.value()->encode("0123456789 "), "\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xF8\xF9\x40") << name;
        EXPECT_EQ(page.value()->euro(), name.size() == 7 && name.substr(0, 5) == "IBM11") << name;
    }
    EXPECT_EQ(CodePage::load("IBM037").value()->encode("AZaz{}"), "\xC1\xE9\x81\xA9\xC0\xD0");
    EXPECT_EQ(CodePage::load("IBM1140").value()->encode("\xA4"), "\x9F") << "the euro sign";
    EXPECT_FALSE(CodePage::load("IBM99999"));
}

TEST(DataFormats, EncodingNamesAreReadInTheirUsualSpellings)
{
    EXPECT_EQ(EncodingFromName("cp037"), "IBM037");
    EXPECT_EQ(EncodingFromName("IBM-37"), "IBM037");
    EXPECT_EQ(EncodingFromName("1047"), "IBM1047");
    EXPECT_EQ(EncodingFromName("ascii"), "");
    EXPECT_EQ(EncodingFromName("IBM850"), std::nullopt);
}

TEST(DataFormats, ZonedSignsReadAndWriteInEachConvention)
{
    struct Case {
        const char *entry;
        DataFormat format;
        std::string bytes;
        std::string text;
    };
    const DataFormat overpunch = formatOf("", SignConvention::Overpunch, RecordFormat::Fixed);
    const DataFormat ebcdic = formatOf("IBM037", SignConvention::Ebcdic, RecordFormat::Fixed);
    const DataFormat german = formatOf("IBM273", SignConvention::Ebcdic, RecordFormat::Fixed);
    const Case cases[] = {
        {"05 F PIC S9(10)V99.", overpunch, "00000001940{", "+0000000194.00"},
        {"05 F PIC S9(3).", overpunch, "12}", "-120"},
        {"05 F PIC S9(3).", overpunch, "12R", "-129"},
        {"05 F PIC S9(3).", overpunch, "12I", "+129"},
        {"05 F PIC S9(3) SIGN LEADING.", overpunch, "J23", "-123"},
        {"05 F PIC 9(3).", overpunch, "123", "123"},
        {"05 F PIC S9(3).", ebcdic, "\xF1\xF2\xD3", "-123"},
        {"05 F PIC S9(3).", ebcdic, "\xF1\xF2\xC3", "+123"},
        {"05 F PIC S9(3).", german, "\xF1\xF2\xC0", "+120"}, // C0 is no "{" in 273: the zone counts
        {"05 F PIC 9(3).", ebcdic, "\xF0\xF4\xF2", "042"},
        {"05 F PIC X(4).", ebcdic, "\xC1\x40\x81\x5B", "A a$"},
        {"05 F PIC ZZ9.99-.", ebcdic, "\x40\xF4\xF2\x4B\xF0\xF0\x60", " 42.00-"},
        {"05 F PIC S9(3) SIGN LEADING SEPARATE.", ebcdic, "\x60\xF0\xF0\xF7", "-007"},
    };
    for (const Case &c : cases) {
        Result<std::vector<DataColumn>> columns =
            BuildDataHeaders(CalcRecordLayout(std::vector<std::string>{"       01 R.", std::string("       ") + c.entry},
                                              LayoutMode::Data)
                                 .value());
        ASSERT_TRUE(columns) << c.entry;
        const DataColumn &column = columns.value().front();
        const CellFormat format = CellFormat::make(c.format).value();
        EXPECT_EQ(DecodeCell(column, c.bytes, format), c.text) << c.entry;
        EXPECT_FALSE(IsCellFlagged(column, c.bytes, format)) << c.entry;
        EXPECT_EQ(CellBytes(column, c.text, format).value(), c.bytes) << c.entry << " " << c.text;
    }
    // A zone the convention does not know shows the bytes as they stand, flagged.
    const DataColumn column =
        BuildDataHeaders(CalcRecordLayout(std::vector<std::string>{"       01 R.", "       05 F PIC S9(3)."}, LayoutMode::Data).value())
            .value()
            .front();
    const CellFormat format = CellFormat::make(ebcdic).value();
    EXPECT_TRUE(IsCellFlagged(column, "\xF1\x40\xC3", format));
    EXPECT_EQ(DecodeCell(column, "\xF1\x40\xC3", format), "1 C");
}

TEST(DataFormats, AnEbcdicFileReadsAsItsAsciiTwinsInEveryFormat)
{
    const Layout layout = layoutOf("FORMATS.cpy");
    ASSERT_EQ(layout.recordLength, 44u);
    const std::vector<std::vector<std::string>> expected = cellsOf(openData(kData + "formats-mf.dat", layout, {}));
    ASSERT_EQ(expected.size(), 6u);
    // Mainframe overpunch +194.00 and the negatives read as they were written.
    EXPECT_EQ(expected[1][2], "+0000194.00");
    EXPECT_EQ(expected[2][2], "-1234567.89");
    EXPECT_EQ(expected[2][3], "-009");
    EXPECT_EQ(expected[3][1], "{braces}[]  ");
    EXPECT_EQ(expected[5][5], "    ") << "a short line is padded with spaces";
    for (const Twin &twin : formatTwins()) {
        const DataFile data = openData(kData + twin.file, layout, twin.format);
        EXPECT_EQ(cellsOf(data), expected) << twin.file;
        for (std::size_t r = 0; r < data.recordCount(); ++r) {
            for (std::size_t c = 0; c < layout.columns.size(); ++c)
                EXPECT_FALSE(data.isFlagged(r, c)) << twin.file << " " << r << " " << c;
        }
    }
}

TEST(DataFormats, EachFormatSavesUnchangedAndEditedRecordsInItsOwnForm)
{
    const Layout layout = layoutOf("FORMATS.cpy");
    TempFolder folder;
    for (const Twin &twin : formatTwins()) {
        const std::string original = readFileBytes(kData + twin.file).value();
        DataFile data = openData(kData + twin.file, layout, twin.format);
        const std::string unchanged = folder.file(std::string("same-") + twin.file);
        ASSERT_TRUE(data.save(unchanged));
        EXPECT_EQ(readFileBytes(unchanged).value(), original) << twin.file;

        // Insert, copy, delete and edit, then read the result back.
        data.copyRecord(1);
        data.deleteRecord(0);
        data.insertRecord(2);
        ASSERT_TRUE(data.setCell(2, 0, "77"));
        ASSERT_TRUE(data.setCell(2, 1, "new one"));
        ASSERT_TRUE(data.setCell(2, 2, "-5.5"));
        ASSERT_TRUE(data.setCell(0, 3, "+42"));
        const std::vector<std::vector<std::string>> before = cellsOf(data);
        const std::string edited = folder.file(std::string("edited-") + twin.file);
        const Result<void> saved = data.save(edited);
        ASSERT_TRUE(saved) << twin.file << ": " << saved.error();
        const DataFile reread = openData(edited, layout, twin.format);
        std::vector<std::vector<std::string>> after = cellsOf(reread);
        ASSERT_EQ(after.size(), 7u) << twin.file;
        EXPECT_EQ(after[2][0], "000077") << twin.file;
        EXPECT_EQ(after[2][1], "new one     ") << twin.file;
        EXPECT_EQ(after[2][2], "-0000005.50") << twin.file;
        EXPECT_EQ(after[0][3], "+042") << twin.file;
        EXPECT_EQ(after[1], before[1]) << twin.file;
        EXPECT_EQ(cellsOf(reread)[6], cellsOf(openData(kData + twin.file, layout, twin.format))[5]) << twin.file;
    }
    // The edited lines keep no trailing spaces, as GnuCOBOL writes lines.
    const std::string lines = readFileBytes(folder.file("edited-formats-mf.txt")).value();
    EXPECT_NE(lines.find("\n000077new one     00000055p000     0.00\n"), std::string::npos) << lines;
}

TEST(DataFormats, DescriptorWordsGiveOneRowPerRecordAndTablesTheirCountedEntries)
{
    const Layout layout = layoutOf("ODOREC.cpy");
    ASSERT_EQ(layout.recordLength, 31u);
    const DataFormat rdw = formatOf("", SignConvention::MicroFocus, RecordFormat::Rdw);
    DataFile data = openData(kData + "odo.rdw", layout, rdw);
    ASSERT_EQ(data.recordCount(), 6u);
    ASSERT_EQ(layout.columns.size(), 12u);
    EXPECT_EQ(layout.columns[2].header, "O-CODE (1)");
    for (std::size_t r = 0; r < 6; ++r) {
        EXPECT_EQ(data.cell(r, 1), "0" + std::to_string(r));
        EXPECT_EQ(data.storedLength(r), 6 + 5 * r);
        for (std::size_t k = 1; k <= 5; ++k) {
            const std::size_t code = 2 * k;
            EXPECT_EQ(data.isPresent(r, code), k <= r) << r << " " << k;
            if (k <= r) {
                EXPECT_EQ(data.cell(r, code), "C0" + std::to_string(k));
                EXPECT_FALSE(data.isFlagged(r, code + 1));
            } else {
                EXPECT_EQ(data.cell(r, code), "");
                EXPECT_FALSE(data.setCell(r, code, "XYZ")) << "a cell the record does not have takes no text";
            }
        }
    }
    EXPECT_EQ(data.cell(3, 3), "011-") << "K * 10 - N * 7 for K = 1, N = 3";

    TempFolder folder;
    ASSERT_TRUE(data.save(folder.file("same.rdw")));
    EXPECT_EQ(readFileBytes(folder.file("same.rdw")).value(), readFileBytes(kData + "odo.rdw").value());

    // More entries counted: the record grows by them; fewer: it shrinks.
    ASSERT_TRUE(data.setCell(1, 1, "03"));
    EXPECT_TRUE(data.isPresent(1, 6));
    ASSERT_TRUE(data.setCell(1, 4, "NEW"));
    ASSERT_TRUE(data.setCell(4, 1, "01"));
    ASSERT_TRUE(data.save(folder.file("edited.rdw")));
    const DataFile reread = openData(folder.file("edited.rdw"), layout, rdw);
    EXPECT_EQ(reread.storedLength(1), 21u);
    EXPECT_EQ(reread.cell(1, 4), "NEW");
    EXPECT_EQ(reread.storedLength(4), 11u);
    EXPECT_EQ(reread.cell(4, 2), "C01");
}

TEST(DataFormats, SeparateSignsFloatsAndNativeBinaryShowWhatGnuCobolListed)
{
    const Layout layout = layoutOf("USAGES.cpy");
    DataFormat format; // COMP big-endian, the rest the machine's little-endian
    format.nativeOrder = ByteOrder::LittleEndian;
    const DataFile data = openData(kData + "usages.dat", layout, format);
    const std::vector<std::vector<std::string>> expected = {
        {"ZERO", "+000", "+000.00", "0", "0", "+0000", "+0000000000", "+0000"},
        // GnuCOBOL's MOVE of 0.1 and 1.0E-10 gives the doubles next to the nearest.
        {"PLUS", "+123", "+456.78", "1.5", "0.09999999999999999", "+1234", "+2000000000", "+0321"},
        {"MINS", "-007", "-000.01", "-118.625", "-2.5e+20", "-1234", "-0000000001", "-0321"},
        {"BIGS", "+999", "-999.99", "3.25e+10", "9.999999999999999e-11", "+9999", "-2000000000", "+9999"},
    };
    EXPECT_EQ(cellsOf(data), expected);
    TempFolder folder;
    DataFile copy = openData(kData + "usages.dat", layout, format);
    EXPECT_FALSE(copy.setCell(1, 3, "1.5")) << "the cell shows that already";
    ASSERT_TRUE(copy.setCell(1, 4, "0.09999999999999999000"));
    ASSERT_TRUE(copy.setCell(2, 1, "-7"));
    ASSERT_TRUE(copy.save(folder.file("usages.dat")));
    EXPECT_EQ(readFileBytes(folder.file("usages.dat")).value(), readFileBytes(kData + "usages.dat").value());
}

// A save in another byte order turns round every field whose order it
// changes, so the saved file shows the same values: COMP fields always,
// native binary and floating-point fields when one order governs them all.
TEST(DataFormats, SavingInAnotherByteOrderKeepsEveryValue)
{
    const Layout layout = layoutOf("USAGES.cpy");
    DataFormat written; // as GnuCOBOL wrote it: COMP big-endian, the rest the machine's little-endian
    written.nativeOrder = ByteOrder::LittleEndian;
    const std::string original = readFileBytes(kData + "usages.dat").value();
    const std::vector<std::vector<std::string>> values = cellsOf(openData(kData + "usages.dat", layout, written));
    const auto fieldBytes = [&](const std::string &file, std::size_t record, std::size_t column) {
        const DataColumn &c = layout.columns[column];
        return file.substr(record * layout.recordLength + c.offset, c.size);
    };
    const auto reversed = [](std::string bytes) {
        std::reverse(bytes.begin(), bytes.end());
        return bytes;
    };
    TempFolder folder;

    // The orders set apart: only the COMP field turns round, and the file
    // then has one order for every binary field.
    DataFile data = openData(kData + "usages.dat", layout, written);
    ASSERT_TRUE(data.save(folder.file("little.dat"), ByteOrder::LittleEndian));
    EXPECT_EQ(data.format(), DataFormat::withOrder(ByteOrder::LittleEndian));
    const std::string little = readFileBytes(folder.file("little.dat")).value();
    for (std::size_t r = 0; r < values.size(); ++r) {
        for (std::size_t c = 0; c < layout.columns.size(); ++c) {
            const bool comp = layout.columns[c].usage == Usage::Binary && !layout.columns[c].native;
            EXPECT_EQ(fieldBytes(little, r, c), comp ? reversed(fieldBytes(original, r, c)) : fieldBytes(original, r, c))
                << layout.columns[c].header;
        }
    }
    EXPECT_EQ(cellsOf(openData(folder.file("little.dat"), layout, DataFormat::withOrder(ByteOrder::LittleEndian))),
              values);

    // One order for all: COMP-1, COMP-2, COMP-5 and BINARY-LONG turn round
    // with the COMP field; the text and zoned fields keep their bytes.
    ASSERT_TRUE(data.save(folder.file("big.dat"), ByteOrder::BigEndian));
    EXPECT_EQ(data.format(), DataFormat::withOrder(ByteOrder::BigEndian));
    const std::string big = readFileBytes(folder.file("big.dat")).value();
    for (std::size_t r = 0; r < values.size(); ++r) {
        for (std::size_t c = 0; c < layout.columns.size(); ++c) {
            const bool binary = layout.columns[c].usage != Usage::Display;
            EXPECT_EQ(fieldBytes(big, r, c), binary ? reversed(fieldBytes(little, r, c)) : fieldBytes(little, r, c))
                << layout.columns[c].header;
        }
    }
    EXPECT_EQ(cellsOf(data), values);
    EXPECT_EQ(cellsOf(openData(folder.file("big.dat"), layout, DataFormat::withOrder(ByteOrder::BigEndian))), values);

    // Typed values are written in the new orders too.
    DataFile edited = openData(folder.file("big.dat"), layout, DataFormat::withOrder(ByteOrder::BigEndian));
    std::vector<std::vector<std::string>> typed = values;
    for (const auto &[record, column, text] : {std::tuple{1u, 3u, "-2.25"}, std::tuple{2u, 4u, "1e+100"},
                                               std::tuple{3u, 5u, "-0001"}, std::tuple{0u, 6u, "+0000070000"},
                                               std::tuple{0u, 7u, "-0002"}}) {
        ASSERT_TRUE(edited.setCell(record, column, text));
        typed[record][column] = text;
    }
    ASSERT_TRUE(edited.save(folder.file("typed.dat"), ByteOrder::LittleEndian));
    EXPECT_EQ(cellsOf(openData(folder.file("typed.dat"), layout, DataFormat::withOrder(ByteOrder::LittleEndian))),
              typed);
}

TEST(DataFormats, WhatAFileLooksLikeIsSaidWhenItDoesNotFit)
{
    const std::string lines = readFileBytes(kData + "formats-mf.txt").value();
    EXPECT_EQ(DescribeMisfit(lines, 44),
              "This file's length is not a multiple of the record length: the file has 259 bytes, a record 44, and "
              "39 bytes are left over after 5 records. Its lines are no longer than a record: it looks like a "
              "line-sequential file.");
    std::string even;
    for (int i = 0; i < 10; ++i)
        even += std::string(44, 'A') + "\r\n";
    EXPECT_EQ(DescribeMisfit(even, 44),
              "This file's length is not a multiple of the record length: the file has 460 bytes, a record 44, and "
              "20 bytes are left over after 10 records. A line ends every 46 bytes: it looks like a line-sequential "
              "file.");
    EXPECT_NE(DescribeMisfit(readFileBytes(kData + "formats.rdw").value(), 44)
                  .find("It starts with record descriptor words that chain through the whole file (6 records): it looks "
                        "like a file of variable records with descriptor words."),
              std::string::npos);
    const std::string ebcdic = readFileBytes(kData + "formats-037.dat").value() + "\x40\x40";
    EXPECT_NE(DescribeMisfit(ebcdic, 44).find("it looks like an EBCDIC file."), std::string::npos)
        << DescribeMisfit(ebcdic, 44);

    // What opening without a remembered choice takes the files for.
    EXPECT_EQ(DetectFormat(lines, 44, {}).records, RecordFormat::LineSequential);
    EXPECT_EQ(DetectFormat(readFileBytes(kData + "formats.rdw").value(), 44, {}).records, RecordFormat::Rdw);
    const DataFormat detected = DetectFormat(readFileBytes(kData + "formats-037.dat").value(), 44, {});
    EXPECT_EQ(detected.records, RecordFormat::Fixed);
    EXPECT_EQ(detected.encoding, "IBM037");
    EXPECT_EQ(detected.sign, SignConvention::Ebcdic);
    EXPECT_EQ(DetectFormat(readFileBytes(kData + "formats-mf.dat").value(), 44, {}), DataFormat{});

    // Lines longer than a record, and broken descriptor words, are named.
    const Result<RecordIndex> longLine = RecordIndex::scan(std::string(50, 'x') + "\n", RecordFormat::LineSequential, 44);
    ASSERT_FALSE(longLine);
    EXPECT_EQ(longLine.error(),
              "Line 1 has 50 bytes, more than the record length of 44: this is not a line-sequential file of these records");
    const Result<RecordIndex> badWord = RecordIndex::scan(std::string("\x00\x08\x00\x00" "ABCD" "\x00\x05\x01\x00", 12),
                                                          RecordFormat::Rdw, 44);
    ASSERT_FALSE(badWord);
    EXPECT_EQ(badWord.error(), "Record 2 at byte 9 has no record descriptor word: this is not a file of variable "
                               "records with descriptor words");
}

#ifndef _WIN32
struct Outcome {
    int exitCode = -1;
    std::string output;
};

Outcome runCli(const std::string &arguments)
{
    const std::string command = std::string("\"") + NORVANE_CLI + "\" " + arguments + " 2>&1";
    Outcome outcome;
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return outcome;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        outcome.output.append(buffer, n);
    const int status = pclose(pipe);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

std::string quoted(const std::string &path)
{
    return "\"" + path + "\"";
}

TEST(DataFormats, TheCommandLineGivesTheSameCsvForEveryTwinAndWritesEachBack)
{
    struct Case {
        const char *file;
        const char *options;
    };
    const Case cases[] = {
        {"formats-mf.dat", ""},
        {"formats-mf.txt", "--records lines "},
        {"formats-overpunch.dat", "--sign overpunch "},
        {"formats-037.dat", "--encoding IBM037 --sign ebcdic "},
        {"formats-1141.dat", "--encoding cp1141 --sign ebcdic "},
        {"formats.rdw", "--records rdw "},
    };
    const std::string copybook = quoted(kData + "FORMATS.cpy");
    const Outcome reference = runCli("data " + copybook + " " + quoted(kData + "formats-mf.dat"));
    ASSERT_EQ(reference.exitCode, 0) << reference.output;
    TempFolder folder;
    for (const Case &c : cases) {
        const Outcome csv = runCli(std::string("data ") + c.options + copybook + " " + quoted(kData + c.file));
        ASSERT_EQ(csv.exitCode, 0) << c.file << csv.output;
        EXPECT_EQ(csv.output, reference.output) << c.file;
        ASSERT_TRUE(writeFileSafely(folder.file("in.csv"), csv.output));
        // Over a copy of the file, and as a new file: the same bytes.
        fs::copy_file(kData + c.file, folder.file(c.file));
        for (const std::string &target : {folder.file(c.file), folder.file(std::string("new-") + c.file)}) {
            const Outcome written = runCli(std::string("data ") + c.options + copybook + " --write " + quoted(target) +
                                           " < " + quoted(folder.file("in.csv")));
            ASSERT_EQ(written.exitCode, 0) << c.file << written.output;
            EXPECT_EQ(readFileBytes(target).value(), readFileBytes(kData + c.file).value()) << target;
        }
    }

    const Outcome usages = runCli("data --native-order little " + quoted(kData + "USAGES.cpy") + " " +
                                  quoted(kData + "usages.dat"));
    ASSERT_EQ(usages.exitCode, 0) << usages.output;
    EXPECT_NE(usages.output.find("\"3\",\"MINS\",\"-007\",\"-000.01\",\"-118.625\",\"-2.5e+20\",\"-1234\""), std::string::npos)
        << usages.output;
    ASSERT_TRUE(writeFileSafely(folder.file("usages.csv"), usages.output));
    const Outcome back = runCli("data --native-order little " + quoted(kData + "USAGES.cpy") + " --write " +
                                quoted(folder.file("usages.dat")) + " < " + quoted(folder.file("usages.csv")));
    ASSERT_EQ(back.exitCode, 0) << back.output;
    EXPECT_EQ(readFileBytes(folder.file("usages.dat")).value(), readFileBytes(kData + "usages.dat").value());

    const Outcome misfit = runCli("data " + copybook + " " + quoted(kData + "formats-mf.txt"));
    EXPECT_EQ(misfit.exitCode, 1);
    EXPECT_NE(misfit.output.find("it looks like a line-sequential file"), std::string::npos) << misfit.output;
    const Outcome badOption = runCli("data --encoding IBM850 " + copybook + " x.dat");
    EXPECT_EQ(badOption.exitCode, 2);
    EXPECT_NE(badOption.output.find("--encoding does not take \"IBM850\""), std::string::npos) << badOption.output;
}
#endif

} // namespace
