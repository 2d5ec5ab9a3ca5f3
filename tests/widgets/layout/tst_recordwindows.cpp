#include "document/widgets/SourceEditor.h"
#include "layout/widgets/DataGridModel.h"
#include "layout/widgets/LayoutTableModel.h"
#include "support/MainWindowFixture.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QTabBar>
#include <QTableView>
#include <QTest>

using namespace norvane;
using namespace norvane::test;
using Answer = Dialogs::Answer;

namespace {

const QString kFixtures = QStringLiteral(NORVANE_TEST_DATA "/layout/data/");

QByteArray fixture(const QString &name)
{
    QFile file(kFixtures + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// From a selected record definition to its layout window and its data window,
// and a data file through the grid and back.
class TestRecordWindows : public QObject {
    Q_OBJECT

private slots:
    void calcOffsetShowsTheLayoutAndSavesItAsCsv();
    void nothingSelectedIsRefused();
    void dataFileOpensIntoTheGridAndSavesBack();
    void aCellThatDoesNotFitIsReportedAndNothingWritten();
    void wrongLengthIsReported();
    void linesAndCellClipboard();
    void closingAChangedDataWindowAsks();
    void aNewDataWindowStartsEditingItsFirstRecord();
    void openingIntoAChangedDataWindowAsksFirst();
    void savingOverAnotherFileAsks();

private:
    // A source window holding the copybook, all of it selected.
    static DocumentWindow *selectCopybook(MainWindowFixture &fixture)
    {
        fixture.window->openSourceFile(fixture.writeFile(QStringLiteral("DATAFIX.cpy"), ::fixture(QStringLiteral("DATAFIX.cpy"))));
        DocumentWindow *source = fixture.window->activeDocument();
        source->editor()->setFocus();
        source->editor()->selectAllText();
        return source;
    }
    static DocumentWindow *openDataWindow(MainWindowFixture &fixture, const QString &dataFile)
    {
        selectCopybook(fixture);
        fixture.window->runCommand(CommandId::EditDataFile);
        DocumentWindow *data = fixture.window->activeDocument();
        fixture.dialogs.planOpen({dataFile});
        fixture.dialogs.planOptions(); // the format, as proposed
        fixture.window->runCommand(CommandId::Open);
        return data;
    }
};

void TestRecordWindows::calcOffsetShowsTheLayoutAndSavesItAsCsv()
{
    MainWindowFixture fixture;
    fixture.show();
    selectCopybook(fixture);
    QVERIFY(fixture.window->action(CommandId::CalcOffset)->isEnabled());
    QTest::keySequence(fixture.window.get(), QKeySequence(QStringLiteral("Ctrl+L")));
    DocumentWindow *layout = fixture.window->activeDocument();
    QVERIFY(layout->isLayoutWindow);
    QVERIFY(layout->caption().startsWith(QStringLiteral("offset: DATA-REC length ")));
    QVERIFY(layout->layoutGrid()->isVisible());
    QVERIFY(layout->editor()->isHidden() || !layout->editor()->isVisible());
    QAbstractItemModelTester tester(layout->layoutModel, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(layout->layoutModel->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Field"));
    QCOMPARE(layout->layoutModel->index(1, 1).data().toString(), QStringLiteral("D-NAME"));
    QCOMPARE(fixture.window->statusPanel(0), QStringLiteral(" "));
    QVERIFY(!fixture.window->action(CommandId::SaveAs)->isEnabled());
    QVERIFY(fixture.window->action(CommandId::Save)->isEnabled());

    const QString csv = fixture.path(QStringLiteral("layout"));
    fixture.dialogs.planSave(csv);
    fixture.window->runCommand(CommandId::Save);
    QCOMPARE(fixture.dialogs.asked().constLast().text, QStringLiteral("DATA-REC.csv"));
    const QByteArray written = fixture.readFile(csv + QStringLiteral(".csv"));
    QVERIFY(written.startsWith("\"Level\",\"Field\",\"Pic\",\"Usage\",\"Occurence\",\"Offset\",\"Redefines\"\r\n"));
    QVERIFY(written.contains("\"D-NAME\""));
}

void TestRecordWindows::nothingSelectedIsRefused()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *source = selectCopybook(fixture);
    source->editor()->setSelStart(0);
    fixture.window->runCommand(CommandId::CalcOffset);
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("select a record definition"));
    source->editor()->setSelection(0, 20);   // only the comment line
    fixture.window->runCommand(CommandId::CalcOffset);
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("No record definition selected"));
    QCOMPARE(fixture.window->documentArea()->documents().size(), 1);
}

void TestRecordWindows::dataFileOpensIntoTheGridAndSavesBack()
{
    MainWindowFixture fixture;
    fixture.settings.BigEndianOption = true;
    fixture.show();
    const QString data = fixture.writeFile(QStringLiteral("datafix.dat"), ::fixture(QStringLiteral("datafix-big.dat")));
    DocumentWindow *window = openDataWindow(fixture, data);
    QVERIFY(window->isDataWindow);
    QCOMPARE(window->caption(), QStringLiteral("data: datafix.dat"));
    QCOMPARE(fixture.window->documentArea()->tabBar()->tabText(fixture.window->documentArea()->tabBar()->currentIndex()), QStringLiteral("data: datafix.dat"));
    DataGridModel *model = window->dataModel;
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(model->rowCount() >= 2);
    QCOMPARE(model->index(1, 0).data().toString().trimmed(), QStringLiteral("ONE"));
    QVERIFY(model->headerData(0, Qt::Horizontal).toString().startsWith(QStringLiteral("D-NAME\nX(8)")));
    QVERIFY(!window->dataModified);

    // A double click, F2 or typing starts editing a cell; moving to it or clicking it once does not.
    QCOMPARE(window->dataGrid()->editTriggers(), QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                                     QAbstractItemView::AnyKeyPressed);
    // Moving around is no edit; typing is.
    window->dataGrid()->setFocus();
    window->dataGrid()->setCurrentIndex(model->index(0, 1));
    QTest::keyClick(window->dataGrid(), Qt::Key_Down);
    QVERIFY(!window->dataModified);
    model->setData(model->index(0, 1), QStringLiteral("42"));
    QVERIFY(window->dataModified);

    const QString copy = fixture.path(QStringLiteral("copy.dat"));
    fixture.dialogs.planSave(copy);
    QVERIFY(fixture.window->saveDocument(window));
    QVERIFY(!window->dataModified);
    QCOMPARE(window->caption(), QStringLiteral("data: copy.dat"));
    QByteArray expected = ::fixture(QStringLiteral("datafix-big.dat"));
    const QByteArray saved = fixture.readFile(copy);
    QCOMPARE(saved.size(), expected.size());
    QCOMPARE(saved.mid(8, 5), QByteArray("00042"));
    QCOMPARE(saved.mid(13), expected.mid(13));
    QCOMPARE(fixture.readFile(data), expected);
}

void TestRecordWindows::aCellThatDoesNotFitIsReportedAndNothingWritten()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *window = openDataWindow(fixture, fixture.writeFile(QStringLiteral("d.dat"), ::fixture(QStringLiteral("datafix-big.dat"))));
    window->dataModel->setData(window->dataModel->index(2, 1), QStringLiteral("12a"));
    const QString target = fixture.path(QStringLiteral("never.dat"));
    fixture.dialogs.planSave(target);
    QVERIFY(!fixture.window->saveDocument(window));
    QVERIFY(fixture.dialogs.lastMessage().startsWith(QStringLiteral("line 3 D-COUNT")));
    QCOMPARE(fixture.dialogs.asked().constLast().icon, Dialogs::Icon::Error);
    QCOMPARE(window->dataGrid()->currentIndex().row(), 2);
    QVERIFY(!QFile::exists(target));
    QVERIFY(window->dataModified);
}

void TestRecordWindows::wrongLengthIsReported()
{
    MainWindowFixture fixture;
    fixture.show();
    QByteArray bytes = ::fixture(QStringLiteral("datafix-big.dat"));
    bytes.chop(1);
    DocumentWindow *window = openDataWindow(fixture, fixture.writeFile(QStringLiteral("short.dat"), bytes));
    QVERIFY(fixture.dialogs.lastMessage().startsWith(
        QStringLiteral("This file's length is not a multiple of the record length: the file has ")));
    QCOMPARE(window->dataModel->rowCount(), 1);   // the grid keeps its rows: the new window's empty record
    QVERIFY(window->caption().startsWith(QStringLiteral("data: DATA-REC")));
}

void TestRecordWindows::linesAndCellClipboard()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *window = openDataWindow(fixture, fixture.writeFile(QStringLiteral("d.dat"), ::fixture(QStringLiteral("datafix-big.dat"))));
    DataGridModel *model = window->dataModel;
    const int records = model->rowCount();
    QTableView *grid = window->dataGrid();
    grid->setFocus();
    grid->setCurrentIndex(model->index(1, 0));

