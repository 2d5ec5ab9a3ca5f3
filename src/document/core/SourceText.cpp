#include "document/core/SourceText.h"

namespace norvane {

std::vector<std::string> splitSourceLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(bytes.substr(start, i - start));
            i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size())
        lines.emplace_back(bytes.substr(start));
    return lines;
}

std::string_view withoutTrailingSpaces(std::string_view line)
{
    const std::size_t end = line.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : line.substr(0, end + 1);
}

bool endsWithLineBreak(std::string_view bytes)
{
    return !bytes.empty() && (bytes.back() == '\r' || bytes.back() == '\n');
}

std::string composeSourceFile(const std::vector<std::string> &lines, std::string_view lineBreak,
                              bool stripTrailingSpaces, bool finalLineBreak)
{
    std::string bytes;
    std::size_t total = 0;
    for (const std::string &line : lines)
        total += line.size() + lineBreak.size();
    bytes.reserve(total);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = stripTrailingSpaces ? withoutTrailingSpaces(lines[i]) : std::string_view(lines[i]);
        bytes.append(line);
        if (i + 1 < lines.size() || finalLineBreak)
            bytes.append(lineBreak);
    }
    return bytes;
}

} // namespace norvane

namespace norvane {

std::string withLineFeedBreaks(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            text.push_back('\n');
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            text.push_back(c);
        }
    }
    return text;
}

} // namespace norvane
