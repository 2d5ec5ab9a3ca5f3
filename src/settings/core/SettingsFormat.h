#pragma once

#include "settings/core/Settings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

class RecentMenu;
class SettingsFile;

// "true"/"false" in any letter case, or a number: 0 is false, any other true.
// Surrounding spaces are ignored. Nothing for any other text.
[[nodiscard]] std::optional<bool> parseBoolean(std::string_view text);
// A decimal integer with an optional sign; surrounding spaces are ignored.
[[nodiscard]] std::optional<int> parseInteger(std::string_view text);

// "True" or "False", as the file stores booleans.
[[nodiscard]] std::string_view booleanValue(bool value);

// The file's style literal: bold and italic alone, bold alone and italic alone
// have one each ("[fsIntalic]" is spelt as stored files have it); every other
// combination is stored as "[]".
[[nodiscard]] std::string_view fontStyleValue(const FontSpec &font);
// Sets the font's style from a stored literal; any unknown text means no style.
void decodeFontStyle(std::string_view value, FontSpec &font);

// The guide columns as stored: decimal numbers separated by blanks ("7 8 12 72").
[[nodiscard]] std::string guideColumnsValue(const std::vector<int> &columns);
// Numbers from 1 to Settings::MaxGuideColumn separated by blanks or commas, in
// any order; an empty text is no column. Nothing for any other text.
[[nodiscard]] std::optional<std::vector<int>> parseGuideColumns(std::string_view text);
// The copybook folders as stored: joined by semicolons.
[[nodiscard]] std::string folderListValue(const std::vector<std::string> &folders);
// The folders between semicolons, empty ones left out. Nothing for a text with
// control characters.
[[nodiscard]] std::optional<std::vector<std::string>> parseFolderList(std::string_view text);

// Reads every key of the keyed format into the settings. A key that is missing
// or whose value cannot be converted (a boolean that is neither true/false nor
// a number, a number out of its range, an empty or garbled font name) leaves
// its default; the keys concerned are returned so the user can be told. The
// keys of later versions (colours, guides, line numbers, copybook folders) are
// missing from older files: only a value that cannot be read is news there.
[[nodiscard]] std::vector<std::string> ReadSettings(const SettingsFile &file, Settings &settings);

// Writes the settings into the lines: the skeleton first when there is no file
// yet, then every value; a smaller recent-list size empties the entries beyond
// it, in the lines and in the menu. Saving is up to the caller.
void WriteSettings(SettingsFile &file, bool iniExists, const Settings &settings, RecentMenu &menu);

// Gives a keyed-format file every line it needs: each key missing from it is
// added before "[RecentList]" with the value the settings hold, a missing
// "[RecentList]" is added at the end, and the recent lines are made up to 30
// with free slots. Returns whether anything was added.
bool completeSettingsFile(SettingsFile &file, const Settings &settings);

// Writes the value the settings hold for each of the keys: after the user was
// told that they could not be read, their defaults replace them in the file,
// so the message does not come back at every start.
void rewriteValues(SettingsFile &file, const Settings &settings, const std::vector<std::string> &keys);

} // namespace norvane
