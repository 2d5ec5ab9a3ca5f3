#include "layout/core/LayoutCsv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace norvane;

namespace {

TEST(LayoutCsv, EveryCellQuotedCommasBetweenCrLfAfterEachRowTitleRowFirst)
{
    Result<LayoutTable> table = CalcRecordLayout(
        std::vector<std::string>{"       01 REC.", "           05 A PIC X(3).", "           05 B REDEFINES A PIC 9(3).",
                                 "           05 T PIC 9 OCCURS 2 COMP-3."},
        LayoutMode::Layout);
    ASSERT_TRUE(table);
    EXPECT_EQ(ExportLayoutCsv(table.value()),
              "\"Level\",\"Field\",\"Pic\",\"Usage\",\"Occurence\",\"Offset\",\"Redefines\"\r\n"
              "\"01\",\"REC\",\"\",\"\",\"\",\"1\",\"\"\r\n"
              "\"05\",\"A\",\"X(3)\",\"\",\"\",\"1\",\"\"\r\n"
              "\"05\",\"B\",\"9(3)\",\"\",\"\",\"1\",\"A\"\r\n"
              "\"05\",\"T\",\"9\",\"COMP-3\",\"1\",\"4\",\"\"\r\n"
              "\"05\",\"T\",\"9\",\"COMP-3\",\"2\",\"5\",\"\"\r\n");
}

TEST(LayoutCsv, CellsAreWrittenAsTheyAreQuotesAndEightBitTextIncluded)
{
    LayoutTable table;
    LayoutRow row;
    row.level = "05";
    row.field = "N\xC9" "E\"X";
    row.elementary = true;
    row.pic = "X";
    row.offset = 1;
    table.rows.push_back(row);
    const std::string csv = ExportLayoutCsv(table);
    EXPECT_EQ(csv.substr(csv.find("\r\n") + 2), "\"05\",\"N\xC9" "E\"X\",\"X\",\"\",\"\",\"1\",\"\"\r\n");
}

TEST(LayoutCsv, FileNames)
{
    const struct {
        const char *caption;
        const char *proposed;
    } proposals[] = {
        {"offset: ACCOUNT-RECORD length 300", "ACCOUNT-RECORD.csv"},
        {"offset: A length B length 12", "A length B.csv"},
        {"offset:  length 0", ".csv"},
    };
    for (const auto &c : proposals)
        EXPECT_EQ(ProposedCsvName(c.caption), c.proposed) << c.caption;

    const struct {
        const char *chosen;
        const char *name;
    } chosen[] = {
        {"/tmp/rec.csv", "/tmp/rec.csv"}, {"/tmp/rec", "/tmp/rec.csv"}, {"/tmp/rec.CSV", "/tmp/rec.CSV.csv"},
        {"csv", "csv.csv"},
    };
    for (const auto &c : chosen)
        EXPECT_EQ(WithCsvExtension(c.chosen), c.name) << c.chosen;
}

} // namespace
