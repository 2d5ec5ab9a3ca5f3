#include "layout/core/CompField.h"

#include "layout/core/CodecPicture.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace norvane {

namespace {

constexpr std::size_t MaxCompBytes = 8;

const Error &badSize()
{
    static const Error error{"Binary field must be 1 to 8 bytes"};
    return error;
}

// The scaled integer a text stands for in a picture, checked against the
// picture's digits and sign but not yet against any field size.
Result<std::int64_t> scaledValue(std::string_view text, const CompPic &pic)
{
    std::uint64_t value = 0;
    int significant = 0;
    int typedDecimals = 0;
    bool pointSeen = false;
    int signs = 0;
    std::size_t signAt = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (pointSeen)
                ++typedDecimals;
            if (value == 0 && c == '0')
                continue;
            // No picture holds more than MaxCompDigits, so stop before overflow.
            if (++significant > MaxCompDigits)
                return Error{"Invalid value"};
            value = value * 10 + static_cast<std::uint64_t>(c - '0');
        } else if (c == '+' || c == '-') {
            ++signs;
            signAt = i;
        } else if (c == '.') {
            if (pointSeen)
                return Error{"Invalid Value"};
            pointSeen = true;
        } else if (c != ' ' && c != '$' && c != ',') {
            return Error{"Invalid value"};
        }
    }
    if (signs > 1)
        return Error{"Invalid value"};
    const bool negative = signs == 1 && text[signAt] == '-';
    if (signs == 1) {
        const auto isSpace = [](char c) { return c == ' '; };
        const std::string_view before = text.substr(0, signAt);
        const std::string_view after = text.substr(signAt + 1);
        const bool leading = std::all_of(before.begin(), before.end(), isSpace);
        const bool trailing = std::all_of(after.begin(), after.end(), isSpace);
        if (!leading && !trailing)
            return Error{"Invalid value"};
    }
    if (typedDecimals > pic.decimals)
        return Error{"Too many decimal places"};

    const int scale = pic.decimals - typedDecimals;
    if (value != 0 && significant + scale > MaxCompDigits)
        return Error{"Invalid value"};
    if (value != 0 && !pic.native && significant + scale > pic.digits)
        return Error{"Invalid value"};
    if (negative && !pic.isSigned)
        return Error{"Negative value for unsigned PIC"};
    for (int i = 0; i < scale; ++i)
        value *= 10;
    // At most 18 digits: the magnitude always fits a signed 64-bit integer.
    const auto magnitude = static_cast<std::int64_t>(value);
    return negative ? -magnitude : magnitude;
}

Result<std::int64_t> valueInRange(std::string_view text, std::string_view picture, std::int64_t low,
                                  std::int64_t high)
{
    Result<CompPic> pic = ParseCompPic(picture);
    if (!pic)
        return Error{pic.error()};
    Result<std::int64_t> value = scaledValue(text, pic.value());
    if (value && (value.value() < low || value.value() > high))
        return Error{"Value too large for field"};
    return value;
}

template <typename Int>
Result<Int> textToInt(std::string_view text, std::string_view picture)
{
    Result<std::int64_t> value = valueInRange(text, picture, std::numeric_limits<Int>::min(),
                                              std::numeric_limits<Int>::max());
    if (!value)
        return Error{value.error()};
    return static_cast<Int>(value.value());
}

} // namespace

Result<CompPic> ParseCompPic(std::string_view picture)
{
    Result<CodecPicture> parsed = parseCodecPicture(picture, MaxCompDigits);
    if (!parsed)
        return Error{parsed.error()};
    const CodecPicture &p = parsed.value();
    return CompPic{p.isSigned, p.digits, p.hasV, p.decimals, p.digits + (p.isSigned ? 1 : 0) + (p.hasV ? 1 : 0)};
}

Result<std::int16_t> TextToComp16(std::string_view text, std::string_view picture)
{
    return textToInt<std::int16_t>(text, picture);
}

Result<std::int32_t> TextToComp32(std::string_view text, std::string_view picture)
{
    return textToInt<std::int32_t>(text, picture);
}

Result<std::int64_t> TextToComp64(std::string_view text, std::string_view picture)
{
    return textToInt<std::int64_t>(text, picture);
}

Result<std::string> TextToComp(std::string_view text, std::string_view picture, std::size_t byteCount,
                               ByteOrder order)
{
    Result<CompPic> pic = ParseCompPic(picture);
    if (!pic)
        return Error{pic.error()};
    return TextToComp(text, pic.value(), byteCount, order);
}

Result<std::string> TextToComp(std::string_view text, const CompPic &pic, std::size_t byteCount, ByteOrder order)
{
    if (byteCount < 1 || byteCount > MaxCompBytes)
        return badSize();
    Result<std::int64_t> value = scaledValue(text, pic);
    if (!value)
        return Error{value.error()};

    const unsigned bits = static_cast<unsigned>(8 * byteCount);
    const std::int64_t v = value.value();
    if (bits < 64) {
        const bool fits = pic.isSigned
                              ? v >= -(std::int64_t{1} << (bits - 1)) && v < (std::int64_t{1} << (bits - 1))
                              : v < (std::int64_t{1} << bits);
        if (!fits)
            return Error{"Value too large for field"};
    }
    // Two's complement: the low bytes of the 64-bit pattern are the field.
    auto pattern = static_cast<std::uint64_t>(v);
    std::string bytes(byteCount, '\0');
    for (std::size_t i = 0; i < byteCount; ++i) {
        const std::size_t at = order == ByteOrder::BigEndian ? byteCount - 1 - i : i;
        bytes[at] = static_cast<char>(pattern & 0xFFu);
        pattern >>= 8;
    }
    return bytes;
}

Result<std::string> CompToText(std::string_view bytes, std::string_view picture, ByteOrder order)
{
    Result<CompPic> pic = ParseCompPic(picture);
    if (!pic)
        return Error{pic.error()};
    return CompToText(bytes, pic.value(), order);
}

Result<std::string> CompToText(std::string_view bytes, const CompPic &pic, ByteOrder order)
{
    if (bytes.empty() || bytes.size() > MaxCompBytes)
        return badSize();

    std::uint64_t pattern = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t at = order == ByteOrder::BigEndian ? i : bytes.size() - 1 - i;
        pattern = pattern << 8 | static_cast<unsigned char>(bytes[at]);
    }
    char buffer[24];
    std::to_chars_result written{};
    const unsigned bits = static_cast<unsigned>(8 * bytes.size());
    if (pic.isSigned) {
        // Extend the field's sign bit over the unused high bytes.
        if (bits < 64 && (pattern >> (bits - 1) & 1u))
            pattern |= ~std::uint64_t{0} << bits;
        written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::int64_t>(pattern));
    } else {
        written = std::to_chars(buffer, buffer + sizeof buffer, pattern);
    }
    return std::string(buffer, written.ptr);
}

} // namespace norvane
