// Line-ending detection, line splitting and source writing: a file saved
// without changes keeps every line and, with one kind of line break, is
// byte-identical; a save leaves no temporary file.

#include "FuzzSupport.h"

#include "common/core/FileIO.h"
#include "document/core/LineEnding.h"
#include "document/core/SourceText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using namespace norvane;
using norvane::fuzz::printable;

namespace {

// The rule detectLineEnding documents, written out the plain way.
LineEnding expectedEnding(std::string_view bytes)
{
    const std::size_t first = bytes.find_first_of("\r\n");
    if (first == std::string_view::npos || first + 1 >= bytes.size())
        return LineEnding::None;
    return bytes[first] == '\r' ? LineEnding::Dos : LineEnding::Unix;
}

// The lines an editor holds for the text: every line feed ends one, and the
// text after the last one is a line unless it is empty.
std::vector<std::string> editorLines(const std::string &text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            if (i < text.size() || i > start)
                lines.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return lines;
}

// Whether every line break of the bytes is the given one.
bool onlyBreaks(std::string_view bytes, std::string_view lineBreak)
{
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        if (bytes.substr(i, lineBreak.size()) != lineBreak)
            return false;
        i += lineBreak.size() - 1;
    }
    return true;
}

void checkSafeWrites(std::string_view bytes)
{
    const auto &scratch = fuzz::ScratchFolder::instance();
    scratch.clear();
    const std::string path = scratch.file("program.cbl");

    FUZZ_CHECK(writeFileSafely(path, bytes).ok());
    FUZZ_CHECK(fuzz::readWholeFile(path) == bytes);
    Result<std::string> read = readFileBytes(path);
    FUZZ_CHECK(read.ok() && read.value() == bytes);

    // The same bytes in pieces; a writer dropped before commit changes nothing.
    const std::size_t piece = 1 + bytes.size() % 7;
    for (const bool commit : {false, true}) {
        Result<SafeFileWriter> writer = SafeFileWriter::begin(path);
        FUZZ_CHECK(writer.ok());
        for (std::size_t at = 0; at < bytes.size(); at += piece)
            FUZZ_CHECK(writer.value().write(bytes.substr(at, piece)).ok());
        if (commit) {
            FUZZ_CHECK(writer.value().commit().ok());
        }
    }
    FUZZ_CHECK(fuzz::readWholeFile(path) == bytes);
    FUZZ_CHECK_MSG(scratch.entries() == std::vector<std::string>{"program.cbl"}, "a temporary file is left");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);

    const LineEnding ending = detectLineEnding(bytes);
    FUZZ_CHECK_MSG(ending == expectedEnding(bytes), printable(bytes));

    const std::vector<std::string> lines = splitSourceLines(bytes);
    for (const std::string &line : lines)
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);

    // The editor's text has line feeds only and the same lines.
    const std::string text = withLineFeedBreaks(bytes);
    FUZZ_CHECK(text.find('\r') == std::string::npos);
    FUZZ_CHECK(splitSourceLines(text) == lines);

    // Saved unchanged, the file keeps every line, blank lines at its end
    // included, and ends with a line break if and only if it did. With one
    // kind of line break throughout, the one it is saved with, it is
    // byte-identical.
    const std::vector<std::string> held = editorLines(text);
    FUZZ_CHECK(held == lines);
    const LineEnding kept = keptLineEnding(bytes);
    FUZZ_CHECK(kept == ending || (ending == LineEnding::None && kept == LineEnding::Unix && bytes.ends_with('\n')));
    const bool finalBreak = endsWithLineBreak(bytes);
    for (const bool unixForNewFiles : {false, true}) {
        const std::string_view lineBreak = lineBreakFor(kept, unixForNewFiles);
        const std::string saved = composeSourceFile(held, lineBreak, false, finalBreak);
        FUZZ_CHECK_MSG(splitSourceLines(saved) == lines, printable(bytes) + " saved as " + printable(saved));
        FUZZ_CHECK_MSG(endsWithLineBreak(saved) == finalBreak, printable(bytes) + " saved as " + printable(saved));
        if (onlyBreaks(bytes, lineBreak))
            FUZZ_CHECK_MSG(saved == bytes, printable(bytes) + " saved as " + printable(saved));
    }

    // Stripping trailing spaces is stripping each line first.
    std::vector<std::string> stripped;
    for (const std::string &line : held) {
        const std::string_view without = withoutTrailingSpaces(line);
        FUZZ_CHECK(without.empty() || without.back() != ' ');
        FUZZ_CHECK(line.compare(0, without.size(), without) == 0);
        stripped.emplace_back(without);
    }
    for (const bool withFinalBreak : {false, true})
        FUZZ_CHECK(composeSourceFile(held, "\r\n", true, withFinalBreak) ==
                   composeSourceFile(stripped, "\r\n", false, withFinalBreak));

    checkSafeWrites(bytes);
    return 0;
}
