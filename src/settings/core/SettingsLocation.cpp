#include "settings/core/SettingsLocation.h"

#include "common/core/PathName.h"
#include "settings/core/SettingsFile.h"

#include <filesystem>
#include <system_error>

namespace norvane {

namespace fs = std::filesystem;

// A name with a NUL byte would be cut short by the system and test another file.
static bool isUsablePath(const std::string &path)
{
    return !path.empty() && path.find('\0') == std::string::npos;
}

FileProbe FileProbe::onDisk()
{
    return {
        [](const std::string &path) {
            std::error_code ec;
            return isUsablePath(path) && fs::is_directory(path, ec);
        },
        [](const std::string &path) {
            if (!isUsablePath(path))
                return false;
            std::error_code ec;
            const fs::file_status status = fs::status(path, ec);
            return fs::exists(status) && !fs::is_directory(status);
        },
    };
}

std::string settingsPathIn(const std::string &folder)
{
    std::string path = folder;
    if (!path.empty() && !isPathSeparator(path.back()) && path.back() != '/')
        path += '/';
    path += SettingsFile::FileName;
    return path;
}

std::string SettingsLocation::IniPath() const
{
    return settingsPathIn(folder);
}

SettingsLocation locateSettingsFile(const std::string &preferredFolder, const std::string &exeFolder,
                                    const FileProbe &probe)
{
    SettingsLocation location;
    location.AppDataDirExists = !preferredFolder.empty() && probe.folderExists(preferredFolder);
    location.folder = location.AppDataDirExists ? preferredFolder : exeFolder;
    location.IniExists = probe.fileExists(location.IniPath());
    if (!location.IniExists) {
        location.folder = exeFolder;
        location.IniExists = probe.fileExists(location.IniPath());
    }
    return location;
}

} // namespace norvane
