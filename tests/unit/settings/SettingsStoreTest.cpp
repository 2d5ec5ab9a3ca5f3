#include "settings/core/SettingsFile.h"
#include "settings/core/SettingsStore.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace norvane;
namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    // The per-user folder (which may or may not exist) and the program's folder.
    std::string preferred() const { return m_temp / "appdata/zelkar/Norvane/"; }
    std::string makePreferred() const { return m_temp.makeFolder("appdata/zelkar/Norvane"); }
    std::string exe() const { return m_temp.makeFolder("bin"); }
    std::string exeIni() const { return exe() + "Norvane.ini"; }

    std::vector<std::string> start(SettingsStore &store) const { return store.load(preferred(), exe()); }

    // The file's lines as a fresh start would read them.
    static Lines linesOf(const std::string &path) { return SettingsFile::fromBytes(test::readBytes(path)).lines(); }
    static Lines recentLinesOf(const std::string &path)
    {
        const SettingsFile file = SettingsFile::fromBytes(test::readBytes(path));
        return Lines(file.lines().begin() + file.recentStart(), file.lines().end());
    }
    static Lines padded(Lines lines)
    {
        lines.resize(30);
        return lines;
    }
    std::vector<std::string> captions(const SettingsStore &store) const
    {
        std::vector<std::string> shown;
        for (const RecentEntry &entry : store.recentMenu().entries()) {
            if (entry.visible)
                shown.push_back(entry.caption);
        }
        return shown;
    }
    std::size_t entriesIn(const fs::path &folder) const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator{}));
    }

    test::TempFolder m_temp;
};

TEST_F(SettingsStoreTest, FirstStartWritesTheDefaultsBesideTheProgram)
{
    for (const bool preferredExists : {false, true}) {
        fs::remove_all(m_temp.path());
        fs::create_directories(m_temp.path());
        if (preferredExists)
            makePreferred();
        Settings settings;
        SettingsStore store(settings);
        EXPECT_TRUE(start(store).empty());
        EXPECT_EQ(test::readBytes(exeIni()), test::fixture("first-start.ini")) << preferredExists;
        EXPECT_EQ(store.IniPath(), exeIni());
        EXPECT_EQ(store.AppDataDirExists(), preferredExists);
        EXPECT_TRUE(store.IniExists());
        EXPECT_TRUE(store.NewFormat());
        EXPECT_EQ(settings, Settings{});
        EXPECT_EQ(store.recentMenu().visibleCount(), 0);
        EXPECT_EQ(fs::exists(preferred()), preferredExists) << "the per-user folder is never created";
        if (preferredExists) {
            EXPECT_EQ(entriesIn(preferred()), 0u) << "a new file never goes to the per-user folder";
        }
        EXPECT_EQ(entriesIn(exe()), 1u) << "no temporary file is left";
    }
}

TEST_F(SettingsStoreTest, SecondStartReadsWhatTheFirstWrote)
{
    Settings first;
    SettingsStore store(first);
    ASSERT_TRUE(start(store).empty());
    first.optFatCarat = true;
    first.IndentOption = 7;
    first.editorFont = {"Courier New", 11, false, true};
    ASSERT_TRUE(store.WriteSettings().ok());

    Settings second;
    SettingsStore again(second);
    EXPECT_TRUE(start(again).empty());
    EXPECT_EQ(second, first);
    EXPECT_EQ(linesOf(exeIni()).size(), 67u);
}

TEST_F(SettingsStoreTest, AFileInThePerUserFolderIsUsed)
{
    makePreferred();
    const std::string ini = m_temp.write("appdata/zelkar/Norvane/Norvane.ini", test::fixture("first-start.ini"));
    Settings settings;
    SettingsStore store(settings);
    EXPECT_TRUE(start(store).empty());
    EXPECT_EQ(store.IniPath(), ini);
    ASSERT_TRUE(store.AddRecent("/src/PAY.CBL").ok());
    EXPECT_EQ(recentLinesOf(ini), padded({"/src/PAY.CBL"}));
    EXPECT_FALSE(fs::exists(exeIni()));
}