    QTest::keyClick(grid, Qt::Key_Return);   // an empty record after row 1
    QCOMPARE(model->rowCount(), records + 1);
    QCOMPARE(grid->currentIndex().row(), 2);
    QCOMPARE(model->index(2, 0).data().toString().trimmed(), QString());
    QTest::keyClick(grid, Qt::Key_Return, Qt::AltModifier);   // and deleted again
    QCOMPARE(model->rowCount(), records);
    grid->setCurrentIndex(model->index(1, 0));
    QTest::keyClick(grid, Qt::Key_Return, Qt::ControlModifier);   // a copy of row 1
    QCOMPARE(model->index(2, 0).data().toString().trimmed(), QStringLiteral("ONE"));

    grid->setCurrentIndex(model->index(0, 0));
    fixture.window->runCommand(CommandId::Copy);
    QCOMPARE(QApplication::clipboard()->text().trimmed(), QStringLiteral("ZERO"));
    grid->setCurrentIndex(model->index(3, 0));
    fixture.window->runCommand(CommandId::Paste);
    QCOMPARE(model->index(3, 0).data().toString().trimmed(), QStringLiteral("ZERO"));
    window->menus()->dataMenu->actions().at(0)->trigger();   // Cut
    QCOMPARE(model->index(3, 0).data().toString().trimmed(), QString());
}

