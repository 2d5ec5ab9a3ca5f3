#include "layout/core/DataColumns.h"

#include <algorithm>
#include <utility>

namespace norvane {

namespace {

struct OpenOccurrence {
    int level;
    std::int64_t occurrence;
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
    const auto recordLength = static_cast<std::size_t>(std::max<std::int64_t>(table.RecData.RecordLength, 0));
    std::size_t covered = 0; // bytes from the record's start that columns show
    for (const LayoutRow &row : table.rows) {
        // An item ends every occurring group at its level or deeper, item or group.
        while (!open.empty() && open.back().level >= row.levelNumber)
            open.pop_back();
        if (!row.elementary) {
            if (row.occurrence != 0)
                open.push_back({row.levelNumber, row.occurrence});
            continue;
        }
        if (row.usage == Usage::Float4 || row.usage == Usage::Float8)
            return Error{row.field + " is " + std::string(UsageText(row.usage)) +
                         " (floating point), which the data editor cannot show"};
        if (row.usage == Usage::Pointer || row.usage == Usage::Index)
            return Error{row.field + " is " + row.usageName + ", which the data editor cannot show"};
        const bool nativeBinary = row.usage == Usage::Binary && row.usageBytes > 0 && row.pic.empty();
        if (row.pic.empty() && !nativeBinary)
            return Error{row.message.empty() ? row.field + " has no PIC clause" : row.message};
        if (row.pic.find('N') != std::string::npos && row.pic.find_first_of("XA") == std::string::npos)
            return Error{row.field + " is national (PIC N), which the data editor cannot show"};
        if (row.signSeparate && row.usage == Usage::Display &&
            row.pic.find('S') != std::string::npos)
            return Error{row.field + " has SIGN SEPARATE, which the data editor cannot show"};
        if (row.offset < 1 || row.size < 1 ||
            static_cast<std::size_t>(row.offset - 1 + row.size) > recordLength)
            return Error{row.field + " lies outside the record"};

        DataColumn column;
        column.header = headerFor(row, open);
        column.picture = row.pic;
        column.usage = row.usage;
        column.offset = static_cast<std::size_t>(row.offset - 1);
        column.size = static_cast<std::size_t>(row.size);
        DisplayOptions options;
        options.signPosition = row.signLeading ? SignPosition::Leading : SignPosition::Trailing;
        options.blankWhenZero = row.blankWhenZero;
        if (nativeBinary) {
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
            if (row.usage == Usage::Binary)
                column.comp = ParseCompPic(row.pic);
            else if (row.usage == Usage::Packed)
                column.packed = ParsePackedPic(row.pic);
        }
        if (column.offset > covered)
            columns.push_back(uncoveredColumn(covered, column.offset));
        covered = std::max(covered, column.offset + column.size);
        columns.push_back(std::move(column));
    }
    if (columns.empty())
        return Error{"The record definition has no elementary items"};
    if (covered < recordLength)
        columns.push_back(uncoveredColumn(covered, recordLength));
    return columns;
}

Result<std::size_t> RecordCount(std::size_t fileSize, std::size_t recordLength)
{
    if (recordLength == 0 || fileSize % recordLength != 0)
        return Error{std::string(kLengthNotMultiple)};
    return fileSize / recordLength;
}

bool AppendDecodedCell(const DataColumn &column, std::string_view bytes, ByteOrder order, std::string &out)
{
    switch (column.usage) {
    case Usage::Binary: {
        if (!column.comp) {
            out += column.comp.error();
            return true;
        }
        const Result<std::string> number = CompToText(bytes, column.comp.value(), order);
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
    default:
        break;
    }
    if (column.display.alphanumeric) {
        out += bytes;
        return false;
    }
    if (!ReadDisplayNumber(bytes, column.display)) {
        out += bytes; // as it stands: the field holds no value of its picture
        return true;
    }
    out += FormatField(bytes, column.display, static_cast<int>(bytes.size()), FieldMode::Grid);
    return false;
}

std::string DecodeCell(const DataColumn &column, std::string_view bytes, ByteOrder order)
{
    std::string text;
    AppendDecodedCell(column, bytes, order, text);
    return text;
}

bool IsCellFlagged(const DataColumn &column, std::string_view bytes, ByteOrder order)
{
    if (column.usage == Usage::Display)
        return !column.display.alphanumeric && !ReadDisplayNumber(bytes, column.display);
    std::string ignored;
    return AppendDecodedCell(column, bytes, order, ignored);
}

namespace {

// The bytes that show as exactly this text, when there are such bytes: the
// text itself for a display item, the number it reads as, however many
// digits, for a binary or packed one.
std::optional<std::string> bytesShownAs(const DataColumn &column, std::string_view text, ByteOrder order)
{
    std::optional<std::string> bytes;
    switch (column.usage) {
    case Usage::Binary:
        if (column.comp) {
            CompPic pic = column.comp.value();
            pic.native = true;
            if (Result<std::string> b = TextToComp(text, pic, column.size, order))
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
    default:
        if (text.size() == column.size)
            bytes = std::string(text);
        break;
    }
    if (bytes && DecodeCell(column, *bytes, order) != text)
        bytes.reset();
    return bytes;
}

} // namespace

Result<std::string> EncodeCell(const DataColumn &column, std::string_view text, ByteOrder order, CellSource source)
{
    if (source == CellSource::Shown) {
        if (std::optional<std::string> bytes = bytesShownAs(column, text, order))
            return std::move(*bytes);
    }
    switch (column.usage) {
    case Usage::Binary:
        if (!column.comp)
            return Error{column.comp.error()};
        return TextToComp(text, column.comp.value(), column.size, order);
    case Usage::Packed: {
        if (!column.packed)
            return Error{column.packed.error()};
        Result<std::string> bytes = TextToPacked(withoutPadding(text), column.packed.value());
        if (bytes && bytes.value().size() != column.size)
            return doesNotFit();
        return bytes;
    }
    default:
        break;
    }
    if (column.display.alphanumeric || !column.display.numeric) {
        std::string bytes = FormatField(text, column.display, static_cast<int>(column.size), FieldMode::File);
        if (bytes.size() != column.size)
            return doesNotFit();
        return bytes;
    }
    // A text in an edited picture's own form is what the field holds.
    const NumericPicture &pic = *column.display.numeric;
    if (pic.edited() && pic.showsValue() && text.size() == column.size &&
        pic.deEdit(text, column.display.options.blankWhenZero))
        return std::string(text);
    const DecimalNumber typed = ParseTypedNumber(text, column.display);
    const std::optional<std::string> bytes = WriteDisplayNumber(typed, column.display);
    if (!bytes || bytes->size() != column.size)
        return doesNotFit();
    // The field must read back as the typed value: editing by a picture with
    // its sign where nothing can show it would otherwise drop the sign.
    if (const std::optional<DecimalNumber> stored = ReadDisplayNumber(*bytes, column.display);
        stored && !(stored->normalized() == typed.normalized()))
        return doesNotFit();
    return *bytes;
}

Result<std::string> CellBytes(const DataColumn &column, std::string_view text, ByteOrder order, CellSource source)
{
    if (source == CellSource::Shown) {
        if (std::optional<std::string> bytes = bytesShownAs(column, text, order))
            return std::move(*bytes);
    }
    if (!text.empty()) {
        std::string complaint = ValidateField(text, column.picture.empty() ? "S9(18)" : column.picture);
        if (!complaint.empty())
            return Error{std::move(complaint)};
    }
    Result<std::string> bytes = EncodeCell(column, text, order);
    if (!bytes)
        return Error{" cannot be stored: " + bytes.error()};
    return bytes;
}

std::string CheckCell(const DataColumn &column, std::string_view text, ByteOrder order, CellSource source)
{
    const Result<std::string> bytes = CellBytes(column, text, order, source);
    return bytes ? std::string() : bytes.error();
}

} // namespace norvane
