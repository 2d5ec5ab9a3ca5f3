#include "support/MainWindowFixture.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace norvane::test {

MainWindowFixture::MainWindowFixture(bool withReadme)
{
    if (withReadme) {
        QFile readme(programFolder.filePath(QStringLiteral("readme.txt")));
        if (readme.open(QIODevice::WriteOnly))
            readme.write("Norvane test readme\n");
        QDir(programFolder.path()).mkdir(QStringLiteral("help"));
        QFile::copy(QStringLiteral(NORVANE_TEST_DATA "/../../doc/manual/manual.html"),
                    programFolder.filePath(QStringLiteral("help/manual.html")));
    }
    window = std::make_unique<MainWindow>(MainWindow::Environment{
        settings, dialogs, programFolder.path(), folder.filePath(QStringLiteral("appdata/zelkar/Norvane"))});
    window->resize(1000, 700);
}

MainWindowFixture::~MainWindowFixture() = default;

QString MainWindowFixture::path(const QString &name) const
{
    return folder.filePath(name);
}

QString MainWindowFixture::writeFile(const QString &name, const QByteArray &bytes) const
{
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return QDir::toNativeSeparators(QDir::cleanPath(path(name)));
}

QByteArray MainWindowFixture::readFile(const QString &filePath) const
{
    QFile file(filePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void MainWindowFixture::show()
{
    window->show();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

} // namespace norvane::test
