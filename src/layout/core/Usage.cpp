#include "layout/core/Usage.h"

#include "layout/core/Words.h"

#include <array>

namespace norvane {

std::optional<Usage> UsageFromWord(std::string_view word)
{
    const std::optional<UsageSpelling> spelling = UsageSpellingFromWord(word);
    return spelling ? std::optional<Usage>(spelling->usage) : std::nullopt;
}

std::optional<UsageSpelling> UsageSpellingFromWord(std::string_view word)
{
    struct Spelling {
        std::string_view word;
        Usage usage;
        int bytes = 0;
        bool native = false;
    };
    static constexpr std::array kSpellings = {
        Spelling{"DISPLAY", Usage::Display},
        Spelling{"NATIONAL", Usage::Display}, // PIC N: two bytes a character
        Spelling{"COMP", Usage::Binary},
        Spelling{"COMPUTATIONAL", Usage::Binary},
        Spelling{"BINARY", Usage::Binary},
        Spelling{"COMP-4", Usage::Binary},
        Spelling{"COMPUTATIONAL-4", Usage::Binary},
        Spelling{"COMP-5", Usage::Binary, 0, true},
        Spelling{"COMPUTATIONAL-5", Usage::Binary, 0, true},
        Spelling{"COMP-3", Usage::Packed},
        Spelling{"COMPUTATIONAL-3", Usage::Packed},
        Spelling{"PACKED-DECIMAL", Usage::Packed},
        Spelling{"COMP-1", Usage::Float4},
        Spelling{"COMPUTATIONAL-1", Usage::Float4},
        Spelling{"FLOAT-SHORT", Usage::Float4},
        Spelling{"COMP-2", Usage::Float8},
        Spelling{"COMPUTATIONAL-2", Usage::Float8},
        Spelling{"FLOAT-LONG", Usage::Float8},
        // Sizes as GnuCOBOL gives them on a 64-bit system.
        Spelling{"BINARY-CHAR", Usage::Binary, 1, true},
        Spelling{"BINARY-SHORT", Usage::Binary, 2, true},
        Spelling{"BINARY-LONG", Usage::Binary, 4, true},
        Spelling{"BINARY-DOUBLE", Usage::Binary, 8, true},
        Spelling{"POINTER", Usage::Pointer, 8},
        Spelling{"PROCEDURE-POINTER", Usage::Pointer, 8},
        Spelling{"PROGRAM-POINTER", Usage::Pointer, 8},
        Spelling{"FUNCTION-POINTER", Usage::Pointer, 8},
        Spelling{"INDEX", Usage::Index, 4},
    };
    for (const Spelling &spelling : kSpellings) {
        if (EqualsKeyword(word, spelling.word))
            return UsageSpelling{spelling.usage, spelling.bytes, spelling.native};
    }
    return std::nullopt;
}

bool IsUnsupportedUsageWord(std::string_view word)
{
    static constexpr std::array<std::string_view, 11> kWords = {
        "FLOAT-EXTENDED", "OBJECT",          "BIT",         "COMP-6",          "COMP-X",          "COMP-N",
        "COMP-9",         "COMPUTATIONAL-6", "COMPUTATIONAL-X", "COMPUTATIONAL-N", "COMPUTATIONAL-9",
    };
    for (std::string_view known : kWords) {
        if (EqualsKeyword(word, known))
            return true;
    }
    return false;
}

std::string_view UsageText(Usage usage)
{
    switch (usage) {
    case Usage::Display:
        return "";
    case Usage::Binary:
        return "COMP";
    case Usage::Packed:
        return "COMP-3";
    case Usage::Float4:
        return "COMP-1";
    case Usage::Float8:
        return "COMP-2";
    case Usage::Pointer:
        return "POINTER";
    case Usage::Index:
        return "INDEX";
    }
    return "";
}

int FixedUsageSize(Usage usage)
{
    switch (usage) {
    case Usage::Float4:
        return 4;
    case Usage::Float8:
    case Usage::Pointer:
        return 8;
    case Usage::Index:
        return 4;
    default:
        return 0;
    }
}

} // namespace norvane
