// Times a key from its press to the end of the repaint it causes, in a
// 200,000-line program: Norvane's main window with the program open, beside a
// bare QPlainTextEdit holding the same text with the same font and size. The
// two take their keys in turn, each in its own shown window, through the
// window as a desktop delivers them (shortcuts looked up first), and the
// event loop runs until the paint is done. The counters give the median time
// of each and their ratio; the goal is a ratio of at most 1.2. The time per
// iteration is Norvane's mean per key.
//
// Offscreen by default (painting into the window's backing store); run with
// DISPLAY set, e.g. under Xvfb, to add what an X server costs.

#include "LargeProgram.h"
#include "BenchWindow.h"
#include "document/widgets/SourceEditor.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

using namespace norvane;

namespace {

// Counts the paints of a widget.
class PaintCounter : public QObject {
public:
    using QObject::QObject;
    int paints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

struct SideBySide : bench::BenchWindow {
    SideBySide()
    {
        const std::vector<std::string> lines = bench::LargeProgram::make(200000);
        window.resize(1200, 800);
        window.show();
        window.openSourceFile(writeProgram(lines));
        editor = window.activeDocument()->editor();

        QString text;
        for (const std::string &line : lines) {
            text += QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
            text += u'\n';
        }
        (void)QTest::qWaitForWindowExposed(&window);
        QTest::qWait(50);
        // The editor's settings: no wrap, both scroll bars, its font.
        bare.setLineWrapMode(QPlainTextEdit::NoWrap);
        bare.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        bare.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        bare.setFont(editor->font());
        bare.setPlainText(text);
        bare.show();
        (void)QTest::qWaitForWindowExposed(&bare);
        // The same view: the editor's viewport once the main window is laid out.
        bare.resize(bare.size() + editor->viewport()->size() - bare.viewport()->size());
        QTest::qWait(50);
        editor->viewport()->installEventFilter(&editorPaints);
        bare.viewport()->installEventFilter(&barePaints);
    }

    QPlainTextEdit bare;
    SourceEditor *editor = nullptr;
    PaintCounter editorPaints;
    PaintCounter barePaints;
};

// Positions count the characters of the document, a line break one.
int endOfLine(QPlainTextEdit &edit, int line)
{
    const QTextBlock block = edit.document()->findBlockByNumber(line);
    return block.position() + block.length() - 1;
}

void placeCaret(QPlainTextEdit &edit, int position)
{
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(position);
    edit.setTextCursor(cursor);
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Brings the window to the front with the focus in the editor, and lets what
// the activation started (repaints, timers) finish.
void activate(QWidget &topLevel, QPlainTextEdit &edit)
{
    topLevel.activateWindow();
    edit.setFocus();
    QTest::qWait(30);
}

// The caret at the end of the line, and the view settled there.
void placeCaretAtEnd(QPlainTextEdit &edit, int line)
{
    placeCaret(edit, endOfLine(edit, line));
    edit.ensureCursorVisible();
    settle();
}

// What one key took, on the clock and in processor time of the whole
// process (its painting threads too): on a busy machine the wall clock also
// counts the time other programs had the processor.
struct KeyTime {
    double wallMs = 0;
    double cpuMs = 0;
};

double processCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

KeyTime timeKey(QWidget &topLevel, Qt::Key key)
{
    const double cpuStart = processCpuMs();
    const auto start = std::chrono::steady_clock::now();
    QTest::keyPress(topLevel.windowHandle(), key);
    QTest::keyRelease(topLevel.windowHandle(), key);
    settle();
    const auto stop = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(stop - start).count(), processCpuMs() - cpuStart};
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One key, typed into each editor in turn: a few times into one, then as many
// times into the other, each time at the end of the next line of a stretch of
// the program's own lines (the percentage tells where) that no other key has
// touched. Each iteration of the benchmark is one such round.
constexpr int KeysPerTurn = 5;

void KeyWithRepaint(benchmark::State &state, Qt::Key key, int percent)
{
    SideBySide &sides = bench::sharedFixture<SideBySide>();
    const int firstLine = static_cast<int>(static_cast<qint64>(sides.editor->lineCount()) * percent / 100);
    std::vector<double> bareWall;
    std::vector<double> bareCpu;
    std::vector<double> norvaneWall;
    std::vector<double> norvaneCpu;
    int barePaints = 0;
    int norvanePaints = 0;
    int round = 0;
    for (auto _ : state) {
        const int line = firstLine + round * KeysPerTurn * 2;
        ++round;
        activate(sides.bare, sides.bare);
        for (int i = 0; i < KeysPerTurn; ++i) {
            placeCaretAtEnd(sides.bare, line + 2 * i);
            const int paintsBefore = sides.barePaints.paints;
            const KeyTime bare = timeKey(sides.bare, key);
            barePaints += sides.barePaints.paints - paintsBefore;
            bareWall.push_back(bare.wallMs);
            bareCpu.push_back(bare.cpuMs);
        }
        activate(sides.window, *sides.editor);
        double roundMs = 0;
        for (int i = 0; i < KeysPerTurn; ++i) {
            placeCaretAtEnd(*sides.editor, line + 2 * i);
            const int paintsBefore = sides.editorPaints.paints;
            const KeyTime norvane = timeKey(sides.window, key);
            norvanePaints += sides.editorPaints.paints - paintsBefore;
            norvaneWall.push_back(norvane.wallMs);
            norvaneCpu.push_back(norvane.cpuMs);
            roundMs += norvane.wallMs;
        }
        state.SetIterationTime(roundMs / KeysPerTurn / 1000);
    }
    const double keys = double(bareWall.size());
    state.counters["bare_ms"] = median(bareWall);
    state.counters["norvane_ms"] = median(norvaneWall);
    state.counters["ratio"] = median(norvaneWall) / median(bareWall);
    state.counters["bare_cpu_ms"] = median(bareCpu);
    state.counters["norvane_cpu_ms"] = median(norvaneCpu);
    state.counters["cpu_ratio"] = median(norvaneCpu) / median(bareCpu);
    // Each key is painted by both: paints of the editor's viewport per key.
    state.counters["bare_paints"] = barePaints / keys;
    state.counters["norvane_paints"] = norvanePaints / keys;
}

BENCHMARK_CAPTURE(KeyWithRepaint, Enter, Qt::Key_Return, 40)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(12);
BENCHMARK_CAPTURE(KeyWithRepaint, Tab, Qt::Key_Tab, 45)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(12);
BENCHMARK_CAPTURE(KeyWithRepaint, Letter, Qt::Key_X, 50)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(12);
BENCHMARK_CAPTURE(KeyWithRepaint, Backspace, Qt::Key_Backspace, 55)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(12);
BENCHMARK_CAPTURE(KeyWithRepaint, ArrowDown, Qt::Key_Down, 60)
    ->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(12);

} // namespace

int main(int argc, char **argv)
{
    return bench::runWidgetBenchmarks(argc, argv);
}
