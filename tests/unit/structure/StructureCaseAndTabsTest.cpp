#include "StructureTestSupport.h"

#include "common/core/FileIO.h"
#include "document/core/SourceText.h"
#include "structure/core/StructureScan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace norvane;
using namespace norvane::test;

namespace {

using Rows = std::vector<Row>;

// COBOL's reserved words are the same in any letter case: every keyword the
// scan looks for is found in lower and mixed case, and the captions keep the
// program's own letters.
TEST(StructureScanLetterCase, KeywordsCountInAnyCase)
{
    const Lines lines = {
        areaA("identification division."),     // 0
        areaA("program-id. demo."),
        areaA("Data Division."),
        areaA("working-storage section."),
        areaA("01 ws-flag pic x."),
        areaA("01 ws-name Picture x(8)."),      // 5
        areaA("01 ws-rec."),
        areaA("procedure division."),
        areaA("main Section."),
        areaA("100-start."),
        areaB("perform 200-next."),             // 10
        areaB("Perform until ws-flag = 'y'"),
        areaB("perform Varying ws-i from 1 by 1"),
        areaB("perform"),
        areaB("    300-end."),
        areaA("exec sql"),                      // 15
        areaA("Include sqlca"),
        areaA("End-Exec."),
        areaA("200-next."),
    };
    const StructureTree tree = scanStructure(lines, kBothOptions);
    EXPECT_EQ(rowsOf(tree), (Rows{
                                {0, 0, areaA("identification division.")},
                                {2, 0, areaA("Data Division.")},
                                {3, 0, areaA("working-storage section.")},
                                {4, 1, areaA("01 ws-flag")},
                                {5, 1, areaA("01 ws-name")},
                                {6, 1, areaA("01 ws-rec.")},
                                {7, 0, areaA("procedure division.")},
                                {8, 1, areaA("main Section.")},
                                {9, 2, areaA("100-start.")},
                                {10, 3, performed("200-next")},
                                {14, 3, performed("300-end")},
                                {16, 2, areaA("Include sqlca")},
                                {18, 2, areaA("200-next.")},
                            }));
    EXPECT_EQ(tree.DataDivisionLine, 2);
    EXPECT_EQ(tree.ProcedureDivisionLine, 7);

    // Without the PIC option the 01 levels with a picture, in any case, make no node.
    const StructureTree plain = scanStructure(lines, kNoOptions);
    for (const StructureNode &node : plain.nodes)
        EXPECT_EQ(node.text.find("ws-flag"), std::string::npos) << node.text;
}

// A tab advances to the next multiple of 8 columns, counted from 0, as GnuCOBOL
// reads fixed-format source: the column rules see the line as its columns stand.
TEST(StructureScanTabs, ColumnRulesSeeTabsExpanded)
{
    struct Case {
        const char *what;
        Lines lines;
        Rows rows;
    };
    const Case cases[] = {
        {"six spaces and a tab reach column 9, as eight spaces do",
         {"      \tDATA DIVISION.", "        X."},
         {{0, 0, "        DATA DIVISION."}}},
        {"a tab after the sequence number reaches column 9",
         {"000100\tPROCEDURE DIVISION."},
         {{0, 0, "        PROCEDURE DIVISION."}}},
        {"area B reached with a tab and spaces: a PERFORM, not a header",
         {areaA("PROCEDURE DIVISION."), areaA("P-1."), "\t   PERFORM P-2."},
         {{0, 0, areaA("PROCEDURE DIVISION.")}, {1, 0, areaA("P-1.")}, {2, 1, performed("P-2")}}},
        {"a tab over column 7 leaves a blank indicator; one past area A leaves it empty",
         {"\t\t  01 WS-A.", "      \t01 WS-B PIC X."},
         {{1, 0, "        01 WS-B"}}},
        {"tabs inside the line keep later columns where they stand",
         {areaA("01\tWS-A\tPIC X.")},
         {{0, 0, "       01       WS-A"}}},
        {"a tab that reaches beyond column 72 cuts the keyword off",
         {areaA("DATA DIVISION."), areaA(std::string(56, 'X') + "\t DIVISION.")},
         {{0, 0, areaA("DATA DIVISION.")}}},
        {"where a space would not",
         {areaA("DATA DIVISION."), areaA(std::string(56, 'X') + " DIVISION.")},
         {{0, 0, areaA("DATA DIVISION.")}, {1, 0, areaA(std::string(56, 'X') + " DIVISION")}}},
        {"the PERFORM look-ahead reads a tab-indented next line",
         {areaA("PROCEDURE DIVISION."), areaA("P-1."), areaB("PERFORM"), "\t    P-9."},
         {{0, 0, areaA("PROCEDURE DIVISION.")}, {1, 0, areaA("P-1.")}, {3, 1, performed("P-9")}}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(rowsOf(scanStructure(c.lines, kBothOptions)), c.rows) << c.what;
}

// Upper-case programs indented with tabs at the tab stops give the trees of
// their space-indented originals.
TEST(StructureScanTabs, TabStopsGiveTheTreesOfSpaces)
{
    const Lines spaces = {
        "000100 IDENTIFICATION DIVISION.",
        "000200 DATA DIVISION.",
        "000300 WORKING-STORAGE SECTION.",
        "000400 01  WS-A        PIC X.",
        "000500 PROCEDURE DIVISION.",
        "000600 MAIN-PARA.",
        "000700     PERFORM SUB-PARA.",
        "000800 SUB-PARA.",
    };
    const Lines tabs = {
        "000100 IDENTIFICATION DIVISION.",
        "000200 DATA DIVISION.",
        "000300 WORKING-STORAGE SECTION.",
        "000400 01  WS-A\tPIC X.",
        "000500 PROCEDURE DIVISION.",
        "000600 MAIN-PARA.",
        "000700\t    PERFORM SUB-PARA.",
        "000800 SUB-PARA.",
    };
    const StructureTree expected = scanStructure(spaces, kBothOptions);
    const StructureTree tree = scanStructure(tabs, kBothOptions);
    EXPECT_EQ(rowsOf(tree), rowsOf(expected));
    EXPECT_EQ(tree.DataDivisionLine, expected.DataDivisionLine);
    EXPECT_EQ(tree.ProcedureDivisionLine, expected.ProcedureDivisionLine);
}

// The scan reads a file's bytes in place, whatever its line breaks, and finds
// what it finds in the same program split into lines.
TEST(StructureScanText, BytesGiveTheTreeOfTheirLines)
{
    const Result<std::string> bytes = readFileBytes(NORVANE_TEST_DATA "/structure/CBACT04C.cbl");
    ASSERT_TRUE(bytes.ok());
    const Lines lines = splitSourceLines(bytes.value());
    const StructureTree expected = scanStructure(lines, kBothOptions);
    ASSERT_GT(expected.nodes.size(), 40u);

    const auto joined = [&lines](const std::string &lineBreak, bool finalBreak) {
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            text += lines[i];
            if (finalBreak || i + 1 < lines.size())
                text += lineBreak;
        }
        return text;
    };
    for (const std::string lineBreak : {"\n", "\r\n", "\r"}) {
        for (const bool finalBreak : {true, false}) {
            const StructureTree tree = scanStructure(joined(lineBreak, finalBreak), kBothOptions);
            EXPECT_EQ(rowsOf(tree), rowsOf(expected));
            EXPECT_EQ(tree.DataDivisionLine, expected.DataDivisionLine);
            EXPECT_EQ(tree.ProcedureDivisionLine, expected.ProcedureDivisionLine);
        }
    }
    // Empty lines count as lines; an empty text has none.
    EXPECT_EQ(rowsOf(scanStructure(std::string("\r\n\n\r") + areaA("MAIN-PARA."), kBothOptions)),
              (Rows{{3, 0, areaA("MAIN-PARA.")}}));
    EXPECT_TRUE(scanStructure(std::string(), kBothOptions).nodes.empty());
}

} // namespace
