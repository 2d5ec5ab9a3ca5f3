#include "editing/core/TransformSelectedLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace norvane;
using Lines = std::vector<std::string>;

namespace {

std::string blanks(std::size_t count) { return std::string(count, ' '); }

// The editor's text: lines joined by carriage return and line feed, a line
// break counting as two positions.
std::string editorText(const Lines &lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

// A place in the document: 0-based line and 0-based offset within it.
struct Place {
    std::size_t line;
    std::size_t column;
};

std::size_t positionOf(const Lines &lines, Place place)
{
    std::size_t position = 0;
    for (std::size_t i = 0; i < place.line; ++i)
        position += lines[i].size() + 2;
    return position + place.column;
}

struct Row {
    const char *name;
    Lines document;
    Place start;
    Place end;
    BlockEdit edit;
    int indentLength;
    Lines expected;
    std::ptrdiff_t lengthChange;
};

// Runs a row the two ways an editor can: replacing the selected text, and
// making each line's change in place.
void expectRows(std::initializer_list<Row> rows)
{
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);

        const std::string before = editorText(row.document);
        const std::size_t selStart = positionOf(row.document, row.start);
        const std::size_t selEnd = positionOf(row.document, row.end);
        const std::string selected = before.substr(selStart, selEnd - selStart);
        const TransformedText replaced = TransformSelectedLines(selected, row.edit, row.indentLength);
        const std::string after = before.substr(0, selStart) + replaced.text + before.substr(selEnd);
        EXPECT_EQ(after, editorText(row.expected));
        EXPECT_EQ(replaced.lengthChange, row.lengthChange);
        // Start and old length plus the change select exactly the new block.
        EXPECT_EQ(static_cast<std::ptrdiff_t>(replaced.text.size()),
                  static_cast<std::ptrdiff_t>(selected.size()) + replaced.lengthChange);

        const Lines block(row.document.begin() + static_cast<std::ptrdiff_t>(row.start.line),
                          row.document.begin() + static_cast<std::ptrdiff_t>(row.end.line) + 1);
        const BlockEditPlan plan =
            planSelectedLines(block, row.start.column, row.end.column, row.edit, row.indentLength);
        const Lines changed = applyBlockEditPlan(block, plan);
        Lines document = row.document;
        std::copy(changed.begin(), changed.end(), document.begin() + static_cast<std::ptrdiff_t>(row.start.line));
        EXPECT_EQ(document, row.expected);
        EXPECT_EQ(plan.lengthChange, row.lengthChange);
    }
}

const BlockEdit Indent = BlockEdit::Indent;
const BlockEdit Unindent = BlockEdit::Unindent;
const BlockEdit Comment = BlockEdit::Comment;
const BlockEdit Uncomment = BlockEdit::Uncomment;

const Lines ThreeLines = {blanks(7) + "MOVE A TO B.", blanks(6) + "* NOTE", "END"};

TEST(TransformSelectedLines, EachCommandOnATypicalBlock)
{
    expectRows({
        {"indent three whole lines", ThreeLines, {0, 0}, {2, 3}, Indent, 4,
         {blanks(11) + "MOVE A TO B.", blanks(6) + "* NOTE", "END"}, 4},
        {"unindent takes the sequence digits too", {"0001  MOVE X"}, {0, 0}, {0, 12}, Unindent, 4,
         {"  MOVE X"}, -4},
        {"comment a line and a short line", {blanks(7) + "MOVE A TO B.", "END"}, {0, 0}, {1, 3}, Comment, 4,
         {blanks(6) + "* MOVE A TO B.", "END"}, 1},
        {"uncomment a doubly commented line once", {blanks(6) + "** MOVE A TO B."}, {0, 0}, {0, 15}, Uncomment, 4,
         {blanks(6) + "* MOVE A TO B."}, -1},
        {"uncomment a seven-character line", {"123456*"}, {0, 0}, {0, 7}, Uncomment, 4, {"123456"}, -1},
    });
}

TEST(TransformSelectedLines, IndentLengthZeroLeavesTheBlockAsItWas)
{
    expectRows({
        {"indent", ThreeLines, {0, 0}, {2, 3}, Indent, 0, ThreeLines, 0},
        {"unindent", ThreeLines, {0, 0}, {2, 3}, Unindent, 0, ThreeLines, 0},
    });
}

