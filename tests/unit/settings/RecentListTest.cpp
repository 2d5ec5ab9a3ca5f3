#include "settings/core/RecentList.h"
#include "settings/core/SettingsFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace norvane;
using Lines = std::vector<std::string>;

namespace {

// A settings file whose recent lines are the given ones, followed by free
// slots up to 30.
SettingsFile fileWithRecent(const Lines &recent)
{
    SettingsFile file = SettingsFile::skeleton();
    for (std::size_t i = 0; i < recent.size(); ++i)
        file.line(file.recentStart() + static_cast<int>(i)) = recent[i];
    return file;
}

Lines recentLines(const SettingsFile &file)
{
    return Lines(file.lines().begin() + file.recentStart(), file.lines().end());
}

// The recent lines expected: the given ones, then free slots up to 30.
Lines padded(Lines lines)
{
    lines.resize(30);
    return lines;
}

Lines numbered(const char *prefix, int from, int to)
{
    Lines lines;
    for (int i = from; i <= to; ++i)
        lines.push_back(prefix + std::to_string(i));
    return lines;
}

Lines joined(Lines a, const Lines &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(RecentList, CaptionsLineUpTheirPaths)
{
    const struct {
        int position;
        const char *caption;
    } rows[] = {
        {0, "1    C:\\SRC\\PAY.CBL"},
        {8, "9    C:\\SRC\\PAY.CBL"},
        {9, "10  C:\\SRC\\PAY.CBL"},
        {29, "30  C:\\SRC\\PAY.CBL"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(recentCaption(row.position, "C:\\SRC\\PAY.CBL"), row.caption);
}

TEST(RecentList, PathFromCaption)
{
    const struct {
        const char *caption;
        RecentPath path;
    } rows[] = {
        {"1    /src/PAY.CBL", {"/src/PAY.CBL", false}},
        {"10  /src/PAY.CBL", {"/src/PAY.CBL", false}},
        {"2    /src/PAY.CBL (read only)", {"/src/PAY.CBL", true}},
        {"3    /src/PAY(1).CBL", {"/src/PAY(1).CBL", false}},
        {"4    C:\\Program Files (x86)\\A.CBL", {"C:\\Program Files (x86)\\A.CBL", false}},
        {"5    C:\\Program Files (x86)\\A.CBL (read only)", {"C:\\Program Files (x86)\\A.CBL", true}},
        {"6    /src/my file.cbl", {"/src/my file.cbl", false}},
        {"", {}},
        {"7", {}},
        {"7    ", {}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(PathFromCaption(row.caption), row.path) << row.caption;
}

TEST(RecentList, MenuShowsTheUsedLinesInOrder)
{
    const SettingsFile file = fileWithRecent({"/a.cbl", "", "/b.cbl", "", "", "/c.cbl"});
    RecentMenu menu;
    menu.ShowRecentList(file);
    EXPECT_EQ(menu.visibleCount(), 3);
    EXPECT_EQ(menu.at(0), (RecentEntry{true, "1    /a.cbl"}));
    EXPECT_EQ(menu.at(1), (RecentEntry{true, "2    /b.cbl"}));
    EXPECT_EQ(menu.at(2), (RecentEntry{true, "3    /c.cbl"}));
    EXPECT_EQ(menu.at(3), RecentEntry{});
}

TEST(RecentList, MenuShowsAtMostThirtyEntries)
{
    SettingsFile file = fileWithRecent(numbered("/p", 1, 30));
    file.lines().push_back("/p31");
    RecentMenu menu;
    menu.ShowRecentList(file);
    EXPECT_EQ(menu.visibleCount(), 30);
    EXPECT_EQ(menu.at(29).caption, "30  /p30");
}

TEST(RecentList, RebuildingClearsTheOldEntries)
{
    RecentMenu menu;
    menu.ShowRecentList(fileWithRecent({"/a.cbl", "/b.cbl"}));
    menu.ShowRecentList(fileWithRecent({"/c.cbl"}));
    EXPECT_EQ(menu.visibleCount(), 1);
    EXPECT_EQ(menu.at(1), RecentEntry{});
}

TEST(RecentList, AFileWithoutRecentLinesLeavesTheMenuAlone)
{
    RecentMenu menu;
    menu.ShowRecentList(fileWithRecent({"/a.cbl"}));
    menu.ShowRecentList(SettingsFile(Lines{"[Norvane]", "", "[block caret]", "True"}));
    EXPECT_EQ(menu.visibleCount(), 1);
}

TEST(RecentList, OlderFormatListsFromTheSecondLine)
{
    const SettingsFile file(Lines{"YNNY4NYN", "/a.cbl", "", "/b.cbl (read only)"});
    RecentMenu menu;
    menu.ShowRecentList(file, false);
    EXPECT_EQ(menu.visibleCount(), 2);
    EXPECT_EQ(menu.at(1).caption, "2    /b.cbl (read only)");
}

TEST(RecentList, AddRecentMoves)
{
    const struct {
        const char *name;
        Lines before;
        std::vector<std::string> closed; // captions of the windows closed, in order
        int size;
        Lines after;
    } rows[] = {
        {"A, B, A gives A, B", {}, {"/A.CBL", "/B.CBL", "/A.CBL"}, 30, padded({"/A.CBL", "/B.CBL"})},
        {"a new file goes on top", {"/A.CBL", "/B.CBL"}, {"/C.CBL"}, 30, padded({"/C.CBL", "/A.CBL", "/B.CBL"})},
        {"the top entry stays", {"/A.CBL", "/B.CBL"}, {"/A.CBL"}, 30, padded({"/A.CBL", "/B.CBL"})},
        {"a full list drops the oldest", numbered("/p", 1, 30), {"/NEW"}, 30,
         joined({"/NEW"}, numbered("/p", 1, 29))},
        {"size 10 drops the tenth and keeps the lines after it", numbered("/p", 1, 30), {"/NEW"}, 10,
         joined(joined({"/NEW"}, numbered("/p", 1, 9)), numbered("/p", 11, 30))},
        {"a listed file beyond the size moves to the top", numbered("/p", 1, 30), {"/p20"}, 10,
         joined(joined({"/p20"}, numbered("/p", 1, 19)), numbered("/p", 21, 30))},
        {"a read-only window enters under its plain path", {"/A.CBL"}, {"C:\\SRC\\PAY.CBL (read only)"}, 30,
         padded({"C:\\SRC\\PAY.CBL", "/A.CBL"})},
        {"comparison is case-sensitive", {"/A.CBL"}, {"/a.cbl"}, 30, padded({"/a.cbl", "/A.CBL"})},
        {"layout, data and blank windows never enter", {"/A.CBL"}, {"offset: WS-REC", "data: /x.dat", "blank 0", ""},
         30, padded({"/A.CBL"})},
    };
    for (const auto &row : rows) {
        SettingsFile file = fileWithRecent(row.before);
        for (const std::string &caption : row.closed)
            AddRecent(file, caption, row.size);
        EXPECT_EQ(recentLines(file), row.after) << row.name;
        EXPECT_EQ(file.lineCount(), 67) << row.name;
    }
}

TEST(RecentList, AddRecentLeavesTheSettingsAlone)
{
    SettingsFile file = fileWithRecent({});
    const Lines settingsLines(file.lines().begin(), file.lines().begin() + file.recentStart());
    AddRecent(file, "/A.CBL", 30);
    EXPECT_EQ(Lines(file.lines().begin(), file.lines().begin() + file.recentStart()), settingsLines);
}

TEST(RecentList, AddRecentNeedsRecentLines)
{
    SettingsFile file(Lines{"[Norvane]", "", "[block caret]", "True"});
    EXPECT_FALSE(AddRecent(file, "/A.CBL", 30));
    EXPECT_EQ(file.lines(), (Lines{"[Norvane]", "", "[block caret]", "True"}));
}

// The file keeps one path a line: a path with a line break in it could not
// come back as it was, and would turn into two entries and one line more.
TEST(RecentList, AddRecentLeavesOutAPathWithALineBreak)
{
    for (const char *caption : {"/src/A\nB.CBL", "/src/A\rB.CBL", "/src/A\r\nB.CBL (read only)"}) {
        SettingsFile file = fileWithRecent({"/OLD.CBL"});
        EXPECT_FALSE(AddRecent(file, caption, 30));
        EXPECT_EQ(recentLines(file), padded({"/OLD.CBL"}));
        EXPECT_EQ(SettingsFile::fromBytes(file.toBytes()), file);
    }
}

TEST(RecentList, RemoveRecentMovesTheLaterEntriesUp)
{
    SettingsFile file = fileWithRecent(numbered("/p", 1, 30));
    EXPECT_TRUE(RemoveRecent(file, "/p2"));
    EXPECT_EQ(recentLines(file), joined(joined({"/p1"}, numbered("/p", 3, 30)), {""}));
    EXPECT_FALSE(RemoveRecent(file, "/gone"));
    EXPECT_EQ(file.lineCount(), 67);
}

TEST(RecentList, RemoveRecentNeverTouchesASetting)
{
    // A file opened as "4" (a relative path) that turns out to be gone must
    // not match the indent value "4".
    SettingsFile file = fileWithRecent({"/p1"});
    const SettingsFile before = file;
    EXPECT_FALSE(RemoveRecent(file, "4"));
    EXPECT_FALSE(RemoveRecent(file, "[block caret]"));
    EXPECT_FALSE(RemoveRecent(file, "False"));
    EXPECT_EQ(file, before);
}

TEST(RecentList, WriteRecentListCopiesTheMenuPaths)
{
    RecentMenu menu;
    menu.ShowRecentList(SettingsFile(Lines{"YNNY4NYN", "/a.cbl", "/b.cbl (read only)", "/c (1).cbl"}), false);
    SettingsFile file = SettingsFile::skeleton();
    WriteRecentList(file, menu);
    EXPECT_EQ(recentLines(file), padded({"/a.cbl", "/b.cbl", "/c (1).cbl"}));
}

TEST(RecentList, ShrinkEmptiesAndHides)
{
    SettingsFile file = fileWithRecent({"/p1", "", "/p2", "/p3", "/p4"});
    RecentMenu menu;
    menu.ShowRecentList(file);
    shrinkRecentList(file, menu, 4, 2);
    EXPECT_EQ(recentLines(file), padded({"/p1", "", "/p2"}));
    EXPECT_EQ(menu.visibleCount(), 2);
    EXPECT_EQ(menu.at(2), RecentEntry{});
}

} // namespace
