#include "layout/core/DataEntry.h"
#include "layout/core/Statements.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace norvane;

namespace {

using Tokens = std::vector<std::string>;

// The line padded with spaces to column 72, then the identification area.
std::string withIdentification(std::string line, const char *identification)
{
    line.resize(72, ' ');
    return line + identification;
}

std::vector<Tokens> tokensOf(const StatementTable &table)
{
    std::vector<Tokens> result;
    for (const Statement &statement : table)
        result.push_back(statement.tokens);
    return result;
}

TEST(Statements, SplitStatements)
{
    const struct {
        const char *what;
        std::vector<std::string> lines;
        std::vector<Tokens> expected;
    } cases[] = {
        {"an entry per line",
         {"       01  REC.", "           05 A PIC X(3).", "           05 B PIC S9(4) COMP-3."},
         {{"01", "REC"}, {"05", "A", "PIC", "X(3)"}, {"05", "B", "PIC", "S9(4)", "COMP-3"}}},
        {"a statement runs on until a period ends it",
         {"           05 A PIC 9.9", "              VALUE 1.5."},
         {{"05", "A", "PIC", "9.9", "VALUE", "1.5"}}},
        {"lines of six characters or less and comment lines give nothing",
         {"000100", "", "      * 05 C PIC X.", "      / 05 C PIC X.", "      D 05 C PIC X.", "       01 R."},
         {{"01", "R"}}},
        {"columns 73 on are ignored",
         {withIdentification("       01 R.", "SEQ00001"),
          withIdentification("000200     05 LONG-NAME PIC X(04).", "ABCDEFGH"),
          withIdentification("           05 CUT PIC X(0", "4).")},
         {{"01", "R"}, {"05", "LONG-NAME", "PIC", "X(04)"}, {"05", "CUT", "PIC", "X(0"}}},
        {"two entries on one line are two statements",
         {"           05 A PIC X. 05 B PIC 99."},
         {{"05", "A", "PIC", "X"}, {"05", "B", "PIC", "99"}}},
        {"a period inside a word stays",
         {"           05 A PIC ZZ.99."},
         {{"05", "A", "PIC", "ZZ.99"}}},
        {"more than nine words are kept",
         {"           05 B REDEFINES A PIC S9(4) USAGE IS COMP OCCURS 10 TIMES."},
         {{"05", "B", "REDEFINES", "A", "PIC", "S9(4)", "USAGE", "IS", "COMP", "OCCURS", "10", "TIMES"}}},
        {"comma and semicolon separators",
         {"           05 A PIC 9(4), COMP; VALUE 1,5."},
         {{"05", "A", "PIC", "9(4)", "COMP", "VALUE", "1,5"}}},
        {"a literal is one word, periods and spaces included",
         {"           05 A PIC X(9) VALUE 'A. B ''C'.", "           05 B PIC X."},
         {{"05", "A", "PIC", "X(9)", "VALUE", "'A. B ''C'"}, {"05", "B", "PIC", "X"}}},
        {"a literal continued on the next line",
         {withIdentification("           05 A PIC X(70) VALUE 'LONG LITERAL", "SEQ"),
          "      -    'REST. DONE'.", "           05 B PIC X."},
         {{"05", "A", "PIC", "X(70)", "VALUE", "'LONG LITERAL" + std::string(27, ' ') + "REST. DONE'"},
          {"05", "B", "PIC", "X"}}},
        {"a continued word",
         {"           05 LONG-NAM", "      -       E PIC X."},
         {{"05", "LONG-NAME", "PIC", "X"}}},
        {"tabs separate words",
         {"           05\tA\tPIC X."},
         {{"05", "A", "PIC", "X"}}},
        {"an unknown indicator is read as text",
         {"      X05 A PIC X."},
         {{"X05", "A", "PIC", "X"}}},
        {"blank lines only", {"", "        ", "      *"}, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(tokensOf(SplitStatements(c.lines)), c.expected) << c.what;
}

TEST(Statements, EachStatementKnowsItsFirstLine)
{
    const StatementTable table = SplitStatements({"      * comment", "       01 R.", "", "           05 A", "           PIC X."});
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[0].firstLine, 1);
    EXPECT_EQ(table[1].firstLine, 3);
}

TEST(Statements, LevelNumbers)
{
    const struct {
        const char *token;
        std::optional<int> level;
    } cases[] = {
        {"01", 1}, {"05", 5}, {"49", 49}, {"00", 0}, {"1", 1}, {"9", 9}, {"5", 5},
        {"0", std::nullopt}, {"50", std::nullopt}, {"66", std::nullopt}, {"77", std::nullopt},
        {"88", std::nullopt}, {"001", std::nullopt}, {"A", std::nullopt}, {"", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LevelNumber(c.token), c.level) << c.token;
}

struct EntryCase {
    Tokens tokens;
    const char *name;
    const char *redefines;
    const char *picture;
    std::optional<Usage> usage;
    std::optional<std::int64_t> occurs;
};

TEST(Statements, RecognizeEntryWhateverTheOrderAndCaseOfTheClauses)
{
    const EntryCase cases[] = {
        {{"05", "AMOUNT", "PIC", "S9(5)V99", "COMP-3"}, "AMOUNT", "", "S9(5)V99", Usage::Packed, {}},
        {{"05", "B", "REDEFINES", "A", "PIC", "S9(4)", "COMP", "OCCURS", "10"}, "B", "A", "S9(4)", Usage::Binary, 10},
        {{"05", "C", "USAGE", "COMP", "PIC", "9(4)"}, "C", "", "9(4)", Usage::Binary, {}},
        {{"05", "C", "VALUE", "ZERO", "PIC", "9(4)"}, "C", "", "9(4)", {}, {}},
        {{"05", "C", "OCCURS", "3", "TIMES", "PICTURE", "IS", "X"}, "C", "", "X", {}, 3},
        {{"05", "c", "pic", "s9(4)v99", "comp"}, "c", "", "s9(4)v99", Usage::Binary, {}},
        {{"5", "D", "PIC", "9", "USAGE", "IS", "PACKED-DECIMAL"}, "D", "", "9", Usage::Packed, {}},
        {{"05", "E", "PIC", "9", "COMPUTATIONAL-3"}, "E", "", "9", Usage::Packed, {}},
        {{"05", "E", "PIC", "9", "BINARY"}, "E", "", "9", Usage::Binary, {}},
        {{"05", "E", "PIC", "9", "COMP-4"}, "E", "", "9", Usage::Binary, {}},
        {{"05", "E", "PIC", "9", "comp-5"}, "E", "", "9", Usage::Binary, {}},
        {{"05", "E", "PIC", "9", "COMPUTATIONAL"}, "E", "", "9", Usage::Binary, {}},
        {{"05", "E", "PIC", "9", "USAGE", "DISPLAY"}, "E", "", "9", Usage::Display, {}},
        {{"05", "F", "COMP-1"}, "F", "", "", Usage::Float4, {}},
        {{"05", "G", "OCCURS", "1", "TO", "20", "DEPENDING", "ON", "N"}, "G", "", "", {}, 20},
        {{"05", "PIC", "X(3)"}, "FILLER", "", "X(3)", {}, {}},
        {{"01", "REC"}, "REC", "", "", {}, {}},
    };
    for (const EntryCase &c : cases) {
        Result<std::optional<DataEntry>> entry = RecognizeEntry(Statement{c.tokens, 0});
        ASSERT_TRUE(entry);
        ASSERT_TRUE(entry.value().has_value()) << c.name;
        const DataEntry &e = *entry.value();
        EXPECT_EQ(e.name, c.name);
        EXPECT_EQ(e.redefines, c.redefines) << c.name;
        EXPECT_EQ(e.picture, c.picture) << c.name;
        EXPECT_EQ(e.usage, c.usage) << c.name;
        EXPECT_EQ(e.occurs, c.occurs) << c.name;
    }
}

TEST(Statements, SignAndSynchronizedClauses)
{
    const DataEntry e =
        *RecognizeEntry(Statement{{"05", "S", "PIC", "S9(3)", "SIGN", "IS", "LEADING", "SEPARATE", "CHARACTER", "SYNC"}, 0})
             .value();
    EXPECT_EQ(e.signSeparate, true);
    EXPECT_TRUE(e.synchronized);
    const DataEntry t = *RecognizeEntry(Statement{{"05", "T", "PIC", "S9(3)", "TRAILING"}, 0}).value();
    EXPECT_EQ(t.signSeparate, false);
}

TEST(Statements, StatementsThatAreNotEntries)
{
    const Tokens cases[] = {
        {"66", "R", "RENAMES", "A"}, {"77", "W", "PIC", "X"}, {"88", "OK", "VALUE", "'Y'"}, {"MOVE", "A", "TO", "B"},
        {"-05", "A", "PIC", "X"},    {"D", "05", "A"},         {"50", "A", "PIC", "X"},
    };
    for (const Tokens &tokens : cases) {
        Result<std::optional<DataEntry>> entry = RecognizeEntry(Statement{tokens, 0});
        ASSERT_TRUE(entry);
        EXPECT_FALSE(entry.value().has_value()) << tokens[0];
    }
}

TEST(Statements, AnOccurrenceCountThatIsNotANumberIsAnError)
{
    const struct {
        Tokens tokens;
        const char *message;
    } cases[] = {
        {{"05", "T", "PIC", "X", "OCCURS", "MANY"}, "'MANY' is not a valid integer value"},
        {{"05", "T", "PIC", "X", "OCCURS"}, "'' is not a valid integer value"},
        {{"05", "G", "OCCURS", "1", "TO", "N"}, "'N' is not a valid integer value"},
    };
    for (const auto &c : cases) {
        Result<std::optional<DataEntry>> entry = RecognizeEntry(Statement{c.tokens, 0});
        ASSERT_FALSE(entry);
        EXPECT_EQ(entry.error(), c.message);
    }
}

// A floating comment ends what is read of its line and never the entry after
// it; cobc -std=ibm gives this record 27 bytes.
TEST(Statements, FloatingCommentsEndTheLineNotTheEntry)
{
    const std::vector<std::string> lines = {
        "       01  REC.",
        "           05  A           PIC X(2). *> first field",
        "           05  B           PIC X(3).",
        "           05  C           *> the picture follows",
        "                           PIC X(4).",
        "           05  D           PIC X(5).*>glued",
        "           05  E           PIC X(6) VALUE '*> not'.",
        "           05  F           PIC X(7).                                    XXXXXXXX",
    };
    const StatementTable table = SplitStatements(lines);
    ASSERT_EQ(table.size(), 7u);
    EXPECT_EQ(table[3].tokens, (std::vector<std::string>{"05", "C", "PIC", "X(4)"}));
    EXPECT_EQ(table[5].tokens, (std::vector<std::string>{"05", "E", "PIC", "X(6)", "VALUE", "'*> not'"}));
    EXPECT_EQ(table[6].tokens, (std::vector<std::string>{"05", "F", "PIC", "X(7)"}));
}

// A tab advances to the next multiple of 8 columns, so that columns 73 on are
// the same columns the compiler ignores.
TEST(Statements, TabsCountAsTheColumnsTheyReach)
{
    const std::vector<std::string> lines = {
        "       01  REC.",
        "\t   05  A PIC X(2).",
        "           05  B PIC X(3).\t\t\t\t\t\t\t   XXXXXXXXXXXXXX",
        "           05  C PIC X(4).",
    };
    const StatementTable table = SplitStatements(lines);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[1].tokens, (std::vector<std::string>{"05", "A", "PIC", "X(2)"}));
    EXPECT_EQ(table[2].tokens, (std::vector<std::string>{"05", "B", "PIC", "X(3)"}));
    EXPECT_EQ(table[3].tokens, (std::vector<std::string>{"05", "C", "PIC", "X(4)"}));
}

// A literal left open at a line's end ends there, and its entry with it when
// its last character is a period: the entries after it are kept.
TEST(Statements, AnUnclosedLiteralIsMarkedAndKeepsTheNextEntry)
{
    const StatementTable table =
        SplitStatements({"       01  R.", "           05  A PIC X(5) VALUE 'ABC.", "           05  B PIC X."});
    ASSERT_EQ(table.size(), 3u);
    EXPECT_FALSE(table[0].unclosedLiteral);
    EXPECT_TRUE(table[1].unclosedLiteral);
    EXPECT_EQ(table[2].tokens, (std::vector<std::string>{"05", "B", "PIC", "X"}));
}

} // namespace
