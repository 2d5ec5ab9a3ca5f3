#include "search/core/LineNumberInput.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace norvane {

Result<int> lineIndexFromInput(std::string_view answer, int lineCount)
{
    const bool digitsOnly =
        !answer.empty() && std::all_of(answer.begin(), answer.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digitsOnly)
        return Error{"input not numeric"};
    std::int32_t number = 0;
    const auto [end, error] = std::from_chars(answer.data(), answer.data() + answer.size(), number);
    if (error != std::errc() || end != answer.data() + answer.size())
        return Error{"line number " + std::string(answer) + " is too large"};
    const int line = number - 1;
    if (line < 0 || line > lineCount - 1)
        return Error{"invalid line number"};
    return line;
}

} // namespace norvane
