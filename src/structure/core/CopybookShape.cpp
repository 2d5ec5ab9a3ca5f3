#include "structure/core/CopybookShape.h"

#include "document/core/LineColouring.h"

#include <algorithm>
#include <cctype>

namespace norvane {

namespace {

bool endsWithDivision(std::string_view header)
{
    constexpr std::string_view division = "DIVISION";
    if (header.size() < division.size())
        return false;
    const std::string_view tail = header.substr(header.size() - division.size());
    return std::equal(tail.begin(), tail.end(), division.begin(),
                      [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
}

} // namespace

bool hasCopybookExtension(std::string_view extension)
{
    return extension == ".cpy" || extension == ".CPY";
}

bool holdsRecordsOnly(std::span<const std::string> lines)
{
    bool records = false;
    for (const std::string &line : lines) {
        if (passesCarryOn(line))
            continue;
        for (const RoleSpan &span : colourLine(line).spans) {
            const std::string_view text =
                std::string_view(line).substr(static_cast<std::size_t>(span.start), static_cast<std::size_t>(span.length));
            if (span.role == TextRole::Header && endsWithDivision(text))
                return false;
            if (span.role == TextRole::LevelNumber && (text == "01" || text == "1"))
                records = true;
        }
    }
    return records;
}

} // namespace norvane
