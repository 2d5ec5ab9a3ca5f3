#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// The key lines of the settings file. Two keys are misspelt; stored files hold
// them that way, so they must stay as they are.
namespace SettingsKeys {
inline constexpr std::string_view FormatMarker = "[Norvane]";
inline constexpr std::string_view UnixLineFeed = "[save new files in Unix format]";
inline constexpr std::string_view BigEndian = "[target sytem for data files in big endian]";
inline constexpr std::string_view TrailSpace = "[strip trailing spaces on save]";
inline constexpr std::string_view FatCarat = "[block caret]";
inline constexpr std::string_view Start = "[open dialog at start]";
inline constexpr std::string_view Pic01Show = "[show 01 levels with PIC clause in tree view]";
inline constexpr std::string_view ShowPerform = "[show performed paragraphs/sections in tree view]";
inline constexpr std::string_view Indent = "[tab and indent length]";
inline constexpr std::string_view RecentSize = "[Recent file list size]";
inline constexpr std::string_view FontName = "[Font.Name]";
inline constexpr std::string_view FontSize = "[Font.Size]";
inline constexpr std::string_view FontStyle = "[Font.Style]";
// Keys added later stand after the first ones and before the recent list, so
// that older versions still read the file; a file without them takes their defaults.
inline constexpr std::string_view ColourSource = "[colour COBOL source]";
inline constexpr std::string_view ColumnGuides = "[column guides]";
inline constexpr std::string_view GuideColumns = "[column guide positions]";
inline constexpr std::string_view LineNumbers = "[line numbers]";
inline constexpr std::string_view CopybookFolders = "[copybook folders]";
inline constexpr std::string_view RecentList = "[RecentList]";
} // namespace SettingsKeys

// Whether the line is one of the key lines above.
[[nodiscard]] bool isSettingsKey(std::string_view line);

// The lines of Norvane.ini held in memory. Every read and change of a setting
// goes through these lines; saving writes all of them.
class SettingsFile {
public:
    static constexpr std::string_view FileName = "Norvane.ini";
    // Free slots a new file gets after "[RecentList]".
    static constexpr int RecentSlots = 30;

    SettingsFile() = default;
    explicit SettingsFile(std::vector<std::string> lines) : m_lines(std::move(lines)) {}

    // The lines a new file starts from: the keys with their defaults, then 30 free recent slots.
    [[nodiscard]] static SettingsFile skeleton();
    // CR LF, LF and a lone CR each end a line; bytes are kept as they are.
    [[nodiscard]] static SettingsFile fromBytes(std::string_view bytes);
    // Every line followed by CR LF.
    [[nodiscard]] std::string toBytes() const;

    // The line after the key (indexOfKey); empty when the key is missing or
    // is the last line.
    [[nodiscard]] std::string ReadValue(std::string_view key) const;
    // Replaces the line after the key (indexOfKey), or appends it when the key
    // is the last line. A missing key is not added; returns whether the key
    // was found.
    bool WriteValue(std::string_view key, std::string_view value);
    // Index of the first line equal to the text, or -1.
    [[nodiscard]] int IndexOfLine(std::string_view text) const;
    // Index of the first line equal to the key above "[RecentList]" (anywhere
    // when the file has none), or -1: a line inside the recent list is a file,
    // never a setting.
    [[nodiscard]] int indexOfKey(std::string_view key) const;

    // Empty, or "[Norvane]" first: the keyed format rather than the older positional one.
    [[nodiscard]] bool isCurrentFormat() const;
    // Index of the first recent line (the line after "[RecentList]"), or -1
    // when the file has no "[RecentList]".
    [[nodiscard]] int recentStart() const;

    [[nodiscard]] const std::vector<std::string> &lines() const { return m_lines; }
    [[nodiscard]] std::vector<std::string> &lines() { return m_lines; }
    [[nodiscard]] int lineCount() const { return static_cast<int>(m_lines.size()); }
    [[nodiscard]] const std::string &line(int index) const { return m_lines.at(static_cast<std::size_t>(index)); }
    [[nodiscard]] std::string &line(int index) { return m_lines.at(static_cast<std::size_t>(index)); }

    friend bool operator==(const SettingsFile &, const SettingsFile &) = default;

private:
    std::vector<std::string> m_lines;
};

} // namespace norvane
