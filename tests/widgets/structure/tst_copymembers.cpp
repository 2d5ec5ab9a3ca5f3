#include "document/widgets/SourceEditor.h"
#include "support/MainWindowFixture.h"

#include <QDir>
#include <QTest>
#include <QTextBlock>

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

// A program that copies members from its own folder and from elsewhere.
QByteArray copyingProgram()
{
    return areaA("IDENTIFICATION DIVISION.") +   // 0
           areaA("DATA DIVISION.") +             // 1
           areaA("WORKING-STORAGE SECTION.") +   // 2
           areaA("COPY ACCTREC.") +              // 3
           areaA("copy custrec of cardlib.") +   // 4
           areaA("COPY MISSING.") +              // 5
           areaA("01 WS-FLAG PIC X.") +          // 6
           areaA("PROCEDURE DIVISION.") +        // 7
           areaA("1000-MAIN.") +                 // 8
           areaB("MOVE 1 TO ACCT-BALANCE.") +    // 9
           areaB("MOVE 1 TO CUST-NAME.") +       // 10
           areaB("MOVE 1 TO WS-NOWHERE.");       // 11
}

QByteArray accountRecord()
{
    return areaA("01 ACCOUNT-RECORD.") + areaB("05 ACCT-ID PIC 9(11).") + areaB("05 ACCT-BALANCE PIC S9(10)V99.");
}

QByteArray customerRecord()
{
    return areaA("01 CUSTOMER-RECORD.") + areaB("05 CUST-ID PIC 9(9).") + areaB("05 CUST-NAME PIC X(25).");
}

} // namespace

// Track and Ctrl+click on COPY statements, and Track into the members.
class TestCopyMembers : public QObject {
    Q_OBJECT

private slots:
    void init();
    void trackOnAMemberOpensItInItsOwnTab();
    void aMemberNotFoundSaysWhereItLooked();
    void controlClickOpensTheMember();
    void trackFindsADataNameInACopiedMember();

private:
    struct Program {
        MainWindowFixture fixture;
        DocumentWindow *child = nullptr;
        QString books;
    };
    static void openProgram(Program &program)
    {
        MainWindowFixture &fixture = program.fixture;
        QDir(fixture.folder.path()).mkdir(QStringLiteral("books"));
        program.books = fixture.path(QStringLiteral("books"));
        fixture.settings.copybookFolders = {QDir::toNativeSeparators(program.books).toStdString()};
        fixture.writeFile(QStringLiteral("ACCTREC.cpy"), accountRecord());
        fixture.writeFile(QStringLiteral("books/CUSTREC.CPY"), customerRecord());
        fixture.show();
        fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("PROG.cbl"), copyingProgram()));
        program.child = fixture.window->activeDocument();
    }
    static void placeCaret(DocumentWindow *child, int line, int column)
    {
        child->editor()->setFocus();
        child->editor()->setSelStart(child->editor()->lineIndex(line) + column);
    }
};

void TestCopyMembers::init()
{
    qunsetenv("COB_COPY_DIR");
}

void TestCopyMembers::trackOnAMemberOpensItInItsOwnTab()
{
    Program program;
    openProgram(program);
    MainWindowFixture &fixture = program.fixture;

    placeCaret(program.child, 3, 14);   // in ACCTREC
    QTest::keyClick(fixture.window.get(), Qt::Key_F4);
    DocumentWindow *member = fixture.window->activeDocument();
    QVERIFY(member != program.child);
    QCOMPARE(QString::fromStdString(member->filePath->FileName), QStringLiteral("ACCTREC.cpy"));
    QCOMPARE(member->editor()->lineText(0), QStringLiteral("       01 ACCOUNT-RECORD."));

    // From the Copybook folders, in any letter case, with OF and a library.
    fixture.window->bringToFront(program.child);
    placeCaret(program.child, 4, 13);   // in custrec
    QTest::keyClick(fixture.window.get(), Qt::Key_F4);
    QCOMPARE(QString::fromStdString(fixture.window->activeDocument()->filePath->FileName),
             QStringLiteral("CUSTREC.CPY"));

    // Once open, the member's tab comes to the front without a question.
    fixture.window->bringToFront(program.child);
    placeCaret(program.child, 3, 19);   // just after ACCTREC
    QTest::keyClick(fixture.window.get(), Qt::Key_F4);
    QCOMPARE(fixture.window->activeDocument(), member);
    QVERIFY(fixture.dialogs.asked().isEmpty());
}

