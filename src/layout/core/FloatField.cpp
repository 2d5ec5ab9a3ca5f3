#include "layout/core/FloatField.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace norvane {

namespace {

// The bytes as an unsigned integer, first byte most significant when big-endian.
std::uint64_t toInteger(std::string_view bytes, ByteOrder order)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::size_t at = order == ByteOrder::BigEndian ? i : bytes.size() - 1 - i;
        value = value << 8 | static_cast<unsigned char>(bytes[at]);
    }
    return value;
}

std::string toBytes(std::uint64_t value, std::size_t size, ByteOrder order)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        const std::size_t at = order == ByteOrder::BigEndian ? size - 1 - i : i;
        bytes[at] = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
    return bytes;
}

template <typename T>
std::string shortest(T value)
{
    char buffer[64];
    const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}

// The IBM float's value: sign, 7-bit excess-64 exponent of 16, and a fraction
// of 24 or 56 bits below the point. Long double holds a long one exactly on
// the systems this runs on.
long double ibmValue(std::uint64_t bits, std::size_t size)
{
    const int fractionBits = size == 4 ? 24 : 56;
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << fractionBits) - 1);
    const int exponent = static_cast<int>((bits >> fractionBits) & 0x7F) - 64;
    const bool negative = ((bits >> (fractionBits + 7)) & 1) != 0;
    const long double value = std::ldexp(static_cast<long double>(fraction), 4 * exponent - fractionBits);
    return negative ? -value : value;
}

// The normalized IBM float nearest the value; nothing when it is too large.
std::optional<std::uint64_t> ibmBits(long double value, std::size_t size)
{
    const int fractionBits = size == 4 ? 24 : 56;
    const std::uint64_t sign = std::signbit(value) ? std::uint64_t{1} << (fractionBits + 7) : 0;
    long double magnitude = std::fabs(value);
    if (magnitude == 0)
        return sign;
    if (!std::isfinite(magnitude))
        return std::nullopt;
    int binaryExponent = 0;
    (void)std::frexp(magnitude, &binaryExponent); // magnitude = m * 2^e, 0.5 <= m < 1
    int exponent = binaryExponent >= 0 ? (binaryExponent + 3) / 4 : -((-binaryExponent) / 4);
    // Make the fraction fall in [1/16, 1).
    while (std::ldexp(magnitude, -4 * exponent) >= 1)
        ++exponent;
    while (std::ldexp(magnitude, -4 * exponent) < 1.0L / 16)
        --exponent;
    long double scaled = std::nearbyint(std::ldexp(magnitude, fractionBits - 4 * exponent));
    auto fraction = static_cast<std::uint64_t>(scaled);
    if (fraction >> fractionBits != 0) { // rounding carried into a new hex digit
        fraction >>= 4;
        ++exponent;
    }
    if (exponent + 64 > 127)
        return std::nullopt;
    while (exponent + 64 < 0 && fraction != 0) { // below the smallest: unnormalized, then zero
        fraction >>= 4;
        ++exponent;
    }
    if (fraction == 0)
        return sign;
    return sign | static_cast<std::uint64_t>(exponent + 64) << fractionBits | fraction;
}

// Roughly the power of ten of the number's first significant digit: enough to
// tell a number too large for a type from one too small.
long long decimalMagnitude(std::string_view text)
{
    long long integerDigits = 0;
    long long digits = 0;
    long long firstSignificant = -1; // index among the digits
    bool point = false;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        const char c = text[i];
        if (c == '.') {
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (firstSignificant < 0 && c != '0')
                firstSignificant = digits;
            ++digits;
            if (!point)
                ++integerDigits;
        }
    }
    long long exponent = 0;
    if (i + 1 < text.size()) {
        const std::size_t from = i + 1 + (text[i + 1] == '+' ? 1 : 0);
        std::from_chars(text.data() + from, text.data() + text.size(), exponent);
    }
    return firstSignificant < 0 ? -1 : integerDigits - 1 - firstSignificant + exponent;
}

