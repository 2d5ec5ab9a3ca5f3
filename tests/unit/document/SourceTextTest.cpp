#include "document/core/SourceText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace norvane;
using Lines = std::vector<std::string>;

namespace {

TEST(SourceText, EachKindOfBreakEndsALine)
{
    EXPECT_EQ(splitSourceLines(""), Lines{});
    EXPECT_EQ(splitSourceLines("A"), Lines{"A"});
    EXPECT_EQ(splitSourceLines("A\r\nB\r\n"), (Lines{"A", "B"}));
    EXPECT_EQ(splitSourceLines("A\nB"), (Lines{"A", "B"}));
    EXPECT_EQ(splitSourceLines("A\rB\r"), (Lines{"A", "B"}));
    EXPECT_EQ(splitSourceLines("A\r\n\r\n"), (Lines{"A", ""}));
    EXPECT_EQ(splitSourceLines("\n"), Lines{""});
    EXPECT_EQ(splitSourceLines("A\n\rB"), (Lines{"A", "", "B"}));
}

TEST(SourceText, EveryLineEndsWithTheBreakTheLastOneAsTheFileDid)
{
    EXPECT_EQ(composeSourceFile({}, "\r\n", false, true), "");
    EXPECT_EQ(composeSourceFile({"A", "B"}, "\r\n", false, true), "A\r\nB\r\n");
    EXPECT_EQ(composeSourceFile({"A", "B"}, "\r\n", false, false), "A\r\nB");
    EXPECT_EQ(composeSourceFile({"A", ""}, "\n", false, true), "A\n\n");
    EXPECT_EQ(composeSourceFile({"", "", "X"}, "\n", false, true), "\n\nX\n");
    EXPECT_EQ(composeSourceFile({""}, "\n", false, true), "\n");
}

TEST(SourceText, StrippingRemovesTrailingSpacesOnly)
{
    EXPECT_EQ(composeSourceFile({"  A  ", "B\t ", "   "}, "\n", true, true), "  A\nB\t\n\n");
    EXPECT_EQ(composeSourceFile({"  A  ", "   "}, "\n", false, true), "  A  \n   \n");
    EXPECT_EQ(composeSourceFile({"  A  ", "   "}, "\n", true, false), "  A\n");
}

// A file opened and saved unchanged, as the editor holds it: its lines, the
// line ending kept from it and whether it ended with a line break.
std::string savedUnchanged(const std::string &file, bool unixForNewFiles)
{
    return composeSourceFile(splitSourceLines(withLineFeedBreaks(file)),
                             lineBreakFor(keptLineEnding(file), unixForNewFiles), false, endsWithLineBreak(file));
}

TEST(SourceText, AFileSavedUnchangedIsByteIdentical)
{
    // Blank lines at the end, final line breaks or none, every ending a file
    // can have throughout.
    for (const std::string file : {"", "A", "A\n", "A\r\n", "\n", "\r\n", "\n\n", "\r\n\r\n", "A\n\n",
                                   "A\r\n\r\n", "A\n\n\n", "A\r\n\r\n\r\n", "A\nB", "A\r\nB", "A\nB\n\n",
                                   "\nA", "\r\nA\r\n", "\n\nA\n\n", "A\n   \n", "  A  \r\n  \r\n\r\n",
                                   "       01 R.\r\n           05 F PIC X.\r\n\r\n"}) {
        for (const bool unixForNewFiles : {false, true})
            EXPECT_EQ(savedUnchanged(file, unixForNewFiles), file) << '"' << file << "\" unix " << unixForNewFiles;
    }
}

TEST(SourceText, MixedBreaksKeepEveryLine)
{
    // A file mixing line breaks is saved with one of them, line for line.
    for (const std::string file : {"A\n\rB", "A\r\nB\n\n", "A\rB\r", "A\r", "\r", "A\nB\r\n\r\n"}) {
        const std::string saved = savedUnchanged(file, false);
        EXPECT_EQ(splitSourceLines(saved), splitSourceLines(file)) << '"' << file << '"';
        EXPECT_EQ(endsWithLineBreak(saved), endsWithLineBreak(file)) << '"' << file << '"';
    }
}

TEST(SourceText, EightBitBytesPassUnchanged)
{
    std::string all;
    for (int c = 0; c < 256; ++c) {
        if (c != '\r' && c != '\n')
            all.push_back(static_cast<char>(c));
    }
    const std::string file = all + "\r\n" + all + "\r\n";
    EXPECT_EQ(composeSourceFile(splitSourceLines(file), "\r\n", false, true), file);
}

} // namespace
