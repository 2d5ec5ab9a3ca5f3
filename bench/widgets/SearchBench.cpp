// Times the search commands on a large program: Find all of a word with
// 50,000 occurrences filling the results grid, and Replace All of them as one
// undo step while the grid's rows and the tree's nodes follow each replacement.

#include "LargeProgram.h"
#include "app/MainWindow.h"
#include "common/widgets/Dialogs.h"
#include "document/widgets/SourceEditor.h"
#include "search/widgets/FindAll.h"
#include "search/widgets/FindReplaceDialog.h"
#include "search/widgets/FindResultsModel.h"
#include "search/widgets/SearchCommands.h"
#include "settings/core/Settings.h"

#include <QApplication>
#include <QFile>
#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

using namespace norvane;

namespace {

constexpr int Occurrences = 50000;
const QString Word = QStringLiteral("MARKED01");
const QString LongerWord = QStringLiteral("MARKED-WORD-02");

// Answers every question with OK at once, so no dialog waits for a user.
class SilentDialogs final : public Dialogs {
public:
    Answer message(Icon, const QString &, Buttons) override { return Answer::Ok; }
    std::optional<OpenChoice> openFiles(const QString &, const QString &, const QString &, bool) override { return {}; }
    std::optional<QString> saveFile(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QFont> chooseFont(const QFont &) override { return {}; }
    bool print(QPrinter &) override { return false; }
    void printSetup(QPrinter &) override {}
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QList<int>> chooseOptions(const QString &, const QString &, const QList<OptionList> &) override
    {
        return {};
    }
};

// The generated program with the word in the identification area (columns
// 73-80) of 50,000 of its 200,000 lines.
QByteArray markedProgram()
{
    std::vector<std::string> lines = bench::LargeProgram::make(200000);
    int marked = 0;
    for (std::size_t offset = 0; offset < 4 && marked < Occurrences; ++offset) {
        for (std::size_t i = offset; i < lines.size() && marked < Occurrences; i += 4) {
            if (lines[i].size() == 80 && lines[i].compare(72, 8, "LARGEPGM") == 0) {
                lines[i].replace(72, 8, Word.toStdString());
                ++marked;
            }
        }
    }
    QByteArray text;
    for (const std::string &line : lines) {
        text.append(line.data(), static_cast<qsizetype>(line.size()));
        text.append("\r\n");
    }
    return text;
}

struct MarkedDocument {
    MarkedDocument()
    {
        path = folder.filePath(QStringLiteral("MARKED.CBL"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(markedProgram());
        file.close();
        window.resize(1200, 800);
        window.show();
        window.openSourceFile(path);
        child = window.activeDocument();
    }

    QTemporaryDir folder;
    QString path;
    Settings settings;
    SilentDialogs dialogs;
    MainWindow window{{settings, dialogs, folder.path(), folder.filePath(QStringLiteral("settings"))}};
    DocumentWindow *child = nullptr;
};

// Made on first use and freed before the application object goes.
std::unique_ptr<MarkedDocument> markedDocument;

MarkedDocument &document()
{
    if (!markedDocument)
        markedDocument = std::make_unique<MarkedDocument>();
    return *markedDocument;
}

// Find all from a closed grid: the search, the header scan and filling the grid.
void FindAllOfAWord(benchmark::State &state)
{
    MarkedDocument &doc = document();
    for (auto _ : state) {
        doc.child->closeFindResults();
        const auto start = std::chrono::steady_clock::now();
        findAllOccurrences(*doc.child, doc.window, {Word, true, true});
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
    state.counters["rows"] = doc.child->findResults()->rowCount();
    state.counters["tree"] = doc.child->treeShown() ? 1 : 0;
}
BENCHMARK(FindAllOfAWord)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

// Replace All of every occurrence with a longer word and back again, with the
// grid's 50,000 rows kept in step.
void ReplaceAllOfAWord(benchmark::State &state)
{
    MarkedDocument &doc = document();
    SourceEditor &editor = *doc.child->editor();
    doc.child->closeFindResults();
    findAllOccurrences(*doc.child, doc.window, {Word, true, true});
    FindReplaceDialog &dialog = *doc.window.searchCommands()->replaceDialog;
    dialog.wholeWordBox->setChecked(true);
    bool forth = true;
    for (auto _ : state) {
        editor.setSelStart(0);
        dialog.findWhatEdit->setText(forth ? Word : LongerWord);
        dialog.replaceWithEdit->setText(forth ? LongerWord : Word);
        const auto start = std::chrono::steady_clock::now();
        doc.window.searchCommands()->replaceFromReplaceDialog(true);
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        forth = !forth;
    }
    state.counters["rows"] = doc.child->findResults()->rowCount();
}
BENCHMARK(ReplaceAllOfAWord)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(4);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    markedDocument.reset();
    return 0;
}
