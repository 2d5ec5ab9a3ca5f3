#include "settings/core/RecentList.h"
#include "settings/core/SettingsFile.h"
#include "settings/core/SettingsFormat.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace norvane;
using Lines = std::vector<std::string>;

namespace {

TEST(SettingsFormat, BooleansInAnyCaseOrAsNumbers)
{
    const struct {
        const char *text;
        std::optional<bool> value;
    } rows[] = {
        {"true", true},   {"True", true},    {"TRUE", true},   {"tRuE", true},   {"false", false},
        {"False", false}, {"FALSE", false},  {"0", false},     {"1", true},      {"-1", true},
        {"2", true},      {"+0", false},     {"0.0", false},   {"0.5", true},    {" true ", true},
        {"", std::nullopt}, {"yes", std::nullopt}, {"tru", std::nullopt}, {"1e", std::nullopt},
        {".", std::nullopt}, {"--1", std::nullopt}, {"1.2.3", std::nullopt}, {"true1", std::nullopt},
    };
    for (const auto &row : rows)
        EXPECT_EQ(parseBoolean(row.text), row.value) << '"' << row.text << '"';
}

TEST(SettingsFormat, IntegersAreDecimal)
{
    const struct {
        const char *text;
        std::optional<int> value;
    } rows[] = {
        {"4", 4},   {"30", 30},          {"-3", -3},          {"+7", 7},          {" 10 ", 10},
        {"", std::nullopt}, {"thirty", std::nullopt}, {"4x", std::nullopt}, {"+-1", std::nullopt},
        {"99999999999999", std::nullopt}, {"1.5", std::nullopt},
    };
    for (const auto &row : rows)
        EXPECT_EQ(parseInteger(row.text), row.value) << '"' << row.text << '"';
}

TEST(SettingsFormat, FontStyleLiterals)
{
    const struct {
        bool bold, italic, underline, strikeOut;
        const char *stored;
        bool boldBack, italicBack;
    } rows[] = {
        {false, false, false, false, "[]", false, false},
        {true, true, false, false, "[fsBold,fsItalic]", true, true},
        {true, false, false, false, "[fsBold]", true, false},
        {false, true, false, false, "[fsIntalic]", false, true},
        {true, false, true, false, "[]", false, false},
        {true, true, true, false, "[]", false, false},
        {false, false, true, false, "[]", false, false},
        {false, true, false, true, "[]", false, false},
    };
    for (const auto &row : rows) {
        FontSpec font;
        font.bold = row.bold;
        font.italic = row.italic;
        font.underline = row.underline;
        font.strikeOut = row.strikeOut;
        EXPECT_EQ(fontStyleValue(font), row.stored);
        FontSpec back;
        back.underline = true;
        decodeFontStyle(fontStyleValue(font), back);
        EXPECT_EQ(back.bold, row.boldBack) << row.stored;
        EXPECT_EQ(back.italic, row.italicBack) << row.stored;
        EXPECT_FALSE(back.underline);
    }
}

TEST(SettingsFormat, UnknownStyleTextsMeanNoStyle)
{
    for (const char *text : {"[fsItalic]", "[fsbold]", "[fsUnderline]", "", "[fsBold, fsItalic]", "fsBold"}) {
        FontSpec font;
        font.bold = font.italic = true;
        decodeFontStyle(text, font);
        EXPECT_FALSE(font.bold) << text;
        EXPECT_FALSE(font.italic) << text;
    }
}

TEST(SettingsFormat, WritingWithoutAFileStartsFromTheSkeleton)
{
    SettingsFile file(Lines{"junk"});
    RecentMenu menu;
    WriteSettings(file, false, Settings{}, menu);
    EXPECT_EQ(file.toBytes(), test::fixture("first-start.ini"));
}

TEST(SettingsFormat, WrittenValuesReadBack)
{
    Settings written;
    written.UnixLineFeedOption = false;
    written.Pic01ShowOption = true;
    written.ShowPerformOption = true;
    written.BigEndianOption = false;
    written.TrailSpaceOption = true;
    written.optFatCarat = true;
    written.StartOption = true;
    written.IndentOption = 0;
    written.seRecent = 20;
    written.editorFont = {"Lucida Console", 12, true, false};
    written.colourSource = false;
    written.columnGuides = false;
    written.guideColumns = {8, 12, 72, 80};
    written.lineNumbers = false;
    written.copybookFolders = {"/home/dev/copy", "C:\\SHARED\\COPYLIB"};
    SettingsFile file;
    RecentMenu menu;
    WriteSettings(file, false, written, menu);
    EXPECT_EQ(file.ReadValue("[block caret]"), "True");
    EXPECT_EQ(file.ReadValue("[save new files in Unix format]"), "False");
    EXPECT_EQ(file.ReadValue("[Font.Style]"), "[fsBold]");
    EXPECT_EQ(file.ReadValue("[colour COBOL source]"), "False");
    EXPECT_EQ(file.ReadValue("[column guide positions]"), "8 12 72 80");
    EXPECT_EQ(file.ReadValue("[copybook folders]"), "/home/dev/copy;C:\\SHARED\\COPYLIB");

    Settings read;
    EXPECT_TRUE(ReadSettings(file, read).empty());
    EXPECT_EQ(read, written);
}

TEST(SettingsFormat, UnconvertibleValuesTakeTheirDefaults)
{
    const SettingsFile file = SettingsFile::fromBytes(test::fixture("garbage-values.ini"));
    Settings settings;
    settings.Pic01ShowOption = false;
    settings.optFatCarat = true; // not the default: the fallback is the default, not the value before
    const std::vector<std::string> unreadable = ReadSettings(file, settings);

    EXPECT_EQ(unreadable, (std::vector<std::string>{
                              "[save new files in Unix format]",
                              "[block caret]",
                              "[show performed paragraphs/sections in tree view]",
                              "[tab and indent length]",
                              "[Recent file list size]",
                              "[Font.Name]",
                              "[Font.Size]",
                              "[colour COBOL source]",
                              "[column guide positions]",
                          }));
    const Settings defaults;
    EXPECT_EQ(settings.UnixLineFeedOption, defaults.UnixLineFeedOption);
    EXPECT_FALSE(settings.BigEndianOption);  // "FALSE"
    EXPECT_TRUE(settings.TrailSpaceOption);  // "-2"
    EXPECT_EQ(settings.optFatCarat, defaults.optFatCarat);
    EXPECT_FALSE(settings.StartOption);      // "0.0"
    EXPECT_TRUE(settings.Pic01ShowOption);   // "true"
    EXPECT_EQ(settings.ShowPerformOption, defaults.ShowPerformOption);
    EXPECT_EQ(settings.IndentOption, defaults.IndentOption);
    EXPECT_EQ(settings.seRecent, defaults.seRecent);
    EXPECT_EQ(settings.colourSource, defaults.colourSource);
    EXPECT_FALSE(settings.columnGuides);     // "False"
    EXPECT_EQ(settings.guideColumns, defaults.guideColumns);
    EXPECT_FALSE(settings.lineNumbers);      // "0"
    EXPECT_EQ(settings.copybookFolders, (std::vector<std::string>{"/copy", "/more copy"}));
    EXPECT_EQ(settings.editorFont, defaults.editorFont);
}

TEST(SettingsFormat, NumbersOutOfRangeTakeTheirDefaults)
{
    const struct {
        const char *key;
        const char *value;
        bool readable;
    } rows[] = {
        {"[tab and indent length]", "0", true},   {"[tab and indent length]", "9", true},
        {"[tab and indent length]", "10", false}, {"[tab and indent length]", "-1", false},
        {"[Recent file list size]", "10", true},  {"[Recent file list size]", "20", true},
        {"[Recent file list size]", "0", false},  {"[Recent file list size]", "25", true},
        {"[Recent file list size]", "40", false}, {"[Font.Size]", "1", true},
        {"[Font.Size]", "0", false},              {"[Font.Size]", "-8", false},
        {"[Font.Name]", "Courier New", true},     {"[Font.Name]", "Cour\x01ier", false},
    };
    for (const auto &row : rows) {
        SettingsFile file = SettingsFile::skeleton();
        file.WriteValue(row.key, row.value);
        Settings settings;
        const std::vector<std::string> unreadable = ReadSettings(file, settings);
        EXPECT_EQ(unreadable.empty(), row.readable) << row.key << " " << row.value;
    }
}

TEST(SettingsFormat, ShrinkingEmptiesTheEntriesBeyondTheNewSize)
{
    SettingsFile file = SettingsFile::skeleton();
    for (int i = 0; i < 30; ++i)
        file.line(file.recentStart() + i) = "/src/P" + std::to_string(i + 1) + ".CBL";
    RecentMenu menu;
    menu.ShowRecentList(file);
    Settings settings;
    settings.seRecent = 10;
    WriteSettings(file, true, settings, menu);

    EXPECT_EQ(file.ReadValue("[Recent file list size]"), "10");
    EXPECT_EQ(menu.visibleCount(), 10);
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(file.line(file.recentStart() + i), i < 10 ? "/src/P" + std::to_string(i + 1) + ".CBL" : "");
        EXPECT_EQ(menu.at(i).visible, i < 10);
    }
}

