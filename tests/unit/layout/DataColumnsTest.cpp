#include "layout/core/DataColumns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace norvane;

namespace {

std::vector<std::string> source(std::initializer_list<const char *> entries)
{
    std::vector<std::string> lines;
    for (const char *entry : entries)
        lines.push_back(std::string(7, ' ') + entry);
    return lines;
}

Result<std::vector<DataColumn>> columnsOf(std::initializer_list<const char *> entries)
{
    Result<LayoutTable> table = CalcRecordLayout(source(entries), LayoutMode::Data);
    if (!table)
        return Error{table.error()};
    return BuildDataHeaders(table.value());
}

std::vector<std::string> headersOf(const std::vector<DataColumn> &columns)
{
    std::vector<std::string> headers;
    for (const DataColumn &column : columns)
        headers.push_back(column.header + "|" + column.picture + "|" + std::to_string(column.offset) + "|" +
                          std::to_string(column.size));
    return headers;
}

std::string bytes(std::initializer_list<int> values)
{
    std::string b;
    for (const int v : values)
        b.push_back(static_cast<char>(v));
    return b;
}

DataColumn column(const char *entry)
{
    Result<std::vector<DataColumn>> columns = columnsOf({"01 R.", entry});
    EXPECT_TRUE(columns) << (columns ? "" : columns.error());
    return columns ? columns.value().front() : DataColumn{};
}

TEST(DataColumns, HeadersCarryTheSubscriptsOfTheirOccurrences)
{
    const Result<std::vector<DataColumn>> columns = columnsOf({
        "01 REC.",
        "05 AMOUNT PIC S9(3)V99 COMP-3.",
        "05 TABLE-ENTRY PIC X OCCURS 2.",
        "05 G OCCURS 2.",
        "10 QTY PIC 99 OCCURS 2.",
        "10 H.",
        "15 CODE PIC X.",
        "05 LAST-ONE PIC 9.",
        "05 GONE REDEFINES LAST-ONE PIC X.",
    });
    ASSERT_TRUE(columns) << columns.error();
    const std::vector<std::string> expected = {
        "AMOUNT|S9(3)V99|0|3",  "TABLE-ENTRY (1)|X|3|1", "TABLE-ENTRY (2)|X|4|1", "QTY (1,1)|99|5|2",
        "QTY (1,2)|99|7|2",     "CODE (1)|X|9|1",         "QTY (2,1)|99|10|2",     "QTY (2,2)|99|12|2",
        "CODE (2)|X|14|1",
        "LAST-ONE|9|15|1", // an item at the group's level ends the group's subscripts
    };
    EXPECT_EQ(headersOf(columns.value()), expected);
}

TEST(DataColumns, FieldsTheGridCannotShowAreRefusedByName)
{
    struct Case {
        std::initializer_list<const char *> entries;
        std::string message;
    };
    const Case cases[] = {
        {{"01 R.", "05 P USAGE COMP-X."}, "P has unsupported usage COMP-X"},
        {{"01 R.", "05 A PIC S9(40)."}, "A: PIC S9(40) has more than 38 digits"},
        {{"01 R.", "05 A PIC X(4).", "05 B REDEFINES A PIC 9V9V9."}, "B: PIC 9V9V9 has more than one V"},
        {{"01 R."}, "The record definition has no elementary items"},
    };
    for (const Case &c : cases) {
        const Result<std::vector<DataColumn>> columns = columnsOf(c.entries);
        ASSERT_FALSE(columns) << c.message;
        EXPECT_EQ(columns.error(), c.message);
    }
}

// Every usage has its column: numbers for floats and separate signs, the bytes
// in hexadecimal (read-only in the grid) for what has no value to show.
TEST(DataColumns, EveryUsageGetsAColumn)
{
    const Result<std::vector<DataColumn>> columns = columnsOf({
        "01 R.",
        "05 F PIC X.",
        "05 RATE COMP-1.",
        "05 BIG USAGE COMP-2.",
        "05 P USAGE POINTER.",
        "05 I INDEX.",
        "05 N PIC N(2).",
        "05 L PIC S9(3) SIGN LEADING SEPARATE.",
        "05 T PIC S9(3)V9 SIGN TRAILING SEPARATE CHARACTER.",
        "05 C5 PIC S9(4) COMP-5.",
    });
    ASSERT_TRUE(columns) << columns.error();
    const std::vector<std::string> expected = {
        "F|X|0|1",   "RATE||1|4",     "BIG||5|8",     "P||13|8",       "I||21|4",
        "N|N(2)|25|4", "L|S9(3)|29|4", "T|S9(3)V9|33|5", "C5|S9(4)|38|2",
    };
    EXPECT_EQ(headersOf(columns.value()), expected);
    const std::vector<DataColumn> &c = columns.value();
    EXPECT_FALSE(c[1].hex);
    EXPECT_TRUE(c[3].hex);
    EXPECT_TRUE(c[4].hex);
    EXPECT_TRUE(c[5].hex);
    EXPECT_TRUE(c[8].native);
    EXPECT_EQ(c[3].usageText, "POINTER");
    EXPECT_EQ(c[8].usageText, "COMP-5");
}

TEST(DataColumns, EveryUsageReadsAndWritesItsBytes)
{
    const DataFormat little = DataFormat::withOrder(ByteOrder::LittleEndian);
    DataFormat mixed; // COMP big-endian, COMP-5 and floats the machine's little-endian, as GnuCOBOL writes
    mixed.nativeOrder = ByteOrder::LittleEndian;
    DataFormat ibm;
    ibm.floats = FloatFormat::IbmHex;
    struct Case {
        const char *entry;
        DataFormat format;
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"05 F COMP-1.", DataFormat{}, bytes({0x3F, 0xC0, 0, 0}), "1.5"},
        {"05 F COMP-1.", little, bytes({0, 0, 0xC0, 0x3F}), "1.5"},
        {"05 F COMP-1.", mixed, bytes({0, 0, 0xC0, 0x3F}), "1.5"},
        {"05 F COMP-2.", DataFormat{}, bytes({0xBF, 0xB9, 0x99, 0x99, 0x99, 0x99, 0x99, 0x9A}), "-0.1"},
        {"05 F COMP-2.", DataFormat{}, bytes({0x7E, 0x37, 0xE4, 0x3C, 0x88, 0x00, 0x75, 0x9C}), "1e+300"},
        {"05 F COMP-1.", ibm, bytes({0x41, 0x18, 0, 0}), "1.5"},
        {"05 F COMP-1.", ibm, bytes({0xC2, 0x76, 0xA0, 0}), "-118.625"},
        {"05 F COMP-2.", ibm, bytes({0x40, 0x19, 0x99, 0x99, 0x99, 0x99, 0x99, 0x9A}), "0.1"},
        {"05 F COMP-1.", ibm, bytes({0, 0, 0, 0}), "0"},
        {"05 P POINTER.", DataFormat{}, bytes({0, 0, 0x7F, 0xFF, 0x12, 0x34, 0xAB, 0xCD}), "00007FFF1234ABCD"},
        {"05 N PIC N(2).", DataFormat{}, bytes({0, 0x41, 0, 0x42}), "00410042"},
        {"05 S PIC S9(3) SIGN LEADING SEPARATE.", DataFormat{}, "-012", "-012"},
        {"05 S PIC S9(3) SIGN LEADING SEPARATE.", DataFormat{}, "+345", "+345"},
        {"05 S PIC S9(3)V9 SIGN TRAILING SEPARATE.", DataFormat{}, "1234-", "-123.4"},
        {"05 S PIC S9(4) COMP-5.", mixed, bytes({0x39, 0x30}), "+12345"},
        {"05 S PIC S9(4) COMP.", mixed, bytes({0x04, 0xD2}), "+1234"},
        {"05 S BINARY-LONG.", mixed, bytes({0xFF, 0xFF, 0xFF, 0xFF}), "-0000000001"},
    };
    for (const Case &c : cases) {
        const CellFormat format = CellFormat::make(c.format).value();
        const DataColumn col = column(c.entry);
        EXPECT_EQ(DecodeCell(col, c.bytes, format), c.text) << c.entry << " " << c.text;
        EXPECT_FALSE(IsCellFlagged(col, c.bytes, format)) << c.entry << " " << c.text;
        const Result<std::string> stored = CellBytes(col, c.text, format);
        ASSERT_TRUE(stored) << c.entry << " " << c.text << stored.error();
        EXPECT_EQ(stored.value(), c.bytes) << c.entry << " " << c.text;
    }
}

