#include "layout/core/LayoutTable.h"
#include "layout/core/Picture.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace norvane;

namespace {

using Row = std::array<std::string, kLayoutColumnCount>;

// Source lines with the entries in area A (column 8 on).
std::vector<std::string> source(std::initializer_list<const char *> entries)
{
    std::vector<std::string> lines;
    for (const char *entry : entries)
        lines.push_back(std::string(7, ' ') + entry);
    return lines;
}

std::vector<std::string> source(const std::vector<std::string> &entries)
{
    std::vector<std::string> lines;
    for (const std::string &entry : entries)
        lines.push_back(std::string(7, ' ') + entry);
    return lines;
}

std::vector<Row> rowsOf(const LayoutTable &table)
{
    std::vector<Row> rows;
    for (std::size_t r = 1; r < table.rowCount(); ++r) {
        Row row;
        for (int c = 0; c < kLayoutColumnCount; ++c)
            row[static_cast<std::size_t>(c)] = table.cell(r, c);
        rows.push_back(row);
    }
    return rows;
}

LayoutTable layoutOf(std::initializer_list<const char *> entries, LayoutMode mode = LayoutMode::Layout)
{
    Result<LayoutTable> table = CalcRecordLayout(source(entries), mode);
    EXPECT_TRUE(table) << (table ? "" : table.error());
    return table ? std::move(table).value() : LayoutTable{};
}

struct LayoutCase {
    const char *what;
    std::initializer_list<const char *> entries;
    std::vector<Row> rows;
    std::int64_t length;
    std::string message;
};

void check(const LayoutCase &c, LayoutMode mode)
{
    const LayoutTable table = layoutOf(c.entries, mode);
    EXPECT_EQ(rowsOf(table), c.rows) << c.what;
    EXPECT_EQ(table.RecData.RecordLength, c.length) << c.what;
    EXPECT_EQ(table.RecData.NextOffset, c.length + 1) << c.what;
    EXPECT_EQ(table.message, c.message) << c.what;
}

TEST(LayoutTable, TitleRowAndCaption)
{
    const LayoutTable table = layoutOf({"01 REC.", "05 A PIC X(3).", "05 B PIC S9(4) COMP-3."});
    ASSERT_EQ(table.rowCount(), 4u);
    for (int c = 0; c < kLayoutColumnCount; ++c)
        EXPECT_EQ(table.cell(0, c), kLayoutTitles[static_cast<std::size_t>(c)]);
    EXPECT_EQ(LayoutCaption(table), "offset: REC length 6");
    EXPECT_EQ(DataCaption(table), "data: REC");
}

TEST(LayoutTable, ItemsFollowOneAnother)
{
    const LayoutCase cases[] = {
        {"groups take the offset of their first item",
         {"01 REC.", "05 A PIC X(3).", "05 B PIC S9(4) COMP-3."},
         {{"01", "REC", "", "", "", "1", ""}, {"05", "A", "X(3)", "", "", "1", ""}, {"05", "B", "S9(4)", "COMP-3", "", "4", ""}},
         6, ""},
        {"every usage spelling, in any case and clause order",
         {"01 R.", "05 A PIC S9(4) USAGE IS COMPUTATIONAL.", "05 B USAGE BINARY PIC 9(9).", "05 C comp-5 pic 9(18).",
          "05 D PACKED-DECIMAL PIC S9(7)V99.", "05 E VALUE 1 PIC 9 COMPUTATIONAL-3.", "05 F PIC X(2) USAGE DISPLAY.",
          "05 G COMP-4 PIC 9(10)."},
         {{"01", "R", "", "", "", "1", ""},
          {"05", "A", "S9(4)", "COMP", "", "1", ""},
          {"05", "B", "9(9)", "COMP", "", "3", ""},
          {"05", "C", "9(18)", "COMP", "", "7", ""},
          {"05", "D", "S9(7)V99", "COMP-3", "", "15", ""},
          {"05", "E", "9", "COMP-3", "", "20", ""},
          {"05", "F", "X(2)", "", "", "21", ""},
          {"05", "G", "9(10)", "COMP", "", "23", ""}},
         30, ""},
        {"one-digit levels",
         {"1 R.", "5 A PIC X.", "5 B PIC 9(3)."},
         {{"1", "R", "", "", "", "1", ""}, {"5", "A", "X", "", "", "1", ""}, {"5", "B", "9(3)", "", "", "2", ""}},
         4, ""},
        {"a group's usage applies to its items",
         {"01 R.", "05 G USAGE COMP-3.", "10 H1 PIC S9(5).", "10 H2 PIC 9(4).", "05 H3 PIC 9(4).",
          "05 K COMP.", "10 K1 PIC 9(4).", "10 K2 PIC 9(4) DISPLAY."},
         {{"01", "R", "", "", "", "1", ""},
          {"05", "G", "", "COMP-3", "", "1", ""},
          {"10", "H1", "S9(5)", "COMP-3", "", "1", ""},
          {"10", "H2", "9(4)", "COMP-3", "", "4", ""},
          {"05", "H3", "9(4)", "", "", "7", ""},
          {"05", "K", "", "COMP", "", "11", ""},
          {"10", "K1", "9(4)", "COMP", "", "11", ""},
          {"10", "K2", "9(4)", "", "", "13", ""}},
         16, ""},
        {"pictures are shown upper-cased",
         {"01 r.", "05 a pic s9(4)v99 comp.", "05 b pic x(3)."},
         {{"01", "r", "", "", "", "1", ""}, {"05", "a", "S9(4)V99", "COMP", "", "1", ""}, {"05", "b", "X(3)", "", "", "5", ""}},
         7, ""},
        {"editing symbols take their width",
         {"01 R.", "05 D PIC 99/99/99.", "05 E PIC ZZ9.99CR.", "05 F PIC A(3)B9(3)0."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "D", "99/99/99", "", "", "1", ""}, {"05", "E", "ZZ9.99CR", "", "", "9", ""},
          {"05", "F", "A(3)B9(3)0", "", "", "17", ""}},
         24, ""},
        {"a separate sign takes a byte, a group's sign clause applies to its items",
         {"01 R.", "05 A PIC S9(3) SIGN LEADING SEPARATE.", "05 G SIGN TRAILING SEPARATE.", "10 B PIC S9(3).",
          "10 C PIC 9(3).", "05 D PIC S9(3)."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "A", "S9(3)", "", "", "1", ""}, {"05", "G", "", "", "", "5", ""},
          {"10", "B", "S9(3)", "", "", "5", ""}, {"10", "C", "9(3)", "", "", "9", ""}, {"05", "D", "S9(3)", "", "", "12", ""}},
         14, ""},
        {"floats take their size without a picture",
         {"01 R.", "05 F COMP-1.", "05 G USAGE COMP-2.", "05 H PIC X."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "F", "", "COMP-1", "", "1", ""}, {"05", "G", "", "COMP-2", "", "5", ""},
          {"05", "H", "X", "", "", "13", ""}},
         13, ""},
        {"synchronized binary items start on a multiple of their size",
         {"01 R.", "05 A PIC X.", "05 B PIC S9(9) COMP SYNC.", "05 C PIC X.", "05 D PIC S9(18) COMP SYNC.",
          "05 E PIC S9(4) COMP SYNCHRONIZED.", "05 F PIC X SYNC."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "A", "X", "", "", "1", ""}, {"05", "B", "S9(9)", "COMP", "", "5", ""},
          {"05", "C", "X", "", "", "9", ""}, {"05", "D", "S9(18)", "COMP", "", "17", ""},
          {"05", "E", "S9(4)", "COMP", "", "25", ""}, {"05", "F", "X", "", "", "27", ""}},
         27, ""},
        {"the slack before a synchronized item belongs to its group",
         {"01 R.", "05 A PIC X.", "05 G.", "10 B PIC S9(9) COMP SYNC.", "05 H REDEFINES G PIC X(4)."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "A", "X", "", "", "1", ""}, {"05", "G", "", "", "", "2", ""},
          {"10", "B", "S9(9)", "COMP", "", "5", ""}, {"05", "H", "X(4)", "", "", "2", "G"}},
         8, ""},
        {"levels 66, 77, 88 and other statements are not part of the layout",
         {"01 R.", "05 A PIC X.", "88 A-YES VALUE 'Y'.", "66 ALIAS RENAMES A.", "77 W PIC X(9).", "05 B PIC X."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "A", "X", "", "", "1", ""}, {"05", "B", "X", "", "", "2", ""}},
         2, ""},
        {"two entries on one line",
         {"01 R.", "05 A PIC X. 05 B PIC 99.", "05 C PIC X."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "A", "X", "", "", "1", ""}, {"05", "B", "99", "", "", "2", ""},
          {"05", "C", "X", "", "", "4", ""}},
         4, ""},
        {"an entry without a name is a FILLER",
         {"01 R.", "05 PIC X(4).", "05 B PIC X."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "FILLER", "X(4)", "", "", "1", ""}, {"05", "B", "X", "", "", "5", ""}},
         5, ""},
    };
    for (const LayoutCase &c : cases)
        check(c, LayoutMode::Layout);
}