TEST(SettingsFormat, GrowingTheSizeKeepsTheList)
{
    SettingsFile file = SettingsFile::skeleton();
    file.WriteValue("[Recent file list size]", "10");
    file.line(file.recentStart()) = "/src/A.CBL";
    RecentMenu menu;
    menu.ShowRecentList(file);
    WriteSettings(file, true, Settings{}, menu);
    EXPECT_EQ(file.ReadValue("[Recent file list size]"), "30");
    EXPECT_EQ(file.line(file.recentStart()), "/src/A.CBL");
    EXPECT_EQ(menu.visibleCount(), 1);
}

TEST(SettingsFormat, CompletingACutOffFileKeepsWhatItHolds)
{
    SettingsFile file = SettingsFile::fromBytes(test::fixture("truncated.ini"));
    Settings settings;
    const std::vector<std::string> unreadable = ReadSettings(file, settings);
    EXPECT_EQ(unreadable, (std::vector<std::string>{"[Font.Name]", "[Font.Size]", "[Font.Style]"}));
    EXPECT_FALSE(settings.UnixLineFeedOption);
    EXPECT_EQ(settings.IndentOption, 2);
    EXPECT_EQ(settings.seRecent, 20);

    EXPECT_TRUE(completeSettingsFile(file, settings));
    EXPECT_EQ(file.lineCount(), 67);
    EXPECT_EQ(file.ReadValue("[Font.Name]"), "MS Sans Serif");
    EXPECT_EQ(file.ReadValue("[Font.Size]"), "8");
    EXPECT_EQ(file.ReadValue("[Font.Style]"), "[]");
    EXPECT_EQ(file.ReadValue("[tab and indent length]"), "2");
    EXPECT_EQ(file.recentStart(), 37);
    Settings again;
    EXPECT_TRUE(ReadSettings(file, again).empty());
    EXPECT_EQ(again, settings);
    EXPECT_FALSE(completeSettingsFile(file, settings)) << "a whole file gets nothing";
}

