#include "app/AboutBox.h"
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/ProgramFiles.h"
#include "settings/core/Settings.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using namespace norvane;
using namespace norvane::test;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Lays out a tree of folders and files below a temporary folder: a path that
// ends in '/' is a folder, any other a file holding its own name.
void makeTree(const QTemporaryDir &root, const QStringList &paths)
{
    for (const QString &path : paths) {
        if (path.endsWith(QLatin1Char('/')))
            QDir().mkpath(root.filePath(path));
        else
            writeFile(root.filePath(path), path.toUtf8());
    }
}

// Puts APPDATA back as it was when the test ends.
class AppDataGuard {
public:
    AppDataGuard() : m_set(qEnvironmentVariableIsSet("APPDATA")), m_value(qgetenv("APPDATA")) {}
    ~AppDataGuard()
    {
        if (m_set)
            qputenv("APPDATA", m_value);
        else
            qunsetenv("APPDATA");
    }
    AppDataGuard(const AppDataGuard &) = delete;
    AppDataGuard &operator=(const AppDataGuard &) = delete;

private:
    bool m_set;
    QByteArray m_value;
};

} // namespace

// Where the program finds its readme, its manual and its settings: beside the
// executable in a build folder or a copied program folder, under
// ../share/norvane when installed.
class TestProgramFiles : public QObject {
    Q_OBJECT

private slots:
    void findsTheDocuments_data();
    void findsTheDocuments();
    void settingsStayBesideAProgramRunFromItsFolder();
    void settingsOfAnInstalledProgramGoToTheUserFolder();
    void settingsGoToTheUserFolderWhenTheProgramFolderIsReadOnly();
    void withAppDataTheUserFolderIsNeverMade();
    void anInstalledMainWindowFindsItsHelpAndKeepsItsSettingsPerUser();
};

void TestProgramFiles::findsTheDocuments_data()
{
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QString>("documents");
    QTest::addColumn<bool>("installed");

    QTest::newRow("build folder") << QStringList{QStringLiteral("bin/readme.txt"), QStringLiteral("bin/help/manual.html")}
                                  << QStringLiteral("bin") << false;
    QTest::newRow("installed") << QStringList{QStringLiteral("bin/"), QStringLiteral("share/norvane/readme.txt"),
                                              QStringLiteral("share/norvane/help/manual.html")}
                               << QStringLiteral("share/norvane") << true;
    QTest::newRow("installed, manual only")
        << QStringList{QStringLiteral("bin/"), QStringLiteral("share/norvane/help/manual.html")}
        << QStringLiteral("share/norvane") << true;
    QTest::newRow("beside the program wins")
        << QStringList{QStringLiteral("bin/readme.txt"), QStringLiteral("share/norvane/readme.txt")}
        << QStringLiteral("bin") << false;
    QTest::newRow("nowhere: named beside the program")
        << QStringList{QStringLiteral("bin/"), QStringLiteral("share/norvane/")} << QStringLiteral("bin") << false;
    QTest::newRow("a folder named readme.txt is no readme")
        << QStringList{QStringLiteral("bin/readme.txt/"), QStringLiteral("share/norvane/readme.txt")}
        << QStringLiteral("share/norvane") << true;
}

void TestProgramFiles::findsTheDocuments()
{
    QFETCH(QStringList, tree);
    QFETCH(QString, documents);
    QFETCH(bool, installed);

    const QTemporaryDir root;
    makeTree(root, tree);
    const ProgramFiles files = ProgramFiles::locate(root.filePath(QStringLiteral("bin")));
    QCOMPARE(files.documentFolder(), QDir::cleanPath(root.filePath(documents)));
    QCOMPARE(files.readmePath(), QDir::cleanPath(root.filePath(documents + QStringLiteral("/readme.txt"))));
    QCOMPARE(files.manualPath(), QDir::cleanPath(root.filePath(documents + QStringLiteral("/help/manual.html"))));
    QCOMPARE(files.isInstalled(), installed);
    QCOMPARE(files.programFolder(), QDir::cleanPath(root.filePath(QStringLiteral("bin"))));
}

