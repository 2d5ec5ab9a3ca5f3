#include "editing/core/LineRule.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace norvane;

namespace {

std::string blanks(std::size_t count) { return std::string(count, ' '); }

const char *nameOf(BlockEdit edit)
{
    switch (edit) {
    case BlockEdit::Indent: return "Indent";
    case BlockEdit::Unindent: return "Unindent";
    case BlockEdit::Comment: return "Comment";
    case BlockEdit::Uncomment: return "Uncomment";
    }
    return "?";
}

struct Row {
    BlockEdit edit;
    std::string line;
    int indentLength;
    std::string expected;
};

void expectRows(std::initializer_list<Row> rows)
{
    for (const Row &row : rows) {
        SCOPED_TRACE(::testing::Message() << nameOf(row.edit) << " N=" << row.indentLength << " \"" << row.line << '"');
        EXPECT_EQ(applyLineRule(row.edit, row.line, row.indentLength), row.expected);
        // The selection is restored from the splice's length change, so it must
        // match what the line really gained or lost.
        const std::optional<LineSplice> splice = lineRule(row.edit, row.line, row.indentLength);
        const auto change = static_cast<std::ptrdiff_t>(row.expected.size()) - static_cast<std::ptrdiff_t>(row.line.size());
        EXPECT_EQ(splice ? splice->lengthChange() : 0, change);
        // A line the rule leaves alone gets no splice, so an editor touches nothing there.
        EXPECT_EQ(splice.has_value(), row.expected != row.line);
    }
}

TEST(LineRule, IndentMovesTheWholeLineRightUnlessShortOrComment)
{
    const auto I = BlockEdit::Indent;
    const std::string line80 = "000100" + blanks(66) + "ABCDEFGH";
    expectRows({
        {I, blanks(7) + "MOVE A TO B.", 4, blanks(11) + "MOVE A TO B."},
        {I, blanks(6) + "* NOTE", 4, blanks(6) + "* NOTE"},          // comment line
        {I, "END", 4, "END"},                                        // shorter than 7
        {I, "123456", 4, "123456"},
        {I, "", 4, ""},
        {I, "1234567", 4, "    1234567"},                            // exactly 7
        {I, "000100 MOVE A TO B.", 4, "    000100 MOVE A TO B."},    // sequence area moves too
        {I, blanks(6) + "D DISPLAY X", 4, blanks(10) + "D DISPLAY X"}, // other indicators are code
        {I, blanks(6) + "/", 2, blanks(8) + "/"},
        {I, "*      MOVE", 4, "    *      MOVE"},                    // "*" outside column 7
        {I, line80, 4, "    " + line80},                             // nothing cut at 72 or 80
        {I, blanks(7) + "X", 1, blanks(8) + "X"},
        {I, blanks(7) + "X", 9, blanks(16) + "X"},
        {I, blanks(7) + "X", 0, blanks(7) + "X"},
        {I, "\tABCDEF", 4, "    \tABCDEF"},                          // a tab is one column
        {I, "\t\t\t\t\t\t*NOTE", 4, "\t\t\t\t\t\t*NOTE"},            // so "*" here is column 7
        {I, "\tMOVE", 4, "\tMOVE"},                                  // five columns: short
        {I, "\xA7\xE9\xFF\x01\x7F\x80 Z", 3, "   \xA7\xE9\xFF\x01\x7F\x80 Z"},
    });
}

TEST(LineRule, UnindentRemovesTheFirstNCharactersWhateverTheyAre)
{
    const auto U = BlockEdit::Unindent;
    expectRows({
        {U, "0001  MOVE X", 4, "  MOVE X"},                          // sequence digits go too
        {U, blanks(11) + "MOVE A TO B.", 4, blanks(7) + "MOVE A TO B."},
        {U, blanks(7) + "MOVE A TO B.", 4, "   MOVE A TO B."},
        {U, blanks(6) + "* NOTE", 4, blanks(6) + "* NOTE"},          // comment line
        {U, "END", 4, "END"},
        {U, "", 9, ""},
        {U, blanks(7) + "MOVE", 0, blanks(7) + "MOVE"},
        {U, "1234567", 7, ""},                                       // no more than N: empty
        {U, blanks(7) + "X", 9, ""},
        {U, blanks(8) + "X", 9, ""},
        {U, blanks(9) + "X", 9, "X"},
        {U, "\t\t\t\t\t\tMOVE", 2, "\t\t\t\tMOVE"},
        {U, "\t\t\t\t\t\t*NOTE", 2, "\t\t\t\t\t\t*NOTE"},
    });
}

TEST(LineRule, CommentInsertsAnAsteriskAsTheSeventhCharacter)
{
    const auto C = BlockEdit::Comment;
    const std::string line80 = "000100" + blanks(66) + "ABCDEFGH";
    expectRows({
        {C, blanks(7) + "MOVE A TO B.", 4, blanks(6) + "* MOVE A TO B."},
        {C, "END", 4, "END"},
        {C, "123456", 4, "123456"},
        {C, "", 4, ""},
        {C, "1234567", 4, "123456*7"},
        {C, blanks(6) + "* NOTE", 4, blanks(6) + "** NOTE"},        // not tested first
        {C, blanks(6) + "D DISPLAY X", 4, blanks(6) + "*D DISPLAY X"},
        {C, "000100 MOVE A TO B.", 4, "000100* MOVE A TO B."},      // columns 1-6 stay
        {C, line80, 4, "000100*" + blanks(66) + "ABCDEFGH"},          // one longer, nothing cut
        {C, blanks(7) + "MOVE", 0, blanks(6) + "* MOVE"},             // N plays no part
        {C, "\tA\tB\tCD", 4, "\tA\tB\tC*D"},
    });
}

TEST(LineRule, UncommentRemovesOnlyAnAsteriskInColumnSeven)
{
    const auto W = BlockEdit::Uncomment;
    expectRows({
        {W, blanks(6) + "* MOVE A TO B.", 4, blanks(7) + "MOVE A TO B."},
        {W, blanks(6) + "** NOTE", 4, blanks(6) + "* NOTE"},        // one at a time
        {W, "123456*", 4, "123456"},                                 // exactly 7
        {W, blanks(7) + "MOVE", 4, blanks(7) + "MOVE"},
        {W, blanks(6) + "D DISPLAY X", 4, blanks(6) + "D DISPLAY X"},
        {W, blanks(6) + "/ EJECT", 4, blanks(6) + "/ EJECT"},
        {W, "*      MOVE", 4, "*      MOVE"},
        {W, "     *", 4, "     *"},                                   // short
        {W, "", 4, ""},
        {W, "\t\t\t\t\t\t*NOTE", 4, "\t\t\t\t\t\tNOTE"},
        {W, blanks(6) + "*MOVE", 0, blanks(6) + "MOVE"},
        // A mark that replaced a blank, rather than being inserted, leaves the
        // rest one column further left.
        {W, blanks(6) + "*MOVE A TO B.", 4, blanks(6) + "MOVE A TO B."},
    });
}

TEST(LineRule, IndentLengthOutsideTheSettingsRangeTakesTheNearerBound)
{
    const std::string line = blanks(12) + "MOVE";
    struct Bound {
        int given;
        int taken;
    };
    for (const Bound bound : {Bound{-1, 0}, Bound{-1000, 0}, Bound{10, 9}, Bound{1 << 30, 9}}) {
        for (const BlockEdit edit : {BlockEdit::Indent, BlockEdit::Unindent}) {
            EXPECT_EQ(applyLineRule(edit, line, bound.given), applyLineRule(edit, line, bound.taken))
                << nameOf(edit) << " N=" << bound.given;
        }
    }
}

TEST(LineRule, CommentThenUncommentRestoresEveryLine)
{
    const std::string lines[] = {
        "",        "END",     "123456",  "1234567", blanks(7) + "MOVE A TO B.", blanks(6) + "* NOTE",
        blanks(6) + "** TWICE", blanks(6) + "D X", "000100*", "\t\t\t\t\t\t*", blanks(6) + "*",
    };
    for (const std::string &line : lines) {
        const std::string commented = applyLineRule(BlockEdit::Comment, line, 4);
        EXPECT_EQ(applyLineRule(BlockEdit::Uncomment, commented, 4), line) << '"' << line << '"';
    }
}

} // namespace
