#include "layout/core/DisplayField.h"

#include <algorithm>

namespace norvane {

namespace {

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isSignOrDollar(char c)
{
    return c == '$' || c == '+' || c == '-';
}

// The repeat count between "(" and ")"; a count that is not a number repeats
// nothing more, and absurd counts are bounded so that the tallies cannot overflow.
int repeatCount(std::string_view digits)
{
    if (digits.empty())
        return 1;
    long long k = 0;
    for (const char d : digits) {
        if (!isDigit(d))
            return 1;
        k = std::min<long long>(k * 10 + (d - '0'), 1'000'000);
    }
    return static_cast<int>(std::max<long long>(k, 1));
}

// The digits of a value, split at its point, and its sign.
struct ValueDigits {
    std::string integer;
    std::string decimals;
    bool negative = false;
};

ValueDigits analyzeValue(std::string_view value, const DisplayPicture &pic, FieldMode mode)
{
    ValueDigits v;
    std::size_t digitsEnd = value.size();
    // A picture ending in a sign keeps that position for the sign: the file's
    // character there is never a digit of the value, and typed text may end in
    // a sign or a space that takes its place.
    if (pic.endsWithSign && !value.empty()) {
        const char last = value.back();
        if (mode == FieldMode::Grid || last == '-' || last == '+' || last == ' ')
            digitsEnd = value.size() - 1;
    }
    // The file's text of a "V" picture has no point: its last digits are the decimals.
    const bool impliedPoint = mode == FieldMode::Grid && pic.hasV;
    bool pointSeen = false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '-') {
            v.negative = true;
            continue;
        }
        if (i >= digitsEnd)
            continue;
        if (c == '.') {
            if (!impliedPoint)
                pointSeen = true;
            continue;
        }
        char digit = '\0';
        if (isDigit(c)) {
            digit = c;
        } else if (pic.isSigned) {
            const std::size_t at = NegativeDigits.find(c);
            if (at != std::string_view::npos) {
                digit = static_cast<char>('0' + at);
                v.negative = true;
            }
        }
        if (digit != '\0')
            (pointSeen ? v.decimals : v.integer).push_back(digit);
    }
    if (impliedPoint) {
        const std::size_t decimals = std::min(v.integer.size(), static_cast<std::size_t>(pic.decimalPositions));
        v.decimals = v.integer.substr(v.integer.size() - decimals);
        v.integer.resize(v.integer.size() - decimals);
    }
    return v;
}

// The count of "0"s from position first on, stopping before position end.
int leadingZeros(const std::string &text, int first, int end)
{
    int count = 0;
    for (int p = first; p < end && text[static_cast<std::size_t>(p)] == '0'; ++p)
        ++count;
    return count;
}

} // namespace

