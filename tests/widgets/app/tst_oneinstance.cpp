#include "app/OneInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

using norvane::OneInstance;

// A second start on the same desktop finds the first, hands over its files
// and ends; another desktop, another test run or another user never gets them.
class TestOneInstance : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aSecondStartHandsItsFilesToTheFirst();
    void withoutARunningInstanceNothingIsHandedOver();
    void aSocketLeftByACrashDoesNotBlockTheName();
    void aNameInUseIsNotTakenOver();
    void theNameLivesInTheRuntimeFolder();
    void eachDesktopHasItsOwnInstance_data();
    void eachDesktopHasItsOwnInstance();
    void withoutARuntimeFolderAPrivateOneUnderTheTemporaryFolder();
    void aFolderOthersCanReachIsNeverUsed();

private:
    QString uniqueName() const
    {
        return OneInstance::serverName(m_runtime->path(), QStringLiteral("norvane"), QStringLiteral("tester"),
                                       QString::number(++m_count));
    }
    static int mode(const QString &path)
    {
        struct stat info {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
    }

    std::unique_ptr<QTemporaryDir> m_runtime;   // made with mode 0700
    std::unique_ptr<QTemporaryDir> m_temp;
    QByteArray m_saved[4];
    mutable int m_count = 0;
};

namespace {

const char *const Variables[] = {"XDG_RUNTIME_DIR", "TMPDIR", "DISPLAY", "WAYLAND_DISPLAY"};

} // namespace

void TestOneInstance::init()
{
    for (std::size_t i = 0; i < std::size(Variables); ++i)
        m_saved[i] = qgetenv(Variables[i]);
    m_runtime = std::make_unique<QTemporaryDir>();
    m_temp = std::make_unique<QTemporaryDir>();
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime->path()));
    qputenv("DISPLAY", ":91");
    qunsetenv("WAYLAND_DISPLAY");
}

void TestOneInstance::cleanup()
{
    for (std::size_t i = 0; i < std::size(Variables); ++i) {
        if (m_saved[i].isNull())
            qunsetenv(Variables[i]);
        else
            qputenv(Variables[i], m_saved[i]);
    }
    m_runtime.reset();
    m_temp.reset();
}

void TestOneInstance::aSecondStartHandsItsFilesToTheFirst()
{
    const QString name = OneInstance::nameForThisProgram();
    OneInstance first(name);
    QVERIFY(first.listen());
    QSignalSpy requests(&first, &OneInstance::activationRequested);

    const QStringList files{QStringLiteral("/src/PAY.CBL"), QStringLiteral("/src/mit Umlaut \u00e4.cob")};
    OneInstance second(OneInstance::nameForThisProgram());
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

void TestOneInstance::aSocketLeftByACrashDoesNotBlockTheName()
{
    const QString name = uniqueName();
    // A socket bound and closed without being removed, as a killed instance leaves it.
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    QVERIFY(stale >= 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(name);
    QVERIFY(std::size_t(path.size()) < sizeof(address.sun_path));
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    QCOMPARE(::bind(stale, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
    ::close(stale);
    QVERIFY(QFileInfo::exists(name));

    OneInstance next(name);
    QVERIFY(next.listen());
    QSignalSpy requests(&next, &OneInstance::activationRequested);
    OneInstance later(name);
    QVERIFY(later.handOver({QStringLiteral("/a.cbl")}));
    QTRY_COMPARE(requests.count(), 1);
}

void TestOneInstance::aNameInUseIsNotTakenOver()
{
    const QString name = uniqueName();
    OneInstance first(name);
    QVERIFY(first.listen());
    QSignalSpy requests(&first, &OneInstance::activationRequested);
    OneInstance rival(name);
    QVERIFY(!rival.listen());
    OneInstance later(name);
    QVERIFY(later.handOver({QStringLiteral("/b.cbl")}));
    QTRY_COMPARE(requests.count(), 1);
}

void TestOneInstance::theNameLivesInTheRuntimeFolder()
{
    const QString name = OneInstance::nameForThisProgram();
    QCOMPARE(QFileInfo(name).absolutePath(), QFileInfo(m_runtime->path()).absoluteFilePath());
    const QString file = QFileInfo(name).fileName();
    QVERIFY2(file.contains(QFileInfo(QCoreApplication::applicationFilePath()).fileName()), qPrintable(file));
    QVERIFY2(file.contains(qEnvironmentVariable("USER", QString::number(::getuid()))), qPrintable(file));
    QVERIFY2(file.contains(QStringLiteral("91")), qPrintable(file));
}

void TestOneInstance::eachDesktopHasItsOwnInstance_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<bool>("same");
    QTest::newRow("two X displays") << QByteArray(":91") << QByteArray(":92") << false;
    QTest::newRow("two screens of one display") << QByteArray(":91.0") << QByteArray(":91.1") << true;
    QTest::newRow("a remote display") << QByteArray("remote:91") << QByteArray(":91") << false;
}

void TestOneInstance::eachDesktopHasItsOwnInstance()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(bool, same);
    qputenv("DISPLAY", first);
    OneInstance running(OneInstance::nameForThisProgram());
    QVERIFY(running.listen());
    QSignalSpy requests(&running, &OneInstance::activationRequested);
    qputenv("DISPLAY", second);
    OneInstance starting(OneInstance::nameForThisProgram());
    QCOMPARE(starting.handOver({QStringLiteral("/c.cbl")}, 300), same);
    if (same)
        QTRY_COMPARE(requests.count(), 1);
    QCOMPARE(requests.count(), same ? 1 : 0);
}

void TestOneInstance::withoutARuntimeFolderAPrivateOneUnderTheTemporaryFolder()
{
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(m_temp->path()));
    const QString name = OneInstance::nameForThisProgram();
    QVERIFY(!name.isEmpty());
    const QString folder = QFileInfo(name).absolutePath();
    QCOMPARE(QFileInfo(folder).absolutePath(), QFileInfo(m_temp->path()).absoluteFilePath());
    QCOMPARE(mode(folder), 0700);
    OneInstance first(name);
    QVERIFY(first.listen());
    QSignalSpy requests(&first, &OneInstance::activationRequested);
    OneInstance second(OneInstance::nameForThisProgram());
    QVERIFY(second.handOver({QStringLiteral("/d.cbl")}));
    QTRY_COMPARE(requests.count(), 1);
}

// A runtime folder that others can reach is passed over; when the private
// folder under the temporary folder is no better, the program runs on its own.
void TestOneInstance::aFolderOthersCanReachIsNeverUsed()
{
    QVERIFY(QFile::setPermissions(m_runtime->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                         QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                         QFileDevice::WriteOther | QFileDevice::ExeOther));
    qputenv("TMPDIR", QFile::encodeName(m_temp->path()));
    const QString name = OneInstance::nameForThisProgram();
    QVERIFY2(!name.startsWith(m_runtime->path()), qPrintable(name));

    const QString fallback = QFileInfo(name).absolutePath();
    QVERIFY(QFile::setPermissions(fallback, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                                QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                                QFileDevice::ExeGroup));
    const QString none = OneInstance::nameForThisProgram();
    QVERIFY2(none.isEmpty(), qPrintable(none));
    OneInstance alone(none);
    QVERIFY(!alone.listen());
    QVERIFY(!alone.handOver({QStringLiteral("/e.cbl")}, 100));
}

QTEST_MAIN(TestOneInstance)
#include "tst_oneinstance.moc"
