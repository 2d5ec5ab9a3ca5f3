#include "document/widgets/SourceEditor.h"
#include "search/widgets/FindReplaceDialog.h"
#include "search/widgets/FindResultsModel.h"
#include "search/widgets/SearchCommands.h"
#include "search/widgets/FindAllDialog.h"
#include "structure/widgets/StructureTreeView.h"
#include "support/MainWindowFixture.h"
#include "support/PlatformInput.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace norvane;
using namespace norvane::test;
using Answer = Dialogs::Answer;

namespace {

QByteArray areaA(const char *text)
{
    return QByteArray("       ") + text + "\r\n";
}

QByteArray areaB(const char *text)
{
    return QByteArray("           ") + text + "\r\n";
}

// 200 lines with MOVE statements on lines 3, 40, 41 and 120.
QByteArray longText()
{
    QByteArray text;
    for (int line = 0; line < 200; ++line)
        text += line == 3 || line == 40 || line == 41 || line == 120 ? areaB("MOVE A TO B.") : areaB("DISPLAY 'X'.");
    return text;
}

constexpr int MatchColumn = 11;

} // namespace

// Find next, Replace and Replace All through the modeless dialogs.
class TestFindReplace : public QObject {
    Q_OBJECT

private slots:
    void findNextStartsAfterASelectedMatch();
    void endOfTextAsksToRestart();
    void matchesScrollIntoContext_data();
    void matchesScrollIntoContext();
    void findWorksInTheSplitView();
    void replaceTakesTheExactSelectionOrTheNextMatch();
    void replaceRefusesAReadOnlyDocument();
    void replaceAllInTheWholeText();
    void replaceAllInASelectionReplacesWhatWasSelected_data();
    void replaceAllInASelectionReplacesWhatWasSelected();
    void replaceAllKeepsStoredPlacesOnTheirText();
    void undoOfReplaceAllBringsTheCaretBack();
    void aSelectionOverLinesIsFoundAcrossLines();
    void findNextAndPreviousRepeatTheLastSearch();
    void redoIsInTheEditMenuAndEnabledAsUndo();

private:
    static DocumentWindow *open(MainWindowFixture &fixture, const QByteArray &text,
                           const QString &name = QStringLiteral("TEXT.txt"))
    {
        fixture.window->openSourceFile(fixture.writeFile(name, text));
        return fixture.window->activeDocument();
    }
    static FindReplaceDialog *findDialog(MainWindowFixture &fixture)
    {
        return fixture.window->searchCommands()->findDialog;
    }
    static FindReplaceDialog *replaceDialog(MainWindowFixture &fixture)
    {
        return fixture.window->searchCommands()->replaceDialog;
    }
    static int lineOfCaret(const SourceEditor *editor) { return editor->lineFromChar(editor->selStart()); }
};

void TestFindReplace::findNextStartsAfterASelectedMatch()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, longText());
    SourceEditor *editor = child->editor();
    editor->setSelection(editor->lineIndex(40) + MatchColumn, 4);
    child->keyIsDown = true;

    QTest::keySequence(fixture.window.get(), QKeySequence(QStringLiteral("Ctrl+F")));
    FindReplaceDialog *dialog = findDialog(fixture);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->findText(), QStringLiteral("MOVE"));
    QVERIFY(!dialog->matchCaseBox->isChecked());
    QVERIFY(!dialog->wholeWordBox->isChecked());
    QVERIFY(!child->keyIsDown);

    dialog->findNextButton->click();
    QCOMPARE(editor->selStart(), editor->lineIndex(41) + MatchColumn);
    QCOMPARE(editor->selectedText(), QStringLiteral("MOVE"));
    dialog->findNextButton->click();
    QCOMPARE(lineOfCaret(editor), 120);
    QVERIFY(fixture.dialogs.asked().isEmpty());

    // Without a selection the search starts at the caret.
    editor->setSelStart(editor->lineIndex(41) + MatchColumn + 1);
    dialog->findNextButton->click();
    QCOMPARE(lineOfCaret(editor), 120);
}

