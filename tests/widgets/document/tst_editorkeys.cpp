#include "document/widgets/SourceEditor.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>

using namespace norvane;
using namespace norvane::test;

// The COBOL keys of the editor, its modes and caret, and the split view,
// driven by real key presses.
class TestEditorKeys : public QObject {
    Q_OBJECT

private slots:
    void enterContinuesTheIndentation_data();
    void enterContinuesTheIndentation();
    void tabInsertsBlanksAsOneUndoStep();
    void shiftTabMovesTheCaretLeft_data();
    void shiftTabMovesTheCaretLeft();
    void shiftBackspaceAndShiftDelete_data();
    void shiftBackspaceAndShiftDelete();
    void insertTogglesOvertypeAndTheCaret();
    void insertInAReadOnlyDocumentChangesNothing();
    void blockCaretOption();
    void splitViewShowsACopyUntilRefreshed();
    void splitViewHasItsOwnHistoryAndPopup();

private:
    struct Document {
        MainWindowFixture fixture;
        DocumentWindow *child = nullptr;
        SourceEditor *editor = nullptr;
    };
    static std::unique_ptr<Document> open(const QByteArray &text, int indent = 4)
    {
        auto document = std::make_unique<Document>();
        document->fixture.settings.IndentOption = indent;
        document->fixture.show();
        document->fixture.window->openSourceFile(document->fixture.writeFile(QStringLiteral("K.cbl"), text));
        document->child = document->fixture.window->activeDocument();
        document->editor = document->child->editor();
        document->editor->setFocus();
        return document;
    }
    static void caretAt(SourceEditor *editor, int line, int column)
    {
        editor->setSelStart(editor->lineIndex(line) + column);
    }
    static int column(SourceEditor *editor) { return editor->selStart() - editor->lineIndex(-1); }
    static int line(SourceEditor *editor) { return editor->lineFromChar(editor->selStart()); }
};

void TestEditorKeys::enterContinuesTheIndentation_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("above");
    QTest::addColumn<int>("newColumn");
    QTest::newRow("eight blanks") << QByteArray("        MOVE A TO B.   ") << int(Qt::NoModifier)
                                  << QStringLiteral("        MOVE A TO B.") << 8;
    QTest::newRow("no blanks") << QByteArray("MOVE A TO B.") << int(Qt::NoModifier) << QStringLiteral("MOVE A TO B.")
                               << 0;
    QTest::newRow("shift adds the indent length") << QByteArray("        X") << int(Qt::ShiftModifier)
                                                  << QStringLiteral("        X") << 12;
    QTest::newRow("ctrl takes it away") << QByteArray("        X") << int(Qt::ControlModifier)
                                        << QStringLiteral("        X") << 4;
    QTest::newRow("blank line copies nothing") << QByteArray("      ") << int(Qt::NoModifier) << QString() << 0;
}

