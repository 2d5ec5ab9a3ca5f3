#include "structure/core/WordTools.h"

namespace norvane {

std::vector<std::string> SplitWords(std::string_view text)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isWordDelimiter(text[i]))
            continue;
        if (i > start)
            words.emplace_back(text.substr(start, i - start));
        start = i + 1;
    }
    return words;
}

std::string WordAt(std::string_view text, std::size_t position)
{
    if (position < 1 || position > text.size() + 1)
        return {};
    if (position <= text.size() && isWordDelimiter(text[position - 1]))
        return {};
    // Both ends as 0-based offsets: [first, last).
    std::size_t first = position - 1;
    while (first > 0 && !isWordDelimiter(text[first - 1]))
        --first;
    std::size_t last = position - 1;
    while (last < text.size() && !isWordDelimiter(text[last]))
        ++last;
    return std::string(text.substr(first, last - first));
}

} // namespace norvane
