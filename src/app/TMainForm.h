#pragma once

#include "common/core/CommandState.h"
#include "common/core/PathName.h"
#include "common/core/TabBook.h"
#include "document/widgets/DocumentHost.h"
#include "app/HelpWindow.h"
#include "app/ProgramFiles.h"
#include "document/widgets/TMDIChild.h"
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
class TAboutBox;
class TFindAllDlg;
class TOptionsDialog;

// The main window: menus, toolbar, tab strip, the document area and the status
// bar. Its handlers keep the names of the commands they serve and hand the work
// to the document windows and the concerns that own it.
class TMainForm : public QMainWindow, public DocumentHost {
    Q_OBJECT

public:
    struct Environment {
        Settings &settings;
        Dialogs &dialogs;
        QString programFolder;    // the executable's folder: readme.txt, the manual and the settings are found from it
        QString settingsFolder;   // the per-user folder for the settings file, used when it exists
    };

    // The per-user settings folder: under APPDATA when that is set, else in the
    // platform's configuration folder.
    [[nodiscard]] static QString defaultSettingsFolder();

    explicit TMainForm(const Environment &environment, QWidget *parent = nullptr);
    ~TMainForm() override;

    // The files to open when the window is first shown (the command line).
    void setStartFiles(const QStringList &files) { m_startFiles = files; }
    // Opens the files handed over by a second start, and comes to the front.
    void activateFromOtherInstance(const QStringList &files);

    [[nodiscard]] QAction *action(CommandId id) const { return m_actions[static_cast<std::size_t>(id)]; }
    [[nodiscard]] QList<TMDIChild *> documents() const;
    [[nodiscard]] QTabBar *tabBar() const { return TabControl1; }
    [[nodiscard]] QMdiArea *mdiArea() const { return m_mdiArea; }
    [[nodiscard]] QToolBar *toolBar() const { return ButtonsPanel; }
    [[nodiscard]] QString statusPanel(int panel) const;
    [[nodiscard]] const TabBook &tabs() const { return m_tabs; }
    [[nodiscard]] QMenu *windowMenu() const { return WindowMenu; }
    [[nodiscard]] QMenu *tabMenu() const { return TabMenu; }
    [[nodiscard]] QMenu *toolbarMenu() const { return ToolbarMenu; }
    [[nodiscard]] TAboutBox *aboutBox() const { return AboutBox; }
    [[nodiscard]] HelpWindow *helpWindow() const { return m_help; }
    [[nodiscard]] TOptionsDialog *optionsDialog() const { return m_options; }
    [[nodiscard]] QMenu *recentMenu() const { return RecentMenu; }
    [[nodiscard]] const SettingsStore &settingsStore() const { return m_store; }

    bool OpenReadOnly = false;   // the next source file opens read-only
    bool KeyUpDone = true;       // the latest key press in an editor has been handled
    QString OSName;

    // DocumentHost
    Settings &settings() override { return m_settings; }
    Dialogs &dialogs() override { return m_dialogs; }
    void saveSettings() override { OKBtnClick(); }
    bool &keyUpDone() override { return KeyUpDone; }
    void applyCommandStates(const CommandStates &states) override;
    bool isCommandEnabled(CommandId id) const override;
    void runCommand(CommandId id) override;
    void setStatusPanel(int panel, const QString &text) override;
    void setCurrentChild(TMDIChild *child) override { CurrentChild = child; }
    void setDataFileChild(TMDIChild *child) override { DataFileChild = child; }
    TMDIChild *activeChild() const override;
    void bringToFront(TMDIChild *child) override;
    void selectTabFor(const QString &caption) override;
    void renameTab(const QString &caption) override { RenameTab(caption); }
    bool saveDocument(TMDIChild *child) override;
    void addRecent(const QString &caption) override;
    void documentClosing(TMDIChild *child) override;

