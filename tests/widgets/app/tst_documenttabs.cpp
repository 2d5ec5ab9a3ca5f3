#include "document/widgets/SourceEditor.h"
#include "structure/widgets/StructureTreeView.h"
#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QTabBar>
#include <QTest>

using namespace norvane;
using namespace norvane::test;
using Answer = Dialogs::Answer;

// The tab strip's close buttons, the file types of the Open dialog and the
// tree of a copybook.
class TestDocumentTabs : public QObject {
    Q_OBJECT

private slots:
    void aTabsCloseButtonClosesThatDocument();
    void openOffersCopybooksAndAllFiles();
    void copybooksGetTheirRecordsInTheTree_data();
    void copybooksGetTheirRecordsInTheTree();

private:
    static QAbstractButton *closeButton(MainWindowFixture &fixture, int index)
    {
        QTabBar *tabs = fixture.window->documentArea()->tabBar();
        QWidget *button = tabs->tabButton(index, QTabBar::RightSide);
        if (button == nullptr)
            button = tabs->tabButton(index, QTabBar::LeftSide);
        return qobject_cast<QAbstractButton *>(button);
    }
};

void TestDocumentTabs::aTabsCloseButtonClosesThatDocument()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString a = fixture.writeFile(QStringLiteral("A.cbl"), "A\r\n");
    fixture.window->openSourceFile(a);
    DocumentWindow *first = fixture.window->activeDocument();
    first->editor()->setFocus();
    QTest::keyClicks(first->editor(), QStringLiteral("X"));
    fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("B.cbl"), "B\r\n"));
    DocumentWindow *second = fixture.window->activeDocument();
    QTabBar *tabs = fixture.window->documentArea()->tabBar();
    QCOMPARE(tabs->count(), 2);

    // The changed document behind: its save question, and Cancel keeps it.
    QAbstractButton *button = closeButton(fixture, 0);
    QVERIFY(button != nullptr);
    fixture.dialogs.planMessage(Answer::Cancel);
    button->click();
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("save A.cbl ?"));
    QCOMPARE(tabs->count(), 2);

    // Yes saves it and closes that tab only.
    fixture.dialogs.planMessage(Answer::Yes);
    closeButton(fixture, 0)->click();
    QCOMPARE(tabs->count(), 1);
    QCOMPARE(tabs->tabText(0), QStringLiteral("B.cbl"));
    QCOMPARE(fixture.window->documentArea()->documents(), QList<DocumentWindow *>{second});
    QCOMPARE(fixture.readFile(a), QByteArray("XA\r\n"));

    // An unchanged document closes without a question; the last one leaves no tab.
    fixture.dialogs.clear();
    closeButton(fixture, 0)->click();
    QCOMPARE(tabs->count(), 0);
    QVERIFY(fixture.window->documentArea()->documents().isEmpty());
    QVERIFY(fixture.dialogs.asked().isEmpty());
    QVERIFY(fixture.dialogs.allAnswered());
}

void TestDocumentTabs::openOffersCopybooksAndAllFiles()
{
    MainWindowFixture fixture;
    fixture.show();
    fixture.dialogs.planOpenCancelled();
    fixture.window->runCommand(CommandId::Open);
    const QStringList filters = fixture.dialogs.asked().constLast().filter.split(QStringLiteral(";;"));
    QVERIFY(filters.contains(QStringLiteral("COBOL copybooks (*.cpy *.CPY)")));
    QVERIFY(filters.contains(QStringLiteral("All Files (*)")));
    QVERIFY(filters.contains(QStringLiteral("Cobol (*.cbl *.CBL)")));
}

void TestDocumentTabs::copybooksGetTheirRecordsInTheTree_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("nodes");
    const QByteArray records = "      * the account file's records\r\n"
                               "       01  ACCOUNT-RECORD.\r\n"
                               "           05  ACCT-ID     PIC 9(11).\r\n"
                               "       01  ACCOUNT-TOTALS.\r\n"
                               "           05  ACCT-COUNT  PIC 9(9).\r\n";
    const QStringList recordNodes{QStringLiteral("01  ACCOUNT-RECORD."), QStringLiteral("01  ACCOUNT-TOTALS.")};
    QTest::newRow("by its name") << QStringLiteral("ACCTREC.cpy") << records << recordNodes;
    QTest::newRow("by its name in capitals") << QStringLiteral("ACCTREC.CPY") << records << recordNodes;
    QTest::newRow("by its content") << QStringLiteral("ACCTREC") << records << recordNodes;
    QTest::newRow("plain text gets none") << QStringLiteral("notes.txt") << QByteArray("01 is a number\r\n")
                                          << QStringList();
    QTest::newRow("a program of another name gets none")
        << QStringLiteral("PROG.txt") << QByteArray("       DATA DIVISION.\r\n       01  REC.\r\n") << QStringList();
}

void TestDocumentTabs::copybooksGetTheirRecordsInTheTree()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, text);
    QFETCH(QStringList, nodes);
    MainWindowFixture fixture;
    fixture.show();
    fixture.window->openSourceFile(fixture.writeFile(name, text));
    DocumentWindow *child = fixture.window->activeDocument();
    QStringList shown;
    for (int i = 0; i < child->structureTree()->count(); ++i)
        shown.append(child->structureTree()->nodeText(child->structureTree()->nodeAt(i)).trimmed());
    QCOMPARE(shown, nodes);
    QCOMPARE(child->treeShown(), !nodes.isEmpty());
    QCOMPARE(fixture.window->action(CommandId::Track)->isEnabled(), !nodes.isEmpty());
}

QTEST_MAIN(TestDocumentTabs)
#include "tst_documenttabs.moc"
