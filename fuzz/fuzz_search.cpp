// The search helpers: the position shifts kept for Replace All agree with
// shifting after every edit in turn, Go to line's answer is a line of the text
// or refused, and the find-all header is a trimmed line of the program.
// Input: edits as pairs of numbers, then a program's lines.

#include "FuzzSupport.h"

#include "document/core/SourceText.h"
#include "search/core/HeaderScan.h"
#include "search/core/LineNumberInput.h"
#include "search/core/SearchMessages.h"
#include "search/core/ShiftLog.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

using namespace norvane;

namespace {

void checkShiftLog(FuzzedDataProvider &input)
{
    ShiftLog log;
    std::vector<std::pair<int, int>> edits;
    const int count = input.ConsumeIntegralInRange(0, 12);
    const bool forward = input.ConsumeBool();
    int threshold = 0;
    for (int i = 0; i < count; ++i) {
        threshold = forward ? threshold + input.ConsumeIntegralInRange(0, 100) : input.ConsumeIntegralInRange(0, 1000);
        const int delta = input.ConsumeIntegralInRange(-50, 50);
        log.add(threshold, delta);
        edits.emplace_back(threshold, delta);
    }
    int total = 0;
    for (const auto &edit : edits)
        total += edit.second;
    // An edit that moves nothing is not kept.
    const bool movesNothing = std::all_of(edits.begin(), edits.end(), [](const auto &edit) { return edit.second == 0; });
    FUZZ_CHECK(log.total() == total && log.empty() == movesNothing);
    for (int value = 0; value <= 1200; value += 1 + value / 8) {
        int shifted = value;
        for (const auto &[at, delta] : edits) {
            if (shifted >= at)
                shifted += delta;
        }
        FUZZ_CHECK_MSG(log.apply(value) == shifted, std::to_string(value) + " shifted to " + std::to_string(log.apply(value)) +
                                                        " instead of " + std::to_string(shifted));
    }
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
    checkShiftLog(input);
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
        if (!header.empty()) {
            const bool isALine = std::any_of(lines.begin() + 1, lines.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                             [&](const std::string &line) { return TrimBlanks(line) == header; });
            FUZZ_CHECK(isALine);
        }
        (void)headerLineKind(lines[i]);
    }
    return 0;
}
