#include "layout/core/DecimalNumber.h"

namespace norvane {

DecimalNumber DecimalNumber::normalized() const
{
    DecimalNumber n = *this;
    n.integer.erase(0, n.integer.find_first_not_of('0') == std::string::npos ? n.integer.size()
                                                                             : n.integer.find_first_not_of('0'));
    const std::size_t lastDigit = n.decimals.find_last_not_of('0');
    n.decimals.resize(lastDigit == std::string::npos ? 0 : lastDigit + 1);
    if (n.integer.empty() && n.decimals.empty())
        n.negative = false;
    return n;
}

bool DecimalNumber::isZero() const
{
    return integer.find_first_not_of('0') == std::string::npos && decimals.find_first_not_of('0') == std::string::npos;
}

DecimalNumber ParseLooseNumber(std::string_view text)
{
    DecimalNumber n;
    bool point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            (point ? n.decimals : n.integer) += c;
        } else if (c == '.') {
            point = true;
        } else if (c == '-') {
            n.negative = true;
        } else if ((c == 'C' || c == 'c' || c == 'D' || c == 'd') && i + 1 < text.size()) {
            const char next = static_cast<char>(text[i + 1] & ~0x20);
            const char upper = static_cast<char>(c & ~0x20);
            if ((upper == 'C' && next == 'R') || (upper == 'D' && next == 'B'))
                n.negative = text.find_first_not_of(' ', i + 2) == std::string_view::npos || n.negative;
        }
    }
    return n;
}

} // namespace norvane
