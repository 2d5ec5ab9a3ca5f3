#include "document/core/LineEnding.h"

#include <gtest/gtest.h>

#include <string>

using namespace norvane;
using namespace std::string_literals;

namespace {

TEST(LineEnding, DetectedFromTheFirstLineBreak)
{
    const struct {
        std::string bytes;
        LineEnding expected;
    } cases[] = {
        {"", LineEnding::None},
        {"A", LineEnding::None},
        {"\n", LineEnding::None},
        {"AB\n", LineEnding::None},            // the only break is the last byte
        {"AB\r\n", LineEnding::Dos},
        {"AB\nCD\r\n", LineEnding::Unix},      // only the first break counts
        {"AB\r\nCD\n", LineEnding::Dos},
        {"AB\rCD", LineEnding::Dos},           // a bare carriage return counts as dos
        {"AB\nCD", LineEnding::Unix},
        {"ABCD", LineEnding::None},
        {"\n\n", LineEnding::Unix},
        {"A\r", LineEnding::None},            // a last-byte break is not reached
    };
    for (const auto &c : cases)
        EXPECT_EQ(detectLineEnding(c.bytes), c.expected) << '"' << c.bytes << '"';
}

TEST(LineEnding, NamesAndBreaks)
{
    EXPECT_EQ(lineEndingName(LineEnding::Dos), "dos");
    EXPECT_EQ(lineEndingName(LineEnding::Unix), "unix");
    EXPECT_EQ(lineEndingName(LineEnding::None), "none");
    EXPECT_EQ(lineBreakFor(LineEnding::Dos, true), "\r\n");
    EXPECT_EQ(lineBreakFor(LineEnding::Unix, false), "\n");
    EXPECT_EQ(lineBreakFor(LineEnding::None, true), "\n");
    EXPECT_EQ(lineBreakFor(LineEnding::None, false), "\r\n");
}

TEST(LineEnding, AFileKeepsTheLineBreakItHas)
{
    const struct {
        std::string bytes;
        LineEnding kept;
    } cases[] = {
        {"", LineEnding::None},
        {"A", LineEnding::None},
        {"\n", LineEnding::Unix},    // detected as none: its only break is the last byte
        {"AB\n", LineEnding::Unix},
        {"AB\r\n", LineEnding::Dos},
        {"AB\nCD\r\n", LineEnding::Unix},
        {"AB\rCD", LineEnding::Dos},
    };
    for (const auto &c : cases)
        EXPECT_EQ(keptLineEnding(c.bytes), c.kept) << '"' << c.bytes << '"';
}

} // namespace
