#include "app/CommandLine.h"
#include "app/InstallLayout.h"
#include "app/OneInstance.h"
#include "app/MainWindow.h"
#include "common/core/Version.h"
#include "common/widgets/QtDialogs.h"
#include "settings/core/Settings.h"
#include "settings/widgets/RecentFiles.h"

#include <QApplication>

#include <cstdio>

using namespace norvane;

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = CommandLine::answerWithoutWindow(argc, argv))
        return *answered;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Norvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Norvane"));
    QApplication::setApplicationVersion(QStringLiteral(NORVANE_VERSION));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(DesktopEntryName));

    const Result<QStringList> arguments = CommandLine::filesToOpen(QApplication::arguments().mid(1));
    if (!arguments) {
        std::fputs(arguments.error().c_str(), stderr);
        return 2;
    }
    const QStringList &files = arguments.value();

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
