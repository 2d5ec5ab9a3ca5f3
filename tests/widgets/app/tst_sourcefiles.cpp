#include "document/widgets/SourceEditor.h"
#include "support/MainWindowFixture.h"

#include <QDir>
#include <QFile>
#include <QTabBar>
#include <QTest>

using namespace norvane;
using namespace norvane::test;
using Answer = Dialogs::Answer;

// Moving source programs between the disk and document windows: open, reload,
// new, save, save as, save all, modes, close and exit.
class TestSourceFiles : public QObject {
    Q_OBJECT

private slots:
    void openDialogOpensEveryChosenFile();
    void readOnlyOpenShowsTheModeAndDisablesSave();
    void reopeningAsksToReload();
    void reloadingAFileThatIsGoneKeepsTheText();
    void anotherSpellingOfThePathIsTheSameDocument();
    void missingAndUnreadableFilesOpenNothing();
    void savingKeepsTheLineEnding_data();
    void savingKeepsTheLineEnding();
    void anUnchangedFileSavesByteForByte();
    void anUnchangedFileSavesAsItWasRead_data();
    void anUnchangedFileSavesAsItWasRead();
    void aLineTypedAtTheEndOfAFileWithoutFinalBreakIsKept();
    void strippingTrailingSpacesKeepsTheCaret();
    void newNumbersBlankDocuments();
    void savingABlankDocumentAsksForAName();
    void failedSaveKeepsTheOldFileAndTheChanges();
    void saveAsOntoAnExistingFileAsks();
    void saveAsOntoAFileOpenInAnotherWindowClosesItFirst();
    void readOnlyAndUpdateModeRenameTheTab();
    void closeQuestionAnswers();
    void cancellingTheCloseQuestionKeepsTheCommands();
    void closingABlankDocumentWhoseSaveAsIsCancelledKeepsIt();
    void closingTheLastDocumentDisablesItsCommands();
    void saveAllSavesChangedSourceDocuments();
    void exitStopsAtCancel();
    void printingWritesTheWholeText();

private:
    static DocumentWindow *active(MainWindowFixture &fixture) { return fixture.window->activeDocument(); }
    static void type(DocumentWindow *child, const QString &text)
    {
        child->editor()->setFocus();
        QTest::keyClicks(child->editor(), text);
    }
};

void TestSourceFiles::openDialogOpensEveryChosenFile()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString a = fixture.writeFile(QStringLiteral("A.cbl"), "A\r\n");
    const QString b = fixture.writeFile(QStringLiteral("B.uex"), "B\r\n");
    fixture.dialogs.planOpen({a, b});
    QTest::keySequence(fixture.window.get(), QKeySequence(QStringLiteral("Ctrl+O")));
    QCOMPARE(fixture.window->documentArea()->documents().size(), 2);
    QCOMPARE(active(fixture)->caption(), b);
    QVERIFY(fixture.dialogs.unexpected().isEmpty());
    QVERIFY(fixture.window->action(CommandId::ReadOnlyMode)->isEnabled());
    QVERIFY(!fixture.window->action(CommandId::UpdateMode)->isEnabled());

    fixture.dialogs.planOpenCancelled();
    fixture.window->runCommand(CommandId::Open);
    QCOMPARE(fixture.window->documentArea()->documents().size(), 2);
}

