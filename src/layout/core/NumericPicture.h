#pragma once

#include "layout/core/DecimalNumber.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// The character positions and digit places of a numeric or numeric-edited
// picture (9 S V P, and Z * $ + - CR DB . , B 0 /), worked out once, with
// COBOL's editing of a value into it (what a MOVE writes) and the reverse.
//
// Digit places are the picture's 9, Z and * positions, every symbol of a
// floating insertion string ($$$, +++, ---) but its first, which is where the
// currency sign or the sign goes, and P, which scales the value without taking
// a character: 9(3)PP holds 12300 in three characters, SVPP99 holds .0001.
class NumericPicture {
public:
    // Nothing for a picture with X, A, N, E or a symbol that is not a picture
    // symbol, an unclosed parenthesis or a repeat count that is not a number.
    [[nodiscard]] static std::optional<NumericPicture> parse(std::string_view picture);

    // Whether editing symbols place the value (else it is a zoned number of
    // 9s with S, V and P).
    [[nodiscard]] bool edited() const { return m_edited; }
    [[nodiscard]] bool hasS() const { return m_hasS; }
    // Whether a negative value can be written: S, a sign symbol, CR or DB.
    [[nodiscard]] bool canBeNegative() const { return m_canBeNegative; }
    [[nodiscard]] bool hasPoint() const { return m_hasPoint; }
    [[nodiscard]] bool hasV() const { return m_hasV; }
    // Characters the picture takes: its bytes as a display item.
    [[nodiscard]] int width() const { return static_cast<int>(m_kinds.size()); }
    // Digit places left and right of the point, P places included.
    [[nodiscard]] int integerPlaces() const { return m_integerPlaces; }
    [[nodiscard]] int decimalPlaces() const { return m_decimalPlaces; }
    // Digits the field stores: its digit places without the P places.
    [[nodiscard]] int storedDigits() const { return static_cast<int>(m_storedSlots); }
    [[nodiscard]] int storedDecimals() const { return m_storedDecimals; }

    // The value's digits for the stored places: the integer part right-aligned,
    // the decimals left-aligned. exact is false when a digit found no place or
    // a P place would need a digit other than 0.
    struct Placed {
        std::string stored;
        bool exact = true;
    };
    [[nodiscard]] Placed place(const DecimalNumber &value) const;
    // The value of stored digits (storedDigits() of them), P places as zeros.
    [[nodiscard]] DecimalNumber valueOf(std::string_view stored, bool negative) const;

    // The characters a MOVE of the value writes into an edited item: digits
    // in their places, zeros suppressed by Z or protected by *, floating
    // symbols just left of the first significant digit, insertion symbols,
    // signs, CR and DB; a zero value with no 9 place blanks the item (or fills
    // it with *). Digits that find no place are dropped, as a MOVE drops them.
    [[nodiscard]] std::string edit(const DecimalNumber &value, bool blankWhenZero = false) const;
    // The value of an edited item's characters when they are exactly what a
    // MOVE of that value writes; nothing otherwise.
    [[nodiscard]] std::optional<DecimalNumber> deEdit(std::string_view text, bool blankWhenZero = false) const;
    // The value the characters at the digit places stand for (anything but a
    // digit there counts as 0), negative when a sign place holds "-", "CR" or
    // "DB": what a MOVE from the edited item would take.
    [[nodiscard]] DecimalNumber readPlaces(std::string_view text) const;

private:
    struct Slot {
        int charIndex = -1; // -1: a P place
        bool decimal = false;
    };

    std::vector<char> m_kinds; // one per character; see NumericPicture.cpp
    std::vector<Slot> m_slots;
    std::size_t m_storedSlots = 0;
    int m_integerPlaces = 0;
    int m_decimalPlaces = 0;
    int m_storedDecimals = 0;
    int m_pointChar = -1; // the character where the decimals begin (a V has none)
    char m_floating = 0;  // '$', '+' or '-' for a floating insertion string
    bool m_edited = false;
    bool m_hasS = false;
    bool m_canBeNegative = false;
    bool m_hasSignSymbol = false; // + or -, fixed or floating
    bool m_hasPoint = false;
    bool m_hasV = false;
    bool m_anyNine = false;
    bool m_checkProtect = false;
};

} // namespace norvane
