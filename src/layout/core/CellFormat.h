#pragma once

#include "common/core/Result.h"
#include "layout/core/CodePage.h"
#include "layout/core/DataFormat.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace norvane {

// A data format made ready for converting cells: the code page's tables
// loaded once, and the sign convention applied to zoned digits. Zoned fields
// are read by turning the file's bytes into the GnuCOBOL ASCII form ("p" to
// "y" for a negative sign digit), which the display codec reads, and written
// by turning that form back into the file's.
class CellFormat {
public:
    // ASCII, GnuCOBOL signs, binary fields in the given order. Implicit, so
    // that a byte order alone still names a format.
    CellFormat(ByteOrder order = ByteOrder::BigEndian) : m_format(DataFormat::withOrder(order)) {}

    // The format with its code page loaded; fails when the system's
    // converter does not know the code page.
    [[nodiscard]] static Result<CellFormat> make(const DataFormat &format);

    [[nodiscard]] const DataFormat &format() const { return m_format; }
    [[nodiscard]] const CodePage *codePage() const { return m_codePage.get(); }

    // The characters of text bytes (Latin-1), appended to out; and back.
    void decodeText(std::string_view bytes, std::string &out) const;
    [[nodiscard]] std::string encodeText(std::string_view text) const;

    // A zoned field's bytes in the GnuCOBOL ASCII form: digits, the sign digit
    // (at signIndex; npos for none) a plain digit when positive and one of "p"
    // to "y" when negative. A sign digit the convention does not know stays
    // as its character, so the field reads as no number.
    [[nodiscard]] std::string zonedDigits(std::string_view bytes, std::size_t signIndex) const;
    // The reverse: the file's bytes for zoned digits in that form. A positive
    // sign digit of a signed field is written with the convention's positive
    // sign (C zone, "{" to "I"); GnuCOBOL's is the plain digit.
    [[nodiscard]] std::string zonedBytes(std::string_view digits, std::size_t signIndex) const;

private:
    DataFormat m_format;
    std::shared_ptr<const CodePage> m_codePage;
};

} // namespace norvane
