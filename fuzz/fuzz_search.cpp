// The search helpers: stored lines and positions following a run of edits
// (Replace All, a block command) at once end where the edits one by one take
// them, and Undo brings every one of them back; Go to line's answer is a line
// of the text or refused; the find-all header is the header text of a line at
// or above.
// Input: a text and edits to it, then a program's lines.

#include "FuzzSupport.h"

#include "document/core/SourceText.h"
#include "document/core/StoredPlaces.h"
#include "document/core/TextChange.h"
#include "search/core/HeaderScan.h"
#include "search/core/LineNumberInput.h"
#include "search/core/SearchMessages.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

using namespace norvane;

namespace {

// Replaces characters of a text held as an editor holds it (line feeds between
// lines) and describes the change in the editor's positions, where a line
// break counts two.
TextChange replaceIn(std::string &text, std::size_t offset, std::size_t removed, const std::string &inserted)
{
    const auto breaks = [](std::string_view s) { return static_cast<int>(std::count(s.begin(), s.end(), '\n')); };
    TextChange change;
    change.line = breaks(std::string_view(text).substr(0, offset));
    change.position = static_cast<int>(offset) + change.line;
    change.atLineStart = offset == 0 || text[offset - 1] == '\n';
    change.removedLines = breaks(std::string_view(text).substr(offset, removed));
    change.addedLines = breaks(inserted);
    change.removed = static_cast<int>(removed) + change.removedLines;
    change.added = static_cast<int>(inserted.size()) + change.addedLines;
    text.replace(offset, removed, inserted);
    return change;
}

void checkStoredPlaces(FuzzedDataProvider &input)
{
    std::string text = input.ConsumeRandomLengthString(64);
    const int length = static_cast<int>(text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    std::vector<int> lines;
    for (int line = 0; line <= static_cast<int>(std::count(text.begin(), text.end(), '\n')); ++line)
        lines.push_back(line);
    std::vector<int> positions;
    for (int position = 0; position <= length; ++position)
        positions.push_back(position);
    const std::vector<int> originalLines = lines;
    const std::vector<int> originalPositions = positions;

    // Edits one by one, as the editor reports them, the places following each.
    ChangeMap run;
    std::vector<RememberedPlace> memory;
    const auto lists = [&] {
        return std::vector<PlaceList>{{PlaceKind::Line, lines, 0}, {PlaceKind::Position, positions, 0}};
    };
    const int count = input.ConsumeIntegralInRange(0, 8);
    for (int k = 0; k < count; ++k) {
        const std::size_t offset = input.ConsumeIntegralInRange<std::size_t>(0, text.size());
        const std::size_t removed = input.ConsumeIntegralInRange<std::size_t>(0, std::min<std::size_t>(8, text.size() - offset));
        const std::string inserted = input.ConsumeRandomLengthString(8);
        const TextChange change = replaceIn(text, offset, removed, inserted);
        followChangesOfStep(std::span(&change, 1), run, lists(), memory);
    }
    const std::vector<int> editedLines = lines;
    const std::vector<int> editedPositions = positions;

    // Composed, the run agrees on every place no edit touched.
    std::vector<int> composedLines = originalLines;
    std::vector<int> composedPositions = originalPositions;
    followChanges(run, std::vector<PlaceList>{{PlaceKind::Line, composedLines, 0}, {PlaceKind::Position, composedPositions, 0}},
                  nullptr);
    std::vector<bool> touched[2] = {std::vector<bool>(lines.size()), std::vector<bool>(positions.size())};
    for (const RememberedPlace &remembered : memory)
        touched[remembered.list][remembered.index] = true;
    for (std::size_t i = 0; i < lines.size(); ++i)
        FUZZ_CHECK(touched[0][i] || composedLines[i] == editedLines[i]);
    for (std::size_t i = 0; i < positions.size(); ++i)
        FUZZ_CHECK(touched[1][i] || composedPositions[i] == editedPositions[i]);

    // Undo restores every place, Redo puts every one where the edits did.
    takeBackChanges(run, lists(), memory);
    FUZZ_CHECK(lines == originalLines && positions == originalPositions);
    makeChangesAgain(run, lists(), memory);
    FUZZ_CHECK(lines == editedLines && positions == editedPositions);
}

void checkLineNumber(const std::string &answer, int lineCount)
{
    const Result<int> index = lineIndexFromInput(answer, lineCount);
    if (!index) {
        FUZZ_CHECK(!index.error().empty());
        return;
    }
    FUZZ_CHECK(index.value() >= 0 && index.value() < std::max(lineCount, 1));
    FUZZ_CHECK(!answer.empty() && std::all_of(answer.begin(), answer.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    checkStoredPlaces(input);
    const std::string answer = input.ConsumeRandomLengthString(12);
    const std::string findText = input.ConsumeRandomLengthString(16);
    const std::vector<std::string> lines = splitSourceLines(input.ConsumeRemainingBytesAsString());
    checkLineNumber(answer, static_cast<int>(lines.size()));
    (void)replaceAllStatus(true, findText, answer);
    (void)replaceAllReport(false, 3, findText, answer);
    (void)notFoundMessage(findText);
    (void)findingAllStatus(findText);

    HeaderScan scan;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        scan.addLine(lines[i]);
        FUZZ_CHECK(scan.lines() == static_cast<int>(i) + 1);
        const std::string header = scan.header();
        FUZZ_CHECK(header == TrimBlanks(header));
        // The header is that of a line at or above, the one it names.
        const int headerLine = scan.headerLine();
        FUZZ_CHECK(headerLine >= -1 && headerLine <= static_cast<int>(i) && headerLine != 0);
        if (headerLine > 0)
            FUZZ_CHECK(header == headerText(lines[static_cast<std::size_t>(headerLine)]));
        else
            FUZZ_CHECK(header.empty());
        (void)headerLineKind(lines[i]);
    }
    return 0;
}
