#include "document/widgets/SourceEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using norvane::SourceEditor;

// The editor's operations with the position model the rest of the program
// relies on: a line break counts two positions.
class TestSourceEditor : public QObject {
    Q_OBJECT

private slots:
    void positionsCountLineBreaksAsTwo();
    void positionsInsideALineBreakBelongToItsLine();
    void lineCountIgnoresTheEmptyLastLine_data();
    void lineCountIgnoresTheEmptyLastLine();
    void selectionUsesThePositionModel();
    void findStaysInsideItsRange_data();
    void findStaysInsideItsRange();
    void findAcrossLinesAndBackward_data();
    void findAcrossLinesAndBackward();
    void ctrlYIsLeftToSaveAll();
    void everyByteSurvivesALoad();
    void lineOperations();
    void pasteArrivesAsPlainText();
    void replaceIsOneUndoStep();
    void readOnlyRefusesTypingButKeepsTheCaret();
    void scrollMovesTheFirstVisibleLine();
    void notifiesKeysAndSelection();
};

void TestSourceEditor::positionsCountLineBreaksAsTwo()
{
    SourceEditor editor;
    editor.loadText(QStringLiteral("AB\r\nCDE\r\n\r\nF"));
    QCOMPARE(editor.textLength(), 12);
    QCOMPARE(editor.lineIndex(0), 0);
    QCOMPARE(editor.lineIndex(1), 4);
    QCOMPARE(editor.lineIndex(2), 9);
    QCOMPARE(editor.lineIndex(3), 11);
    QCOMPARE(editor.lineIndex(4), -1);
    QCOMPARE(editor.lineFromChar(0), 0);
    QCOMPARE(editor.lineFromChar(4), 1);
    QCOMPARE(editor.lineFromChar(11), 3);
    QCOMPARE(editor.text(), QStringLiteral("AB\r\nCDE\r\n\r\nF"));

    editor.setSelStart(6);
    QCOMPARE(editor.selStart(), 6);
    QCOMPARE(editor.lineIndex(-1), 4);
    QCOMPARE(editor.textCursor().positionInBlock(), 2);
}

void TestSourceEditor::positionsInsideALineBreakBelongToItsLine()
{
    SourceEditor editor;
    editor.loadText(QStringLiteral("AB\nCD"));
    QCOMPARE(editor.lineFromChar(2), 0);   // before the carriage return
    QCOMPARE(editor.lineFromChar(3), 0);   // between carriage return and line feed
    QCOMPARE(editor.lineFromChar(4), 1);
    QCOMPARE(editor.lineFromChar(999), 1);
}

void TestSourceEditor::lineCountIgnoresTheEmptyLastLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QStringList>("content");
    QTest::newRow("empty") << QString() << 0 << QStringList{};
    QTest::newRow("one line") << QStringLiteral("A") << 1 << QStringList{QStringLiteral("A")};
    QTest::newRow("final break") << QStringLiteral("A\r\nB\r\n") << 2
                                 << QStringList{QStringLiteral("A"), QStringLiteral("B")};
    QTest::newRow("empty line at end") << QStringLiteral("A\r\n\r\n") << 2
                                       << QStringList{QStringLiteral("A"), QString()};
    QTest::newRow("bare carriage returns") << QStringLiteral("A\rB\r") << 2
                                           << QStringList{QStringLiteral("A"), QStringLiteral("B")};
}

void TestSourceEditor::lineCountIgnoresTheEmptyLastLine()
{
    QFETCH(QString, text);
    QFETCH(int, lines);
    QFETCH(QStringList, content);
    SourceEditor editor;
    editor.loadText(text);
    QCOMPARE(editor.lineCount(), lines);
    QCOMPARE(editor.lines(), content);
}

void TestSourceEditor::selectionUsesThePositionModel()
{
    SourceEditor editor;
    editor.loadText(QStringLiteral("AB\nCD\nEF"));
    editor.setSelection(1, 4);
    QCOMPARE(editor.selStart(), 1);
    QCOMPARE(editor.selLength(), 4);
    QCOMPARE(editor.selectedText(), QStringLiteral("B\r\nC"));

    editor.setSelStart(4);
    QCOMPARE(editor.selLength(), 0);
    editor.setSelLength(6);
    QCOMPARE(editor.selectedText(), QStringLiteral("CD\r\nEF"));

    editor.selectAllText();
    QCOMPARE(editor.selStart(), 0);
    QCOMPARE(editor.selLength(), editor.textLength());
    QCOMPARE(editor.lineIndex(-1), 0);   // the line of the selection start, not of its end

    editor.setSelection(4, 2);
    editor.clearSelection();
    QCOMPARE(editor.text(), QStringLiteral("AB\r\n\r\nEF"));
}

