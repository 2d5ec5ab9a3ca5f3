#include "layout/core/PackDec.h"

#include "layout/core/CodecPicture.h"

#include <cstdint>

namespace norvane {

namespace {

constexpr unsigned char PositiveNibble = 0xC;
constexpr unsigned char NegativeNibble = 0xD;
constexpr unsigned char UnsignedNibble = 0xF;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

Result<PackedPic> ParsePackedPic(std::string_view picture)
{
    Result<CodecPicture> parsed = parseCodecPicture(picture, MaxPackedDigits);
    if (!parsed)
        return Error{parsed.error()};
    const CodecPicture &p = parsed.value();
    PackedPic pic{p.isSigned, p.digits, p.digits, p.hasV, p.decimals};
    if (pic.digits % 2 == 0)
        ++pic.digits;
    return pic;
}

Result<std::string> TextToPacked(std::string_view text, std::string_view picture)
{
    Result<PackedPic> parsed = ParsePackedPic(picture);
    if (!parsed)
        return Error{parsed.error()};
    return TextToPacked(text, parsed.value());
}

Result<std::string> TextToPacked(std::string_view text, const PackedPic &pic)
{

    char sign = '\0';
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        sign = text.front();
        text.remove_prefix(1);
    } else if (!text.empty() && (text.back() == '+' || text.back() == '-')) {
        sign = text.back();
        text.remove_suffix(1);
    }

    int typedDecimals = 0;
    bool pointSeen = false;
    for (std::size_t i = text.size(); i-- > 0;) {
        if (text[i] != '.')
            continue;
        if (pointSeen)
            return Error{"Invalid Value"};
        pointSeen = true;
        typedDecimals = static_cast<int>(text.size() - i - 1);
    }
    if (typedDecimals > pic.decimals)
        return Error{"Too many decimal places"};

    // Right-align the typed digits on the picture's point: decimals the text
    // lacks and integer places it leaves empty are zeros.
    std::string digits(static_cast<std::size_t>(pic.digits), '0');
    std::size_t place = digits.size() - static_cast<std::size_t>(pic.decimals - typedDecimals);
    for (std::size_t i = text.size(); i-- > 0;) {
        const char c = text[i];
        if (c == '.')
            continue;
        if (!isDigit(c) || place == 0)
            return Error{"Invalid value"};
        digits[--place] = c;
    }
    // The place added to fill the last byte is not part of the picture: a
    // value reaching into it would not fit the field as the program sees it.
    const auto padPlaces = static_cast<std::size_t>(pic.digits - pic.declaredDigits);
    if (digits.find_first_not_of('0') < padPlaces)
        return Error{"Invalid value"};
    // Dropping the sign would store a different value.
    if (!pic.isSigned && sign == '-')
        return Error{"Negative value for unsigned PIC"};

    const unsigned char signNibble = !pic.isSigned ? UnsignedNibble
                                     : sign == '-' ? NegativeNibble
                                                   : PositiveNibble;
    std::string bytes(static_cast<std::size_t>(pic.byteCount()), '\0');
    for (std::size_t b = 0; b < bytes.size(); ++b) {
        const unsigned high = static_cast<unsigned>(digits[2 * b] - '0');
        const unsigned low = b + 1 < bytes.size() ? static_cast<unsigned>(digits[2 * b + 1] - '0') : signNibble;
        bytes[b] = static_cast<char>(high << 4 | low);
    }
    return bytes;
}

Result<std::string> PackedToText(std::string_view bytes, std::string_view picture)
{
    Result<PackedPic> parsed = ParsePackedPic(picture);
    if (!parsed)
        return Error{parsed.error()};
    return PackedToText(bytes, parsed.value());
}

Result<std::string> PackedToText(std::string_view bytes, const PackedPic &pic)
{
    const Error invalid{"Invalid packed decimal"};
    if (bytes.empty())
        return invalid;

    // Only C, D and F are signs; anything else in the last nibble means these
    // bytes are not a packed number.
    const unsigned signNibble = static_cast<std::uint8_t>(bytes.back()) & 0xFu;
    char sign = '\0';
    if (signNibble == NegativeNibble)
        sign = '-';
    else if (signNibble == PositiveNibble)
        sign = '+';
    else if (signNibble != UnsignedNibble)
        return invalid;

    // Leading zeros pad the digits when the bytes hold fewer than the
    // picture's decimals, so the point always has its decimals after it.
    const std::size_t stored = 2 * bytes.size() - 1;
    const auto decimals = static_cast<std::size_t>(pic.decimals);
    const std::size_t shown = stored < decimals ? decimals : stored;
    const std::size_t pointAt = pic.hasV ? shown - decimals : std::string::npos;
    std::string text;
    text.reserve(shown + 2);
    const auto put = [&](unsigned digit) {
        if (text.size() == pointAt)
            text.push_back('.');
        text.push_back(static_cast<char>('0' + digit));
    };
    for (std::size_t i = stored; i < shown; ++i)
        put(0);
    for (std::size_t b = 0; b < bytes.size(); ++b) {
        const auto byte = static_cast<std::uint8_t>(bytes[b]);
        const unsigned high = byte >> 4;
        const unsigned low = byte & 0xFu;
        if (high > 9)
            return invalid;
        put(high);
        if (b + 1 < bytes.size()) {
            if (low > 9)
                return invalid;
            put(low);
        }
    }
    if (sign != '\0' && !pic.isSigned)
        return Error{"Pack Decimal longer than PIC"};
    if (text.size() == pointAt)
        text.push_back('.');
    if (sign != '\0')
        text.push_back(sign);
    return text;
}

} // namespace norvane
