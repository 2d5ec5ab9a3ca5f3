#pragma once

#include "common/core/TabBook.h"

#include <QList>
#include <QWidget>

class QFont;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTabBar;

namespace norvane {

class DocumentHost;
class DocumentWindow;

// The main window's document area: the document windows in a multiple-document
// area, a strip of tabs above it with one tab per document, and the window
// commands (cascade, tile, minimise all, next, previous, the window list).
class DocumentArea : public QWidget {
    Q_OBJECT

public:
    explicit DocumentArea(DocumentHost &host, QWidget *parent = nullptr);

    // The document windows, oldest first.
    [[nodiscard]] QList<DocumentWindow *> documents() const;
    [[nodiscard]] DocumentWindow *activeDocument() const;
    // The window whose caption this is; none when no window has it.
    [[nodiscard]] DocumentWindow *documentWithCaption(const QString &caption) const;
    // The active document becomes the one the running command works on; none when there is none.
    DocumentWindow *takeActiveDocument();

    // A new, empty document window with the editor font; its caller gives it a
    // caption and then shows it.
    DocumentWindow *addDocument();
    // A new window, its caption set: its tab, shown maximised and active.
    void showNewDocument(DocumentWindow *child);
    // Closes the window as its close box would; false when it stayed open.
    bool closeDocument(DocumentWindow *child);
    // Closes every window, the newest first; false when one stayed open.
    bool closeAll();
    // Brings the window to the front and makes it the active one; a minimised one comes back maximised.
    void bringToFront(DocumentWindow *child);
    // With no document left, the commands that need one are disabled.
    void updateMenuItems();

    // Gives every editor the font; a font change is no edit.
    void setEditorFont(const QFont &font);
    // Gives every editor the colours, column guides and line numbers the settings ask for.
    void applyEditorLook();
    // Re-applies each document's pane rules after the main window was resized.
    void applyPaneSizes();

    // Window commands
    void cascadeWindows();
    void tileWindows();
    void minimizeAllWindows();
    void nextWindow();
    void previousWindow();
    // Lists the documents at the end of the Window menu, the active one checked.
    void rebuildWindowList(QMenu *menu);

    // Tab strip
    void addTab(const QString &caption);
    void removeTab(const QString &caption);
    // Gives the selected tab the caption.
    void renameTab(const QString &caption);
    // Selects the tab that stands for the caption, without activating anything.
    void selectTabFor(const QString &caption);
    // Activates the document of the tab.
    void selectTab(int index);

    [[nodiscard]] QTabBar *tabBar() const { return m_tabBar; }
    [[nodiscard]] QMenu *tabMenu() const { return m_tabMenu; }
    [[nodiscard]] QMdiArea *mdiArea() const { return m_mdiArea; }
    [[nodiscard]] const TabBook &tabs() const { return m_tabs; }

signals:
    // The tab strip's popup asked to close the active document (its tab's
    // document was made the active one first).
    void closeRequested();
    // Another document came to the front, or a document's unsaved-changes mark
    // came or went: the main window's title may have to follow.
    void frontUnsavedMarkChanged();

private:
    [[nodiscard]] QMdiSubWindow *subWindowOf(DocumentWindow *child) const;
    void applyEditorLook(DocumentWindow *child);
    // The tab's text follows the document's unsaved-changes mark.
    void showUnsavedMark(DocumentWindow *child);

    DocumentHost &m_host;
    QTabBar *m_tabBar = nullptr;
    QMenu *m_tabMenu = nullptr;
    QMdiArea *m_mdiArea = nullptr;
    TabBook m_tabs;
    bool m_changingTabs = false;
    int m_popupTab = -1;   // the tab the popup menu was opened on; -1 for none
    QList<QAction *> m_windowListActions;
};

} // namespace norvane
