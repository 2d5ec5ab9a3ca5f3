#pragma once

#include "common/core/Result.h"
#include "layout/core/Statements.h"
#include "layout/core/Usage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace norvane {

// The clauses of one data description entry that decide its place and size.
struct DataEntry {
    std::string levelText; // as written: "05", "5"
    int level = 0;
    std::string name;      // FILLER when the entry has no name
    std::string redefines; // the redefined item's name, or empty
    std::string picture;   // as written, empty without PIC/PICTURE
    std::optional<Usage> usage;         // the entry's own USAGE, if it has one
    std::string usageWord;              // the usage as written
    int usageBytes = 0;                 // bytes the usage alone fixes (BINARY-LONG 4 ...)
    bool usageUnsigned = false;         // BINARY-CHAR ... UNSIGNED
    bool usageNative = false;           // COMP-5, BINARY-LONG ...: the machine's byte order
    std::string unsupportedUsage;       // a usage word we cannot lay out
    std::optional<std::int64_t> occurs; // OCCURS n, or the maximum of OCCURS n TO m
    std::string dependingOn;            // OCCURS ... DEPENDING ON: the counter's name
    std::optional<bool> signSeparate;   // SIGN ... [SEPARATE]: whether separate
    std::optional<bool> signLeading;    // SIGN ...: LEADING (true) or TRAILING
    bool blankWhenZero = false;
    bool synchronized = false;
    bool unclosedLiteral = false;       // a literal of the entry is not closed

    // Elementary items have a picture, or a usage that fixes their size.
    [[nodiscard]] bool isElementary() const;
};

// The level number of a level token: one digit 1-9 or two digits 00-49.
[[nodiscard]] std::optional<int> LevelNumber(std::string_view token);

// The entry a statement describes, or nothing when it is not a data description
// entry of level 00 to 49 (66, 77 and 88 entries and other statements are not).
// The clauses may come in any order and any letter case. An occurrence count
// that is not a number is an error.
[[nodiscard]] Result<std::optional<DataEntry>> RecognizeEntry(const Statement &statement);

} // namespace norvane
