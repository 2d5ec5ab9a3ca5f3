#include "common/core/Rounding.h"
#include "document/widgets/SourceEditor.h"
#include "search/widgets/FindResultsModel.h"
#include "search/widgets/FindAllDialog.h"
#include "support/MainWindowFixture.h"
#include "support/PlatformInput.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QSignalSpy>
#include <QTableView>
#include <QMenu>
#include <QTableView>
#include <QTest>

using namespace norvane;
using namespace norvane::test;

namespace {

QByteArray areaA(const char *text)
{
    return QByteArray("       ") + text + "\r\n";
}

QByteArray areaB(const char *text)
{
    return QByteArray("           ") + text + "\r\n";
}

// Matches before any header, under paragraphs, inside an EXEC block and on a
// paragraph's own line.
QByteArray finderProgram()
{
    return areaA("IDENTIFICATION DIVISION.") +          // 0
           areaB("MOVE 0 TO WS-A.") +                   // 1
           areaA("PROGRAM-ID. FINDER.") +               // 2
           areaA("DATA DIVISION.") +                    // 3
           areaA("WORKING-STORAGE SECTION.") +          // 4
           areaA("01 WS-A PIC 9.") +                    // 5
           areaA("PROCEDURE DIVISION.") +               // 6
           areaA("MAIN-PARA.") +                        // 7
           areaB("MOVE 1 TO WS-A.") +                   // 8
           areaA("EXEC SQL") +                          // 9
           areaB("SELECT COL INTO :WS-A FROM T") +      // 10
           areaA("END-EXEC.") +                         // 11
           areaB("move 2 to WS-A.") +                   // 12
           areaA("MOVE-PARA.") +                        // 13
           areaB("PERFORM MOVE-PARA.") +                // 14
           areaB("MOVE 3 TO WS-A.");                    // 15
}

struct Row {
    QString line;
    QString header;
    QString text;
    bool operator==(const Row &) const = default;
};

QList<Row> rowsOf(const FindResultsModel &model)
{
    QList<Row> rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows.append({model.cellText(row, 0), model.cellText(row, 1), model.cellText(row, 2)});
    return rows;
}

char *toString(const Row &row)
{
    return QTest::toString(row.line + u'|' + row.header + u'|' + row.text);
}

} // namespace

// Find all: the dialog, the results grid under the editor, moving to a result,
// and the rows kept on their text while the program is edited.
class TestFindAll : public QObject {
    Q_OBJECT

private slots:
    void dialogWaitsForAText();
    void rowsNameLineHeaderAndText();
    void headersShowAsTheTreeShowsThem();
    void withoutATreeThereAreNoHeaders();
    void searchesWhileShownAppend();
    void nothingFoundSaysSoAndLeavesTheGrid();
    void selectingARowMovesTheEditor();
    void clearAndClose();
    void onlyAClickActivationOrKeysChooseARow();
    void rowsFollowEdits();
    void resultsTakeTwoFifthsAndCloseTheSplit();
    void modelKeepsItsContract();

private:
    static DocumentWindow *open(MainWindowFixture &fixture, const QByteArray &text,
                           const QString &name = QStringLiteral("FINDER.cbl"))
    {
        fixture.window->openSourceFile(fixture.writeFile(name, text));
        return fixture.window->activeDocument();
    }
    static void findAll(MainWindowFixture &fixture, const QString &text, bool matchCase = true, bool wholeWord = true)
    {
        fixture.window->runCommand(CommandId::FindAll);
        FindAllDialog *dialog = fixture.window->findAllDialog();
        dialog->findTextEdit->setText(text);
        dialog->matchCaseBox->setChecked(matchCase);
        dialog->wholeWordBox->setChecked(wholeWord);
        dialog->findAllButton->click();
    }
};

