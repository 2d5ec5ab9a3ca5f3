#include "app/CommandLine.h"
#include "app/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

using namespace norvane;

Q_DECLARE_METATYPE(norvane::CommandLine::Request)

// The editor's own command line: --help and --version, "--", and the files.
class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void recognisesTheInformationOptions_data();
    void recognisesTheInformationOptions();
    void filesAreMadeAbsolute_data();
    void filesAreMadeAbsolute();
    void anUnknownOptionIsRefusedByName();
    void helpNamesTheManual();
};

void TestCommandLine::recognisesTheInformationOptions_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandLine::Request>("request");

    QTest::newRow("nothing") << QStringList{} << CommandLine::Request::Run;
    QTest::newRow("files") << QStringList{QStringLiteral("PAY.cbl")} << CommandLine::Request::Run;
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << CommandLine::Request::Help;
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << CommandLine::Request::Help;
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << CommandLine::Request::Version;
    QTest::newRow("-v") << QStringList{QStringLiteral("-v")} << CommandLine::Request::Version;
    QTest::newRow("after a file") << QStringList{QStringLiteral("PAY.cbl"), QStringLiteral("--version")}
                                  << CommandLine::Request::Version;
    QTest::newRow("the first one counts") << QStringList{QStringLiteral("--version"), QStringLiteral("--help")}
                                          << CommandLine::Request::Version;
    QTest::newRow("after --: a file") << QStringList{QStringLiteral("--"), QStringLiteral("--help")}
                                      << CommandLine::Request::Run;
    QTest::newRow("a longer word") << QStringList{QStringLiteral("--helpful")} << CommandLine::Request::Run;
}

void TestCommandLine::recognisesTheInformationOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Request, request);

    std::vector<QByteArray> bytes{QByteArrayLiteral("norvane")};
    for (const QString &argument : arguments)
        bytes.push_back(argument.toLocal8Bit());
    std::vector<const char *> argv;
    for (const QByteArray &argument : bytes)
        argv.push_back(argument.constData());
    QCOMPARE(CommandLine::request(static_cast<int>(argv.size()), argv.data()), request);
}

void TestCommandLine::filesAreMadeAbsolute_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("files");

    const QString here = QDir::currentPath() + QLatin1Char('/');
    QTest::newRow("none") << QStringList{} << QStringList{};
    QTest::newRow("relative and absolute, in order")
        << QStringList{QStringLiteral("B.cbl"), QStringLiteral("/data/A.cpy")}
        << QStringList{here + QStringLiteral("B.cbl"), QStringLiteral("/data/A.cpy")};
    QTest::newRow("-- ends the options")
        << QStringList{QStringLiteral("--"), QStringLiteral("-X.cbl"), QStringLiteral("--")}
        << QStringList{here + QStringLiteral("-X.cbl"), here + QStringLiteral("--")};
    QTest::newRow("a lone hyphen is a name") << QStringList{QStringLiteral("-")} << QStringList{here + QStringLiteral("-")};
}

void TestCommandLine::filesAreMadeAbsolute()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, files);

    const Result<QStringList> opened = CommandLine::filesToOpen(arguments);
    QVERIFY(opened.ok());
    QCOMPARE(opened.value(), files);
}

void TestCommandLine::anUnknownOptionIsRefusedByName()
{
    // Otherwise "--verbose" would be taken for a file and opened as one.
    const Result<QStringList> opened = CommandLine::filesToOpen({QStringLiteral("PAY.cbl"), QStringLiteral("--verbose")});
    QVERIFY(!opened.ok());
    QVERIFY2(QString::fromStdString(opened.error()).contains(QStringLiteral("unknown option \"--verbose\"")),
             opened.error().c_str());
    QVERIFY(QString::fromStdString(opened.error()).contains(QStringLiteral("norvane --help")));
}

void TestCommandLine::helpNamesTheManual()
{
    const QTemporaryDir root;
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("share/norvane/help"))));
    QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("bin"))));
    const QString manual = root.filePath(QStringLiteral("share/norvane/help/manual.html"));

    const QString missing = CommandLine::helpText(ProgramFiles::locate(root.filePath(QStringLiteral("bin"))));
    QVERIFY(missing.startsWith(QStringLiteral("usage: norvane ")));
    QVERIFY2(missing.contains(QStringLiteral("Manual: ") + QDir::toNativeSeparators(root.filePath(QStringLiteral("bin/help/manual.html"))) + QStringLiteral(" (missing)\n")),
             qPrintable(missing));

    QFile file(manual);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString found = CommandLine::helpText(ProgramFiles::locate(root.filePath(QStringLiteral("bin"))));
    QVERIFY2(found.endsWith(QStringLiteral("Manual: ") + QDir::toNativeSeparators(manual) + QLatin1Char('\n')),
             qPrintable(found));
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
