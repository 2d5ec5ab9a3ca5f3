#pragma once

#include "structure/core/StructureTree.h"

#include <span>
#include <string>
#include <string_view>

namespace norvane {

// The two tree options of the settings.
struct StructureOptions {
    bool Pic01ShowOption = false;   // show 01 levels that carry a PIC clause (cut before it)
    bool ShowPerformOption = false; // show the targets of PERFORM statements
};

// Scans fixed-format COBOL source into the structure tree: divisions, sections,
// paragraphs, 01-level records and, when asked for, performed items. A
// column-based recogniser in one forward pass; it does not parse COBOL and
// never fails, unrecognised lines are skipped. Keywords count in any letter
// case; a tab advances to the next multiple of 8 columns.
//
// The text is 8-bit, its lines ended by carriage returns, line feeds or both,
// as a file holds them: the scan reads it in place, line by line.
[[nodiscard]] StructureTree scanStructure(std::string_view text, const StructureOptions &options);
// The same over lines without their line breaks.
[[nodiscard]] StructureTree scanStructure(std::span<const std::string> lines, const StructureOptions &options);

} // namespace norvane