void TestFindReplace::endOfTextAsksToRestart()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, longText());
    SourceEditor *editor = child->editor();
    editor->setSelection(editor->lineIndex(120) + MatchColumn, 4);
    fixture.window->runCommand(CommandId::Find);
    FindReplaceDialog *dialog = findDialog(fixture);

    // Cancel: the selection stays.
    fixture.dialogs.planMessage(Answer::Cancel);
    dialog->findNextButton->click();
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("End of file - restart from top?"));
    QCOMPARE(fixture.dialogs.asked().constLast().icon, Dialogs::Icon::Confirmation);
    QCOMPARE(fixture.dialogs.asked().constLast().buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(editor->selStart(), editor->lineIndex(120) + MatchColumn);
    QCOMPARE(editor->selLength(), 4);

    // OK: the search goes on from the top.
    fixture.dialogs.planMessage(Answer::Ok);
    dialog->findNextButton->click();
    QCOMPARE(editor->selStart(), editor->lineIndex(3) + MatchColumn);
    QCOMPARE(editor->selLength(), 4);
    QCOMPARE(fixture.dialogs.asked().size(), 2);

    // Nothing anywhere: after the restart nothing more is said.
    dialog->findWhatEdit->setText(QStringLiteral("GOBACK"));
    fixture.dialogs.planMessage(Answer::Ok);
    dialog->findNextButton->click();
    QCOMPARE(fixture.dialogs.asked().size(), 3);
    QCOMPARE(editor->selStart(), 0);
    QVERIFY(fixture.dialogs.unexpected().isEmpty());
}

void TestFindReplace::matchesScrollIntoContext_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("firstVisible");
    QTest::newRow("near the top") << 3 << 0;
    QTest::newRow("line 40") << 40 << 35;
    QTest::newRow("line 120") << 120 << 115;
}

void TestFindReplace::matchesScrollIntoContext()
{
    QFETCH(int, line);
    QFETCH(int, firstVisible);
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, longText());
    SourceEditor *editor = child->editor();
    editor->scrollLines(60);
    editor->setSelStart(editor->lineIndex(line));
    fixture.window->runCommand(CommandId::Find);
    findDialog(fixture)->findWhatEdit->setText(QStringLiteral("MOVE"));
    findDialog(fixture)->findNextButton->click();
    QCOMPARE(lineOfCaret(editor), line);
    QCOMPARE(editor->firstVisibleLine(), firstVisible);
}

void TestFindReplace::findWorksInTheSplitView()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, longText());
    // The split view as its command leaves it, and in use.
    child->splitView()->loadText(child->editor()->text());
    child->splitView()->show();
    child->mainEditorActive = false;
    SourceEditor *view = child->splitView();
    view->setSelection(view->lineIndex(40) + MatchColumn, 4);

    fixture.window->runCommand(CommandId::Find);
    QCOMPARE(findDialog(fixture)->findText(), QStringLiteral("MOVE"));
    findDialog(fixture)->findNextButton->click();
    QCOMPARE(lineOfCaret(view), 41);
    QCOMPARE(child->editor()->selStart(), 0);
}

