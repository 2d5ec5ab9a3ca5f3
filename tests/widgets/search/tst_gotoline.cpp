#include "document/widgets/SourceEditor.h"
#include "support/MainWindowFixture.h"

#include "common/widgets/QtDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QTest>
#include <QTimer>

using namespace norvane;
using namespace norvane::test;

namespace {

QByteArray numberedLines(int count)
{
    QByteArray text;
    for (int line = 1; line <= count; ++line)
        text += "       DISPLAY 'LINE " + QByteArray::number(line) + "'.\r\n";
    return text;
}

} // namespace

// Go to line: the number asked for, the caret at its line's start and the
// line at the top; anything else is refused and nothing moves.
class TestGotoLine : public QObject {
    Q_OBJECT

private slots:
    void acceptedNumbersMoveTheCaret_data();
    void acceptedNumbersMoveTheCaret();
    void refusedInputMovesNothing_data();
    void refusedInputMovesNothing();
    void anEmptyAnswerEndsSilently();
    void theSplitViewMovesWhenInUse();
    void theInputBoxIsWideEnoughForItsTitle();

private:
    static DocumentWindow *open(MainWindowFixture &fixture, int lines)
    {
        fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("LINES.cbl"), numberedLines(lines)));
        return fixture.window->activeDocument();
    }
};

void TestGotoLine::acceptedNumbersMoveTheCaret_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("line");
    QTest::newRow("first line") << QStringLiteral("1") << 0;
    QTest::newRow("leading zeros") << QStringLiteral("007") << 6;
    QTest::newRow("far down") << QStringLiteral("150") << 149;
    QTest::newRow("last line") << QStringLiteral("300") << 299;
}

void TestGotoLine::acceptedNumbersMoveTheCaret()
{
    QFETCH(QString, answer);
    QFETCH(int, line);
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, 300);
    SourceEditor *editor = child->editor();
    editor->setSelection(editor->lineIndex(20) + 3, 5);
    child->keyIsDown = true;

    fixture.dialogs.planInput(answer);
    QTest::keySequence(fixture.window.get(), QKeySequence(QStringLiteral("Ctrl+G")));
    QCOMPARE(fixture.dialogs.asked().size(), 1);
    QCOMPARE(fixture.dialogs.asked().constFirst().kind, QStringLiteral("input"));
    QCOMPARE(fixture.dialogs.asked().constFirst().text, QStringLiteral("Line number:"));
    QCOMPARE(editor->selStart(), editor->lineIndex(line));
    QCOMPARE(editor->selLength(), 0);
    QVERIFY(!child->keyIsDown);
    // The line at the top, as far as the editor can scroll.
    if (line < 200)
        QCOMPARE(editor->firstVisibleLine(), line);
    else
        QVERIFY(editor->firstVisibleLine() > 200);
    QCOMPARE(fixture.window->statusPanel(1), QStringLiteral(" line %1 column 1").arg(line + 1));
}

void TestGotoLine::refusedInputMovesNothing_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("message");
    QTest::newRow("beyond the last line") << QStringLiteral("301") << QStringLiteral("invalid line number");
    QTest::newRow("zero") << QStringLiteral("0") << QStringLiteral("invalid line number");
    QTest::newRow("leading blank") << QStringLiteral(" 5") << QStringLiteral("input not numeric");
    QTest::newRow("trailing blank") << QStringLiteral("5 ") << QStringLiteral("input not numeric");
    QTest::newRow("minus sign") << QStringLiteral("-5") << QStringLiteral("input not numeric");
    QTest::newRow("letters") << QStringLiteral("ten") << QStringLiteral("input not numeric");
    QTest::newRow("other digits") << QStringLiteral("\u0663") << QStringLiteral("input not numeric");
    QTest::newRow("too large") << QStringLiteral("4294967296")
                               << QStringLiteral("line number 4294967296 is too large");
}

void TestGotoLine::refusedInputMovesNothing()
{
    QFETCH(QString, answer);
    QFETCH(QString, message);
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, 300);
    SourceEditor *editor = child->editor();
    editor->setSelection(editor->lineIndex(20) + 3, 5);
    const int top = editor->firstVisibleLine();

    fixture.dialogs.planInput(answer);
    fixture.window->runCommand(CommandId::GoTo);
    QCOMPARE(fixture.dialogs.lastMessage(), message);
    QCOMPARE(fixture.dialogs.asked().constLast().icon, Dialogs::Icon::Error);
    QCOMPARE(editor->selStart(), editor->lineIndex(20) + 3);
    QCOMPARE(editor->selLength(), 5);
    QCOMPARE(editor->firstVisibleLine(), top);
}

void TestGotoLine::anEmptyAnswerEndsSilently()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, 30);
    child->editor()->setSelStart(17);
    fixture.dialogs.planInput(QString());
    fixture.window->runCommand(CommandId::GoTo);
    QCOMPARE(fixture.dialogs.asked().size(), 1);
    QCOMPARE(child->editor()->selStart(), 17);
}

void TestGotoLine::theSplitViewMovesWhenInUse()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *child = open(fixture, 300);
    child->splitView()->loadText(child->editor()->text());
    child->splitView()->show();
    child->mainEditorActive = false;
    child->editor()->setSelStart(5);

    fixture.dialogs.planInput(QStringLiteral("100"));
    fixture.window->runCommand(CommandId::GoTo);
    QCOMPARE(child->splitView()->selStart(), child->splitView()->lineIndex(99));
    QCOMPARE(child->splitView()->firstVisibleLine(), 99);
    QCOMPARE(child->editor()->selStart(), 5);
}

void TestGotoLine::theInputBoxIsWideEnoughForItsTitle()
{
    // The real input box, not the scripted one: a box sized to its one line
    // of input leaves the window manager too little room for "Goto line".
    QtDialogs dialogs(nullptr);
    int width = 0;
    QString title;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        width = box->minimumWidth();   // the box is never narrower
        title = box->windowTitle();
        box->reject();
    });
    QCOMPARE(dialogs.inputText(QStringLiteral("Goto line"), QStringLiteral("Line number:"), QString()), std::nullopt);
    QCOMPARE(title, QStringLiteral("Goto line"));
    QVERIFY2(width >= 320, qPrintable(QString::number(width)));
}

QTEST_MAIN(TestGotoLine)
#include "tst_gotoline.moc"