void TestFindAll::dialogWaitsForAText()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, finderProgram());
    FindAllDialog *dialog = fixture.window->findAllDialog();
    QVERIFY(dialog->wholeWordBox->isChecked());
    QVERIFY(dialog->matchCaseBox->isChecked());
    QVERIFY(!dialog->findAllButton->isEnabled());

    QTest::keySequence(fixture.window.get(), QKeySequence(QStringLiteral("Ctrl+D")));
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->focusWidget(), dialog->findTextEdit);
    QTest::keyClick(dialog->findTextEdit, Qt::Key_W);
    QVERIFY(dialog->findAllButton->isEnabled());
    QTest::keyClick(dialog->findTextEdit, Qt::Key_Backspace);
    QVERIFY(!dialog->findAllButton->isEnabled());
    QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());

    // The selection becomes the text to find; without one the last text stays.
    child->editor()->setSelection(child->editor()->lineIndex(5) + 10, 4);
    fixture.window->runCommand(CommandId::FindAll);
    QCOMPARE(dialog->findTextEdit->text(), QStringLiteral("WS-A"));
    dialog->reject();
    child->editor()->setSelStart(0);
    fixture.window->runCommand(CommandId::FindAll);
    QCOMPARE(dialog->findTextEdit->text(), QStringLiteral("WS-A"));
    QTest::keyClick(dialog, Qt::Key_Return);   // the default button
    QVERIFY(!dialog->isVisible());
    QCOMPARE(child->findResults()->rowCount(), 6);
}

void TestFindAll::rowsNameLineHeaderAndText()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, finderProgram());
    QVERIFY(child->treeShown());
    SourceEditor *editor = child->editor();
    editor->setSelStart(editor->lineIndex(4) + 3);

    findAll(fixture, QStringLiteral("MOVE"));
    QVERIFY(child->findResultsGrid()->isVisible());
    const QList<Row> expected{
        {QStringLiteral("line 2"), QString(), QStringLiteral("MOVE 0 TO WS-A.")},   // line 0 is never a header
        {QStringLiteral("line 9"), QStringLiteral("MAIN-PARA."), QStringLiteral("MOVE 1 TO WS-A.")},
        {QStringLiteral("line 16"), QStringLiteral("MOVE-PARA."), QStringLiteral("MOVE 3 TO WS-A.")},
    };
    QCOMPARE(rowsOf(*child->findResults()), expected);
    QCOMPARE(child->findResults()->cellText(1, 3), QString::number(editor->lineIndex(8) + 11));
    QVERIFY(child->findResultsGrid()->isColumnHidden(3));
    // The search leaves the caret where it was.
    QCOMPARE(editor->selStart(), editor->lineIndex(4) + 3);
    QCOMPARE(fixture.window->statusPanel(1), QStringLiteral(" line 5 column 4"));

    // Inside an EXEC block the header is the one above the EXEC line; on a
    // paragraph's own line there is none.
    child->closeFindResults();
    findAll(fixture, QStringLiteral("MOVE-PARA"));
    findAll(fixture, QStringLiteral(":WS-A"), true, false);
    const QList<Row> more{
        {QStringLiteral("line 14"), QString(), QStringLiteral("MOVE-PARA.")},
        {QStringLiteral("line 15"), QStringLiteral("MOVE-PARA."), QStringLiteral("PERFORM MOVE-PARA.")},
        {QStringLiteral("line 11"), QStringLiteral("MAIN-PARA."), QStringLiteral("SELECT COL INTO :WS-A FROM T")},
    };
    QCOMPARE(rowsOf(*child->findResults()), more);

    // Without match case the other letter cases are found too.
    child->closeFindResults();
    findAll(fixture, QStringLiteral("MOVE"), false, true);
    QCOMPARE(child->findResults()->rowCount(), 4);
    QCOMPARE(child->findResults()->cellText(2, 2), QStringLiteral("move 2 to WS-A."));
    QCOMPARE(child->findResults()->cellText(2, 1), QStringLiteral("MAIN-PARA."));
}

