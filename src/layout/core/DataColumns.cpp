#include "layout/core/DataColumns.h"

#include "layout/core/FloatField.h"
#include "layout/core/Words.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace norvane {

namespace {

struct OpenOccurrence {
    int level;
    std::int64_t occurrence;
    std::string dependingOn; // the counter of an OCCURS ... DEPENDING ON
};

std::string headerFor(const LayoutRow &row, const std::vector<OpenOccurrence> &open)
{
    std::string subscripts;
    const auto add = [&](std::int64_t occurrence) {
        if (!subscripts.empty())
            subscripts += ',';
        subscripts += std::to_string(occurrence);
    };
    for (const OpenOccurrence &group : open)
        add(group.occurrence);
    if (row.occurrence != 0)
        add(row.occurrence);
    return subscripts.empty() ? row.field : row.field + " (" + subscripts + ")";
}

// The width a binary field's number is padded to before it is edited: what
// the field's bytes hold at most, in digits.
std::size_t binaryPadWidth(std::size_t bytes)
{
    return bytes <= 1 ? 3 : bytes <= 2 ? 4 : bytes <= 4 ? 9 : 18;
}

// The digits of a number's text without its leading zeros.
int significantDigits(std::string_view text)
{
    int count = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9' && (count > 0 || c != '0'))
            ++count;
    }
    return count;
}

// The text without the spaces around it and the leading zeros of its integer
// part, which the packed codec would otherwise count against the field.
std::string withoutPadding(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return {};
    std::string t(text.substr(begin, text.find_last_not_of(' ') + 1 - begin));
    std::size_t first = 0;
    while (first < t.size() && (t[first] == '+' || t[first] == '-' || t[first] == ' '))
        ++first;
    std::size_t end = first;
    while (end + 1 < t.size() && t[end] == '0' && t[end + 1] >= '0' && t[end + 1] <= '9')
        ++end;
    t.erase(first, end - first);
    return t;
}

// A column for the bytes from begin to end (0-based, end excluded) that no
// item shows.
DataColumn uncoveredColumn(std::size_t begin, std::size_t end)
{
    DataColumn column;
    column.header = "(bytes " + std::to_string(begin + 1) + "-" + std::to_string(end) + ")";
    column.picture = "X(" + std::to_string(end - begin) + ")";
    column.offset = begin;
    column.size = end - begin;
    column.display = AnalyzeDisplayPicture(column.picture);
    column.uncovered = true;
    return column;
}

const Error &doesNotFit()
{
    static const Error error{"Value does not fit the field"};
    return error;
}

} // namespace

