#include "common/core/FileIO.h"
#include "document/core/SourceText.h"
#include "layout/core/DataFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

using namespace norvane;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

const std::string kData = NORVANE_TEST_DATA "/layout/data/";

// A folder of its own for each test, removed afterwards.
class TempFolder {
public:
    TempFolder()
    {
        std::random_device random;
        m_path = fs::temp_directory_path() / ("norvane-data-" + std::to_string(random()));
        fs::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    [[nodiscard]] std::string file(const std::string &name) const { return (m_path / name).string(); }
    [[nodiscard]] std::size_t entries() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_path), fs::directory_iterator()));
    }

private:
    fs::path m_path;
};

struct Layout {
    std::vector<DataColumn> columns;
    std::size_t recordLength = 0;
};

Layout layoutOf(const std::vector<std::string> &lines)
{
    Result<LayoutTable> table = CalcRecordLayout(lines, LayoutMode::Data);
    EXPECT_TRUE(table) << (table ? "" : table.error());
    Result<std::vector<DataColumn>> columns = BuildDataHeaders(table.value());
    EXPECT_TRUE(columns) << (columns ? "" : columns.error());
    return {columns.value(), static_cast<std::size_t>(table.value().RecData.RecordLength)};
}

Layout fixtureLayout()
{
    return layoutOf(splitSourceLines(readFileBytes(kData + "DATAFIX.cpy").value()));
}

// A small record: a name, a count, a packed amount and a binary quantity (14 bytes).
Layout smallLayout()
{
    return layoutOf({"       01 R.", "           05 NAME PIC X(4).", "           05 CNT PIC 9(3).",
                     "           05 AMT PIC S9(3)V99 COMP-3.", "           05 QTY PIC S9(4) COMP."});
}

std::string record(std::string name, std::string count, std::string packed, std::string binary)
{
    return name + count + packed + binary;
}

// A number's sign and significant digits, to compare the grid's text with
// what the COBOL program listed.
std::string valueOf(std::string_view text)
{
    bool negative = false;
    bool point = false;
    std::string integer;
    std::string decimals;
    for (const char c : text) {
        if (c == '-')
            negative = true;
        else if (c == '.')
            point = true;
        else if (c >= '0' && c <= '9')
            (point ? decimals : integer) += c;
    }
    integer.erase(0, integer.find_first_not_of('0'));
    decimals.erase(decimals.find_last_not_of('0') + 1);
    if (integer.empty() && decimals.empty())
        return "0";
    return (negative ? "-" : "") + (integer.empty() ? "0" : integer) + (decimals.empty() ? "" : "." + decimals);
}

std::vector<std::vector<std::string>> listing()
{
    std::vector<std::vector<std::string>> rows;
    for (const std::string &line : splitSourceLines(readFileBytes(kData + "datafix.txt").value())) {
        if (line.empty())
            continue;
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t bar; (bar = line.find('|', start)) != std::string::npos; start = bar + 1)
            fields.push_back(line.substr(start, bar - start));
        fields.push_back(line.substr(start));
        rows.push_back(fields);
    }
    return rows;
}

TEST(DataFile, GnuCobolRecordsReadBackToTheValuesWritten)
{
    const Layout layout = fixtureLayout();
    const std::vector<std::vector<std::string>> values = listing();
    ASSERT_EQ(values.size(), 5u);
    for (const auto &[name, order] : {std::pair{"datafix-big.dat", ByteOrder::BigEndian},
                                      std::pair{"datafix-little.dat", ByteOrder::LittleEndian}}) {
        Result<DataFile> data = DataFile::open(kData + name, layout.columns, layout.recordLength, order);
        ASSERT_TRUE(data) << data.error();
        ASSERT_EQ(data.value().recordCount(), values.size());
        for (std::size_t r = 0; r < values.size(); ++r) {
            ASSERT_EQ(values[r].size(), layout.columns.size());
            for (std::size_t c = 0; c < layout.columns.size(); ++c) {
                const std::string cell = data.value().cell(r, c);
                // The listing's lines lose their trailing spaces.
                std::string listed = values[r][c];
                listed.resize(std::max(listed.size(), layout.columns[c].size), ' ');
                if (layout.columns[c].display.alphanumeric && layout.columns[c].usage == Usage::Display)
                    EXPECT_EQ(cell, listed) << name << " record " << r + 1 << " " << layout.columns[c].header;
                else
                    EXPECT_EQ(valueOf(cell), valueOf(values[r][c]))
                        << name << " record " << r + 1 << " " << layout.columns[c].header << ": " << cell;
            }
        }
    }
}

