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
    Pointer, // POINTER, PROCEDURE-, PROGRAM- and FUNCTION-POINTER: an address
    Index,   // INDEX: an index data item
};

// A usage word's usage, and the bytes an item of it takes when the usage alone
// fixes them (BINARY-LONG 4, POINTER 8 ...; 0 when the picture decides).
struct UsageSpelling {
    Usage usage = Usage::Display;
    int bytes = 0;
    // Binary in the machine's own byte order and never cut to a picture:
    // COMP-5 and BINARY-CHAR ... BINARY-DOUBLE.
    bool native = false;
};

// The usage for a usage word in any letter case, or nothing when the word is
// not one we lay out.
[[nodiscard]] std::optional<Usage> UsageFromWord(std::string_view word);
[[nodiscard]] std::optional<UsageSpelling> UsageSpellingFromWord(std::string_view word);

// True for words that name a usage we cannot lay out (FLOAT-EXTENDED, OBJECT,
// COMP-X ...), so an entry that uses one is reported rather than sized wrongly.
[[nodiscard]] bool IsUnsupportedUsageWord(std::string_view word);

// The text of the layout's "Usage" column: "", "COMP", "COMP-3", "COMP-1",
// "COMP-2", "POINTER" or "INDEX".
[[nodiscard]] std::string_view UsageText(Usage usage);

// The bytes of an item whose usage alone fixes its size (the floats, pointers
// and indexes; the BINARY-CHAR family says its own), else 0.
[[nodiscard]] int FixedUsageSize(Usage usage);

} // namespace norvane