void TestProgramFiles::settingsStayBesideAProgramRunFromItsFolder()
{
    const AppDataGuard guard;
    qunsetenv("APPDATA");
    const QTemporaryDir root;
    makeTree(root, {QStringLiteral("bin/readme.txt")});
    const QString user = root.filePath(QStringLiteral("config/zelkar/Norvane"));
    const ProgramFiles files = ProgramFiles::locate(root.filePath(QStringLiteral("bin")));
    QCOMPARE(files.settingsFallbackFolder(user), files.programFolder());
    QVERIFY2(!QFileInfo::exists(user), "the per-user folder is only made when it is needed");
}

void TestProgramFiles::settingsOfAnInstalledProgramGoToTheUserFolder()
{
    const AppDataGuard guard;
    qunsetenv("APPDATA");
    const QTemporaryDir root;
    // The program's folder may well be writable (root, or a prefix of the
    // user's own): an installed program still keeps its settings per user.
    makeTree(root, {QStringLiteral("bin/"), QStringLiteral("share/norvane/readme.txt")});
    const QString user = root.filePath(QStringLiteral("config/zelkar/Norvane"));
    const ProgramFiles files = ProgramFiles::locate(root.filePath(QStringLiteral("bin")));
    QVERIFY(QFileInfo(files.programFolder()).isWritable());
    QCOMPARE(files.settingsFallbackFolder(user), user);
    QVERIFY(QFileInfo(user).isDir());
}

void TestProgramFiles::settingsGoToTheUserFolderWhenTheProgramFolderIsReadOnly()
{
    const AppDataGuard guard;
    qunsetenv("APPDATA");
    const QTemporaryDir root;
    makeTree(root, {QStringLiteral("program/readme.txt")});
    const QString program = root.filePath(QStringLiteral("program"));
    QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    const auto restore = qScopeGuard([&] {
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    if (QFileInfo(program).isWritable())
        QSKIP("this user may write into read-only folders");
    const QString user = root.filePath(QStringLiteral("config/zelkar/Norvane"));
    QCOMPARE(ProgramFiles::locate(program).settingsFallbackFolder(user), user);
    QVERIFY(QFileInfo(user).isDir());
}

void TestProgramFiles::withAppDataTheUserFolderIsNeverMade()
{
    const AppDataGuard guard;
    const QTemporaryDir root;
    qputenv("APPDATA", root.filePath(QStringLiteral("appdata")).toLocal8Bit());
    makeTree(root, {QStringLiteral("bin/"), QStringLiteral("share/norvane/readme.txt")});
    const QString user = root.filePath(QStringLiteral("appdata/zelkar/Norvane"));
    const ProgramFiles files = ProgramFiles::locate(root.filePath(QStringLiteral("bin")));
    QCOMPARE(files.settingsFallbackFolder(user), files.programFolder());
    QVERIFY(!QFileInfo::exists(user));
}

void TestProgramFiles::anInstalledMainWindowFindsItsHelpAndKeepsItsSettingsPerUser()
{
    const AppDataGuard guard;
    qunsetenv("APPDATA");
    const QTemporaryDir root;
    makeTree(root, {QStringLiteral("bin/"), QStringLiteral("share/norvane/help/")});
    writeFile(root.filePath(QStringLiteral("share/norvane/readme.txt")), "Installed readme\n");
    QVERIFY(QFile::copy(QStringLiteral(NORVANE_TEST_DATA "/../../doc/manual/manual.html"),
                        root.filePath(QStringLiteral("share/norvane/help/manual.html"))));
    const QString user = root.filePath(QStringLiteral("config/zelkar/Norvane"));

    Settings settings;
    ScriptedDialogs dialogs;
    MainWindow window({settings, dialogs, root.filePath(QStringLiteral("bin")), user});
    QVERIFY2(dialogs.asked().isEmpty(), qPrintable(dialogs.lastMessage()));
    QCOMPARE(window.aboutBox()->readmeText(), QStringLiteral("Installed readme\n"));

    QVERIFY(QFileInfo(user + QStringLiteral("/Norvane.ini")).isFile());
    QVERIFY(!QFileInfo::exists(root.filePath(QStringLiteral("bin/Norvane.ini"))));
    QCOMPARE(QString::fromLocal8Bit(window.settingsStore().IniPath()),
             QDir::toNativeSeparators(user + QStringLiteral("/Norvane.ini")));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    HelpWindow *help = window.helpWindow();
    QVERIFY(help != nullptr);
    QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("line endings")));
    help->close();
}

QTEST_MAIN(TestProgramFiles)
#include "tst_programfiles.moc"
