#pragma once

#include "app/HelpWindow.h"
#include "app/ProgramFiles.h"
#include "common/core/CommandState.h"
#include "document/widgets/DocumentHost.h"
#include "document/widgets/DocumentWindow.h"
#include "settings/core/SettingsStore.h"

#include <QMainWindow>
#include <QPointer>


namespace norvane {

class AboutBox;
class CommandActions;
class DocumentArea;
class FileCommands;
class FindAllDialog;
class OptionsDialog;
class RecentFiles;
class SearchCommands;
class StatusPanel;

// The main window: the menus and the toolbar, the document area with its tab
// strip, and the status bar. It composes the concerns: each command's handler
// hands the work to the one that owns it (files, windows, search, structure,
// layouts, settings).
class MainWindow : public QMainWindow, public DocumentHost {
    Q_OBJECT

public:
    struct Environment {
        Settings &settings;
        Dialogs &dialogs;
        QString programFolder;    // the executable's folder: readme.txt, the manual and the settings are found from it
        QString settingsFolder;   // the per-user folder for the settings file, used when it exists
    };

    explicit MainWindow(const Environment &environment, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The files to open when the window is first shown (the command line).
    void setStartFiles(const QStringList &files) { m_startFiles = files; }
    // Opens the files handed over by a second start, and comes to the front.
    void activateFromOtherInstance(const QStringList &files);
    // Opens one source file into a new document window.
    void openSourceFile(const QString &name);

    [[nodiscard]] QAction *action(CommandId id) const;
    [[nodiscard]] CommandActions *commands() const { return m_commands; }
    [[nodiscard]] DocumentArea *documentArea() const { return m_area; }
    [[nodiscard]] FileCommands *fileCommands() const { return m_files; }
    [[nodiscard]] SearchCommands *searchCommands() const { return m_search; }
    [[nodiscard]] FindAllDialog *findAllDialog() const { return m_findAllDialog; }
    [[nodiscard]] QString statusPanel(int panel) const;
    [[nodiscard]] AboutBox *aboutBox() const { return m_aboutBox; }
    [[nodiscard]] HelpWindow *helpWindow() const { return m_help; }
    [[nodiscard]] OptionsDialog *optionsDialog() const { return m_options; }
    [[nodiscard]] const SettingsStore &settingsStore() const;

    // DocumentHost
    Settings &settings() override { return m_settings; }
    Dialogs &dialogs() override { return m_dialogs; }
    void saveSettings() override;
    [[nodiscard]] QString dataFormatsPath() const override;
    void applyCommandStates(const CommandStates &states) override;
    bool isCommandEnabled(CommandId id) const override;
    void runCommand(CommandId id) override;
    void setStatusPanel(int panel, const QString &text) override;
    void showProgress(const QString &text) override;
    void setCurrentDocument(DocumentWindow *child) override { m_currentDocument = child; }
    void setDataDocument(DocumentWindow *child) override { m_dataDocument = child; }
    DocumentWindow *activeDocument() const override;
    void bringToFront(DocumentWindow *child) override;
    void renameTab(const QString &caption) override;
    void selectTabFor(const QString &caption) override;
    DocumentWindow *showSourceFile(const QString &path) override;
    bool saveDocument(DocumentWindow *child) override;
    void addRecent(const QString &caption) override;
    void documentClosing(DocumentWindow *child) override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void bindCommands();
    void createStatusBar();
    void fitStatusPanels();
    void keepFrontMark();
    void openStartFiles();
    // The active document, taken as the one the command works on, its key
    // flag cleared (the key-up of a command's shortcut never reaches it).
    DocumentWindow *takeDocumentForCommand();
    // The same, for commands that act only on a source window.
    DocumentWindow *takeSourceForCommand();
    void transformSelectedLines(BlockEdit edit);
    void showHelp();
    void showOptions();
    void chooseFont();

    Settings &m_settings;
    Dialogs &m_dialogs;
    ProgramFiles m_programFiles;   // readme.txt, the manual, and where the settings go

    CommandActions *m_commands = nullptr;
    DocumentArea *m_area = nullptr;
    RecentFiles *m_recent = nullptr;
    FileCommands *m_files = nullptr;
    StatusPanel *m_panels[2] = {nullptr, nullptr};
    bool m_shown = false;
    QStringList m_startFiles;

    AboutBox *m_aboutBox = nullptr;
    OptionsDialog *m_options = nullptr;
    FindAllDialog *m_findAllDialog = nullptr;
    SearchCommands *m_search = nullptr;   // the Find and Replace dialogs
    QPointer<HelpWindow> m_help;
    QPointer<DocumentWindow> m_currentDocument;   // the document the running command works on
    QPointer<DocumentWindow> m_dataDocument;      // the layout or data window activated last
};

} // namespace norvane
