#include "document/core/CopyMembers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace norvane;
namespace fs = std::filesystem;

namespace {

// A scratch folder tree, removed after the test.
class CopyFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_root = fs::temp_directory_path() /
                 ("norvane-copy-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_root);
        for (const char *folder : {"program", "books", "more", "cobdir"})
            fs::create_directories(m_root / folder);
    }
    void TearDown() override { fs::remove_all(m_root); }

    std::string folder(const char *name) const { return (m_root / name).string(); }
    std::string touch(const char *folderName, const char *file) const
    {
        const fs::path path = m_root / folderName / file;
        std::ofstream(path) << "       01  REC PIC X.\n";
        return path.string();
    }
    std::vector<CopyFolder> folders() const
    {
        const std::string cobdir = folder("cobdir");
        return copyFolders(folder("program"), {folder("books"), folder("more")}, cobdir.c_str());
    }

    fs::path m_root;
};

} // namespace

TEST(CopyReferences, membersOfEveryFormOfTheStatement)
{
    const std::vector<std::string> lines{
        "000100 IDENTIFICATION DIVISION.",
        "       WORKING-STORAGE SECTION.",
        "       COPY CVACT01Y.",
        "       copy cvtra05y of cardlib.",
        "       COPY 'QUOTED.cpy'.",
        "       COPY",
        "      * a comment between the parts of a statement",
        "           SPLITMEM",
        "               IN LIB.",
        "      *    COPY COMMENTED.",
        "           DISPLAY 'COPY NOTAMEMBER'.",
        "       01  COPY-COUNT PIC 9.",
    };
    const std::vector<CopyReference> expected{
        {"CVACT01Y", false, 2, 12, 8},
        {"cvtra05y", false, 3, 12, 8},
        {"QUOTED.cpy", true, 4, 12, 12},
        {"SPLITMEM", false, 7, 11, 8},
    };
    EXPECT_EQ(copyReferences(lines), expected);
}

TEST(CopyReferences, theMemberUnderACaret)
{
    const std::vector<std::string> lines{
        "       COPY CVACT01Y.",
        "       COPY",
        "           NEXTLINE.",
    };
    struct Case {
        int line;
        int byte;
        const char *member; // none: no member there
    };
    const Case cases[] = {
        {0, 12, "CVACT01Y"}, {0, 16, "CVACT01Y"}, {0, 20, "CVACT01Y"}, // just past the name counts
        {0, 8, nullptr},     {0, 21, nullptr},    {2, 11, "NEXTLINE"}, {1, 8, nullptr},
        {5, 0, nullptr},
    };
    for (const Case &c : cases) {
        const std::optional<CopyReference> found = copyReferenceAt(lines, c.line, c.byte);
        SCOPED_TRACE(std::to_string(c.line) + ":" + std::to_string(c.byte));
        if (c.member == nullptr)
            EXPECT_FALSE(found.has_value());
        else
            EXPECT_EQ(found.value().member, c.member);
    }
}

TEST(CopyFolderList, programFolderThenOptionsThenCobCopyDir)
{
    const std::vector<CopyFolder> folders =
        copyFolders("/src/prog/", {"/books", "", "/src/prog", "/more/"}, "/cob/one::/cob/two:/books");
    const std::vector<std::pair<std::string, std::string>> expected{
        {"/src/prog", "program's folder"}, {"/books", "Copybook folders"}, {"/more", "Copybook folders"},
        {"/cob/one", "COB_COPY_DIR"},      {"/cob/two", "COB_COPY_DIR"},
    };
    ASSERT_EQ(folders.size(), expected.size());
    for (std::size_t i = 0; i < folders.size(); ++i) {
        EXPECT_EQ(folders[i].path, expected[i].first);
        EXPECT_EQ(folders[i].origin, expected[i].second);
    }
    EXPECT_TRUE(copyFolders("", {}, nullptr).empty());
}

TEST_F(CopyFolders, theFirstFolderHoldingTheMemberWins)
{
    const std::string inProgram = touch("program", "REC.cpy");
    touch("books", "REC");
    touch("cobdir", "REC.cpy");
    EXPECT_EQ(findCopyMember("REC", false, folders()).value(), inProgram);
}

