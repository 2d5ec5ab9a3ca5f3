// Times the COBOL keys in a large program: Enter with automatic indentation
// and Tab, each from key-down to the end of its key-up handling.

#include "LargeProgram.h"
#include "BenchWindow.h"
#include "document/widgets/SourceEditor.h"

#include <QApplication>
#include <QKeyEvent>

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

    void press(int key)
    {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Return ? QStringLiteral("\r") : QString());
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(editor, &down);
        QApplication::sendEvent(editor, &up);
    }

    SourceEditor *editor = nullptr;
};

LargeDocument &document()
{
    static LargeDocument instance;
    return instance;
}

void placeCaretMidProgram(SourceEditor *editor)
{
    const int line = editor->lineCount() / 2;
    editor->setSelStart(editor->lineIndex(line) + static_cast<int>(editor->lineText(line).size()));
}

void EnterWithAutoIndent(benchmark::State &state)
{
    LargeDocument &doc = document();
    for (auto _ : state) {
        state.PauseTiming();
        placeCaretMidProgram(doc.editor);
        state.ResumeTiming();
        doc.press(Qt::Key_Return);
    }
    state.counters["lines"] = doc.editor->lineCount();
}
BENCHMARK(EnterWithAutoIndent)->Unit(benchmark::kMillisecond)->Iterations(50);

void TabInsertsBlanks(benchmark::State &state)
{
    LargeDocument &doc = document();
    for (auto _ : state) {
        state.PauseTiming();
        placeCaretMidProgram(doc.editor);
        state.ResumeTiming();
        doc.press(Qt::Key_Tab);
    }
}
BENCHMARK(TabInsertsBlanks)->Unit(benchmark::kMillisecond)->Iterations(50);

// Indent and Comment of a 10,000-line selection, each taken back by one Undo.
void BlockCommandOn10000Lines(benchmark::State &state)
{
    LargeDocument &doc = document();
    const int first = doc.editor->lineCount() / 2;
    const int start = doc.editor->lineIndex(first);
    const int length = doc.editor->lineIndex(first + 10000) - start;
    for (auto _ : state) {
        state.PauseTiming();
        doc.editor->setSelection(start, length);
        state.ResumeTiming();
        if (state.range(0) == 0)
            doc.window.runCommand(CommandId::Indent);
        else
            doc.window.runCommand(CommandId::Comment);
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
