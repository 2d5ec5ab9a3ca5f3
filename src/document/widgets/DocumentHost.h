#pragma once

#include "common/core/CommandState.h"

#include <QString>

namespace norvane {

class Dialogs;
class DocumentWindow;
struct Settings;

// What a document window needs from the main window that holds it: the
// settings, the dialogs, the command states and status panels it sets, and the
// main window's commands that its popup menus and close question run.
class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    [[nodiscard]] virtual Settings &settings() = 0;
    [[nodiscard]] virtual Dialogs &dialogs() = 0;
    // The file beside the settings file that remembers each data file's format.
    [[nodiscard]] virtual QString dataFormatsPath() const = 0;
    // Writes the live settings to the settings file.
    virtual void saveSettings() = 0;

    virtual void applyCommandStates(const CommandStates &states) = 0;
    [[nodiscard]] virtual bool isCommandEnabled(CommandId id) const = 0;
    // Runs the command as its menu item would, whatever its state: a popup item
    // takes the state of its command when the popup opens.
    virtual void runCommand(CommandId id) = 0;
    virtual void setStatusPanel(int panel, const QString &text) = 0;
    // A progress text in the status bar, painted at once, before a long operation takes over.
    virtual void showProgress(const QString &text) = 0;

    // The document window the running command works on.
    virtual void setCurrentDocument(DocumentWindow *child) = 0;
    // The layout or data window most recently activated.
    virtual void setDataDocument(DocumentWindow *child) = 0;
    [[nodiscard]] virtual DocumentWindow *activeDocument() const = 0;
    // Brings the window to the front and makes it the active one.
    virtual void bringToFront(DocumentWindow *child) = 0;
    // Gives the selected tab the caption.
    virtual void renameTab(const QString &caption) = 0;
    // Selects the tab that stands for the caption.
    virtual void selectTabFor(const QString &caption) = 0;

    // The document showing the source file, brought to the front, or the file
    // opened into a new one; none when it could not be opened (the user was told).
    virtual DocumentWindow *showSourceFile(const QString &path) = 0;

    // The Save command on the window; false when nothing was saved.
    virtual bool saveDocument(DocumentWindow *child) = 0;
    // Puts a closed source window's caption on the recent-files list.
    virtual void addRecent(const QString &caption) = 0;
    // The window is closing for good: its tab goes, references to it are dropped.
    virtual void documentClosing(DocumentWindow *child) = 0;
};

} // namespace norvane
