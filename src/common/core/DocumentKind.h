#pragma once

#include <string>
#include <string_view>

namespace norvane {

// Caption prefixes that tell the kinds of document window apart; any other
// caption is the path of a source file.
inline constexpr std::string_view BlankPrefix = "blank ";
inline constexpr std::string_view LayoutPrefix = "offset: ";
inline constexpr std::string_view DataPrefix = "data: ";
// Appended to a source window's caption while it is in read-only mode.
inline constexpr std::string_view ReadOnlySuffix = " (read only)";

enum class DocumentKind { Source, Layout, Data };

// Exact, case-sensitive test of the caption's first characters.
[[nodiscard]] bool hasPrefix(std::string_view caption, std::string_view prefix);
[[nodiscard]] DocumentKind kindOfCaption(std::string_view caption);
[[nodiscard]] bool isBlankCaption(std::string_view caption);

// The caption of a source window for the given path and mode.
[[nodiscard]] std::string sourceCaption(std::string_view path, bool readOnly);
// The caption without its read-only suffix.
[[nodiscard]] std::string withoutReadOnlySuffix(std::string_view caption);

// The number for the next blank document: one more than the highest number of
// the open blank documents, or 0. A result above 9 means no more may be made.
[[nodiscard]] int nextBlankNumber(const auto &captions)
{
    int next = 0;
    for (const auto &caption : captions) {
        std::string_view text(caption);
        if (!isBlankCaption(text) || text.size() <= BlankPrefix.size())
            continue;
        const char digit = text[BlankPrefix.size()];
        if (digit < '0' || digit > '9')
            continue;
        const int n = digit - '0';
        if (n >= next)
            next = n + 1;
    }
    return next;
}

inline constexpr int MaxBlankNumber = 9;

} // namespace norvane