void TestCopyMembers::aMemberNotFoundSaysWhereItLooked()
{
    Program program;
    qputenv("COB_COPY_DIR", QFile::encodeName(program.fixture.path(QStringLiteral("cobdir"))));
    openProgram(program);
    MainWindowFixture &fixture = program.fixture;

    placeCaret(program.child, 5, 14);   // in MISSING
    QTest::keyClick(fixture.window.get(), Qt::Key_F4);
    const QString expected = QStringLiteral("COPY member \"MISSING\" not found.\nLooked in:\n  ") +
                             QDir::toNativeSeparators(fixture.folder.path()) + QStringLiteral(" (program's folder)\n  ") +
                             QDir::toNativeSeparators(program.books) + QStringLiteral(" (Copybook folders)\n  ") +
                             fixture.path(QStringLiteral("cobdir")) +
                             QStringLiteral(" (COB_COPY_DIR)\nwith the extensions none, .cpy, .CPY, .cbl and .cob.");
    QCOMPARE(fixture.dialogs.lastMessage(), expected);
    QCOMPARE(fixture.window->activeDocument(), program.child);
}

void TestCopyMembers::controlClickOpensTheMember()
{
    Program program;
    openProgram(program);
    MainWindowFixture &fixture = program.fixture;
    SourceEditor *editor = program.child->editor();
    editor->setFocus();
    QTextCursor inName(editor->document()->findBlockByNumber(3));
    inName.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 14);
    const QPoint at = editor->cursorRect(inName).center();

    // A plain click only places the caret.
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(fixture.window->activeDocument(), program.child);

    QTest::mouseClick(editor->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    QCOMPARE(QString::fromStdString(fixture.window->activeDocument()->filePath->FileName),
             QStringLiteral("ACCTREC.cpy"));

    // Elsewhere Ctrl+click says nothing and opens nothing.
    fixture.window->bringToFront(program.child);
    const QRect other = editor->cursorRect(QTextCursor(editor->document()->findBlockByNumber(9)));
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, Qt::ControlModifier, other.center() + QPoint(40, 0));
    QCOMPARE(fixture.window->activeDocument(), program.child);
    QVERIFY(fixture.dialogs.asked().isEmpty());
}

void TestCopyMembers::trackFindsADataNameInACopiedMember()
{
    Program program;
    openProgram(program);
    MainWindowFixture &fixture = program.fixture;

    placeCaret(program.child, 10, 22);   // CUST-NAME, defined in CUSTREC
    QTest::keyClick(fixture.window.get(), Qt::Key_F4);
    DocumentWindow *member = fixture.window->activeDocument();
    QCOMPARE(QString::fromStdString(member->filePath->FileName), QStringLiteral("CUSTREC.CPY"));
    QCOMPARE(member->editor()->selectedText(), QStringLiteral("CUST-NAME"));
    QCOMPARE(member->editor()->lineFromChar(member->editor()->selStart()), 2);

    // Defined nowhere: the warning as before.
    fixture.window->bringToFront(program.child);
    placeCaret(program.child, 11, 22);   // WS-NOWHERE
    QTest::keyClick(fixture.window.get(), Qt::Key_F4);
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("definition for \"WS-NOWHERE\" not found"));
    QCOMPARE(fixture.window->activeDocument(), program.child);
}

QTEST_MAIN(TestCopyMembers)
#include "tst_copymembers.moc"