TEST_F(SettingsStoreTest, StylesAreSavedAsTheirLiterals)
{
    const struct {
        bool bold, italic, underline;
        const char *stored;
    } rows[] = {
        {true, false, true, "[]"},
        {true, true, false, "[fsBold,fsItalic]"},
        {false, true, false, "[fsIntalic]"},
        {true, false, false, "[fsBold]"},
    };
    for (const auto &row : rows) {
        Settings settings;
        SettingsStore store(settings);
        ASSERT_TRUE(start(store).empty());
        settings.editorFont.bold = row.bold;
        settings.editorFont.italic = row.italic;
        settings.editorFont.underline = row.underline;
        ASSERT_TRUE(store.WriteSettings().ok());
        EXPECT_EQ(SettingsFile::fromBytes(test::readBytes(exeIni())).ReadValue("[Font.Style]"), row.stored);

        Settings back;
        SettingsStore reread(back);
        ASSERT_TRUE(start(reread).empty());
        EXPECT_EQ(back.editorFont.bold, row.bold && !row.underline) << row.stored;
        EXPECT_EQ(back.editorFont.italic, row.italic && !row.underline) << row.stored;
        EXPECT_FALSE(back.editorFont.underline);
    }
}

TEST_F(SettingsStoreTest, ShrinkingTheRecentSizeFrom30To10)
{
    SettingsFile file = SettingsFile::fromBytes(test::fixture("first-start.ini"));
    Lines thirty;
    for (int i = 1; i <= 30; ++i)
        thirty.push_back("/src/P" + std::to_string(i) + ".CBL");
    std::copy(thirty.begin(), thirty.end(), file.lines().begin() + file.recentStart());
    m_temp.write("bin/Norvane.ini", file.toBytes());

    Settings settings;
    SettingsStore store(settings);
    ASSERT_TRUE(start(store).empty());
    ASSERT_EQ(store.recentMenu().visibleCount(), 30);
    settings.seRecent = 10;
    ASSERT_TRUE(store.WriteSettings().ok());

    EXPECT_EQ(recentLinesOf(exeIni()), padded(Lines(thirty.begin(), thirty.begin() + 10)));
    EXPECT_EQ(SettingsFile::fromBytes(test::readBytes(exeIni())).ReadValue("[Recent file list size]"), "10");
    EXPECT_EQ(store.recentMenu().visibleCount(), 10);
    EXPECT_EQ(store.recentMenu().at(9).caption, "10  /src/P10.CBL");
    for (int position = 10; position < 30; ++position)
        EXPECT_EQ(store.recentMenu().at(position), RecentEntry{});

    // With size 10, the next new file drops the tenth entry.
    ASSERT_TRUE(store.AddRecent("/src/NEW.CBL").ok());
    EXPECT_EQ(captions(store).size(), 10u);
    EXPECT_EQ(store.recentMenu().at(9).caption, "10  /src/P9.CBL");
}

