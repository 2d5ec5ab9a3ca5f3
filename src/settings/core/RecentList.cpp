#include "settings/core/RecentList.h"

#include "common/core/DocumentKind.h"
#include "settings/core/SettingsFile.h"

#include <algorithm>
#include <set>
#include <utility>

namespace norvane {

std::string recentCaption(int position, std::string_view path)
{
    const std::string number = std::to_string(position + 1);
    std::string caption = number;
    caption += number.size() == 1 ? "    " : "  ";
    caption += path;
    return caption;
}

RecentPath PathFromCaption(std::string_view caption)
{
    const std::size_t space = caption.find(' ');
    if (space == std::string_view::npos)
        return {};
    const std::size_t start = caption.find_first_not_of(' ', space);
    if (start == std::string_view::npos)
        return {};
    std::string_view path = caption.substr(start);
    // Only the suffix a read-only window's caption carries marks read-only
    // mode: a "(" elsewhere is part of the path ("Program Files (x86)").
    const bool readOnly = path.size() > ReadOnlySuffix.size() && path.ends_with(ReadOnlySuffix);
    if (readOnly)
        path.remove_suffix(ReadOnlySuffix.size());
    return {std::string(path), readOnly};
}

int RecentMenu::visibleCount() const
{
    return static_cast<int>(std::count_if(m_entries.begin(), m_entries.end(),
                                          [](const RecentEntry &entry) { return entry.visible; }));
}

void RecentMenu::ShowRecentList(const SettingsFile &file, bool newFormat)
{
    const int start = newFormat ? file.recentStart() : 1;
    if (start < 0)
        return;
    m_entries = {};
    int position = 0;
    for (int i = start; i < file.lineCount() && position < Count; ++i) {
        if (file.line(i).empty() || (newFormat && isSettingsKey(file.line(i))))
            continue;
        m_entries[static_cast<std::size_t>(position)] = {true, recentCaption(position, file.line(i))};
        ++position;
    }
}

void RecentMenu::hide(int position)
{
    m_entries.at(static_cast<std::size_t>(position)) = {};
}

// Index of the first recent line equal to the path, or -1. Only the recent
// lines are searched, so a path can never match a key or a value.
static int indexOfRecentLine(const SettingsFile &file, std::string_view path)
{
    const int start = file.recentStart();
    if (start < 0)
        return -1;
    for (int i = start; i < file.lineCount(); ++i) {
        if (file.line(i) == path)
            return i;
    }
    return -1;
}

bool AddRecent(SettingsFile &file, std::string_view caption, int size)
{
    if (kindOfCaption(caption) != DocumentKind::Source || isBlankCaption(caption))
        return false;
    std::string_view path = caption;
    if (path.size() >= ReadOnlySuffix.size() && path.ends_with(ReadOnlySuffix))
        path.remove_suffix(ReadOnlySuffix.size());
    const int start = file.recentStart();
    const int last = file.lineCount() - 1;
    // The file holds one path a line: a path with a line break in it would
    // read back as two entries, so it is not kept.
    if (path.empty() || path.find_first_of("\r\n") != std::string_view::npos || start < 0 || start > last)
        return false;

    auto &lines = file.lines();
    const auto first = lines.begin() + start;
    int end = indexOfRecentLine(file, path);
    if (end < 0)
        end = std::min(start + std::max(size, 1) - 1, last); // the range's last line drops out
    std::move_backward(first, lines.begin() + end, lines.begin() + end + 1);
    *first = path;
    return true;
}

bool RemoveRecent(SettingsFile &file, std::string_view path)
{
    const int index = indexOfRecentLine(file, path);
    if (index < 0)
        return false;
    auto &lines = file.lines();
    std::move(lines.begin() + index + 1, lines.end(), lines.begin() + index);
    lines.back().clear();
    return true;
}

void WriteRecentList(SettingsFile &file, const RecentMenu &menu)
{
    const int start = file.recentStart();
    if (start < 0)
        return;
    for (int j = 0; j < RecentMenu::Count && start + j < file.lineCount(); ++j) {
        const RecentEntry &entry = menu.at(j);
        if (!entry.caption.empty())
            file.line(start + j) = PathFromCaption(entry.caption).path;
    }
}

std::vector<std::string> clearKeyLinesInRecentList(SettingsFile &file)
{
    std::vector<std::string> cleared;
    const int start = file.recentStart();
    if (start < 0)
        return cleared;
    for (int i = start; i < file.lineCount(); ++i) {
        if (!isSettingsKey(file.line(i)))
            continue;
        cleared.push_back(std::exchange(file.line(i), std::string()));
        // The line after a key is that key's value, never a file.
        if (i + 1 < file.lineCount() && !file.line(i + 1).empty() && !isSettingsKey(file.line(i + 1)))
            file.line(++i).clear();
    }
    return cleared;
}

bool clearRepeatedRecentLines(SettingsFile &file, int start)
{
    if (start < 0)
        return false;
    bool cleared = false;
    std::set<std::string> seen;
    for (int i = start; i < file.lineCount(); ++i) {
        if (file.line(i).empty())
            continue;
        if (!seen.insert(file.line(i)).second) {
            file.line(i).clear();
            cleared = true;
        }
    }
    return cleared;
}

void shrinkRecentList(SettingsFile &file, RecentMenu &menu, int oldSize, int newSize)
{
    oldSize = std::clamp(oldSize, 0, RecentMenu::Count);
    newSize = std::clamp(newSize, 0, RecentMenu::Count);
    for (int position = oldSize - 1; position >= newSize; --position) {
        const RecentPath entry = PathFromCaption(menu.at(position).caption);
        if (!entry.path.empty()) {
            const int index = indexOfRecentLine(file, entry.path);
            if (index >= 0)
                file.line(index).clear();
        }
        menu.hide(position);
    }
}

} // namespace norvane