// Numbered lines with an identification area: the header column shows the
// header as the tree does (columns 8 to 72, trimmed), not the raw line.
void TestFindAll::headersShowAsTheTreeShowsThem()
{
    const auto numbered = [](const char *sequence, const char *text, const char *identification) {
        QByteArray line = QByteArray(sequence) + ' ' + text;
        line.append(72 - line.size(), ' ');
        return line + identification + "\r\n";
    };
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, numbered("062300", "PROCEDURE DIVISION.", "06230000") +
                                              numbered("062400", "    DISPLAY 'X'.", "06240000") +
                                              numbered("062500", "1000-PROCESS-INPUTS.", "06250000") +
                                              numbered("062600", "    MOVE 1 TO WS-A.", "06260000") +
                                              numbered("062700", "2000-next.", "06270000") +
                                              numbered("062800", "\t    MOVE 2 TO WS-A.", "06280000"));
    findAll(fixture, QStringLiteral("MOVE"));
    QCOMPARE(child->findResults()->cellText(0, 1), QStringLiteral("1000-PROCESS-INPUTS."));
    QCOMPARE(child->findResults()->cellText(1, 1), QStringLiteral("2000-next."));
    // On the header's own line the column stays empty.
    findAll(fixture, QStringLiteral("1000-PROCESS-INPUTS"));
    QCOMPARE(child->findResults()->cellText(2, 0), QStringLiteral("line 3"));
    QCOMPARE(child->findResults()->cellText(2, 1), QString());
}

void TestFindAll::withoutATreeThereAreNoHeaders()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, finderProgram(), QStringLiteral("FINDER.txt"));
    QVERIFY(!child->treeShown());
    findAll(fixture, QStringLiteral("MOVE"));
    QCOMPARE(child->findResults()->rowCount(), 3);
    for (int row = 0; row < 3; ++row)
        QCOMPARE(child->findResults()->cellText(row, 1), QString());
}

void TestFindAll::searchesWhileShownAppend()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, finderProgram());
    findAll(fixture, QStringLiteral("MOVE"));
    findAll(fixture, QStringLiteral("PERFORM"));
    QCOMPARE(child->findResults()->rowCount(), 4);
    QCOMPARE(child->findResults()->cellText(3, 0), QStringLiteral("line 15"));
    QCOMPARE(child->findResults()->cellText(0, 0), QStringLiteral("line 2"));

    // A cleared grid starts again at the first row.
    child->menus()->clearFindResultsItem->trigger();
    findAll(fixture, QStringLiteral("PERFORM"));
    QCOMPARE(child->findResults()->rowCount(), 1);
    QCOMPARE(child->findResults()->cellText(0, 0), QStringLiteral("line 15"));
}

void TestFindAll::nothingFoundSaysSoAndLeavesTheGrid()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, finderProgram());
    findAll(fixture, QStringLiteral("PERFORM"));
    findAll(fixture, QStringLiteral("GOBACK"));
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("\"GOBACK\" was not found"));
    QCOMPARE(fixture.dialogs.asked().constLast().icon, Dialogs::Icon::Information);
    QCOMPARE(child->findResults()->rowCount(), 1);
    QVERIFY(child->findResultsGrid()->isVisible());
    QCOMPARE(fixture.window->statusPanel(1), QStringLiteral(" line 1 column 1"));
}

void TestFindAll::selectingARowMovesTheEditor()
{
    MainWindowFixture fixture;
    fixture.show();
    QByteArray text = finderProgram();
    for (int i = 0; i < 60; ++i)
        text += areaB("DISPLAY 'FILLER'.");
    text += areaB("MOVE 4 TO WS-A.");   // line 76
    for (int i = 0; i < 60; ++i)
        text += areaB("DISPLAY 'FILLER'.");
    DocumentWindow *child = open(fixture, text);
    SourceEditor *editor = child->editor();
    findAll(fixture, QStringLiteral("MOVE"), false, true);
    QCOMPARE(child->findResults()->rowCount(), 5);

    // A match far down: five lines of context above it.
    clickRow(child->findResultsGrid(), 4);
    QCOMPARE(editor->selStart(), editor->lineIndex(76) + 11);
    QCOMPARE(editor->selectedText(), QStringLiteral("MOVE"));
    QCOMPARE(editor->firstVisibleLine(), 71);
    QVERIFY(editor->hasFocus());
    QCOMPARE(fixture.window->statusPanel(1), QStringLiteral(" line 77 column 12"));

    // A match near the top: the text from its first line; another letter case is selected as found.
    clickRow(child->findResultsGrid(), 2);
    QCOMPARE(editor->firstVisibleLine(), 7);
    QCOMPARE(editor->selectedText(), QStringLiteral("move"));
    clickRow(child->findResultsGrid(), 0);
    QCOMPARE(editor->firstVisibleLine(), 0);

    // Rows from an earlier search select their own text after another was appended.
    findAll(fixture, QStringLiteral("PERFORM"));
    clickRow(child->findResultsGrid(), 1);
    QCOMPARE(editor->selectedText(), QStringLiteral("MOVE"));
    clickRow(child->findResultsGrid(), 5);
    QCOMPARE(editor->selectedText(), QStringLiteral("PERFORM"));

    // A row whose text changed since places only the caret.
    editor->setSelection(editor->lineIndex(8) + 11, 4);
    editor->replaceSelection(QStringLiteral("SET "));
    clickRow(child->findResultsGrid(), 1);
    QCOMPARE(editor->selStart(), editor->lineIndex(8) + 11);
    QCOMPARE(editor->selLength(), 0);
}

