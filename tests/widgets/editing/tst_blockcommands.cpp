#include "document/widgets/SourceEditor.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using namespace norvane;
using namespace norvane::test;

// Indent, Unindent, Comment and Uncomment on the selected lines of a document.
class TestBlockCommands : public QObject {
    Q_OBJECT

private slots:
    void commandsTransformTheSelectedLines_data();
    void commandsTransformTheSelectedLines();
    void needASelectionAndAWritableEditor();
};

void TestBlockCommands::commandsTransformTheSelectedLines_data()
{
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<int>("indent");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("lengthChange");
    QTest::newRow("indent skips comments and short lines")
        << QStringLiteral("Ctrl+I") << 4 << QStringLiteral("       MOVE A TO B.\r\n      * NOTE\r\nEND\r\n")
        << QStringLiteral("           MOVE A TO B.\r\n      * NOTE\r\nEND\r\n") << 4;
    QTest::newRow("unindent takes whatever comes first")
        << QStringLiteral("Ctrl+U") << 4 << QStringLiteral("0001  MOVE X\r\n")
        << QStringLiteral("  MOVE X\r\n") << -4;
    QTest::newRow("comment puts an asterisk in column 7")
        << QStringLiteral("Ctrl+K") << 4 << QStringLiteral("       MOVE A TO B.\r\nSHORT\r\n")
        << QStringLiteral("      * MOVE A TO B.\r\nSHORT\r\n") << 1;
    QTest::newRow("uncomment takes it away")
        << QStringLiteral("Ctrl+W") << 4 << QStringLiteral("      *MOVE A TO B.\r\n       KEEP.\r\n")
        << QStringLiteral("      MOVE A TO B.\r\n       KEEP.\r\n") << -1;
}

void TestBlockCommands::commandsTransformTheSelectedLines()
{
    QFETCH(QString, shortcut);
    QFETCH(int, indent);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(int, lengthChange);
    MainWindowFixture fixture;
    fixture.settings.IndentOption = indent;
    fixture.show();
    fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("B.cbl"), text.toLatin1()));
    SourceEditor *editor = fixture.window->activeDocument()->editor();
    editor->setFocus();
    editor->selectAllText();
    QApplication::clipboard()->setText(QStringLiteral("the user's clipboard"));
    QTest::keyClick(editor, Qt::Key_Shift);   // the key-up brings the selection's commands up to date
    const int length = editor->selLength();

    QTest::keySequence(fixture.window.get(), QKeySequence(shortcut));
    QCOMPARE(editor->text(), expected);
    QCOMPARE(editor->selStart(), 0);
    QCOMPARE(editor->selLength(), length + lengthChange);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("the user's clipboard"));
    editor->undo();
    QCOMPARE(editor->text(), text);
}

void TestBlockCommands::needASelectionAndAWritableEditor()
{
    MainWindowFixture fixture;
    fixture.show();
    fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("B.cbl"), "       MOVE A TO B.\r\n"));
    SourceEditor *editor = fixture.window->activeDocument()->editor();
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_End);
    QVERIFY(!fixture.window->action(CommandId::Indent)->isEnabled());
    QVERIFY(!fixture.window->action(CommandId::Comment)->isEnabled());
    QTest::keyClick(editor, Qt::Key_Home, Qt::ShiftModifier);
    QVERIFY(fixture.window->action(CommandId::Indent)->isEnabled());
    QVERIFY(fixture.window->action(CommandId::CalcOffset)->isEnabled());
    fixture.window->runCommand(CommandId::ReadOnlyMode);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_Home, Qt::ShiftModifier);
    QVERIFY(!fixture.window->action(CommandId::Indent)->isEnabled());
    fixture.window->runCommand(CommandId::Indent);
    QCOMPARE(editor->text(), QStringLiteral("       MOVE A TO B.\r\n"));
}

QTEST_MAIN(TestBlockCommands)
#include "tst_blockcommands.moc"
