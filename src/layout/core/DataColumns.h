#pragma once

#include "common/core/Result.h"
#include "layout/core/CellCheck.h"
#include "layout/core/CellFormat.h"
#include "layout/core/CompField.h"
#include "layout/core/DisplayField.h"
#include "layout/core/LayoutTable.h"
#include "layout/core/PackDec.h"
#include "layout/core/RecordIndex.h"
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
    // Bytes no item shows (the rest of a longer redefinition, slack before a
    // synchronized item): a column of their own, so that they are seen and
    // written back as they are.
    bool uncovered = false;
    // Binary in the machine's own byte order, holding its bytes' whole range
    // (COMP-5, BINARY-LONG ...).
    bool native = false;
    // An item the grid cannot show as a value (POINTER, INDEX, national):
    // its bytes in hexadecimal, read-only in the grid.
    bool hex = false;
    // The usage as the layout names it ("COMP-5", "POINTER" ...), for the
    // record's field list.
    std::string usageText;
    // An occurrence of a table that OCCURS ... DEPENDING ON a counter: the
    // counter's column and this column's occurrence number in the table.
    // A record whose counter says fewer occurrences has no such cell.
    struct Depending {
        std::size_t counter = 0;
        std::int64_t occurrence = 0;
    };
    std::optional<Depending> depending;
};

// The grid's columns for a layout built in data mode: one per elementary row,
// in layout order, headed by the name and, inside occurring groups or for an
// occurring item, the occurrence numbers from the outermost inwards
// ("TABLE-ENTRY (3)", "QTY (2,1)"). Bytes of the record that no column would
// show get a column of their own, headed "(bytes 5-8)" with picture X(4).
// Floating-point items (COMP-1, COMP-2) are shown as numbers, SIGN SEPARATE
// items with their sign; pointers, indexes and national items as hexadecimal.
// Items of a usage the layout cannot size are refused with a message naming
// the item; so is a layout with an entry a compiler rejects, and a layout
// without elementary items.
[[nodiscard]] Result<std::vector<DataColumn>> BuildDataHeaders(const LayoutTable &table);

// The number of records in a file of fileSize bytes, or kLengthNotMultiple.
[[nodiscard]] Result<std::size_t> RecordCount(std::size_t fileSize, std::size_t recordLength);

// The grid's text of a field's bytes: display items edited by their picture,
// binary items in the given byte order padded to 4, 9 or 18 digits (more when
// the bytes hold more) and edited, packed items as the codec reads them.
// Bytes a numeric display item cannot hold as a value (spaces, letters) are
// shown as they stand; bytes the packed codec cannot read show its message.
// Text and zoned fields are read in the format's encoding and sign
// convention; binary and floating-point fields in its byte orders.
[[nodiscard]] std::string DecodeCell(const DataColumn &column, std::string_view bytes, const CellFormat &format);
// The same, appended to out, for callers decoding many cells. Returns whether
// the cell is flagged (see IsCellFlagged).
bool AppendDecodedCell(const DataColumn &column, std::string_view bytes, const CellFormat &format, std::string &out);
// Whether a field's bytes are not a value its picture can take: a numeric
// display item's bytes shown as they stand, packed bytes the codec cannot
// read, a binary or packed number with more digits than its picture. Such a
// cell is marked in the grid and written back as it was unless it is edited.
[[nodiscard]] bool IsCellFlagged(const DataColumn &column, std::string_view bytes, const CellFormat &format);
// The field's bytes as hexadecimal digits, two a byte: "00FF".
[[nodiscard]] std::string HexText(std::string_view bytes);

// Where a cell's text comes from. Typed text is a value to store and must
// suit the picture. Shown text is a field's text as the grid showed it (the
// command line's CSV): when it is exactly what some bytes of the field are
// shown as, those bytes are stored, so that a round trip changes nothing
// even for fields that hold what their picture does not allow.
enum class CellSource { Typed, Shown };

// The field's bytes (exactly column.size of them) for a cell's text, or the
// reason it cannot be stored: a codec's message, or "Value does not fit the
// field" when the value would be cut or changed. Typed text should have
// passed ValidateField (CellBytes checks both).
[[nodiscard]] Result<std::string> EncodeCell(const DataColumn &column, std::string_view text, const CellFormat &format,
                                             CellSource source = CellSource::Typed);

// ValidateField and EncodeCell together: the bytes, or the complaint for the
// cell's text as it follows the header (" has too many decimal digits",
// " cannot be stored: Invalid value"). Empty text stands for zero or spaces.
[[nodiscard]] Result<std::string> CellBytes(const DataColumn &column, std::string_view text, const CellFormat &format,
                                            CellSource source = CellSource::Typed);
// CellBytes' complaint, or empty when the text can be stored.
[[nodiscard]] std::string CheckCell(const DataColumn &column, std::string_view text, const CellFormat &format,
                                    CellSource source = CellSource::Typed);

// The byte order a binary or floating-point column is stored in.
[[nodiscard]] ByteOrder ColumnOrder(const DataColumn &column, const CellFormat &format);
[[nodiscard]] ByteOrder ColumnOrder(const DataColumn &column, const DataFormat &format);

} // namespace norvane
