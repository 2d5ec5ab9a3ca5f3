#pragma once

// The number a cell's text stands for, as the codecs read it: digits, at most
// one point, a minus sign anywhere; other characters are passed over. Two
// texts of one number give equal values, so a check can tell whether stored
// bytes still hold the number that was typed.

#include <string>
#include <string_view>

namespace norvane::fuzz {

struct NumberText {
    bool negative = false;
    std::string integer;  // without leading zeros
    std::string decimals; // without trailing zeros

    friend bool operator==(const NumberText &, const NumberText &) = default;

    [[nodiscard]] std::string text() const
    {
        return (negative ? "-" : "") + (integer.empty() ? std::string("0") : integer) +
               (decimals.empty() ? std::string() : "." + decimals);
    }

    // The integer the number is when scaled by 10 to the power of places
    // (places at least the number of decimals), without leading zeros.
    [[nodiscard]] std::string scaled(std::size_t places) const
    {
        std::string digits = integer + decimals + std::string(places - decimals.size(), '0');
        digits.erase(0, digits.find_first_not_of('0') == std::string::npos ? digits.size() : digits.find_first_not_of('0'));
        return digits;
    }
};

inline NumberText numberOf(std::string_view text)
{
    NumberText n;
    bool point = false;
    for (const char c : text) {
        if (c == '-')
            n.negative = true;
        else if (c == '.')
            point = true;
        else if (c >= '0' && c <= '9' && point)
            n.decimals += c;
        else if (c >= '0' && c <= '9' && (!n.integer.empty() || c != '0'))
            n.integer += c;
    }
    while (!n.decimals.empty() && n.decimals.back() == '0')
        n.decimals.pop_back();
    if (n.integer.empty() && n.decimals.empty())
        n.negative = false;
    return n;
}

} // namespace norvane::fuzz
