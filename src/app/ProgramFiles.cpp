#include "app/ProgramFiles.h"

#include "app/InstallLayout.h"

#include <QDir>
#include <QFileInfo>

namespace norvane {

namespace {

const QString ReadmeName = QStringLiteral("readme.txt");
const QString ManualName = QStringLiteral("help/manual.html");

bool holdsDocuments(const QDir &folder)
{
    return QFileInfo(folder.filePath(ReadmeName)).isFile() || QFileInfo(folder.filePath(ManualName)).isFile();
}

} // namespace

ProgramFiles ProgramFiles::locate(const QString &programFolder)
{
    ProgramFiles files;
    files.m_programFolder = QDir::cleanPath(programFolder);
    files.m_documentFolder = files.m_programFolder;
    const QDir beside(files.m_programFolder);
    if (holdsDocuments(beside))
        return files;
    const QDir installed(QDir::cleanPath(beside.filePath(QString::fromUtf8(InstalledDataFromProgram))));
    if (holdsDocuments(installed)) {
        files.m_documentFolder = installed.path();
        files.m_installed = true;
    }
    return files;
}

QString ProgramFiles::readmePath() const
{
    return QDir(m_documentFolder).filePath(ReadmeName);
}

QString ProgramFiles::manualPath() const
{
    return QDir(m_documentFolder).filePath(ManualName);
}

QString ProgramFiles::settingsFallbackFolder(const QString &userSettingsFolder) const
{
    const bool besideTheProgram = !m_installed && QFileInfo(m_programFolder).isWritable();
    if (besideTheProgram || !qEnvironmentVariableIsEmpty("APPDATA") || userSettingsFolder.isEmpty())
        return m_programFolder;
    if (!QDir().mkpath(userSettingsFolder))
        return m_programFolder;
    return userSettingsFolder;
}

} // namespace norvane
