// Times the block commands on a large selection: Indent and Comment of
// 10,000 lines of a 200,000-line program, each taken back by one Undo.

#include "LargeProgram.h"
#include "BenchWindow.h"
#include "document/widgets/SourceEditor.h"

#include <benchmark/benchmark.h>

using namespace norvane;

namespace {

struct LargeDocument : bench::BenchWindow {
    LargeDocument()
    {
        window.resize(1200, 800);
        window.show();
        window.openSourceFile(writeProgram(bench::LargeProgram::make(200000)));
        editor = window.activeDocument()->editor();
        editor->setFocus();
    }

    SourceEditor *editor = nullptr;
};

void BlockCommandOn10000Lines(benchmark::State &state)
{
    LargeDocument &doc = bench::sharedFixture<LargeDocument>();
    const int first = doc.editor->lineCount() / 2;
    const int start = doc.editor->lineIndex(first);
    const int length = doc.editor->lineIndex(first + 10000) - start;
    const CommandId command = state.range(0) == 0 ? CommandId::Indent : CommandId::Comment;
    state.SetLabel(state.range(0) == 0 ? "indent" : "comment");
    for (auto _ : state) {
        state.PauseTiming();
        doc.editor->setSelection(start, length);
        state.ResumeTiming();
        doc.window.runCommand(command);
        state.PauseTiming();
        doc.editor->undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BlockCommandOn10000Lines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    return bench::runWidgetBenchmarks(argc, argv);
}