void TestFindReplace::replaceTakesTheExactSelectionOrTheNextMatch()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, areaB("move A TO B.") + areaB("MOVE C TO D.") + areaB("MOVE E TO F."));
    SourceEditor *editor = child->editor();
    FindReplaceDialog *dialog = replaceDialog(fixture);
    QVERIFY(!fixture.window->action(CommandId::Save)->isEnabled());

    // A selection over lines is no text to find.
    editor->setSelection(editor->lineIndex(0) + MatchColumn, 20);
    QTest::keySequence(fixture.window.get(), QKeySequence(QStringLiteral("Ctrl+R")));
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->matchCaseBox->isChecked());
    QCOMPARE(dialog->findText(), QString());

    // The selection differs in case only: it stays, the next match is replaced.
    editor->setSelection(editor->lineIndex(0) + MatchColumn, 4);
    fixture.window->runCommand(CommandId::Replace);
    QCOMPARE(dialog->findText(), QStringLiteral("move"));
    dialog->findWhatEdit->setText(QStringLiteral("MOVE"));
    dialog->matchCaseBox->setChecked(false);
    dialog->replaceWithEdit->setText(QStringLiteral("SET"));
    dialog->replaceButton->click();
    QCOMPARE(editor->lines(), (QStringList{QStringLiteral("           move A TO B."),
                                           QStringLiteral("           SET C TO D."),
                                           QStringLiteral("           MOVE E TO F.")}));
    QCOMPARE(editor->selLength(), 0);
    QVERIFY(fixture.window->action(CommandId::Save)->isEnabled());

    // The exact text selected is replaced where it stands.
    editor->setSelection(editor->lineIndex(2) + MatchColumn, 4);
    dialog->replaceButton->click();
    QCOMPARE(editor->lineText(2), QStringLiteral("           SET E TO F."));
    QCOMPARE(editor->selStart(), editor->lineIndex(2) + MatchColumn + 3);

    // Nothing left after the caret.
    dialog->replaceButton->click();
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("End of document"));
    QCOMPARE(fixture.dialogs.asked().constLast().icon, Dialogs::Icon::Warning);
    QCOMPARE(editor->lineText(0), QStringLiteral("           move A TO B."));
    QVERIFY(!child->keyIsDown);
}

void TestFindReplace::replaceRefusesAReadOnlyDocument()
{
    MainWindowFixture fixture;
    fixture.show();
    fixture.window->fileCommands()->openReadOnly = true;
    DocumentWindow *child = open(fixture, longText());
    QVERIFY(child->editor()->isReadOnly());
    fixture.window->runCommand(CommandId::Replace);
    FindReplaceDialog *dialog = replaceDialog(fixture);
    dialog->findWhatEdit->setText(QStringLiteral("MOVE"));
    dialog->replaceWithEdit->setText(QStringLiteral("SET"));
    for (QPushButton *button : {dialog->replaceButton, dialog->replaceAllButton}) {
        button->click();
        QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("This file is read only"));
    }
    QCOMPARE(fixture.dialogs.asked().size(), 2);
    QCOMPARE(child->editor()->text().toLatin1(), longText());
}

void TestFindReplace::replaceAllInTheWholeText()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, longText());
    SourceEditor *editor = child->editor();
    QSignalSpy progress(fixture.window->searchCommands(), &SearchCommands::progress);
    // A selection inside one line does not limit Replace All.
    editor->setSelection(editor->lineIndex(40) + MatchColumn + 5, 6);
    fixture.window->runCommand(CommandId::Replace);
    FindReplaceDialog *dialog = replaceDialog(fixture);
    dialog->findWhatEdit->setText(QStringLiteral("MOVE"));
    dialog->replaceWithEdit->setText(QStringLiteral("SET"));
    dialog->replaceAllButton->click();

    QVERIFY(!dialog->isVisible());
    QCOMPARE(progress.size(), 1);
    QCOMPARE(progress.at(0).at(0).toString(), QStringLiteral("replacing ALL \"MOVE\"with \"SET\"..."));
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("All Text\n4 occurances of \"MOVE\"\nreplaced with \"SET\""));
    QCOMPARE(fixture.dialogs.asked().constLast().icon, Dialogs::Icon::Information);
    for (int line : {3, 40, 41, 120})
        QCOMPARE(editor->lineText(line), QStringLiteral("           SET A TO B."));
    // The caret stays on its text; the status line shows it again.
    QCOMPARE(editor->selStart(), editor->lineIndex(40) + MatchColumn + 4);
    QCOMPARE(fixture.window->statusPanel(1), QStringLiteral(" line 41 column 16"));
    QVERIFY(!child->keyIsDown);
    QVERIFY(fixture.window->action(CommandId::Save)->isEnabled());

    // One undo takes all of it back.
    editor->undo();
    QCOMPARE(editor->text().toLatin1(), longText());

    // Nothing found still reports, with the count 0.
    dialog->findWhatEdit->setText(QStringLiteral("GOBACK"));
    dialog->replaceAllButton->click();
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("All Text\n0 occurances of \"GOBACK\"\nreplaced with \"SET\""));
}

