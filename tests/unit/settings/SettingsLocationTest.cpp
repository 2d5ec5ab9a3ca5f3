#include "settings/core/SettingsLocation.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace norvane;

namespace {

TEST(SettingsLocation, FileNameJoinsTheFolder)
{
    EXPECT_EQ(settingsPathIn("/opt/norvane/"), "/opt/norvane/Norvane.ini");
    EXPECT_EQ(settingsPathIn("/opt/norvane"), "/opt/norvane/Norvane.ini");
    EXPECT_EQ(settingsPathIn(""), "Norvane.ini");
}

TEST(SettingsLocation, PreferredFolderOnlyWhenItHoldsTheFile)
{
    const std::string preferred = "/home/u/.config/zelkar/Norvane/";
    const std::string exe = "/opt/norvane/";
    const struct {
        const char *name;
        std::set<std::string> folders;
        std::set<std::string> files;
        std::string folder;
        bool appDataDirExists;
        bool iniExists;
    } rows[] = {
        {"file in the preferred folder", {preferred, exe}, {preferred + "Norvane.ini", exe + "Norvane.ini"},
         preferred, true, true},
        {"preferred folder empty, file beside the program", {preferred, exe}, {exe + "Norvane.ini"}, exe, true, true},
        {"preferred folder empty, no file: a new one goes beside the program", {preferred, exe}, {}, exe, true, false},
        {"no preferred folder, file beside the program", {exe}, {exe + "Norvane.ini"}, exe, false, true},
        {"no preferred folder, no file", {exe}, {}, exe, false, false},
    };
    for (const auto &row : rows) {
        const FileProbe probe{[&](const std::string &p) { return row.folders.count(p) > 0; },
                              [&](const std::string &p) { return row.files.count(p) > 0; }};
        const SettingsLocation location = locateSettingsFile(preferred, exe, probe);
        EXPECT_EQ(location.folder, row.folder) << row.name;
        EXPECT_EQ(location.AppDataDirExists, row.appDataDirExists) << row.name;
        EXPECT_EQ(location.IniExists, row.iniExists) << row.name;
        EXPECT_EQ(location.IniPath(), row.folder + "Norvane.ini") << row.name;
    }
}

TEST(SettingsLocation, AnEmptyPreferredFolderIsNoFolder)
{
    int asked = 0;
    const FileProbe probe{[&](const std::string &) { ++asked; return true; },
                          [](const std::string &) { return false; }};
    const SettingsLocation location = locateSettingsFile("", "/opt/norvane/", probe);
    EXPECT_FALSE(location.AppDataDirExists);
    EXPECT_EQ(asked, 0);
}

TEST(SettingsLocation, OnDiskProbe)
{
    const test::TempFolder temp;
    const FileProbe probe = FileProbe::onDisk();
    const std::string folder = temp.makeFolder("dir");
    const std::string file = temp.write("file.ini", "x");
    EXPECT_TRUE(probe.folderExists(folder));
    EXPECT_FALSE(probe.fileExists(folder)) << "a folder is not a settings file";
    EXPECT_TRUE(probe.fileExists(file));
    EXPECT_FALSE(probe.folderExists(file));
    EXPECT_FALSE(probe.fileExists(temp / "missing"));
    EXPECT_FALSE(probe.fileExists(""));
    EXPECT_FALSE(probe.fileExists(file + std::string(1, '\0') + "x")) << "a NUL byte must not cut the name short";
}

} // namespace
