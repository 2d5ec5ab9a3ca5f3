#include "document/core/CopyMembers.h"

#include "common/core/PathName.h"
#include "document/core/LineColouring.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace norvane {

namespace {

// How far above a line the search for the code line that hands it something goes.
constexpr int LookBackLines = 64;

bool mentionsCopy(std::string_view line)
{
    constexpr std::string_view word = "copy";
    const auto match = std::search(line.begin(), line.end(), word.begin(), word.end(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
    return match != line.end();
}

CopyReference referenceOf(std::string_view line, int lineIndex, const RoleSpan &span)
{
    std::string_view name = line.substr(static_cast<std::size_t>(span.start), static_cast<std::size_t>(span.length));
    const bool literal = !name.empty() && (name.front() == '\'' || name.front() == '"');
    if (literal)
        name = name.substr(1, name.size() >= 2 && name.back() == name.front() ? name.size() - 2 : name.size() - 1);
    return {std::string(name), literal, lineIndex, span.start, span.length};
}

// What the code lines above the line leave for it: the nearest one decides.
LineCarry carryBefore(std::span<const std::string> lines, int line)
{
    const int stop = std::max(0, line - LookBackLines);
    for (int above = line - 1; above >= stop; --above) {
        const std::string &text = lines[static_cast<std::size_t>(above)];
        if (!passesCarryOn(text))
            return colourLine(text).carry;
    }
    return LineCarry::None;
}

std::string upper(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

std::string lower(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

bool isFile(const std::filesystem::path &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

bool isLevelNumber(std::string_view word)
{
    if (word.empty() || word.size() > 2 || !std::all_of(word.begin(), word.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        }))
        return false;
    const int level = std::stoi(std::string(word));
    return (level >= 1 && level <= 49) || level == 66 || level == 77 || level == 88;
}

} // namespace

std::optional<DefinitionPlace> findLevelEntry(std::span<const std::string> lines, std::string_view name)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string &line = lines[i];
        if (passesCarryOn(line))
            continue; // blank, comment or debugging line
        // The first two words of the code, where the colours see them.
        const ColouredLine coloured = colourLine(line);
        const auto number = std::find_if(coloured.spans.begin(), coloured.spans.end(),
                                         [](const RoleSpan &span) { return span.role == TextRole::LevelNumber; });
        if (number == coloured.spans.end())
            continue;
        const std::string_view text = line;
        const std::size_t numberEnd = static_cast<std::size_t>(number->start + number->length);
        if (!isLevelNumber(text.substr(static_cast<std::size_t>(number->start), static_cast<std::size_t>(number->length))))
            continue;
        const std::size_t start = text.find_first_not_of(" \t", numberEnd);
        if (start == std::string_view::npos)
            continue;
        const std::size_t end = std::min(text.find_first_of(" \t.", start), std::min<std::size_t>(text.size(), 72));
        if (sameName(text.substr(start, end - start), name))
            return DefinitionPlace{static_cast<int>(i), static_cast<int>(start)};
    }
    return std::nullopt;
}

std::vector<CopyReference> copyReferences(std::span<const std::string> lines)
{
    std::vector<CopyReference> references;
    LineCarry carry = LineCarry::None;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string &line = lines[i];
        // Most lines neither hold COPY nor follow one: they need no colouring.
        if (carry == LineCarry::None && !mentionsCopy(line))
            continue;
        const ColouredLine coloured = colourLine(line, carry);
        for (const RoleSpan &span : coloured.spans) {
            if (span.role == TextRole::CopyMember)
                references.push_back(referenceOf(line, static_cast<int>(i), span));
        }
        // A picture waiting for its string is nothing a COPY statement needs.
        carry = coloured.carry == LineCarry::Picture ? LineCarry::None : coloured.carry;
    }
    return references;
}

std::optional<CopyReference> copyReferenceAt(std::span<const std::string> lines, int line, int byte)
{
    if (line < 0 || static_cast<std::size_t>(line) >= lines.size())
        return std::nullopt;
    const std::string &text = lines[static_cast<std::size_t>(line)];
    for (const RoleSpan &span : colourLine(text, carryBefore(lines, line)).spans) {
        if (span.role == TextRole::CopyMember && byte >= span.start && byte <= span.start + span.length)
            return referenceOf(text, line, span);
    }
    return std::nullopt;
}

std::vector<CopyFolder> copyFolders(const std::string &programFolder, const std::vector<std::string> &copybookFolders,
                                    const char *cobCopyDir)
{
    std::vector<CopyFolder> folders;
    const auto add = [&folders](std::string path, const char *origin) {
        // A folder is named without the separator that may end it, so repeats are seen.
        while (path.size() > 1 && isPathSeparator(path.back()))
            path.pop_back();
        if (path.empty())
            return;
        const bool known = std::any_of(folders.begin(), folders.end(),
                                       [&path](const CopyFolder &folder) { return folder.path == path; });
        if (!known)
            folders.push_back({path, origin});
    };
    add(programFolder, "program's folder");
    for (const std::string &folder : copybookFolders)
        add(folder, "Copybook folders");
    if (cobCopyDir != nullptr) {
        std::string_view list = cobCopyDir;
        while (!list.empty()) {
            const std::size_t colon = list.find(':');
            add(std::string(list.substr(0, colon)), "COB_COPY_DIR");
            list = colon == std::string_view::npos ? std::string_view{} : list.substr(colon + 1);
        }
    }
    return folders;
}

Result<std::string> findCopyMember(std::string_view member, bool literal, const std::vector<CopyFolder> &folders)
{
    std::vector<std::string> names{std::string(member)};
    if (!literal) {
        for (std::string other : {upper(member), lower(member)}) {
            if (std::find(names.begin(), names.end(), other) == names.end())
                names.push_back(std::move(other));
        }
    }
    if (!member.empty()) {
        for (const CopyFolder &folder : folders) {
            for (const std::string &name : names) {
                for (std::string_view extension : CopyExtensions) {
                    const std::filesystem::path path = std::filesystem::path(folder.path) / (name + std::string(extension));
                    if (isFile(path))
                        return path.string();
                }
            }
        }
    }
    std::string message = "COPY member \"" + std::string(member) + "\" not found.\n";
    if (folders.empty()) {
        message += "No folder to look in: the program has no folder, and neither the Copybook folders of the "
                   "options nor COB_COPY_DIR name one.";
        return Error{message};
    }
    message += "Looked in:\n";
    for (const CopyFolder &folder : folders)
        message += "  " + folder.path + " (" + folder.origin + ")\n";
    message += "with the extensions none, .cpy, .CPY, .cbl and .cob.";
    return Error{message};
}

} // namespace norvane