TEST(DataFile, ValuesWrittenBackGiveGnuCobolsBytes)
{
    const Layout layout = fixtureLayout();
    const std::vector<std::vector<std::string>> values = listing();
    TempFolder folder;
    for (const auto &[name, order] : {std::pair{"datafix-big.dat", ByteOrder::BigEndian},
                                      std::pair{"datafix-little.dat", ByteOrder::LittleEndian}}) {
        DataFile data(layout.columns, layout.recordLength, order);
        for (std::size_t r = 0; r < values.size(); ++r) {
            data.insertRecord(r);
            for (std::size_t c = 0; c < layout.columns.size(); ++c)
                data.setCell(r, c, values[r][c]);
        }
        ASSERT_FALSE(data.validate().has_value()) << data.validate()->message;
        const std::string path = folder.file(name);
        ASSERT_TRUE(data.save(path, order));
        EXPECT_EQ(readFileBytes(path).value(), readFileBytes(kData + name).value()) << name;
        EXPECT_FALSE(data.modified());
        EXPECT_EQ(data.path(), path);
    }
}

TEST(DataFile, SavingInTheOtherByteOrderTurnsBinaryFieldsRound)
{
    const Layout layout = fixtureLayout();
    TempFolder folder;
    Result<DataFile> data = DataFile::open(kData + "datafix-big.dat", layout.columns, layout.recordLength,
                                           ByteOrder::BigEndian);
    ASSERT_TRUE(data);
    ASSERT_TRUE(data.value().save(folder.file("little.dat"), ByteOrder::LittleEndian));
    EXPECT_EQ(readFileBytes(folder.file("little.dat")).value(), readFileBytes(kData + "datafix-little.dat").value());
    EXPECT_EQ(data.value().byteOrder(), ByteOrder::LittleEndian);
    EXPECT_EQ(data.value().cell(2, 6), "-0005");
}

TEST(DataFile, OpeningChecksTheLengthAndNeedsOnlyToRead)
{
    const Layout layout = smallLayout();
    ASSERT_EQ(layout.recordLength, 12u);
    TempFolder folder;
    const std::string odd = folder.file("odd.dat");
    ASSERT_TRUE(writeFileSafely(odd, std::string(25, ' ')));
    Result<DataFile> refused = DataFile::open(odd, layout.columns, layout.recordLength, ByteOrder::BigEndian);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.error(), "This file's length is not a multiple of the record length: the file has 25 bytes, a "
                               "record 12, and 1 byte is left over after 2 records.");

    const std::string empty = folder.file("empty.dat");
    ASSERT_TRUE(writeFileSafely(empty, ""));
    Result<DataFile> none = DataFile::open(empty, layout.columns, layout.recordLength, ByteOrder::BigEndian);
    ASSERT_TRUE(none);
    EXPECT_EQ(none.value().recordCount(), 0u);

    Result<DataFile> missing =
        DataFile::open(folder.file("missing.dat"), layout.columns, layout.recordLength, ByteOrder::BigEndian);
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().rfind("Cannot open file " + folder.file("missing.dat"), 0), 0u) << missing.error();

    const std::string readOnly = folder.file("readonly.dat");
    ASSERT_TRUE(writeFileSafely(readOnly, record("ABCD", "042", "\x12\x34\x5D"s, "\xFF\xFB"s)));
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    Result<DataFile> viewed = DataFile::open(readOnly, layout.columns, layout.recordLength, ByteOrder::BigEndian);
    ASSERT_TRUE(viewed) << viewed.error();
    EXPECT_EQ(viewed.value().cell(0, 2), "123.45-");
}

