#pragma once

#include "common/core/Result.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace norvane {

// An 8-bit EBCDIC code page as two byte tables, worked out once through the
// system's converter (iconv), so that decoding a field is one table look-up a
// byte. Text is decoded to Latin-1, the 8-bit text the grid and the CSV use;
// the euro sign of the 114x pages, which Latin-1 lacks, takes the place of the
// currency sign 0xA4 it replaced (as in ISO 8859-15). The tables are a
// one-to-one mapping of all 256 bytes, so any bytes decode and encode back to
// themselves.
class CodePage {
public:
    // The code page by the converter's name ("IBM037"); the same object for
    // every call with one name. Fails when the system's converter does not
    // know the name.
    [[nodiscard]] static Result<std::shared_ptr<const CodePage>> load(const std::string &name);

    [[nodiscard]] const std::string &name() const { return m_name; }
    // Whether 0xA4 of the decoded text stands for the euro sign.
    [[nodiscard]] bool euro() const { return m_euro; }

    [[nodiscard]] char toLatin1(char byte) const { return static_cast<char>(m_toLatin1[static_cast<unsigned char>(byte)]); }
    [[nodiscard]] char fromLatin1(char c) const { return static_cast<char>(m_fromLatin1[static_cast<unsigned char>(c)]); }
    void decode(std::string_view bytes, std::string &out) const;
    [[nodiscard]] std::string encode(std::string_view text) const;

private:
    CodePage() = default;

    std::string m_name;
    bool m_euro = false;
    std::array<unsigned char, 256> m_toLatin1{};
    std::array<unsigned char, 256> m_fromLatin1{};
};

} // namespace norvane
