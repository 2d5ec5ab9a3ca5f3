#include "settings/core/SettingsFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace norvane;
using Lines = std::vector<std::string>;

namespace {

TEST(SettingsFile, SkeletonHasTheStoredKeysInOrder)
{
    const SettingsFile skeleton = SettingsFile::skeleton();
    ASSERT_EQ(skeleton.lineCount(), 67);
    const struct {
        int line; // 1-based, as in the file
        const char *text;
    } rows[] = {
        {1, "[Norvane]"},
        {2, ""},
        {3, "[save new files in Unix format]"},
        {4, "true"},
        {5, "[target sytem for data files in big endian]"},
        {6, "true"},
        {7, "[strip trailing spaces on save]"},
        {8, "false"},
        {9, "[block caret]"},
        {10, "false"},
        {11, "[open dialog at start]"},
        {12, "false"},
        {13, "[show 01 levels with PIC clause in tree view]"},
        {14, "false"},
        {15, "[show performed paragraphs/sections in tree view]"},
        {16, "false"},
        {17, "[tab and indent length]"},
        {18, "4"},
        {19, "[Recent file list size]"},
        {20, "30"},
        {21, "[Font.Name]"},
        {22, "FixedSys"},
        {23, "[Font.Size]"},
        {24, "10"},
        {25, "[Font.Style]"},
        {26, "[]"},
        {27, "[colour COBOL source]"},
        {28, "true"},
        {29, "[column guides]"},
        {30, "true"},
        {31, "[column guide positions]"},
        {32, "7 8 12 72"},
        {33, "[line numbers]"},
        {34, "true"},
        {35, "[copybook folders]"},
        {36, ""},
        {37, "[RecentList]"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(skeleton.line(row.line - 1), row.text) << "line " << row.line;
    for (int line = 38; line <= 67; ++line)
        EXPECT_EQ(skeleton.line(line - 1), "") << "line " << line;
    EXPECT_EQ(skeleton.recentStart(), 37);
}

TEST(SettingsFile, ReadValueTakesTheLineAfterTheFirstExactKey)
{
    const SettingsFile file(Lines{"[a]", "1", "[b]", "", "[a]", "2", "[c]"});
    const struct {
        const char *key;
        const char *value;
    } rows[] = {
        {"[a]", "1"}, // first key wins
        {"[b]", ""},
        {"[c]", ""},  // the last line has no value
        {"[A]", ""},  // keys are case-sensitive
        {"[x]", ""},
        {"1", "[b]"}, // any line is a key
    };
    for (const auto &row : rows)
        EXPECT_EQ(file.ReadValue(row.key), row.value) << row.key;
}

TEST(SettingsFile, AKeyInsideTheRecentListIsNoSetting)
{
    SettingsFile file(Lines{"[Norvane]", "[a]", "1", "[RecentList]", "[b]", "2", "[a]", "3"});
    EXPECT_EQ(file.ReadValue("[a]"), "1");
    EXPECT_EQ(file.ReadValue("[b]"), "");
    EXPECT_EQ(file.indexOfKey("[b]"), -1);
    EXPECT_FALSE(file.WriteValue("[b]", "X"));
    EXPECT_TRUE(file.WriteValue("[a]", "Y"));
    EXPECT_EQ(file.lines(), (Lines{"[Norvane]", "[a]", "Y", "[RecentList]", "[b]", "2", "[a]", "3"}));
}

TEST(SettingsFile, WriteValueReplacesButNeverAddsAKey)
{
    SettingsFile file(Lines{"[a]", "1", "[a]", "2", "[c]"});
    EXPECT_TRUE(file.WriteValue("[a]", "X"));
    EXPECT_FALSE(file.WriteValue("[missing]", "Y"));
    EXPECT_EQ(file.lines(), (Lines{"[a]", "X", "[a]", "2", "[c]"}));
    // A key cut off at the end of the file keeps the value written for it.
    EXPECT_TRUE(file.WriteValue("[c]", "Z"));
    EXPECT_EQ(file.lines(), (Lines{"[a]", "X", "[a]", "2", "[c]", "Z"}));
}

TEST(SettingsFile, IndexOfLineIsExact)
{
    const SettingsFile file(Lines{"[Norvane]", "", "abc", "ABC", "abc "});
    EXPECT_EQ(file.IndexOfLine("[Norvane]"), 0);
    EXPECT_EQ(file.IndexOfLine(""), 1);
    EXPECT_EQ(file.IndexOfLine("ABC"), 3);
    EXPECT_EQ(file.IndexOfLine("abc "), 4);
    EXPECT_EQ(file.IndexOfLine("ab"), -1);
}

TEST(SettingsFile, LinesFromBytes)
{
    const struct {
        std::string bytes;
        Lines lines;
    } rows[] = {
        {"", {}},
        {"[Norvane]\r\n\r\n", {"[Norvane]", ""}},
        {"[Norvane]\n\nX", {"[Norvane]", "", "X"}},
        {"A\r\nB\nC\rD", {"A", "B", "C", "D"}},
        {std::string("\0\x01\xff\r\n", 5), {std::string("\0\x01\xff", 3)}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(SettingsFile::fromBytes(row.bytes).lines(), row.lines);
}

TEST(SettingsFile, SavedAsCrLfLines)
{
    EXPECT_EQ(SettingsFile(Lines{}).toBytes(), "");
    EXPECT_EQ(SettingsFile(Lines{"[Norvane]", "", "x"}).toBytes(), "[Norvane]\r\n\r\nx\r\n");
    const SettingsFile skeleton = SettingsFile::skeleton();
    EXPECT_EQ(SettingsFile::fromBytes(skeleton.toBytes()), skeleton);
}

TEST(SettingsFile, FormatIsToldByTheFirstLine)
{
    EXPECT_TRUE(SettingsFile(Lines{}).isCurrentFormat());
    EXPECT_TRUE(SettingsFile(Lines{"[Norvane]"}).isCurrentFormat());
    EXPECT_FALSE(SettingsFile(Lines{"YNNY4NYN"}).isCurrentFormat());
    EXPECT_FALSE(SettingsFile(Lines{"[norvane]"}).isCurrentFormat());
    EXPECT_FALSE(SettingsFile(Lines{"", "[Norvane]"}).isCurrentFormat());
}

} // namespace