TEST(DataFile, RecordsNobodyTouchedKeepTheirBytes)
{
    const Layout layout = smallLayout();
    TempFolder folder;
    const std::string path = folder.file("data.dat");
    // Spaces in a numeric field and a packed field with bad bytes: neither
    // would survive being decoded and encoded again.
    const std::string odd = record("ODD ", "   ", "\xA1\x2C\x00"s, "\x00\x07"s);
    const std::string plain = record("PLN ", "001", "\x00\x10\x0C"s, "\x00\x01"s);
    ASSERT_TRUE(writeFileSafely(path, odd + plain));
    Result<DataFile> opened = DataFile::open(path, layout.columns, layout.recordLength, ByteOrder::BigEndian);
    ASSERT_TRUE(opened);
    DataFile &data = opened.value();
    // Shown as they stand, and marked.
    EXPECT_EQ(data.cell(0, 1), "   ");
    EXPECT_EQ(data.cell(0, 2), "Invalid packed decimal");
    EXPECT_TRUE(data.isFlagged(0, 1));
    EXPECT_TRUE(data.isFlagged(0, 2));
    EXPECT_FALSE(data.isFlagged(0, 0));
    EXPECT_FALSE(data.isFlagged(1, 1));

    EXPECT_FALSE(data.setCell(1, 1, "001")) << "the same text is no change";
    EXPECT_FALSE(data.modified());
    EXPECT_TRUE(data.setCell(1, 1, "2"));
    EXPECT_TRUE(data.modified());
    EXPECT_TRUE(data.isEdited(1, 1));
    EXPECT_FALSE(data.isEdited(1, 2));
    EXPECT_EQ(data.cell(1, 1), "2");
    ASSERT_TRUE(data.save(path, ByteOrder::BigEndian));
    EXPECT_EQ(readFileBytes(path).value(), odd + record("PLN ", "002", "\x00\x10\x0C"s, "\x00\x01"s));
    EXPECT_EQ(data.cell(1, 1), "002");
    EXPECT_FALSE(data.isEdited(1, 1));
}

TEST(DataFile, LineCommandsInsertCopyAndDeleteRecords)
{
    const Layout layout = smallLayout();
    TempFolder folder;
    const std::string path = folder.file("data.dat");
    const std::string a = record("AAAA", "001", "\x00\x10\x0C"s, "\x00\x01"s);
    const std::string b = record("BBBB", "002", "\x00\x20\x0C"s, "\x00\x02"s);
    ASSERT_TRUE(writeFileSafely(path, a + b));
    Result<DataFile> opened = DataFile::open(path, layout.columns, layout.recordLength, ByteOrder::BigEndian);
    ASSERT_TRUE(opened);
    DataFile &data = opened.value();

    data.copyRecord(0);                // A A B
    data.setCell(1, 0, "CCCC");        // A C B: the copy is a record of its own
    data.copyRecord(1);                // A C C B
    data.insertRecord(4);              // A C C B _ : Enter on the last record appends an empty one
    data.deleteRecord(3);              // A C C _
    ASSERT_EQ(data.recordCount(), 4u);
    EXPECT_EQ(data.cell(0, 0), "AAAA");
    EXPECT_EQ(data.cell(1, 0), "CCCC");
    EXPECT_EQ(data.cell(2, 0), "CCCC");
    EXPECT_EQ(data.cell(3, 0), "");
    EXPECT_EQ(data.cell(3, 3), "");

    ASSERT_TRUE(data.save(path, ByteOrder::BigEndian));
    const std::string c = record("CCCC", "001", "\x00\x10\x0C"s, "\x00\x01"s);
    const std::string empty = record("    ", "000", "\x00\x00\x0C"s, std::string(2, '\0'));
    EXPECT_EQ(readFileBytes(path).value(), a + c + c + empty);
    EXPECT_EQ(data.cell(3, 3), "+0000");
}

