#include "search/core/HeaderScan.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

using namespace norvane;

namespace {

using Lines = std::vector<std::string>;

std::string areaA(const std::string &text) { return "       " + text; }
std::string areaB(const std::string &text) { return "           " + text; }

// The header of a line as the definition reads: walk up from the line to line
// 1; the first area-A line that is no EXEC or END-EXEC is the header, else the
// topmost EXEC line met, else nothing.
std::string headerWalkingUp(const Lines &lines, std::size_t line)
{
    std::string found;
    for (std::size_t k = line; k >= 1; --k) {
        switch (headerLineKind(lines[k])) {
        case HeaderLineKind::None:
            break;
        case HeaderLineKind::Exec:
            found = TrimBlanks(lines[k]);
            break;
        case HeaderLineKind::Header:
            return TrimBlanks(lines[k]);
        }
    }
    return found;
}

std::vector<std::string> headersWalkingDown(const Lines &lines)
{
    HeaderScan scan;
    std::vector<std::string> headers;
    for (const std::string &line : lines) {
        scan.addLine(line);
        headers.push_back(scan.header());
    }
    return headers;
}

Lines readLines(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    Lines lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(TrimBlanks, RemovesLeadingAndTrailingSpacesOnly)
{
    const struct {
        std::string line;
        std::string trimmed;
    } rows[] = {
        {"", ""},
        {"    ", ""},
        {"X", "X"},
        {"      X", "X"},
        {"X      ", "X"},
        {"       MOVE A TO B.   ", "MOVE A TO B."},
        {"  A  B  ", "A  B"},
        {"\tTAB\t", "\tTAB\t"},
        {"   \xE9t\xE9 ", "\xE9t\xE9"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(TrimBlanks(row.line), row.trimmed) << '"' << row.line << '"';
}

TEST(HeaderLineKind, AreaAWithBlankIndicatorMakesAHeader)
{
    const struct {
        std::string line;
        HeaderLineKind kind;
    } rows[] = {
        {"       ABCD", HeaderLineKind::None},                      // 11 characters or fewer: too short
        {"       ABCD.", HeaderLineKind::Header},
        {"      *MAIN-PARA.", HeaderLineKind::None},               // comment
        {"      -MAIN-PARA.", HeaderLineKind::None},               // continuation
        {"      DMAIN-PARA.", HeaderLineKind::None},               // debugging line
        {areaB("MOVE A TO B."), HeaderLineKind::None},             // area A blank
        {"          X MOVE A TO B.", HeaderLineKind::Header},      // something in column 11
        {areaA("EXEC SQL"), HeaderLineKind::Exec},
        {areaA("END-EXEC."), HeaderLineKind::Exec},
        {areaA("EXECUTE-IT."), HeaderLineKind::Header},            // "EXEC" needs its blank
        {areaA("END-IF"), HeaderLineKind::Header},
        {"000100 MAIN SECTION.", HeaderLineKind::Header},          // sequence numbers count for nothing
        {"000100*MAIN SECTION.", HeaderLineKind::None},
    };
    for (const auto &row : rows)
        EXPECT_EQ(headerLineKind(row.line), row.kind) << '"' << row.line << '"';
}

TEST(HeaderScan, NamesTheNearestHeaderAtOrAboveEachLine)
{
    const Lines lines{
        areaA("PROCEDURE DIVISION."),         // 0: line 0 never counts
        areaB("DISPLAY 'A'."),                // 1
        areaA("1000-MAIN."),                  // 2
        areaB("MOVE 1 TO WS-A."),             // 3
        "      *2000-COMMENTED.",              // 4
        areaA("EXEC SQL"),                    // 5
        areaB("SELECT 1 INTO :N FROM T"),     // 6
        areaA("END-EXEC."),                   // 7
        areaB("ADD 1 TO WS-A."),              // 8
        areaA("2000-NEXT."),                  // 9
        "",                                    // 10
        areaB("EXIT."),                       // 11
    };
    const std::vector<std::string> expected{
        "", "", "1000-MAIN.", "1000-MAIN.", "1000-MAIN.", "1000-MAIN.", "1000-MAIN.", "1000-MAIN.",
        "1000-MAIN.", "2000-NEXT.", "2000-NEXT.", "2000-NEXT.",
    };
    EXPECT_EQ(headersWalkingDown(lines), expected);
}

TEST(HeaderScan, WithoutAHeaderTheTopmostExecLineStandsIn)
{
    const Lines lines{
        areaA("IDENTIFICATION DIVISION."),    // 0
        areaB("DISPLAY 'A'."),                // 1
        areaA("EXEC SQL INCLUDE SQLCA"),      // 2
        areaB("X"),                           // 3
        areaA("END-EXEC."),                   // 4
        areaB("Y"),                           // 5
        areaA("FIRST-PARA."),                 // 6
    };
    const std::vector<std::string> expected{
        "", "", "EXEC SQL INCLUDE SQLCA", "EXEC SQL INCLUDE SQLCA", "EXEC SQL INCLUDE SQLCA",
        "EXEC SQL INCLUDE SQLCA", "FIRST-PARA.",
    };
    EXPECT_EQ(headersWalkingDown(lines), expected);
}

// Walking down once gives what walking up from every line gives, on a real program.
TEST(HeaderScan, AgreesWithTheWalkUpOnARealProgram)
{
    Lines lines = readLines(NORVANE_TEST_DATA "/search/CBTRN02C.cbl");
    ASSERT_GT(lines.size(), 700u);
    // EXEC blocks in area A, before and after headers, to exercise both rules.
    lines.insert(lines.begin() + 1, {areaA("EXEC SQL"), areaB("INCLUDE SQLCA"), areaA("END-EXEC.")});
    lines.insert(lines.begin() + 400, {areaA("EXEC CICS"), areaB("RETURN"), areaA("END-EXEC.")});

    const std::vector<std::string> headers = headersWalkingDown(lines);
    for (std::size_t line = 0; line < lines.size(); ++line)
        ASSERT_EQ(headers[line], headerWalkingUp(lines, line)) << "line " << line;
    EXPECT_EQ(headers[2], "EXEC SQL");
    EXPECT_EQ(headers[402], headers[399]);
    EXPECT_FALSE(headers[399].empty());
}

// The header shows as the tree shows it: columns 8 to 72, without the sequence
// number or the identification area, trimmed.
TEST(HeaderScan, HeaderIsColumns8To72Trimmed)
{
    const Lines lines{
        "000100 IDENTIFICATION DIVISION.                                         PROG0001",   // 0
        "062400     MOVE 1 TO WS-A.                                              06240000",   // 1
        "062500 1000-PROCESS-INPUTS.                                             06250000",   // 2
        "062600     PERFORM 2000-NEXT.                                           06260000",   // 3
        "062700*9000-COMMENTED.                                                  06270000",   // 4
        "\t    DISPLAY 'X'.",                                                                  // 5
    };
    HeaderScan scan;
    std::vector<std::pair<std::string, int>> headers;
    for (const std::string &line : lines) {
        scan.addLine(line);
        headers.emplace_back(scan.header(), scan.headerLine());
    }
    const std::vector<std::pair<std::string, int>> expected{
        {"", -1}, {"", -1}, {"1000-PROCESS-INPUTS.", 2}, {"1000-PROCESS-INPUTS.", 2}, {"1000-PROCESS-INPUTS.", 2},
        {"1000-PROCESS-INPUTS.", 2},
    };
    EXPECT_EQ(headers, expected);
    EXPECT_EQ(headerText(lines[2]), "1000-PROCESS-INPUTS.");
    EXPECT_EQ(headerText("000100 A" + std::string(70, 'B')), "A" + std::string(64, 'B'));
    EXPECT_EQ(headerText("      "), "");
}

// EXEC and END-EXEC count in any letter case, and the columns are those of the
// line with its tabs expanded (a tab advances to the next multiple of 8).
TEST(HeaderLineKind, AnyLetterCaseAndTabsExpanded)
{
    const struct {
        std::string line;
        HeaderLineKind kind;
    } rows[] = {
        {areaA("exec sql"), HeaderLineKind::Exec},
        {areaA("End-Exec."), HeaderLineKind::Exec},
        {areaA("main-para."), HeaderLineKind::Header},
        {"\tMAIN-PARA.", HeaderLineKind::Header},          // the tab reaches column 9, in area A
        {"\t    MOVE A TO B.", HeaderLineKind::None},      // column 13: area A is blank
        {"\tAB.", HeaderLineKind::None},                   // 11 columns once expanded: too short
        {"      \tMAIN-PARA.", HeaderLineKind::Header},    // the tab over column 7 leaves it blank
        {"\t\tMOVE A TO B.", HeaderLineKind::None},
        {"\tEXEC SQL", HeaderLineKind::Exec},
    };
    for (const auto &row : rows)
        EXPECT_EQ(headerLineKind(row.line), row.kind) << '"' << row.line << '"';
}
