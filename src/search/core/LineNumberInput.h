#pragma once

#include "common/core/Result.h"

#include <string_view>

namespace norvane {

// The line index (from 0) that an answer to "Line number:" names, in a text of
// lineCount lines. The answer holds decimal digits only and counts lines from 1;
// anything else is refused with the message to show. An empty answer is the
// caller's to handle (it ends the command silently).
[[nodiscard]] Result<int> lineIndexFromInput(std::string_view answer, int lineCount);

} // namespace norvane