Result<std::vector<DataColumn>> BuildDataHeaders(const LayoutTable &table)
{
    if (!table.rejection.empty())
        return Error{table.rejection};
    std::vector<DataColumn> columns;
    std::vector<OpenOccurrence> open;
    // Each column's counter name, resolved to a column once all are known.
    std::vector<std::string> counters;
    const auto recordLength = static_cast<std::size_t>(std::max<std::int64_t>(table.RecData.RecordLength, 0));
    std::size_t covered = 0; // bytes from the record's start that columns show
    for (const LayoutRow &row : table.rows) {
        // An item ends every occurring group at its level or deeper, item or group.
        while (!open.empty() && open.back().level >= row.levelNumber)
            open.pop_back();
        if (!row.elementary) {
            if (row.occurrence != 0)
                open.push_back({row.levelNumber, row.occurrence, row.dependingOn});
            continue;
        }
        const bool floating = row.usage == Usage::Float4 || row.usage == Usage::Float8;
        const bool national = row.pic.find('N') != std::string::npos && row.pic.find_first_of("XA") == std::string::npos;
        const bool hex = row.usage == Usage::Pointer || row.usage == Usage::Index || national;
        const bool nativeBinary = row.usage == Usage::Binary && row.usageBytes > 0 && row.pic.empty();
        if (row.pic.empty() && !nativeBinary && !floating && !hex)
            return Error{row.message.empty() ? row.field + " has no PIC clause" : row.message};
        if (row.offset < 1 || row.size < 1 ||
            static_cast<std::size_t>(row.offset - 1 + row.size) > recordLength)
            return Error{row.field + " lies outside the record"};

        DataColumn column;
        column.header = headerFor(row, open);
        column.picture = row.pic;
        column.usage = row.usage;
        column.offset = static_cast<std::size_t>(row.offset - 1);
        column.size = static_cast<std::size_t>(row.size);
        column.hex = hex;
        column.native = row.nativeBinary;
        column.usageText = !row.usageName.empty() ? row.usageName : std::string(UsageText(row.usage));
        if (row.usage == Usage::Binary && row.nativeBinary && row.usageName.empty())
            column.usageText = "COMP-5";
        if (national && column.usageText.empty())
            column.usageText = "NATIONAL";
        // The innermost table that depends on a counter decides whether the
        // cell is there.
        std::string counter = row.dependingOn;
        std::int64_t occurrence = row.occurrence;
        if (counter.empty()) {
            for (auto group = open.rbegin(); group != open.rend(); ++group) {
                if (!group->dependingOn.empty()) {
                    counter = group->dependingOn;
                    occurrence = group->occurrence;
                    break;
                }
            }
        }
        if (!counter.empty())
            column.depending = DataColumn::Depending{0, occurrence};
        DisplayOptions options;
        options.signPosition = row.signLeading ? SignPosition::Leading : SignPosition::Trailing;
        options.signSeparate = row.signSeparate && row.usage == Usage::Display;
        options.blankWhenZero = row.blankWhenZero;
        if (hex) {
            column.usage = Usage::Display;
            column.display = AnalyzeDisplayPicture("X");
        } else if (floating) {
            column.display = AnalyzeDisplayPicture("X");
        } else if (nativeBinary) {
            // What the bytes hold: 3, 5, 10 or 18 digits (the 8-byte field's
            // largest values have 19; they are shown, and stored when read).
            const int digits = row.usageBytes == 1 ? 3 : row.usageBytes == 2 ? 5 : row.usageBytes == 4 ? 10 : 18;
            const bool isSigned = !row.usageUnsigned;
            column.display = AnalyzeDisplayPicture((isSigned ? "S9(" : "9(") + std::to_string(digits) + ")");
            CompPic comp{isSigned, digits, false, 0, digits + (isSigned ? 1 : 0)};
            comp.native = true;
            column.comp = comp;
        } else {
            column.display = AnalyzeDisplayPicture(row.pic, options);
            if (row.usage == Usage::Binary) {
                column.comp = ParseCompPic(row.pic);
                // COMP-5 holds whatever its bytes hold, whatever the picture says.
                if (row.nativeBinary && column.comp)
                    column.comp.value().native = true;
            } else if (row.usage == Usage::Packed) {
                column.packed = ParsePackedPic(row.pic);
            }
        }
        if (column.offset > covered) {
            columns.push_back(uncoveredColumn(covered, column.offset));
            counters.emplace_back();
        }
        covered = std::max(covered, column.offset + column.size);
        columns.push_back(std::move(column));
        counters.push_back(std::move(counter));
    }
    if (columns.empty())
        return Error{"The record definition has no elementary items"};
    if (covered < recordLength) {
        columns.push_back(uncoveredColumn(covered, recordLength));
        counters.emplace_back();
    }
    // A counter is the numeric column of that name outside any table; a
    // counter the record does not hold leaves every occurrence shown.
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (!columns[i].depending)
            continue;
        const auto found = std::find_if(columns.begin(), columns.end(), [&](const DataColumn &c) {
            return ToUpperAscii(c.header) == counters[i] && !c.hex && c.usage != Usage::Float4 &&
                   c.usage != Usage::Float8 && (c.usage != Usage::Display || c.display.numeric);
        });
        if (found == columns.end())
            columns[i].depending.reset();
        else
            columns[i].depending->counter = static_cast<std::size_t>(found - columns.begin());
    }
    return columns;
}