void TestSourceFiles::readOnlyOpenShowsTheModeAndDisablesSave()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString a = fixture.writeFile(QStringLiteral("PAY.CBL"), "PAY\r\n");
    fixture.dialogs.planOpen({a}, true);
    fixture.window->runCommand(CommandId::Open);
    DocumentWindow *child = active(fixture);
    QCOMPARE(child->caption(), a + QStringLiteral(" (read only)"));
    QCOMPARE(fixture.window->documentArea()->tabBar()->tabText(0), QStringLiteral("PAY.CBL (read only)"));
    QVERIFY(child->editor()->isReadOnly());
    QVERIFY(!fixture.window->action(CommandId::Save)->isEnabled());
    QVERIFY(!fixture.window->action(CommandId::ReadOnlyMode)->isEnabled());
    QVERIFY(fixture.window->action(CommandId::UpdateMode)->isEnabled());
    QVERIFY(!fixture.window->action(CommandId::Paste)->isEnabled());
    QCOMPARE(fixture.window->statusPanel(0), QStringLiteral("Read Only   "));
    QVERIFY(fixture.window->fileCommands()->openReadOnly);

    // The same file in update mode is another document.
    fixture.window->fileCommands()->openReadOnly = false;
    fixture.window->openSourceFile(a);
    QCOMPARE(fixture.window->documentArea()->documents().size(), 2);
    QCOMPARE(fixture.dialogs.asked().size(), 1);   // the open dialog, no reload question
    QVERIFY(fixture.dialogs.unexpected().isEmpty());
}

void TestSourceFiles::reopeningAsksToReload()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString a = fixture.writeFile(QStringLiteral("A.cbl"), "OLD\r\n");
    fixture.window->openSourceFile(a);
    type(active(fixture), QStringLiteral("EDIT "));
    fixture.writeFile(QStringLiteral("A.cbl"), "NEW\r\n");

    fixture.dialogs.planMessage(Answer::Cancel);
    fixture.window->openSourceFile(a);
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("reload ") + a + QStringLiteral(" ?"));
    QCOMPARE(fixture.window->documentArea()->documents().size(), 1);
    QCOMPARE(active(fixture)->editor()->lineText(0), QStringLiteral("EDIT OLD"));

    fixture.dialogs.planMessage(Answer::Ok);
    fixture.window->openSourceFile(a);
    QCOMPARE(fixture.window->documentArea()->documents().size(), 1);
    QCOMPARE(active(fixture)->editor()->lineText(0), QStringLiteral("NEW"));
    QCOMPARE(fixture.window->documentArea()->tabBar()->count(), 1);
    QVERIFY(fixture.dialogs.unexpected().isEmpty());
    QVERIFY(fixture.dialogs.allAnswered());
}

void TestSourceFiles::reloadingAFileThatIsGoneKeepsTheText()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString a = fixture.writeFile(QStringLiteral("A.cbl"), "OLD\r\n");
    fixture.window->openSourceFile(a);
    DocumentWindow *child = active(fixture);
    type(child, QStringLiteral("WORK "));
    QVERIFY(QFile::remove(a));

    // OK to the reload question finds the file gone: nothing was closed.
    fixture.dialogs.planMessage(Answer::Ok);
    fixture.window->openSourceFile(a);
    QCOMPARE(fixture.dialogs.asked().size(), 2);
    QCOMPARE(fixture.dialogs.asked().at(0).text, QStringLiteral("reload ") + a + QStringLiteral(" ?"));
    QCOMPARE(fixture.dialogs.lastMessage(), a + QStringLiteral("\nno longer exists"));
    QCOMPARE(fixture.window->documentArea()->documents().size(), 1);
    QCOMPARE(active(fixture), child);
    QCOMPARE(child->editor()->lineText(0), QStringLiteral("WORK OLD"));
    QVERIFY(child->editor()->isModified());
    QCOMPARE(fixture.window->documentArea()->tabBar()->count(), 1);

    // The text can be saved again where it was.
    fixture.window->runCommand(CommandId::Save);
    QCOMPARE(fixture.readFile(a), QByteArray("WORK OLD\r\n"));
    QVERIFY(fixture.dialogs.allAnswered());
}

void TestSourceFiles::anotherSpellingOfThePathIsTheSameDocument()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString a = fixture.writeFile(QStringLiteral("A.cbl"), "A\r\n");
    QDir(fixture.folder.path()).mkdir(QStringLiteral("sub"));
    fixture.window->openSourceFile(a);
    const QString other = fixture.folder.path() + QStringLiteral("/sub/../A.cbl");
    fixture.dialogs.planMessage(Answer::Cancel);
    fixture.window->openSourceFile(other);
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("reload ") + a + QStringLiteral(" ?"));
    QCOMPARE(fixture.window->documentArea()->documents().size(), 1);
}

