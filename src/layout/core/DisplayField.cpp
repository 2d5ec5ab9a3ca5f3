#include "layout/core/DisplayField.h"

#include <algorithm>

namespace norvane {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool holdsText(std::string_view picture)
{
    return std::any_of(picture.begin(), picture.end(), [](char c) {
        const char u = static_cast<char>(c & ~0x20);
        return u == 'X' || u == 'A' || u == 'N';
    });
}

// The index of the digit that carries a zoned field's sign.
std::size_t signIndex(std::size_t size, const DisplayOptions &options)
{
    return options.signPosition == SignPosition::Leading ? 0 : size - 1;
}

// A SIGN SEPARATE field's bytes: the sign character before or after the digits.
std::string withSeparateSign(std::string digits, bool negative, const DisplayOptions &options)
{
    const char sign = negative ? '-' : '+';
    if (options.signPosition == SignPosition::Leading)
        digits.insert(digits.begin(), sign);
    else
        digits.push_back(sign);
    return digits;
}

// A zoned field's stored digits read loosely, as the grid's text or a padded
// binary number: digits in order, a NegativeDigits character of a signed
// picture read as its digit, a "-" anywhere making the value negative.
struct LooseDigits {
    std::string digits;
    bool negative = false;
};

LooseDigits looseDigits(std::string_view value, bool signedPicture)
{
    LooseDigits d;
    for (const char c : value) {
        if (isDigit(c)) {
            d.digits += c;
        } else if (c == '-') {
            d.negative = true;
        } else if (signedPicture) {
            const std::size_t at = NegativeDigits.find(c);
            if (at != std::string_view::npos) {
                d.digits += static_cast<char>('0' + at);
                d.negative = true;
            }
        }
    }
    return d;
}

// A typed value for a zoned field: ParseLooseNumber, and for a signed picture
// a NegativeDigits character read as its digit and a minus sign.
DecimalNumber typedZonedNumber(std::string_view value, bool signedPicture)
{
    if (!signedPicture || value.find_first_of(NegativeDigits) == std::string_view::npos)
        return ParseLooseNumber(value);
    DecimalNumber n;
    bool point = false;
    for (const char c : value) {
        const std::size_t negativeDigit = NegativeDigits.find(c);
        if (isDigit(c) || negativeDigit != std::string_view::npos) {
            (point ? n.decimals : n.integer) += isDigit(c) ? c : static_cast<char>('0' + negativeDigit);
            n.negative = n.negative || !isDigit(c);
        } else if (c == '.') {
            point = true;
        } else if (c == '-') {
            n.negative = true;
        }
    }
    return n;
}

// The grid's text of a zoned value: the sign first for an "S" picture, every
// integer place (more when the digits are more), the point and the decimals.
std::string zonedText(const NumericPicture &pic, const LooseDigits &read)
{
    const auto storedDecimals = static_cast<std::size_t>(pic.storedDecimals());
    const std::size_t decimalsRead = std::min(read.digits.size(), storedDecimals);
    std::string integer = read.digits.substr(0, read.digits.size() - decimalsRead);
    std::string decimals(storedDecimals - decimalsRead, '0');
    decimals += read.digits.substr(read.digits.size() - decimalsRead);
    // P places: zeros after the stored integer digits, or before the decimals.
    const int storedIntegers = pic.storedDigits() - pic.storedDecimals();
    integer.append(static_cast<std::size_t>(pic.integerPlaces() - storedIntegers), '0');
    decimals.insert(0, static_cast<std::size_t>(pic.decimalPlaces() - pic.storedDecimals()), '0');
    const auto integerPlaces = static_cast<std::size_t>(pic.integerPlaces());
    if (integer.size() < integerPlaces)
        integer.insert(0, integerPlaces - integer.size(), '0');

    std::string text;
    text.reserve(integer.size() + decimals.size() + 2);
    if (pic.hasS())
        text += read.negative ? '-' : '+';
    text += integer;
    if (pic.hasV() || pic.hasPoint() || !decimals.empty()) {
        text += '.';
        text += decimals;
    }
    return text;
}

// The zoned bytes of the value's digits, the sign carried in the sign digit of
// a negative value of an "S" picture.
std::string zonedBytes(std::string stored, bool negative, const NumericPicture &pic, const DisplayOptions &options)
{
    if (pic.hasS() && options.signSeparate)
        return withSeparateSign(std::move(stored), negative, options);
    if (negative && pic.hasS() && !stored.empty()) {
        char &digit = stored[signIndex(stored.size(), options)];
        digit = NegativeDigits[static_cast<std::size_t>(digit - '0')];
    }
    return stored;
}

} // namespace

std::size_t DisplayPicture::signDigitIndex(std::size_t size) const
{
    if (!zoned() || !numeric->hasS() || options.signSeparate || size == 0)
        return std::string::npos;
    return signIndex(size, options);
}

