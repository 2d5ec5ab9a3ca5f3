#pragma once

#include "common/core/Result.h"

#include <string>
#include <string_view>

namespace norvane {

// Converts packed-decimal (COMP-3) fields between their bytes and the text the
// data grid shows: two digits a byte, the last byte's low nibble the sign
// (C positive, D negative, F unsigned).
//
// Text is read as an optional sign ("+" or "-", first or last), digits and at
// most one "."; bytes are shown as every stored digit (leading zeros kept),
// the point where the picture's "V" puts it, and the sign last for a signed
// picture: 12 34 5C with S9(3)V99 reads 123.45+.

// The facts of a packed picture. The digit count is raised to an odd number,
// so that digits and sign nibble fill whole bytes: S9(4) has 5 digit places;
// the picture's own count stays in declaredDigits, the most a value may use.
struct PackedPic {
    bool isSigned = false;
    int digits = 0;
    int declaredDigits = 0;
    bool hasV = false;
    int decimals = 0;

    [[nodiscard]] int byteCount() const { return digits / 2 + 1; }
};

// The most digits a packed picture may have, as many as GnuCOBOL allows.
inline constexpr int MaxPackedDigits = 38;

// The picture's facts, or "Invalid Pic" (see parseCodecPicture for the rules).
[[nodiscard]] Result<PackedPic> ParsePackedPic(std::string_view picture);

// The packed bytes of the text, byteCount() of them, or the reason the text
// cannot be stored in the picture: "Invalid Value" (two points),
// "Too many decimal places", "Invalid value" (a character other than a digit,
// more digits than the digit places, or a value beyond the picture's digits),
// or "Negative value for unsigned PIC". The empty text stands for zero.
// Leading zeros are welcome while there is room for them, so the text of a
// field of the picture's own size stores back to the same bytes (a signed
// picture's F sign becoming C) whenever its value is within the picture.
[[nodiscard]] Result<std::string> TextToPacked(std::string_view text, std::string_view picture);
// The same with a picture parsed once, for callers converting many fields.
[[nodiscard]] Result<std::string> TextToPacked(std::string_view text, const PackedPic &picture);

// The text of the packed bytes, or "Invalid packed decimal" when a digit
// nibble is not a decimal digit or the sign nibble is not C, D or F, and
// "Pack Decimal longer than PIC" when an unsigned picture meets a C or D sign.
// The number of bytes is the field's size in the record, which may differ from
// the picture's; every stored digit is shown. A signed picture whose bytes
// carry the F nibble reads as a positive value without a sign character.
[[nodiscard]] Result<std::string> PackedToText(std::string_view bytes, std::string_view picture);
[[nodiscard]] Result<std::string> PackedToText(std::string_view bytes, const PackedPic &picture);

} // namespace norvane
