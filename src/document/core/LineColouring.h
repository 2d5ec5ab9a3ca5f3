#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace norvane {

// What a stretch of a fixed-format COBOL line is, as the editor colours it.
// Text of no particular role (names, operators, numbers) gets no span.
enum class TextRole : std::uint8_t {
    Sequence,       // the sequence area, columns 1-6
    Indicator,      // a character in the indicator column (7) of a code line
    Identification, // columns 73 and after
    Comment,        // a comment line ("*" or "/" in column 7), a floating comment ("*>")
    Debugging,      // the text of a debugging line ("D" in column 7)
    Literal,        // an alphanumeric or national literal, quotes included
    Keyword,        // a reserved word
    LevelNumber,    // the level number that starts a data description entry
    Picture,        // the character-string of a PIC clause
    Header,         // a division, section or paragraph header
    Copy,           // the words of a COPY statement: COPY, OF or IN and the library
    CopyMember,     // the member a COPY statement names
};

inline constexpr int TextRoleCount = static_cast<int>(TextRole::CopyMember) + 1;

// One coloured stretch of a line, in bytes of the line.
struct RoleSpan {
    int start = 0;
    int length = 0;
    TextRole role = TextRole::Sequence;

    friend bool operator==(const RoleSpan &, const RoleSpan &) = default;
};

// What a line leaves for the next code line: a clause whose operand did not
// fit on it. Blank and comment lines hand on what they were handed.
enum class LineCarry : std::uint8_t {
    None,
    Picture,       // PIC (or PICTURE IS) ended the line: the picture string comes next
    CopyMember,    // COPY ended the line: the member's name comes next
    CopyQualifier, // the member's name ended it: OF or IN may come next
    CopyLibrary,   // OF or IN after a member's name ended it: the library comes next
};

inline constexpr int LineCarryCount = static_cast<int>(LineCarry::CopyLibrary) + 1;

struct ColouredLine {
    std::vector<RoleSpan> spans; // in order, never overlapping
    LineCarry carry = LineCarry::None;
};

// Colours one line of fixed-format source (8-bit text without its line
// break), given what the line before it left. Columns are those a compiler
// reads: a tab advances to the next multiple of 8 columns. Keywords are
// recognised in any letter case. Literals stop at column 72; a continuation
// line's literal goes on from the quote that opens its area B, so a continued
// literal is coloured on both lines without looking back.
[[nodiscard]] ColouredLine colourLine(std::string_view line, LineCarry before = LineCarry::None);

// Whether the line only hands on what it was handed: a blank or comment line,
// whose own colours do not depend on it.
[[nodiscard]] bool passesCarryOn(std::string_view line);

} // namespace norvane
