#include "settings/core/SettingsFormat.h"

#include "settings/core/RecentList.h"
#include "settings/core/SettingsFile.h"

#include <algorithm>
#include <charconv>

namespace norvane {

namespace K = SettingsKeys;

static std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

static bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

std::optional<bool> parseBoolean(std::string_view text)
{
    text = trimmed(text);
    if (equalsIgnoringCase(text, "true"))
        return true;
    if (equalsIgnoringCase(text, "false"))
        return false;
    // A number: optional sign, digits, optional fraction; any non-zero digit makes it true.
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-'))
        digits.remove_prefix(1);
    bool seenDigit = false;
    bool seenPoint = false;
    bool nonZero = false;
    for (char c : digits) {
        if (c >= '0' && c <= '9') {
            seenDigit = true;
            nonZero = nonZero || c != '0';
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    return nonZero;
}

std::optional<int> parseInteger(std::string_view text)
{
    text = trimmed(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string_view booleanValue(bool value)
{
    return value ? "True" : "False";
}

static constexpr std::string_view BoldItalicStyle = "[fsBold,fsItalic]";
static constexpr std::string_view BoldStyle = "[fsBold]";
static constexpr std::string_view ItalicStyle = "[fsIntalic]";
static constexpr std::string_view NoStyle = "[]";

std::string_view fontStyleValue(const FontSpec &font)
{
    if (font.underline || font.strikeOut)
        return NoStyle;
    if (font.bold && font.italic)
        return BoldItalicStyle;
    if (font.bold)
        return BoldStyle;
    if (font.italic)
        return ItalicStyle;
    return NoStyle;
}

void decodeFontStyle(std::string_view value, FontSpec &font)
{
    font.bold = value == BoldItalicStyle || value == BoldStyle;
    font.italic = value == BoldItalicStyle || value == ItalicStyle;
    font.underline = false;
    font.strikeOut = false;
}

std::string guideColumnsValue(const std::vector<int> &columns)
{
    std::string text;
    for (int column : columns) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(column);
    }
    return text;
}

std::optional<std::vector<int>> parseGuideColumns(std::string_view text)
{
    std::vector<int> columns;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ' || text[at] == ',' || text[at] == '\t') {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && text[end] != ' ' && text[end] != ',' && text[end] != '\t')
            ++end;
        const std::optional<int> column = parseInteger(text.substr(at, end - at));
        if (!column || *column < 1 || *column > Settings::MaxGuideColumn)
            return std::nullopt;
        columns.push_back(*column);
        at = end;
    }
    std::sort(columns.begin(), columns.end());
    columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    return columns;
}

std::string folderListValue(const std::vector<std::string> &folders)
{
    std::string text;
    for (const std::string &folder : folders) {
        if (folder.empty())
            continue;
        if (!text.empty())
            text += ';';
        text += folder;
    }
    return text;
}

std::optional<std::vector<std::string>> parseFolderList(std::string_view text)
{
    const bool garbled = std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f;
    });
    if (garbled)
        return std::nullopt;
    std::vector<std::string> folders;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t end = std::min(text.find(';', at), text.size());
        if (end > at)
            folders.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    return folders;
}

// The seven check boxes with their keys, in the order of the file.
struct BooleanKey {
    std::string_view key;
    bool Settings::*option;
};
static constexpr BooleanKey BooleanKeys[] = {
    {K::UnixLineFeed, &Settings::UnixLineFeedOption},
    {K::BigEndian, &Settings::BigEndianOption},
    {K::TrailSpace, &Settings::TrailSpaceOption},
    {K::FatCarat, &Settings::optFatCarat},
    {K::Start, &Settings::StartOption},
    {K::Pic01Show, &Settings::Pic01ShowOption},
    {K::ShowPerform, &Settings::ShowPerformOption},
};

// The spin box steps by 10 but takes any typed value in its range.
static bool isValidRecentSize(int size)
{
    return size >= Settings::MinRecent && size <= Settings::MaxRecent;
}

// A key line in the value's place means the value is missing.
static bool isValidFontName(std::string_view name)
{
    return !name.empty() && !isSettingsKey(name) && std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f;
    });
}

// The keys of later versions: a file written before them lacks them and
// quietly takes the defaults.
template <typename Fail>
static void readLaterKeys(const SettingsFile &file, Settings &settings, Fail fail)
{
    const Settings defaults;
    const auto read = [&](std::string_view key, auto parse, auto &option, const auto &fallback) {
        option = fallback;
        if (file.IndexOfLine(key) < 0)
            return;
        if (const auto value = parse(file.ReadValue(key)))
            option = *value;
        else
            fail(key);
    };
    read(K::ColourSource, parseBoolean, settings.colourSource, defaults.colourSource);
    read(K::ColumnGuides, parseBoolean, settings.columnGuides, defaults.columnGuides);
    read(K::GuideColumns, parseGuideColumns, settings.guideColumns, defaults.guideColumns);
    read(K::LineNumbers, parseBoolean, settings.lineNumbers, defaults.lineNumbers);
    read(K::CopybookFolders, parseFolderList, settings.copybookFolders, defaults.copybookFolders);
}