void TestSourceFiles::missingAndUnreadableFilesOpenNothing()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString missing = fixture.path(QStringLiteral("GONE.CBL"));
    fixture.window->openSourceFile(missing);
    QCOMPARE(fixture.dialogs.lastMessage(), missing + QStringLiteral("\nno longer exists"));
    QCOMPARE(fixture.dialogs.asked().constLast().icon, Dialogs::Icon::Information);

    QDir(fixture.folder.path()).mkdir(QStringLiteral("folder.cbl"));
    fixture.window->openSourceFile(fixture.path(QStringLiteral("folder.cbl")));
    QVERIFY(fixture.dialogs.lastMessage().contains(QStringLiteral("folder.cbl")));
    QCOMPARE(fixture.dialogs.asked().constLast().icon, Dialogs::Icon::Error);

    QVERIFY(fixture.window->documentArea()->documents().isEmpty());
    QCOMPARE(fixture.window->documentArea()->tabBar()->count(), 0);
}

void TestSourceFiles::savingKeepsTheLineEnding_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<bool>("unixForNewFiles");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("dos") << QByteArray("A\r\nB\r\n") << true << QByteArray("XA\r\nB\r\n");
    QTest::newRow("unix") << QByteArray("A\nB\n") << false << QByteArray("XA\nB\n");
    // A line feed that is the file's only break and its last byte is still the file's.
    QTest::newRow("one line ending in a line feed, unix option") << QByteArray("A\n") << true << QByteArray("XA\n");
    QTest::newRow("one line ending in a line feed, dos option") << QByteArray("A\n") << false << QByteArray("XA\n");
    QTest::newRow("no line break, dos option") << QByteArray("A") << false << QByteArray("XA");
    QTest::newRow("no final break") << QByteArray("A\r\nB") << true << QByteArray("XA\r\nB");
    QTest::newRow("empty lines at the end") << QByteArray("A\n\n\n") << true << QByteArray("XA\n\n\n");
}

void TestSourceFiles::savingKeepsTheLineEnding()
{
    QFETCH(QByteArray, original);
    QFETCH(bool, unixForNewFiles);
    QFETCH(QByteArray, saved);
    MainWindowFixture fixture;
    fixture.settings.UnixLineFeedOption = unixForNewFiles;
    fixture.show();
    const QString file = fixture.writeFile(QStringLiteral("P.cbl"), original);
    fixture.window->openSourceFile(file);
    DocumentWindow *child = active(fixture);
    type(child, QStringLiteral("X"));
    QVERIFY(fixture.window->action(CommandId::Save)->isEnabled());
    QTest::keySequence(fixture.window.get(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(fixture.readFile(file), saved);
    QVERIFY(!child->editor()->isModified());
    QVERIFY(!fixture.window->action(CommandId::Save)->isEnabled());
    QVERIFY(fixture.dialogs.asked().isEmpty());
}

void TestSourceFiles::anUnchangedFileSavesByteForByte()
{
    QByteArray bytes;
    for (int c = 0; c < 256; ++c) {
        if (c != '\r' && c != '\n')
            bytes.append(static_cast<char>(c));
    }
    bytes = bytes + "\r\n" + "       MOVE \xA0\xE9 TO X.  \r\n";
    MainWindowFixture fixture;
    fixture.show();
    const QString file = fixture.writeFile(QStringLiteral("BYTES.CBL"), bytes);
    fixture.window->openSourceFile(file);
    active(fixture)->editor()->setModified(true);
    fixture.window->runCommand(CommandId::Save);
    QCOMPARE(fixture.readFile(file), bytes);
}

void TestSourceFiles::anUnchangedFileSavesAsItWasRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("unixForNewFiles");
    const QByteArray files[] = {"", "\n", "\r\n", "\n\n", "A", "A\n", "A\n\n", "A\r\n\r\n\r\n", "A\r\nB",
                                "  A  \n   \n", "       01 R.\r\n           05 F PIC X.\r\n\r\n"};
    for (const QByteArray &file : files) {
        for (const bool unixForNewFiles : {false, true}) {
            const QByteArray name = file.toPercentEncoding() + (unixForNewFiles ? ", unix option" : ", dos option");
            QTest::newRow(name.constData()) << file << unixForNewFiles;
        }
    }
}

void TestSourceFiles::anUnchangedFileSavesAsItWasRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, unixForNewFiles);
    MainWindowFixture fixture;
    fixture.settings.UnixLineFeedOption = unixForNewFiles;
    fixture.show();
    const QString file = fixture.writeFile(QStringLiteral("SAME.CBL"), bytes);
    fixture.window->openSourceFile(file);
    active(fixture)->editor()->setModified(true);
    fixture.window->runCommand(CommandId::Save);
    QCOMPARE(fixture.readFile(file), bytes);
}

