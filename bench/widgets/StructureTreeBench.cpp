// Times what the structure tree costs in a large program: an edit, which the
// stored lines follow as it happens, with the caret synchronisation that
// follows a key, and opening the program with the scan that builds the tree.

#include "LargeProgram.h"
#include "BenchWindow.h"
#include "document/widgets/SourceEditor.h"
#include "structure/widgets/StructureTreeView.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextCursor>

#include <benchmark/benchmark.h>

#include <chrono>

using namespace norvane;

namespace {

struct LargeDocument : bench::BenchWindow {
    LargeDocument()
    {
        path = writeProgram(bench::LargeProgram::make(200000));
        window.resize(1200, 800);
        window.show();
        window.openSourceFile(path);
    }

    [[nodiscard]] DocumentWindow *child() const { return window.activeDocument(); }

    QString path;
};

// A line break made and taken away again in the middle of the program: each
// edit with the stored lines following it, then the caret synchronisation.
void ShiftStoredLinesAndSyncAfterAnEdit(benchmark::State &state)
{
    LargeDocument &document = bench::sharedFixture<LargeDocument>();
    DocumentWindow *child = document.child();
    SourceEditor *editor = child->editor();
    bool insert = true;
    for (auto _ : state) {
        QTextCursor cursor = editor->textCursor();
        cursor.setPosition(editor->document()->findBlockByNumber(editor->lineCount() / 2).position());
        const auto start = std::chrono::steady_clock::now();
        if (insert)
            cursor.insertText(QStringLiteral("\n"));
        else
            cursor.deletePreviousChar();
        editor->setTextCursor(cursor);
        insert = !insert;
        child->editorSelectionChanged();
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
    state.counters["nodes"] = child->structureTree()->count();
    state.counters["lines"] = editor->lineCount();
}
BENCHMARK(ShiftStoredLinesAndSyncAfterAnEdit)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(400);

// Reading the program, loading the editor and building the tree.
void OpenLargeProgram(benchmark::State &state)
{
    LargeDocument &document = bench::sharedFixture<LargeDocument>();
    for (auto _ : state) {
        state.PauseTiming();
        // The edit benchmark leaves the text as it was but marked modified:
        // clear the mark so that Close asks nothing (no one answers here).
        document.child()->editor()->document()->setModified(false);
        document.window.runCommand(CommandId::Close);
        state.ResumeTiming();
        document.window.openSourceFile(document.path);
    }
}
BENCHMARK(OpenLargeProgram)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    return bench::runWidgetBenchmarks(argc, argv);
}
