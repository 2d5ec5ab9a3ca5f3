#pragma once

#include <string>
#include <string_view>

namespace norvane {

// A decimal number as digits, the form every display, binary and packed field
// converts through: no floating point, so no digit is ever rounded.
struct DecimalNumber {
    bool negative = false;
    std::string integer;  // digits, most significant first; may be empty
    std::string decimals; // digits after the point; may be empty

    // Without leading zeros of the integer part and trailing zeros of the
    // decimals; minus zero becomes zero.
    [[nodiscard]] DecimalNumber normalized() const;
    [[nodiscard]] bool isZero() const;

    friend bool operator==(const DecimalNumber &, const DecimalNumber &) = default;
};

// Reads the number in a text the loose way the grid's text and typed values
// are read: digits count, a "." starts the decimals, a "-" anywhere or a
// trailing "CR" or "DB" makes the value negative, and every other character
// is passed over.
[[nodiscard]] DecimalNumber ParseLooseNumber(std::string_view text);

} // namespace norvane