    // File commands
    void FileOpenItemClick();
    void New1Click();
    void FileCloseItemClick();
    void ReadOnly1Click();
    void UpdateMode1Click();
    void FileSaveItemClick();
    void FileSaveAsItemClick();
    void SaveAll1Click();
    void FileExitItemClick();
    void PrintButtonClick();
    void PrintSetup1Click();
    // Opens one source file into a new document window.
    void OpenSourceFile(const QString &name);

    // Edit commands
    void UndoItemClick();
    void CutItemClick();
    void CopyItemClick();
    void PasteItemClick();
    void SelectAllClick();

    // Window, toolbar and help commands
    void WindowCascadeItemClick();
    void WindowTileItemClick();
    void WindowMinimizeItemClick();
    void Next1Click();
    void Previous1Click();
    void Hidetoolbar1Click();
    void Help2Click();
    void HelpAboutItemClick();
    void RefreshTreeClick();
    void OptionsClick();
    // Writes the settings file from the live settings.
    void OKBtnClick();
    void RecentClick(int position);
    void mmTrackClick();
    void Trackback1Click();
    void Font1Click();
    void SplitBtnClick();
    void CalcOffsetClick();
    void EditBtnClick();
    void IndentBtnClick();
    void UnindentBtnClick();
    void CommentBtnClick();
    void UncommentBtnClick();

    // Search commands
    void FindBtnClick();
    void ReplaceClick();
    void FindAllBtnClick();
    void GotoClick();
    [[nodiscard]] SearchCommands *searchCommands() const { return Search; }
    [[nodiscard]] TFindAllDlg *findAllDialog() const { return FindAllDlg; }

    // Tab strip
    void AddTab(const QString &caption);
    void RemoveTab(const QString &caption);
    void RenameTab(const QString &caption);
    void TabControl1Change(int index);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createTabStrip();
    void createStatusBar();
    void FormShow();
    void UpdateMenuItems();
    void NoDocumentState();
    void fitStatusPanels();
    void rebuildWindowMenu();
    // The active document window, stored in CurrentChild; none when there is none.
    TMDIChild *takeCurrentChild();
    TMDIChild *createChild();
    void showNewDocument(TMDIChild *child);
    QMdiSubWindow *subWindowOf(TMDIChild *child) const;
    bool saveAs(TMDIChild *child);
    bool WriteSourceFile(TMDIChild *child, const QString &path);
    void transformSelectedLines(BlockEdit edit);
    void clipboardEdit(void (QPlainTextEdit::*edit)(), void (*dataCell)(TMDIChild &));
    void CalcRecordLayout(bool dataMode);
    void loadSettings(const QString &settingsFolder);
    void ShowRecentList();
    void reportSettingsSave(const Result<void> &saved);

    Settings &m_settings;
    Dialogs &m_dialogs;
    ProgramFiles m_programFiles; // readme.txt, the manual, and where the settings go

    using Handler = void (TMainForm::*)();
    std::array<QAction *, CommandCount> m_actions{};
    std::array<Handler, CommandCount> m_handlers{};
    QMdiArea *m_mdiArea = nullptr;
    QToolBar *ButtonsPanel = nullptr;
    QTabBar *TabControl1 = nullptr;
    QLabel *m_panels[2] = {nullptr, nullptr};
    QMenu *RecentMenu = nullptr;
    QMenu *WindowMenu = nullptr;
    QMenu *TabMenu = nullptr;
    QMenu *ToolbarMenu = nullptr;
    QList<QAction *> m_windowListActions;
    TabBook m_tabs;
    bool m_changingTabs = false;
    bool m_shown = false;
    QStringList m_startFiles;

    SettingsStore m_store;
    TAboutBox *AboutBox = nullptr;
    TOptionsDialog *m_options = nullptr;
    TFindAllDlg *FindAllDlg = nullptr;
    SearchCommands *Search = nullptr;   // the Find and Replace dialogs
    QPointer<HelpWindow> m_help;
    QPointer<TMDIChild> CurrentChild;
    QPointer<TMDIChild> DataFileChild;
};

} // namespace norvane