TEST_F(SettingsStoreTest, OlderFormatIsConvertedInPlace)
{
    const std::string pay = m_temp.write("PAY.CBL", "");
    const std::string gl = m_temp.write("GL (old).CBL", "");
    m_temp.write("bin/Norvane.ini", test::fixture("legacy-example.ini") + pay + " (read only)\r\n" +
                                        m_temp / "GONE.CBL" + "\r\n" + gl + "\r\n");
    Settings settings;
    SettingsStore store(settings);
    EXPECT_TRUE(start(store).empty());

    EXPECT_TRUE(settings.UnixLineFeedOption);
    EXPECT_TRUE(settings.BigEndianOption);
    EXPECT_FALSE(settings.Pic01ShowOption);
    EXPECT_FALSE(settings.ShowPerformOption);
    EXPECT_EQ(settings.IndentOption, 4);
    EXPECT_FALSE(settings.TrailSpaceOption);
    EXPECT_TRUE(settings.optFatCarat);
    EXPECT_FALSE(settings.StartOption);
    EXPECT_EQ(settings.editorFont, (FontSpec{"Courier New", 12, true, false}));
    EXPECT_TRUE(store.NewFormat());
    EXPECT_TRUE(store.IniExists());
    EXPECT_EQ(store.IniPath(), exeIni());

    const SettingsFile written = SettingsFile::fromBytes(test::readBytes(exeIni()));
    EXPECT_EQ(written.lineCount(), 67);
    EXPECT_EQ(written.line(0), "[Norvane]");
    EXPECT_EQ(written.ReadValue("[save new files in Unix format]"), "True");
    EXPECT_EQ(written.ReadValue("[block caret]"), "True");
    EXPECT_EQ(written.ReadValue("[show 01 levels with PIC clause in tree view]"), "False");
    EXPECT_EQ(written.ReadValue("[tab and indent length]"), "4");
    EXPECT_EQ(written.ReadValue("[Recent file list size]"), "30");
    EXPECT_EQ(written.ReadValue("[Font.Name]"), "Courier New");
    EXPECT_EQ(written.ReadValue("[Font.Size]"), "12");
    EXPECT_EQ(written.ReadValue("[Font.Style]"), "[fsBold]");
    EXPECT_EQ(recentLinesOf(exeIni()), padded({pay, gl}));

    // The menu keeps the read-only mark the old list gave the entry.
    EXPECT_EQ(store.recentPathAt(0), (RecentPath{pay, true}));
    EXPECT_EQ(store.recentPathAt(1), (RecentPath{gl, false}));

    Settings again;
    SettingsStore reread(again);
    EXPECT_TRUE(start(reread).empty());
    EXPECT_EQ(again, settings);
}

TEST_F(SettingsStoreTest, OlderFormatMovesToAnExistingPerUserFolder)
{
    makePreferred();
    m_temp.write("bin/Norvane.ini", test::fixture("legacy-example.ini"));
    Settings settings;
    SettingsStore store(settings);
    EXPECT_TRUE(start(store).empty());
    EXPECT_EQ(store.IniPath(), preferred() + "Norvane.ini");
    EXPECT_EQ(linesOf(preferred() + "Norvane.ini").front(), "[Norvane]");
    // The old file stays where it was, in its own format.
    EXPECT_EQ(linesOf(exeIni()).front(), "YNNY4NYNC12Courier New");
}

TEST_F(SettingsStoreTest, CancelRestoresTheSettingsOfTheOpenedDialog)
{
    Settings settings;
    SettingsStore store(settings);
    ASSERT_TRUE(start(store).empty());
    settings.optFatCarat = true;
    ASSERT_TRUE(store.WriteSettings().ok());

    const Settings opened = settings; // the dialog opens
    settings.optFatCarat = false;     // the user unchecks "block caret"
    settings.IndentOption = 2;
    settings = opened;                // and presses Cancel
    EXPECT_TRUE(settings.optFatCarat);

    settings.editorFont.size = 12; // a later font change saves the settings
    ASSERT_TRUE(store.WriteSettings().ok());
    Settings next;
    SettingsStore reread(next);
    ASSERT_TRUE(start(reread).empty());
    EXPECT_TRUE(next.optFatCarat);
    EXPECT_EQ(next.IndentOption, 4);
}

TEST_F(SettingsStoreTest, RecentFilesThroughTheStore)
{
    Settings settings;
    SettingsStore store(settings);
    ASSERT_TRUE(start(store).empty());
    for (const char *caption : {"/src/A.CBL", "/src/B.CBL", "/src/A.CBL (read only)", "offset: WS-REC"})
        ASSERT_TRUE(store.AddRecent(caption).ok());
    EXPECT_EQ(captions(store), (std::vector<std::string>{"1    /src/A.CBL", "2    /src/B.CBL"}));
    EXPECT_EQ(recentLinesOf(exeIni()), padded({"/src/A.CBL", "/src/B.CBL"}));

    // The user picks the first entry, its file is gone: it leaves the list.
    const RecentPath picked = store.recentPathAt(0);
    EXPECT_EQ(picked, (RecentPath{"/src/A.CBL", false}));
    ASSERT_TRUE(store.RemoveRecent(picked.path).ok());
    EXPECT_EQ(captions(store), (std::vector<std::string>{"1    /src/B.CBL"}));
    EXPECT_EQ(recentLinesOf(exeIni()), padded({"/src/B.CBL"}));
    EXPECT_EQ(entriesIn(exe()), 1u) << "no temporary file is left";
}