Result<std::size_t> RecordCount(std::size_t fileSize, std::size_t recordLength)
{
    if (recordLength == 0 || fileSize % recordLength != 0)
        return Error{std::string(kLengthNotMultiple)};
    return fileSize / recordLength;
}

ByteOrder ColumnOrder(const DataColumn &column, const CellFormat &format)
{
    return ColumnOrder(column, format.format());
}

ByteOrder ColumnOrder(const DataColumn &column, const DataFormat &format)
{
    const bool native = column.native || column.usage == Usage::Float4 || column.usage == Usage::Float8;
    return native ? format.nativeOrder : format.order;
}

std::string HexText(std::string_view bytes)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

namespace {

// The characters a numeric display field's bytes stand for, in the form the
// display codec reads: the encoding's characters, and a zoned sign digit in
// GnuCOBOL's ASCII convention.
std::string numericCharacters(const DataColumn &column, std::string_view bytes, const CellFormat &format)
{
    if (column.display.zoned())
        return format.zonedDigits(bytes, column.display.signDigitIndex(bytes.size()));
    std::string text;
    format.decodeText(bytes, text);
    return text;
}

bool plainFormat(const CellFormat &format)
{
    return !format.format().ebcdic() && format.format().sign == SignConvention::MicroFocus;
}

std::optional<std::string> bytesOfHex(std::string_view text, std::size_t size)
{
    std::string bytes;
    int high = -1;
    for (const char c : text) {
        int value = -1;
        if (c >= '0' && c <= '9')
            value = c - '0';
        else if (c >= 'A' && c <= 'F')
            value = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            value = c - 'a' + 10;
        else if (c == ' ')
            continue;
        if (value < 0)
            return std::nullopt;
        if (high < 0) {
            high = value;
        } else {
            bytes += static_cast<char>(high << 4 | value);
            high = -1;
        }
    }
    if (high >= 0 || bytes.size() != size)
        return std::nullopt;
    return bytes;
}

} // namespace

bool AppendDecodedCell(const DataColumn &column, std::string_view bytes, const CellFormat &format, std::string &out)
{
    if (column.hex) {
        out += HexText(bytes);
        return false;
    }
    switch (column.usage) {
    case Usage::Binary: {
        if (!column.comp) {
            out += column.comp.error();
            return true;
        }
        const Result<std::string> number = CompToText(bytes, column.comp.value(), ColumnOrder(column, format));
        if (!number) {
            out += number.error();
            return true;
        }
        const std::string &text = number.value();
        const std::size_t digits = static_cast<std::size_t>(
            std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }));
        // Zeros go in front of the whole text, a minus sign included ("00-5"):
        // the editing that follows puts the sign in its place.
        const std::size_t width = std::max(binaryPadWidth(bytes.size()), digits);
        std::string padded(text.size() < width ? width - text.size() : 0, '0');
        padded += text;
        out += FormatField(padded, column.display, static_cast<int>(width), FieldMode::Grid);
        return !column.comp.value().native && significantDigits(text) > column.comp.value().digits;
    }
    case Usage::Packed: {
        if (!column.packed) {
            out += column.packed.error();
            return true;
        }
        const Result<std::string> text = PackedToText(bytes, column.packed.value());
        out += text ? text.value() : text.error();
        return !text || significantDigits(text.value()) > column.packed.value().declaredDigits;
    }
    case Usage::Float4:
    case Usage::Float8:
        if (bytes.size() != 4 && bytes.size() != 8) {
            out += HexText(bytes);
            return true;
        }
        out += FloatToText(bytes, format.format().floats, ColumnOrder(column, format));
        return !IsPlainFloat(bytes, format.format().floats, ColumnOrder(column, format));
    default:
        break;
    }
    if (column.display.alphanumeric) {
        format.decodeText(bytes, out);
        return false;
    }
    if (plainFormat(format)) {
        if (!ReadDisplayNumber(bytes, column.display)) {
            out += bytes; // as it stands: the field holds no value of its picture
            return true;
        }
        out += FormatField(bytes, column.display, static_cast<int>(bytes.size()), FieldMode::Grid);
        return false;
    }
    const std::string characters = numericCharacters(column, bytes, format);
    if (!ReadDisplayNumber(characters, column.display)) {
        format.decodeText(bytes, out); // as it stands
        return true;
    }
    out += FormatField(characters, column.display, static_cast<int>(characters.size()), FieldMode::Grid);
    return false;
}

