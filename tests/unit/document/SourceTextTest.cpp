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

TEST(SourceText, EveryLineEndsWithTheBreakButAnEmptyLastLine)
{
    EXPECT_EQ(composeSourceFile({}, "\r\n", false), "");
    EXPECT_EQ(composeSourceFile({"A", "B"}, "\r\n", false), "A\r\nB\r\n");
    EXPECT_EQ(composeSourceFile({"A", ""}, "\n", false), "A\n");
    EXPECT_EQ(composeSourceFile({"", "", "X"}, "\n", false), "\n\nX\n");
    EXPECT_EQ(composeSourceFile({""}, "\n", false), "");
}

TEST(SourceText, StrippingRemovesTrailingSpacesOnly)
{
    EXPECT_EQ(composeSourceFile({"  A  ", "B\t ", "   "}, "\n", true), "  A\nB\t\n");
    EXPECT_EQ(composeSourceFile({"  A  ", "   "}, "\n", false), "  A  \n   \n");
}

TEST(SourceText, EightBitBytesPassUnchanged)
{
    std::string all;
    for (int c = 0; c < 256; ++c) {
        if (c != '\r' && c != '\n')
            all.push_back(static_cast<char>(c));
    }
    const std::string file = all + "\r\n" + all + "\r\n";
    EXPECT_EQ(composeSourceFile(splitSourceLines(file), "\r\n", false), file);
}

} // namespace
