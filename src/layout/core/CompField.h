#pragma once

#include "common/core/Result.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace norvane {

// Converts binary (COMP) fields between their bytes and the text the data grid
// shows. A field is a two's complement integer for a signed picture and a
// plain unsigned integer otherwise; the picture's "V" is implied, so the
// integer holds the value times ten to the power of the decimal digits.
//
// Text is read as digits with at most one "." and one sign ("+" or "-", at the
// start or the end); spaces, "$" and "," are passed over. Bytes are shown as
// the decimal integer they hold, "-" first when negative, without a point.

// Which byte of a binary field comes first in the data file.
enum class ByteOrder { BigEndian, LittleEndian };

// The order the setting "target system for data files is big endian" names.
[[nodiscard]] constexpr ByteOrder byteOrderFor(bool bigEndian)
{
    return bigEndian ? ByteOrder::BigEndian : ByteOrder::LittleEndian;
}

// The facts of a binary picture. The width is the grid text's length:
// digits, plus one for a sign, plus one for a point.
struct CompPic {
    bool isSigned = false;
    int digits = 0;
    bool hasV = false;
    int decimals = 0;
    int width = 0;
    // No picture limits the digits, only the field's bytes: a usage that
    // fixes its own size (BINARY-LONG ...), or a value read back as it was.
    bool native = false;

    // The field's size: 2 bytes up to 4 digits, 4 up to 9, 8 up to 18.
    [[nodiscard]] int byteCount() const { return digits <= 4 ? 2 : digits <= 9 ? 4 : 8; }
};

// The most digits a binary picture may have: what 8 bytes always hold.
inline constexpr int MaxCompDigits = 18;

// The picture's facts, or "Invalid Pic" (see parseCodecPicture for the rules).
[[nodiscard]] Result<CompPic> ParseCompPic(std::string_view picture);

// The integer the text stands for in the picture, checked to fit a field of
// 16, 32 or 64 bits. The empty text, and a text without digits, stand for 0.
// Fails with "Invalid Pic", "Invalid Value" (two points), "Too many decimal
// places", "Invalid value" (another character, a misplaced or second sign, or
// more digits than the picture holds), "Negative value for unsigned PIC" or
// "Value too large for field".
[[nodiscard]] Result<std::int16_t> TextToComp16(std::string_view text, std::string_view picture);
[[nodiscard]] Result<std::int32_t> TextToComp32(std::string_view text, std::string_view picture);
[[nodiscard]] Result<std::int64_t> TextToComp64(std::string_view text, std::string_view picture);

// The bytes of a field of byteCount bytes (1 to 8) holding the text, in the
// given order, with the messages of TextToComp16 and "Binary field must be 1
// to 8 bytes". A value the field's bytes cannot hold is refused, never cut.
[[nodiscard]] Result<std::string> TextToComp(std::string_view text, std::string_view picture,
                                             std::size_t byteCount, ByteOrder order);
// The same with a picture parsed once, for callers converting many fields.
[[nodiscard]] Result<std::string> TextToComp(std::string_view text, const CompPic &picture,
                                             std::size_t byteCount, ByteOrder order);

// The decimal integer text of the field's bytes (1 to 8 of them) in the given
// order: two's complement for a signed picture, unsigned otherwise. Fails with
// "Invalid Pic" or "Binary field must be 1 to 8 bytes".
[[nodiscard]] Result<std::string> CompToText(std::string_view bytes, std::string_view picture, ByteOrder order);
[[nodiscard]] Result<std::string> CompToText(std::string_view bytes, const CompPic &picture, ByteOrder order);

} // namespace norvane