TEST_F(SettingsStoreTest, GarbageValuesLoadWithDefaultsAndOneMessage)
{
    m_temp.write("bin/Norvane.ini", test::fixture("garbage-values.ini"));
    Settings settings;
    SettingsStore store(settings);
    const std::vector<std::string> messages = start(store);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("[block caret]"), std::string::npos);
    EXPECT_NE(messages[0].find("[Font.Size]"), std::string::npos);
    EXPECT_EQ(settings.IndentOption, 4);
    EXPECT_EQ(settings.seRecent, 30);
    EXPECT_EQ(settings.editorFont, FontSpec{});
    EXPECT_EQ(captions(store), (std::vector<std::string>{"1    /src/PAY.CBL"}));

    // The values that could not be read are replaced by their defaults in the
    // file; the readable ones stay as they were written.
    const SettingsFile written = SettingsFile::fromBytes(test::readBytes(exeIni()));
    const struct {
        const char *key;
        const char *value;
    } rows[] = {
        {"[save new files in Unix format]", "True"},
        {"[target sytem for data files in big endian]", "FALSE"},
        {"[strip trailing spaces on save]", "-2"},
        {"[block caret]", "False"},
        {"[open dialog at start]", "0.0"},
        {"[show performed paragraphs/sections in tree view]", "False"},
        {"[tab and indent length]", "4"},
        {"[Recent file list size]", "30"},
        {"[Font.Name]", "MS Sans Serif"},
        {"[Font.Size]", "8"},
        {"[Font.Style]", "[fsUnderline]"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(written.ReadValue(row.key), row.value) << row.key;
    EXPECT_EQ(written.lineCount(), 67);   // the editor keys (colours, guides, numbers, copybook folders) added

    // So the message does not come back at the next start.
    Settings next;
    SettingsStore reread(next);
    EXPECT_TRUE(start(reread).empty());
    EXPECT_EQ(next, settings);
}

// An older version's file: no word to the user, the editor's options at their
// defaults, and the file gains their keys where older versions still read it.
TEST_F(SettingsStoreTest, AnOlderFileGainsTheEditorKeysQuietly)
{
    SettingsFile older = SettingsFile::fromBytes(test::fixture("older-first-start.ini"));
    older.line(older.recentStart()) = "/src/PAY.CBL";
    m_temp.write("bin/Norvane.ini", older.toBytes());
    Settings settings;
    settings.lineNumbers = false;
    SettingsStore store(settings);
    EXPECT_TRUE(start(store).empty());
    EXPECT_TRUE(settings.lineNumbers);
    EXPECT_EQ(settings.guideColumns, Settings{}.guideColumns);

    const SettingsFile written = SettingsFile::fromBytes(test::readBytes(exeIni()));
    EXPECT_EQ(written.ReadValue("[line numbers]"), "True");
    EXPECT_LT(written.IndexOfLine("[Font.Style]"), written.IndexOfLine("[colour COBOL source]"));
    EXPECT_LT(written.IndexOfLine("[copybook folders]"), written.IndexOfLine("[RecentList]"));
    EXPECT_EQ(captions(store), (std::vector<std::string>{"1    /src/PAY.CBL"}));
}

TEST_F(SettingsStoreTest, ATruncatedFileIsCompleted)
{
    m_temp.write("bin/Norvane.ini", test::fixture("truncated.ini"));
    Settings settings;
    SettingsStore store(settings);
    const std::vector<std::string> messages = start(store);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("[Font.Name]"), std::string::npos);
    EXPECT_FALSE(settings.UnixLineFeedOption);
    EXPECT_TRUE(settings.optFatCarat);
    EXPECT_EQ(settings.IndentOption, 2);
    EXPECT_EQ(settings.seRecent, 20);
    EXPECT_EQ(settings.editorFont, FontSpec{});
    EXPECT_EQ(linesOf(exeIni()).size(), 67u);

    ASSERT_TRUE(store.AddRecent("/src/A.CBL").ok());
    EXPECT_EQ(linesOf(exeIni()).front(), "[Norvane]") << "the recent list never overwrites a setting";
    settings.IndentOption = 6;
    ASSERT_TRUE(store.WriteSettings().ok());
    Settings next;
    SettingsStore reread(next);
    EXPECT_TRUE(start(reread).empty());
    EXPECT_EQ(next, settings);
    EXPECT_EQ(captions(reread), (std::vector<std::string>{"1    /src/A.CBL"}));
}

