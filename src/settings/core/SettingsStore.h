#pragma once

#include "common/core/Result.h"
#include "settings/core/RecentList.h"
#include "settings/core/Settings.h"
#include "settings/core/SettingsFile.h"
#include "settings/core/SettingsLocation.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// Owns the settings file: where it is, its lines and the Recent menu built
// from them, and keeps the live settings and the file in step. The settings
// object itself belongs to the main window and is passed in.
class SettingsStore {
public:
    explicit SettingsStore(Settings &settings) : m_settings(settings) {}

    // Locates the file (the per-user folder, then the executable's folder),
    // reads it into the settings or creates it, converts a file of the older
    // format, and builds the Recent menu. Values that cannot be read are
    // replaced by their defaults, in the file too, so the user hears of them
    // once; a file of neither format is kept beside it as
    // "Norvane.ini.unreadable" and written anew. Returns the messages to show
    // the user, in order; usually none.
    [[nodiscard]] std::vector<std::string> load(const std::string &preferredFolder, const std::string &exeFolder,
                                                const FileProbe &probe = FileProbe::onDisk());

    // Stores the live settings in the file and saves it: OK in the options
    // dialog, a font change, a tree option toggled from the tree's popup menu.
    // A smaller recent-list size empties and hides the entries beyond it.
    [[nodiscard]] Result<void> WriteSettings();
    // A source window closed: its path goes to the top of the Recent list.
    [[nodiscard]] Result<void> AddRecent(std::string_view caption);
    // A listed file turned out to be gone: its entry goes, the later ones move up.
    [[nodiscard]] Result<void> RemoveRecent(std::string_view path);
    // Writes all lines to the file, unless they are already what it holds.
    [[nodiscard]] Result<void> save();

    // What to tell the user about a save: the first failure after a success
    // gets its message, repeated failures stay quiet.
    [[nodiscard]] std::optional<std::string> messageToShow(const Result<void> &saved);

    [[nodiscard]] const RecentMenu &recentMenu() const { return m_menu; }
    // The file of a Recent menu item and whether to open it read-only.
    [[nodiscard]] RecentPath recentPathAt(int position) const { return PathFromCaption(m_menu.at(position).caption); }

    [[nodiscard]] const Settings &settings() const { return m_settings; }
    [[nodiscard]] const SettingsFile &file() const { return m_file; }
    [[nodiscard]] const std::string &IniPath() const { return m_iniPath; }
    [[nodiscard]] bool AppDataDirExists() const { return m_appDataDirExists; }
    [[nodiscard]] bool IniExists() const { return m_iniExists; }
    [[nodiscard]] bool NewFormat() const { return m_newFormat; }

private:
    // A file of neither format: its bytes are kept beside it and it is
    // written anew with the defaults. False when no copy could be kept; the
    // file is then left as it is and never saved over.
    bool setAsideUnknownFile(const std::string &bytes, std::vector<std::string> &messages);
    void rebuildRecentMenu() { m_menu.ShowRecentList(m_file, m_newFormat); }

    Settings &m_settings;
    SettingsFile m_file;
    RecentMenu m_menu;
    std::string m_iniPath;
    bool m_appDataDirExists = false;
    bool m_iniExists = false;
    bool m_newFormat = true;
    // The bytes the file at m_iniPath is known to hold, so that an unchanged
    // list is not written again.
    std::optional<std::string> m_savedBytes;
    // Set when an existing file could not be read: it is then never overwritten.
    std::optional<std::string> m_saveRefusal;
    bool m_failureShown = false;
};

} // namespace norvane
