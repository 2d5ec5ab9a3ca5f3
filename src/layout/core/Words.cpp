#include "layout/core/Words.h"

#include <algorithm>

namespace norvane {

namespace {

char upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

bool EqualsKeyword(std::string_view word, std::string_view upperKeyword)
{
    return word.size() == upperKeyword.size() && StartsWithKeyword(word, upperKeyword);
}

bool StartsWithKeyword(std::string_view word, std::string_view upperPrefix)
{
    if (word.size() < upperPrefix.size())
        return false;
    return std::equal(upperPrefix.begin(), upperPrefix.end(), word.begin(),
                      [](char keyword, char c) { return keyword == upper(c); });
}

std::string ToUpperAscii(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), upper);
    return result;
}

Result<std::int64_t> ToCount(std::string_view text)
{
    constexpr std::int64_t kLargest = 2147483647;
    std::int64_t value = 0;
    bool valid = !text.empty();
    for (char c : text) {
        if (c < '0' || c > '9') {
            valid = false;
            break;
        }
        value = value * 10 + (c - '0');
        if (value > kLargest) {
            valid = false;
            break;
        }
    }
    if (!valid)
        return Error{"'" + std::string(text) + "' is not a valid integer value"};
    return value;
}

} // namespace norvane