void TestFindAll::clearAndClose()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, finderProgram());
    findAll(fixture, QStringLiteral("MOVE"));
    clickRow(child->findResultsGrid(), 1);
    const int caret = child->editor()->selStart();

    child->menus()->clearFindResultsItem->trigger();
    QCOMPARE(child->findResults()->rowCount(), 0);
    QVERIFY(child->findResultsGrid()->isVisible());
    QVERIFY(!child->findResultsGrid()->selectionModel()->hasSelection());
    QCOMPARE(child->editor()->selStart(), caret);

    findAll(fixture, QStringLiteral("MOVE"));
    child->menus()->closeFindResultsItem->trigger();
    QVERIFY(!child->findResultsGrid()->isVisible());
    QCOMPARE(child->findResults()->rowCount(), 0);
    QVERIFY(child->editor()->hasFocus());
    QCoreApplication::processEvents();
    QCOMPARE(child->editor()->height(), child->editorSplitter()->height());

    // A closed grid starts again.
    findAll(fixture, QStringLiteral("PERFORM"));
    QCOMPARE(child->findResults()->rowCount(), 1);
}

// A right click, the popup and the grid getting the focus back choose no row
// and make none current: the editor stays where it is.
void TestFindAll::onlyAClickActivationOrKeysChooseARow()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, finderProgram());
    SourceEditor *editor = child->editor();
    findAll(fixture, QStringLiteral("MOVE"));
    QTableView *grid = child->findResultsGrid();
    editor->setSelStart(editor->lineIndex(5) + 3);
    const int caret = editor->selStart();

    const QRect row2 = grid->visualRect(grid->model()->index(2, 0));
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, row2.center());
    child->menus()->findResultsMenu->close();
    grid->setFocus(Qt::PopupFocusReason);
    QCOMPARE(editor->selStart(), caret);
    QVERIFY(!grid->currentIndex().isValid());

    // The arrow keys choose a row, and so does Enter.
    pressKeys(grid, Qt::Key_Down);
    QCOMPARE(editor->selectedText(), QStringLiteral("MOVE"));
    QCOMPARE(editor->selStart(), child->findResults()->result(grid->currentIndex().row()).position);
    editor->setSelStart(caret);
    grid->setFocus();
    pressKeys(grid, Qt::Key_Return);
    QCOMPARE(editor->selStart(), child->findResults()->result(grid->currentIndex().row()).position);

    // Clear and Close leave the editor where it is.
    editor->setSelStart(caret);
    child->menus()->clearFindResultsItem->trigger();
    grid->setFocus(Qt::PopupFocusReason);
    QCOMPARE(editor->selStart(), caret);
    findAll(fixture, QStringLiteral("MOVE"));
    editor->setSelStart(caret);
    child->menus()->closeFindResultsItem->trigger();
    QCOMPARE(editor->selStart(), caret);
}

