#include "layout/core/CellFormat.h"

namespace norvane {

namespace {

constexpr std::string_view kNegativeDigits = "pqrstuvwxy";
constexpr std::string_view kPositiveOverpunch = "{ABCDEFGHI";
constexpr std::string_view kNegativeOverpunch = "}JKLMNOPQR";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

Result<CellFormat> CellFormat::make(const DataFormat &format)
{
    CellFormat cells;
    cells.m_format = format;
    if (format.ebcdic()) {
        Result<std::shared_ptr<const CodePage>> page = CodePage::load(format.encoding);
        if (!page)
            return Error{page.error()};
        cells.m_codePage = std::move(page).value();
    }
    return cells;
}

void CellFormat::decodeText(std::string_view bytes, std::string &out) const
{
    if (m_codePage)
        m_codePage->decode(bytes, out);
    else
        out += bytes;
}

std::string CellFormat::encodeText(std::string_view text) const
{
    return m_codePage ? m_codePage->encode(text) : std::string(text);
}

std::string CellFormat::zonedDigits(std::string_view bytes, std::size_t signIndex) const
{
    std::string digits;
    digits.reserve(bytes.size());
    decodeText(bytes, digits);
    if (signIndex >= bytes.size())
        return digits;
    char &sign = digits[signIndex];
    switch (m_format.sign) {
    case SignConvention::MicroFocus:
        break;
    case SignConvention::Overpunch:
        if (const std::size_t d = kPositiveOverpunch.find(sign); d != std::string_view::npos)
            sign = static_cast<char>('0' + d);
        else if (const std::size_t n = kNegativeOverpunch.find(sign); n != std::string_view::npos)
            sign = kNegativeDigits[n];
        break;
    case SignConvention::Ebcdic: {
        const auto byte = static_cast<unsigned char>(bytes[signIndex]);
        const int zone = byte >> 4;
        const int digit = byte & 0x0F;
        if (digit <= 9 && (zone == 0xC || zone == 0xF))
            sign = static_cast<char>('0' + digit);
        else if (digit <= 9 && zone == 0xD)
            sign = kNegativeDigits[static_cast<std::size_t>(digit)];
        break;
    }
    }
    return digits;
}

std::string CellFormat::zonedBytes(std::string_view digits, std::size_t signIndex) const
{
    std::string bytes = encodeText(digits);
    if (signIndex >= digits.size())
        return bytes;
    const char sign = digits[signIndex];
    const std::size_t negative = kNegativeDigits.find(sign);
    if (!isDigit(sign) && negative == std::string_view::npos)
        return bytes;
    const std::size_t digit = negative != std::string_view::npos ? negative : static_cast<std::size_t>(sign - '0');
    switch (m_format.sign) {
    case SignConvention::MicroFocus:
        break;
    case SignConvention::Overpunch:
        bytes[signIndex] =
            encodeText(std::string(1, (negative != std::string_view::npos ? kNegativeOverpunch : kPositiveOverpunch)[digit]))[0];
        break;
    case SignConvention::Ebcdic:
        bytes[signIndex] = static_cast<char>((negative != std::string_view::npos ? 0xD0 : 0xC0) | digit);
        break;
    }
    return bytes;
}

} // namespace norvane