TEST(DataFile, SavingThroughLinksWritesTheLinkedFile)
{
    // The records are read from the file while the save writes it: with the
    // first record gone, every record moves, and a hard-linked file is
    // written in place. Nothing may be read back from half-written bytes.
    const Layout layout = smallLayout();
    TempFolder folder;
    const std::string real = folder.file("real.dat");
    const std::string a = record("AAAA", "001", "\x00\x10\x0C"s, "\x00\x01"s);
    const std::string b = record("BBBB", "002", "\x00\x20\x0C"s, "\x00\x02"s);
    const std::string c = record("CCCC", "003", "\x00\x30\x0C"s, "\x00\x03"s);
    ASSERT_TRUE(writeFileSafely(real, a + b + c));
    fs::create_hard_link(real, folder.file("other-name.dat"));
    fs::create_symlink("real.dat", folder.file("link.dat"));
    const std::string link = folder.file("link.dat");
    Result<DataFile> opened = DataFile::open(link, layout.columns, layout.recordLength, ByteOrder::BigEndian);
    ASSERT_TRUE(opened);
    DataFile &data = opened.value();
    data.deleteRecord(0);
    data.copyRecord(1);
    ASSERT_TRUE(data.save(link, ByteOrder::BigEndian));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFileBytes(real).value(), b + c + c);
    EXPECT_EQ(readFileBytes(folder.file("other-name.dat")).value(), b + c + c);
    EXPECT_EQ(fs::hard_link_count(real), 2u);
    EXPECT_EQ(folder.entries(), 3u) << "no staging file left";
    EXPECT_EQ(data.cell(2, 0), "CCCC");
}

TEST(DataFile, AFailingCellStopsTheSaveBeforeAnythingIsWritten)
{
    const Layout layout = smallLayout();
    TempFolder folder;
    const std::string path = folder.file("data.dat");
    const std::string a = record("AAAA", "001", "\x00\x10\x0C"s, "\x00\x01"s);
    ASSERT_TRUE(writeFileSafely(path, a + a + a));
    Result<DataFile> opened = DataFile::open(path, layout.columns, layout.recordLength, ByteOrder::BigEndian);
    ASSERT_TRUE(opened);
    DataFile &data = opened.value();

    struct Case {
        std::size_t record;
        std::size_t column;
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {2, 1, "12a", "line 3 CNT has non-numeric character"},
        {1, 2, "1.234", "line 2 AMT has too many decimal digits"},
        {0, 3, "40000", "line 1 QTY has too many significant digits"},
        {1, 0, "TOO LONG", "line 2 NAME is too long"},
        {0, 2, "1 2", "line 1 AMT cannot be stored: Invalid value"},
    };
    for (const Case &c : cases) {
        DataFile copy = data;
        copy.setCell(c.record, c.column, c.text);
        const std::optional<CellFailure> failure = copy.validate();
        ASSERT_TRUE(failure.has_value()) << c.text;
        EXPECT_EQ(failure->record, c.record);
        EXPECT_EQ(failure->column, c.column);
        EXPECT_EQ(failure->message, c.message);
        const Result<void> saved = copy.save(path, ByteOrder::BigEndian);
        ASSERT_FALSE(saved);
        EXPECT_EQ(saved.error(), c.message);
        EXPECT_TRUE(copy.modified());
        EXPECT_EQ(readFileBytes(path).value(), a + a + a);
        EXPECT_EQ(folder.entries(), 1u) << "no temporary file is left behind";
    }
}

} // namespace