DisplayPicture AnalyzeDisplayPicture(std::string_view picture, DisplayOptions options)
{
    DisplayPicture pic;
    pic.options = options;
    pic.alphanumeric = holdsText(picture);
    if (!pic.alphanumeric)
        pic.numeric = NumericPicture::parse(picture);
    return pic;
}

std::string FormatField(std::string_view value, std::string_view picture, int length, FieldMode mode)
{
    return FormatField(value, AnalyzeDisplayPicture(picture), length, mode);
}

std::string FormatField(std::string_view value, const DisplayPicture &picture, int length, FieldMode mode)
{
    if (!picture.alphanumeric)
        return FormatNumeric(value, picture, length, mode);
    std::string text(value);
    if (length > 0 && text.size() < static_cast<std::size_t>(length))
        text.resize(static_cast<std::size_t>(length), ' ');
    return text;
}

std::string FormatNumeric(std::string_view value, std::string_view picture, int length, FieldMode mode)
{
    return FormatNumeric(value, AnalyzeDisplayPicture(picture), length, mode);
}

std::string FormatNumeric(std::string_view value, const DisplayPicture &picture, int length, FieldMode mode)
{
    if (!picture.numeric) {
        // A picture we cannot read: the text as it is, a field's bytes padded.
        std::string text(value);
        if (mode == FieldMode::File && length > 0 && text.size() < static_cast<std::size_t>(length))
            text.resize(static_cast<std::size_t>(length), ' ');
        return text;
    }
    const NumericPicture &pic = *picture.numeric;
    const bool blankWhenZero = picture.options.blankWhenZero;

    if (!pic.edited()) {
        if (mode == FieldMode::Grid)
            return zonedText(pic, looseDigits(value, pic.hasS()));
        const DecimalNumber typed = typedZonedNumber(value, pic.hasS());
        return zonedBytes(pic.place(typed).stored, typed.negative, pic, picture.options);
    }

    // Edited: a text in the picture's own form is the value it shows. As
    // COBOL's DISPLAY does, the grid shows an edited item's characters even
    // where a V or P keeps the point or some digits out of them (PIC V90
    // holding .5 shows "50"): the characters are what the file holds, and
    // only they tell every stored value from bytes that are not one.
    if (pic.deEdit(value, blankWhenZero))
        return std::string(value);
    if (mode == FieldMode::Grid && value.size() == static_cast<std::size_t>(pic.width())) {
        // The field's characters, not a MOVE's result: the number their digit
        // places hold, edited.
        return pic.edit(pic.readPlaces(value), blankWhenZero);
    }
    (void)length;
    return pic.edit(ParseLooseNumber(value), blankWhenZero);
}

std::optional<DecimalNumber> ReadDisplayNumber(std::string_view bytes, const DisplayPicture &picture)
{
    if (!picture.numeric)
        return std::nullopt;
    const NumericPicture &pic = *picture.numeric;
    if (pic.edited())
        return pic.deEdit(bytes, picture.options.blankWhenZero);
    if (picture.separateSign()) {
        if (bytes.size() != static_cast<std::size_t>(pic.storedDigits()) + 1)
            return std::nullopt;
        const bool leading = picture.options.signPosition == SignPosition::Leading;
        const char sign = leading ? bytes.front() : bytes.back();
        const std::string_view digits = leading ? bytes.substr(1) : bytes.substr(0, bytes.size() - 1);
        if ((sign != '+' && sign != '-') || digits.empty() || !std::all_of(digits.begin(), digits.end(), isDigit))
            return std::nullopt;
        return pic.valueOf(digits, sign == '-');
    }
    if (bytes.size() != static_cast<std::size_t>(pic.storedDigits()) || bytes.empty())
        return std::nullopt;
    std::string stored(bytes);
    bool negative = false;
    if (pic.hasS()) {
        char &sign = stored[signIndex(stored.size(), picture.options)];
        const std::size_t at = NegativeDigits.find(sign);
        if (at != std::string_view::npos) {
            sign = static_cast<char>('0' + at);
            negative = true;
        }
    }
    if (!std::all_of(stored.begin(), stored.end(), isDigit))
        return std::nullopt;
    return pic.valueOf(stored, negative);
}

DecimalNumber ParseTypedNumber(std::string_view text, const DisplayPicture &picture)
{
    return typedZonedNumber(text, picture.zoned() && picture.numeric->hasS());
}

std::optional<std::string> WriteDisplayNumber(const DecimalNumber &value, const DisplayPicture &picture)
{
    if (!picture.numeric)
        return std::nullopt;
    const NumericPicture &pic = *picture.numeric;
    if (value.negative && !value.isZero() && !pic.canBeNegative())
        return std::nullopt;
    const NumericPicture::Placed placed = pic.place(value);
    if (!placed.exact)
        return std::nullopt;
    if (pic.edited())
        return pic.edit(value, picture.options.blankWhenZero);
    return zonedBytes(placed.stored, value.negative, pic, picture.options);
}

} // namespace norvane
