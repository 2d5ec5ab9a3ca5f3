#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace norvane {

// The line without its leading and trailing blanks (spaces only).
[[nodiscard]] std::string TrimBlanks(std::string_view line);

// How a source line counts when looking for the header above a find-all match.
// Its columns are those of the line with its tabs expanded (every 8 columns),
// and EXEC and END-EXEC count in any letter case.
enum class HeaderLineKind {
    None,     // too short, a comment, continuation or debugging line, or nothing in area A
    Header,   // starts in area A: a division, section, paragraph, 01 level ...
    Exec,     // an EXEC ... or END-EXEC coded in area A: never a header by itself
};

[[nodiscard]] HeaderLineKind headerLineKind(std::string_view line);

// A header as the structure tree shows it: columns 8 to 72, trimmed, without
// the sequence number or the identification area.
[[nodiscard]] std::string headerText(std::string_view line);

// Follows a program from the top, one line at a time, and knows the area-A
// header of the line reached: the nearest header line above it or on it. Line 0
// never counts. Where no header precedes a line, an EXEC or END-EXEC line in area
// A stands in (the topmost one), so an embedded statement is named at least.
//
// Walking down once serves every match of a search, where walking up from each
// match would read the program again for every one.
class HeaderScan {
public:
    // The next line of the program; lines come in order from line 0.
    void addLine(std::string_view line);
    // The header of the line added last (its columns 8 to 72, trimmed); empty
    // when there is none.
    [[nodiscard]] std::string header() const;
    // The 0-based line that header stands on; -1 when there is none.
    [[nodiscard]] int headerLine() const;
    // The number of lines added so far.
    [[nodiscard]] int lines() const { return m_lines; }

private:
    int m_lines = 0;
    std::optional<std::string> m_header;
    int m_headerLine = -1;
    std::optional<std::string> m_firstExec;
    int m_firstExecLine = -1;
    std::string m_expanded;   // the line added last, its tabs expanded
};

} // namespace norvane
