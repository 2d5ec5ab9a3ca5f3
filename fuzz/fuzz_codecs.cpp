// The field codecs: binary and packed fields both ways, display editing, and
// a whole grid column: decoded bytes, the cell checks, encoding of checked
// text. A value is never changed on the way: what a codec stores reads back
// as the same number, and text that passed the checks stores in the field's
// own size.

#include "FuzzSupport.h"
#include "KnownFaults.h"
#include "NumberText.h"

#include "document/core/SourceText.h"
#include "layout/core/DataColumns.h"
#include "layout/core/LayoutTable.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

using namespace norvane;
using fuzz::numberOf;
using fuzz::printable;

namespace {

void checkBinary(const CompPic &pic, const std::string &bytes, const std::string &text, ByteOrder order)
{
    // Bytes read as the integer they hold, two's complement when signed.
    if (!bytes.empty() && bytes.size() <= 8) {
        const Result<std::string> shown = CompToText(bytes, pic, order);
        FUZZ_CHECK(shown.ok());
        std::uint64_t pattern = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            pattern = pattern << 8 | static_cast<unsigned char>(bytes[order == ByteOrder::BigEndian ? i : bytes.size() - 1 - i]);
        const unsigned bits = static_cast<unsigned>(8 * bytes.size());
        const bool negative = pic.isSigned && (pattern >> (bits - 1) & 1u);
        std::uint64_t magnitude = pattern;
        if (negative)
            magnitude = (bits < 64 ? (std::uint64_t{1} << bits) : 0) - pattern;
        FUZZ_CHECK_MSG(shown.value() == (negative ? "-" : "") + std::to_string(magnitude), shown.value());
    }
    // Text stored and read back is the same number, scaled by the decimals.
    const std::size_t byteCount = 1 + text.size() % 8;
    const Result<std::string> stored = TextToComp(text, pic, byteCount, order);
    if (!stored)
        return;
    FUZZ_CHECK(stored.value().size() == byteCount);
    const Result<std::string> back = CompToText(stored.value(), pic, order);
    FUZZ_CHECK(back.ok());
    const fuzz::NumberText typed = numberOf(text);
    FUZZ_CHECK(typed.decimals.size() <= static_cast<std::size_t>(pic.decimals));
    const fuzz::NumberText read = numberOf(back.value());
    FUZZ_CHECK_MSG(read.integer == typed.scaled(static_cast<std::size_t>(pic.decimals)) && read.negative == typed.negative,
                   printable(text) + " stored as " + back.value());
}

void checkPacked(const PackedPic &pic, const std::string &bytes, const std::string &text)
{
    if (const Result<std::string> shown = PackedToText(bytes, pic); shown && bytes.size() == static_cast<std::size_t>(pic.byteCount())) {
        // Within the picture's digits, the shown text stores back to the same
        // bytes; a signed field's F sign becomes C.
        std::string expected = bytes;
        if (pic.isSigned && (expected.back() & 0xF) == 0xF)
            expected.back() = static_cast<char>((expected.back() & 0xF0) | 0xC);
        const Result<std::string> again = TextToPacked(shown.value(), pic);
        const std::size_t pad = static_cast<std::size_t>(pic.digits - pic.declaredDigits);
        if (pad == 0 || (static_cast<unsigned char>(bytes.front()) >> 4) == 0) {
            FUZZ_CHECK_MSG(again.ok() && again.value() == expected, shown.value());
        }
    }
    const Result<std::string> stored = TextToPacked(text, pic);
    if (!stored)
        return;
    FUZZ_CHECK(stored.value().size() == static_cast<std::size_t>(pic.byteCount()));
    const Result<std::string> back = PackedToText(stored.value(), pic);
    FUZZ_CHECK(back.ok());
    FUZZ_CHECK_MSG(numberOf(back.value()) == numberOf(text), printable(text) + " stored as " + back.value());
    const Result<std::string> again = TextToPacked(back.value(), pic);
    FUZZ_CHECK(again.ok() && again.value() == stored.value());
}

void checkDisplay(std::string_view picture, const std::string &value, int length)
{
    const DisplayPicture display = AnalyzeDisplayPicture(picture);
    for (const FieldMode mode : {FieldMode::File, FieldMode::Grid}) {
        const std::string text = FormatField(value, display, length, mode);
        FUZZ_CHECK(text == FormatField(value, picture, length, mode));
        if (display.alphanumeric) {
            FUZZ_CHECK(text.size() == std::max<std::size_t>(value.size(), static_cast<std::size_t>(std::max(length, 0))));
            FUZZ_CHECK(text.compare(0, value.size(), value) == 0);
        }
    }
}

// The grid column of a one-field record with the picture and usage.
std::optional<DataColumn> columnFor(const std::string &picture, std::string_view usage)
{
    const std::string copybook = "       01  REC.\n           05  FLD PIC " + picture + " " + std::string(usage) + ".\n";
    const Result<LayoutTable> table = CalcRecordLayout(splitSourceLines(copybook), LayoutMode::Data);
    if (!table)
        return std::nullopt;
    Result<std::vector<DataColumn>> columns = BuildDataHeaders(table.value());
    if (!columns || columns.value().size() != 1 || columns.value().front().size > 4096)
        return std::nullopt;
    return columns.value().front();
}

void checkColumn(const DataColumn &column, std::string bytes, const std::string &text, ByteOrder order)
{
    bytes.resize(column.size, '0');
    const std::string decoded = DecodeCell(column, bytes, order);

    // A field's text as the grid shows it stores back the same bytes, or is
    // refused: a round trip never changes a value silently.
    if (const Result<std::string> back = EncodeCell(column, decoded, order, CellSource::Shown);
        back) {
        FUZZ_CHECK_MSG(back.value() == bytes, printable(bytes) + " in " + column.picture + " shown as " +
                                                  printable(decoded) + " stores back as " + printable(back.value()));
    }

    // Text that passes the checks stores in the field's size and reads back as
    // the same number (or, alphanumeric, the same characters).
    for (const std::string *typed : {&decoded, &text}) {
        if (!CheckCell(column, *typed, order).empty())
            continue;
        const Result<std::string> stored = EncodeCell(column, *typed, order);
        FUZZ_CHECK_MSG(stored && stored.value().size() == column.size, printable(*typed));
        if (typed->empty())
            continue;
        const std::string shown = DecodeCell(column, stored.value(), order);
        if (column.display.alphanumeric && column.usage == Usage::Display) {
            FUZZ_CHECK(stored.value().compare(0, typed->size(), *typed) == 0 || typed->size() > column.size);
        } else if (column.usage == Usage::Display) {
            // Edited text holds insertion characters: compare the values the
            // display codec reads from the bytes and from the typed text.
            // Text already in the field's own form is the value it shows.
            std::optional<DecimalNumber> meant;
            if (typed->size() == column.size && column.display.edited())
                meant = ReadDisplayNumber(*typed, column.display);
            if (!meant)
                meant = ParseTypedNumber(*typed, column.display);
            if (const std::optional<DecimalNumber> value = ReadDisplayNumber(stored.value(), column.display)) {
                FUZZ_CHECK_MSG(value->normalized() == meant->normalized(),
                               printable(*typed) + " in " + column.picture + " reads back as " + printable(shown));
            }
        } else if (!fuzz::floatDigitsHitKnownFault(column)) {
            FUZZ_CHECK_MSG(numberOf(shown) == numberOf(*typed),
                           printable(*typed) + " in " + column.picture + " reads back as " + printable(shown));
        }
        // What reads back stores the same bytes again.
        if (CheckCell(column, shown, order).empty()) {
            const Result<std::string> again = EncodeCell(column, shown, order);
            FUZZ_CHECK_MSG(again && again.value() == stored.value(),
                           printable(*typed) + " in " + column.picture + " reads back as " + printable(shown) +
                               ", which stores differently");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const ByteOrder order = input.ConsumeBool() ? ByteOrder::BigEndian : ByteOrder::LittleEndian;
    static constexpr std::array<std::string_view, 7> usages = {"", "COMP", "COMP-3", "BINARY", "PACKED-DECIMAL",
                                                                "COMP-5", "COMPUTATIONAL-3"};
    const std::string_view usage = usages[input.ConsumeIntegralInRange<std::size_t>(0, usages.size() - 1)];
    const int length = input.ConsumeIntegralInRange(-1, 40);
    const std::string picture = input.ConsumeRandomLengthString(32);
    const std::string text = input.ConsumeRandomLengthString(48);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    if (const Result<CompPic> comp = ParseCompPic(picture))
        checkBinary(comp.value(), bytes, text, order);
    if (const Result<PackedPic> packed = ParsePackedPic(picture))
        checkPacked(packed.value(), bytes, text);
    checkDisplay(picture, text, length);
    checkDisplay(picture, bytes, length);
    (void)ValidateField(text, picture);
    if (const std::optional<DataColumn> column = columnFor(picture, usage))
        checkColumn(*column, bytes, text, order);
    return 0;
}
