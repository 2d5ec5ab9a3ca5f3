#include "layout/core/DataFormat.h"

#include <algorithm>

namespace norvane {

const std::vector<std::string_view> &EbcdicCodePages()
{
    static const std::vector<std::string_view> pages = {
        "IBM037",  "IBM273",  "IBM277",  "IBM278",  "IBM280",  "IBM284",  "IBM285",  "IBM297",
        "IBM500",  "IBM871",  "IBM1047", "IBM1140", "IBM1141", "IBM1142", "IBM1143", "IBM1144",
        "IBM1145", "IBM1146", "IBM1147", "IBM1148", "IBM1149",
    };
    return pages;
}

std::string_view SignWord(SignConvention sign)
{
    switch (sign) {
    case SignConvention::MicroFocus:
        return "mf";
    case SignConvention::Overpunch:
        return "overpunch";
    case SignConvention::Ebcdic:
        return "ebcdic";
    }
    return "mf";
}

std::string_view RecordWord(RecordFormat records)
{
    switch (records) {
    case RecordFormat::Fixed:
        return "fixed";
    case RecordFormat::LineSequential:
        return "lines";
    case RecordFormat::Rdw:
        return "rdw";
    }
    return "fixed";
}

std::string_view OrderWord(ByteOrder order)
{
    return order == ByteOrder::BigEndian ? "big" : "little";
}

std::string_view FloatWord(FloatFormat floats)
{
    return floats == FloatFormat::Ieee ? "ieee" : "ibm";
}

std::optional<SignConvention> SignFromWord(std::string_view word)
{
    for (const SignConvention sign : {SignConvention::MicroFocus, SignConvention::Overpunch, SignConvention::Ebcdic}) {
        if (word == SignWord(sign))
            return sign;
    }
    return std::nullopt;
}

std::optional<RecordFormat> RecordsFromWord(std::string_view word)
{
    for (const RecordFormat records : {RecordFormat::Fixed, RecordFormat::LineSequential, RecordFormat::Rdw}) {
        if (word == RecordWord(records))
            return records;
    }
    return std::nullopt;
}

std::optional<ByteOrder> OrderFromWord(std::string_view word)
{
    if (word == "big")
        return ByteOrder::BigEndian;
    if (word == "little")
        return ByteOrder::LittleEndian;
    return std::nullopt;
}

std::optional<FloatFormat> FloatsFromWord(std::string_view word)
{
    if (word == "ieee")
        return FloatFormat::Ieee;
    if (word == "ibm")
        return FloatFormat::IbmHex;
    return std::nullopt;
}

std::optional<std::string> EncodingFromName(std::string_view name)
{
    std::string upper;
    for (const char c : name) {
        if (c != '-' && c != '_')
            upper += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    if (upper.empty() || upper == "ASCII")
        return std::string();
    std::string_view digits = upper;
    for (const std::string_view prefix : {"IBM", "CP", "CCSID", "EBCDIC"}) {
        if (digits.starts_with(prefix)) {
            digits.remove_prefix(prefix.size());
            break;
        }
    }
    while (digits.size() > 3 && digits.front() == '0')
        digits.remove_prefix(1);
    std::string number(digits);
    if (number.size() < 3)
        number.insert(0, 3 - number.size(), '0');
    const std::string canonical = "IBM" + number;
    const std::vector<std::string_view> &pages = EbcdicCodePages();
    if (std::find(pages.begin(), pages.end(), canonical) == pages.end())
        return std::nullopt;
    return canonical;
}

std::string DescribeFormat(const DataFormat &format)
{
    std::string text = format.ebcdic() ? "EBCDIC " + format.encoding : std::string("ASCII");
    switch (format.sign) {
    case SignConvention::MicroFocus:
        text += ", MF signs";
        break;
    case SignConvention::Overpunch:
        text += ", overpunch signs";
        break;
    case SignConvention::Ebcdic:
        text += ", EBCDIC signs";
        break;
    }
    switch (format.records) {
    case RecordFormat::Fixed:
        text += ", fixed";
        break;
    case RecordFormat::LineSequential:
        text += ", line sequential";
        break;
    case RecordFormat::Rdw:
        text += ", RDW";
        break;
    }
    text += format.order == ByteOrder::BigEndian ? ", big-endian" : ", little-endian";
    if (format.nativeOrder != format.order)
        text += format.nativeOrder == ByteOrder::BigEndian ? " (native big)" : " (native little)";
    if (format.floats == FloatFormat::IbmHex)
        text += ", IBM floats";
    return text;
}

} // namespace norvane
