#pragma once

#include <string>
#include <vector>

namespace norvane {

// One source statement (normally one data description entry) cut into words.
struct Statement {
    std::vector<std::string> tokens;
    int firstLine = 0; // 0-based index of the line its first word is on
    // A literal was left open at the end of a line that no continuation line
    // carries on: a compiler rejects the entry.
    bool unclosedLiteral = false;
};

using StatementTable = std::vector<Statement>;

// Cuts fixed-format source lines into statements. Columns 1-6 and 73 on are
// ignored, a tab advancing to the next multiple of 8 columns as the compiler
// reads it; "*", "/" and "D" in column 7 mark lines that are skipped, "-" a
// continuation line, and "*>" outside a literal ends what is read of a line.
// A period, comma or semicolon followed by a space or the end of the line
// separates; a period separator also ends the statement. Quoted literals are
// single words, continued across lines; one left open ends at the line's end,
// and ends the statement there too when its last character is a period.
[[nodiscard]] StatementTable SplitStatements(const std::vector<std::string> &lines);

} // namespace norvane