TEST_F(SettingsStoreTest, AnEmptyFileIsWrittenAnew)
{
    makePreferred();
    const std::string ini = m_temp.write("appdata/zelkar/Norvane/Norvane.ini", "");
    Settings settings;
    SettingsStore store(settings);
    EXPECT_TRUE(start(store).empty());
    EXPECT_EQ(test::readBytes(ini), test::fixture("first-start.ini"));
}

TEST_F(SettingsStoreTest, AFileOfNeitherFormatIsKeptAsideAndWrittenAnew)
{
    // Random bytes and plain text are no older-format file: reading them as
    // one would switch the block caret on and big endian off without a word.
    for (const char *fixture : {"binary.ini", "plain-text.ini"}) {
        fs::remove_all(m_temp.path());
        fs::create_directories(m_temp.path());
        m_temp.write("bin/Norvane.ini", test::fixture(fixture));
        Settings settings;
        SettingsStore store(settings);
        const std::vector<std::string> messages = start(store);
        ASSERT_EQ(messages.size(), 1u) << fixture;
        EXPECT_NE(messages[0].find("in no form Norvane reads"), std::string::npos) << messages[0];
        EXPECT_NE(messages[0].find(exeIni() + ".unreadable"), std::string::npos) << messages[0];
        EXPECT_EQ(settings, Settings{}) << fixture;
        EXPECT_EQ(store.recentMenu().visibleCount(), 0) << fixture;
        EXPECT_EQ(test::readBytes(exeIni()), test::fixture("first-start.ini")) << fixture;
        EXPECT_EQ(test::readBytes(exeIni() + ".unreadable"), test::fixture(fixture)) << "nothing is lost";

        Settings next;
        SettingsStore reread(next);
        EXPECT_TRUE(start(reread).empty()) << fixture;
        EXPECT_EQ(next, settings);
    }
}

TEST_F(SettingsStoreTest, AFileOfNeitherFormatWithoutRoomForItsCopyIsLeftAlone)
{
    m_temp.write("bin/Norvane.ini", test::fixture("binary.ini"));
    fs::create_directories(exeIni() + ".unreadable");   // the copy cannot be made
    Settings settings;
    SettingsStore store(settings);
    const std::vector<std::string> messages = start(store);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("leaves the file as it is"), std::string::npos) << messages[0];
    EXPECT_EQ(settings, Settings{});
    EXPECT_FALSE(store.AddRecent("/src/A.CBL").ok());
    EXPECT_EQ(test::readBytes(exeIni()), test::fixture("binary.ini"));
}