void TestRecordWindows::closingAChangedDataWindowAsks()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *window = openDataWindow(fixture, fixture.writeFile(QStringLiteral("d.dat"), ::fixture(QStringLiteral("datafix-big.dat"))));
    window->dataModel->setData(window->dataModel->index(0, 1), QStringLiteral("7"));
    const int before = fixture.window->documentArea()->documents().size();
    fixture.dialogs.planMessage(Answer::Yes);
    fixture.dialogs.planSaveCancelled();
    fixture.window->runCommand(CommandId::Close);
    QCOMPARE(fixture.dialogs.asked().at(fixture.dialogs.asked().size() - 2).text, QStringLiteral("save d.dat ?"));
    QCOMPARE(fixture.window->documentArea()->documents().size(), before);   // nothing saved: the window stays

    fixture.dialogs.planMessage(Answer::No);
    fixture.window->runCommand(CommandId::Close);
    QCOMPARE(fixture.window->documentArea()->documents().size(), before - 1);
}

void TestRecordWindows::aNewDataWindowStartsEditingItsFirstRecord()
{
    MainWindowFixture fixture;
    fixture.show();
    selectCopybook(fixture);
    fixture.window->runCommand(CommandId::EditDataFile);
    DocumentWindow *window = fixture.window->activeDocument();
    QVERIFY(window->isDataWindow);
    QCOMPARE(window->dataModel->rowCount(), 1);
    QCOMPARE(window->dataGrid()->currentIndex(), window->dataModel->index(0, 0));
    // The cell's editor has the focus.
    QWidget *editor = QApplication::focusWidget();
    QVERIFY(editor != nullptr);
    QCOMPARE(editor->parentWidget(), window->dataGrid()->viewport());
    QVERIFY(!window->dataModified);
    QVERIFY(!window->isWindowModified());

    // What is typed there goes into the record.
    QTest::keyClicks(editor, QStringLiteral("FIRST"));
    QTest::keyClick(editor, Qt::Key_Tab);
    QCOMPARE(window->dataModel->index(0, 0).data().toString().trimmed(), QStringLiteral("FIRST"));
    QVERIFY(window->dataModified);
    QVERIFY(window->isWindowModified());
    const QTabBar *tabs = fixture.window->documentArea()->tabBar();
    QVERIFY(tabs->tabText(tabs->currentIndex()).endsWith(QLatin1Char('*')));
}

