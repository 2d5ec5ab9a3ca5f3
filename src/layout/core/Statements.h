#pragma once

#include <string>
#include <vector>

namespace norvane {

// One source statement (normally one data description entry) cut into words.
struct Statement {
    std::vector<std::string> tokens;
    int firstLine = 0; // 0-based index of the line its first word is on
};

using StatementTable = std::vector<Statement>;

// Cuts fixed-format source lines into statements. Columns 1-6 and 73 on are
// ignored; "*", "/" and "D" in column 7 mark lines that are skipped, "-" a
// continuation line. A period, comma or semicolon followed by a space or the end
// of the line separates; a period separator also ends the statement. Quoted
// literals are single words, continued across lines.
[[nodiscard]] StatementTable SplitStatements(const std::vector<std::string> &lines);

} // namespace norvane
