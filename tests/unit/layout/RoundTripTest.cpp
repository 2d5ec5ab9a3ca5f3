// Records GnuCOBOL wrote (tests/data/layout/roundtrip: ROUNDFIX.cbl over
// ROUNDFIX.cpy, cobc -std=ibm -fnotrunc, binary big-endian): signs leading and
// trailing, edited and floating pictures, P scaling, a redefinition longer than
// its base, binary values beyond their pictures and a numeric field holding
// letters. They show what GnuCOBOL listed and go back byte for byte.

#include "common/core/FileIO.h"
#include "document/core/SourceText.h"
#include "layout/core/DataFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

using namespace norvane;
namespace fs = std::filesystem;

namespace {

const std::string kData = NORVANE_TEST_DATA "/layout/roundtrip/";

struct Layout {
    std::vector<DataColumn> columns;
    std::size_t recordLength = 0;
};

Layout fixtureLayout()
{
    Result<LayoutTable> table =
        CalcRecordLayout(splitSourceLines(readFileBytes(kData + "ROUNDFIX.cpy").value()), LayoutMode::Data);
    EXPECT_TRUE(table) << (table ? "" : table.error());
    EXPECT_EQ(table.value().message, "");
    Result<std::vector<DataColumn>> columns = BuildDataHeaders(table.value());
    EXPECT_TRUE(columns) << (columns ? "" : columns.error());
    return {columns.value(), static_cast<std::size_t>(table.value().RecData.RecordLength)};
}

DataFile openFixture(const Layout &layout)
{
    Result<DataFile> data = DataFile::open(kData + "roundfix.dat", layout.columns, layout.recordLength,
                                           ByteOrder::BigEndian);
    EXPECT_TRUE(data) << (data ? "" : data.error());
    return std::move(data).value();
}

// A number's sign and significant digits.
std::string valueOf(std::string_view text)
{
    const DecimalNumber n = ParseLooseNumber(text).normalized();
    return (n.negative ? "-" : "") + (n.integer.empty() ? std::string("0") : n.integer) +
           (n.decimals.empty() ? "" : "." + n.decimals);
}

std::vector<std::vector<std::string>> listing()
{
    std::vector<std::vector<std::string>> rows;
    for (const std::string &line : splitSourceLines(readFileBytes(kData + "roundfix.txt").value())) {
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

// Whether the grid shows the column's characters as they stand (text, and
// edited pictures).
bool shownAsTheyStand(const DataColumn &column)
{
    return column.usage == Usage::Display && (column.display.alphanumeric || column.display.edited()) &&
           column.display.numeric.has_value() == !column.display.alphanumeric;
}

TEST(RoundTrip, TheLayoutKeepsAColumnForTheLongerRedefinition)
{
    const Layout layout = fixtureLayout();
    ASSERT_EQ(layout.recordLength, 103u);
    ASSERT_EQ(layout.columns.size(), 21u);
    EXPECT_EQ(layout.columns[15].header, "(bytes 87-91)");
    EXPECT_EQ(layout.columns[15].picture, "X(5)");
    EXPECT_TRUE(layout.columns[15].uncovered);
}

TEST(RoundTrip, CellsShowWhatGnuCobolListed)
{
    const Layout layout = fixtureLayout();
    const DataFile data = openFixture(layout);
    const std::vector<std::vector<std::string>> values = listing();
    ASSERT_EQ(data.recordCount(), values.size());
    for (std::size_t r = 0; r < values.size(); ++r) {
        ASSERT_EQ(values[r].size(), layout.columns.size());
        for (std::size_t c = 0; c < layout.columns.size(); ++c) {
            const DataColumn &column = layout.columns[c];
            const std::string cell = data.cell(r, c);
            std::string listed = values[r][c];
            listed.resize(std::max(listed.size(), column.size), ' ');
            if (shownAsTheyStand(column) || data.isFlagged(r, c))
                EXPECT_EQ(cell, listed.substr(0, std::max(cell.size(), column.size)))
                    << "record " << r + 1 << " " << column.header;
            else
                EXPECT_EQ(valueOf(cell), valueOf(values[r][c])) << "record " << r + 1 << " " << column.header << ": " << cell;
        }
    }
}

TEST(RoundTrip, OnlyValuesTheirPicturesCannotTakeAreFlagged)
{
    const Layout layout = fixtureLayout();
    const DataFile data = openFixture(layout);
    std::vector<std::string> flagged;
    for (std::size_t r = 0; r < data.recordCount(); ++r) {
        for (std::size_t c = 0; c < layout.columns.size(); ++c) {
            if (data.isFlagged(r, c))
                flagged.push_back(std::to_string(r + 1) + " " + layout.columns[c].header + " " + data.cell(r, c));
        }
    }
    EXPECT_EQ(flagged, (std::vector<std::string>{"4 R-BIN 65535", "4 R-SBIN -32768", "4 R-ODD 1A2"}));
}

TEST(RoundTrip, EveryCellAsShownGoesBackToItsBytes)
{
    const Layout layout = fixtureLayout();
    const DataFile data = openFixture(layout);
    const std::string file = readFileBytes(kData + "roundfix.dat").value();
    for (std::size_t r = 0; r < data.recordCount(); ++r) {
        for (std::size_t c = 0; c < layout.columns.size(); ++c) {
            const DataColumn &column = layout.columns[c];
            const std::string expected = file.substr(r * layout.recordLength + column.offset, column.size);
            const Result<std::string> bytes = CellBytes(column, data.cell(r, c), ByteOrder::BigEndian, CellSource::Shown);
            ASSERT_TRUE(bytes) << "record " << r + 1 << " " << column.header << bytes.error();
            EXPECT_EQ(bytes.value(), expected) << "record " << r + 1 << " " << column.header;
        }
    }
}

TEST(RoundTrip, TheGridSavesUntouchedAndRetypedCellsAsTheyWere)
{
    const Layout layout = fixtureLayout();
    DataFile data = openFixture(layout);
    const std::string original = readFileBytes(kData + "roundfix.dat").value();
    std::random_device random;
    const fs::path folder = fs::temp_directory_path() / ("norvane-roundtrip-" + std::to_string(random()));
    fs::create_directories(folder);
    const std::string path = (folder / "saved.dat").string();

    // Every cell that holds a value of its picture, typed again as shown.
    for (std::size_t r = 0; r < data.recordCount(); ++r) {
        for (std::size_t c = 0; c < layout.columns.size(); ++c) {
            if (!data.isFlagged(r, c)) {
                const std::string shown = data.cell(r, c);
                data.setCell(r, c, shown + " "); // a change the check and the codecs undo
                data.setCell(r, c, shown);
            }
        }
    }
    ASSERT_FALSE(data.validate().has_value()) << data.validate()->message;
    ASSERT_TRUE(data.save(path, ByteOrder::BigEndian));
    EXPECT_EQ(readFileBytes(path).value(), original);

    // A flagged cell that is edited goes through the checks.
    ASSERT_TRUE(data.setCell(3, 19, "1A3"));
    ASSERT_TRUE(data.validate().has_value());
    EXPECT_EQ(data.validate()->message, "line 4 R-ODD has non-numeric character");
    ASSERT_TRUE(data.setCell(3, 19, "7"));
    ASSERT_TRUE(data.setCell(1, 16, "65535")); // more digits than 9(4), typed
    ASSERT_TRUE(data.validate().has_value());
    EXPECT_EQ(data.validate()->message, "line 2 R-BIN has too many significant digits");
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

TEST(RoundTrip, TypedValuesAreWrittenWhereThePictureSays)
{
    const Layout layout = fixtureLayout();
    const struct {
        std::size_t column;
        const char *typed;
        std::string bytes;
    } cases[] = {
        {2, "-123", "q23"},        // SIGN IS LEADING: the sign on the first digit
        {3, "-1.5", "p0150"},      // S9(3)V99 SIGN LEADING
        {1, "-123", "12s"},        // trailing
        {4, "-123", "123CR"},      // 9(3)CR takes a negative value
        {5, "123456", "12/34/56"}, // 99/99/99
        {6, "123456", "123 456"},  // 999B999
        {7, "123", "123000"},      // 9(3)000
        {8, "0", "******0.00"},    // ***,**9.99
        {9, "99999.99", "$99,999.99"},
        {12, "12300", "123"},      // 9(3)PP holds 12300
        {13, ".0001", "01"},       // SVPP99 holds .0001
        {13, "-.0099", "9y"},
    };
    for (const auto &c : cases) {
        const Result<std::string> bytes = CellBytes(layout.columns[c.column], c.typed, ByteOrder::BigEndian);
        ASSERT_TRUE(bytes) << layout.columns[c.column].header << " " << c.typed << bytes.error();
        EXPECT_EQ(bytes.value(), c.bytes) << layout.columns[c.column].header << " " << c.typed;
    }
    // P places hold only zeros; a value needing other digits does not fit.
    EXPECT_EQ(CheckCell(layout.columns[12], "12345", ByteOrder::BigEndian),
              " cannot be stored: Value does not fit the field");
}

} // namespace