TEST(LayoutTable, OccurrencesAreExpanded)
{
    const LayoutCase cases[] = {
        {"an item that occurs",
         {"01 R.", "05 A PIC X.", "05 T PIC 9(2) OCCURS 3."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "A", "X", "", "", "1", ""}, {"05", "T", "9(2)", "", "1", "2", ""},
          {"05", "T", "9(2)", "", "2", "4", ""}, {"05", "T", "9(2)", "", "3", "6", ""}},
         7, ""},
        {"a group that occurs, with an item that occurs",
         {"01 R.", "05 G OCCURS 2.", "10 X PIC X.", "10 Y PIC 99 OCCURS 2.", "05 Z PIC X."},
         {{"01", "R", "", "", "", "1", ""},
          {"05", "G", "", "", "1", "1", ""},
          {"10", "X", "X", "", "", "1", ""},
          {"10", "Y", "99", "", "1", "2", ""},
          {"10", "Y", "99", "", "2", "4", ""},
          {"05", "G", "", "", "2", "6", ""},
          {"10", "X", "X", "", "", "6", ""},
          {"10", "Y", "99", "", "1", "7", ""},
          {"10", "Y", "99", "", "2", "9", ""},
          {"05", "Z", "X", "", "", "11", ""}},
         11, ""},
        {"nested groups that both end with the selection",
         {"01 R.", "05 O OCCURS 2 TIMES.", "10 I OCCURS 2.", "15 V PIC X."},
         {{"01", "R", "", "", "", "1", ""},
          {"05", "O", "", "", "1", "1", ""},
          {"10", "I", "", "", "1", "1", ""},
          {"15", "V", "X", "", "", "1", ""},
          {"10", "I", "", "", "2", "2", ""},
          {"15", "V", "X", "", "", "2", ""},
          {"05", "O", "", "", "2", "3", ""},
          {"10", "I", "", "", "1", "3", ""},
          {"15", "V", "X", "", "", "3", ""},
          {"10", "I", "", "", "2", "4", ""},
          {"15", "V", "X", "", "", "4", ""}},
         4, ""},
        {"OCCURS 1 gives one numbered row; OCCURS n TO m takes the most",
         {"01 R.", "05 A PIC X OCCURS 1.", "05 B PIC X OCCURS 0 TO 2 DEPENDING ON N."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "A", "X", "", "1", "1", ""}, {"05", "B", "X", "", "1", "2", ""},
          {"05", "B", "X", "", "2", "3", ""}},
         3, ""},
    };
    for (const LayoutCase &c : cases)
        check(c, LayoutMode::Layout);
}

