#pragma once

#include "structure/core/StructureTree.h"

#include <string>

namespace norvane {

// The tree as text, one line per node in tree order: the 1-based source line, a
// tab, the depth (0 to 3), a tab, the node's caption, a line feed.
[[nodiscard]] std::string treeListing(const StructureTree &tree);

} // namespace norvane
