#pragma once

#include "app/CommandActions.h"
#include "app/MainWindow.h"
#include "document/widgets/DocumentArea.h"
#include "document/widgets/DocumentMenus.h"
#include "document/widgets/FileCommands.h"
#include "settings/core/Settings.h"
#include "support/ScriptedDialogs.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <memory>

namespace norvane::test {

// A main window with scripted dialogs, fresh settings and a temporary folder
// for the files a test writes. The program folder holds readme.txt and the
// manual unless asked otherwise.
struct MainWindowFixture {
    explicit MainWindowFixture(bool withReadme = true);
    ~MainWindowFixture();

    // Writes a file into the temporary folder; returns its path.
    QString writeFile(const QString &name, const QByteArray &bytes) const;
    [[nodiscard]] QByteArray readFile(const QString &path) const;
    [[nodiscard]] QString path(const QString &name) const;
    // Shows the window and lets its start-up run.
    void show();

    QTemporaryDir folder;
    QTemporaryDir programFolder;
    Settings settings;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
};

} // namespace norvane::test