TEST_F(CopyFolders, foldersInOrderThenExtensionsInOrder)
{
    struct Case {
        std::vector<std::pair<const char *, const char *>> files;
        const char *member;
        std::pair<const char *, const char *> found;
    };
    const Case cases[] = {
        {{{"books", "REC.cob"}, {"books", "REC.cpy"}}, "REC", {"books", "REC.cpy"}},
        {{{"books", "REC.cbl"}, {"books", "REC.CPY"}}, "REC", {"books", "REC.CPY"}},
        {{{"more", "REC.cob"}, {"more", "REC.cbl"}}, "REC", {"more", "REC.cbl"}},
        {{{"more", "REC.cob"}, {"cobdir", "REC"}}, "REC", {"more", "REC.cob"}},
        {{{"cobdir", "REC"}, {"cobdir", "REC.cpy"}}, "REC", {"cobdir", "REC"}},
        // The name in capitals or small letters when the file is so named.
        {{{"more", "rec.cpy"}}, "Rec", {"more", "rec.cpy"}},
        {{{"books", "REC.cpy"}}, "rec", {"books", "REC.cpy"}},
        // A name may carry its extension.
        {{{"books", "rec.txt"}}, "rec.txt", {"books", "rec.txt"}},
    };
    for (const Case &c : cases) {
        SetUp();
        for (const auto &[where, file] : c.files)
            touch(where, file);
        SCOPED_TRACE(std::string(c.found.first) + "/" + c.found.second);
        const Result<std::string> found = findCopyMember(c.member, false, folders());
        ASSERT_TRUE(found) << found.error();
        EXPECT_EQ(found.value(), (m_root / c.found.first / c.found.second).string());
    }
}

TEST_F(CopyFolders, aFolderNamedLikeTheMemberIsNoMember)
{
    fs::create_directories(m_root / "program" / "REC");
    const std::string file = touch("books", "REC.cpy");
    EXPECT_EQ(findCopyMember("REC", false, folders()).value(), file);
}

TEST_F(CopyFolders, aLiteralIsTakenAsWritten)
{
    touch("books", "REC.cpy");
    EXPECT_FALSE(findCopyMember("rec", true, folders()));
}

TEST_F(CopyFolders, notFoundSaysWhereItLooked)
{
    const Result<std::string> found = findCopyMember("MISSING", false, folders());
    ASSERT_FALSE(found);
    const std::string expected = "COPY member \"MISSING\" not found.\nLooked in:\n"
                                 "  " + folder("program") + " (program's folder)\n"
                                 "  " + folder("books") + " (Copybook folders)\n"
                                 "  " + folder("more") + " (Copybook folders)\n"
                                 "  " + folder("cobdir") + " (COB_COPY_DIR)\n"
                                 "with the extensions none, .cpy, .CPY, .cbl and .cob.";
    EXPECT_EQ(found.error(), expected);
}

TEST(CopyMemberSearch, noFolderAtAllIsSaid)
{
    const Result<std::string> found = findCopyMember("REC", false, {});
    ASSERT_FALSE(found);
    EXPECT_NE(found.error().find("No folder to look in"), std::string::npos);
}

TEST(LevelEntries, theEntryThatDefinesTheName)
{
    const std::vector<std::string> lines{
        "      * 01  ACCT-ID  in a comment",
        "       01  ACCOUNT-RECORD.",
        "           05  ACCT-ID-X               PIC X(11).",
        "           05  ACCT-ID                 PIC 9(11).",
        "           05  acct-status.",
        "       77  COUNTER PIC 9.",
        "           88  IS-OPEN VALUE 'Y'.",
    };
    struct Case {
        const char *name;
        int line; // -1: not defined
        int start;
    };
    const Case cases[] = {
        {"ACCOUNT-RECORD", 1, 11}, {"ACCT-ID", 3, 15}, {"ACCT-STATUS", 4, 15}, {"counter", 5, 11},
        {"IS-OPEN", 6, 15},        {"ACCT", -1, 0},    {"PIC", -1, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<DefinitionPlace> place = findLevelEntry(lines, c.name);
        if (c.line < 0) {
            EXPECT_FALSE(place.has_value());
            continue;
        }
        ASSERT_TRUE(place.has_value());
        EXPECT_EQ(place->line, c.line);
        EXPECT_EQ(place->start, c.start);
    }
}