void TestRecordWindows::openingIntoAChangedDataWindowAsksFirst()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString first = fixture.writeFile(QStringLiteral("d.dat"), ::fixture(QStringLiteral("datafix-big.dat")));
    const QString second = fixture.writeFile(QStringLiteral("e.dat"), ::fixture(QStringLiteral("datafix-big.dat")));
    DocumentWindow *window = openDataWindow(fixture, first);
    window->dataModel->setData(window->dataModel->index(0, 1), QStringLiteral("7"));
    fixture.dialogs.clear();

    // Cancel: no open dialog, the edit stays.
    fixture.dialogs.planMessage(Answer::Cancel);
    fixture.window->runCommand(CommandId::Open);
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("save d.dat ?"));
    QCOMPARE(fixture.dialogs.asked().size(), 1);
    QCOMPARE(window->dataModel->index(0, 1).data().toString(), QStringLiteral("7"));
    QVERIFY(window->dataModified);

    // No, and the open dialog cancelled: still nothing lost.
    fixture.dialogs.planMessage(Answer::No);
    fixture.dialogs.planOpenCancelled();
    fixture.window->runCommand(CommandId::Open);
    QCOMPARE(window->dataModel->index(0, 1).data().toString(), QStringLiteral("7"));
    QVERIFY(window->dataModified);

    // Yes saves first, then the other file opens.
    fixture.dialogs.planMessage(Answer::Yes);
    fixture.dialogs.planSave(first);
    fixture.dialogs.planOpen({second});
    fixture.dialogs.planOptions();   // the format, as proposed
    fixture.window->runCommand(CommandId::Open);
    QCOMPARE(window->caption(), QStringLiteral("data: e.dat"));
    QVERIFY(!window->dataModified);
    QCOMPARE(fixture.readFile(first).mid(8, 5), QByteArray("00007"));
    QVERIFY(fixture.dialogs.allAnswered());
    QVERIFY(fixture.dialogs.unexpected().isEmpty());
}

void TestRecordWindows::savingOverAnotherFileAsks()
{
    MainWindowFixture fixture;
    fixture.show();
    const QString data = fixture.writeFile(QStringLiteral("d.dat"), ::fixture(QStringLiteral("datafix-big.dat")));
    const QString other = fixture.writeFile(QStringLiteral("other.dat"), "keep");
    DocumentWindow *window = openDataWindow(fixture, data);
    fixture.dialogs.clear();

    // Its own file: no question.
    fixture.dialogs.planSave(data);
    QVERIFY(fixture.window->saveDocument(window));
    QCOMPARE(fixture.dialogs.asked().size(), 1);

    // Another file that exists: Cancel writes nothing, OK replaces it.
    fixture.dialogs.planSave(other);
    fixture.dialogs.planMessage(Answer::Cancel);
    QVERIFY(!fixture.window->saveDocument(window));
    QCOMPARE(fixture.dialogs.lastMessage(), other + QStringLiteral("\nalready exists. Replace it?"));
    QCOMPARE(fixture.readFile(other), QByteArray("keep"));
    fixture.dialogs.planSave(other);
    fixture.dialogs.planMessage(Answer::Ok);
    QVERIFY(fixture.window->saveDocument(window));
    QCOMPARE(fixture.readFile(other), ::fixture(QStringLiteral("datafix-big.dat")));

    // The layout's CSV likewise.
    selectCopybook(fixture);
    fixture.window->runCommand(CommandId::CalcOffset);
    DocumentWindow *layout = fixture.window->activeDocument();
    const QString csv = fixture.writeFile(QStringLiteral("layout.csv"), "keep");
    fixture.dialogs.planSave(fixture.path(QStringLiteral("layout")));
    fixture.dialogs.planMessage(Answer::Cancel);
    QVERIFY(!fixture.window->saveDocument(layout));
    QCOMPARE(fixture.dialogs.lastMessage(), csv + QStringLiteral("\nalready exists. Replace it?"));
    QCOMPARE(fixture.readFile(csv), QByteArray("keep"));
    QVERIFY(fixture.dialogs.allAnswered());
}

QTEST_MAIN(TestRecordWindows)
#include "tst_recordwindows.moc"
