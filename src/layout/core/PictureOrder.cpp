#include "layout/core/PictureOrder.h"

#include <array>
#include <cstddef>
#include <initializer_list>

namespace norvane {

namespace {

// What a symbol is where it stands. A +, - or $ is a floating insertion
// string when it starts a run of two or more of itself (B, 0, / and commas
// may stand between them) and no floating string came before; the run goes
// on past the point. Otherwise it is a trailing symbol when only more of
// itself follows, and a leading one else. Z, * and floating strings are
// before or after the point; P is after it when no digit comes first
// ("PP99" is .00nn) and before it when it follows the digits ("99PP").
enum Kind : std::size_t {
    Insertion, // B 0 /
    Comma,
    Point,
    LeadingSign,
    TrailingSign,
    CrDb,
    LeadingCurrency,
    TrailingCurrency,
    SuppressBefore, // Z or * left of the point
    SuppressAfter,
    FloatingSignBefore,
    FloatingSignAfter,
    FloatingCurrencyBefore,
    FloatingCurrencyAfter,
    Nine,
    Text, // A X
    Sign, // S
    ImpliedPoint,
    ScaleBefore, // P left of the point
    ScaleAfter,
    KindCount,
};

using Kinds = std::array<bool, KindCount>;

constexpr Kinds kindsOf(std::initializer_list<Kind> list)
{
    Kinds kinds{};
    for (const Kind kind : list)
        kinds[kind] = true;
    return kinds;
}

// For each kind, the kinds that may not come anywhere after it, as GnuCOBOL
// refuses them (cobc 3.1, checked picture by picture).
constexpr std::array<Kinds, KindCount> kNeverAfter = {
    /* Insertion */ kindsOf({LeadingSign, LeadingCurrency, ScaleAfter}),
    /* Comma */ kindsOf({LeadingSign, LeadingCurrency, Text, ScaleAfter}),
    /* Point */ kindsOf({LeadingSign, LeadingCurrency, Text, ImpliedPoint, ScaleAfter}),
    /* LeadingSign */ kindsOf({TrailingSign, CrDb, FloatingSignBefore, FloatingSignAfter, Text}),
    /* TrailingSign */ kindsOf({}),
    /* CrDb */
    kindsOf({Insertion, Comma, Point, LeadingSign, TrailingSign, LeadingCurrency, TrailingCurrency, SuppressBefore,
             SuppressAfter, FloatingSignBefore, FloatingSignAfter, FloatingCurrencyBefore, FloatingCurrencyAfter, Nine,
             Text, ImpliedPoint, ScaleBefore, ScaleAfter}),
    /* LeadingCurrency */ kindsOf({LeadingSign, TrailingCurrency, FloatingCurrencyBefore, FloatingCurrencyAfter, Text}),
    /* TrailingCurrency */
    kindsOf({Insertion, Comma, Point, SuppressBefore, SuppressAfter, FloatingSignBefore, Nine, Text, ImpliedPoint,
             ScaleBefore, ScaleAfter}),
    /* SuppressBefore */
    kindsOf({LeadingSign, LeadingCurrency, FloatingSignBefore, FloatingSignAfter, FloatingCurrencyBefore,
             FloatingCurrencyAfter, Text, ScaleAfter}),
    /* SuppressAfter */
    kindsOf({Point, LeadingSign, LeadingCurrency, FloatingSignAfter, FloatingCurrencyAfter, Nine, Text, ImpliedPoint,
             ScaleAfter}),
    /* FloatingSignBefore */
    kindsOf({LeadingSign, TrailingSign, CrDb, LeadingCurrency, TrailingCurrency, SuppressBefore, SuppressAfter, Text,
             ScaleAfter}),
    /* FloatingSignAfter */
    kindsOf({Point, TrailingSign, CrDb, TrailingCurrency, SuppressAfter, Nine, Text, ImpliedPoint}),
    /* FloatingCurrencyBefore */
    kindsOf({LeadingSign, LeadingCurrency, TrailingCurrency, SuppressBefore, SuppressAfter, Text, ScaleAfter}),
    /* FloatingCurrencyAfter */ kindsOf({Point, SuppressAfter, Nine, Text, ImpliedPoint, ScaleAfter}),
    /* Nine */
    kindsOf({LeadingSign, LeadingCurrency, SuppressBefore, SuppressAfter, FloatingSignBefore, FloatingSignAfter,
             FloatingCurrencyBefore, FloatingCurrencyAfter, ScaleAfter}),
    /* Text */
    kindsOf({Comma, Point, LeadingSign, TrailingSign, CrDb, LeadingCurrency, TrailingCurrency, SuppressBefore,
             SuppressAfter, FloatingSignBefore, FloatingSignAfter, FloatingCurrencyBefore, FloatingCurrencyAfter,
             ImpliedPoint, ScaleBefore, ScaleAfter}),
    /* Sign */
    kindsOf({Insertion, Comma, Point, LeadingSign, TrailingSign, CrDb, LeadingCurrency, TrailingCurrency,
             SuppressBefore, SuppressAfter, FloatingSignBefore, FloatingSignAfter, FloatingCurrencyBefore,
             FloatingCurrencyAfter, Text}),
    /* ImpliedPoint */ kindsOf({Point, LeadingSign, LeadingCurrency, Text}),
    /* ScaleBefore */
    kindsOf({Insertion, Comma, Point, LeadingSign, LeadingCurrency, SuppressBefore, SuppressAfter, FloatingSignBefore,
             FloatingCurrencyBefore, Nine, Text, ScaleAfter}),
    /* ScaleAfter */
    kindsOf({Point, LeadingSign, LeadingCurrency, SuppressBefore, FloatingSignBefore, FloatingCurrencyBefore,
             FloatingCurrencyAfter, Text, ImpliedPoint, ScaleBefore}),
};

// Kinds that a picture holds once at most.
constexpr Kinds kOnce = kindsOf({Point, LeadingSign, TrailingSign, CrDb, LeadingCurrency, TrailingCurrency, ImpliedPoint});

bool isInsertion(char c)
{
    return c == 'B' || c == '0' || c == '/' || c == ',';
}

// Whether the +, - or $ at i stands at the end: only more of itself follows,
// or, for a currency sign, only a trailing sign, CR or DB. (GnuCOBOL takes a
// currency sign right of the digits for a leading one in a few short
// pictures, "9$" and "ZZ$" among them, and refuses them; they are taken here.)
bool trailing(std::string_view symbols, std::size_t i)
{
    const std::string_view rest = symbols.substr(i + 1);
    if (rest.find_first_not_of(symbols[i]) == std::string_view::npos)
        return true;
    return symbols[i] == '$' && rest.size() == 1 && std::string_view("+-CD").find(rest.front()) != std::string_view::npos;
}

std::string symbolText(char c)
{
    if (c == 'C')
        return "CR";
    if (c == 'D')
        return "DB";
    return std::string(1, c);
}

} // namespace

std::string SymbolOrderComplaint(std::string_view symbols)
{
    if (symbols.find_first_of("EN") != std::string_view::npos)
        return {};
    if (symbols.find('Z') != std::string_view::npos && symbols.find('*') != std::string_view::npos)
        return "has both Z and *";

    Kinds seen{};
    std::array<char, KindCount> seenAs{};
    bool pointSeen = false;
    bool digitSeen = false;
    bool floatingSeen = false;
    char floatingOpen = 0; // the symbol of the floating string still going on
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        const char c = symbols[i];
        Kind kind = Insertion;
        switch (c) {
        case 'B':
        case '0':
        case '/':
            kind = Insertion;
            break;
        case ',':
            kind = Comma;
            break;
        case '.':
            kind = Point;
            break;
        case 'V':
            kind = ImpliedPoint;
            break;
        case 'C':
        case 'D':
            kind = CrDb;
            break;
        case '9':
            kind = Nine;
            break;
        case 'A':
        case 'X':
            kind = Text;
            break;
        case 'S':
            kind = Sign;
            break;
        case 'Z':
        case '*':
            kind = pointSeen ? SuppressAfter : SuppressBefore;
            break;
        case 'P':
            kind = pointSeen || !digitSeen ? ScaleAfter : ScaleBefore;
            break;
        case '+':
        case '-':
        case '$': {
            const bool currency = c == '$';
            std::size_t next = i + 1;
            while (next < symbols.size() && isInsertion(symbols[next]))
                ++next;
            const bool run = next < symbols.size() && symbols[next] == c;
            if (floatingOpen == c || (run && !floatingSeen)) {
                floatingOpen = c;
                floatingSeen = true;
                kind = currency ? (pointSeen ? FloatingCurrencyAfter : FloatingCurrencyBefore)
                                : (pointSeen ? FloatingSignAfter : FloatingSignBefore);
            } else if (trailing(symbols, i)) {
                kind = currency ? TrailingCurrency : TrailingSign;
            } else {
                kind = currency ? LeadingCurrency : LeadingSign;
            }
            break;
        }
        default:
            return {}; // not a picture symbol: another check's complaint
        }
        if (floatingOpen != 0 && c != floatingOpen && !isInsertion(c) && c != '.' && c != 'V')
            floatingOpen = 0;
        if (c == '.' || c == 'V')
            pointSeen = true;
        if (c == '9' || c == 'Z' || c == '*' || kind == FloatingSignBefore || kind == FloatingCurrencyBefore)
            digitSeen = true;

        if (kOnce[kind] && seen[kind])
            return kind == CrDb ? "has more than one CR or DB" : "has more than one " + symbolText(c);
        for (std::size_t before = 0; before < KindCount; ++before) {
            if (seen[before] && kNeverAfter[before][kind])
                return "has " + symbolText(c) + " after " + symbolText(seenAs[before]);
        }
        if (!seen[kind]) {
            seen[kind] = true;
            seenAs[kind] = c;
        }
    }
    return {};
}

} // namespace norvane