void TestSourceEditor::findStaysInsideItsRange_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<int>("found");
    // text: "MOVE WS-A TO B.\r\n(WS-A) move ws-a\r\n" -- line 1 starts at 17
    QTest::newRow("first match") << 0 << 100 << QStringLiteral("WS-A") << true << false << 5;
    QTest::newRow("from after the first") << 6 << 100 << QStringLiteral("WS-A") << true << false << 18;
    QTest::newRow("range too short") << 6 << 21 << QStringLiteral("WS-A") << true << false << -1;
    QTest::newRow("range just long enough") << 6 << 22 << QStringLiteral("WS-A") << true << false << 18;
    QTest::newRow("case ignored") << 19 << 100 << QStringLiteral("WS-A") << false << false << 29;
    QTest::newRow("case kept") << 19 << 100 << QStringLiteral("ws-a") << true << false << 29;
    QTest::newRow("hyphen joins words") << 0 << 100 << QStringLiteral("WS") << true << true << -1;
    QTest::newRow("part of a word") << 0 << 100 << QStringLiteral("WS") << true << false << 5;
    QTest::newRow("bracketed") << 0 << 100 << QStringLiteral("(WS-A)") << true << true << 17;
    QTest::newRow("whole word at line end") << 0 << 100 << QStringLiteral("ws-a") << true << true << 29;
    QTest::newRow("empty range") << 5 << 5 << QStringLiteral("WS-A") << true << false << -1;
}

void TestSourceEditor::findStaysInsideItsRange()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, what);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(int, found);
    SourceEditor editor;
    editor.loadText(QStringLiteral("MOVE WS-A TO B.\n(WS-A) move ws-a\n"));
    QCOMPARE(editor.findText(start, end, what, matchCase, wholeWord), found);
}

void TestSourceEditor::findAcrossLinesAndBackward_data()
{
    QTest::addColumn<bool>("backward");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<int>("found");
    // "MOVE WS-A TO B." on line 0 (positions 0-14, its line break 15-16), then
    // "(WS-A) move ws-a" from position 17.
    QTest::newRow("across a line break") << false << 0 << 100 << QStringLiteral("TO B.\r\n(WS") << true << false << 10;
    QTest::newRow("a lone line feed is a break too") << false << 0 << 100 << QStringLiteral("B.\n(WS") << true << false
                                                     << 13;
    QTest::newRow("across, whole words") << false << 0 << 100 << QStringLiteral("TO B.\r\n(WS-A)") << true << true
                                         << 10;
    QTest::newRow("across, not the whole word") << false << 0 << 100 << QStringLiteral("O B.\r\n(WS") << true << true
                                                 << -1;
    QTest::newRow("across, case ignored") << false << 0 << 100 << QStringLiteral("to b.\r\n(ws") << false << false
                                          << 10;
    QTest::newRow("across, case kept") << false << 0 << 100 << QStringLiteral("to b.\r\n(ws") << true << false << -1;
    QTest::newRow("across, the range just long enough") << false << 0 << 20 << QStringLiteral("B.\r\n(WS") << true
                                                        << false << 13;
    QTest::newRow("across, the range too short") << false << 0 << 19 << QStringLiteral("B.\r\n(WS") << true << false
                                                 << -1;
    QTest::newRow("from a line break") << false << 0 << 100 << QStringLiteral("\r\n(WS") << true << false << 15;
    QTest::newRow("a line that is not there") << false << 0 << 100 << QStringLiteral("B.\r\nX") << true << false << -1;
    QTest::newRow("last, case kept") << true << 0 << 100 << QStringLiteral("WS-A") << true << false << 18;
    QTest::newRow("last, case ignored") << true << 0 << 100 << QStringLiteral("WS-A") << false << false << 29;
    QTest::newRow("last, whole words only") << true << 0 << 100 << QStringLiteral("WS") << true << true << -1;
    QTest::newRow("last ending by the end") << true << 0 << 28 << QStringLiteral("move") << false << false << 24;
    QTest::newRow("last, one end short") << true << 0 << 27 << QStringLiteral("move") << false << false << 0;
    QTest::newRow("last, from the start") << true << 1 << 27 << QStringLiteral("move") << false << false << -1;
    QTest::newRow("last across lines") << true << 0 << 100 << QStringLiteral("B.\r\n(WS") << true << false << 13;
}

void TestSourceEditor::findAcrossLinesAndBackward()
{
    QFETCH(bool, backward);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, what);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(int, found);
    SourceEditor editor;
    editor.loadText(QStringLiteral("MOVE WS-A TO B.\n(WS-A) move ws-a\n"));
    if (backward)
        QCOMPARE(editor.findLastText(start, end, what, matchCase, wholeWord), found);
    else
        QCOMPARE(editor.findText(start, end, what, matchCase, wholeWord), found);
    if (found >= 0)
        QCOMPARE(editor.textBetween(found, found + SourceEditor::positionsOf(what)).size(),
                 SourceEditor::positionsOf(what));
}

