#pragma once

#include "common/core/CommandState.h"
#include "common/core/PathName.h"
#include "common/core/TabBook.h"
#include "document/widgets/DocumentHost.h"
#include "app/HelpWindow.h"
#include "document/widgets/DocumentWindow.h"
#include "settings/core/SettingsStore.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <memory>

class QLabel;
class QMdiArea;
class QPlainTextEdit;
class QMdiSubWindow;
class QMenu;
class QTabBar;
class QToolBar;

namespace norvane {

class SearchCommands;
class SourceEditor;
class AboutBox;
class CommandActions;
class FindAllDialog;
class OptionsDialog;

// The main window: menus, toolbar, tab strip, the document area and the status
// bar. Its handlers keep the names of the commands they serve and hand the work
// to the document windows and the concerns that own it.
class MainWindow : public QMainWindow, public DocumentHost {
    Q_OBJECT

public:
    struct Environment {
        Settings &settings;
        Dialogs &dialogs;
        QString programFolder;    // where readme.txt and the manual are, and the settings file by default
        QString settingsFolder;   // the per-user folder for the settings file, used when it exists
    };

    // The per-user settings folder: under APPDATA when that is set, else in the
    // platform's configuration folder.
    [[nodiscard]] static QString defaultSettingsFolder();

    explicit MainWindow(const Environment &environment, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The files to open when the window is first shown (the command line).
    void setStartFiles(const QStringList &files) { m_startFiles = files; }
    // Opens the files handed over by a second start, and comes to the front.
    void activateFromOtherInstance(const QStringList &files);

    [[nodiscard]] QAction *action(CommandId id) const;
    [[nodiscard]] QList<DocumentWindow *> documents() const;
    [[nodiscard]] QTabBar *tabBar() const { return m_tabBar; }
    [[nodiscard]] QMdiArea *mdiArea() const { return m_mdiArea; }
    [[nodiscard]] QToolBar *toolBar() const;
    [[nodiscard]] QString statusPanel(int panel) const;
    [[nodiscard]] const TabBook &tabs() const { return m_tabs; }
    [[nodiscard]] QMenu *windowMenu() const;
    [[nodiscard]] QMenu *tabMenu() const { return m_tabMenu; }
    [[nodiscard]] QMenu *toolbarMenu() const;
    [[nodiscard]] AboutBox *aboutBox() const { return m_aboutBox; }
    [[nodiscard]] HelpWindow *helpWindow() const { return m_help; }
    [[nodiscard]] OptionsDialog *optionsDialog() const { return m_options; }
    [[nodiscard]] QMenu *recentMenu() const { return m_recentMenu; }
    [[nodiscard]] const SettingsStore &settingsStore() const { return m_store; }

    bool openReadOnly = false;   // the next source file opens read-only

    // DocumentHost
    Settings &settings() override { return m_settings; }
    Dialogs &dialogs() override { return m_dialogs; }
    void saveSettings() override { writeSettings(); }
    bool &keyUpDone() override { return m_keyUpDone; }
    void applyCommandStates(const CommandStates &states) override;
    bool isCommandEnabled(CommandId id) const override;
    void runCommand(CommandId id) override;
    void setStatusPanel(int panel, const QString &text) override;
    void setCurrentDocument(DocumentWindow *child) override { m_currentDocument = child; }
    void setDataDocument(DocumentWindow *child) override { m_dataDocument = child; }
    DocumentWindow *activeDocument() const override;
    void bringToFront(DocumentWindow *child) override;
    void selectTabFor(const QString &caption) override;
    void renameTab(const QString &caption) override;
    bool saveDocument(DocumentWindow *child) override;
    void addRecent(const QString &caption) override;
    void documentClosing(DocumentWindow *child) override;

    // File commands
    void openFiles();
    void newDocument();
    void closeDocument();
    void setReadOnlyMode();
    void setUpdateMode();
    void save();
    void saveAs();
    void saveAll();
    void exit();
    void print();
    void printSetup();
    // Opens one source file into a new document window.
    void openSourceFile(const QString &name);

    // Edit commands
    void undo();
    void cut();
    void copy();
    void paste();
    void selectAll();

    // Window, toolbar and help commands
    void cascadeWindows();
    void tileWindows();
    void minimizeAllWindows();
    void nextWindow();
    void previousWindow();
    void toggleToolbar();
    void showHelp();
    void showAbout();
    void refreshTree();
    void showOptions();
    // Writes the settings file from the live settings.
    void writeSettings();
    void openRecent(int position);
    void track();
    void backTrack();
    void chooseFont();
    void splitScreen();
    void calcOffset();
    void editDataFile();
    void indent();
    void unindent();
    void comment();
    void uncomment();

    // Search commands
    void find();
    void replace();
    void findAll();
    void goToLine();
    [[nodiscard]] SearchCommands *searchCommands() const { return m_search; }
    [[nodiscard]] FindAllDialog *findAllDialog() const { return m_findAllDialog; }

    // Tab strip
    void addTab(const QString &caption);
    void removeTab(const QString &caption);
    void selectTab(int index);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createCommands();
    void createTabStrip();
    void createStatusBar();
    void openStartFiles();
    void updateMenuItems();
    void applyNoDocumentState();
    void fitStatusPanels();
    void rebuildWindowMenu();
    // The active document window, stored in m_currentDocument; none when there is none.
    DocumentWindow *takeActiveDocument();
    DocumentWindow *createDocumentWindow();
    void showNewDocument(DocumentWindow *child);
    QMdiSubWindow *subWindowOf(DocumentWindow *child) const;
    bool saveDocumentAs(DocumentWindow *child);
    bool writeSourceFile(DocumentWindow *child, const QString &path);
    void transformSelectedLines(BlockEdit edit);
    void clipboardEdit(void (QPlainTextEdit::*edit)(), void (*dataCell)(DocumentWindow &));
    void openRecordWindow(bool dataMode);
    void loadSettings(const QString &settingsFolder, const QString &programFolder);
    void showRecentList();
    void reportSettingsSave(const Result<void> &saved);

    Settings &m_settings;
    Dialogs &m_dialogs;
    TPathName m_programPath;

    CommandActions *m_commands = nullptr;
    QMdiArea *m_mdiArea = nullptr;
    QTabBar *m_tabBar = nullptr;
    QLabel *m_panels[2] = {nullptr, nullptr};
    QMenu *m_recentMenu = nullptr;
    QMenu *m_tabMenu = nullptr;
    QList<QAction *> m_windowListActions;
    TabBook m_tabs;
    bool m_changingTabs = false;
    bool m_shown = false;
    QStringList m_startFiles;

    SettingsStore m_store;
    AboutBox *m_aboutBox = nullptr;
    OptionsDialog *m_options = nullptr;
    FindAllDialog *m_findAllDialog = nullptr;
    SearchCommands *m_search = nullptr;   // the Find and Replace dialogs
    QPointer<HelpWindow> m_help;
    QPointer<DocumentWindow> m_currentDocument;
    QPointer<DocumentWindow> m_dataDocument;
    bool m_keyUpDone = true;   // the latest key press in an editor has been handled
};

} // namespace norvane
