#pragma once

#include "editing/core/LineRule.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// Applies a block command's per-line rule to the lines of a selection, exactly
// as selected: a selection that starts inside a line makes the rest of that line
// the block's first line, its columns counted from the selection start; the part
// of the last line up to the selection end is the block's last line (nothing
// when the selection ends right after a line break). Text outside the selection
// never changes, so the selection keeps its start and only its length moves.

// The selected text after a command, and the change of the selection's length.
struct TransformedText {
    std::string text; // line breaks kept as they were
    std::ptrdiff_t lengthChange = 0;
};

// Works on the selected text itself; carriage return, line feed and the pair
// each end a line.
[[nodiscard]] TransformedText TransformSelectedLines(std::string_view selectedText, BlockEdit edit,
                                                     int indentLength);

// One line's change in the editor's lines.
struct BlockLineEdit {
    std::size_t line = 0; // index into the lines given
    LineSplice splice;    // offset counted from the start of that whole line

    friend bool operator==(const BlockLineEdit &, const BlockLineEdit &) = default;
};

struct BlockEditPlan {
    std::vector<BlockLineEdit> edits; // in line order, at most one per line
    std::ptrdiff_t lengthChange = 0;  // of the selection, in editor positions
};

// Works on the editor's whole lines from the one holding the selection start
// (startColumn = the start's offset in lines.front()) to the one holding its end
// (endColumn = the end's offset in lines.back()), so an editor can make just the
// small changes instead of replacing the whole selection. Columns beyond a
// line's end are taken as its end.
[[nodiscard]] BlockEditPlan planSelectedLines(std::span<const std::string> lines, std::size_t startColumn,
                                              std::size_t endColumn, BlockEdit edit, int indentLength);

// The lines with the plan's changes made.
[[nodiscard]] std::vector<std::string> applyBlockEditPlan(std::span<const std::string> lines,
                                                          const BlockEditPlan &plan);

} // namespace norvane