std::vector<std::string> ReadSettings(const SettingsFile &file, Settings &settings)
{
    const Settings defaults;
    std::vector<std::string> unreadable;
    auto fail = [&](std::string_view key) { unreadable.emplace_back(key); };

    for (const BooleanKey &entry : BooleanKeys) {
        const std::optional<bool> value = parseBoolean(file.ReadValue(entry.key));
        settings.*entry.option = value.value_or(defaults.*entry.option);
        if (!value)
            fail(entry.key);
    }

    const std::optional<int> indent = parseInteger(file.ReadValue(K::Indent));
    const bool indentOk = indent && *indent >= Settings::MinIndent && *indent <= Settings::MaxIndent;
    settings.IndentOption = indentOk ? *indent : defaults.IndentOption;
    if (!indentOk)
        fail(K::Indent);

    const std::optional<int> recent = parseInteger(file.ReadValue(K::RecentSize));
    const bool recentOk = recent && isValidRecentSize(*recent);
    settings.seRecent = recentOk ? *recent : defaults.seRecent;
    if (!recentOk)
        fail(K::RecentSize);

    const std::string name = file.ReadValue(K::FontName);
    const bool nameOk = isValidFontName(name);
    settings.editorFont.name = nameOk ? name : defaults.editorFont.name;
    if (!nameOk)
        fail(K::FontName);

    const std::optional<int> size = parseInteger(file.ReadValue(K::FontSize));
    const bool sizeOk = size && *size >= FontSpec::MinSize && *size <= FontSpec::MaxSize;
    settings.editorFont.size = sizeOk ? *size : defaults.editorFont.size;
    if (!sizeOk)
        fail(K::FontSize);

    // Any text is a valid style (unknown ones mean none); only a missing key is news.
    decodeFontStyle(file.ReadValue(K::FontStyle), settings.editorFont);
    if (file.indexOfKey(K::FontStyle) < 0)
        fail(K::FontStyle);

    readLaterKeys(file, settings, fail);
    return unreadable;
}

// The value each key gets from the settings, in skeleton order.
static std::vector<std::pair<std::string_view, std::string>> valuesOf(const Settings &settings)
{
    return {
        {K::UnixLineFeed, std::string(booleanValue(settings.UnixLineFeedOption))},
        {K::BigEndian, std::string(booleanValue(settings.BigEndianOption))},
        {K::TrailSpace, std::string(booleanValue(settings.TrailSpaceOption))},
        {K::FatCarat, std::string(booleanValue(settings.optFatCarat))},
        {K::Start, std::string(booleanValue(settings.StartOption))},
        {K::Pic01Show, std::string(booleanValue(settings.Pic01ShowOption))},
        {K::ShowPerform, std::string(booleanValue(settings.ShowPerformOption))},
        {K::Indent, std::to_string(settings.IndentOption)},
        {K::RecentSize, std::to_string(settings.seRecent)},
        {K::FontName, settings.editorFont.name},
        {K::FontSize, std::to_string(settings.editorFont.size)},
        {K::FontStyle, std::string(fontStyleValue(settings.editorFont))},
        {K::ColourSource, std::string(booleanValue(settings.colourSource))},
        {K::ColumnGuides, std::string(booleanValue(settings.columnGuides))},
        {K::GuideColumns, guideColumnsValue(settings.guideColumns)},
        {K::LineNumbers, std::string(booleanValue(settings.lineNumbers))},
        {K::CopybookFolders, folderListValue(settings.copybookFolders)},
    };
}

void WriteSettings(SettingsFile &file, bool iniExists, const Settings &settings, RecentMenu &menu)
{
    if (!iniExists)
        file = SettingsFile::skeleton();

    const auto values = valuesOf(settings);
    for (const auto &[key, value] : values) {
        if (key == K::RecentSize) {
            // An unreadable old size counts as the largest, so every entry
            // beyond the new size is emptied.
            const std::optional<int> stored = parseInteger(file.ReadValue(K::RecentSize));
            const int oldSize = stored && isValidRecentSize(*stored) ? *stored : Settings::MaxRecent;
            const int newSize = std::clamp(settings.seRecent, Settings::MinRecent, Settings::MaxRecent);
            if (newSize < oldSize)
                shrinkRecentList(file, menu, oldSize, newSize);
        }
        file.WriteValue(key, value);
    }
}

bool completeSettingsFile(SettingsFile &file, const Settings &settings)
{
    bool added = false;
    auto &lines = file.lines();
    const auto values = valuesOf(settings);

    // A key cut off at the end, or followed straight by another key, gets its
    // value line back, so that writing the value never overwrites a key.
    for (const auto &[key, value] : values) {
        const int index = file.indexOfKey(key);
        if (index >= 0 && (index + 1 >= file.lineCount() || isSettingsKey(file.line(index + 1)))) {
            lines.insert(lines.begin() + index + 1, value);
            added = true;
        }
    }
    if (file.recentStart() < 0) {
        lines.emplace_back(K::RecentList);
        added = true;
    }
    for (const auto &[key, value] : values) {
        if (file.indexOfKey(key) >= 0)
            continue;
        const auto at = lines.begin() + file.IndexOfLine(K::RecentList);
        lines.insert(lines.insert(at, std::string(key)) + 1, value);
        added = true;
    }
    const int recentLines = file.lineCount() - file.recentStart();
    if (recentLines < SettingsFile::RecentSlots) {
        lines.resize(lines.size() + static_cast<std::size_t>(SettingsFile::RecentSlots - recentLines));
        added = true;
    }
    return added;
}

void rewriteValues(SettingsFile &file, const Settings &settings, const std::vector<std::string> &keys)
{
    for (const auto &[key, value] : valuesOf(settings)) {
        if (std::find(keys.begin(), keys.end(), key) != keys.end())
            file.WriteValue(key, value);
    }
}

} // namespace norvane
