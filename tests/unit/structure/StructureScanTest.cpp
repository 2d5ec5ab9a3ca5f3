#include "StructureTestSupport.h"

#include "structure/core/StructureScan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace norvane;
using namespace norvane::test;

namespace {

using Rows = std::vector<Row>;

Lines workedExample()
{
    return {
        areaA("IDENTIFICATION DIVISION."), // 0
        areaA("PROGRAM-ID. DEMO."),
        areaA("ENVIRONMENT DIVISION."),
        areaA("CONFIGURATION SECTION."),
        areaA("DATA DIVISION."),
        areaA("WORKING-STORAGE SECTION."), // 5
        areaA("01 WS-FLAG PIC X."),
        areaA("01 WS-REC."),
        areaB("05 WS-F1 PIC X."),
        areaA("PROCEDURE DIVISION."),
        areaA("MAIN SECTION."), // 10
        areaA("100-START."),
        areaB("PERFORM 200-NEXT."),
        areaA("200-NEXT."),
        areaA("OTHER SECTION."),
        areaB("PERFORM 300-END."), // 15
    };
}

std::vector<std::string> expandedTexts(const StructureTree &tree)
{
    std::vector<std::string> texts;
    for (const StructureNode &node : tree.nodes) {
        if (node.expanded)
            texts.push_back(node.text);
    }
    return texts;
}

TEST(StructureScan, WorkedExampleGivesItsTree)
{
    const StructureTree tree = scanStructure(workedExample(), kBothOptions);
    EXPECT_EQ(rowsOf(tree), (Rows{
                                {0, 0, areaA("IDENTIFICATION DIVISION.")},
                                {2, 0, areaA("ENVIRONMENT DIVISION.")},
                                {3, 0, areaA("CONFIGURATION SECTION.")},
                                {4, 0, areaA("DATA DIVISION.")},
                                {5, 0, areaA("WORKING-STORAGE SECTION.")},
                                {6, 1, areaA("01 WS-FLAG")},
                                {7, 1, areaA("01 WS-REC.")},
                                {9, 0, areaA("PROCEDURE DIVISION.")},
                                {10, 1, areaA("MAIN SECTION.")},
                                {11, 2, areaA("100-START.")},
                                {12, 3, performed("200-NEXT")},
                                {13, 2, areaA("200-NEXT.")},
                                {14, 1, areaA("OTHER SECTION.")},
                                // The new section closed MAIN's paragraphs.
                                {15, 2, performed("300-END")},
                            }));
    EXPECT_EQ(expandedTexts(tree),
              (std::vector<std::string>{areaA("WORKING-STORAGE SECTION."), areaA("PROCEDURE DIVISION.")}));
    EXPECT_EQ(tree.DataDivisionLine, 4);
    EXPECT_EQ(tree.ProcedureDivisionLine, 9);
}

TEST(StructureScan, EachOptionAddsItsNodes)
{
    struct Case {
        StructureOptions options;
        std::vector<int> lines; // the lines that get a node
    };
    const Case cases[] = {
        {kBothOptions, {0, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15}},
        {{true, false}, {0, 2, 3, 4, 5, 6, 7, 9, 10, 11, 13, 14}},
        {{false, true}, {0, 2, 3, 4, 5, 7, 9, 10, 11, 12, 13, 14, 15}},
        {kNoOptions, {0, 2, 3, 4, 5, 7, 9, 10, 11, 13, 14}},
    };
    for (const Case &c : cases) {
        std::vector<int> lines;
        for (const StructureNode &node : scanStructure(workedExample(), c.options).nodes)
            lines.push_back(node.line);
        EXPECT_EQ(lines, c.lines) << "pic01 " << c.options.Pic01ShowOption << " perform "
                                  << c.options.ShowPerformOption;
    }
}

TEST(StructureScan, CopyBookOf01LevelsGivesRoots)
{
    const Lines copyBook = {
        areaA("01 REC-A."),
        areaB("05 A-F1 PIC X."),
        areaA("01 REC-B PIC X(10)."),
        "        01 REC-C.",        // 01 in columns 9-10
        "         01 REC-D PIC 9.", // 01 in columns 10-11
    };
    EXPECT_EQ(rowsOf(scanStructure(copyBook, kNoOptions)),
              (Rows{{0, 0, areaA("01 REC-A.")}, {3, 0, "        01 REC-C."}}));
    EXPECT_EQ(rowsOf(scanStructure(copyBook, kBothOptions)), (Rows{
                                                                 {0, 0, areaA("01 REC-A.")},
                                                                 {2, 0, areaA("01 REC-B")},
                                                                 {3, 0, "        01 REC-C."},
                                                                 {4, 0, "         01 REC-D"},
                                                             }));

    const Lines onlyPictures = {areaA("01 WS-A PIC X."), areaA("01 WS-B PIC 9(4) COMP.")};
    const StructureTree empty = scanStructure(onlyPictures, kNoOptions);
    EXPECT_TRUE(empty.nodes.empty());
    EXPECT_EQ(empty.DataDivisionLine, 0);
    EXPECT_EQ(empty.ProcedureDivisionLine, 0);
}

TEST(StructureScan, Pic01NodeStopsBeforeThePictureClause)
{
    struct Case {
        std::string line;
        std::string text;
    };
    const Case cases[] = {
        {areaA("01  WS-NAME      PIC X(10)."), areaA("01  WS-NAME")},
        {areaA("01 WS-N PICTURE 9(4)."), areaA("01 WS-N")},
        {areaA("01 WS-N REDEFINES WS-M PIC X."), areaA("01 WS-N REDEFINES WS-M")},
        {"000100 01 WS-SEQ PIC X.", areaA("01 WS-SEQ")},
        {"        01 WS-B PIC X.", "        01 WS-B"},
        {areaA("01 WS-PICX."), areaA("01 WS-PICX.")},         // no PIC clause
        {areaA("01 WS-PIC-A."), areaA("01 WS-PIC-A.")},       // PIC inside a name
        {areaA("01 WS-X VALUE 'PIC'."), areaA("01 WS-X VALUE 'PIC'.")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(rowsOf(scanStructure(Lines{c.line}, kBothOptions)), (Rows{{0, 0, c.text}})) << c.line;
}

TEST(StructureScan, Level01UnderASectionIsItsChild)
{
    const Lines lines = {
        areaA("DATA DIVISION."),
        areaA("FILE SECTION."),
        areaA("FD  IN-FILE."),
        areaA("01  IN-REC."),
        areaB("05  IN-KEY PIC X(4)."),
        areaA("WORKING-STORAGE SECTION."),
        areaA("01 WS-A."),
        areaA("01 WS-B."),
    };
    const StructureTree tree = scanStructure(lines, kNoOptions);
    EXPECT_EQ(rowsOf(tree), (Rows{
                                {0, 0, areaA("DATA DIVISION.")},
                                {1, 0, areaA("FILE SECTION.")},
                                {3, 1, areaA("01  IN-REC.")},
                                {5, 0, areaA("WORKING-STORAGE SECTION.")},
                                {6, 1, areaA("01 WS-A.")},
                                {7, 1, areaA("01 WS-B.")},
                            }));
    EXPECT_EQ(expandedTexts(tree),
              (std::vector<std::string>{areaA("FILE SECTION."), areaA("WORKING-STORAGE SECTION.")}));
}

TEST(StructureScan, SectionsNestOnlyInTheProcedureDivision)
{
    const Lines lines = {
        areaA("ENVIRONMENT DIVISION."),
        areaA("INPUT-OUTPUT SECTION."),
        areaA("FILE-CONTROL."),
        areaA("PROCEDURE DIVISION USING LK-PARM."),
        areaA("MAIN SECTION."),
        areaA("MAIN-1."), // 5
        areaA("MAIN-2."),
        areaA("SUBS SECTION 50."),
        areaA("SUBS-1."),
    };
    const StructureTree tree = scanStructure(lines, kBothOptions);
    EXPECT_EQ(rowsOf(tree), (Rows{
                                {0, 0, areaA("ENVIRONMENT DIVISION.")},
                                {1, 0, areaA("INPUT-OUTPUT SECTION.")},
                                {3, 0, areaA("PROCEDURE DIVISION USING LK-PARM.")},
                                {4, 1, areaA("MAIN SECTION.")},
                                {5, 2, areaA("MAIN-1.")},
                                {6, 2, areaA("MAIN-2.")},
                                {7, 1, areaA("SUBS SECTION 50.")},
                                {8, 2, areaA("SUBS-1.")},
                            }));
    EXPECT_EQ(expandedTexts(tree), (std::vector<std::string>{areaA("PROCEDURE DIVISION USING LK-PARM.")}));
}

TEST(StructureScan, SectionBeforeAnyDivisionHoldsItsParagraphsSideBySide)
{
    const Lines lines = {
        areaA("MAIN SECTION."),
        areaA("P-1."),
        areaB("PERFORM P-2."),
        areaA("P-2."),
        areaB("PERFORM P-1."),
    };
    EXPECT_EQ(rowsOf(scanStructure(lines, kBothOptions)), (Rows{
                                                              {0, 0, areaA("MAIN SECTION.")},
                                                              {1, 1, areaA("P-1.")},
                                                              {2, 2, performed("P-2")},
                                                              {3, 1, areaA("P-2.")},
                                                              {4, 2, performed("P-1")},
                                                          }));
}

TEST(StructureScan, ParagraphsWithoutSectionsAreSiblingsUnderTheDivision)
{
    // The DATA DIVISION has a section, the PROCEDURE DIVISION has none.
    const Lines lines = {
        areaA("DATA DIVISION."),
        areaA("WORKING-STORAGE SECTION."),
        areaA("01 WS-A."),
        areaA("PROCEDURE DIVISION."),
        areaB("PERFORM 100-A."),
        areaA("100-A."), // 5
        areaB("PERFORM 200-B."),
        areaB("PERFORM 300-C."),
        areaA("200-B."),
        areaB("PERFORM 300-C."),
        areaA("300-C."), // 10
        areaB("EXIT."),
    };
    const StructureTree tree = scanStructure(lines, kBothOptions);
    EXPECT_EQ(rowsOf(tree), (Rows{
                                {0, 0, areaA("DATA DIVISION.")},
                                {1, 0, areaA("WORKING-STORAGE SECTION.")},
                                {2, 1, areaA("01 WS-A.")},
                                {3, 0, areaA("PROCEDURE DIVISION.")},
                                {4, 1, performed("100-A")},
                                {5, 1, areaA("100-A.")},
                                {6, 2, performed("200-B")},
                                {7, 2, performed("300-C")},
                                {8, 1, areaA("200-B.")},
                                {9, 2, performed("300-C")},
                                {10, 1, areaA("300-C.")},
                            }));
    EXPECT_EQ(expandedTexts(tree),
              (std::vector<std::string>{areaA("WORKING-STORAGE SECTION."), areaA("PROCEDURE DIVISION.")}));
}

TEST(StructureScan, ProgramWithoutAnySectionHasRootParagraphs)
{
    const Lines lines = {
        areaA("IDENTIFICATION DIVISION."),
        areaA("PROGRAM-ID. P."),
        areaA("PROCEDURE DIVISION."),
        areaA("100-A."),
        areaB("PERFORM 200-B."),
        areaA("200-B."),
        areaB("STOP RUN."),
    };
    EXPECT_EQ(rowsOf(scanStructure(lines, kBothOptions)), (Rows{
                                                              {0, 0, areaA("IDENTIFICATION DIVISION.")},
                                                              {2, 0, areaA("PROCEDURE DIVISION.")},
                                                              {3, 0, areaA("100-A.")},
                                                              {4, 1, performed("200-B")},
                                                              {5, 0, areaA("200-B.")},
                                                          }));
}

TEST(StructureScan, NewSectionClosesThePreviousSectionsParagraphs)
{
    const Lines lines = {
        areaA("PROCEDURE DIVISION."),
        areaA("FIRST SECTION."),
        areaA("F-1."),
        areaB("PERFORM X-1."),
        areaA("SECOND SECTION."),
        areaB("PERFORM S-INIT."), // 5
        areaA("S-1."),
        areaB("PERFORM S-2."),
    };
    EXPECT_EQ(rowsOf(scanStructure(lines, kBothOptions)), (Rows{
                                                              {0, 0, areaA("PROCEDURE DIVISION.")},
                                                              {1, 1, areaA("FIRST SECTION.")},
                                                              {2, 2, areaA("F-1.")},
                                                              {3, 3, performed("X-1")},
                                                              {4, 1, areaA("SECOND SECTION.")},
                                                              {5, 2, performed("S-INIT")},
                                                              {6, 2, areaA("S-1.")},
                                                              {7, 3, performed("S-2")},
                                                          }));
}

TEST(StructureScan, ExecAndEndExecLinesAreNoParagraphs)
{
    const Lines lines = {
        areaA("PROCEDURE DIVISION."),
        areaA("MAIN SECTION."),
        areaA("EXEC SQL"),
        areaA("INCLUDE SQLCA"), // taken for a paragraph: EXEC blocks are not tracked
        areaA("END-EXEC."),
        areaA("EXEC SQL DECLARE C1 CURSOR END-EXEC."), // 5
        areaA("END-EXEC"),
        areaA("100-A."),
    };
    EXPECT_EQ(rowsOf(scanStructure(lines, kBothOptions)), (Rows{
                                                              {0, 0, areaA("PROCEDURE DIVISION.")},
                                                              {1, 1, areaA("MAIN SECTION.")},
                                                              {3, 2, areaA("INCLUDE SQLCA")},
                                                              {7, 2, areaA("100-A.")},
                                                          }));
}

TEST(StructureScan, PerformNamesItsTarget)
{
    const std::string blankWithTag = "000200" + std::string(66, ' ') + "PROG0001";
    struct Case {
        const char *what;
        Lines body;     // follows a PROCEDURE DIVISION header on line 0
        Rows performed; // nodes after the division's
    };
    const Case cases[] = {
        {"name and period", {areaB("PERFORM 100-A.")}, {{1, 1, performed("100-A")}}},
        {"name alone", {areaB("PERFORM 100-A")}, {{1, 1, performed("100-A")}}},
        {"deeper in area B", {"                   PERFORM 100-A."}, {{1, 1, performed("100-A")}}},
        {"THRU", {areaB("PERFORM 100-A THRU 100-A-EXIT.")}, {{1, 1, performed("100-A")}}},
        {"comma kept", {areaB("PERFORM 100-A, 200-B")}, {{1, 1, performed("100-A,")}}},
        {"times", {areaB("PERFORM 5 TIMES")}, {{1, 1, performed("5")}}},
        {"UNTIL", {areaB("PERFORM UNTIL WS-EOF = 'Y'")}, {}},
        {"UNTIL ends the line", {areaB("PERFORM UNTIL")}, {}},
        {"VARYING", {areaB("PERFORM VARYING I FROM 1 BY 1 UNTIL I > 9")}, {}},
        {"name starting with UNTIL", {areaB("PERFORM UNTIL-DONE.")}, {{1, 1, performed("UNTIL-DONE")}}},
        {"not the first word", {areaB("IF A = B PERFORM 100-A.")}, {}},
        {"longer word", {areaB("PERFORMED-SW.")}, {}},
        {"END-PERFORM", {areaB("END-PERFORM.")}, {}},
        {"comment", {"      *    PERFORM 100-A."}, {}},
        {"look-ahead skips comments and short lines",
         {areaB("PERFORM"), "      *    100-X.", "", "000300", "000400     ", areaB("    100-A.")},
         {{6, 1, performed("100-A")}}},
        {"look-ahead finds an inline loop", {areaB("PERFORM"), areaB("    UNTIL WS-EOF"), areaB("END-PERFORM")}, {}},
        {"scanning goes on after the target's line",
         {areaB("PERFORM"), areaB("100-A"), areaB("PERFORM 200-B.")},
         {{2, 1, performed("100-A")}, {3, 1, performed("200-B")}}},
        {"PERFORM alone on the last line", {areaB("PERFORM")}, {}},
        {"only comments follow", {areaB("PERFORM"), "      * 100-A."}, {}},
        // Look-ahead reads area B only: no "/" comments, no identification area.
        {"look-ahead skips page-eject comments",
         {areaB("PERFORM"), "      /    100-X.", areaB("100-A.")},
         {{3, 1, performed("100-A")}}},
        {"look-ahead skips the identification area",
         {areaB("PERFORM"), blankWithTag, areaB("100-A.")},
         {{3, 1, performed("100-A")}}},
        {"look-ahead name ends at column 72",
         {areaB("PERFORM"), std::string(64, ' ') + "LONGNAME" + "SEQ00001"},
         {{2, 1, performed("LONGNAME")}}},
        {"name ends at column 72",
         {areaB("PERFORM ") + std::string(53, 'X') + "SEQ00001"},
         {{1, 1, performed(std::string(53, 'X'))}}},
    };
    for (const Case &c : cases) {
        Lines lines = {areaA("PROCEDURE DIVISION.")};
        lines.insert(lines.end(), c.body.begin(), c.body.end());
        Rows expected = {{0, 0, areaA("PROCEDURE DIVISION.")}};
        expected.insert(expected.end(), c.performed.begin(), c.performed.end());
        EXPECT_EQ(rowsOf(scanStructure(lines, kBothOptions)), expected) << c.what;
    }
}

TEST(StructureScan, PerformBeforeAnyHeaderIsARoot)
{
    const Lines lines = {areaB("PERFORM 100-A."), areaB("PERFORM 200-B.")};
    EXPECT_EQ(rowsOf(scanStructure(lines, kBothOptions)),
              (Rows{{0, 0, performed("100-A")}, {1, 0, performed("200-B")}}));
    EXPECT_TRUE(scanStructure(lines, kNoOptions).nodes.empty());
}

TEST(StructureScan, LinesThatAreNeverLookedAt)
{
    // Before any division every area-A line would be a paragraph.
    const std::string lines[] = {
        "      *IDENTIFICATION DIVISION.",
        "      *    PROCEDURE DIVISION.",
        "      /PROCEDURE DIVISION.",
        "      -    MAIN SECTION.",
        "      D    100-DEBUG.",
        areaA("A1."), // shorter than 11 columns
        "",
        "          ",
        "000100",
        areaB("MOVE A TO B."),
    };
    for (const std::string &line : lines)
        EXPECT_TRUE(scanStructure(Lines{line}, kBothOptions).nodes.empty()) << '"' << line << '"';
    EXPECT_EQ(rowsOf(scanStructure(Lines{areaA("A12.")}, kBothOptions)), (Rows{{0, 0, areaA("A12.")}}));
}

TEST(StructureScan, OnlyColumns7To72AreRead)
{
    const std::string numbered = "000100 IDENTIFICATION DIVISION." + std::string(41, ' ') + "PROG0001";
    ASSERT_EQ(numbered.size(), 80u);
    EXPECT_EQ(rowsOf(scanStructure(Lines{numbered}, kNoOptions)), (Rows{{0, 0, areaA("IDENTIFICATION DIVISION.")}}));

    // The space before DIVISION is in column 70; the keyword is cut off.
    const std::string late = areaA(std::string(62, 'X')) + " DIVISION.";
    ASSERT_EQ(late.find(" DIVISION"), 69u);
    const StructureTree tree = scanStructure(Lines{areaA("DATA DIVISION."), late}, kNoOptions);
    EXPECT_EQ(rowsOf(tree), (Rows{{0, 0, areaA("DATA DIVISION.")}}));
}

TEST(StructureScan, DivisionHeaderInColumn9ChangesNoRules)
{
    const Lines lines = {
        "        DATA DIVISION.",
        areaA("WORKING-STORAGE SECTION."),
        areaA("01 WS-A."),
        "        PROCEDURE DIVISION.",
        areaA("MAIN SECTION."),
        areaA("100-A."), // 5: not looked for outside the PROCEDURE DIVISION rules
        areaB("PERFORM 200-B."),
    };
    const StructureTree tree = scanStructure(lines, kBothOptions);
    EXPECT_EQ(rowsOf(tree), (Rows{
                                {0, 0, "        DATA DIVISION."},
                                {1, 0, areaA("WORKING-STORAGE SECTION.")},
                                {2, 1, areaA("01 WS-A.")},
                                {3, 0, "        PROCEDURE DIVISION."},
                                {4, 0, areaA("MAIN SECTION.")},
                                {6, 1, performed("200-B")},
                            }));
    EXPECT_EQ(tree.DataDivisionLine, 0);
    EXPECT_EQ(tree.ProcedureDivisionLine, 0);
}

TEST(StructureScan, DivisionLinesAreTheirHeadersLines)
{
    Lines program(60, areaB("DISPLAY 'X'."));
    program[0] = areaA("IDENTIFICATION DIVISION.");
    program[5] = areaA("DATA DIVISION.");
    program[6] = areaA("WORKING-STORAGE SECTION.");
    program[40] = areaA("PROCEDURE DIVISION.");
    program[41] = areaA("MAIN-PARA.");

    struct Case {
        const char *what;
        Lines lines;
        int dataLine;
        int procedureLine;
    };
    const Case cases[] = {
        {"both headers", program, 5, 40},
        {"no headers", {areaA("01 WS-A."), areaB("PERFORM 100-A.")}, 0, 0},
        {"PROCEDURE DIVISION USING",
         {areaA("IDENTIFICATION DIVISION."), areaA("DATA DIVISION."), areaA("LINKAGE SECTION."),
          areaA("PROCEDURE DIVISION USING LK-A.")},
         1, 3},
        // Line 0 stands for none: the next area-A line is recorded instead.
        {"header on line 0", {areaA("DATA DIVISION."), areaA("01 WS-A."), areaA("FILE SECTION.")}, 2, 0},
    };
    for (const Case &c : cases) {
        const StructureTree tree = scanStructure(c.lines, kBothOptions);
        EXPECT_EQ(tree.DataDivisionLine, c.dataLine) << c.what;
        EXPECT_EQ(tree.ProcedureDivisionLine, c.procedureLine) << c.what;
    }
}

} // namespace
