#include "common/core/AsciiCase.h"
#include "document/core/LineReader.h"
#include "document/core/SourceColumns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace norvane;

namespace {

TEST(SourceColumns, TabsAdvanceToTheNextMultipleOfEight)
{
    const struct {
        std::string line;
        std::size_t width;
        std::string columns;
    } rows[] = {
        {"", NoLimit, ""},
        {"MOVE A TO B.", NoLimit, "MOVE A TO B."},
        {"\tX", NoLimit, "        X"},
        {"      \tX", NoLimit, "        X"},
        {"       \tX", NoLimit, "        X"},
        {"        \tX", NoLimit, "                X"},
        {"AB\tC\t\tD", NoLimit, "AB      C               D"},
        {"\t", NoLimit, "        "},
        {"12345678\t", NoLimit, "12345678        "},
        {"\tABCDEF", 10, "        AB"},
        {"ABCDEF", 3, "ABC"},
        {"AB\tC", 5, "AB   "},
        {"\xE9\t\xE9", NoLimit, "\xE9       \xE9"},
    };
    for (const auto &row : rows) {
        std::string buffer;
        EXPECT_EQ(expandTabs(row.line, buffer, row.width), row.columns) << '"' << row.line << '"';
    }
    // Without a tab nothing is copied.
    const std::string plain = "       MAIN-PARA.";
    std::string buffer;
    EXPECT_EQ(expandTabs(plain, buffer).data(), plain.data());
}

TEST(SourceColumns, ColumnOfAnOffsetCountsTabsAsTheyAdvance)
{
    const std::string line = "AB\tC\t\tD";
    const std::size_t columns[] = {0, 1, 2, 8, 9, 16, 24, 25, 26};
    for (std::size_t offset = 0; offset < std::size(columns); ++offset)
        EXPECT_EQ(columnOfOffset(line, offset), columns[offset]) << offset;
}

TEST(AsciiCase, LettersFoldAndNothingElse)
{
    EXPECT_TRUE(equalsIgnoringCase("Perform", "PERFORM"));
    EXPECT_TRUE(equalsIgnoringCase("end-exec", "END-EXEC"));
    EXPECT_FALSE(equalsIgnoringCase("PERFORMS", "PERFORM"));
    EXPECT_FALSE(equalsIgnoringCase("\xE9", "\xC9"));   // 8-bit letters stay as they are
    EXPECT_TRUE(holdsIgnoringCase("  pic x.", 1, " PIC "));
    EXPECT_FALSE(holdsIgnoringCase("  pic", 1, " PIC "));
    EXPECT_EQ(findIgnoringCase("01 A pic x Picture", " PICTURE "), std::string_view::npos);
    EXPECT_EQ(findIgnoringCase("01 A pic x Picture 9", " PICTURE "), 10u);
    EXPECT_EQ(findIgnoringCase("Main Section.", " SECTION", 5), std::string_view::npos);
    EXPECT_EQ(findIgnoringCase("Main Section.", " SECTION", 4), 4u);
}

TEST(LineReader, LinesEndAtEveryKindOfLineBreak)
{
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } rows[] = {
        {"", {}},
        {"A", {"A"}},
        {"A\n", {"A"}},
        {"A\r\nB\rC\nD", {"A", "B", "C", "D"}},
        {"\n\n", {"", ""}},
        {"\r\r\n\n", {"", "", ""}},
        {"A\n\rB", {"A", "", "B"}},
        {"A\r", {"A"}},
    };
    for (const auto &row : rows) {
        LineReader reader(row.text);
        std::vector<std::string> lines;
        std::string_view line;
        while (reader.next(line))
            lines.emplace_back(line);
        EXPECT_EQ(lines, row.lines) << '"' << row.text << '"';
    }
}

} // namespace
