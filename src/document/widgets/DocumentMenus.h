#pragma once

#include <QObject>

class QAbstractScrollArea;
class QAction;
class QMenu;
class QString;

namespace norvane {

enum class CommandId;
class DocumentHost;
class DocumentWindow;

// The popup menus of a document window: on the structure tree, the editor, the
// split view, the data grid and the find-all results. An item that stands for
// a main-window command keeps a caption of its own, runs the command and takes
// the command's state when its menu opens.
class DocumentMenus : public QObject {
    Q_OBJECT

public:
    DocumentMenus(DocumentWindow &window, DocumentHost &host);

    QMenu *treeMenu = nullptr;
    QAction *refreshTreeItem = nullptr;
    QAction *showPerformedItem = nullptr;
    QAction *showPic01Item = nullptr;

    QMenu *editorMenu = nullptr;
    QAction *editorCutItem = nullptr;
    QAction *editorCopyItem = nullptr;
    QAction *editorPasteItem = nullptr;
    QAction *editorFindItem = nullptr;
    QAction *editorFindAllItem = nullptr;
    QAction *editorSplitItem = nullptr;
    QAction *editorTrackItem = nullptr;
    QAction *editorBackTrackItem = nullptr;

    QMenu *splitViewMenu = nullptr;
    QAction *splitViewCopyItem = nullptr;
    QAction *splitViewFindItem = nullptr;
    QAction *splitViewTrackItem = nullptr;
    QAction *splitViewBackTrackItem = nullptr;
    QAction *splitViewRefreshItem = nullptr;
    QAction *splitViewCloseItem = nullptr;

    QMenu *dataMenu = nullptr;
    QAction *dataCutItem = nullptr;
    QAction *dataCopyItem = nullptr;
    QAction *dataPasteItem = nullptr;
    QAction *insertRecordItem = nullptr;
    QAction *copyRecordItem = nullptr;
    QAction *deleteRecordItem = nullptr;

    QMenu *findResultsMenu = nullptr;
    QAction *clearFindResultsItem = nullptr;
    QAction *closeFindResultsItem = nullptr;

private:
    // An item that runs the main window's command.
    QAction *addCommandItem(QMenu *menu, const QString &text, CommandId command);
    // The menu pops up where the view is right-clicked.
    void popUpOn(QMenu *menu, QAbstractScrollArea *view);
    void createTreeMenu();
    void createEditorMenu();
    void createSplitViewMenu();
    void createDataMenu();
    void createFindResultsMenu();

    DocumentWindow &m_window;
    DocumentHost &m_host;
};

} // namespace norvane