void TestFindReplace::replaceAllInASelectionReplacesWhatWasSelected_data()
{
    QTest::addColumn<QString>("replacement");
    QTest::newRow("longer") << QStringLiteral("ABCDEFGH");
    QTest::newRow("shorter") << QStringLiteral("-");
    QTest::newRow("empty") << QString();
}

void TestFindReplace::replaceAllInASelectionReplacesWhatWasSelected()
{
    QFETCH(QString, replacement);
    MainWindowFixture fixture;
    fixture.show();
    QByteArray text;
    for (int line = 0; line < 8; ++line)
        text += "AB AB AB AB AB\r\n";
    DocumentWindow *child = open(fixture, text);
    SourceEditor *editor = child->editor();
    QSignalSpy progress(fixture.window->searchCommands(), &SearchCommands::progress);

    // From the middle of line 2 to the middle of line 5.
    const int start = editor->lineIndex(2) + 3;
    editor->setSelection(start, editor->lineIndex(5) + 8 - start);
    fixture.window->runCommand(CommandId::Replace);
    FindReplaceDialog *dialog = replaceDialog(fixture);
    dialog->findWhatEdit->setText(QStringLiteral("AB"));
    dialog->replaceWithEdit->setText(replacement);
    dialog->replaceAllButton->click();

    const QString line = QStringLiteral("AB AB AB AB AB");
    const QString r = replacement;
    const QStringList expected{
        line,
        line,
        QStringLiteral("AB %1 %1 %1 %1").arg(r),
        QStringLiteral("%1 %1 %1 %1 %1").arg(r),
        QStringLiteral("%1 %1 %1 %1 %1").arg(r),
        QStringLiteral("%1 %1 %1 AB AB").arg(r),
        line,
        line,
    };
    QCOMPARE(editor->lines(), expected);
    QCOMPARE(progress.at(0).at(0).toString(), QStringLiteral("replacing SELECTED \"AB\"with \"%1\"...").arg(r));
    QCOMPARE(fixture.dialogs.lastMessage(),
             QStringLiteral("Selected Text\n17 occurances of \"AB\"\nreplaced with \"%1\"").arg(r));
    QCOMPARE(editor->selStart(), start);
    QCOMPARE(editor->selLength(), 0);
}

