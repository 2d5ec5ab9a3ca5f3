#include "settings/core/SettingsFile.h"

#include "document/core/SourceText.h"

#include <algorithm>

namespace norvane {

bool isSettingsKey(std::string_view line)
{
    namespace K = SettingsKeys;
    static constexpr std::string_view Keys[] = {K::FormatMarker, K::UnixLineFeed, K::BigEndian, K::TrailSpace,
                                                K::FatCarat,     K::Start,        K::Pic01Show, K::ShowPerform,
                                                K::Indent,       K::RecentSize,   K::FontName,  K::FontSize,
                                                K::FontStyle,    K::ColourSource, K::ColumnGuides,
                                                K::GuideColumns, K::LineNumbers,  K::CopybookFolders,
                                                K::RecentList};
    return std::find(std::begin(Keys), std::end(Keys), line) != std::end(Keys);
}

SettingsFile SettingsFile::skeleton()
{
    namespace K = SettingsKeys;
    std::vector<std::string> lines{
        std::string(K::FormatMarker), "",
        std::string(K::UnixLineFeed), "true",
        std::string(K::BigEndian), "true",
        std::string(K::TrailSpace), "false",
        std::string(K::FatCarat), "false",
        std::string(K::Start), "false",
        std::string(K::Pic01Show), "false",
        std::string(K::ShowPerform), "false",
        std::string(K::Indent), "4",
        std::string(K::RecentSize), "30",
        std::string(K::FontName), "FixedSys",
        std::string(K::FontSize), "10",
        std::string(K::FontStyle), "[]",
        std::string(K::ColourSource), "true",
        std::string(K::ColumnGuides), "true",
        std::string(K::GuideColumns), "7 8 12 72",
        std::string(K::LineNumbers), "true",
        std::string(K::CopybookFolders), "",
        std::string(K::RecentList),
    };
    lines.resize(lines.size() + RecentSlots);
    return SettingsFile(std::move(lines));
}

SettingsFile SettingsFile::fromBytes(std::string_view bytes)
{
    return SettingsFile(splitSourceLines(bytes));
}

std::string SettingsFile::toBytes() const
{
    std::string bytes;
    for (const std::string &text : m_lines) {
        bytes += text;
        bytes += "\r\n";
    }
    return bytes;
}

int SettingsFile::IndexOfLine(std::string_view text) const
{
    const auto it = std::find(m_lines.begin(), m_lines.end(), text);
    return it == m_lines.end() ? -1 : static_cast<int>(it - m_lines.begin());
}

int SettingsFile::indexOfKey(std::string_view key) const
{
    const int listLine = IndexOfLine(SettingsKeys::RecentList);
    const auto end = listLine < 0 ? m_lines.end() : m_lines.begin() + listLine;
    const auto it = std::find(m_lines.begin(), end, key);
    return it == end ? -1 : static_cast<int>(it - m_lines.begin());
}

std::string SettingsFile::ReadValue(std::string_view key) const
{
    const int index = indexOfKey(key);
    if (index < 0 || index + 1 >= lineCount())
        return {};
    return line(index + 1);
}

bool SettingsFile::WriteValue(std::string_view key, std::string_view value)
{
    const int index = indexOfKey(key);
    if (index < 0)
        return false;
    if (index + 1 < lineCount())
        line(index + 1) = value;
    else
        m_lines.emplace_back(value); // a key cut off at the end keeps its value
    return true;
}

bool SettingsFile::isCurrentFormat() const
{
    return m_lines.empty() || m_lines.front() == SettingsKeys::FormatMarker;
}

int SettingsFile::recentStart() const
{
    const int index = IndexOfLine(SettingsKeys::RecentList);
    return index < 0 ? -1 : index + 1;
}

} // namespace norvane