void TestFindAll::rowsFollowEdits()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, finderProgram());
    SourceEditor *editor = child->editor();
    findAll(fixture, QStringLiteral("MOVE"));
    const int before = child->findResults()->result(2).position;

    // Two lines typed in front of line 8: the rows from line 8 on move down two lines.
    editor->setFocus();
    editor->setSelStart(editor->lineIndex(8));
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(child->findResults()->cellText(0, 0), QStringLiteral("line 2"));
    QCOMPARE(child->findResults()->cellText(1, 0), QStringLiteral("line 11"));
    QCOMPARE(child->findResults()->cellText(2, 0), QStringLiteral("line 18"));
    QCOMPARE(child->findResults()->result(2).position, before + 4);

    // Characters typed on a line move the positions after them, not the lines.
    editor->setSelStart(editor->lineIndex(10));
    QTest::keyClicks(editor, QStringLiteral("XY"));
    QCOMPARE(child->findResults()->cellText(1, 0), QStringLiteral("line 11"));
    QCOMPARE(child->findResults()->result(2).position, before + 6);
    clickRow(child->findResultsGrid(), 2);
    QCOMPARE(editor->selectedText(), QStringLiteral("MOVE"));
    QCOMPARE(editor->lineFromChar(editor->selStart()), 17);
    QCOMPARE(child->findResults()->result(0).position, editor->lineIndex(1) + 11);
}

void TestFindAll::resultsTakeTwoFifthsAndCloseTheSplit()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, finderProgram());
    // The split view as its command leaves it.
    child->splitView()->loadText(child->editor()->text());
    child->splitView()->show();
    child->mainEditorActive = false;
    child->splitViewHistory.push_back(3);

    findAll(fixture, QStringLiteral("MOVE"));
    QVERIFY(child->splitView()->isHidden());
    QCOMPARE(child->splitView()->textLength(), 0);
    QCOMPARE(child->splitViewHistory.size(), 1u);
    QVERIFY(child->mainEditorActive);
    QVERIFY(child->editor()->hasFocus());
    QCoreApplication::processEvents();
    QCOMPARE(child->editor()->height(), roundHalfEven(child->height() * 3 / 5.0) - 4);

    // The rule holds again after the main window is resized.
    fixture.window->resize(900, 640);
    QCoreApplication::processEvents();
    QCOMPARE(child->editor()->height(), roundHalfEven(child->height() * 3 / 5.0) - 4);
    QVERIFY(child->findResultsGrid()->height() > 0);
}

void TestFindAll::modelKeepsItsContract()
{
    FindResultsModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.columnCount(), 4);
    std::vector<FindResult> rows;
    for (int i = 0; i < 5; ++i)
        rows.push_back({i * 10, QStringLiteral("HEAD."), QStringLiteral("TEXT %1").arg(i), i * 100, QStringLiteral("T")});
    model.append(rows);
    model.append({});
    QCOMPARE(model.rowCount(), 5);
    QCOMPARE(model.data(model.index(3, 0)).toString(), QStringLiteral("line 31"));
    QCOMPARE(model.data(model.index(3, 3)).toString(), QStringLiteral("300"));
    QCOMPARE(model.longestText(0), QStringLiteral("line 11"));

    // The lines and positions follow changes of the text in place.
    const std::uint64_t generation = model.generation();
    for (int &line : model.lines())
        line += line >= 20 ? 2 : 0;
    for (int &position : model.positions())
        position -= position >= 150 ? 7 : 0;
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.placesMoved();
    QCOMPARE(changed.size(), 1);
    QCOMPARE(model.cellText(1, 0), QStringLiteral("line 11"));
    QCOMPARE(model.cellText(2, 0), QStringLiteral("line 23"));
    QCOMPARE(model.cellText(1, 3), QStringLiteral("100"));
    QCOMPARE(model.cellText(2, 3), QStringLiteral("193"));
    QCOMPARE(model.result(2).line, 22);
    QCOMPARE(model.result(2).found, QStringLiteral("T"));

    model.clear();
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(model.generation() != generation);
    model.append(std::move(rows));
    QCOMPARE(model.rowCount(), 5);
}

QTEST_MAIN(TestFindAll)
#include "tst_findall.moc"