void TestFindReplace::replaceAllKeepsStoredPlacesOnTheirText()
{
    MainWindowFixture fixture;
    fixture.show();
    const QByteArray program = areaA("IDENTIFICATION DIVISION.") + areaA("DATA DIVISION.") +
                               areaA("WORKING-STORAGE SECTION.") + areaA("01 WS-A PIC 9.") +
                               areaA("PROCEDURE DIVISION.") + areaA("MAIN-PARA.") + areaB("MOVE 1 TO WS-A.") +
                               areaB("MOVE 2 TO WS-A.") + areaA("NEXT-PARA.") + areaB("MOVE 3 TO WS-A.");
    DocumentWindow *child = open(fixture, program, QStringLiteral("KEEP.cbl"));
    SourceEditor *editor = child->editor();
    QVERIFY(child->treeShown());
    const int nodes = child->structureTree()->count();
    QList<int> nodeLines;
    for (int i = 0; i < nodes; ++i)
        nodeLines.append(child->structureTree()->dataAt(i));

    fixture.window->runCommand(CommandId::FindAll);
    fixture.window->findAllDialog()->findTextEdit->setText(QStringLiteral("WS-A"));
    fixture.window->findAllDialog()->findAllButton->click();
    QCOMPARE(child->findResults()->rowCount(), 4);
    const int trackedLine = 9;
    child->editorHistory.push_back(editor->lineIndex(trackedLine) + 6);

    editor->setSelStart(0);
    fixture.window->runCommand(CommandId::Replace);
    replaceDialog(fixture)->findWhatEdit->setText(QStringLiteral("MOVE"));
    replaceDialog(fixture)->replaceWithEdit->setText(QStringLiteral("COMPUTE-AND-MOVE"));
    replaceDialog(fixture)->replaceAllButton->click();
    QCOMPARE(editor->lineText(9), QStringLiteral("           COMPUTE-AND-MOVE 3 TO WS-A."));

    for (int row = 0; row < 4; ++row) {
        clickRow(child->findResultsGrid(), row);
        QCOMPARE(editor->selectedText(), QStringLiteral("WS-A"));
    }
    QCOMPARE(child->editorHistory.back(), editor->lineIndex(trackedLine) + 6);
    for (int i = 0; i < nodes; ++i)
        QCOMPARE(child->structureTree()->dataAt(i), nodeLines[i]);
    QCOMPARE(child->procedureDivisionLine, 4);
}

// Undo of a Replace All puts the caret back where it stood, not on line 1.
void TestFindReplace::undoOfReplaceAllBringsTheCaretBack()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, longText());
    SourceEditor *editor = child->editor();
    editor->setFocus();
    editor->setSelStart(editor->lineIndex(100) + 5);
    const int caret = editor->selStart();
    fixture.window->runCommand(CommandId::Replace);
    replaceDialog(fixture)->findWhatEdit->setText(QStringLiteral("MOVE"));
    replaceDialog(fixture)->replaceWithEdit->setText(QStringLiteral("SET"));
    replaceDialog(fixture)->replaceAllButton->click();
    QCOMPARE(editor->lineText(120), QStringLiteral("           SET A TO B."));

    pressKeys(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor->text().toLatin1(), longText());
    QCOMPARE(editor->selStart(), caret);
    QCOMPARE(fixture.window->statusPanel(1), QStringLiteral(" line 101 column 6"));
    QVERIFY(editor->firstVisibleLine() > 0);
}

// A selection over several lines is the find text, whole: it is found across
// line breaks, never "not found" where it plainly stands.
void TestFindReplace::aSelectionOverLinesIsFoundAcrossLines()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, longText());
    SourceEditor *editor = child->editor();
    // From the "B." of line 3 to the DISPLAY of line 4.
    editor->setSelection(editor->lineIndex(3) + 21, editor->lineIndex(4) + 18 - (editor->lineIndex(3) + 21));
    fixture.window->runCommand(CommandId::Find);
    FindReplaceDialog *dialog = findDialog(fixture);
    QCOMPARE(dialog->findText(), QStringLiteral("B.\r\n           DISPLAY"));

    // Line 40 is followed by a MOVE: the next place is line 41.
    dialog->findNextButton->click();
    QCOMPARE(editor->selStart(), editor->lineIndex(41) + 21);
    QCOMPARE(editor->selectedText(), dialog->findText());
    dialog->findNextButton->click();
    QCOMPARE(editor->selStart(), editor->lineIndex(120) + 21);
    fixture.dialogs.planMessage(Answer::Ok);
    dialog->findNextButton->click();
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("End of file - restart from top?"));
    QCOMPARE(editor->selStart(), editor->lineIndex(3) + 21);
    QCOMPARE(editor->selectedText(), dialog->findText());
    QCOMPARE(fixture.dialogs.asked().size(), 1);
}

