#pragma once

#include "settings/core/Settings.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

class SettingsFile;

// The file a recent line of the older format names: the line without a marker
// such as " (read only)" at its end.
[[nodiscard]] std::string legacyRecentName(std::string_view line);

// Reads a settings file of the older positional format: the flags, indent and
// font from the first line, the recent files from the lines after it. Recent
// lines whose file no longer exists are removed, and the lines are made up to
// at least 11. A character that cannot be converted leaves its default; what
// could not be read is described in `unreadable`.
struct LegacyReadResult {
    bool linesRemoved = false;
    std::vector<std::string> unreadable;
};
[[nodiscard]] LegacyReadResult ReadLegacySettings(SettingsFile &file, Settings &settings,
                                                  const std::function<bool(const std::string &)> &fileExists);

} // namespace norvane
