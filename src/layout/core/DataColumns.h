#pragma once

#include "common/core/Result.h"
#include "layout/core/CellCheck.h"
#include "layout/core/CompField.h"
#include "layout/core/DisplayField.h"
#include "layout/core/LayoutTable.h"
#include "layout/core/PackDec.h"
#include "layout/core/Usage.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// One column of the data grid: an elementary item of the record, with what it
// takes to turn its bytes into the grid's text and back. The pictures are
// parsed once here, so a column of a million records is converted without
// reading its picture again.
struct DataColumn {
    std::string header;  // the name, with its subscripts: "QTY (2,1)"
    std::string picture; // as the layout has it (upper case)
    Usage usage = Usage::Display;
    std::size_t offset = 0; // 0-based within the record
    std::size_t size = 0;   // bytes

    DisplayPicture display;     // display items
    Result<CompPic> comp{CompPic{}};     // binary items: the picture, or why it is unusable
    Result<PackedPic> packed{PackedPic{}}; // packed items
};

// The grid's columns for a layout built in data mode: one per elementary row,
// in layout order, headed by the name and, inside occurring groups or for an
// occurring item, the occurrence numbers from the outermost inwards
// ("TABLE-ENTRY (3)", "QTY (2,1)"). Floating-point items (COMP-1, COMP-2),
// items of a usage the layout cannot size and SIGN SEPARATE items are refused
// with a message naming the item; so is a layout without elementary items.
[[nodiscard]] Result<std::vector<DataColumn>> BuildDataHeaders(const LayoutTable &table);

inline constexpr std::string_view kLengthNotMultiple = "This file's length is not a multiple of the record length";

// The number of records in a file of fileSize bytes, or kLengthNotMultiple.
[[nodiscard]] Result<std::size_t> RecordCount(std::size_t fileSize, std::size_t recordLength);

// The grid's text of a field's bytes: display items edited by their picture,
// binary items in the given byte order padded to 4, 9 or 18 digits (more when
// the bytes hold more) and edited, packed items as the codec reads them. Bytes
// the codecs cannot read show the codec's message instead.
[[nodiscard]] std::string DecodeCell(const DataColumn &column, std::string_view bytes, ByteOrder order);
// The same, appended to out, for callers decoding many cells.
void AppendDecodedCell(const DataColumn &column, std::string_view bytes, ByteOrder order, std::string &out);

// The field's bytes (exactly column.size of them) for a cell's text that has
// passed ValidateField, or the reason it cannot be stored: a codec's message,
// or "Value does not fit the field" when the value would be cut or changed.
[[nodiscard]] Result<std::string> EncodeCell(const DataColumn &column, std::string_view text, ByteOrder order);

// ValidateField and EncodeCell together: the complaint for a cell's text as it
// follows the header (" has too many decimal digits", " cannot be stored:
// Invalid value"), or empty when the text can be saved. Empty text passes.
[[nodiscard]] std::string CheckCell(const DataColumn &column, std::string_view text, ByteOrder order);

} // namespace norvane