void TestSourceFiles::aLineTypedAtTheEndOfAFileWithoutFinalBreakIsKept()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString file = fixture.writeFile(QStringLiteral("END.CBL"), "A\r\nB");
    fixture.window->openSourceFile(file);
    DocumentWindow *child = active(fixture);
    child->editor()->setSelStart(child->editor()->textLength());
    QTest::keyClick(child->editor(), Qt::Key_Return);
    QCOMPARE(child->editor()->lineCount(), 2);
    fixture.window->runCommand(CommandId::Save);
    QCOMPARE(fixture.readFile(file), QByteArray("A\r\nB\r\n"));
}

void TestSourceFiles::strippingTrailingSpacesKeepsTheCaret()
{
    MainWindowFixture fixture;
    fixture.settings.TrailSpaceOption = true;
    fixture.show();
    const QString file = fixture.writeFile(QStringLiteral("T.cbl"), "AAA   \r\nBBBBBB    \r\n   \r\nC\r\n");
    fixture.window->openSourceFile(file);
    DocumentWindow *child = active(fixture);
    child->editor()->setSelStart(child->editor()->lineIndex(1) + 3);
    type(child, QStringLiteral("x"));
    fixture.window->runCommand(CommandId::Save);
    QCOMPARE(fixture.readFile(file), QByteArray("AAA\r\nBBBxBBB\r\n\r\nC\r\n"));
    QCOMPARE(child->editor()->text(), QStringLiteral("AAA\r\nBBBxBBB\r\n\r\nC\r\n"));
    QCOMPARE(child->editor()->lineFromChar(child->editor()->selStart()), 1);
    QCOMPARE(child->editor()->selStart() - child->editor()->lineIndex(1), 4);
    // The stripping is one step that Undo takes back.
    child->editor()->undo();
    QCOMPARE(child->editor()->lineText(0), QStringLiteral("AAA   "));
}

void TestSourceFiles::newNumbersBlankDocuments()
{
    MainWindowFixture fixture;
    fixture.show();
    for (int i = 0; i < 4; ++i)
        QTest::keySequence(fixture.window.get(), QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(active(fixture)->caption(), QStringLiteral("blank 3"));
    QVERIFY(!fixture.window->action(CommandId::SplitScreen)->isEnabled());
    QCOMPARE(fixture.window->statusPanel(0), QStringLiteral("Insert   "));
    // Close blank 1 and 2: the next is still one above the highest.
    for (const char *name : {"blank 1", "blank 2"}) {
        for (DocumentWindow *child : fixture.window->documentArea()->documents()) {
            if (child->caption() == QLatin1String(name))
                fixture.window->bringToFront(child);
        }
        fixture.window->runCommand(CommandId::Close);
    }
    fixture.window->runCommand(CommandId::New);
    QCOMPARE(active(fixture)->caption(), QStringLiteral("blank 4"));

    for (int i = 5; i <= 9; ++i)
        fixture.window->runCommand(CommandId::New);
    QCOMPARE(active(fixture)->caption(), QStringLiteral("blank 9"));
    fixture.window->runCommand(CommandId::New);
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("only 10 blank forms allowed"));
    QCOMPARE(fixture.dialogs.asked().constLast().icon, Dialogs::Icon::Error);
    QCOMPARE(fixture.window->documentArea()->documents().size(), 8);
}

