#include "document/widgets/DocumentMenus.h"

#include "common/core/CommandState.h"
#include "document/widgets/DocumentHost.h"
#include "document/widgets/DocumentWindow.h"
#include "document/widgets/SourceEditor.h"
#include "layout/widgets/RecordWindows.h"
#include "settings/core/Settings.h"
#include "structure/widgets/StructureTreeView.h"

#include <QMenu>
#include <QTableView>

namespace norvane {

DocumentMenus::DocumentMenus(DocumentWindow &window, DocumentHost &host)
    : QObject(&window), m_window(window), m_host(host)
{
    createTreeMenu();
    createEditorMenu();
    createSplitViewMenu();
    createDataMenu();
    createFindResultsMenu();
}

void DocumentMenus::popUpOn(QMenu *menu, QAbstractScrollArea *view)
{
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this,
            [menu, view](const QPoint &point) { menu->popup(view->viewport()->mapToGlobal(point)); });
}

QAction *DocumentMenus::addCommandItem(QMenu *menu, const QString &text, CommandId command)
{
    QAction *item = menu->addAction(text);
    connect(item, &QAction::triggered, this, [this, command] { m_host.runCommand(command); });
    return item;
}

void DocumentMenus::createTreeMenu()
{
    treeMenu = new QMenu(&m_window);
    refreshTreeItem = addCommandItem(treeMenu, QStringLiteral("Refresh treeview"), CommandId::RefreshTree);
    QMenu *options = treeMenu->addMenu(QStringLiteral("Options"));
    showPerformedItem = options->addAction(QStringLiteral("Show performed sections / paragraphs"));
    showPic01Item = options->addAction(QStringLiteral("Show 01 levels with PIC clause"));
    showPerformedItem->setCheckable(true);
    showPic01Item->setCheckable(true);
    connect(treeMenu, &QMenu::aboutToShow, this, [this] {
        showPerformedItem->setChecked(m_host.settings().ShowPerformOption);
        showPic01Item->setChecked(m_host.settings().Pic01ShowOption);
    });
    connect(showPerformedItem, &QAction::triggered, this, [this](bool checked) {
        m_host.settings().ShowPerformOption = checked;
        m_host.saveSettings();
        m_host.runCommand(CommandId::RefreshTree);
    });
    connect(showPic01Item, &QAction::triggered, this, [this](bool checked) {
        m_host.settings().Pic01ShowOption = checked;
        m_host.saveSettings();
        m_host.runCommand(CommandId::RefreshTree);
    });
    popUpOn(treeMenu, m_window.structureTree());
}

void DocumentMenus::createEditorMenu()
{
    editorMenu = new QMenu(&m_window);
    editorCutItem = addCommandItem(editorMenu, QStringLiteral("Cut"), CommandId::Cut);
    editorCopyItem = addCommandItem(editorMenu, QStringLiteral("Copy"), CommandId::Copy);
    editorPasteItem = addCommandItem(editorMenu, QStringLiteral("Paste"), CommandId::Paste);
    editorMenu->addSeparator();
    editorFindItem = addCommandItem(editorMenu, QStringLiteral("Find"), CommandId::Find);
    editorFindAllItem = addCommandItem(editorMenu, QStringLiteral("Find all"), CommandId::FindAll);
    editorSplitItem = addCommandItem(editorMenu, QStringLiteral("Split screen"), CommandId::SplitScreen);
    editorMenu->addSeparator();
    editorTrackItem = addCommandItem(editorMenu, QStringLiteral("Track"), CommandId::Track);
    editorBackTrackItem = addCommandItem(editorMenu, QStringLiteral("Back track"), CommandId::BackTrack);
    connect(editorMenu, &QMenu::aboutToShow, this, [this] {
        editorSplitItem->setVisible(m_window.splitView()->isHidden());
        editorCutItem->setEnabled(m_host.isCommandEnabled(CommandId::Cut));
        editorCopyItem->setEnabled(m_host.isCommandEnabled(CommandId::Copy));
        editorPasteItem->setEnabled(m_host.isCommandEnabled(CommandId::Paste));
        editorTrackItem->setEnabled(m_host.isCommandEnabled(CommandId::Track));
        editorBackTrackItem->setEnabled(m_host.isCommandEnabled(CommandId::BackTrack));
    });
    popUpOn(editorMenu, m_window.editor());
}

void DocumentMenus::createSplitViewMenu()
{
    splitViewMenu = new QMenu(&m_window);
    splitViewCopyItem = addCommandItem(splitViewMenu, QStringLiteral("Copy"), CommandId::Copy);
    splitViewFindItem = addCommandItem(splitViewMenu, QStringLiteral("Find"), CommandId::Find);
    splitViewMenu->addSeparator();
    splitViewTrackItem = addCommandItem(splitViewMenu, QStringLiteral("Track"), CommandId::Track);
    splitViewBackTrackItem = addCommandItem(splitViewMenu, QStringLiteral("Back track"), CommandId::BackTrack);
    splitViewMenu->addSeparator();
    splitViewRefreshItem = splitViewMenu->addAction(QStringLiteral("Refresh"));
    connect(splitViewRefreshItem, &QAction::triggered, &m_window, &DocumentWindow::refreshSplitView);
    splitViewCloseItem = addCommandItem(splitViewMenu, QStringLiteral("Close"), CommandId::SplitScreen);
    connect(splitViewMenu, &QMenu::aboutToShow, this, [this] {
        splitViewCopyItem->setEnabled(m_host.isCommandEnabled(CommandId::Copy));
        splitViewTrackItem->setEnabled(m_host.isCommandEnabled(CommandId::Track));
        splitViewBackTrackItem->setEnabled(m_host.isCommandEnabled(CommandId::BackTrack));
    });
    popUpOn(splitViewMenu, m_window.splitView());
}

void DocumentMenus::createDataMenu()
{
    dataMenu = new QMenu(&m_window);
    dataCutItem = addCommandItem(dataMenu, QStringLiteral("Cut"), CommandId::Cut);
    dataCopyItem = addCommandItem(dataMenu, QStringLiteral("Copy"), CommandId::Copy);
    dataPasteItem = addCommandItem(dataMenu, QStringLiteral("Paste"), CommandId::Paste);
    dataMenu->addSeparator();
    insertRecordItem = dataMenu->addAction(QStringLiteral("Insert Line"));
    copyRecordItem = dataMenu->addAction(QStringLiteral("Copy Line"));
    deleteRecordItem = dataMenu->addAction(QStringLiteral("Delete Line"));
    connect(insertRecordItem, &QAction::triggered, this, [this] { insertDataRow(m_window, false); });
    connect(copyRecordItem, &QAction::triggered, this, [this] { insertDataRow(m_window, true); });
    connect(deleteRecordItem, &QAction::triggered, this, [this] { deleteDataRow(m_window); });
    popUpOn(dataMenu, m_window.dataGrid());
}

void DocumentMenus::createFindResultsMenu()
{
    findResultsMenu = new QMenu(&m_window);
    clearFindResultsItem = findResultsMenu->addAction(QStringLiteral("Clear"));
    closeFindResultsItem = findResultsMenu->addAction(QStringLiteral("Close"));
    connect(clearFindResultsItem, &QAction::triggered, &m_window, &DocumentWindow::clearFindResults);
    connect(closeFindResultsItem, &QAction::triggered, &m_window, &DocumentWindow::closeFindResults);
    popUpOn(findResultsMenu, m_window.findResultsGrid());
}

} // namespace norvane
