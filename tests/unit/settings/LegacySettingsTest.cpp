#include "settings/core/LegacySettings.h"
#include "settings/core/SettingsFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace norvane;
using Lines = std::vector<std::string>;

namespace {

auto noFiles = [](const std::string &) { return false; };

Settings readFirstLine(const std::string &line, std::vector<std::string> *unreadable = nullptr)
{
    SettingsFile file(Lines{line});
    Settings settings;
    LegacyReadResult result = ReadLegacySettings(file, settings, noFiles);
    if (unreadable)
        *unreadable = result.unreadable;
    return settings;
}

TEST(LegacySettings, OnlyTheOlderFormatsShapeIsReadAsIt)
{
    const struct {
        Lines lines;
        bool legacy;
    } rows[] = {
        {{"YNNY4NYNC12Courier New", "/src/PAY.CBL (read only)", ""}, true},
        {{"YNNY4"}, true},                       // short first lines are padded
        {{"yNNN1NxN"}, true},                    // any letter reads as a flag
        {{"YNNY4NYN"}, true},
        {{"YNNY4NYNX"}, true},                   // a style letter without size or name
        {{"YNNYxNYN"}, false},                   // the indent is a digit
        {{"YNN"}, false},
        {{"YNNY4NYN1"}, false},                  // a digit where the style letter goes
        {{"YNNY4NY-C12Arial"}, false},
        {{"Norvane settings", "block caret = yes"}, false},
        {{"YNNY4NYNC12Courier\x01New"}, false},      // no control characters anywhere
        {{"YNNY4NYNC12Courier New", "/src/\x07" "bell.cbl"}, false},
        {{"\x00\x01\x02"}, false},
        {{""}, false},
        {{}, false},
    };
    for (const auto &row : rows) {
        const std::string shown = row.lines.empty() ? "(none)" : row.lines.front();
        EXPECT_EQ(hasLegacyShape(SettingsFile(row.lines)), row.legacy) << shown;
    }
}

TEST(LegacySettings, TheDocumentedExample)
{
    std::vector<std::string> unreadable;
    const Settings settings = readFirstLine("YNNY4NYNC12Courier New", &unreadable);
    EXPECT_TRUE(unreadable.empty());
    EXPECT_TRUE(settings.UnixLineFeedOption);
    EXPECT_FALSE(settings.Pic01ShowOption);
    EXPECT_FALSE(settings.ShowPerformOption);
    EXPECT_TRUE(settings.BigEndianOption);
    EXPECT_EQ(settings.IndentOption, 4);
    EXPECT_FALSE(settings.TrailSpaceOption);
    EXPECT_TRUE(settings.optFatCarat);
    EXPECT_FALSE(settings.StartOption);
    EXPECT_EQ(settings.editorFont, (FontSpec{"Courier New", 12, true, false}));
}

TEST(LegacySettings, FlagsTakeTheirPositions)
{
    const struct {
        const char *line;
        bool unix, pic01, perform, bigEndian;
        int indent;
        bool trail, fatCaret, start;
    } rows[] = {
        {"YYYY9YYY", true, true, true, true, 9, true, true, true},
        {"NNNN0NNN", false, false, false, false, 0, false, false, false},
        {"yNNN1NxN", false, false, false, false, 1, false, true, false}, // only "Y" checks; caret only "N" clears
        {"NYNN2NNY", false, true, false, false, 2, false, false, true},
    };
    for (const auto &row : rows) {
        const Settings s = readFirstLine(row.line);
        EXPECT_EQ(s.UnixLineFeedOption, row.unix) << row.line;
        EXPECT_EQ(s.Pic01ShowOption, row.pic01) << row.line;
        EXPECT_EQ(s.ShowPerformOption, row.perform) << row.line;
        EXPECT_EQ(s.BigEndianOption, row.bigEndian) << row.line;
        EXPECT_EQ(s.IndentOption, row.indent) << row.line;
        EXPECT_EQ(s.TrailSpaceOption, row.trail) << row.line;
        EXPECT_EQ(s.optFatCarat, row.fatCaret) << row.line;
        EXPECT_EQ(s.StartOption, row.start) << row.line;
    }
}

TEST(LegacySettings, FontFromTheRestOfTheFirstLine)
{
    const struct {
        const char *line;
        FontSpec font;
    } rows[] = {
        {"YNNY4NYN", {"Fixedsys", 10, false, false}},
        {"YNNY4NYND", {"Fixedsys", 10, true, true}},
        {"YNNY4NYNB8MS Sans Serif", {"Fixedsys", 8, false, true}},
        {"YNNY4NYNA14Lucida Console", {"Lucida Console", 14, false, false}},
        {"YNNY4NYNDCourier", {"Courier", 10, true, true}},
        {"YNNY4NYNC9", {"Fixedsys", 9, true, false}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(readFirstLine(row.line).editorFont, row.font) << row.line;
}

TEST(LegacySettings, BadCharactersTakeTheirDefaults)
{
    const struct {
        std::string line;
        int indent;
        FontSpec font;
        std::size_t unreadable;
    } rows[] = {
        {"YNNYxNYN", 4, {"Fixedsys", 10, false, false}, 1},
        {"YNNY", 4, {"Fixedsys", 10, false, false}, 1}, // padded with spaces
        {"YNNY7NYNC0Courier", 7, {"Courier", 10, true, false}, 1},
        {"YNNY7NYNC99999999999Courier", 7, {"Courier", 10, true, false}, 1},
        {std::string("YNNY3NYNC12Cour\x01ier"), 3, {"Fixedsys", 12, true, false}, 1},
        {std::string("\0\x01\x02\0\x01\x02\x03\x04\x05\x06", 10), 4, {"Fixedsys", 10, false, false}, 2},
    };
    for (const auto &row : rows) {
        std::vector<std::string> unreadable;
        const Settings s = readFirstLine(row.line, &unreadable);
        EXPECT_EQ(s.IndentOption, row.indent) << row.line;
        EXPECT_EQ(s.editorFont, row.font) << row.line;
        EXPECT_EQ(unreadable.size(), row.unreadable) << row.line;
    }
}

TEST(LegacySettings, RecentNameDropsAMarkerAtTheEnd)
{
    const struct {
        const char *line;
        const char *name;
    } rows[] = {
        {"/src/PAY.CBL", "/src/PAY.CBL"},
        {"/src/PAY.CBL (read only)", "/src/PAY.CBL"},
        {"/src/PAY(1).CBL", "/src/PA"}, // the character before the "(" goes too
        {"/src/PAY.CBL(", "/src/PAY.CBL("}, // a "(" as the last character is no marker
        {"(x)", ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(legacyRecentName(row.line), row.name) << row.line;
}

TEST(LegacySettings, RecentFilesThatAreGoneAreRemoved)
{
    const std::set<std::string> existing{"/src/A.CBL", "/src/B.CBL", "/Program Files (x86)/C.CBL"};
    auto exists = [&](const std::string &path) { return existing.count(path) > 0; };
    SettingsFile file(Lines{
        "YNNY4NYN",
        "/src/A.CBL",
        "/gone/1.CBL",
        "/gone/2.CBL", // moves into the removed line's place
        "",
        "/src/B.CBL (read only)",
        "/Program Files (x86)/C.CBL",
        "/gone/3.CBL (read only)",
    });
    Settings settings;
    const LegacyReadResult result = ReadLegacySettings(file, settings, exists);
    EXPECT_TRUE(result.linesRemoved);
    EXPECT_EQ(file.lines(), (Lines{"YNNY4NYN", "/src/A.CBL", "", "/src/B.CBL (read only)",
                                   "/Program Files (x86)/C.CBL", "", "", "", "", "", ""}));
}

TEST(LegacySettings, NothingRemovedStillMakesElevenLines)
{
    SettingsFile file(Lines{"YNNY4NYN", "/src/A.CBL"});
    Settings settings;
    const LegacyReadResult result =
        ReadLegacySettings(file, settings, [](const std::string &path) { return path == "/src/A.CBL"; });
    EXPECT_FALSE(result.linesRemoved);
    EXPECT_EQ(file.lineCount(), 11);
}

} // namespace