void TestSourceFiles::savingABlankDocumentAsksForAName()
{
    MainWindowFixture fixture;
    fixture.show();
    fixture.window->runCommand(CommandId::New);
    DocumentWindow *child = active(fixture);
    type(child, QStringLiteral("HELLO"));

    fixture.dialogs.planSaveCancelled();
    fixture.window->runCommand(CommandId::Save);
    QCOMPARE(fixture.dialogs.asked().constLast().kind, QStringLiteral("save"));
    QCOMPARE(fixture.dialogs.asked().constLast().text, QStringLiteral("blank 0"));
    QCOMPARE(child->caption(), QStringLiteral("blank 0"));
    QVERIFY(child->editor()->isModified());

    const QString target = fixture.path(QStringLiteral("HELLO.CBL"));
    fixture.dialogs.planSave(target);
    fixture.window->runCommand(CommandId::Save);
    QCOMPARE(child->caption(), QDir::toNativeSeparators(target));
    QCOMPARE(fixture.window->documentArea()->tabBar()->tabText(0), QStringLiteral("HELLO.CBL"));
    QCOMPARE(fixture.window->documentArea()->tabs().pathAt(0), target.toStdString());
    QCOMPARE(fixture.readFile(target), QByteArray("HELLO\n"));
    QVERIFY(!child->editor()->isModified());
}

void TestSourceFiles::failedSaveKeepsTheOldFileAndTheChanges()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString file = fixture.writeFile(QStringLiteral("KEEP.CBL"), "KEEP\r\n");
    fixture.window->openSourceFile(file);
    DocumentWindow *child = active(fixture);
    type(child, QStringLiteral("X"));

    const QString unwritable = fixture.path(QStringLiteral("no-such-folder/OUT.CBL"));
    fixture.dialogs.planSave(unwritable);
    fixture.window->runCommand(CommandId::SaveAs);
    QVERIFY(fixture.dialogs.lastMessage().contains(QStringLiteral("OUT.CBL")));
    QVERIFY(fixture.dialogs.lastMessage().contains(QStringLiteral("No such file or directory")));
    QCOMPARE(fixture.dialogs.asked().constLast().icon, Dialogs::Icon::Error);
    QCOMPARE(child->caption(), file);
    QVERIFY(child->editor()->isModified());
    QVERIFY(fixture.window->action(CommandId::Save)->isEnabled());
    QCOMPARE(fixture.readFile(file), QByteArray("KEEP\r\n"));
    QVERIFY(!QFile::exists(unwritable));
}

void TestSourceFiles::saveAsOntoAnExistingFileAsks()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString mine = fixture.writeFile(QStringLiteral("MINE.cbl"), "MINE\r\n");
    const QString other = fixture.writeFile(QStringLiteral("OTHER.cbl"), "OTHER\r\n");
    fixture.window->openSourceFile(mine);
    DocumentWindow *child = active(fixture);
    type(child, QStringLiteral("X"));

    // Cancel: nothing is written and the document stays what it was.
    fixture.dialogs.planSave(other);
    fixture.dialogs.planMessage(Answer::Cancel);
    fixture.window->runCommand(CommandId::SaveAs);
    QCOMPARE(fixture.dialogs.lastMessage(), other + QStringLiteral("\nalready exists. Replace it?"));
    QCOMPARE(fixture.dialogs.asked().constLast().buttons, Dialogs::Buttons::OkCancel);
    QCOMPARE(fixture.readFile(other), QByteArray("OTHER\r\n"));
    QCOMPARE(child->caption(), mine);
    QVERIFY(child->editor()->isModified());

    // OK replaces it.
    fixture.dialogs.planSave(other);
    fixture.dialogs.planMessage(Answer::Ok);
    fixture.window->runCommand(CommandId::SaveAs);
    QCOMPARE(fixture.readFile(other), QByteArray("XMINE\r\n"));
    QCOMPARE(child->caption(), other);

    // A new name, or the document's own, needs no question.
    fixture.dialogs.clear();
    type(child, QStringLiteral("Y"));
    fixture.dialogs.planSave(other);
    fixture.window->runCommand(CommandId::SaveAs);
    fixture.dialogs.planSave(fixture.path(QStringLiteral("NEW.cbl")));
    fixture.window->runCommand(CommandId::SaveAs);
    QCOMPARE(fixture.dialogs.asked().size(), 2);
    QCOMPARE(fixture.readFile(fixture.path(QStringLiteral("NEW.cbl"))), QByteArray("XYMINE\r\n"));
    QVERIFY(fixture.dialogs.unexpected().isEmpty());
}