TEST(LayoutTable, Redefinitions)
{
    const LayoutCase cases[] = {
        {"an item redefining another takes its offset; the next item follows the redefined one",
         {"01 R.", "05 A PIC X(4).", "05 B REDEFINES A PIC 9(4).", "05 C PIC X."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "A", "X(4)", "", "", "1", ""}, {"05", "B", "9(4)", "", "", "1", "A"},
          {"05", "C", "X", "", "", "5", ""}},
         5, ""},
        {"after a short redefining group the layout goes on after the redefined item",
         {"01 R.", "05 A PIC X(10).", "05 G REDEFINES A.", "10 G1 PIC X(2).", "10 G2 PIC 9(3).", "05 C PIC X."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "A", "X(10)", "", "", "1", ""}, {"05", "G", "", "", "", "1", "A"},
          {"10", "G1", "X(2)", "", "", "1", ""}, {"10", "G2", "9(3)", "", "", "3", ""}, {"05", "C", "X", "", "", "11", ""}},
         11, ""},
        {"after a long redefinition the layout goes on after it",
         {"01 R.", "05 A PIC X(2).", "05 G REDEFINES A.", "10 G1 PIC X(3).", "05 B PIC X(2).",
          "05 L REDEFINES B PIC X(4).", "05 C PIC X."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "A", "X(2)", "", "", "1", ""}, {"05", "G", "", "", "", "1", "A"},
          {"10", "G1", "X(3)", "", "", "1", ""}, {"05", "B", "X(2)", "", "", "4", ""}, {"05", "L", "X(4)", "", "", "4", "B"},
          {"05", "C", "X", "", "", "8", ""}},
         8, ""},
        {"several redefinitions of one area",
         {"01 R.", "05 A PIC X(4).", "05 B REDEFINES A PIC 9(2).", "05 C REDEFINES A PIC X(6).", "05 D PIC X."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "A", "X(4)", "", "", "1", ""}, {"05", "B", "9(2)", "", "", "1", "A"},
          {"05", "C", "X(6)", "", "", "1", "A"}, {"05", "D", "X", "", "", "7", ""}},
         7, ""},
        {"a redefinition inside an occurring group redefines within each occurrence",
         {"01 R.", "05 G OCCURS 2.", "10 A PIC X(2).", "10 B REDEFINES A PIC 99."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "G", "", "", "1", "1", ""}, {"10", "A", "X(2)", "", "", "1", ""},
          {"10", "B", "99", "", "", "1", "A"}, {"05", "G", "", "", "2", "3", ""}, {"10", "A", "X(2)", "", "", "3", ""},
          {"10", "B", "99", "", "", "3", "A"}},
         4, ""},
        {"a redefinition of a repeated item overlays its first occurrence",
         {"01 R.", "05 D PIC X OCCURS 3.", "05 E REDEFINES D PIC X(3).", "05 F PIC X."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "D", "X", "", "1", "1", ""}, {"05", "D", "X", "", "2", "2", ""},
          {"05", "D", "X", "", "3", "3", ""}, {"05", "E", "X(3)", "", "", "1", "D"}, {"05", "F", "X", "", "", "4", ""}},
         4, ""},
        {"the redefined item is found by its name among the earlier items of its level",
         {"01 R.", "05 A PIC X(3).", "05 T PIC 9 OCCURS 2.", "05 B REDEFINES A PIC 9(3).", "05 C PIC X."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "A", "X(3)", "", "", "1", ""}, {"05", "T", "9", "", "1", "4", ""},
          {"05", "T", "9", "", "2", "5", ""}, {"05", "B", "9(3)", "", "", "1", "A"}, {"05", "C", "X", "", "", "6", ""}},
         6, ""},
        {"a redefinition without the redefined item",
         {"05 B REDEFINES A PIC X(4)."},
         {{"05", "B", "X(4)", "", "", "1", "A"}},
         4, std::string(kRedefinesUnselected)},
        {"a later level-01 record shares the first one's storage",
         {"01 HEADER.", "05 H-TYPE PIC X.", "05 H-DATE PIC 9(8).", "01 DETAIL.", "05 D-TYPE PIC X.", "05 D-AMOUNT PIC 9(3)."},
         {{"01", "HEADER", "", "", "", "1", ""}, {"05", "H-TYPE", "X", "", "", "1", ""}, {"05", "H-DATE", "9(8)", "", "", "2", ""},
          {"01", "DETAIL", "", "", "", "1", ""}, {"05", "D-TYPE", "X", "", "", "1", ""}, {"05", "D-AMOUNT", "9(3)", "", "", "2", ""}},
         9, ""},
    };
    for (const LayoutCase &c : cases)
        check(c, LayoutMode::Layout);
}

