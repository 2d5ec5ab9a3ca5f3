// Times opening a large program, side by side in one run: a bare QPlainTextEdit
// given the file's text, against Norvane opening the same file until its tree
// is built and the window painted. The goal is at most 1.15 times the bare
// control. Rounds alternate between the two so that the machine's load
// touches both alike; the medians and their ratio are printed.
//
//   OpenBench [rounds] [lines] [bare|norvane]
//
// 7 rounds of 200,000 lines by default; naming one side opens only that one
// (for a profiler).

#include "BenchWindow.h"
#include "LargeProgram.h"
#include "common/widgets/FontChoice.h"
#include "settings/core/Settings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace norvane;

namespace {

const QSize WindowSize(1200, 800);

// A program as users keep them: numbered lines cut at column 72, without
// trailing blanks, about 39 bytes a line with its CR LF (280,000 lines make
// about 10.8 MB).
std::vector<std::string> largeProgram(std::size_t lines)
{
    std::vector<std::string> program = bench::LargeProgram::make(lines);
    for (std::string &line : program) {
        line.resize(std::min<std::size_t>(line.size(), 72));
        line.erase(line.find_last_not_of(' ') + 1);
    }
    return program;
}

// Reads the file and shows its text in a bare editor of the same font that
// fills a window of the same size, painted. As Norvane keeps its main window
// and makes a document window per file, the window stays and each round makes
// an editor. The editor is shown first, as it is quickest: a long text is laid
// out again whenever the editor's width changes.
double openBare(QWidget &window, const QString &path, const QFont &font)
{
    QElapsedTimer timer;
    timer.start();
    auto *editor = new QPlainTextEdit(&window);
    window.layout()->addWidget(editor);
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setFont(font);
    editor->show();
    QCoreApplication::processEvents();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::abort();
    editor->setPlainText(QString::fromLatin1(file.readAll()));
    QCoreApplication::processEvents();
    window.repaint();
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    delete editor;
    QCoreApplication::processEvents();
    return elapsed;
}

// Opens the file in Norvane until its tree is built and the window painted.
double openInNorvane(bench::BenchWindow &norvane, const QString &path)
{
    QElapsedTimer timer;
    timer.start();
    norvane.window.openSourceFile(path);
    QCoreApplication::processEvents();
    norvane.window.repaint();
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    if (norvane.window.activeDocument() == nullptr || !norvane.window.activeDocument()->treeShown())
        std::abort();
    norvane.window.runCommand(CommandId::Close);   // unchanged: no question
    QCoreApplication::processEvents();
    return elapsed;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const std::size_t lines = argc > 2 ? static_cast<std::size_t>(std::max(1, std::atoi(argv[2]))) : 200000;
    const QString only = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    const bool withBare = only != QLatin1String("norvane");
    const bool withNorvane = only != QLatin1String("bare");

    bench::BenchWindow norvane;
    norvane.settings.ShowPerformOption = true;
    norvane.settings.Pic01ShowOption = true;
    norvane.window.resize(WindowSize);
    norvane.window.show();
    QCoreApplication::processEvents();
    const QString path = norvane.writeProgram(largeProgram(lines));
    const QFont font = editorFont(norvane.settings.editorFont);
    QWidget bareWindow;
    auto *bareLayout = new QVBoxLayout(&bareWindow);
    bareLayout->setContentsMargins(0, 0, 0, 0);
    bareWindow.resize(WindowSize);
    bareWindow.show();
    QCoreApplication::processEvents();

    // Round 0 only warms the caches and fonts for both.
    std::vector<double> bare;
    std::vector<double> opened;
    for (int round = 0; round <= rounds; ++round) {
        const double bareTime = withBare ? openBare(bareWindow, path, font) : 0.0;
        const double norvaneTime = withNorvane ? openInNorvane(norvane, path) : 0.0;
        if (round > 0) {
            bare.push_back(bareTime);
            opened.push_back(norvaneTime);
        }
    }
    const double bareTime = median(bare);
    const double norvaneTime = median(opened);
    std::printf("%zu lines, %lld bytes, %d rounds\n", lines, static_cast<long long>(QFile(path).size()), rounds);
    std::printf("bare QPlainTextEdit  %8.1f ms (median; %.1f to %.1f)\n", bareTime,
                *std::min_element(bare.begin(), bare.end()), *std::max_element(bare.begin(), bare.end()));
    std::printf("Norvane              %8.1f ms (median; %.1f to %.1f)\n", norvaneTime,
                *std::min_element(opened.begin(), opened.end()), *std::max_element(opened.begin(), opened.end()));
    std::printf("ratio                %8.2f (goal 1.15 or less)\n", norvaneTime / bareTime);
    return 0;
}
