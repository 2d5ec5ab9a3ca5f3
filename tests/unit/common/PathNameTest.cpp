#include "common/core/PathName.h"

#include <gtest/gtest.h>

using norvane::TPathName;

namespace {

struct PathCase {
    const char *path;
    const char *dir;
    const char *fileName;
    const char *baseName;
    const char *ext;
};

TEST(PathName, SplitsAtTheLastSeparatorAndTheFirstDot)
{
    const PathCase cases[] = {
        {"/src/PAY.CBL", "/src/", "PAY.CBL", "PAY", ".CBL"},
        {"/src/pay.old.cbl", "/src/", "pay.old.cbl", "pay", ".old.cbl"},
        {"/a.b/prog", "/a.b/", "prog", "prog", ""},
        {"blank 3", "", "blank 3", "blank 3", ""},
        {"/dir/", "/dir/", "", "", ""},
        {"", "", "", "", ""},
        {".profile", "", ".profile", "", ".profile"},
    };
    for (const PathCase &c : cases) {
        TPathName name;
        name.SetPath(c.path);
        EXPECT_EQ(name.Dir, c.dir) << c.path;
        EXPECT_EQ(name.FileName, c.fileName) << c.path;
        EXPECT_EQ(name.BaseName, c.baseName) << c.path;
        EXPECT_EQ(name.Ext, c.ext) << c.path;
        EXPECT_EQ(name.GetFullName(), c.path) << c.path;
    }
}

TEST(PathName, SetPathForgetsThePreviousPathAndFileNameCanBeSetDirectly)
{
    TPathName name;
    name.SetPath("/opt/norvane/norvane");
    name.FileName = "readme.txt";
    EXPECT_EQ(name.GetFullName(), "/opt/norvane/readme.txt");
    name.SetPath("x.cob");
    EXPECT_EQ(name.Dir, "");
    EXPECT_EQ(name.Ext, ".cob");
    name.Clear();
    EXPECT_EQ(name.GetFullName(), "");
}

TEST(PathName, FileNameOfIsTheTextAfterTheLastSeparator)
{
    EXPECT_EQ(norvane::FileNameOf("/src/PAY.CBL"), "PAY.CBL");
    EXPECT_EQ(norvane::FileNameOf("blank 0"), "blank 0");
    EXPECT_EQ(norvane::FileNameOf("/src/PAY.CBL (read only)"), "PAY.CBL (read only)");
    EXPECT_EQ(norvane::FileNameOf("offset: WS-REC"), "offset: WS-REC");
}

} // namespace