TEST(LayoutTable, DataModeLeavesOutRedefinitions)
{
    const LayoutCase cases[] = {
        {"a redefining item",
         {"01 R.", "05 A PIC X(4).", "05 B REDEFINES A PIC 9(4).", "05 C PIC X."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "A", "X(4)", "", "", "1", ""}, {"05", "C", "X", "", "", "5", ""}},
         5, ""},
        {"a redefining group with its items, and further redefinitions of the same area",
         {"01 R.", "05 A PIC X(4).", "05 G REDEFINES A.", "10 G1 PIC X(2).", "10 G2 PIC X(2).", "05 H REDEFINES A PIC 9(4).",
          "05 C PIC X."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "A", "X(4)", "", "", "1", ""}, {"05", "C", "X", "", "", "5", ""}},
         5, ""},
        {"a longer redefinition still takes its room",
         {"01 R.", "05 A PIC X(2).", "05 G REDEFINES A.", "10 G1 PIC X(3).", "10 G2 PIC X(2).", "05 C PIC X."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "A", "X(2)", "", "", "1", ""}, {"05", "C", "X", "", "", "6", ""}},
         6, ""},
        {"a later level-01 record; the record is as long as the longest",
         {"01 HEADER.", "05 H-TYPE PIC X.", "01 DETAIL.", "05 D-TYPE PIC X(5)."},
         {{"01", "HEADER", "", "", "", "1", ""}, {"05", "H-TYPE", "X", "", "", "1", ""}},
         5, ""},
        {"a redefinition of an item that is not selected is left out without a complaint",
         {"05 B REDEFINES A PIC X(4).", "10 B1 PIC X.", "05 C PIC X(2).", "05 D REDEFINES C PIC X(3)."},
         {{"05", "C", "X(2)", "", "", "1", ""}},
         3, ""},
    };
    for (const LayoutCase &c : cases)
        check(c, LayoutMode::Data);
}

