#pragma once

#include <string>
#include <string_view>

namespace norvane {

// How the lines of a source file end. Found at open and used again on save.
enum class LineEnding { Dos, Unix, None };

// "dos", "unix" or "none".
[[nodiscard]] std::string_view lineEndingName(LineEnding ending);

// Looks at the file's bytes from the start until the first line break: a carriage
// return makes it "dos", a bare line feed "unix", neither "none". A line break
// that is the file's very last byte is not looked at, so a one-line file ending
// in a line feed counts as "none".
[[nodiscard]] LineEnding detectLineEnding(std::string_view bytes);

// The line ending a document read from these bytes is saved with: the one
// detected, except that a file whose only line break is a final line feed
// keeps it, where "none" would give it the line break of new files.
[[nodiscard]] LineEnding keptLineEnding(std::string_view bytes);

// The bytes written after each line for a document of this kind.
[[nodiscard]] std::string_view lineBreakFor(LineEnding ending, bool unixForNewFiles);

} // namespace norvane