void TestSourceFiles::saveAsOntoAFileOpenInAnotherWindowClosesItFirst()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString a = fixture.writeFile(QStringLiteral("A.cbl"), "A\r\n");
    const QString b = fixture.writeFile(QStringLiteral("B.cbl"), "B\r\n");
    fixture.window->openSourceFile(b);
    DocumentWindow *older = active(fixture);
    type(older, QStringLiteral("OLD"));
    fixture.window->openSourceFile(a);
    DocumentWindow *child = active(fixture);
    type(child, QStringLiteral("NEW"));
    const QString question = b + QStringLiteral("\nis open in another window. Close that window and replace the file?");

    // Cancel refuses; so does Cancel to the other window's own save question.
    fixture.dialogs.planSave(b);
    fixture.dialogs.planMessage(Answer::Cancel);
    fixture.window->runCommand(CommandId::SaveAs);
    QCOMPARE(fixture.dialogs.lastMessage(), question);
    fixture.dialogs.planSave(b);
    fixture.dialogs.planMessage(Answer::Ok);
    fixture.dialogs.planMessage(Answer::Cancel);
    fixture.window->runCommand(CommandId::SaveAs);
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("save B.cbl ?"));
    QCOMPARE(fixture.window->documentArea()->documents().size(), 2);
    QCOMPARE(fixture.readFile(b), QByteArray("B\r\n"));
    QCOMPARE(child->caption(), a);
    QCOMPARE(active(fixture), child);

    // OK, and No to the other window's question: it closes, then the file is written.
    fixture.dialogs.planSave(b);
    fixture.dialogs.planMessage(Answer::Ok);
    fixture.dialogs.planMessage(Answer::No);
    fixture.window->runCommand(CommandId::SaveAs);
    QCOMPARE(fixture.window->documentArea()->documents(), QList<DocumentWindow *>{child});
    QCOMPARE(fixture.window->documentArea()->tabBar()->count(), 1);
    QCOMPARE(child->caption(), b);
    QCOMPARE(fixture.readFile(b), QByteArray("NEWA\r\n"));
    QCOMPARE(active(fixture), child);
    QVERIFY(fixture.dialogs.allAnswered());
    QVERIFY(fixture.dialogs.unexpected().isEmpty());
}

void TestSourceFiles::readOnlyAndUpdateModeRenameTheTab()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString file = fixture.writeFile(QStringLiteral("M.cbl"), "M\r\n");
    fixture.window->openSourceFile(file);
    DocumentWindow *child = active(fixture);

    fixture.window->action(CommandId::ReadOnlyMode)->trigger();
    QCOMPARE(child->caption(), file + QStringLiteral(" (read only)"));
    QCOMPARE(fixture.window->documentArea()->tabBar()->tabText(0), QStringLiteral("M.cbl (read only)"));
    QCOMPARE(fixture.window->documentArea()->tabs().pathAt(0), child->caption().toStdString());
    QVERIFY(child->editor()->isReadOnly());
    QVERIFY(fixture.window->fileCommands()->openReadOnly);
    QVERIFY(fixture.window->action(CommandId::UpdateMode)->isEnabled());
    QVERIFY(!fixture.window->action(CommandId::ReadOnlyMode)->isEnabled());

    fixture.window->action(CommandId::UpdateMode)->trigger();
    QCOMPARE(child->caption(), file);
    QCOMPARE(fixture.window->documentArea()->tabBar()->tabText(0), QStringLiteral("M.cbl"));
    QVERIFY(!child->editor()->isReadOnly());
    QVERIFY(!fixture.window->fileCommands()->openReadOnly);
    QCOMPARE(fixture.window->statusPanel(0), QStringLiteral("Insert   "));
}