TEST(LayoutTable, DataModeNamesTheRecordAfterItsFirstKeptEntry)
{
    const LayoutTable table = layoutOf({"05 B REDEFINES A PIC X.", "05 C PIC X(2)."}, LayoutMode::Data);
    EXPECT_EQ(DataCaption(table), "data: C");
}

TEST(LayoutTable, ElementaryRowsCarryTheirSizeAndGroupsTheirSpan)
{
    const LayoutTable table = layoutOf({"01 R.", "05 G OCCURS 2.", "10 A PIC S9(5) COMP-3.", "10 B PIC X(2).", "05 C PIC 9(10) COMP."});
    std::vector<std::int64_t> sizes;
    for (const LayoutRow &row : table.rows)
        sizes.push_back(row.size);
    EXPECT_EQ(sizes, (std::vector<std::int64_t>{18, 5, 3, 2, 5, 3, 2, 8}));
}

TEST(LayoutTable, PictureComplaintsDoNotStopTheLayoutAndTheLastOneIsKept)
{
    const LayoutCase cases[] = {
        {"an unclosed parenthesis",
         {"01 R.", "05 A PIC X(10.", "05 B PIC X."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "A", "X(10", "", "", "1", ""}, {"05", "B", "X", "", "", "2", ""}},
         2, "A: " + std::string(kUnclosedPictureParentheses)},
        {"the last complaint wins",
         {"01 R.", "05 A PIC X(10.", "05 B PIC 9(4)Q."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "A", "X(10", "", "", "1", ""}, {"05", "B", "9(4)Q", "", "", "2", ""}},
         5, "B: " + std::string(kInvalidPictureCharacter)},
        {"a usage that cannot be laid out is reported",
         {"01 R.", "05 P USAGE COMP-X.", "05 B PIC X."},
         {{"01", "R", "", "", "", "1", ""}, {"05", "P", "", "", "", "1", ""}, {"05", "B", "X", "", "", "1", ""}},
         1, "P has unsupported usage COMP-X"},
    };
    for (const LayoutCase &c : cases)
        check(c, LayoutMode::Layout);
}

