#pragma once

#include <functional>
#include <string>

namespace norvane {

// How the locating code asks about the disk, so tests can answer for it.
struct FileProbe {
    std::function<bool(const std::string &)> folderExists;
    // True for an existing entry that is not a folder.
    std::function<bool(const std::string &)> fileExists;

    [[nodiscard]] static FileProbe onDisk();
};

// Where the settings file is, or where a new one goes.
struct SettingsLocation {
    std::string folder;
    bool AppDataDirExists = false; // the preferred (per-user) folder exists
    bool IniExists = false;        // a settings file was found in `folder`

    [[nodiscard]] std::string IniPath() const;
};

// The path of Norvane.ini in the folder.
[[nodiscard]] std::string settingsPathIn(const std::string &folder);

// Chooses the settings folder: the preferred per-user folder when it exists
// and holds a settings file, otherwise the executable's folder. Neither folder
// is created, so a new file always goes beside the executable.
[[nodiscard]] SettingsLocation locateSettingsFile(const std::string &preferredFolder, const std::string &exeFolder,
                                                  const FileProbe &probe);

} // namespace norvane
