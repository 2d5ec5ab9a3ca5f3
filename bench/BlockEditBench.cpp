// Time of the block commands' line rules over a 10,000-line selection. The goal
// for a whole command, editor work included, is 200 ms; the rules should take
// a small part of it.

#include "LargeProgram.h"

#include "editing/core/TransformSelectedLines.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr std::size_t SelectionLines = 10000;
constexpr int IndentLength = 4;

const std::vector<std::string> &selectedLines()
{
    static const std::vector<std::string> lines = norvane::bench::LargeProgram::make(SelectionLines);
    return lines;
}

// The selection as the editor hands it over: lines joined by carriage return and
// line feed, ending just after the last line's break.
const std::string &selectedText()
{
    static const std::string text = [] {
        std::string joined;
        for (const std::string &line : selectedLines())
            joined += line + "\r\n";
        return joined;
    }();
    return text;
}

void transformText(benchmark::State &state, norvane::BlockEdit edit)
{
    const std::string &text = selectedText();
    std::ptrdiff_t change = 0;
    for (auto _ : state) {
        const norvane::TransformedText result = norvane::TransformSelectedLines(text, edit, IndentLength);
        change = result.lengthChange;
        benchmark::DoNotOptimize(result.text.data());
    }
    state.counters["lines"] = static_cast<double>(SelectionLines);
    state.counters["lengthChange"] = static_cast<double>(change);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void planLines(benchmark::State &state, norvane::BlockEdit edit)
{
    const std::vector<std::string> &lines = selectedLines();
    std::size_t edits = 0;
    for (auto _ : state) {
        const norvane::BlockEditPlan plan = norvane::planSelectedLines(lines, 0, lines.back().size(), edit, IndentLength);
        edits = plan.edits.size();
        benchmark::DoNotOptimize(plan.edits.data());
    }
    state.counters["lines"] = static_cast<double>(SelectionLines);
    state.counters["edits"] = static_cast<double>(edits);
}

void planAndApply(benchmark::State &state, norvane::BlockEdit edit)
{
    const std::vector<std::string> &lines = selectedLines();
    for (auto _ : state) {
        const norvane::BlockEditPlan plan = norvane::planSelectedLines(lines, 0, lines.back().size(), edit, IndentLength);
        const std::vector<std::string> changed = norvane::applyBlockEditPlan(lines, plan);
        benchmark::DoNotOptimize(changed.data());
    }
    state.counters["lines"] = static_cast<double>(SelectionLines);
}

} // namespace

BENCHMARK_CAPTURE(transformText, Indent, norvane::BlockEdit::Indent)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(transformText, Unindent, norvane::BlockEdit::Unindent)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(transformText, Comment, norvane::BlockEdit::Comment)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(transformText, Uncomment, norvane::BlockEdit::Uncomment)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(planLines, Indent, norvane::BlockEdit::Indent)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(planLines, Comment, norvane::BlockEdit::Comment)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(planAndApply, Indent, norvane::BlockEdit::Indent)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(planAndApply, Comment, norvane::BlockEdit::Comment)->Unit(benchmark::kMicrosecond);