std::string DecodeCell(const DataColumn &column, std::string_view bytes, const CellFormat &format)
{
    std::string text;
    AppendDecodedCell(column, bytes, format, text);
    return text;
}

bool IsCellFlagged(const DataColumn &column, std::string_view bytes, const CellFormat &format)
{
    if (column.hex)
        return false;
    if (column.usage == Usage::Display) {
        if (column.display.alphanumeric)
            return false;
        if (plainFormat(format))
            return !ReadDisplayNumber(bytes, column.display);
        return !ReadDisplayNumber(numericCharacters(column, bytes, format), column.display);
    }
    std::string ignored;
    return AppendDecodedCell(column, bytes, format, ignored);
}

namespace {

bool isNanText(std::string_view text)
{
    return text == "nan" || text == "-nan" || text == "+nan";
}

// The bytes that show as exactly this text, when there are such bytes: the
// text itself for a display item, the number it reads as, however many
// digits, for a binary or packed one.
std::optional<std::string> bytesShownAs(const DataColumn &column, std::string_view text, const CellFormat &format)
{
    std::optional<std::string> bytes;
    if (column.hex) {
        bytes = bytesOfHex(text, column.size);
    } else {
        switch (column.usage) {
        case Usage::Binary:
            if (column.comp) {
                CompPic pic = column.comp.value();
                pic.native = true;
                if (Result<std::string> b = TextToComp(text, pic, column.size, ColumnOrder(column, format)))
                    bytes = std::move(b).value();
            }
            break;
        case Usage::Packed:
            if (column.packed) {
                PackedPic pic = column.packed.value();
                pic.declaredDigits = pic.digits;
                // A signed field's text without a sign was read from an F nibble.
                if (pic.isSigned && text.find_first_of("+-") == std::string_view::npos)
                    pic.isSigned = false;
                if (Result<std::string> b = TextToPacked(text, pic); b && b.value().size() == column.size)
                    bytes = std::move(b).value();
            }
            break;
        case Usage::Float4:
        case Usage::Float8:
            if (Result<std::string> b = TextToFloat(text, column.size, format.format().floats, ColumnOrder(column, format)))
                bytes = std::move(b).value();
            break;
        default:
            if (text.size() == column.size) {
                bytes = format.encodeText(text);
                // A zoned field's sign digit reads the same in more than one
                // form (C and F zones); the text gives no way to tell which.
            }
            break;
        }
    }
    if (bytes && DecodeCell(column, *bytes, format) != text)
        bytes.reset();
    if (bytes && (column.usage == Usage::Float4 || column.usage == Usage::Float8) && !column.hex && isNanText(text))
        bytes.reset();
    return bytes;
}

const Error &invalidHex()
{
    static const Error error{"Invalid hexadecimal"};
    return error;
}

} // namespace