TEST(DataColumns, FloatsAndSeparateSignsRefuseWhatTheyCannotHold)
{
    DataFormat ibm;
    ibm.floats = FloatFormat::IbmHex;
    struct Case {
        const char *entry;
        DataFormat format;
        std::string text;
        std::string complaint;
    };
    const Case cases[] = {
        {"05 F COMP-1.", DataFormat{}, "1e39", " cannot be stored: Value too large for field"},
        {"05 F COMP-1.", DataFormat{}, "abc", " cannot be stored: Invalid value"},
        {"05 F COMP-2.", DataFormat{}, "-2.5E+20", ""},
        {"05 F COMP-2.", DataFormat{}, "1e-400", ""}, // too small becomes zero, as a MOVE makes it
        {"05 F COMP-1.", ibm, "1e76", " cannot be stored: Value too large for field"},
        {"05 F COMP-1.", ibm, "nan", " cannot be stored: IBM floating point has no nan"},
        {"05 P POINTER.", DataFormat{}, "12", " cannot be stored: Invalid hexadecimal"},
        {"05 S PIC S9(3) SIGN LEADING SEPARATE.", DataFormat{}, "1234", " has too many significant digits"},
        {"05 S PIC S9(3) SIGN LEADING SEPARATE.", DataFormat{}, "-7", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CheckCell(column(c.entry), c.text, CellFormat::make(c.format).value()), c.complaint)
            << c.entry << " " << c.text;
    EXPECT_EQ(EncodeCell(column("05 S PIC S9(3) SIGN LEADING SEPARATE."), "-7", CellFormat()).value(), "-007");
    // Bytes that are no value of the field are flagged, never changed.
    EXPECT_TRUE(IsCellFlagged(column("05 S PIC S9(3) SIGN LEADING SEPARATE."), " 12", CellFormat()));
    EXPECT_TRUE(IsCellFlagged(column("05 F COMP-1."), bytes({0x7F, 0xC0, 0, 1}), CellFormat()));
    EXPECT_TRUE(IsCellFlagged(column("05 F COMP-1."), bytes({0x41, 0x01, 0, 0}), CellFormat::make(ibm).value()))
        << "an unnormalized IBM float";
}

// Usages that fix their own size hold whatever their bytes hold.
TEST(DataColumns, BinaryUsagesWithoutAPictureShowAndStoreTheirBytesRange)
{
    const Result<std::vector<DataColumn>> columns = columnsOf(
        {"01 R.", "05 C BINARY-CHAR.", "05 U BINARY-CHAR UNSIGNED.", "05 L BINARY-LONG.", "05 D BINARY-DOUBLE."});
    ASSERT_TRUE(columns) << columns.error();
    ASSERT_EQ(columns.value().size(), 4u);
    const std::vector<DataColumn> &c = columns.value();
    EXPECT_EQ(c[0].size, 1u);
    EXPECT_EQ(DecodeCell(c[0], "\xFF", ByteOrder::BigEndian), "-001");
    EXPECT_EQ(DecodeCell(c[1], "\xFF", ByteOrder::BigEndian), "255");
    EXPECT_EQ(CellBytes(c[1], "255", ByteOrder::BigEndian).value(), "\xFF");
    EXPECT_EQ(CheckCell(c[1], "256", ByteOrder::BigEndian), " cannot be stored: Value too large for field");
    EXPECT_EQ(CellBytes(c[2], "-2147483648", ByteOrder::LittleEndian).value(), std::string("\0\0\0\x80", 4));
    EXPECT_EQ(c[3].size, 8u);
}

TEST(DataColumns, RecordCountNeedsAWholeNumberOfRecords)
{
    EXPECT_EQ(RecordCount(0, 10).value(), 0u);
    EXPECT_EQ(RecordCount(30, 10).value(), 3u);
    ASSERT_FALSE(RecordCount(25, 10));
    EXPECT_EQ(RecordCount(25, 10).error(), "This file's length is not a multiple of the record length");
    EXPECT_FALSE(RecordCount(10, 0));
}

TEST(DataColumns, CellsShowTheirFieldsAsTheGridDoes)
{
    struct Case {
        const char *entry;
        std::string bytes;
        ByteOrder order;
        std::string text;
    };
    const Case cases[] = {
        {"05 F PIC S9(3)V99 COMP-3.", bytes({0x12, 0x34, 0x5C}), ByteOrder::BigEndian, "123.45+"},
        {"05 F PIC 9(3)V99 COMP-3.", bytes({0x12, 0x34, 0x5F}), ByteOrder::BigEndian, "123.45"},
        {"05 F PIC S9(4) COMP-3.", bytes({0x00, 0x01, 0x2C}), ByteOrder::BigEndian, "00012+"},
        {"05 F PIC S9(3) COMP-3.", bytes({0xA1, 0x2C}), ByteOrder::BigEndian, "Invalid packed decimal"},
        {"05 F PIC S9(4) COMP.", bytes({0xFF, 0xFB}), ByteOrder::BigEndian, "-0005"},
        {"05 F PIC S9(4) COMP.", bytes({0xFB, 0xFF}), ByteOrder::LittleEndian, "-0005"},
        {"05 F PIC 9(4) COMP.", bytes({0x00, 0x01}), ByteOrder::LittleEndian, "0256"},
        {"05 F PIC 9(4) COMP.", bytes({0xFF, 0xFF}), ByteOrder::BigEndian, "65535"}, // never cut to the picture
        {"05 F PIC 9(5) COMP.", bytes({0, 0, 0x30, 0x39}), ByteOrder::BigEndian, "000012345"},
        {"05 F PIC S9(7)V99 COMP.", bytes({0xFF, 0xFF, 0xCF, 0xC7}), ByteOrder::BigEndian, "-0000123.45"},
        {"05 F PIC S9(18) COMP.", bytes({0x80, 0, 0, 0, 0, 0, 0, 0}), ByteOrder::BigEndian, "-9223372036854775808"},
        {"05 F PIC S9(3)V99.", "1234u", ByteOrder::BigEndian, "-123.45"},
        {"05 F PIC X(4).", "AB\"C", ByteOrder::BigEndian, "AB\"C"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(DecodeCell(column(c.entry), c.bytes, c.order), c.text) << c.entry;
}

TEST(DataColumns, CellsAreStoredInExactlyTheirFieldsBytes)
{
    struct Case {
        const char *entry;
        std::string text;
        ByteOrder order;
        std::string bytes;
    };
    const Case cases[] = {
        {"05 F PIC 9(4) COMP.", "1", ByteOrder::BigEndian, bytes({0x00, 0x01})},
        {"05 F PIC 9(4) COMP.", "1", ByteOrder::LittleEndian, bytes({0x01, 0x00})},
        {"05 F PIC S9(4) COMP.", "-0005", ByteOrder::BigEndian, bytes({0xFF, 0xFB})},
        {"05 F PIC S9(18) COMP.", "-1", ByteOrder::LittleEndian, std::string(8, '\xFF')},
        {"05 F PIC S9(3)V99 COMP-3.", "123.45+", ByteOrder::BigEndian, bytes({0x12, 0x34, 0x5C})},
        {"05 F PIC S9(3)V99 COMP-3.", "-1.5", ByteOrder::BigEndian, bytes({0x00, 0x15, 0x0D})},
        {"05 F PIC S9(3)V99.", "-123.45", ByteOrder::BigEndian, "1234u"},
        {"05 F PIC X(5).", "AB", ByteOrder::BigEndian, "AB   "},
        {"05 F PIC 9(3).", "", ByteOrder::BigEndian, "000"},
        {"05 F PIC S9(3) COMP-3.", "", ByteOrder::BigEndian, bytes({0x00, 0x0C})},
    };
    for (const Case &c : cases) {
        const Result<std::string> stored = EncodeCell(column(c.entry), c.text, c.order);
        ASSERT_TRUE(stored) << c.entry << " " << stored.error();
        EXPECT_EQ(stored.value(), c.bytes) << c.entry << " " << c.text;
    }
}

// An edited field whose V or P keeps the point or digits out of its
// characters shows them as COBOL's DISPLAY does, so that bytes that are no
// value never show as the text of one: in PIC V90, 00 (zero) and .0 (no
// value) once both showed ".0", and the grid's text was written back as 00.
TEST(DataColumns, EditedPicturesWithVOrPShowTheirCharacters)
{
    struct Case {
        const char *entry;
        std::string bytes;
        bool flagged;
    };
    const Case cases[] = {
        {"05 F PIC V90.", "00", false},     {"05 F PIC V90.", ".0", true},   {"05 F PIC V90.", "50", false},
        {"05 F PIC ZZ9V99.", "  050", false}, {"05 F PIC ZZ9V99.", "  0.5", true},
        {"05 F PIC ZZ9PP.", "  5", false},  {"05 F PIC ZZ9PP.", "500", false}, {"05 F PIC PP90.", "50", false},
        {"05 F PIC $$9V9.", " $00", false}, {"05 F PIC $$9V9.", "$0.0", true},
    };
    for (const Case &c : cases) {
        const DataColumn field = column(c.entry);
        EXPECT_EQ(DecodeCell(field, c.bytes, ByteOrder::BigEndian), c.bytes) << c.entry << " " << c.bytes;
        EXPECT_EQ(IsCellFlagged(field, c.bytes, ByteOrder::BigEndian), c.flagged) << c.entry << " " << c.bytes;
        const Result<std::string> back = EncodeCell(field, c.bytes, ByteOrder::BigEndian, CellSource::Shown);
        ASSERT_TRUE(back) << c.entry << " " << c.bytes;
        EXPECT_EQ(back.value(), c.bytes) << c.entry;
    }

    // Typed, a value is edited into the characters, and the characters
    // themselves are what the field holds.
    const struct {
        const char *entry;
        const char *typed;
        const char *written;
    } typed[] = {
        {"05 F PIC V90.", ".5", "50"},     {"05 F PIC V90.", "50", "50"},         {"05 F PIC V90.", "0", "00"},
        {"05 F PIC ZZ9V99.", "1.5", "  150"}, {"05 F PIC ZZ9V99.", "  150", "  150"}, {"05 F PIC ZZ9PP.", "1200", " 12"},
        {"05 F PIC PP90.", ".005", "50"},
    };
    for (const auto &t : typed) {
        const Result<std::string> stored = EncodeCell(column(t.entry), t.typed, ByteOrder::BigEndian);
        ASSERT_TRUE(stored) << t.entry << " " << t.typed << " " << stored.error();
        EXPECT_EQ(stored.value(), t.written) << t.entry << " " << t.typed;
    }
}

// Every NaN shows as "nan" or "-nan", whatever its payload: the shown text
// is refused rather than stored as another NaN's bytes, and typed it is the
// standard NaN.
TEST(DataColumns, ANaNsTextDoesNotStandForItsBytes)
{
    const DataColumn field = column("05 F COMP-2.");
    const std::string payload(8, '\xFF');
    EXPECT_EQ(DecodeCell(field, payload, ByteOrder::BigEndian), "-nan");
    EXPECT_TRUE(IsCellFlagged(field, payload, ByteOrder::BigEndian));
    EXPECT_FALSE(EncodeCell(field, "-nan", ByteOrder::BigEndian, CellSource::Shown));
    EXPECT_FALSE(EncodeCell(field, "nan", ByteOrder::BigEndian, CellSource::Shown));
    const Result<std::string> typed = EncodeCell(field, "nan", ByteOrder::BigEndian);
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed.value(), bytes({0x7F, 0xF8, 0, 0, 0, 0, 0, 0}));
    // An infinity has one pattern for each sign: its text gives it back.
    const std::string infinity = bytes({0xFF, 0xF0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(EncodeCell(field, DecodeCell(field, infinity, ByteOrder::BigEndian), ByteOrder::BigEndian, CellSource::Shown)
                  .value(),
              infinity);
}

TEST(DataColumns, CheckCellRefusesWhatTheFieldCannotHold)
{
    struct Case {
        const char *entry;
        std::string text;
        std::string complaint;
    };
    const Case cases[] = {
        {"05 F PIC 9(3).", "12a", " has non-numeric character"},
        {"05 F PIC 9(4) COMP.", "65535", " has too many significant digits"},
        {"05 F PIC S9(4) COMP.", "99999", " has too many significant digits"},
        {"05 F PIC S9(3) COMP-3.", "1 2", " cannot be stored: Invalid value"}, // passes the check, not the codec
        {"05 F PIC X(2).", "ABC", " is too long"},
        {"05 F PIC 9(3).", "", ""},
        {"05 F PIC 9(3).", "007", ""},
        {"05 F PIC S9(3)V99 COMP-3.", "00123.45+", ""},
        // A picture with no character to show the sign in never drops it
        // (9+++,,+9, where the sign once went missing, is refused by the
        // layout now, as compilers refuse it).
        {"05 F PIC ZZ9.", "-4", " should be unsigned"},
        {"05 F PIC 9(3)B.", "-4", " should be unsigned"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(CheckCell(column(c.entry), c.text, ByteOrder::BigEndian), c.complaint) << c.entry << " " << c.text;
}

} // namespace
