#include "layout/core/NumericPicture.h"

#include <algorithm>

namespace norvane {

namespace {

// Kinds of character positions. Digit places: '9', 'Z', '*' and 'F' (a
// floating symbol after the first). 'f' is the first symbol of a floating
// string; '$' a fixed currency sign; '+' and '-' fixed signs; 'c' 'r' the two
// characters of CR, 'd' 'b' those of DB; '.', ',', 'B', '0' and '/' insertions.
constexpr char kFloatingDigit = 'F';
constexpr char kFloatingFirst = 'f';

// No picture a compiler takes comes near this; it only bounds what absurd
// repeat counts could make us allocate.
constexpr std::size_t kLongestPicture = 4096;

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The picture with repeat counts written out, or nothing when a count is not a
// number, a parenthesis is not closed or the result is absurdly long.
std::optional<std::string> expand(std::string_view picture)
{
    std::string out;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        const char c = upper(picture[i]);
        if (c != '(') {
            out += c;
            if (out.size() > kLongestPicture)
                return std::nullopt;
            continue;
        }
        const std::size_t close = picture.find(')', i + 1);
        if (close == std::string_view::npos || out.empty() || close == i + 1 || close - i - 1 > 6)
            return std::nullopt;
        std::size_t count = 0;
        for (std::size_t j = i + 1; j < close; ++j) {
            if (!isDigit(picture[j]))
                return std::nullopt;
            count = count * 10 + static_cast<std::size_t>(picture[j] - '0');
        }
        if (count == 0 || out.size() + count - 1 > kLongestPicture)
            return std::nullopt;
        out.append(count - 1, out.back());
        i = close;
    }
    return out;
}

} // namespace

std::optional<NumericPicture> NumericPicture::parse(std::string_view rawPicture)
{
    const std::optional<std::string> expanded = expand(rawPicture);
    if (!expanded || expanded->empty())
        return std::nullopt;
    const std::string &p = *expanded;

    NumericPicture pic;
    const auto count = [&p](char c) { return std::count(p.begin(), p.end(), c); };
    if (count('$') >= 2)
        pic.m_floating = '$';
    else if (count('+') >= 2)
        pic.m_floating = '+';
    else if (count('-') >= 2)
        pic.m_floating = '-';

    bool decimal = false;
    bool floatingSeen = false;
    bool signShown = false; // a +, -, CR or DB: where an edited picture shows the sign
    const auto addChar = [&pic](char kind) { pic.m_kinds.push_back(kind); };
    const auto addSlot = [&pic, &decimal](int charIndex) {
        pic.m_slots.push_back({charIndex, decimal});
        (decimal ? pic.m_decimalPlaces : pic.m_integerPlaces) += 1;
        if (charIndex >= 0) {
            ++pic.m_storedSlots;
            if (decimal)
                ++pic.m_storedDecimals;
        }
    };
    const auto startDecimals = [&]() {
        decimal = true;
        pic.m_pointChar = static_cast<int>(pic.m_kinds.size());
    };
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char c = p[i];
        const int here = static_cast<int>(pic.m_kinds.size());
        switch (c) {
        case 'S':
            pic.m_hasS = true;
            pic.m_canBeNegative = true;
            break;
        case 'V':
            if (!decimal)
                startDecimals();
            pic.m_hasV = true;
            break;
        case 'P':
            // P before every digit place scales the value below 1: PP99 is VPP99.
            if (!decimal && pic.m_slots.empty())
                startDecimals();
            addSlot(-1);
            break;
        case '9':
            pic.m_anyNine = true;
            addChar('9');
            addSlot(here);
            break;
        case 'Z':
        case '*':
            pic.m_edited = true;
            pic.m_checkProtect = pic.m_checkProtect || c == '*';
            addChar(c);
            addSlot(here);
            break;
        case '$':
        case '+':
        case '-':
            pic.m_edited = true;
            if (c != '$') {
                pic.m_canBeNegative = true;
                pic.m_hasSignSymbol = true;
                signShown = true;
            }
            if (c == pic.m_floating) {
                addChar(floatingSeen ? kFloatingDigit : kFloatingFirst);
                if (floatingSeen)
                    addSlot(here);
                floatingSeen = true;
            } else {
                addChar(c);
            }
            break;
        case '.':
            pic.m_edited = true;
            pic.m_hasPoint = true;
            addChar('.');
            if (!decimal)
                startDecimals();
            pic.m_pointChar = here;
            break;
        case ',':
        case 'B':
        case '0':
        case '/':
            pic.m_edited = true;
            addChar(c);
            break;
        case 'C':
        case 'D':
            if (i + 1 >= p.size() || p[i + 1] != (c == 'C' ? 'R' : 'B'))
                return std::nullopt;
            pic.m_edited = true;
            pic.m_canBeNegative = true;
            signShown = true;
            addChar(c == 'C' ? 'c' : 'd');
            addChar(c == 'C' ? 'r' : 'b');
            ++i;
            break;
        default:
            return std::nullopt; // X, A, N, E and anything that is no picture symbol
        }
    }
    if (pic.m_slots.empty())
        return std::nullopt;
    // An S has no character of an edited picture to show the sign in: such a
    // picture holds no negative value, rather than dropping the sign.
    if (pic.m_edited && !signShown)
        pic.m_canBeNegative = false;
    return pic;
}