// Entries a compiler rejects (cobc -std=ibm) are reported by name; the layout
// goes on so that the user sees where the entry is.
TEST(LayoutTable, EntriesACompilerRejectsAreNamed)
{
    const struct {
        std::vector<std::string> lines;
        std::string message;
    } cases[] = {
        {{"01 R.", "05 A PIC X(5) VALUE 'ABC.", "05 B PIC X."}, "A: a literal is not closed"},
        {{"01 R.", "05 A PIC 9(3)V9(2)V9.", "05 B PIC X."}, "A: PIC 9(3)V9(2)V9 has more than one V"},
        {{"01 R.", "05 A PIC S9(40).", "05 B PIC X."}, "A: PIC S9(40) has more than 38 digits"},
        {{"01 R.", "05 A PIC X(0).", "05 B PIC X."}, "A: PIC X(0) has a repeat count of 0"},
        {{"01 R.", "05 A PIC 9S9.", "05 B PIC X."}, "A: PIC 9S9 has S elsewhere than first"},
        {{"01 R.", "05 A PIC SS9.", "05 B PIC X."}, "A: PIC SS9 has S elsewhere than first"},
        {{"01 R.", "05 A PIC 9P9.", "05 B PIC X."}, "A: PIC 9P9 has P elsewhere than at one end"},
        {{"01 R.", "05 A PIC +.", "05 B PIC X."}, "A: PIC + holds no character or digit"},
        {{"01 R.", "05 A PIC 9+++,,+9.", "05 B PIC X."}, "A: PIC 9+++,,+9 has + after 9"},
        {{"01 R.", "05 A PIC S$$$$$,$.", "05 B PIC X."}, "A: PIC S$$$$$,$ has $ after S"},
        {{"01 R.", "05 A PIC 9(3)CRDB.", "05 B PIC X."}, "A: PIC 9(3)CRDB has more than one CR or DB"},
        {{"01 R.", "05 A PIC ZZ*9.", "05 B PIC X."}, "A: PIC ZZ*9 has both Z and *"},
    };
    for (const auto &c : cases) {
        for (const LayoutMode mode : {LayoutMode::Layout, LayoutMode::Data}) {
            Result<LayoutTable> table = CalcRecordLayout(source(c.lines), mode);
            ASSERT_TRUE(table) << c.message;
            EXPECT_EQ(table.value().message, c.message);
            // Every entry is still there: B follows A.
            ASSERT_EQ(table.value().rows.size(), 3u) << c.message;
            EXPECT_EQ(table.value().rows[2].field, "B") << c.message;
        }
    }
    // Pictures a compiler takes raise nothing.
    for (const char *picture : {"S9(38)", "9(3)PP", "SVPP99", "P(3)9", "---9", "ZZ", "X9", "9(3)V", "$$", "N(3)"}) {
        Result<LayoutTable> table = CalcRecordLayout(source(std::vector<std::string>{"01 R.", std::string("05 A PIC ") + picture + "."}),
                                                     LayoutMode::Layout);
        ASSERT_TRUE(table) << picture;
        EXPECT_EQ(table.value().message, "") << picture;
    }
}

