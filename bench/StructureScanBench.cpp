// Time of the structure scan over a large program; the goal is 200 ms for
// 200,000 lines with both tree options on.

#include "LargeProgram.h"

#include "structure/core/StructureScan.h"
#include "structure/core/TreeListing.h"

#include <benchmark/benchmark.h>

namespace {

const std::vector<std::string> &program()
{
    static const std::vector<std::string> lines = norvane::bench::LargeProgram::make(200000);
    return lines;
}

void scanLargeProgram(benchmark::State &state, norvane::StructureOptions options)
{
    const std::vector<std::string> &lines = program();
    std::size_t nodes = 0;
    for (auto _ : state) {
        const norvane::StructureTree tree = norvane::scanStructure(lines, options);
        nodes = tree.nodes.size();
        benchmark::DoNotOptimize(tree.nodes.data());
    }
    state.counters["lines"] = static_cast<double>(lines.size());
    state.counters["nodes"] = static_cast<double>(nodes);
}

void BM_ScanBothOptions(benchmark::State &state) { scanLargeProgram(state, {true, true}); }

// The same program as a file holds it, scanned in place.
void BM_ScanFileBytes(benchmark::State &state)
{
    std::string text;
    for (const std::string &line : program())
        text.append(line).append("\r\n");
    for (auto _ : state) {
        const norvane::StructureTree tree = norvane::scanStructure(text, {true, true});
        benchmark::DoNotOptimize(tree.nodes.data());
    }
    state.counters["bytes"] = static_cast<double>(text.size());
}
void BM_ScanNoOptions(benchmark::State &state) { scanLargeProgram(state, {false, false}); }

void BM_TreeListing(benchmark::State &state)
{
    const norvane::StructureTree tree = norvane::scanStructure(program(), {true, true});
    for (auto _ : state)
        benchmark::DoNotOptimize(norvane::treeListing(tree));
    state.counters["nodes"] = static_cast<double>(tree.nodes.size());
}

} // namespace

BENCHMARK(BM_ScanBothOptions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanFileBytes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanNoOptions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TreeListing)->Unit(benchmark::kMillisecond);
