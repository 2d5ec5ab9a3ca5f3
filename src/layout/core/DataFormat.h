#pragma once

#include "layout/core/CompField.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// How a negative (or positive) value is carried in the sign digit of a signed
// zoned field.
enum class SignConvention {
    // GnuCOBOL and Micro Focus on ASCII: a plain digit for positive, "p" to
    // "y" for the negative digits 0 to 9.
    MicroFocus,
    // Mainframe data moved to ASCII character by character: "{" and "A" to
    // "I" for the positive digits 0 to 9, "}" and "J" to "R" for the negative.
    Overpunch,
    // EBCDIC bytes: the sign digit's zone nibble is C or F for positive, D
    // for negative; its low nibble is the digit.
    Ebcdic,
};

// How the records follow one another in the file.
enum class RecordFormat {
    Fixed,          // every record exactly the record length, nothing between them
    LineSequential, // each record ends with LF or CR LF; a shorter one is padded
    Rdw,            // each record starts with a z/OS record descriptor word
};

// How COMP-1 and COMP-2 items hold their value.
enum class FloatFormat {
    Ieee,   // IEEE 754 binary32 and binary64
    IbmHex, // System/360 hexadecimal floating point, short and long
};

// Everything beside the layout that decides how a data file's bytes read: the
// text encoding, the sign convention of zoned fields, the record format and
// the byte orders. Chosen per file; the defaults read what GnuCOBOL writes on
// ASCII systems.
struct DataFormat {
    // Empty for ASCII (8-bit, as the file holds it); else the EBCDIC code
    // page's name as the converter knows it ("IBM037", "IBM1047" ...).
    std::string encoding;
    SignConvention sign = SignConvention::MicroFocus;
    RecordFormat records = RecordFormat::Fixed;
    // COMP, BINARY, COMP-4.
    ByteOrder order = ByteOrder::BigEndian;
    // COMP-5, BINARY-CHAR ... BINARY-DOUBLE, COMP-1 and COMP-2: stored in the
    // order of the machine that wrote the file.
    ByteOrder nativeOrder = ByteOrder::BigEndian;
    FloatFormat floats = FloatFormat::Ieee;

    [[nodiscard]] bool ebcdic() const { return !encoding.empty(); }

    // The format of the file saved with its COMP fields in the given order.
    // Where one choice governed every binary field (both orders the same, as
    // when only one byte order is given), the native and floating-point
    // fields follow it, so that every field keeps its value; an order chosen
    // apart for them stays as it is.
    [[nodiscard]] DataFormat withBinaryOrder(ByteOrder newOrder) const
    {
        DataFormat format = *this;
        if (nativeOrder == order)
            format.nativeOrder = newOrder;
        format.order = newOrder;
        return format;
    }

    // Binary fields in one order, everything else the defaults.
    [[nodiscard]] static DataFormat withOrder(ByteOrder order)
    {
        DataFormat format;
        format.order = order;
        format.nativeOrder = order;
        return format;
    }

    friend bool operator==(const DataFormat &, const DataFormat &) = default;
};

// The EBCDIC code pages offered for data files, by the names the converter
// knows them by.
[[nodiscard]] const std::vector<std::string_view> &EbcdicCodePages();

// The words the command line and the per-file memory use: "mf", "overpunch",
// "ebcdic"; "fixed", "lines", "rdw"; "big", "little"; "ieee", "ibm".
[[nodiscard]] std::string_view SignWord(SignConvention sign);
[[nodiscard]] std::string_view RecordWord(RecordFormat records);
[[nodiscard]] std::string_view OrderWord(ByteOrder order);
[[nodiscard]] std::string_view FloatWord(FloatFormat floats);
[[nodiscard]] std::optional<SignConvention> SignFromWord(std::string_view word);
[[nodiscard]] std::optional<RecordFormat> RecordsFromWord(std::string_view word);
[[nodiscard]] std::optional<ByteOrder> OrderFromWord(std::string_view word);
[[nodiscard]] std::optional<FloatFormat> FloatsFromWord(std::string_view word);
// "ASCII", or the code page name in upper case with "CP" turned into "IBM"
// ("cp037" and "ibm-037" are IBM037); nothing for a name that is no code page
// offered here.
[[nodiscard]] std::optional<std::string> EncodingFromName(std::string_view name);

// What the status bar shows: "ASCII, MF signs, fixed, big-endian" and so on.
[[nodiscard]] std::string DescribeFormat(const DataFormat &format);

} // namespace norvane