TEST(TransformSelectedLines, EveryLineOfTheBlockFollowsItsRule)
{
    const Lines mixed = {
        blanks(11) + "ADD 1 TO N.", "", "   ", blanks(6) + "* NOTE", "\t\t\t\t\t\tMOVE", "000200 EXIT.",
    };
    expectRows({
        {"indent skips empty, short and comment lines", mixed, {0, 0}, {5, 12}, Indent, 2,
         {blanks(13) + "ADD 1 TO N.", "", "   ", blanks(6) + "* NOTE", "  \t\t\t\t\t\tMOVE", "  000200 EXIT."}, 6},
        {"unindent", mixed, {0, 0}, {5, 12}, Unindent, 2,
         {blanks(9) + "ADD 1 TO N.", "", "   ", blanks(6) + "* NOTE", "\t\t\t\tMOVE", "0200 EXIT."}, -6},
        {"comment marks every long enough line", mixed, {0, 0}, {5, 12}, Comment, 4,
         {blanks(6) + "*" + blanks(5) + "ADD 1 TO N.", "", "   ", blanks(6) + "** NOTE", "\t\t\t\t\t\t*MOVE",
          "000200* EXIT."},
         4},
        {"uncomment only the comment line", mixed, {0, 0}, {5, 12}, Uncomment, 4,
         {blanks(11) + "ADD 1 TO N.", "", "   ", blanks(7) + "NOTE", "\t\t\t\t\t\tMOVE", "000200 EXIT."}, -1},
    });
}

TEST(TransformSelectedLines, SelectionIsUsedExactlyAsMade)
{
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const Lines two = {blanks(7) + "MOVE A TO B.", blanks(7) + "MOVE C TO D."};
    expectRows({
        // From column 10 the line's column 16 is the block's column 7.
        {"start at column 10, comment", {alphabet}, {0, 9}, {0, 26}, Comment, 4, {"ABCDEFGHIJKLMNO*PQRSTUVWXYZ"}, 1},
        {"start at column 10, indent", {alphabet}, {0, 9}, {0, 26}, Indent, 4, {"ABCDEFGHI    JKLMNOPQRSTUVWXYZ"}, 4},
        {"start at column 10, unindent", {alphabet}, {0, 9}, {0, 26}, Unindent, 4, {"ABCDEFGHINOPQRSTUVWXYZ"}, -4},
        {"start at column 10, the part's column 7 is a comment mark", {"000100   PERFOR*M."}, {0, 9}, {0, 18},
         Indent, 4, {"000100   PERFOR*M."}, 0},
        {"start mid-line leaves too short a part", {two[0], two[1]}, {0, 14}, {1, 19}, Indent, 4,
         {two[0], blanks(11) + "MOVE C TO D."}, 4},
        // The empty text after a final line break is no line of the block.
        {"end at the start of the next line", {two[0], two[1]}, {0, 0}, {1, 0}, Indent, 4,
         {blanks(11) + "MOVE A TO B.", two[1]}, 4},
        {"end at the start of the next line, comment", {two[0], two[1]}, {0, 0}, {1, 0}, Comment, 4,
         {blanks(6) + "* MOVE A TO B.", two[1]}, 1},
        // The last line counts only up to the selection's end.
        {"end after column 6 of the last line", {two[0], two[1]}, {0, 0}, {1, 6}, Comment, 4,
         {blanks(6) + "* MOVE A TO B.", two[1]}, 1},
        {"end after column 9 of the last line, indent moves all of it", {two[0], two[1]}, {0, 0}, {1, 9}, Indent, 4,
         {blanks(11) + "MOVE A TO B.", blanks(11) + "MOVE C TO D."}, 8},
        // Eight selected characters are no more than N = 9: that part goes, the rest stays.
        {"end after column 8 of the last line, unindent", {two[0], two[1]}, {0, 0}, {1, 8}, Unindent, 9,
         {"VE A TO B.", "OVE C TO D."}, -17},
        {"a selection inside one line", {blanks(7) + "MOVE ALPHA-BRAVO TO C."}, {0, 12}, {0, 23}, Comment, 4,
         {blanks(7) + "MOVE ALPHA-*BRAVO TO C."}, 1},
        {"a selection of fewer than 7 characters", {blanks(7) + "MOVE A TO B."}, {0, 7}, {0, 11}, Indent, 4,
         {blanks(7) + "MOVE A TO B."}, 0},
    });
}

