#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

class SettingsFile;

// One item of the Recent menu.
struct RecentEntry {
    bool visible = false;
    std::string caption;

    friend bool operator==(const RecentEntry &, const RecentEntry &) = default;
};

// What a Recent menu caption stands for: the file, and whether to open it read-only.
struct RecentPath {
    std::string path;
    bool readOnly = false;

    friend bool operator==(const RecentPath &, const RecentPath &) = default;
};

// The caption of the entry at the 0-based menu position: the number, four
// spaces after one digit or two after two digits (so the paths line up), the path.
[[nodiscard]] std::string recentCaption(int position, std::string_view path);

// The path part of a caption: everything after the entry number and its
// spaces. A trailing " (read only)" is removed and asks for read-only mode.
[[nodiscard]] RecentPath PathFromCaption(std::string_view caption);

// The 30 items of the Recent menu, used by position (0 to 29). The menu is
// always rebuilt from the recent lines of the settings file.
class RecentMenu {
public:
    static constexpr int Count = 30;

    [[nodiscard]] const std::array<RecentEntry, Count> &entries() const { return m_entries; }
    [[nodiscard]] const RecentEntry &at(int position) const { return m_entries.at(static_cast<std::size_t>(position)); }
    [[nodiscard]] int visibleCount() const;

    // Hides every item, then shows one per non-empty recent line that is no
    // key line, in order, up to 30. In the older format the recent lines start after the first line.
    // Does nothing when the file has no "[RecentList]" line (current format).
    void ShowRecentList(const SettingsFile &file, bool newFormat = true);
    // Clears the caption of the item and hides it.
    void hide(int position);

    friend bool operator==(const RecentMenu &, const RecentMenu &) = default;

private:
    std::array<RecentEntry, Count> m_entries{};
};

// Puts the path of a closed window's caption at the top of the recent lines,
// keeping the first `size` of them. Returns false, changing nothing, for a
// caption that names no file (empty, a blank document, a layout or data window),
// a path with a line break (a line of the file cannot hold it) or a file
// without recent lines.
bool AddRecent(SettingsFile &file, std::string_view caption, int size);

// Removes the first recent line equal to the path; the lines below move up and
// the file's last line becomes empty. Returns whether a line was removed.
bool RemoveRecent(SettingsFile &file, std::string_view path);

// Copies the path of each menu item that has a caption onto the recent line of
// the same position.
void WriteRecentList(SettingsFile &file, const RecentMenu &menu);

// Empties each recent line that is a key line of the settings file, and the
// value line after it: they are neither files nor settings. Returns the key
// lines emptied.
std::vector<std::string> clearKeyLinesInRecentList(SettingsFile &file);

// Empties each recent line, from line `start` on, that repeats a path on an
// earlier one: a path is listed once, where it is newest. Returns whether a
// line was emptied.
bool clearRepeatedRecentLines(SettingsFile &file, int start);

// For a list that falls from oldSize to newSize entries: empties the recent
// line of each entry from position oldSize-1 down to newSize and hides the entry.
void shrinkRecentList(SettingsFile &file, RecentMenu &menu, int oldSize, int newSize);

} // namespace norvane