NumericPicture::Placed NumericPicture::place(const DecimalNumber &value) const
{
    const DecimalNumber n = value.normalized();
    Placed placed;
    // Every place's digit, integer places right-aligned, decimals left-aligned.
    std::string integer(static_cast<std::size_t>(m_integerPlaces), '0');
    if (n.integer.size() > integer.size())
        placed.exact = false;
    const std::size_t intDigits = std::min(n.integer.size(), integer.size());
    std::copy(n.integer.end() - static_cast<std::ptrdiff_t>(intDigits), n.integer.end(),
              integer.end() - static_cast<std::ptrdiff_t>(intDigits));
    std::string decimals(static_cast<std::size_t>(m_decimalPlaces), '0');
    if (n.decimals.size() > decimals.size())
        placed.exact = false;
    std::copy_n(n.decimals.begin(), std::min(n.decimals.size(), decimals.size()), decimals.begin());

    placed.stored.reserve(m_storedSlots);
    std::size_t intAt = 0;
    std::size_t decAt = 0;
    for (const Slot &slot : m_slots) {
        const char digit = slot.decimal ? decimals[decAt++] : integer[intAt++];
        if (slot.charIndex < 0) {
            if (digit != '0')
                placed.exact = false;
        } else {
            placed.stored += digit;
        }
    }
    return placed;
}

DecimalNumber NumericPicture::valueOf(std::string_view stored, bool negative) const
{
    DecimalNumber n;
    std::size_t at = 0;
    for (const Slot &slot : m_slots) {
        const char digit = slot.charIndex < 0 ? '0' : at < stored.size() ? stored[at++] : '0';
        (slot.decimal ? n.decimals : n.integer) += digit;
    }
    n.negative = negative;
    return n;
}