// F3 and Shift+F3 look for the text last looked for, forward and backward.
void TestFindReplace::findNextAndPreviousRepeatTheLastSearch()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, longText());
    SourceEditor *editor = child->editor();
    editor->setFocus();
    QVERIFY(fixture.window->action(CommandId::FindNext)->isEnabled());
    QVERIFY(fixture.window->action(CommandId::FindPrevious)->isEnabled());

    // Nothing looked for yet: F3 opens the Find dialog.
    pressKeys(editor, Qt::Key_F3);
    QVERIFY(findDialog(fixture)->isVisible());
    findDialog(fixture)->findWhatEdit->setText(QStringLiteral("MOVE"));
    findDialog(fixture)->hide();
    editor->setFocus();
    editor->setSelStart(editor->lineIndex(10));

    pressKeys(editor, Qt::Key_F3);
    QCOMPARE(editor->selStart(), editor->lineIndex(40) + MatchColumn);
    QCOMPARE(editor->selectedText(), QStringLiteral("MOVE"));
    pressKeys(editor, Qt::Key_F3);
    QCOMPARE(lineOfCaret(editor), 41);
    pressKeys(editor, Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(lineOfCaret(editor), 40);
    QCOMPARE(editor->selectedText(), QStringLiteral("MOVE"));
    pressKeys(editor, Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(lineOfCaret(editor), 3);
    QVERIFY(fixture.dialogs.asked().isEmpty());

    // At the top, Shift+F3 offers to go on from the end.
    fixture.dialogs.planMessage(Answer::Ok);
    pressKeys(editor, Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("Top of file - restart from end?"));
    QCOMPARE(lineOfCaret(editor), 120);
    fixture.dialogs.planMessage(Answer::Cancel);
    pressKeys(editor, Qt::Key_F3);
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("End of file - restart from top?"));
    QCOMPARE(lineOfCaret(editor), 120);
    QCOMPARE(editor->selectedText(), QStringLiteral("MOVE"));

    // The options of the dialog hold: in its letter case, "move" is nowhere.
    findDialog(fixture)->findWhatEdit->setText(QStringLiteral("move"));
    findDialog(fixture)->matchCaseBox->setChecked(true);
    fixture.dialogs.planMessage(Answer::Ok);
    pressKeys(editor, Qt::Key_F3);
    QCOMPARE(fixture.dialogs.asked().size(), 3);
    QCOMPARE(editor->selStart(), 0);
}

void TestFindReplace::redoIsInTheEditMenuAndEnabledAsUndo()
{
    MainWindowFixture fixture;
    fixture.show();
    QVERIFY(!fixture.window->action(CommandId::Redo)->isEnabled());
    DocumentWindow *child = open(fixture, longText(), QStringLiteral("REDO.cbl"));
    SourceEditor *editor = child->editor();
    QVERIFY(fixture.window->action(CommandId::Redo)->isEnabled());
    QCOMPARE(fixture.window->action(CommandId::Redo)->isEnabled(), fixture.window->action(CommandId::Undo)->isEnabled());

    editor->setFocus();
    editor->setSelStart(editor->lineIndex(3));
    pressKeys(editor, Qt::Key_Return);
    fixture.window->runCommand(CommandId::Undo);
    QCOMPARE(editor->text().toLatin1(), longText());
    fixture.window->runCommand(CommandId::Redo);
    QCOMPARE(editor->lineText(3), QString());
    QCOMPARE(editor->lineCount(), 201);
    // Nothing more to redo: nothing happens.
    fixture.window->runCommand(CommandId::Redo);
    QCOMPARE(editor->lineCount(), 201);

    fixture.window->runCommand(CommandId::Close);
    fixture.dialogs.planMessage(Answer::No);
    QCOMPARE(fixture.window->action(CommandId::Redo)->isEnabled(), fixture.window->action(CommandId::Undo)->isEnabled());
}

QTEST_MAIN(TestFindReplace)
#include "tst_findreplace.moc"
