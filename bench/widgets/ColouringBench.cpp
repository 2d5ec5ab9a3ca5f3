// What the COBOL colours, column guides and line numbers cost: a 200,000-line
// program loaded and painted in a bare QPlainTextEdit, in the editor with all
// of them on and with all of them off, and through the whole Open of the
// program; then one typed character, painted, in each.
//
// The goal: with colouring on, loading and painting stays within 1.15 times
// the bare control, and a key press recolours one line, not the program.

#include "BenchWindow.h"
#include "LargeProgram.h"
#include "document/widgets/DocumentWindow.h"
#include "document/widgets/SourceEditor.h"
#include "document/widgets/SourceHighlighter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>

using namespace norvane;

namespace {

constexpr int ProgramLines = 200000;

// The machine is shared, so the time taken is this thread's processor time;
// the wall-clock time is reported beside it.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

const std::vector<std::string> &programLines()
{
    static const std::vector<std::string> lines = bench::LargeProgram::make(ProgramLines);
    return lines;
}

const QString &programText()
{
    static const QString text = [] {
        QString joined;
        for (const std::string &line : programLines()) {
            joined.append(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
            joined.append(QLatin1Char('\n'));
        }
        return joined;
    }();
    return text;
}

// The argument of the runs: 0 a bare QPlainTextEdit, 1 the editor with colours,
// guides and line numbers, 2 with none of them, 3 colours only, 4 line numbers
// only, 5 guides only.
enum class Editor { Bare, Coloured, Plain, ColourOnly, NumbersOnly, GuidesOnly };

std::unique_ptr<QPlainTextEdit> makeEditor(Editor kind)
{
    std::unique_ptr<QPlainTextEdit> editor;
    if (kind == Editor::Bare) {
        editor = std::make_unique<QPlainTextEdit>();
        editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    } else {
        auto source = std::make_unique<SourceEditor>();
        const bool on = kind == Editor::Coloured;
        source->setColouring(on || kind == Editor::ColourOnly);
        source->setLineNumbers(on || kind == Editor::NumbersOnly);
        source->setColumnGuides(on || kind == Editor::GuidesOnly ? QList<int>{7, 8, 12, 72} : QList<int>{});
        editor = std::move(source);
    }
    editor->resize(1200, 800);
    editor->show();
    QApplication::processEvents();
    return editor;
}

void load(QPlainTextEdit &editor, Editor kind)
{
    if (kind == Editor::Bare)
        editor.setPlainText(programText());
    else
        static_cast<SourceEditor &>(editor).loadText(programText());
}

// From the text in memory to the first screen painted.
void LoadAndPaint(benchmark::State &state)
{
    const auto kind = static_cast<Editor>(state.range(0));
    (void)programText();
    int coloured = 0;
    double wall = 0;
    for (auto _ : state) {
        std::unique_ptr<QPlainTextEdit> editor = makeEditor(kind);
        QElapsedTimer timer;
        timer.start();
        const double start = threadSeconds();
        load(*editor, kind);
        editor->viewport()->repaint();
        QApplication::processEvents();
        state.SetIterationTime(threadSeconds() - start);
        wall += static_cast<double>(timer.nsecsElapsed()) / 1e6;
        if (kind == Editor::Coloured)
            coloured = static_cast<SourceEditor &>(*editor).highlighter().colouredCount();
    }
    state.counters["lines"] = ProgramLines;
    state.counters["coloured"] = coloured;
    state.counters["wall_ms"] = wall / static_cast<double>(state.iterations());
}
BENCHMARK(LoadAndPaint)
    ->ArgName("editor")
    ->DenseRange(static_cast<int>(Editor::Bare), static_cast<int>(Editor::GuidesOnly))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(7);

// The whole Open of the program file in the main window, painted.
void OpenProgram(benchmark::State &state)
{
    const bool colouring = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<bench::BenchWindow>();
        window->settings.colourSource = colouring;
        window->settings.lineNumbers = colouring;
        window->settings.columnGuides = colouring;
        const QString path = window->writeProgram(programLines());
        window->window.resize(1200, 800);
        window->window.show();
        QApplication::processEvents();
        state.ResumeTiming();
        window->window.openSourceFile(path);
        window->window.activeDocument()->editor()->viewport()->repaint();
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenProgram)->ArgName("colouring")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

// One character typed in the middle of the program and painted.
void TypeOneCharacter(benchmark::State &state)
{
    const auto kind = static_cast<Editor>(state.range(0));
    std::unique_ptr<QPlainTextEdit> editor = makeEditor(kind);
    load(*editor, kind);
    editor->setFocus();
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(editor->document()->findBlockByNumber(ProgramLines / 2).position() + 20);
    editor->setTextCursor(cursor);
    editor->centerCursor();
    editor->viewport()->repaint();
    QApplication::processEvents();
    const int colouredBefore =
        kind == Editor::Coloured ? static_cast<SourceEditor &>(*editor).highlighter().colouredCount() : 0;
    struct PaintWatch : QObject {
        int pixels = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint) {
                const QRect r = static_cast<QPaintEvent *>(event)->region().boundingRect();
                pixels += r.width() * r.height();
            }
            return false;
        }
    } watch;
    editor->viewport()->installEventFilter(&watch);
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("X"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("X"));
        QApplication::sendEvent(editor.get(), &press);
        QApplication::sendEvent(editor.get(), &release);
        QApplication::processEvents();
    }
    state.counters["painted_px"] = watch.pixels / static_cast<double>(state.iterations());
    if (kind == Editor::Coloured) {
        const int recoloured = static_cast<SourceEditor &>(*editor).highlighter().colouredCount() - colouredBefore;
        state.counters["recoloured_per_key"] =
            benchmark::Counter(recoloured / static_cast<double>(state.iterations()));
    }
}
BENCHMARK(TypeOneCharacter)
    ->ArgName("editor")
    ->DenseRange(static_cast<int>(Editor::Bare), static_cast<int>(Editor::GuidesOnly))
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(1000);

} // namespace

int main(int argc, char **argv)
{
    return bench::runWidgetBenchmarks(argc, argv);
}
