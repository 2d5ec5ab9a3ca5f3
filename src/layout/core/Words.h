#pragma once

#include "common/core/Result.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace norvane {

// COBOL ignores letter case in words and pictures; these compare and convert
// ASCII letters only, leaving the other bytes of 8-bit text alone.
[[nodiscard]] bool EqualsKeyword(std::string_view word, std::string_view upperKeyword);
[[nodiscard]] bool StartsWithKeyword(std::string_view word, std::string_view upperPrefix);
[[nodiscard]] std::string ToUpperAscii(std::string_view text);

// A count written in the source (a repeat count, an occurrence count): decimal
// digits only, at most 2147483647. Anything else is the conversion error
// "'<text>' is not a valid integer value".
[[nodiscard]] Result<std::int64_t> ToCount(std::string_view text);

} // namespace norvane
