#include "document/core/LineColouring.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace norvane;

namespace {

// Each line is written above a mask of the same length that gives the role of
// every byte: one letter per role, a blank where the text has no role.
char letterOf(TextRole role)
{
    switch (role) {
    case TextRole::Sequence: return 's';
    case TextRole::Indicator: return '!';
    case TextRole::Identification: return '#';
    case TextRole::Comment: return 'c';
    case TextRole::Debugging: return 'd';
    case TextRole::Literal: return 'L';
    case TextRole::Keyword: return 'k';
    case TextRole::LevelNumber: return 'n';
    case TextRole::Picture: return 'p';
    case TextRole::Header: return 'h';
    case TextRole::Copy: return 'C';
    case TextRole::CopyMember: return 'm';
    }
    return '?';
}

std::string maskOf(std::string_view line, const ColouredLine &coloured)
{
    std::string mask(line.size(), ' ');
    int end = 0;
    for (const RoleSpan &span : coloured.spans) {
        EXPECT_GE(span.start, end) << "spans overlap or are out of order";
        EXPECT_GT(span.length, 0);
        end = span.start + span.length;
        for (int i = span.start; i < end && i < static_cast<int>(mask.size()); ++i)
            mask[static_cast<std::size_t>(i)] = letterOf(span.role);
    }
    EXPECT_LE(end, static_cast<int>(line.size()));
    return mask;
}

struct LineCase {
    const char *kind;
    std::string_view line;
    std::string_view mask;
    LineCarry before = LineCarry::None;
    LineCarry after = LineCarry::None;
};

// clang-format off
const LineCase Cases[] = {
    {"sequence and identification areas around a division header",
     "000100 IDENTIFICATION DIVISION.                                         CBTRN02C",
     "ssssss hhhhhhhhhhhhhhhhhhhhhhh                                          ########"},
    {"a section header",
     "       WORKING-STORAGE SECTION.",
     "ssssss hhhhhhhhhhhhhhhhhhhhhhh "},
    {"a paragraph header in area A",
     "       1000-MAIN-PARA.",
     "ssssss hhhhhhhhhhhhhh "},
    {"a name in area B is no header",
     "           1000-MAIN-PARA.",
     "ssssss                    "},
    {"a reserved word in area A is no paragraph",
     "       PROGRAM-ID. CBTRN02C.",
     "ssssss kkkkkkkkkk           "},
    {"a comment line",
     "000200* MOVE THE RECORD                                                 X",
     "sssssscccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccccc#"},
    {"a page-eject comment line",
     "      /   PAGE",
     "sssssscccccccc"},
    {"a floating comment after code",
     "           MOVE A TO B *> not yet",
     "ssssss     kkkk   kk   cccccccccc"},
    {"a debugging line",
     "      D    DISPLAY 'X'",
     "ssssss!ddddddddddddddd"},
    {"a debugging line in lower case",
     "      d    display 'x'",
     "ssssss!ddddddddddddddd"},
    {"keywords and literals in any letter case",
     "           move 'Abc' to ws-name.",
     "ssssss     kkkk LLLLL kk         "},
    {"double quotes, and doubled quotes inside a literal",
     "           DISPLAY \"IT\"\"S\" 'O''K'",
     "ssssss     kkkkkkk LLLLLLL LLLLLL"},
    {"a hexadecimal literal keeps its prefix",
     "           MOVE X'FF' TO A",
     "ssssss     kkkk LLLLL kk  "},
    {"a literal open at column 72 stops there",
     "           DISPLAY 'THIS LITERAL GOES ON AND ON PAST THE END OF AREA B UIDENT001",
     "ssssss     kkkkkkk LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL########"},
    {"a continuation line goes on with the literal",
     "      -    'AND ENDS HERE'.",
     "ssssss!    LLLLLLLLLLLLLLL "},
    {"a continuation line of a word",
     "      -    ING-NAME",
     "ssssss!            "},
    {"an 01 level with a picture",
     "       01  WS-FLAG             PIC X(01) VALUE 'N'.",
     "ssssss nn                      kkk ppppp kkkkk LLL "},
    {"a field with a signed packed picture",
     "           05  WS-AMT          PIC S9(7)V99 COMP-3.",
     "ssssss     nn                  kkk pppppppp kkkkkk "},
    {"an edited picture keeps its inner periods",
     "           05  WS-OUT PICTURE IS ZZ,ZZ9.99.",
     "ssssss     nn         kkkkkkk kk ppppppppp "},
    {"a condition name",
     "           88  WS-ON           VALUE 'Y'.",
     "ssssss     nn                  kkkkk LLL "},
    {"a number later in a line is no level number",
     "           MOVE 05 TO WS-X.",
     "ssssss     kkkk    kk      "},
    {"PIC at the end of the line leaves the picture to the next",
     "           05  WS-LONG-NAME-FIELD                                    PIC",
     "ssssss     nn                                                        kkk",
     LineCarry::None, LineCarry::Picture},
    {"the picture on the line after its PIC",
     "               X(30).",
     "ssssss         ppppp ",
     LineCarry::Picture, LineCarry::None},
    {"a COPY statement",
     "           COPY CVACT01Y.",
     "ssssss     CCCC mmmmmmmm "},
    {"a COPY of a library, in lower case",
     "           copy cvtra05y in mylib.",
     "ssssss     CCCC mmmmmmmm CC CCCCC "},
    {"a COPY of a quoted member",
     "           COPY \"CVACT01Y.cpy\" OF LIB REPLACING ==A== BY ==B==.",
     "ssssss     CCCC mmmmmmmmmmmmmm CC CCC kkkkkkkkk       kk       "},
    {"COPY at the end of the line",
     "           COPY",
     "ssssss     CCCC",
     LineCarry::None, LineCarry::CopyMember},
    {"the member on the line after COPY",
     "               CVACT01Y",
     "ssssss         mmmmmmmm",
     LineCarry::CopyMember, LineCarry::CopyQualifier},
    {"the library on the line after the member",
     "               OF COPYLIB.",
     "ssssss         CC CCCCCCC ",
     LineCarry::CopyQualifier, LineCarry::None},
    {"a blank line hands on what it was handed",
     "                ",
     "ssssss          ",
     LineCarry::Picture, LineCarry::Picture},
    {"a comment line hands on what it was handed",
     "      * THE PICTURE FOLLOWS",
     "ssssssccccccccccccccccccccc",
     LineCarry::Picture, LineCarry::Picture},
    {"a tab reaches column 9, in area A",
     "\tMAIN-PARA.",
     "shhhhhhhhh "},
    {"a tab after the sequence number leaves the indicator blank",
     "000100\tMOVE A TO B.",
     "ssssss kkkk   kk   "},
    {"a tab-indented header",
     "      \tMAIN-PARA.",
     "ssssss hhhhhhhhh "},
    {"a line shorter than the sequence area",
     "0001",
     "ssss"},
    {"an empty line",
     "",
     ""},
};
// clang-format on

TEST(LineColouring, EachKindOfLineGetsItsRoles)
{
    for (const LineCase &row : Cases) {
        SCOPED_TRACE(row.kind);
        if (row.line.size() != row.mask.size()) {
            ADD_FAILURE() << "the mask must be as long as the line";
            continue;
        }
        const ColouredLine coloured = colourLine(row.line, row.before);
        EXPECT_EQ(maskOf(row.line, coloured), row.mask);
        EXPECT_EQ(coloured.carry, row.after);
    }
}

TEST(LineColouring, BlankAndCommentLinesPassTheCarryOn)
{
    EXPECT_TRUE(passesCarryOn(""));
    EXPECT_TRUE(passesCarryOn("000100"));
    EXPECT_TRUE(passesCarryOn("000100      "));
    EXPECT_TRUE(passesCarryOn("000100* NOTE"));
    EXPECT_TRUE(passesCarryOn("      /"));
    EXPECT_TRUE(passesCarryOn("      D    DISPLAY X"));
    EXPECT_TRUE(passesCarryOn("                                                                        IDENT"));
    EXPECT_FALSE(passesCarryOn("           X(30)."));
    EXPECT_FALSE(passesCarryOn("      -    'MORE'"));
    EXPECT_FALSE(passesCarryOn("\tMOVE"));
}

TEST(LineColouring, APeriodEndsWhatWasExpected)
{
    EXPECT_EQ(colourLine("           COPY X.").carry, LineCarry::None);
    EXPECT_EQ(colourLine("           05 A PIC X.").carry, LineCarry::None);
    EXPECT_EQ(colourLine("           .", LineCarry::CopyQualifier).carry, LineCarry::None);
}

} // namespace
