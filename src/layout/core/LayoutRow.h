#pragma once

#include "layout/core/Usage.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace norvane {

// The columns of the layout table, in order, with their titles.
enum LayoutColumn { LevelColumn, FieldColumn, PicColumn, UsageColumn, OccurenceColumn, OffsetColumn, RedefinesColumn };
inline constexpr int kLayoutColumnCount = 7;
inline constexpr std::array<std::string_view, kLayoutColumnCount> kLayoutTitles = {
    "Level", "Field", "Pic", "Usage", "Occurence", "Offset", "Redefines",
};

// One row of the layout table: a data item, or one occurrence of it. Besides
// the seven cells it keeps what the offsets and the data editor need as values.
struct LayoutRow {
    std::string level; // as written
    int levelNumber = 0;
    std::string field;
    std::string pic; // upper-cased picture; empty for a group
    Usage usage = Usage::Display;
    std::int64_t occurrence = 0; // this row's occurrence number, 0 for none
    std::int64_t offset = 0;     // 1-based byte position in the record
    std::string redefines;       // the redefined item's name, or empty

    bool elementary = false;
    bool signSeparate = false;
    bool signLeading = false;
    bool blankWhenZero = false;
    // The usage word when it names more than the Usage column's few texts
    // (BINARY-LONG, POINTER ...), as the column shows it.
    std::string usageName;
    int usageBytes = 0; // bytes the usage alone fixes, 0 when the picture decides
    bool usageUnsigned = false;
    bool nativeBinary = false; // COMP-5, BINARY-LONG ...: the machine's byte order, the bytes' whole range
    // OCCURS ... DEPENDING ON: the counter's name, on each occurrence of the
    // occurring item or group.
    std::string dependingOn;
    bool synchronized = false;
    // A further level-01 record: it shares the storage of the record before it,
    // as the records of one file do.
    bool recordRedefinition = false;
    // Data mode: a redefinition the data grid leaves out. It is kept until the
    // offsets are laid out, so that a longer redefinition still takes its room.
    bool hidden = false;
    // Bytes: of one elementary item, or spanned by a group's items.
    std::int64_t size = 0;
    // The complaint about this row's picture or usage, if any.
    std::string message;
    // A compiler rejects the entry: its size is a guess, and the data editor
    // refuses the layout.
    bool rejected = false;

    // The text of a column as the table shows it.
    [[nodiscard]] std::string cell(int column) const;
};

} // namespace norvane