TEST(TransformSelectedLines, LineBreaksAreKeptAsTheyCame)
{
    struct Case {
        std::string selected;
        BlockEdit edit;
        std::string expected;
        std::ptrdiff_t lengthChange;
    };
    const std::string line = blanks(7) + "MOVE";
    const std::string indented = blanks(9) + "MOVE";
    const Case cases[] = {
        {line + "\n" + line, Indent, indented + "\n" + indented, 4},
        {line + "\r" + line + "\r", Indent, indented + "\r" + indented + "\r", 4},
        {line + "\r\n\r\n" + line + "\n", Indent, indented + "\r\n\r\n" + indented + "\n", 4},
        {"\r\n" + line, Comment, "\r\n" + blanks(6) + "* MOVE", 1},
        {"", Indent, "", 0},
        {"\r\n", Comment, "\r\n", 0},
    };
    for (const Case &c : cases) {
        const TransformedText result = TransformSelectedLines(c.selected, c.edit, 2);
        EXPECT_EQ(result.text, c.expected);
        EXPECT_EQ(result.lengthChange, c.lengthChange);
    }
}

TEST(TransformSelectedLines, CommentThenUncommentRestoresTheBlock)
{
    const std::string text = editorText({blanks(7) + "MOVE A TO B.", blanks(6) + "* NOTE", "END", "",
                                         "000100 IF X", blanks(6) + "D  DISPLAY Y", "\t\t\t\t\t\t*", "1234567"});
    const TransformedText commented = TransformSelectedLines(text, Comment, 4);
    const TransformedText restored = TransformSelectedLines(commented.text, Uncomment, 4);
    EXPECT_EQ(restored.text, text);
    EXPECT_EQ(commented.lengthChange + restored.lengthChange, 0);
}

TEST(PlanSelectedLines, DescribesEachChangeForTheEditor)
{
    const Lines lines = {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "END", blanks(6) + "* NOTE", blanks(8) + "STOP RUN."};
    const BlockEditPlan comment = planSelectedLines(lines, 9, 17, Comment, 4);
    EXPECT_EQ(comment.edits, (std::vector<BlockLineEdit>{{0, {15, 0, "*"}}, {2, {6, 0, "*"}}, {3, {6, 0, "*"}}}));
    const BlockEditPlan unindent = planSelectedLines(lines, 9, 17, Unindent, 3);
    EXPECT_EQ(unindent.edits, (std::vector<BlockLineEdit>{{0, {9, 3, ""}}, {3, {0, 3, ""}}}));
    EXPECT_EQ(unindent.lengthChange, -6);
}

TEST(PlanSelectedLines, OutOfRangeSelectionsChangeNothingOutside)
{
    const Lines lines = {blanks(7) + "MOVE A TO B.", blanks(7) + "MOVE C TO D."};
    struct Case {
        const char *name;
        Lines lines;
        std::size_t startColumn;
        std::size_t endColumn;
        std::size_t edits;
    };
    const Case cases[] = {
        {"no lines", {}, 0, 0, 0},
        {"start beyond the first line", lines, 500, 500, 1},           // the last line, whole
        {"end beyond the last line", lines, 0, 500, 2},
        {"end before start in one line", {lines[0]}, 12, 3, 0},
    };
    for (const Case &c : cases) {
        const BlockEditPlan plan = planSelectedLines(c.lines, c.startColumn, c.endColumn, Indent, 4);
        EXPECT_EQ(plan.edits.size(), c.edits) << c.name;
        EXPECT_EQ(plan.lengthChange, static_cast<std::ptrdiff_t>(4 * c.edits)) << c.name;
    }
}

} // namespace

namespace {

TEST(TransformSelectedLines, CommentingTwiceMarksColumnsSevenAndEight)
{
    const std::string text = editorText({blanks(7) + "MOVE A TO B.", "END"});
    const TransformedText once = TransformSelectedLines(text, Comment, 4);
    const TransformedText twice = TransformSelectedLines(once.text, Comment, 4);
    EXPECT_EQ(twice.text, editorText({blanks(6) + "** MOVE A TO B.", "END"}));
    const TransformedText uncommented = TransformSelectedLines(twice.text, Uncomment, 4);
    EXPECT_EQ(uncommented.text, once.text);
    EXPECT_EQ(uncommented.lengthChange, -1);
}

} // namespace
