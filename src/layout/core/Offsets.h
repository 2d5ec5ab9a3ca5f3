#pragma once

#include "layout/core/LayoutRow.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// The layout totals of a layout or data window.
struct TRecData {
    std::int64_t NextOffset = 1;   // 1-based position of the next free byte
    std::int64_t RecordLength = 0; // NextOffset - 1 once laid out
};

inline constexpr std::string_view kRedefinesUnselected = "Redefines found for unselected field";

// Gives every row its 1-based offset, and every group row the bytes its items
// span, and sets the totals. Items follow one another; a redefinition starts
// at the redefined item (the nearest earlier row of its level) and the layout
// goes on after the longer of the two; a SYNCHRONIZED binary or float item starts
// on a multiple of its size from the record's start. Returns the last complaint
// raised by a row or a redefinition without its redefined item, empty when none.
[[nodiscard]] std::string ComputeOffsets(std::vector<LayoutRow> &rows, TRecData &recData);

} // namespace norvane