template <typename T>
std::optional<T> parseNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return T{0};
    T value{};
    const std::from_chars_result read = std::from_chars(text.data(), text.data() + text.size(), value);
    if (read.ec == std::errc::invalid_argument || read.ptr != text.data() + text.size())
        return std::nullopt;
    if (read.ec == std::errc::result_out_of_range) {
        // Too small rounds to zero; too large is refused by the caller.
        return decimalMagnitude(text) > 0 ? std::numeric_limits<T>::infinity() : T{0};
    }
    return value;
}

const Error &invalidValue()
{
    static const Error error{"Invalid value"};
    return error;
}

const Error &tooLarge()
{
    static const Error error{"Value too large for field"};
    return error;
}

bool isNanOrInfinityText(std::string_view text)
{
    for (const std::string_view word : {"inf", "-inf", "+inf", "nan", "-nan", "+nan"}) {
        if (text == word)
            return true;
    }
    return false;
}

} // namespace

std::string FloatToText(std::string_view bytes, FloatFormat format, ByteOrder order)
{
    const std::uint64_t bits = toInteger(bytes, order);
    if (format == FloatFormat::Ieee) {
        if (bytes.size() == 4)
            return shortest(std::bit_cast<float>(static_cast<std::uint32_t>(bits)));
        return shortest(std::bit_cast<double>(bits));
    }
    const long double value = ibmValue(bits, bytes.size());
    // The fewest significant digits that read back to the same value.
    const int most = bytes.size() == 4 ? 9 : 17;
    char buffer[64];
    for (int precision = 1; precision <= most; ++precision) {
        const std::to_chars_result written =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
        const std::string text(buffer, written.ptr);
        const std::optional<long double> read = parseNumber<long double>(text);
        if (read && ibmBits(*read, bytes.size()) == ibmBits(value, bytes.size()))
            return text;
    }
    return shortest(value);
}

Result<std::string> TextToFloat(std::string_view text, std::size_t size, FloatFormat format, ByteOrder order)
{
    if (size != 4 && size != 8)
        return Error{"A floating-point field must be 4 or 8 bytes"};
    if (format == FloatFormat::Ieee) {
        if (isNanOrInfinityText(text)) {
            // Written as the standard NaN or infinity of the format.
            const bool negative = text.front() == '-';
            const bool nan = text.back() == 'n';
            if (size == 4) {
                const float v = nan ? std::numeric_limits<float>::quiet_NaN() : std::numeric_limits<float>::infinity();
                return toBytes(std::bit_cast<std::uint32_t>(negative ? -v : v), 4, order);
            }
            const double v = nan ? std::numeric_limits<double>::quiet_NaN() : std::numeric_limits<double>::infinity();
            return toBytes(std::bit_cast<std::uint64_t>(negative ? -v : v), 8, order);
        }
        if (size == 4) {
            const std::optional<float> value = parseNumber<float>(text);
            if (!value)
                return invalidValue();
            if (std::isinf(*value))
                return tooLarge();
            return toBytes(std::bit_cast<std::uint32_t>(*value), 4, order);
        }
        const std::optional<double> value = parseNumber<double>(text);
        if (!value)
            return invalidValue();
        if (std::isinf(*value))
            return tooLarge();
        return toBytes(std::bit_cast<std::uint64_t>(*value), 8, order);
    }
    if (isNanOrInfinityText(text))
        return Error{"IBM floating point has no " + std::string(text)};
    const std::optional<long double> value = parseNumber<long double>(text);
    if (!value)
        return invalidValue();
    const std::optional<std::uint64_t> bits = ibmBits(*value, size);
    if (!bits)
        return tooLarge();
    return toBytes(*bits, size, order);
}

bool IsPlainFloat(std::string_view bytes, FloatFormat format, ByteOrder order)
{
    if (bytes.size() != 4 && bytes.size() != 8)
        return false;
    const std::uint64_t bits = toInteger(bytes, order);
    if (format == FloatFormat::Ieee) {
        return bytes.size() == 4 ? std::isfinite(std::bit_cast<float>(static_cast<std::uint32_t>(bits)))
                                 : std::isfinite(std::bit_cast<double>(bits));
    }
    return ibmBits(ibmValue(bits, bytes.size()), bytes.size()) == bits;
}

} // namespace norvane
