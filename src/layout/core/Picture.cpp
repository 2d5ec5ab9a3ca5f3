#include "layout/core/Picture.h"

#include "layout/core/NumericPicture.h"
#include "layout/core/PictureOrder.h"
#include "layout/core/Words.h"

#include <algorithm>

namespace norvane {

namespace {

// The width in bytes of the picture symbol at position i of an upper-cased
// picture, and how many characters the symbol spans (CR and DB span two).
struct Symbol {
    int width = 0;
    std::size_t length = 1;
    bool valid = true;
};

Symbol symbolAt(std::string_view picture, std::size_t i)
{
    const char c = picture[i];
    const char next = i + 1 < picture.size() ? picture[i + 1] : '\0';
    switch (c) {
    case '9': case 'X': case 'A': case 'Z': case '*': case '+': case '-': case '.': case ',': case '$':
    case 'B': case '0': case '/': case 'E':
        return {1, 1, true};
    case 'N': // national: two bytes a character
        return {2, 1, true};
    case 'C':
        return next == 'R' ? Symbol{2, 2, true} : Symbol{0, 1, false};
    case 'D':
        return next == 'B' ? Symbol{2, 2, true} : Symbol{0, 1, false};
    case 'S': case 'V': case 'P':
        return {0, 1, true};
    default:
        return {0, 1, false};
    }
}

// Walks a picture adding up symbol widths; a repeat count repeats the width of
// the symbol before it. strict: a repeat count that is not a number is an error
// (otherwise it counts as 1).
struct Measure {
    std::int64_t width = 0;
    bool isSigned = false;
    std::string message;
};

Result<Measure> measure(std::string_view rawPicture, bool strict)
{
    const std::string picture = ToUpperAscii(rawPicture);
    Measure result;
    std::int64_t previousWidth = 0;
    for (std::size_t i = 0; i < picture.size();) {
        if (picture[i] == '(') {
            const std::size_t close = picture.find(')', i + 1);
            if (close == std::string::npos) {
                result.message = kUnclosedPictureParentheses;
                break;
            }
            Result<std::int64_t> count = ToCount(std::string_view(picture).substr(i + 1, close - i - 1));
            if (!count && strict)
                return Error{count.error()};
            const std::int64_t repeat = count ? count.value() : 1;
            result.width = std::max<std::int64_t>(0, result.width + (repeat - 1) * previousWidth);
            i = close + 1;
            continue;
        }
        const Symbol symbol = symbolAt(picture, i);
        if (!symbol.valid)
            result.message = kInvalidPictureCharacter;
        if (picture[i] == 'S')
            result.isSigned = true;
        result.width += symbol.width;
        previousWidth = symbol.width;
        i += symbol.length;
    }
    return result;
}

} // namespace

Result<FieldSizeResult> FieldSize(std::string_view picture, Usage usage, bool signSeparate)
{
    Result<Measure> measured = measure(picture, true);
    if (!measured)
        return Error{measured.error()};
    const Measure &m = measured.value();
    FieldSizeResult result;
    result.message = m.message;
    switch (usage) {
    case Usage::Display:
        result.bytes = m.width + (signSeparate && m.isSigned ? 1 : 0);
        break;
    case Usage::Binary:
        result.bytes = m.width <= 4 ? 2 : m.width <= 9 ? 4 : 8;
        break;
    case Usage::Packed:
        result.bytes = m.width / 2 + 1;
        break;
    case Usage::Float4:
    case Usage::Float8:
    case Usage::Pointer:
    case Usage::Index:
        result.bytes = FixedUsageSize(usage);
        break;
    }
    return result;
}

std::string PictureComplaint(std::string_view rawPicture)
{
    const std::string picture = ToUpperAscii(rawPicture);
    // The picture's symbols, repeat counts written out (bounded: only their
    // kinds and counts matter here).
    std::string symbols;
    std::int64_t nines = 0;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        const char c = picture[i];
        if (c == '(') {
            const std::size_t close = picture.find(')', i + 1);
            if (close == std::string::npos)
                return std::string(kUnclosedPictureParentheses);
            const Result<std::int64_t> count = ToCount(std::string_view(picture).substr(i + 1, close - i - 1));
            if (count && count.value() == 0)
                return "has a repeat count of 0";
            const std::int64_t repeat = count ? count.value() : 1;
            if (!symbols.empty()) {
                if (symbols.back() == '9' || symbols.back() == 'P')
                    nines += repeat - 1;
                symbols.append(static_cast<std::size_t>(std::min<std::int64_t>(repeat - 1, 64)), symbols.back());
            }
            i = close;
            continue;
        }
        const Symbol symbol = symbolAt(picture, i);
        if (!symbol.valid)
            return std::string(kInvalidPictureCharacter);
        if (c == '9' || c == 'P')
            ++nines;
        symbols += c;
        i += symbol.length - 1;
    }
    const auto count = [&symbols](char c) { return std::count(symbols.begin(), symbols.end(), c); };
    if (count('V') > 1)
        return "has more than one V";
    if (count('S') > 1 || (count('S') == 1 && symbols.front() != 'S'))
        return "has S elsewhere than first";
    // P stands at one end of the digits, never between them.
    std::string withoutSignAndPoint;
    for (const char c : symbols) {
        if (c != 'S' && c != 'V')
            withoutSignAndPoint += c;
    }
    const std::size_t firstP = withoutSignAndPoint.find('P');
    if (firstP != std::string::npos) {
        const std::size_t lastP = withoutSignAndPoint.rfind('P');
        const bool oneRun = withoutSignAndPoint.find_first_not_of('P', firstP) > lastP;
        if (!oneRun || (firstP != 0 && lastP + 1 != withoutSignAndPoint.size()))
            return "has P elsewhere than at one end";
    }
    const bool text = count('X') + count('A') + count('N') > 0;
    const bool edited = symbols.find_first_of("Z*$+-.,B0/CDE") != std::string::npos;
    if (!text && !edited && nines > 38)
        return "has more than 38 digits";
    // Two sign symbols, or two currency signs in a row, make a floating
    // string, which holds digits; a P alone is a digit position too.
    const bool floating = count('+') + count('-') >= 2 || symbols.find("$$") != std::string::npos;
    if (!text && count('9') + count('Z') + count('*') + count('P') == 0 && !floating)
        return "holds no character or digit";
    return SymbolOrderComplaint(symbols);
}

