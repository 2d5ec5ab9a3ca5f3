#include "document/widgets/SourceEditor.h"
#include "layout/core/DataFile.h"
#include "layout/widgets/DataGridModel.h"
#include "layout/widgets/RecordPanel.h"
#include "support/MainWindowFixture.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

using namespace norvane;
using namespace norvane::test;

namespace {

QByteArray fixture(const QString &path)
{
    QFile file(QStringLiteral(NORVANE_TEST_DATA "/layout/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The options form's lists, in order.
enum FormatList { Encoding, Signs, Records, Order, NativeOrder, Floats };

} // namespace

// Data files of every format through the data window: the format proposed,
// chosen and remembered, shown in the status bar; the record's fields and
// bytes; the next invalid cell; a file that does not fit and the offer to open
// it the way its bytes suggest.
class TestDataFormats : public QObject {
    Q_OBJECT

private slots:
    void anEbcdicFileIsRecognizedShownAndRemembered();
    void theRecordIsShownAsFieldsAndAsMarkedBytes();
    void nextInvalidCellGoesToBytesThatAreNoValue();
    void aFileThatDoesNotFitIsExplainedAndOpenedAsItsBytesSuggest();

private:
    static DocumentWindow *dataWindow(MainWindowFixture &fixture, const QString &copybook)
    {
        static int made = 0;
        fixture.window->openSourceFile(
            fixture.writeFile(QStringLiteral("copy%1.cpy").arg(++made), ::fixture(copybook)));
        DocumentWindow *source = fixture.window->activeDocument();
        source->editor()->setFocus();
        source->editor()->selectAllText();
        fixture.window->runCommand(CommandId::EditDataFile);
        return fixture.window->activeDocument();
    }
};

void TestDataFormats::anEbcdicFileIsRecognizedShownAndRemembered()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *window = dataWindow(fixture, QStringLiteral("formats/FORMATS.cpy"));
    const QString data = fixture.writeFile(QStringLiteral("accounts.dat"), ::fixture(QStringLiteral("formats/formats-037.dat")));
    fixture.dialogs.planOpen({data});
    fixture.dialogs.planOptions();
    fixture.window->runCommand(CommandId::Open);
    QVERIFY2(fixture.dialogs.unexpected().isEmpty(), qPrintable(fixture.dialogs.unexpected().join(QLatin1Char('\n'))));
    const QList<Dialogs::OptionList> proposed = fixture.dialogs.lastOptions();
    QCOMPARE(proposed.size(), 6);
    QCOMPARE(proposed[Encoding].items[proposed[Encoding].current], QStringLiteral("EBCDIC IBM037"));
    QCOMPARE(proposed[Signs].current, 2);
    QCOMPARE(proposed[Records].current, 0);

    DataGridModel *model = window->dataModel;
    QCOMPARE(model->rowCount(), 6);
    QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral("Plus & co.  "));
    QCOMPARE(model->index(1, 2).data().toString(), QStringLiteral("+0000194.00"));
    QCOMPARE(model->index(2, 3).data().toString(), QStringLiteral("-009"));
    QCOMPARE(fixture.window->statusPanel(0), QStringLiteral("6 records, EBCDIC IBM037, EBCDIC signs, fixed, big-endian"));

    // An edit is written back in EBCDIC, its sign in the zone.
    model->setData(model->index(0, 3), QStringLiteral("-12"));
    const QString saved = fixture.path(QStringLiteral("saved.dat"));
    fixture.dialogs.planSave(saved);
    QVERIFY(fixture.window->saveDocument(window));
    QByteArray expected = ::fixture(QStringLiteral("formats/formats-037.dat"));
    expected.replace(27, 3, "\xD0\xF1\xF2"); // SIGN LEADING: the sign in the first digit's zone
    QCOMPARE(fixture.readFile(saved), expected);

    // Opened again, the file's format is proposed as it was chosen, not guessed.
    fixture.dialogs.planOpen({data});
    QList<int> overpunch;
    for (const Dialogs::OptionList &list : proposed)
        overpunch.append(list.current);
    overpunch[Signs] = 1;
    fixture.dialogs.planOptions(overpunch);
    fixture.window->runCommand(CommandId::Open);
    QCOMPARE(fixture.window->statusPanel(0),
             QStringLiteral("6 records, EBCDIC IBM037, overpunch signs, fixed, big-endian"));
    fixture.dialogs.planOpen({data});
    fixture.dialogs.planOptionsCancelled();
    fixture.window->runCommand(CommandId::Open);
    QCOMPARE(fixture.dialogs.lastOptions()[Signs].current, 1);
    QCOMPARE(model->rowCount(), 6); // a cancelled choice keeps the file open
}

void TestDataFormats::theRecordIsShownAsFieldsAndAsMarkedBytes()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *window = dataWindow(fixture, QStringLiteral("formats/FORMATS.cpy"));
    fixture.dialogs.planOpen({fixture.writeFile(QStringLiteral("f.dat"), ::fixture(QStringLiteral("formats/formats-037.dat")))});
    fixture.dialogs.planOptions();
    fixture.window->runCommand(CommandId::Open);
    QVERIFY(fixture.window->action(CommandId::RecordFields)->isEnabled());
    QVERIFY(fixture.window->action(CommandId::NextInvalidCell)->isEnabled());
    QVERIFY(window->recordPanel->isHidden());