DisplayPicture AnalyzeDisplayPicture(std::string_view picture)
{
    DisplayPicture pic;
    if (picture.empty())
        return pic;
    const char first = upper(picture.front());
    pic.beginsWithSign = first == '+' || first == '-';
    pic.beginsWithPlus = first == '+';
    pic.beginsWithS = first == 'S';
    pic.endsWithSign = picture.back() == '+' || picture.back() == '-';
    pic.endsWithPlus = picture.back() == '+';

    bool decimalPart = false;
    bool commaSeen = false;
    bool dollarOrSignBefore = false;
    int commas = 0;
    char previous = '\0';
    char lastOutsideRepeat = '\0';
    for (std::size_t i = 0; i < picture.size(); ++i) {
        const char c = upper(picture[i]);
        int &positions = decimalPart ? pic.decimalPositions : pic.integerPositions;
        if (c == '(') {
            const std::size_t close = picture.find(')', i + 1);
            if (close == std::string_view::npos)
                break;
            const int more = repeatCount(picture.substr(i + 1, close - i - 1)) - 1;
            positions += more;
            if (previous == '$') {
                pic.dollarCount += more;
            } else if (previous == '+' || previous == '-') {
                pic.signCount += more;
                if (decimalPart && more > 0)
                    pic.trailingFloatingSign = true;
            } else if (previous == 'Z') {
                (decimalPart ? pic.zDecimalCount : pic.zIntegerCount) += more;
            }
            i = close;
            continue;
        }
        switch (c) {
        case 'X':
        case 'A':
            pic.alphanumeric = true;
            break;
        case '9':
            ++positions;
            break;
        case 'Z':
            ++positions;
            ++(decimalPart ? pic.zDecimalCount : pic.zIntegerCount);
            break;
        case '.':
            decimalPart = true;
            pic.hasPoint = true;
            break;
        case 'V':
            decimalPart = true;
            pic.hasV = true;
            break;
        case 'S':
            pic.isSigned = true;
            break;
        case '+':
        case '-':
            ++pic.signCount;
            if (commaSeen && !decimalPart)
                ++pic.integerPositions; // a floating sign position
            dollarOrSignBefore = true;
            break;
        case '$':
            ++pic.dollarCount;
            if (commaSeen && !decimalPart)
                ++pic.integerPositions; // a floating currency position
            dollarOrSignBefore = true;
            break;
        case ',':
            ++commas;
            commaSeen = true;
            pic.commaPositions.push_back(pic.integerPositions + commas + (dollarOrSignBefore ? 1 : 0));
            break;
        default:
            break;
        }
        previous = c;
        lastOutsideRepeat = c;
    }
    pic.lastSignIsPlus = lastOutsideRepeat == '+';
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

std::string FormatNumeric(std::string_view value, const DisplayPicture &pic, int length, FieldMode mode)
{
    // The grid's text has room for the sign of an "S" picture and the point of a "V".
    const int L = length + (mode == FieldMode::Grid ? (pic.isSigned ? 1 : 0) + (pic.hasV ? 1 : 0) : 0);
    if (L <= 0)
        return {};
    const ValueDigits v = analyzeValue(value, pic, mode);

    // Built from the right; positions below are 0-based indexes into text.
    std::string text(static_cast<std::size_t>(L), ' ');
    int pos = L - 1;
    const auto put = [&](char c) {
        if (pos >= 0)
            text[static_cast<std::size_t>(pos)] = c;
        --pos;
    };

    if (pic.endsWithSign)
        put(v.negative ? '-' : pic.endsWithPlus ? '+' : ' ');
    else if (pic.trailingFloatingSign)
        put(' ');

    for (int i = static_cast<int>(v.decimals.size()); i < pic.decimalPositions; ++i)
        put('0');
    for (auto d = v.decimals.rbegin(); d != v.decimals.rend(); ++d)
        put(*d);
    if ((pic.hasPoint || pic.hasV) && !(mode == FieldMode::File && pic.hasV))
        put('.');

    const int integerEnd = pos; // the last integer position
    for (auto d = v.integer.rbegin(); d != v.integer.rend(); ++d)
        put(*d);
    for (int i = static_cast<int>(v.integer.size()); i < pic.integerPositions; ++i)
        put('0');
    const int firstDigit = std::max(pos + 1, 0);
    int left = firstDigit; // the leftmost position used so far

    // A floating symbol replaces leading zeros, but never the last integer digit.
    const auto floatSymbol = [&](char symbol, int count) {
        const int replace = std::min(leadingZeros(text, firstDigit, integerEnd), std::max(count - 1, 0));
        if (replace > 0) {
            for (int p = firstDigit; p < firstDigit + replace; ++p)
                text[static_cast<std::size_t>(p)] = ' ';
            left = firstDigit + replace - 1;
            text[static_cast<std::size_t>(left)] = symbol;
        } else if (left > 0) {
            text[static_cast<std::size_t>(--left)] = symbol;
        }
    };
    const bool dollar = pic.dollarCount > 0;
    if (dollar)
        floatSymbol('$', pic.dollarCount);
    if (pic.beginsWithSign || (pic.beginsWithS && mode == FieldMode::Grid)) {
        const char sign = v.negative ? '-' : (pic.beginsWithPlus || pic.beginsWithS) ? '+' : ' ';
        if (dollar) {
            if (left > 0)
                text[static_cast<std::size_t>(--left)] = sign;
        } else {
            floatSymbol(sign, pic.signCount);
        }
    }

    // A negative signed field carries its sign in the last digit.
    if (mode == FieldMode::File && v.negative && pic.isSigned && isDigit(text.back()))
        text.back() = NegativeDigits[static_cast<std::size_t>(text.back() - '0')];

    if (pic.zIntegerCount > 0) {
        std::size_t p = text.find_first_not_of(' ');
        if (p != std::string::npos && isSignOrDollar(text[p]))
            ++p;
        for (int n = 0; n < pic.zIntegerCount && p + 1 < text.size() && text[p] == '0'; ++n, ++p)
            text[p] = ' ';
    }
    if (pic.zDecimalCount > 0) {
        std::size_t p = text.find_last_not_of(' ');
        if (p != std::string::npos && p > 0 && (text[p] == '+' || text[p] == '-'))
            --p;
        for (int n = 0; n < pic.zDecimalCount && p != std::string::npos && p > 0 && text[p] == '0'; ++n, --p)
            text[p] = ' ';
    }

    if (pic.trailingFloatingSign) {
        const char sign = v.negative ? '-' : pic.lastSignIsPlus ? '+' : ' ';
        std::size_t p = text.find_last_not_of(' ');
        if (p != std::string::npos) {
            std::size_t at = p;
            bool replaced = false;
            for (int n = 0; n < pic.signCount - 1 && p > 0 && text[p] == '0'; ++n, --p) {
                text[p] = ' ';
                if (!replaced)
                    at = p;
                replaced = true;
            }
            text[at] = sign;
        }
    }

    // Commas, from the last to the first: the digits left of a comma move one
    // place to the left to make room; a short number gets no comma.
    for (auto c = pic.commaPositions.rbegin(); c != pic.commaPositions.rend(); ++c) {
        const int comma = *c; // 1-based
        if (comma < 2 || comma > L)
            continue;
        bool digitMoved = false;
        for (int p = 2; p <= comma; ++p) {
            const char ch = text[static_cast<std::size_t>(p - 1)];
            if (ch == ' ' || (p == comma && isSignOrDollar(ch)))
                continue;
            text[static_cast<std::size_t>(p - 2)] = ch;
            text[static_cast<std::size_t>(p - 1)] = ' ';
            digitMoved = digitMoved || isDigit(ch);
        }
        if (digitMoved && text[static_cast<std::size_t>(comma - 1)] == ' ')
            text[static_cast<std::size_t>(comma - 1)] = ',';
    }
    return text;
}

} // namespace norvane
