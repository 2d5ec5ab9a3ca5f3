#pragma once

#include <optional>
#include <string_view>

namespace norvane {

// How an elementary item is stored. Every standard spelling maps onto one of these.
enum class Usage {
    Display, // zoned decimal or text, one byte per character position
    Binary,  // COMP, COMPUTATIONAL, BINARY, COMP-4, COMP-5
    Packed,  // COMP-3, COMPUTATIONAL-3, PACKED-DECIMAL
    Float4,  // COMP-1: a 4-byte float without a picture
    Float8,  // COMP-2: an 8-byte float without a picture
};

// The usage for a usage word in any letter case, or nothing when the word is
// not one we lay out.
[[nodiscard]] std::optional<Usage> UsageFromWord(std::string_view word);

// True for words that name a usage we cannot lay out (POINTER, INDEX, NATIONAL,
// COMP-X ...), so an entry that uses one is reported rather than sized wrongly.
[[nodiscard]] bool IsUnsupportedUsageWord(std::string_view word);

// The text of the layout's "Usage" column: "", "COMP", "COMP-3", "COMP-1" or "COMP-2".
[[nodiscard]] std::string_view UsageText(Usage usage);

// The bytes of an item whose usage alone fixes its size (the floats), else 0.
[[nodiscard]] int FixedUsageSize(Usage usage);

} // namespace norvane
