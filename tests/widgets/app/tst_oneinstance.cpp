#include "app/OneInstance.h"

#include <QSignalSpy>
#include <QTest>
#include <QUuid>

using norvane::OneInstance;

// A second start finds the first, hands over its files and ends.
class TestOneInstance : public QObject {
    Q_OBJECT

private slots:
    void aSecondStartHandsItsFilesToTheFirst();
    void withoutARunningInstanceNothingIsHandedOver();
    void aServerLeftByACrashDoesNotBlockTheName();

private:
    static QString uniqueName() { return QStringLiteral("norvane-test-") + QUuid::createUuid().toString(QUuid::Id128); }
};

void TestOneInstance::aSecondStartHandsItsFilesToTheFirst()
{
    const QString name = uniqueName();
    OneInstance first(name);
    QVERIFY(first.listen());
    QSignalSpy requests(&first, &OneInstance::activationRequested);

    const QStringList files{QStringLiteral("/src/PAY.CBL"), QStringLiteral("/src/mit Umlaut \u00e4.cob")};
    OneInstance second(name);
    QVERIFY(second.handOver(files));
    QTRY_COMPARE(requests.count(), 1);
    QCOMPARE(requests.at(0).at(0).toStringList(), files);

    // A start without files only brings the first to the front.
    OneInstance third(name);
    QVERIFY(third.handOver({}));
    QTRY_COMPARE(requests.count(), 2);
    QVERIFY(requests.at(1).at(0).toStringList().isEmpty());
}

void TestOneInstance::withoutARunningInstanceNothingIsHandedOver()
{
    OneInstance lonely(uniqueName());
    QVERIFY(!lonely.handOver({QStringLiteral("/x.cbl")}, 200));
}

void TestOneInstance::aServerLeftByACrashDoesNotBlockTheName()
{
    const QString name = uniqueName();
    {
        OneInstance crashed(name);
        QVERIFY(crashed.listen());
    }
    OneInstance next(name);
    QVERIFY(next.listen());
    QSignalSpy requests(&next, &OneInstance::activationRequested);
    OneInstance later(name);
    QVERIFY(later.handOver({QStringLiteral("/a.cbl")}));
    QTRY_COMPARE(requests.count(), 1);
}

QTEST_MAIN(TestOneInstance)
#include "tst_oneinstance.moc"