Result<PictureClass> ClassifyPicture(std::string_view rawPicture)
{
    const std::string picture = ToUpperAscii(rawPicture);
    bool edited = false;
    bool alphanumeric = false;
    bool inRepeat = false;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        const char c = picture[i];
        if (c == '(' || c == ')') {
            inRepeat = c == '(';
            continue;
        }
        if (c >= '0' && c <= '9') {
            if (c == '0' && !inRepeat)
                edited = true; // the zero insertion symbol
            continue;
        }
        if (inRepeat)
            return Error{std::string(kInvalidPicClause)};
        const Symbol symbol = symbolAt(picture, i);
        if (!symbol.valid)
            return Error{std::string(kInvalidPicClause)};
        if (c == 'N') // national text, which the editor does not check
            return Error{std::string(kInvalidPicClause)};
        if (c == 'X' || c == 'A')
            alphanumeric = true;
        else if (c != 'S' && c != 'V' && c != 'P')
            edited = true;
        i += symbol.length - 1;
    }
    if (alphanumeric)
        return PictureClass::Alphanumeric;
    return edited ? PictureClass::NumericEdited : PictureClass::Numeric;
}

NumericLimits NumericCapacity(std::string_view rawPicture)
{
    if (const std::optional<NumericPicture> numeric = NumericPicture::parse(rawPicture))
        return {numeric->integerPlaces(), numeric->decimalPlaces(), numeric->canBeNegative()};
    // A picture the editor cannot place digits in: its digit symbols counted.
    const std::string picture = ToUpperAscii(rawPicture);
    NumericLimits limits;
    bool decimalPart = false;
    bool commaSeen = false;
    const auto addDigits = [&](int digits) { (decimalPart ? limits.decimalDigits : limits.integerDigits) += digits; };
    for (std::size_t i = 0; i < picture.size(); ++i) {
        const char c = picture[i];
        switch (c) {
        case 'S':
            limits.isSigned = true;
            break;
        case '+':
        case '-':
            limits.isSigned = true;
            if (commaSeen && !decimalPart)
                ++limits.integerDigits; // a floating sign position
            break;
        case '.':
        case 'V':
            decimalPart = true;
            break;
        case '(': {
            const std::size_t close = picture.find(')', i + 1);
            if (close == std::string::npos)
                return limits;
            Result<std::int64_t> count = ToCount(std::string_view(picture).substr(i + 1, close - i - 1));
            if (count) // bounded so that an absurd count cannot overflow the tally
                addDigits(static_cast<int>(std::min<std::int64_t>(count.value() - 1, 1'000'000)));
            i = close;
            break;
        }
        case '9':
        case 'Z':
            addDigits(1);
            break;
        case '$':
            if (commaSeen && !decimalPart)
                ++limits.integerDigits; // a floating currency position
            break;
        case ',':
            commaSeen = true;
            break;
        default:
            break;
        }
    }
    return limits;
}

int AlphanumericCapacity(std::string_view picture)
{
    Result<Measure> measured = measure(picture, false);
    return measured ? static_cast<int>(std::min<std::int64_t>(measured.value().width, 2147483647)) : 0;
}

int PictureDisplayLength(std::string_view rawPicture)
{
    const std::string picture = ToUpperAscii(rawPicture);
    std::int64_t length = 0;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        const char c = picture[i];
        if (c == '(') {
            const std::size_t close = picture.find(')', i + 1);
            if (close == std::string::npos)
                break;
            Result<std::int64_t> count = ToCount(std::string_view(picture).substr(i + 1, close - i - 1));
            if (count)
                length += count.value() - 1;
            i = close;
        } else if (c != 'Z' && c != 'S' && c != 'V' && c != 'P') {
            const Symbol symbol = symbolAt(picture, i);
            length += symbol.width;
            i += symbol.length - 1;
        }
    }
    return static_cast<int>(std::clamp<std::int64_t>(length, 0, 2147483647));
}

} // namespace norvane
