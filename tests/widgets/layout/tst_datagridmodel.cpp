// The data grid's model over a file GnuCOBOL wrote: cells whose bytes are no
// value of their picture are marked, and untouched cells save as they were.

#include "common/core/FileIO.h"
#include "document/core/SourceText.h"
#include "layout/core/DataFile.h"
#include "layout/widgets/DataGridModel.h"

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QTemporaryDir>
#include <QTest>

using namespace norvane;

class TestDataGridModel : public QObject {
    Q_OBJECT

private slots:
    void flaggedCellsAreMarkedAndSavedAsTheyWere();
};

void TestDataGridModel::flaggedCellsAreMarkedAndSavedAsTheyWere()
{
    const std::string folder = NORVANE_TEST_DATA "/layout/roundtrip/";
    const Result<LayoutTable> table =
        CalcRecordLayout(splitSourceLines(readFileBytes(folder + "ROUNDFIX.cpy").value()), LayoutMode::Data);
    QVERIFY(table);
    Result<std::vector<DataColumn>> columns = BuildDataHeaders(table.value());
    QVERIFY(columns);
    const auto recordLength = static_cast<std::size_t>(table.value().RecData.RecordLength);
    Result<DataFile> file = DataFile::open(folder + "roundfix.dat", columns.value(), recordLength, ByteOrder::BigEndian);
    QVERIFY(file);
    DataGridModel model(std::move(file).value());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    // Record 4's R-ODD holds "1A2": shown as it stands, and marked.
    const QModelIndex odd = model.index(3, 19);
    QCOMPARE(odd.data().toString(), QStringLiteral("1A2"));
    QVERIFY(odd.data(Qt::BackgroundRole).value<QBrush>().style() != Qt::NoBrush);
    QVERIFY(!odd.data(Qt::ToolTipRole).toString().isEmpty());
    QVERIFY(!model.index(2, 19).data(Qt::BackgroundRole).isValid());

    // Editing another cell of the record leaves the marked cell's bytes alone;
    // an edited cell is no longer marked.
    QVERIFY(model.setData(model.index(3, 0), QStringLiteral("EDITED")));
    QVERIFY(model.setData(model.index(3, 16), QStringLiteral("4")));
    QVERIFY(!model.index(3, 16).data(Qt::BackgroundRole).isValid());
    QTemporaryDir temporary;
    const std::string saved = temporary.filePath(QStringLiteral("saved.dat")).toStdString();
    QVERIFY(model.file().save(saved, ByteOrder::BigEndian));
    std::string expected = readFileBytes(folder + "roundfix.dat").value();
    const std::size_t fourth = 3 * recordLength;
    expected.replace(fourth, 6, "EDITED");
    expected.replace(fourth + 91, 2, std::string("\x00\x04", 2));
    QCOMPARE(readFileBytes(saved).value(), expected);
}

QTEST_MAIN(TestDataGridModel)
#include "tst_datagridmodel.moc"
