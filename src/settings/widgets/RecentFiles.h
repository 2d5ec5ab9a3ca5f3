#pragma once

#include "common/core/Result.h"
#include "settings/core/SettingsStore.h"

#include <QObject>

class QAction;
class QMenu;

namespace norvane {

class Dialogs;
struct Settings;

// The settings file as the user meets it: read at start, written when the
// settings change, and its list of recently closed files shown as the Recent
// menu. A failed write is reported once, and nothing of the settings is lost.
class RecentFiles : public QObject {
    Q_OBJECT

public:
    // The per-user settings folder: under APPDATA when that is set, else in the
    // platform's configuration folder.
    [[nodiscard]] static QString defaultSettingsFolder();

    // Fills the menu with its entries, hidden until the list names files, and
    // a disabled "(no recent files)" shown while it names none.
    RecentFiles(Settings &settings, Dialogs &dialogs, QMenu *menu, QObject *parent = nullptr);

    // Reads the settings file from the per-user folder, else from the fallback
    // folder (creating it there), and shows its list.
    void load(const QString &settingsFolder, const QString &fallbackFolder);
    // Writes the live settings to the settings file.
    void writeSettings();
    // A source window closed: its caption goes to the top of the list.
    void add(const QString &caption);
    // A listed file turned out to be gone: its entry goes.
    void remove(const QString &path);

    [[nodiscard]] const SettingsStore &store() const { return m_store; }

signals:
    // A Recent menu entry was chosen: the file and whether it opens read-only.
    void fileChosen(const QString &path, bool readOnly);

private:
    void showList();
    void reportSave(const Result<void> &saved);

    Dialogs &m_dialogs;
    SettingsStore m_store;
    QMenu *m_menu;
    QAction *m_emptyEntry = nullptr;
};

} // namespace norvane