// Usages that fix their own size, as GnuCOBOL (cobc -std=ibm, 64-bit) sizes
// them (FUNCTION LENGTH), and national pictures.
TEST(LayoutTable, UsagesWithoutAPictureTakeTheirSize)
{
    const struct {
        const char *entry;
        std::int64_t size;
        const char *usageColumn;
    } cases[] = {
        {"05 F USAGE POINTER.", 8, "POINTER"},
        {"05 F USAGE PROCEDURE-POINTER.", 8, "PROCEDURE-POINTER"},
        {"05 F PROGRAM-POINTER.", 8, "PROGRAM-POINTER"},
        {"05 F USAGE INDEX.", 4, "INDEX"},
        {"05 F USAGE BINARY-CHAR.", 1, "BINARY-CHAR"},
        {"05 F BINARY-CHAR UNSIGNED.", 1, "BINARY-CHAR"},
        {"05 F USAGE IS BINARY-SHORT.", 2, "BINARY-SHORT"},
        {"05 F BINARY-LONG.", 4, "BINARY-LONG"},
        {"05 F BINARY-DOUBLE SIGNED.", 8, "BINARY-DOUBLE"},
        {"05 F COMP-1.", 4, "COMP-1"},
        {"05 F COMP-2.", 8, "COMP-2"},
        {"05 F PIC N(5).", 10, ""},
        {"05 F PIC N(5) USAGE NATIONAL.", 10, ""},
    };
    for (const auto &c : cases) {
        Result<LayoutTable> table =
            CalcRecordLayout(source(std::vector<std::string>{"01 R.", c.entry, "05 G PIC X."}), LayoutMode::Layout);
        ASSERT_TRUE(table) << c.entry;
        EXPECT_EQ(table.value().message, "") << c.entry;
        ASSERT_EQ(table.value().rows.size(), 3u) << c.entry;
        EXPECT_EQ(table.value().rows[1].size, c.size) << c.entry;
        EXPECT_EQ(table.value().rows[1].cell(UsageColumn), c.usageColumn) << c.entry;
        EXPECT_EQ(table.value().rows[2].offset, 1 + c.size) << c.entry;
    }
}

TEST(LayoutTable, FailuresLeaveNothingHalfBuilt)
{
    const struct {
        const char *what;
        std::vector<std::string> lines;
        std::string message;
    } cases[] = {
        {"comment lines only", {"      * 01 R.", "      *   05 A PIC X."}, std::string(kNoRecordDefinition)},
        {"no entry of level 1 to 49", source({"77 W PIC X.", "88 OK VALUE 1.", "MOVE A TO B."}),
         std::string(kNoRecordDefinition)},
        {"nothing at all", {}, std::string(kNoRecordDefinition)},
        {"an indicator in column 7 of an entry's first line", {"      -05 A PIC X."}, std::string(kNoRecordDefinition)},
        {"an occurrence count that is not a number", source({"01 R.", "05 A PIC X.", "05 T PIC X OCCURS N."}),
         "'N' is not a valid integer value"},
        {"a repeat count that is not a number", source({"01 R.", "05 A PIC X(N)."}), "'N' is not a valid integer value"},
        {"too many occurrences", source({"01 R.", "05 G OCCURS 1000.", "10 H OCCURS 1000.", "15 A PIC X.", "15 B PIC X."}),
         "The record layout needs more than 1000000 rows"},
    };
    for (const auto &c : cases) {
        Result<LayoutTable> table = CalcRecordLayout(c.lines, LayoutMode::Layout);
        ASSERT_FALSE(table) << c.what;
        EXPECT_EQ(table.error(), c.message) << c.what;
    }
}

TEST(LayoutTable, SelectedText)
{
    Result<LayoutTable> empty = CalcRecordLayout(std::string_view(), LayoutMode::Layout);
    ASSERT_FALSE(empty);
    EXPECT_EQ(empty.error(), kSelectRecordDefinition);

    Result<LayoutTable> table =
        CalcRecordLayout(std::string_view("       01 R.\r\n           05 A PIC X(3).\n           05 B PIC 9.\r"), LayoutMode::Layout);
    ASSERT_TRUE(table);
    EXPECT_EQ(LayoutCaption(table.value()), "offset: R length 4");
}

} // namespace