Result<std::string> EncodeCell(const DataColumn &column, std::string_view text, const CellFormat &format,
                               CellSource source)
{
    if (source == CellSource::Shown) {
        if (std::optional<std::string> bytes = bytesShownAs(column, text, format))
            return std::move(*bytes);
        // "nan" is shown for every NaN, whatever its sign and payload bits:
        // the text does not give the bytes back.
        if ((column.usage == Usage::Float4 || column.usage == Usage::Float8) && !column.hex && isNanText(text))
            return Error{"A NaN's bytes cannot be told from its text"};
    }
    if (column.hex) {
        if (text.empty())
            return std::string(column.size, '\0');
        std::optional<std::string> bytes = bytesOfHex(text, column.size);
        if (!bytes)
            return invalidHex();
        return std::move(*bytes);
    }
    switch (column.usage) {
    case Usage::Binary:
        if (!column.comp)
            return Error{column.comp.error()};
        return TextToComp(text, column.comp.value(), column.size, ColumnOrder(column, format));
    case Usage::Packed: {
        if (!column.packed)
            return Error{column.packed.error()};
        Result<std::string> bytes = TextToPacked(withoutPadding(text), column.packed.value());
        if (bytes && bytes.value().size() != column.size)
            return doesNotFit();
        return bytes;
    }
    case Usage::Float4:
    case Usage::Float8:
        return TextToFloat(text, column.size, format.format().floats, ColumnOrder(column, format));
    default:
        break;
    }
    if (column.display.alphanumeric || !column.display.numeric) {
        std::string bytes = FormatField(text, column.display, static_cast<int>(column.size), FieldMode::File);
        if (bytes.size() != column.size)
            return doesNotFit();
        return format.encodeText(bytes);
    }
    // A text in an edited picture's own form is what the field holds.
    const NumericPicture &pic = *column.display.numeric;
    if (pic.edited() && text.size() == column.size &&
        pic.deEdit(text, column.display.options.blankWhenZero))
        return format.encodeText(text);
    const DecimalNumber typed = ParseTypedNumber(text, column.display);
    const std::optional<std::string> bytes = WriteDisplayNumber(typed, column.display);
    if (!bytes || bytes->size() != column.size)
        return doesNotFit();
    // The field must read back as the typed value: editing by a picture with
    // its sign where nothing can show it would otherwise drop the sign.
    if (const std::optional<DecimalNumber> stored = ReadDisplayNumber(*bytes, column.display);
        stored && !(stored->normalized() == typed.normalized()))
        return doesNotFit();
    if (column.display.zoned())
        return format.zonedBytes(*bytes, column.display.signDigitIndex(bytes->size()));
    return format.encodeText(*bytes);
}

Result<std::string> CellBytes(const DataColumn &column, std::string_view text, const CellFormat &format,
                              CellSource source)
{
    if (source == CellSource::Shown) {
        if (std::optional<std::string> bytes = bytesShownAs(column, text, format))
            return std::move(*bytes);
    }
    const bool ownChecks = column.hex || column.usage == Usage::Float4 || column.usage == Usage::Float8;
    if (!text.empty() && !ownChecks) {
        std::string picture = column.picture.empty() ? "S9(18)" : column.picture;
        if (column.usage == Usage::Binary && column.comp && column.comp.value().native && !column.picture.empty()) {
            // COMP-5 holds what its bytes hold: only the bytes limit the digits.
            const CompPic &comp = column.comp.value();
            picture = std::string(comp.isSigned ? "S" : "") + "9(" + std::to_string(MaxCompDigits - comp.decimals) + ")" +
                      (comp.decimals > 0 ? "V9(" + std::to_string(comp.decimals) + ")" : "");
        }
        std::string complaint = ValidateField(text, picture);
        if (!complaint.empty())
            return Error{std::move(complaint)};
    }
    Result<std::string> bytes = EncodeCell(column, text, format);
    if (!bytes)
        return Error{" cannot be stored: " + bytes.error()};
    return bytes;
}

std::string CheckCell(const DataColumn &column, std::string_view text, const CellFormat &format, CellSource source)
{
    const Result<std::string> bytes = CellBytes(column, text, format, source);
    return bytes ? std::string() : bytes.error();
}

} // namespace norvane