TEST(SettingsFormat, AKeyFollowedByAKeyGetsItsValueLineBack)
{
    SettingsFile file = SettingsFile::skeleton();
    auto &lines = file.lines();
    lines.erase(lines.begin() + file.IndexOfLine("[block caret]") + 1);
    Settings settings;
    (void)ReadSettings(file, settings);
    completeSettingsFile(file, settings);
    EXPECT_EQ(file.ReadValue("[block caret]"), "False");
    EXPECT_EQ(file.ReadValue("[open dialog at start]"), "false");
    RecentMenu menu;
    WriteSettings(file, true, settings, menu);
    EXPECT_EQ(file.IndexOfLine("[open dialog at start]"), 10) << "writing never overwrites a key";
}

TEST(SettingsFormat, CompletingKeepsRecentLinesAndAddsFreeSlots)
{
    SettingsFile file(Lines{"[Norvane]", "", "[RecentList]", "/src/A.CBL", "/src/B.CBL"});
    Settings settings;
    (void)ReadSettings(file, settings);
    completeSettingsFile(file, settings);
    EXPECT_EQ(file.lineCount(), 67);
    EXPECT_EQ(file.line(file.recentStart()), "/src/A.CBL");
    EXPECT_EQ(file.line(file.recentStart() + 1), "/src/B.CBL");
    EXPECT_EQ(file.lineCount() - file.recentStart(), 30);
}