void TestSourceFiles::closeQuestionAnswers()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString file = fixture.writeFile(QStringLiteral("Q.cbl"), "Q\r\n");

    // No: closes and discards.
    fixture.window->openSourceFile(file);
    type(active(fixture), QStringLiteral("X"));
    fixture.dialogs.planMessage(Answer::No);
    fixture.window->runCommand(CommandId::Close);
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("save Q.cbl ?"));
    QCOMPARE(fixture.dialogs.asked().constLast().buttons, Dialogs::Buttons::YesNoCancel);
    QVERIFY(fixture.window->documentArea()->documents().isEmpty());
    QCOMPARE(fixture.readFile(file), QByteArray("Q\r\n"));

    // Yes: saves and closes.
    fixture.window->openSourceFile(file);
    type(active(fixture), QStringLiteral("Y"));
    fixture.dialogs.planMessage(Answer::Yes);
    fixture.window->runCommand(CommandId::Close);
    QVERIFY(fixture.window->documentArea()->documents().isEmpty());
    QCOMPARE(fixture.readFile(file), QByteArray("YQ\r\n"));

    // Nothing changed, or read-only: no question.
    fixture.dialogs.clear();
    fixture.window->openSourceFile(file);
    fixture.window->runCommand(CommandId::Close);
    fixture.window->openSourceFile(file);
    type(active(fixture), QStringLiteral("Z"));
    fixture.window->runCommand(CommandId::ReadOnlyMode);
    fixture.window->runCommand(CommandId::Close);
    QVERIFY(fixture.dialogs.asked().isEmpty());
    QVERIFY(fixture.window->documentArea()->documents().isEmpty());
}

void TestSourceFiles::cancellingTheCloseQuestionKeepsTheCommands()
{
    MainWindowFixture fixture;
    fixture.show();
    fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("C.cbl"), "C\r\n"));
    type(active(fixture), QStringLiteral("X"));
    fixture.dialogs.planMessage(Answer::Cancel);
    fixture.window->runCommand(CommandId::Close);
    QCOMPARE(fixture.window->documentArea()->documents().size(), 1);
    QCOMPARE(fixture.window->documentArea()->tabBar()->count(), 1);
    QVERIFY(fixture.window->action(CommandId::Close)->isEnabled());
    QVERIFY(fixture.window->action(CommandId::Save)->isEnabled());
    QVERIFY(fixture.window->action(CommandId::Find)->isEnabled());
    QVERIFY(active(fixture)->editor()->isModified());
}

void TestSourceFiles::closingABlankDocumentWhoseSaveAsIsCancelledKeepsIt()
{
    MainWindowFixture fixture;
    fixture.show();
    fixture.window->runCommand(CommandId::New);
    type(active(fixture), QStringLiteral("WORK"));
    fixture.dialogs.planMessage(Answer::Yes);
    fixture.dialogs.planSaveCancelled();
    fixture.window->runCommand(CommandId::Close);
    QCOMPARE(fixture.dialogs.asked().at(0).text, QStringLiteral("save blank 0 ?"));
    QCOMPARE(fixture.window->documentArea()->documents().size(), 1);
    QCOMPARE(active(fixture)->editor()->text(), QStringLiteral("WORK"));
    QVERIFY(fixture.window->action(CommandId::Close)->isEnabled());
}