std::string NumericPicture::edit(const DecimalNumber &value, bool blankWhenZero) const
{
    const Placed placed = place(value);
    const bool zero = placed.stored.find_first_not_of('0') == std::string::npos;
    const bool negative = value.negative && !zero;
    const std::size_t width = m_kinds.size();

    if (zero && (blankWhenZero || !m_anyNine)) {
        // Nothing significant and no 9 to show it: blanks, or asterisks with
        // the point kept.
        std::string blank(width, m_checkProtect && !blankWhenZero ? '*' : ' ');
        if (m_checkProtect && !blankWhenZero) {
            for (std::size_t i = 0; i < width; ++i) {
                if (m_kinds[i] == '.')
                    blank[i] = '.';
            }
        }
        return blank;
    }

    // The digit of each character position that is a digit place.
    std::vector<char> digitAt(width, '\0');
    std::size_t storedAt = 0;
    for (const Slot &slot : m_slots) {
        if (slot.charIndex >= 0)
            digitAt[static_cast<std::size_t>(slot.charIndex)] = placed.stored[storedAt++];
    }

    const char floatingSymbol = m_floating == '$' ? '$' : negative ? '-' : m_floating == '+' ? '+' : ' ';
    std::string out(width, ' ');
    bool significant = false;
    bool floatingPlaced = m_floating == 0;
    int candidate = -1; // where the floating symbol goes: the last suppressed floating position
    char regionFill = ' ';
    const auto begin = [&]() {
        significant = true;
        if (!floatingPlaced && candidate >= 0)
            out[static_cast<std::size_t>(candidate)] = floatingSymbol;
        floatingPlaced = true;
    };
    for (std::size_t i = 0; i < width; ++i) {
        if (static_cast<int>(i) == m_pointChar && !significant)
            begin();
        const char kind = m_kinds[i];
        const char digit = digitAt[i];
        switch (kind) {
        case '9':
            if (!significant)
                begin();
            out[i] = digit;
            break;
        case 'Z':
        case '*':
        case kFloatingDigit:
            if (significant || digit != '0') {
                if (!significant)
                    begin();
                out[i] = digit;
            } else {
                regionFill = kind == '*' ? '*' : ' ';
                out[i] = regionFill;
                if (kind == kFloatingDigit)
                    candidate = static_cast<int>(i);
            }
            break;
        case kFloatingFirst:
            candidate = static_cast<int>(i);
            break;
        case ',':
        case 'B':
            // Blanked before the first significant digit, and then a place the
            // floating symbol may take ($$$,$$9 writes "   $123"); zero and
            // slash insertions stay and are never taken.
            out[i] = significant ? (kind == ',' ? ',' : ' ') : regionFill;
            if (!significant && !floatingPlaced && candidate >= 0)
                candidate = static_cast<int>(i);
            break;
        case '0':
        case '/':
        case '.':
        case '$':
            out[i] = kind;
            break;
        case '+':
            out[i] = negative ? '-' : '+';
            break;
        case '-':
            out[i] = negative ? '-' : ' ';
            break;
        case 'c':
            out[i] = negative ? 'C' : ' ';
            break;
        case 'r':
            out[i] = negative ? 'R' : ' ';
            break;
        case 'd':
            out[i] = negative ? 'D' : ' ';
            break;
        case 'b':
            out[i] = negative ? 'B' : ' ';
            break;
        default:
            break;
        }
    }
    if (!floatingPlaced && candidate >= 0)
        out[static_cast<std::size_t>(candidate)] = floatingSymbol;
    return out;
}

DecimalNumber NumericPicture::readPlaces(std::string_view text) const
{
    std::string stored;
    stored.reserve(m_storedSlots);
    for (const Slot &slot : m_slots) {
        if (slot.charIndex < 0)
            continue;
        const auto at = static_cast<std::size_t>(slot.charIndex);
        stored += at < text.size() && isDigit(text[at]) ? text[at] : '0';
    }
    // A sign symbol, fixed or floating, writes "-" somewhere among its places
    // (a floating one may stand where a comma would be); CR and DB in theirs.
    bool negative = m_hasSignSymbol && text.find('-') != std::string_view::npos;
    for (std::size_t i = 0; i < m_kinds.size() && i < text.size(); ++i) {
        if ((m_kinds[i] == 'c' && text[i] == 'C') || (m_kinds[i] == 'd' && text[i] == 'D'))
            negative = true;
    }
    return valueOf(stored, negative);
}

std::optional<DecimalNumber> NumericPicture::deEdit(std::string_view text, bool blankWhenZero) const
{
    if (text.size() != m_kinds.size())
        return std::nullopt;
    DecimalNumber value = readPlaces(text);
    if (edit(value, blankWhenZero) != text)
        return std::nullopt;
    return value;
}

} // namespace norvane
