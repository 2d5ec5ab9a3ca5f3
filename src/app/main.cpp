#include "app/OneInstance.h"
#include "app/MainWindow.h"
#include "common/widgets/QtDialogs.h"
#include "settings/core/Settings.h"
#include "settings/widgets/RecentFiles.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

using namespace norvane;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Norvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Norvane"));
    QApplication::setApplicationVersion(QStringLiteral(NORVANE_VERSION));

    // Command-line files are named absolutely, since a running instance has another working folder.
    QStringList files;
    for (const QString &argument : QApplication::arguments().mid(1))
        files.append(QFileInfo(argument).absoluteFilePath());

    OneInstance instance(OneInstance::nameForThisProgram());
    if (instance.handOver(files, 1000))
        return 0;
    instance.listen();

    Settings settings;
    QtDialogs dialogs(nullptr);
    MainWindow mainWindow(
        {settings, dialogs, QApplication::applicationDirPath(), RecentFiles::defaultSettingsFolder()});
    dialogs.setParentWidget(&mainWindow);
    QObject::connect(&instance, &OneInstance::activationRequested, &mainWindow,
                     &MainWindow::activateFromOtherInstance);
    mainWindow.setStartFiles(files);
    mainWindow.showMaximized();
    return QApplication::exec();
}