void TestSourceFiles::closingTheLastDocumentDisablesItsCommands()
{
    MainWindowFixture fixture;
    fixture.show();
    fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("L.cbl"), "L\r\n"));
    fixture.window->runCommand(CommandId::Close);
    for (CommandId id : {CommandId::Close, CommandId::SaveAs, CommandId::Find, CommandId::Print,
                         CommandId::Paste, CommandId::SelectAll, CommandId::MinimizeAll,
                         CommandId::RefreshTree, CommandId::SplitScreen, CommandId::Undo})
        QVERIFY2(!fixture.window->action(id)->isEnabled(), commandName(id).data());
    QVERIFY(fixture.window->action(CommandId::Open)->isEnabled());
    QVERIFY(fixture.window->action(CommandId::New)->isEnabled());
    QCOMPARE(fixture.window->statusPanel(0), QStringLiteral(" "));
}

void TestSourceFiles::saveAllSavesChangedSourceDocuments()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString a = fixture.writeFile(QStringLiteral("A.cbl"), "A\r\n");
    const QString b = fixture.writeFile(QStringLiteral("B.cbl"), "B\r\n");
    const QString c = fixture.writeFile(QStringLiteral("C.cbl"), "C\r\n");
    for (const QString &file : {a, b, c})
        fixture.window->openSourceFile(file);
    const QList<DocumentWindow *> children = fixture.window->documentArea()->documents();
    type(children[0], QStringLiteral("1"));
    type(children[2], QStringLiteral("3"));
    fixture.window->runCommand(CommandId::New);
    type(active(fixture), QStringLiteral("NEW"));
    fixture.dialogs.planSave(fixture.path(QStringLiteral("NEW.CBL")));
    QTest::keySequence(fixture.window.get(), QKeySequence(QStringLiteral("Ctrl+Y")));
    QCOMPARE(fixture.readFile(a), QByteArray("1A\r\n"));
    QCOMPARE(fixture.readFile(b), QByteArray("B\r\n"));
    QCOMPARE(fixture.readFile(c), QByteArray("3C\r\n"));
    QCOMPARE(fixture.readFile(fixture.path(QStringLiteral("NEW.CBL"))), QByteArray("NEW\n"));
    QVERIFY(fixture.dialogs.allAnswered());
}

void TestSourceFiles::exitStopsAtCancel()
{
    MainWindowFixture fixture;
    fixture.show();
    fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("A.cbl"), "A\r\n"));
    fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("B.cbl"), "B\r\n"));
    for (DocumentWindow *child : fixture.window->documentArea()->documents())
        type(child, QStringLiteral("X"));
    fixture.dialogs.planMessage(Answer::Cancel);
    fixture.window->runCommand(CommandId::Exit);
    QVERIFY(fixture.window->isVisible());
    QCOMPARE(fixture.window->documentArea()->documents().size(), 2);
    QCOMPARE(fixture.dialogs.asked().size(), 1);
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("save B.cbl ?"));

    fixture.dialogs.planMessage(Answer::No);
    fixture.dialogs.planMessage(Answer::No);
    fixture.window->runCommand(CommandId::Exit);
    QVERIFY(!fixture.window->isVisible());
    QVERIFY(fixture.dialogs.allAnswered());
}

void TestSourceFiles::printingWritesTheWholeText()
{
    MainWindowFixture fixture;
    fixture.show();
    fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("P.cbl"), "       PROGRAM-ID. PRINTME.\r\n"));
    const QString pdf = fixture.path(QStringLiteral("out.pdf"));
    fixture.dialogs.planPrint(pdf);
    fixture.window->runCommand(CommandId::Print);
    QVERIFY(fixture.readFile(pdf).startsWith("%PDF"));

    fixture.dialogs.planPrint(QString());
    fixture.window->runCommand(CommandId::Print);
    QVERIFY(fixture.dialogs.allAnswered());
}

QTEST_MAIN(TestSourceFiles)
#include "tst_sourcefiles.moc"