void TestEditorKeys::enterContinuesTheIndentation()
{
    QFETCH(QByteArray, text);
    QFETCH(int, modifiers);
    QFETCH(QString, above);
    QFETCH(int, newColumn);
    auto doc = open(text + "\r\n");
    caretAt(doc->editor, 0, static_cast<int>(text.size()));
    QTest::keyClick(doc->editor, Qt::Key_Return, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(doc->editor->lineText(0), above);
    QCOMPARE(line(doc->editor), 1);
    QCOMPARE(column(doc->editor), newColumn);
    QCOMPARE(doc->editor->lineText(1), QString(newColumn, u' '));
    QCOMPARE(doc->fixture.window->statusPanel(1), QStringLiteral(" line 2 column %1").arg(newColumn + 1));
}

void TestEditorKeys::tabInsertsBlanksAsOneUndoStep()
{
    auto doc = open("AB\r\n", 3);
    caretAt(doc->editor, 0, 1);
    QTest::keyClick(doc->editor, Qt::Key_Tab);
    QCOMPARE(doc->editor->lineText(0), QStringLiteral("A   B"));
    QCOMPARE(column(doc->editor), 4);
    QVERIFY(doc->editor->hasFocus());
    QVERIFY(doc->fixture.window->action(CommandId::Save)->isEnabled());
    doc->editor->undo();
    QCOMPARE(doc->editor->lineText(0), QStringLiteral("AB"));

    doc->fixture.settings.IndentOption = 0;
    QTest::keyClick(doc->editor, Qt::Key_Tab);
    QCOMPARE(doc->editor->lineText(0), QStringLiteral("AB"));
    QTest::keyClick(doc->editor, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(doc->editor->lineText(0), QStringLiteral("AB"));
}

void TestEditorKeys::shiftTabMovesTheCaretLeft_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("position");
    // "ABCDEF\r\nGHIJ": line 1 starts at 8.
    QTest::newRow("near the start") << 0 << 2 << 0;
    QTest::newRow("inside a line") << 0 << 5 << 1;
    QTest::newRow("across the line break") << 1 << 2 << 6;
}

void TestEditorKeys::shiftTabMovesTheCaretLeft()
{
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(int, position);
    auto doc = open("ABCDEF\r\nGHIJ\r\n");
    caretAt(doc->editor, line, column);
    QTest::keyClick(doc->editor, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(doc->editor->selStart(), position);
    QCOMPARE(doc->editor->text(), QStringLiteral("ABCDEF\r\nGHIJ\r\n"));
}

void TestEditorKeys::shiftBackspaceAndShiftDelete_data()
{
    QTest::addColumn<int>("indent");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("caret");
    QTest::newRow("backspace at column 2 stops at the line start")
        << 4 << int(Qt::Key_Backspace) << 2 << QStringLiteral("CDEFGHIJ") << 0;
    QTest::newRow("backspace takes the indent length") << 4 << int(Qt::Key_Backspace) << 6
                                                       << QStringLiteral("ABGHIJ") << 2;
    QTest::newRow("indent length 0 takes one") << 0 << int(Qt::Key_Backspace) << 6 << QStringLiteral("ABCDEGHIJ")
                                               << 5;
    QTest::newRow("delete takes the indent length after the caret")
        << 4 << int(Qt::Key_Delete) << 2 << QStringLiteral("ABGHIJ") << 2;
}

void TestEditorKeys::shiftBackspaceAndShiftDelete()
{
    QFETCH(int, indent);
    QFETCH(int, key);
    QFETCH(int, column);
    QFETCH(QString, result);
    QFETCH(int, caret);
    auto doc = open("ABCDEFGHIJ\r\nX\r\n", indent);
    caretAt(doc->editor, 0, column);
    QTest::keyClick(doc->editor, Qt::Key(key), Qt::ShiftModifier);
    QCOMPARE(doc->editor->lineText(0), result);
    QCOMPARE(doc->editor->selStart(), caret);
    QCOMPARE(doc->editor->lineText(1), QStringLiteral("X"));
}

void TestEditorKeys::insertTogglesOvertypeAndTheCaret()
{
    auto doc = open("ABC\r\n");
    QCOMPARE(doc->fixture.window->statusPanel(0), QStringLiteral("Insert   "));
    QTRY_COMPARE(doc->editor->cursorWidth(), 1);
    QTest::keyClick(doc->editor, Qt::Key_Insert);
    QVERIFY(!doc->child->insertMode);
    QCOMPARE(doc->fixture.window->statusPanel(0), QStringLiteral("Overtype   "));
    QTRY_COMPARE(doc->editor->cursorWidth(), 8);
    QTest::keyClicks(doc->editor, QStringLiteral("XY"));
    QCOMPARE(doc->editor->lineText(0), QStringLiteral("XYC"));
    // A selection shows the bar.
    doc->editor->setSelection(0, 2);
    QTRY_COMPARE(doc->editor->cursorWidth(), 1);
    QTest::keyClick(doc->editor, Qt::Key_Insert);
    QCOMPARE(doc->fixture.window->statusPanel(0), QStringLiteral("Insert   "));
}

void TestEditorKeys::insertInAReadOnlyDocumentChangesNothing()
{
    auto doc = open("ABC\r\n");
    doc->fixture.window->runCommand(CommandId::ReadOnlyMode);
    doc->editor->setFocus();
    QTest::keyClick(doc->editor, Qt::Key_Insert);
    QVERIFY(doc->child->insertMode);
    QCOMPARE(doc->fixture.window->statusPanel(0), QStringLiteral("Read Only   "));
}

void TestEditorKeys::blockCaretOption()
{
    auto doc = open("ABC\r\n");
    doc->fixture.settings.optFatCarat = true;
    QTest::keyClick(doc->editor, Qt::Key_Right);
    QTRY_COMPARE(doc->editor->cursorWidth(), 8);
    doc->fixture.settings.optFatCarat = false;
    QTest::keyClick(doc->editor, Qt::Key_Right);
    QTRY_COMPARE(doc->editor->cursorWidth(), 1);
}

void TestEditorKeys::splitViewShowsACopyUntilRefreshed()
{
    QByteArray text;
    for (int i = 0; i < 200; ++i)
        text += QByteArray("       LINE ") + QByteArray::number(i) + "\r\n";
    auto doc = open(text);
    SourceEditor *split = doc->child->splitView();
    QVERIFY(split->isHidden());
    QTest::keySequence(doc->fixture.window.get(), QKeySequence(QStringLiteral("Ctrl+J")));
    QVERIFY(split->isVisible());
    QVERIFY(split->hasFocus());
    QVERIFY(!doc->child->mainEditorActive);
    QCOMPARE(split->text(), doc->editor->text());
    QCOMPARE(doc->fixture.window->statusPanel(0), QStringLiteral("Read Only   "));
    const int expectedHeight = qRound(doc->child->height() * 3 / 5.0) - 4;
    // Three fifths of the window, less the splitter; the splitter's own layout may settle a few pixels off.
    QVERIFY2(std::abs(doc->editor->height() - expectedHeight) <= 6, qPrintable(QString::number(doc->editor->height())));

    // Typing in the editor does not reach the split view until Refresh.
    doc->editor->setFocus();
    caretAt(doc->editor, 0, 0);
    QTest::keyClicks(doc->editor, QStringLiteral("NEW "));
    QCOMPARE(split->lineText(0), QStringLiteral("       LINE 0"));
    split->setSelStart(split->lineIndex(120) + 8);
    split->scrollLines(100 - split->firstVisibleLine());
    const int firstVisible = split->firstVisibleLine();
    const int caret = split->selStart();
    doc->child->menus()->splitViewRefreshItem->trigger();
    QCOMPARE(split->lineText(0), QStringLiteral("NEW        LINE 0"));
    QCOMPARE(split->selStart(), caret);
    QCOMPARE(split->firstVisibleLine(), firstVisible);

    // Copy while the split view is in use copies its selection.
    split->setFocus();
    split->setSelection(split->lineIndex(5), 13);
    doc->fixture.window->runCommand(CommandId::Copy);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("       LINE 5"));

    doc->fixture.window->runCommand(CommandId::SplitScreen);
    QVERIFY(split->isHidden());
    QVERIFY(doc->child->mainEditorActive);
}

void TestEditorKeys::splitViewHasItsOwnHistoryAndPopup()
{
    auto doc = open("       PROCEDURE DIVISION.\r\n       A-PARA.\r\n           PERFORM A-PARA.\r\n");
    doc->fixture.window->runCommand(CommandId::SplitScreen);
    QMetaObject::invokeMethod(doc->child->menus()->editorMenu, "aboutToShow");
    QVERIFY(!doc->child->menus()->editorSplitItem->isVisible());

    SourceEditor *split = doc->child->splitView();
    split->setFocus();
    split->setSelStart(split->lineIndex(2) + 21);
    doc->fixture.window->runCommand(CommandId::Track);
    QCOMPARE(split->lineFromChar(split->selStart()), 1);
    QCOMPARE(doc->child->splitViewHistory.size(), 1u);
    QVERIFY(doc->child->editorHistory.empty());
    QVERIFY(doc->fixture.window->action(CommandId::BackTrack)->isEnabled());

    doc->child->menus()->splitViewCloseItem->trigger();
    QVERIFY(split->isHidden());
    QVERIFY(doc->child->splitViewHistory.empty());
    doc->fixture.window->runCommand(CommandId::SplitScreen);
    QVERIFY(!doc->fixture.window->action(CommandId::BackTrack)->isEnabled());
    QMetaObject::invokeMethod(doc->child->menus()->editorMenu, "aboutToShow");
    doc->fixture.window->runCommand(CommandId::SplitScreen);
    QMetaObject::invokeMethod(doc->child->menus()->editorMenu, "aboutToShow");
    QVERIFY(doc->child->menus()->editorSplitItem->isVisible());
}

QTEST_MAIN(TestEditorKeys)
#include "tst_editorkeys.moc"
