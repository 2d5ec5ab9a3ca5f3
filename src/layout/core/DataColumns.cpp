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
    return bytes <= 2 ? 4 : bytes <= 4 ? 9 : 18;
}

// A number's sign and significant digits, to tell whether stored bytes still
// hold the value that was typed.
struct Magnitude {
    bool negative = false;
    std::string integer;
    std::string decimals;

    friend bool operator==(const Magnitude &, const Magnitude &) = default;
};

Magnitude magnitudeOf(std::string_view text)
{
    Magnitude m;
    bool point = false;
    for (const char c : text) {
        char digit = '\0';
        if (c >= '0' && c <= '9') {
            digit = c;
        } else if (c == '-') {
            m.negative = true;
        } else if (c == '.') {
            point = true;
        }
        if (digit == '\0')
            continue;
        if (point)
            m.decimals += digit;
        else if (!m.integer.empty() || digit != '0')
            m.integer += digit;
    }
    while (!m.decimals.empty() && m.decimals.back() == '0')
        m.decimals.pop_back();
    if (m.integer.empty() && m.decimals.empty())
        m.negative = false; // minus zero is zero
    return m;
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

const Error &doesNotFit()
{
    static const Error error{"Value does not fit the field"};
    return error;
}

} // namespace

Result<std::vector<DataColumn>> BuildDataHeaders(const LayoutTable &table)
{
    std::vector<DataColumn> columns;
    std::vector<OpenOccurrence> open;
    const auto recordLength = static_cast<std::size_t>(std::max<std::int64_t>(table.RecData.RecordLength, 0));
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
        if (row.pic.empty())
            return Error{row.message.empty() ? row.field + " has no PIC clause" : row.message};
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
        column.display = AnalyzeDisplayPicture(row.pic);
        if (row.usage == Usage::Binary)
            column.comp = ParseCompPic(row.pic);
        else if (row.usage == Usage::Packed)
            column.packed = ParsePackedPic(row.pic);
        columns.push_back(std::move(column));
    }
    if (columns.empty())
        return Error{"The record definition has no elementary items"};
    return columns;
}

Result<std::size_t> RecordCount(std::size_t fileSize, std::size_t recordLength)
{
    if (recordLength == 0 || fileSize % recordLength != 0)
        return Error{std::string(kLengthNotMultiple)};
    return fileSize / recordLength;
}

void AppendDecodedCell(const DataColumn &column, std::string_view bytes, ByteOrder order, std::string &out)
{
    switch (column.usage) {
    case Usage::Binary: {
        if (!column.comp) {
            out += column.comp.error();
            return;
        }
        const Result<std::string> number = CompToText(bytes, column.comp.value(), order);
        if (!number) {
            out += number.error();
            return;
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
        return;
    }
    case Usage::Packed: {
        if (!column.packed) {
            out += column.packed.error();
            return;
        }
        const Result<std::string> text = PackedToText(bytes, column.packed.value());
        out += text ? text.value() : text.error();
        return;
    }
    default:
        out += FormatField(bytes, column.display, static_cast<int>(bytes.size()), FieldMode::Grid);
        return;
    }
}

std::string DecodeCell(const DataColumn &column, std::string_view bytes, ByteOrder order)
{
    std::string text;
    AppendDecodedCell(column, bytes, order, text);
    return text;
}

Result<std::string> EncodeCell(const DataColumn &column, std::string_view text, ByteOrder order)
{
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
    std::string bytes = FormatField(text, column.display, static_cast<int>(column.size), FieldMode::File);
    if (bytes.size() != column.size)
        return doesNotFit();
    // The editing drops digits that find no place; refuse rather than store a
    // different number than the one typed.
    if (!column.display.alphanumeric && !text.empty()) {
        const std::string shown = FormatField(bytes, column.display, static_cast<int>(column.size), FieldMode::Grid);
        if (!(magnitudeOf(text) == magnitudeOf(shown)))
            return doesNotFit();
    }
    return bytes;
}

std::string CheckCell(const DataColumn &column, std::string_view text, ByteOrder order)
{
    if (text.empty())
        return {};
    std::string complaint = ValidateField(text, column.picture);
    if (!complaint.empty())
        return complaint;
    const Result<std::string> bytes = EncodeCell(column, text, order);
    if (!bytes)
        return " cannot be stored: " + bytes.error();
    return {};
}

} // namespace norvane
