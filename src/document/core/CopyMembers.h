#pragma once

#include "common/core/Result.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace norvane {

// A member a COPY statement names, and where its name stands in the text.
struct CopyReference {
    std::string member; // as written, without the quotes of a literal
    bool literal = false; // the name was a literal
    int line = 0;       // 0-based
    int start = 0;      // the name's first byte in the line, quotes included
    int length = 0;

    friend bool operator==(const CopyReference &, const CopyReference &) = default;
};

// The COPY statements' members of a fixed-format text, in order. A statement
// may spread over lines; comment lines between them do not count.
[[nodiscard]] std::vector<CopyReference> copyReferences(std::span<const std::string> lines);

// The member named where the byte (0-based) of the line stands, when a COPY
// statement's member name holds it.
[[nodiscard]] std::optional<CopyReference> copyReferenceAt(std::span<const std::string> lines, int line, int byte);

// Where a data description entry of a copied text defines the name (any
// letter case): the line and the name's first byte. The entry is a level
// number (01 to 49, 66, 77 or 88) followed by the name, on a code line.
struct DefinitionPlace {
    int line = 0;
    int start = 0;
};
[[nodiscard]] std::optional<DefinitionPlace> findLevelEntry(std::span<const std::string> lines, std::string_view name);

// A folder copy members are looked for in, and why it is one.
struct CopyFolder {
    std::string path;
    std::string origin; // "program's folder", "Copybook folders" or "COB_COPY_DIR"
};

// The extensions a member's file may have, tried in this order after the folder.
inline constexpr std::array<std::string_view, 5> CopyExtensions{"", ".cpy", ".CPY", ".cbl", ".cob"};

// Where members are looked for, in order: the program's folder (none for a
// text never saved), the Copybook folders of the options, then the folders of
// COB_COPY_DIR (a list like PATH, as the compiler reads it). Empty entries and
// repeats are left out.
[[nodiscard]] std::vector<CopyFolder> copyFolders(const std::string &programFolder,
                                                  const std::vector<std::string> &copybookFolders,
                                                  const char *cobCopyDir);

// The file of the member: in each folder in turn, the name as written, then in
// capitals, then in small letters (COBOL names know no letter case, file names
// do), each with every extension. A literal's name is taken as written only.
// When there is none, the message names the member and every folder looked in.
[[nodiscard]] Result<std::string> findCopyMember(std::string_view member, bool literal,
                                                 const std::vector<CopyFolder> &folders);

} // namespace norvane
