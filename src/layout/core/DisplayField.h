#pragma once

#include "layout/core/DecimalNumber.h"
#include "layout/core/NumericPicture.h"

#include <optional>
#include <string>
#include <string_view>

namespace norvane {

// The characters that stand for the digits 0 to 9 in the sign position of a
// negative signed display field: "p" is 0, "y" is 9.
inline constexpr std::string_view NegativeDigits = "pqrstuvwxy";

// Which way a display field is converted: the grid's text into the bytes of the
// file (File), or the file's bytes into the text the grid shows (Grid).
enum class FieldMode { File = 0, Grid = 1 };

// Where a signed zoned field carries its sign (SIGN IS LEADING or TRAILING):
// in its first or last digit, or, SIGN SEPARATE, in a "+" or "-" character
// of its own before or after the digits.
enum class SignPosition { Trailing, Leading };

// What a display item's entry says beside its picture.
struct DisplayOptions {
    SignPosition signPosition = SignPosition::Trailing;
    bool signSeparate = false;
    bool blankWhenZero = false;
};

// What the display codec needs from a picture, worked out once so that a
// column of many records is converted without reading its picture again.
struct DisplayPicture {
    bool alphanumeric = false; // the picture holds X, A or N: text, padded with spaces
    // The numeric or edited picture; nothing for one the editor cannot read.
    std::optional<NumericPicture> numeric;
    DisplayOptions options;

    [[nodiscard]] bool edited() const { return numeric && numeric->edited(); }
    // Zoned: digits only, a sign carried in one of them (9, S, V, P).
    [[nodiscard]] bool zoned() const { return numeric && !numeric->edited(); }
    // A zoned field whose sign is a character of its own.
    [[nodiscard]] bool separateSign() const { return zoned() && numeric->hasS() && options.signSeparate; }
    // The index of the digit that carries a zoned field's sign in a field of
    // size bytes; npos when no digit carries one (unsigned, SIGN SEPARATE,
    // not zoned).
    [[nodiscard]] std::size_t signDigitIndex(std::size_t size) const;
};

// Reads a display picture (in either letter case).
[[nodiscard]] DisplayPicture AnalyzeDisplayPicture(std::string_view picture, DisplayOptions options = {});

// The text of a display field. An alphanumeric picture gives the value padded
// with spaces to the length (never cut); any other picture is numeric editing
// (FormatNumeric). In File mode the length is the field's size in bytes; in
// Grid mode it is the width the caller wants.
[[nodiscard]] std::string FormatField(std::string_view value, std::string_view picture, int length, FieldMode mode);
[[nodiscard]] std::string FormatField(std::string_view value, const DisplayPicture &picture, int length,
                                      FieldMode mode);

// Numeric editing, both ways.
// Zoned pictures: Grid reads the stored digits (a NegativeDigits character
// for a signed picture, or a "-", makes the value negative) and shows the
// value with its sign first for an "S" picture, the point where V puts it and
// the zeros P stands for; File writes the typed value's digits in the stored
// places, the sign carried in the last (or, SIGN LEADING, the first) digit.
// Edited pictures: File writes what a COBOL MOVE of the typed value writes
// (a text already in the picture's edited form stays as it is); Grid shows
// the field's characters as they stand when they are such a MOVE's result,
// and otherwise the value their digits stand for, edited. Digits that find
// no place are dropped; callers that must not lose any compare the result.
[[nodiscard]] std::string FormatNumeric(std::string_view value, std::string_view picture, int length, FieldMode mode);
[[nodiscard]] std::string FormatNumeric(std::string_view value, const DisplayPicture &picture, int length,
                                        FieldMode mode);

// The value a display field's bytes hold when they are exactly what a COBOL
// program writes for it: for a zoned picture, digits with the sign (if the
// picture has one) carried in its sign digit; for an edited picture, a MOVE's
// result. Nothing for any other bytes (spaces, letters, a misplaced sign).
[[nodiscard]] std::optional<DecimalNumber> ReadDisplayNumber(std::string_view bytes, const DisplayPicture &picture);

// A typed value for a numeric display field: digits, a point, a sign ("-"
// anywhere, "CR" or "DB" at the end) and, for a signed zoned picture, a
// NegativeDigits character read as its digit and a minus sign.
[[nodiscard]] DecimalNumber ParseTypedNumber(std::string_view text, const DisplayPicture &picture);

// The bytes of a display field holding the value, or nothing when the value
// has more digits than the picture holds, a digit where a P stands, or a sign
// the picture cannot write.
[[nodiscard]] std::optional<std::string> WriteDisplayNumber(const DecimalNumber &value, const DisplayPicture &picture);

} // namespace norvane
