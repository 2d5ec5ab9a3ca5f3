#pragma once

#include "settings/core/Settings.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

class SettingsFile;

// Whether the lines have the older format's shape: a first line of at least
// five characters with letters for the flags at positions 1-4 and 6-8 (its
// program wrote "Y" or "N") and the indent digit at 5, then (when longer) a
// style letter, the font size's digits and a font name; and lines of text,
// without control characters, throughout. Anything else, such as random
// bytes, is no settings file of that format.
[[nodiscard]] bool hasLegacyShape(const SettingsFile &file);

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
