#pragma once

#include "common/core/Result.h"
#include "layout/core/Usage.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace norvane {

// Messages of the picture analysis, worded for the user.
inline constexpr std::string_view kInvalidPictureCharacter = "Invalid character in PIC clause";
inline constexpr std::string_view kUnclosedPictureParentheses = "Unclosed parentheses in PIC clause";
inline constexpr std::string_view kInvalidPicClause = " has invalid PIC clause";

// The bytes of one elementary item, and the complaint about its picture, if any.
// A complaint does not stop the count: the size is what was counted.
struct FieldSizeResult {
    std::int64_t bytes = 0;
    std::string message;
};

// The byte size of one elementary item with picture and usage. Pictures are read
// in any letter case; A, B, 0, /, *, CR, DB and E take their width, S, V and P
// none; SIGN ... SEPARATE adds the sign's byte to a signed display item.
// Binary items take 2 bytes for 1-4 digits, 4 for 5-9 and 8 for 10-18; packed
// items digits/2 + 1. A repeat count that is not a number is an error.
[[nodiscard]] Result<FieldSizeResult> FieldSize(std::string_view picture, Usage usage, bool signSeparate = false);

// Why a compiler rejects a picture, or empty when it takes it: an unclosed
// parenthesis, a symbol that is not a picture symbol, a repeat count of 0, a
// second V, an S that is not first or comes twice, a P between digits, more
// than 38 digits in a number, no character or digit position at all, or
// symbols in an order COBOL does not allow (see SymbolOrderComplaint).
// A repeat count that is not a number is FieldSize's error, not a complaint.
[[nodiscard]] std::string PictureComplaint(std::string_view picture);

// The class by which the data editor checks a value against its picture.
enum class PictureClass { Numeric, NumericEdited, Alphanumeric };

// A picture with X or A is alphanumeric; one with editing symbols ($ . , Z + - B
// 0 / * CR DB E) is numeric-edited; one of 9, S, V and P only is numeric. Any
// other symbol is the error " has invalid PIC clause".
[[nodiscard]] Result<PictureClass> ClassifyPicture(std::string_view picture);

// How many digits a numeric or edited picture holds, and whether it has a sign.
struct NumericLimits {
    int integerDigits = 0;
    int decimalDigits = 0;
    bool isSigned = false;

    friend bool operator==(const NumericLimits &, const NumericLimits &) = default;
};

// Counts the digit places the way the display-field editing places digits:
// 9, Z, * and P count, and every symbol of a floating insertion string ($$$,
// +++, ---) but the first, which is where the currency sign or sign goes.
// Signed: S, a sign symbol, CR or DB.
[[nodiscard]] NumericLimits NumericCapacity(std::string_view picture);

// The characters an alphanumeric picture holds: its width in bytes.
[[nodiscard]] int AlphanumericCapacity(std::string_view picture);

// A picture's width in characters as the data grid sizes it: X, 9, A, $, +, -, .,
// ",", B, 0, /, *, E, CR, DB count; Z, S, V, P do not; a repeat count adds its
// count less one.
[[nodiscard]] int PictureDisplayLength(std::string_view picture);

} // namespace norvane
