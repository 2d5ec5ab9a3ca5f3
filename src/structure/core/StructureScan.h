#pragma once

#include "structure/core/StructureTree.h"

#include <span>
#include <string>

namespace norvane {

// The two tree options of the settings.
struct StructureOptions {
    bool Pic01ShowOption = false;   // show 01 levels that carry a PIC clause (cut before it)
    bool ShowPerformOption = false; // show the targets of PERFORM statements
};

// Scans fixed-format COBOL source lines (8-bit text, no line breaks) into the
// structure tree: divisions, sections, paragraphs, 01-level records and, when
// asked for, performed items. A column-based recogniser in one forward pass; it
// does not parse COBOL and never fails, unrecognised lines are skipped.
[[nodiscard]] StructureTree scanStructure(std::span<const std::string> lines, const StructureOptions &options);

} // namespace norvane