TEST_F(SettingsStoreTest, SettingsAmongTheRecentFilesAreNeitherSettingsNorFiles)
{
    m_temp.write("bin/Norvane.ini", test::fixture("keys-in-recent-list.ini"));
    Settings settings;
    SettingsStore store(settings);
    const std::vector<std::string> messages = start(store);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("[block caret], [Font.Size]"), std::string::npos) << messages[0];
    EXPECT_FALSE(settings.optFatCarat) << "the value in the list is no setting";
    EXPECT_EQ(settings.editorFont.size, FontSpec{}.size);
    EXPECT_FALSE(settings.UnixLineFeedOption);
    EXPECT_EQ(captions(store), (std::vector<std::string>{"1    /src/PAY.CBL", "2    /src/GL.CBL"}));

    // The keys are added above the list with the values in force.
    const SettingsFile written = SettingsFile::fromBytes(test::readBytes(exeIni()));
    EXPECT_LT(written.IndexOfLine("[block caret]"), written.IndexOfLine("[RecentList]"));
    EXPECT_EQ(written.ReadValue("[block caret]"), "False");
    EXPECT_EQ(written.ReadValue("[Font.Size]"), "8");
    EXPECT_EQ(recentLinesOf(exeIni()), padded({"/src/PAY.CBL", "", "", "", "", "/src/GL.CBL"}));

    Settings next;
    SettingsStore reread(next);
    EXPECT_TRUE(start(reread).empty());
    EXPECT_EQ(next, settings);
}

TEST_F(SettingsStoreTest, ARepeatedRecentPathIsListedOnce)
{
    // A.CBL first and again as the twelfth line, beyond a list of ten.
    SettingsFile file = SettingsFile::fromBytes(test::fixture("first-start.ini"));
    const int first = file.recentStart();
    Lines listed{"/src/A.CBL"};
    for (int i = 1; i <= 10; ++i)
        listed.push_back("/src/F" + std::to_string(i) + ".CBL");
    std::copy(listed.begin(), listed.end(), file.lines().begin() + first);
    file.line(first + 11) = "/src/A.CBL";
    m_temp.write("bin/Norvane.ini", file.toBytes());
    Settings settings;
    SettingsStore store(settings);
    EXPECT_TRUE(start(store).empty());
    EXPECT_EQ(store.recentMenu().visibleCount(), 11);
    EXPECT_EQ(recentLinesOf(exeIni()), padded(listed));

    // A smaller list drops the eleventh entry; A.CBL stays first, in the menu and the file.
    settings.seRecent = 10;
    ASSERT_TRUE(store.WriteSettings().ok());
    EXPECT_EQ(store.recentMenu().at(0).caption, "1    /src/A.CBL");
    EXPECT_EQ(store.recentMenu().visibleCount(), 10);
    EXPECT_EQ(recentLinesOf(exeIni()), padded(Lines(listed.begin(), listed.begin() + 10)));
    Settings next;
    SettingsStore reread(next);
    EXPECT_TRUE(start(reread).empty());
    EXPECT_EQ(captions(reread), captions(store));
}

TEST_F(SettingsStoreTest, AnOlderFileNamingAFileTwiceListsItOnce)
{
    const std::string pay = m_temp.write("PAY.CBL", "");
    m_temp.write("bin/Norvane.ini", test::fixture("legacy-example.ini") + pay + "\r\n" + pay + " (read only)\r\n");
    Settings settings;
    SettingsStore store(settings);
    EXPECT_TRUE(start(store).empty());
    EXPECT_EQ(recentLinesOf(exeIni()), padded({pay}));
    EXPECT_EQ(store.recentMenu().visibleCount(), 1);
    Settings next;
    SettingsStore reread(next);
    EXPECT_TRUE(start(reread).empty());
    EXPECT_EQ(captions(reread), captions(store));
}

TEST_F(SettingsStoreTest, AFontNameThatIsAKeyLineIsNoFontName)
{
    const struct {
        const char *name;
        std::string file;
    } cases[] = {
        {"older format", "YNNY4NYNC12[Norvane]\r\n"},
        {"keyed", "[Norvane]\r\n\r\n[Font.Name]\r\n[Norvane]\r\n[Font.Size]\r\n9\r\n[RecentList]\r\n"},
    };
    for (const auto &c : cases) {
        fs::remove_all(m_temp.path());
        fs::create_directories(m_temp.path());
        m_temp.write("bin/Norvane.ini", c.file);
        Settings settings;
        SettingsStore store(settings);
        const std::vector<std::string> messages = start(store);
        ASSERT_EQ(messages.size(), 1u) << c.name;
        EXPECT_NE(messages[0].find("ont"), std::string::npos) << messages[0];
        EXPECT_NE(settings.editorFont.name, "[Norvane]") << c.name;
        EXPECT_FALSE(settings.editorFont.name.empty()) << c.name;

        const std::string written = test::readBytes(exeIni());
        Settings next;
        SettingsStore reread(next);
        EXPECT_TRUE(start(reread).empty()) << c.name;
        EXPECT_EQ(next, settings) << c.name;
        EXPECT_EQ(test::readBytes(exeIni()), written) << c.name << ": the second start leaves the file alone";
    }
}