    window->dataGrid()->setCurrentIndex(window->dataModel->index(2, 2));
    fixture.window->runCommand(CommandId::RecordFields);
    QVERIFY(!window->recordPanel->isHidden());
    const QTableWidget *fields = window->recordPanel->fieldList();
    QCOMPARE(fields->rowCount(), 6);
    QCOMPARE(fields->item(2, 0)->text(), QStringLiteral("F-AMOUNT"));
    QCOMPARE(fields->item(2, 1)->text(), QStringLiteral("S9(7)V99"));
    QCOMPARE(fields->item(2, 3)->text(), QStringLiteral("19"));
    QCOMPARE(fields->item(2, 4)->text(), QStringLiteral("9"));
    QCOMPARE(fields->item(2, 5)->text(), QStringLiteral("-1234567.89"));
    QCOMPARE(fields->currentRow(), 2);

    fixture.window->runCommand(CommandId::RecordBytes);
    const QPlainTextEdit *bytes = window->recordPanel->byteView();
    QVERIFY(!bytes->isHidden());
    QVERIFY2(bytes->toPlainText().startsWith(QStringLiteral("0001  F0 F0 F0 F0 F0 F3 94 89 95 A4 A2 40")),
             qPrintable(bytes->toPlainText()));
    QVERIFY(bytes->toPlainText().contains(QStringLiteral("000003minus")));
    QCOMPARE(bytes->extraSelections().size(), 2 * 44);
    // Moving to another record shows it.
    window->dataGrid()->setCurrentIndex(window->dataModel->index(3, 1));
    QCOMPARE(fields->item(1, 5)->text(), QStringLiteral("{braces}[]  "));
    QCOMPARE(fields->currentRow(), 1);

    fixture.window->runCommand(CommandId::RecordFields);
    fixture.window->runCommand(CommandId::RecordBytes);
    QVERIFY(window->recordPanel->isHidden());
}

void TestDataFormats::nextInvalidCellGoesToBytesThatAreNoValue()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *window = dataWindow(fixture, QStringLiteral("roundtrip/ROUNDFIX.cpy"));
    fixture.dialogs.planOpen({fixture.writeFile(QStringLiteral("r.dat"), ::fixture(QStringLiteral("roundtrip/roundfix.dat")))});
    fixture.dialogs.planOptions();
    fixture.window->runCommand(CommandId::Open);
    QCOMPARE(window->dataModel->rowCount(), 4);
    window->dataGrid()->setFocus();
    QTest::keyClick(window->dataGrid(), Qt::Key_F6);
    const QModelIndex first = window->dataGrid()->currentIndex();
    QVERIFY(window->dataModel->file().isFlagged(static_cast<std::size_t>(first.row()), static_cast<std::size_t>(first.column())));
    QCOMPARE(first.row(), 3);
    fixture.window->runCommand(CommandId::NextInvalidCell);
    const QModelIndex second = window->dataGrid()->currentIndex();
    QVERIFY(second != first);
    QVERIFY(window->dataModel->file().isFlagged(static_cast<std::size_t>(second.row()), static_cast<std::size_t>(second.column())));

    // A file without such cells says so.
    DocumentWindow *clean = dataWindow(fixture, QStringLiteral("formats/FORMATS.cpy"));
    fixture.dialogs.planOpen({fixture.writeFile(QStringLiteral("c.dat"), ::fixture(QStringLiteral("formats/formats-mf.dat")))});
    fixture.dialogs.planOptions();
    fixture.window->runCommand(CommandId::Open);
    QCOMPARE(clean->dataModel->rowCount(), 6);
    fixture.window->runCommand(CommandId::NextInvalidCell);
    QCOMPARE(fixture.dialogs.lastMessage(), QStringLiteral("No cell holds bytes that are not a value of its field"));
}

void TestDataFormats::aFileThatDoesNotFitIsExplainedAndOpenedAsItsBytesSuggest()
{
    MainWindowFixture fixture;
    fixture.show();
    DocumentWindow *window = dataWindow(fixture, QStringLiteral("formats/FORMATS.cpy"));
    const QString lines = fixture.writeFile(QStringLiteral("lines.txt"), ::fixture(QStringLiteral("formats/formats-mf.txt")));
    fixture.dialogs.planOpen({lines});
    fixture.dialogs.planOptions({0, 0, 0, 0, 0, 0}); // ASCII, fixed records: what the file is not
    fixture.dialogs.planMessage(Dialogs::Answer::Ok);
    fixture.window->runCommand(CommandId::Open);
    QVERIFY(fixture.dialogs.lastMessage().startsWith(
        QStringLiteral("This file's length is not a multiple of the record length: the file has 259 bytes, a record 44, "
                       "and 39 bytes are left over after 5 records. Its lines are no longer than a record: it looks like "
                       "a line-sequential file.\n\nOpen it as ASCII, MF signs, line sequential, big-endian?")));
    QCOMPARE(window->dataModel->rowCount(), 6);
    QCOMPARE(window->dataModel->index(5, 5).data().toString(), QStringLiteral("    "));

    // Declined, nothing is opened.
    DocumentWindow *other = dataWindow(fixture, QStringLiteral("formats/FORMATS.cpy"));
    fixture.dialogs.planOpen({lines});
    fixture.dialogs.planOptions({0, 0, 0, 0, 0, 0});
    fixture.dialogs.planMessage(Dialogs::Answer::Cancel);
    fixture.window->runCommand(CommandId::Open);
    QCOMPARE(other->dataModel->rowCount(), 1);   // the new window's one empty record
}

QTEST_MAIN(TestDataFormats)
#include "tst_dataformats.moc"
