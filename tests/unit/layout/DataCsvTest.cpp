#include "layout/core/DataCsv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace norvane;

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows readAll(std::string_view text)
{
    CsvReader reader(text);
    Rows rows;
    while (true) {
        Result<std::optional<std::vector<std::string>>> row = reader.next();
        EXPECT_TRUE(row) << (row ? "" : row.error());
        if (!row || !row.value())
            return rows;
        rows.push_back(*row.value());
    }
}

TEST(DataCsv, CellsAreQuotedAndQuotesInsideDoubled)
{
    struct Case {
        std::vector<std::string> cells;
        std::string csv;
    };
    const Case cases[] = {
        {{"1", "AB  ", "-0005"}, "\"1\",\"AB  \",\"-0005\"\r\n"},
        {{"", ""}, "\"\",\"\"\r\n"},
        {{"12\" pipe", "a,b"}, "\"12\"\" pipe\",\"a,b\"\r\n"},
        {{"line\r\nbreak"}, "\"line\r\nbreak\"\r\n"},
    };
    for (const Case &c : cases) {
        std::string csv;
        for (std::size_t i = 0; i < c.cells.size(); ++i)
            AppendCsvCell(csv, c.cells[i], i + 1 == c.cells.size());
        EXPECT_EQ(csv, c.csv);
        // What is written reads back as it was.
        EXPECT_EQ(readAll(csv), Rows{c.cells}) << c.csv;
    }
}

TEST(DataCsv, ReaderTakesQuotedAndPlainCellsAndEitherLineEnd)
{
    struct Case {
        std::string csv;
        Rows rows;
    };
    const Case cases[] = {
        {"\"a\",\"b\"\r\n\"c\",\"d\"\r\n", {{"a", "b"}, {"c", "d"}}},
        {"a,b\nc,d", {{"a", "b"}, {"c", "d"}}},
        {"\"a\",,\"\"\n", {{"a", "", ""}}},
        {"\"say \"hi\" now\"\r\n", {{"say \"hi\" now"}}}, // a lone quote inside is taken as it is
        {"", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(readAll(c.csv), c.rows) << c.csv;

    CsvReader open("\"a\",\"never closed\r\n");
    const Result<std::optional<std::vector<std::string>>> row = open.next();
    ASSERT_FALSE(row);
    EXPECT_EQ(row.error(), "row 1 has a quoted cell that is not closed");
}

} // namespace
