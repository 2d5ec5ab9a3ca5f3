#include "settings/core/LegacySettings.h"

#include "settings/core/SettingsFile.h"

#include <algorithm>

namespace norvane {

static constexpr std::string_view LegacyFontName = "Fixedsys";
static constexpr int LegacyFontSize = 10;
static constexpr std::size_t FlagCount = 8;
static constexpr int LegacyMinimumLines = 11;

std::string legacyRecentName(std::string_view line)
{
    if (line.size() < 2)
        return std::string(line);
    // The last "(" before the line's last character starts the marker; the
    // character before it (a space) goes too.
    const std::size_t open = line.rfind('(', line.size() - 2);
    if (open == std::string_view::npos)
        return std::string(line);
    return std::string(line.substr(0, open == 0 ? 0 : open - 1));
}

static bool isPrintable(std::string_view text)
{
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f;
    });
}

bool hasLegacyShape(const SettingsFile &file)
{
    if (file.lineCount() == 0)
        return false;
    const std::string &first = file.line(0);
    constexpr std::size_t IndentAt = 4;
    if (first.size() <= IndentAt || first[IndentAt] < '0' || first[IndentAt] > '9')
        return false;
    auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    // The flags and the style letter: "Y" or "N" as written, any letter as read.
    for (std::size_t i = 0; i < std::min(first.size(), FlagCount + 1); ++i) {
        if (i != IndentAt && !isLetter(first[i]))
            return false;
    }
    return std::all_of(file.lines().begin(), file.lines().end(),
                       [](const std::string &line) { return isPrintable(line); });
}

static void readFirstLine(std::string line, Settings &settings, std::vector<std::string> &unreadable)
{
    const Settings defaults;
    FontSpec font;
    font.name = LegacyFontName;
    font.size = LegacyFontSize;

    if (line.size() > FlagCount) {
        const char style = line[FlagCount];
        font.bold = style == 'D' || style == 'C';
        font.italic = style == 'D' || style == 'B';

        std::size_t at = FlagCount + 1;
        const std::size_t digitsEnd = std::min(line.find_first_not_of("0123456789", at), line.size());
        const std::string_view digits = std::string_view(line).substr(at, digitsEnd - at);
        if (!digits.empty()) {
            // More than four digits is no font size a dialog offers.
            const int size = digits.size() <= 4 ? std::stoi(std::string(digits)) : 0;
            if (size >= FontSpec::MinSize && size <= FontSpec::MaxSize)
                font.size = size;
            else
                unreadable.emplace_back("font size \"" + std::string(digits) + "\"");
        }
        const std::string name = line.substr(digitsEnd);
        // A key line of the keyed format as a name would read as a key there.
        if (!isPrintable(name) || isSettingsKey(name))
            unreadable.emplace_back("font name");
        else if (!name.empty() && name != "MS Sans Serif")
            font.name = name;
    }
    line.resize(std::max(line.size(), FlagCount), ' ');

    settings.UnixLineFeedOption = line[0] == 'Y';
    settings.Pic01ShowOption = line[1] == 'Y';
    settings.ShowPerformOption = line[2] == 'Y';
    settings.BigEndianOption = line[3] == 'Y';
    if (line[4] >= '0' && line[4] <= '9') {
        settings.IndentOption = line[4] - '0';
    } else {
        settings.IndentOption = defaults.IndentOption;
        unreadable.emplace_back("tab and indent length (character 5 of the first line)");
    }
    settings.TrailSpaceOption = line[5] == 'Y';
    settings.optFatCarat = line[6] != 'N';
    settings.StartOption = line[7] == 'Y';
    settings.editorFont = font;
}

LegacyReadResult ReadLegacySettings(SettingsFile &file, Settings &settings,
                                    const std::function<bool(const std::string &)> &fileExists)
{
    LegacyReadResult result;
    auto &lines = file.lines();
    if (lines.empty())
        return result;
    readFirstLine(lines.front(), settings, result.unreadable);

    for (std::size_t i = 1; i < lines.size();) {
        const std::string &text = lines[i];
        // A line that names an existing file as a whole is kept even when it
        // holds a "(", as in "Program Files (x86)".
        if (text.empty() || fileExists(text) || fileExists(legacyRecentName(text))) {
            ++i;
            continue;
        }
        // The line that moves up into this place is looked at next.
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
        result.linesRemoved = true;
    }
    if (file.lineCount() < LegacyMinimumLines)
        lines.resize(LegacyMinimumLines);
    return result;
}

} // namespace norvane