TEST_F(SettingsStoreTest, FilesTheFuzzerMadeSettleAtTheFirstStart)
{
    // Whatever the first start finds, the second one finds nothing to say and
    // nothing to change.
    for (const char *name :
         {"duplicate-recent-lines", "font-name-is-a-key", "garbage-values-again", "key-line-among-recent"}) {
        fs::remove_all(m_temp.path());
        fs::create_directories(m_temp.path());
        m_temp.write("bin/Norvane.ini", test::fixture(std::string("fuzzed/") + name + ".ini"));
        Settings settings;
        SettingsStore store(settings);
        (void)start(store);
        const std::string written = test::readBytes(exeIni());
        EXPECT_EQ(written, store.file().toBytes()) << name;

        Settings next;
        SettingsStore reread(next);
        const std::vector<std::string> messages = start(reread);
        EXPECT_TRUE(messages.empty()) << name << ": " << (messages.empty() ? "" : messages.front());
        EXPECT_EQ(next, settings) << name;
        for (int i = 0; i < RecentMenu::Count; ++i)
            EXPECT_EQ(reread.recentMenu().at(i), store.recentMenu().at(i)) << name << " entry " << i;
        EXPECT_EQ(test::readBytes(exeIni()), written) << name;
    }
}

TEST_F(SettingsStoreTest, AFileThatCannotBeWrittenGivesOneMessage)
{
    // A folder in the file's place makes every save fail, whoever runs the test.
    fs::create_directories(exeIni());
    Settings settings;
    SettingsStore store(settings);
    const std::vector<std::string> messages = start(store);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("could not be saved"), std::string::npos);
    EXPECT_NE(messages[0].find(exeIni()), std::string::npos);
    EXPECT_EQ(settings, Settings{});

    // The program goes on: the list works in memory, each save says it failed,
    // and the user is not told again.
    const Result<void> saved = store.AddRecent("/src/A.CBL");
    EXPECT_FALSE(saved.ok());
    EXPECT_EQ(store.messageToShow(saved), std::nullopt);
    EXPECT_EQ(captions(store), (std::vector<std::string>{"1    /src/A.CBL"}));
    EXPECT_EQ(entriesIn(exe()), 1u) << "no temporary file is left";

    // Once a save works again, a later failure is worth a message again.
    fs::remove_all(exeIni());
    const Result<void> works = store.WriteSettings();
    EXPECT_TRUE(works.ok());
    EXPECT_EQ(store.messageToShow(works), std::nullopt);
    EXPECT_EQ(recentLinesOf(exeIni()), padded({"/src/A.CBL"}));
    fs::remove(exeIni());
    fs::create_directories(exeIni());
    const Result<void> failsAgain = store.AddRecent("/src/B.CBL");
    EXPECT_TRUE(store.messageToShow(failsAgain).has_value());
}

TEST_F(SettingsStoreTest, AnUnreadableFileIsLeftAsItIs)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "file permissions do not stop the superuser";
    const std::string ini = m_temp.write("bin/Norvane.ini", test::fixture("garbage-values.ini"));
    fs::permissions(ini, fs::perms::none);
    Settings settings;
    SettingsStore store(settings);
    const std::vector<std::string> messages = start(store);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(settings, Settings{});
    const Result<void> saved = store.AddRecent("/src/A.CBL");
    EXPECT_FALSE(saved.ok());
    EXPECT_EQ(store.messageToShow(saved), std::nullopt);
    fs::permissions(ini, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(test::readBytes(ini), test::fixture("garbage-values.ini"));
}

} // namespace