// Ctrl+Y is the program's Save all: the editor never takes it, even where the
// platform calls it Redo; Ctrl+Shift+Z is its Redo.
void TestSourceEditor::ctrlYIsLeftToSaveAll()
{
    SourceEditor editor;
    QKeyEvent saveAll(QEvent::ShortcutOverride, Qt::Key_Y, Qt::ControlModifier);
    saveAll.ignore();
    QCoreApplication::sendEvent(&editor, &saveAll);
    QVERIFY(!saveAll.isAccepted());
    QKeyEvent redo(QEvent::ShortcutOverride, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    redo.ignore();
    QCoreApplication::sendEvent(&editor, &redo);
    QVERIFY(redo.isAccepted());
}

void TestSourceEditor::everyByteSurvivesALoad()
{
    QByteArray bytes;
    for (int c = 1; c < 256; ++c) {
        if (c != '\r' && c != '\n')
            bytes.append(static_cast<char>(c));
    }
    const QString text = QString::fromLatin1(bytes);
    SourceEditor editor;
    editor.loadText(text + QStringLiteral("\r\n") + text);
    QCOMPARE(editor.lineCount(), 2);
    QCOMPARE(editor.lineText(0).toLatin1(), bytes);
    QCOMPARE(editor.lines().at(1).toLatin1(), bytes);
    QCOMPARE(editor.text().toLatin1(), bytes + "\r\n" + bytes);
}

void TestSourceEditor::lineOperations()
{
    SourceEditor editor;
    editor.loadText(QStringLiteral("A\nB\nC"));
    editor.setLineText(1, QStringLiteral("BB"));
    editor.insertLine(0, QStringLiteral("Z"));
    QCOMPARE(editor.lines(), (QStringList{QStringLiteral("Z"), QStringLiteral("A"), QStringLiteral("BB"),
                                          QStringLiteral("C")}));
    editor.deleteLine(3);
    editor.deleteLine(0);
    QCOMPARE(editor.text(), QStringLiteral("A\r\nBB"));
    editor.insertLine(5, QStringLiteral("END"));
    QCOMPARE(editor.lines().constLast(), QStringLiteral("END"));
    QVERIFY(editor.isModified());
}

void TestSourceEditor::pasteArrivesAsPlainText()
{
    SourceEditor editor;
    editor.loadText(QStringLiteral("X"));
    auto *mime = new QMimeData;
    mime->setHtml(QStringLiteral("<b>BOLD</b> <i>text</i>"));
    mime->setText(QStringLiteral("BOLD text\u20ac"));
    QApplication::clipboard()->setMimeData(mime);
    editor.setSelStart(1);
    editor.paste();
    QCOMPARE(editor.text(), QStringLiteral("XBOLD text?"));
    QVERIFY(editor.document()->toHtml().contains(QStringLiteral("BOLD")));
    QVERIFY(!editor.document()->toHtml().contains(QStringLiteral("font-weight:700")));
}

void TestSourceEditor::replaceIsOneUndoStep()
{
    SourceEditor editor;
    editor.loadText(QStringLiteral("HELLO WORLD"));
    QVERIFY(!editor.isModified());
    editor.setSelection(0, 5);
    editor.replaceSelection(QStringLiteral("GOOD\r\nBYE"));
    QCOMPARE(editor.text(), QStringLiteral("GOOD\r\nBYE WORLD"));
    QVERIFY(editor.isModified());
    editor.undo();
    QCOMPARE(editor.text(), QStringLiteral("HELLO WORLD"));
}

void TestSourceEditor::readOnlyRefusesTypingButKeepsTheCaret()
{
    SourceEditor editor;
    editor.loadText(QStringLiteral("ABC\nDEF"));
    editor.setReadOnlyMode(true);
    editor.show();
    editor.setFocus();
    QTest::keyClicks(&editor, QStringLiteral("xyz"));
    QTest::keyClick(&editor, Qt::Key_Down);
    QCOMPARE(editor.text(), QStringLiteral("ABC\r\nDEF"));
    QCOMPARE(editor.lineFromChar(editor.selStart()), 1);
    QVERIFY(!editor.isModified());
    editor.setReadOnlyMode(false);
    QTest::keyClicks(&editor, QStringLiteral("Q"));
    QCOMPARE(editor.lineText(1).left(1), QStringLiteral("Q"));
}

void TestSourceEditor::scrollMovesTheFirstVisibleLine()
{
    SourceEditor editor;
    QStringList lines;
    for (int i = 0; i < 500; ++i)
        lines.append(QStringLiteral("LINE %1").arg(i));
    editor.loadText(lines.join(QLatin1Char('\n')));
    editor.resize(400, 300);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QCOMPARE(editor.firstVisibleLine(), 0);
    editor.scrollLines(120);
    QCOMPARE(editor.firstVisibleLine(), 120);
    editor.scrollLines(-20);
    QCOMPARE(editor.firstVisibleLine(), 100);
    editor.scrollLines(-1000);
    QCOMPARE(editor.firstVisibleLine(), 0);
}

void TestSourceEditor::notifiesKeysAndSelection()
{
    SourceEditor editor;
    editor.loadText(QStringLiteral("ABC"));
    editor.show();
    editor.setFocus();
    QSignalSpy presses(&editor, &SourceEditor::keyPress);
    QSignalSpy selections(&editor, &SourceEditor::selectionChange);
    QTest::keyClick(&editor, Qt::Key_End);
    QCOMPARE(presses.count(), 1);
    QVERIFY(selections.count() >= 1);
    QCOMPARE(editor.selStart(), 3);
}

QTEST_MAIN(TestSourceEditor)
#include "tst_sourceeditor.moc"