TEST(SettingsFormat, GuideColumnsAreNumbersInAnyOrder)
{
    const struct {
        const char *text;
        std::optional<std::vector<int>> columns;
    } rows[] = {
        {"7 8 12 72", std::vector<int>{7, 8, 12, 72}},
        {"72,7, 12  8", std::vector<int>{7, 8, 12, 72}},
        {"  80 ", std::vector<int>{80}},
        {"12 12 7", std::vector<int>{7, 12}},
        {"", std::vector<int>{}},
        {"1 999", std::vector<int>{1, 999}},
        {"0", std::nullopt},
        {"1000", std::nullopt},
        {"7 eight", std::nullopt},
        {"-7", std::nullopt},
        {"7;8", std::nullopt},
    };
    for (const auto &row : rows)
        EXPECT_EQ(parseGuideColumns(row.text), row.columns) << '"' << row.text << '"';
    EXPECT_EQ(guideColumnsValue({7, 8, 12, 72}), "7 8 12 72");
    EXPECT_EQ(guideColumnsValue({}), "");
}

TEST(SettingsFormat, CopybookFoldersAreSeparatedBySemicolons)
{
    using Folders = std::vector<std::string>;
    EXPECT_EQ(parseFolderList(""), Folders{});
    EXPECT_EQ(parseFolderList("/a;/b c;;C:\\X"), (Folders{"/a", "/b c", "C:\\X"}));
    EXPECT_EQ(parseFolderList(";/a;"), Folders{"/a"});
    EXPECT_EQ(parseFolderList("/a\x01b"), std::nullopt);
    EXPECT_EQ(folderListValue({"/a", "", "/b c"}), "/a;/b c");
}

// A file written before the editor's options existed reads without a word:
// the options take their defaults, and completing the file adds their keys
// after the others and before the recent list, which keeps its entries.
TEST(SettingsFormat, AnOlderFileWithoutTheEditorKeysTakesTheirDefaults)
{
    SettingsFile file = SettingsFile::fromBytes(test::fixture("older-first-start.ini"));
    file.line(file.recentStart()) = "/src/A.CBL";
    Settings settings;
    settings.colourSource = false;
    settings.guideColumns = {1};
    settings.copybookFolders = {"/x"};
    EXPECT_TRUE(ReadSettings(file, settings).empty());
    const Settings defaults;
    EXPECT_TRUE(settings.colourSource);
    EXPECT_TRUE(settings.columnGuides);
    EXPECT_EQ(settings.guideColumns, defaults.guideColumns);
    EXPECT_TRUE(settings.lineNumbers);
    EXPECT_TRUE(settings.copybookFolders.empty());

    EXPECT_TRUE(completeSettingsFile(file, settings));
    EXPECT_EQ(file.lineCount(), 67);
    const int fontStyle = file.IndexOfLine("[Font.Style]");
    const Lines added(file.lines().begin() + fontStyle + 2, file.lines().begin() + file.recentStart());
    EXPECT_EQ(added, (Lines{"[colour COBOL source]", "True", "[column guides]", "True", "[column guide positions]",
                            "7 8 12 72", "[line numbers]", "True", "[copybook folders]", "", "[RecentList]"}));
    EXPECT_EQ(file.line(file.recentStart()), "/src/A.CBL");
    EXPECT_EQ(file.lineCount() - file.recentStart(), 30);
}

TEST(SettingsFormat, UnreadableEditorValuesAreNews)
{
    SettingsFile file = SettingsFile::skeleton();
    file.WriteValue("[colour COBOL source]", "perhaps");
    file.WriteValue("[column guide positions]", "7 x 12");
    file.WriteValue("[copybook folders]", std::string("/a\x02"));
    Settings settings;
    settings.colourSource = false;
    settings.guideColumns = {1};
    settings.copybookFolders = {"/x"};
    EXPECT_EQ(ReadSettings(file, settings),
              (std::vector<std::string>{"[colour COBOL source]", "[column guide positions]", "[copybook folders]"}));
    const Settings defaults;
    EXPECT_EQ(settings.colourSource, defaults.colourSource);
    EXPECT_EQ(settings.guideColumns, defaults.guideColumns);
    EXPECT_EQ(settings.copybookFolders, defaults.copybookFolders);
}

} // namespace
