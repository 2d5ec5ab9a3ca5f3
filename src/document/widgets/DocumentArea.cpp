#include "document/widgets/DocumentArea.h"

#include "common/core/CommandState.h"
#include "common/core/PathName.h"
#include "common/widgets/FontChoice.h"
#include "document/widgets/DocumentHost.h"
#include "document/widgets/DocumentWindow.h"
#include "document/widgets/SourceEditor.h"
#include "settings/core/Settings.h"

#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QTabBar>
#include <QVBoxLayout>

#include <utility>

namespace norvane {

namespace {

constexpr int TabStripHeight = 25;

// The file name of the caption, with "*" after it while the document has unsaved changes.
QString tabText(const QString &caption, bool unsaved)
{
    QString text = QString::fromStdString(FileNameOf(caption.toStdString()));
    if (unsaved)
        text += QLatin1Char('*');
    return text;
}

} // namespace

DocumentArea::DocumentArea(DocumentHost &host, QWidget *parent) : QWidget(parent), m_host(host)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *tabPanel = new QWidget(this);
    tabPanel->setFixedHeight(TabStripHeight);
    auto *tabLayout = new QHBoxLayout(tabPanel);
    tabLayout->setContentsMargins(2, 2, 2, 2);
    m_tabBar = new QTabBar(tabPanel);
    m_tabBar->setObjectName(QStringLiteral("documentTabs"));
    m_tabBar->setExpanding(false);
    m_tabBar->setDrawBase(false);
    m_tabBar->setUsesScrollButtons(true);
    m_tabBar->setTabsClosable(true);
    tabLayout->addWidget(m_tabBar);
    tabLayout->addStretch();
    layout->addWidget(tabPanel);

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setViewMode(QMdiArea::SubWindowView);
    m_mdiArea->setActivationOrder(QMdiArea::StackingOrder);
    m_mdiArea->setBackground(palette().brush(QPalette::Dark));
    layout->addWidget(m_mdiArea, 1);

    connect(m_tabBar, &QTabBar::currentChanged, this, [this](int index) {
        if (!m_changingTabs)
            selectTab(index);
    });
    // A tab's close button closes its document as the Close command does, save question included.
    connect(m_tabBar, &QTabBar::tabCloseRequested, this, [this](int index) {
        if (m_tabBar->currentIndex() != index)
            m_tabBar->setCurrentIndex(index);
        else
            selectTab(index);
        emit closeRequested();
    });
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *window) {
        if (window != nullptr) {
            if (auto *child = qobject_cast<DocumentWindow *>(window->widget()))
                child->activate();
        }
        updateMenuItems();
        emit frontUnsavedMarkChanged();
    });

    // The popup acts on the tab it was opened on, as in every tabbed program:
    // that document comes to the front, then closes.
    m_tabMenu = new QMenu(this);
    QAction *close = m_tabMenu->addAction(QStringLiteral("Close"));
    connect(close, &QAction::triggered, this, [this] {
        const int index = std::exchange(m_popupTab, -1);
        if (index >= 0 && index < m_tabBar->count())
            m_tabBar->setCurrentIndex(index);
        emit closeRequested();
    });
    connect(m_tabMenu, &QMenu::aboutToShow, this, [this, close] {
        close->setVisible(activeDocument() != nullptr || m_popupTab >= 0);
    });
    m_tabBar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tabBar, &QWidget::customContextMenuRequested, this, [this](const QPoint &point) {
        m_popupTab = m_tabBar->tabAt(point);
        m_tabMenu->popup(m_tabBar->mapToGlobal(point));
    });
}

QList<DocumentWindow *> DocumentArea::documents() const
{
    QList<DocumentWindow *> result;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto *child = qobject_cast<DocumentWindow *>(window->widget()))
            result.append(child);
    }
    return result;
}

DocumentWindow *DocumentArea::activeDocument() const
{
    QMdiSubWindow *window = m_mdiArea->currentSubWindow();
    return window != nullptr ? qobject_cast<DocumentWindow *>(window->widget()) : nullptr;
}

DocumentWindow *DocumentArea::takeActiveDocument()
{
    DocumentWindow *child = activeDocument();
    m_host.setCurrentDocument(child);
    return child;
}

QMdiSubWindow *DocumentArea::subWindowOf(DocumentWindow *child) const
{
    for (QMdiSubWindow *window : m_mdiArea->subWindowList()) {
        if (window->widget() == child)
            return window;
    }
    return nullptr;
}

DocumentWindow *DocumentArea::addDocument()
{
    auto *child = new DocumentWindow(m_host);
    QMdiSubWindow *window = m_mdiArea->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(this->window()->windowIcon());
    // The frame's own window-menu keys (Ctrl+W closes, on some systems) would
    // take keys from the program's commands.
    if (QMenu *systemMenu = window->systemMenu()) {
        for (QAction *item : systemMenu->actions())
            item->setShortcut({});
    }
    const QFont font = editorFont(m_host.settings().editorFont);
    child->editor()->setFont(font);
    child->splitView()->setFont(font);
    applyEditorLook(child);
    connect(child, &DocumentWindow::unsavedMarkChanged, this, [this, child] {
        showUnsavedMark(child);
        emit frontUnsavedMarkChanged();
    });
    return child;
}

DocumentWindow *DocumentArea::documentWithCaption(const QString &caption) const
{
    for (DocumentWindow *child : documents()) {
        if (child->caption() == caption)
            return child;
    }
    return nullptr;
}

void DocumentArea::showUnsavedMark(DocumentWindow *child)
{
    if (const std::optional<int> index = m_tabs.lowestIndexOf(child->caption().toStdString()))
        m_tabBar->setTabText(*index, tabText(child->caption(), child->isWindowModified()));
}

void DocumentArea::showNewDocument(DocumentWindow *child)
{
    addTab(child->caption());
    QMdiSubWindow *window = subWindowOf(child);
    window->showMaximized();
    m_mdiArea->setActiveSubWindow(window);
    child->activate();
}

bool DocumentArea::closeDocument(DocumentWindow *child)
{
    QMdiSubWindow *window = subWindowOf(child);
    return window == nullptr || window->close();
}

bool DocumentArea::closeAll()
{
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (!(*it)->close())
            return false;
    }
    return true;
}

void DocumentArea::bringToFront(DocumentWindow *child)
{
    if (QMdiSubWindow *window = subWindowOf(child)) {
        if (window->isMinimized())
            window->showMaximized();
        m_mdiArea->setActiveSubWindow(window);
        window->raise();
    }
}

void DocumentArea::updateMenuItems()
{
    if (m_mdiArea->subWindowList().isEmpty())
        m_host.applyCommandStates(noDocumentLeftStates());
}

void DocumentArea::setEditorFont(const QFont &font)
{
    const QList<DocumentWindow *> children = documents();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        DocumentWindow *child = *it;
        const bool modified = child->editor()->isModified();
        child->syncSuspended = true;
        child->editor()->setFont(font);
        child->splitView()->setFont(font);
        child->editor()->setModified(modified);
        child->syncSuspended = false;
    }
}

void DocumentArea::applyEditorLook()
{
    for (DocumentWindow *child : documents())
        applyEditorLook(child);
}

void DocumentArea::applyEditorLook(DocumentWindow *child)
{
    const Settings &settings = m_host.settings();
    QList<int> guides;
    if (settings.columnGuides)
        guides = QList<int>(settings.guideColumns.begin(), settings.guideColumns.end());
    for (SourceEditor *editor : {child->editor(), child->splitView()}) {
        editor->setColouring(settings.colourSource);
        editor->setColumnGuides(guides);
        editor->setLineNumbers(settings.lineNumbers);
    }
}

void DocumentArea::applyPaneSizes()
{
    const QList<DocumentWindow *> children = documents();
    for (auto it = children.crbegin(); it != children.crend(); ++it)
        (*it)->applyPaneSizes();
}

// ---- window commands ----

void DocumentArea::cascadeWindows()
{
    m_mdiArea->cascadeSubWindows();
}

// Windows one above the other, each the full width of the frame.
void DocumentArea::tileWindows()
{
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    QList<QMdiSubWindow *> shown;
    for (QMdiSubWindow *window : windows) {
        if (!window->isMinimized())
            shown.append(window);
    }
    if (shown.isEmpty())
        return;
    const QRect area = m_mdiArea->viewport()->rect();
    const int height = area.height() / static_cast<int>(shown.size());
    int top = 0;
    for (QMdiSubWindow *window : shown) {
        window->showNormal();
        window->setGeometry(0, top, area.width(), height);
        top += height;
    }
}

void DocumentArea::minimizeAllWindows()
{
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        (*it)->showMinimized();
}

void DocumentArea::nextWindow()
{
    m_mdiArea->activatePreviousSubWindow();
    if (DocumentWindow *child = activeDocument())
        child->keyIsDown = false;
}

void DocumentArea::previousWindow()
{
    m_mdiArea->activateNextSubWindow();
    if (DocumentWindow *child = activeDocument())
        child->keyIsDown = false;
}

void DocumentArea::rebuildWindowList(QMenu *menu)
{
    for (QAction *entry : std::exchange(m_windowListActions, {})) {
        menu->removeAction(entry);
        entry->deleteLater();
    }
    const QList<DocumentWindow *> children = documents();
    if (children.isEmpty())
        return;
    m_windowListActions.append(menu->addSeparator());
    DocumentWindow *active = activeDocument();
    int number = 1;
    for (DocumentWindow *child : children) {
        QString text = child->caption();
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (number < 10)
            text = QStringLiteral("&%1 %2").arg(number).arg(text);
        QAction *entry = menu->addAction(text);
        entry->setCheckable(true);
        entry->setChecked(child == active);
        connect(entry, &QAction::triggered, this, [this, child = QPointer<DocumentWindow>(child)] {
            if (child) {
                bringToFront(child);
                child->activate();
            }
        });
        m_windowListActions.append(entry);
        ++number;
    }
}

// ---- tab strip ----

void DocumentArea::addTab(const QString &caption)
{
    const int index = m_tabs.AddTab(caption.toStdString());
    const DocumentWindow *child = documentWithCaption(caption);
    m_changingTabs = true;
    m_tabBar->addTab(tabText(caption, child != nullptr && child->isWindowModified()));
    m_tabBar->setTabToolTip(index, caption);
    m_tabBar->setCurrentIndex(index);
    m_changingTabs = false;
}

void DocumentArea::removeTab(const QString &caption)
{
    if (const std::optional<int> index = m_tabs.RemoveTab(caption.toStdString())) {
        m_changingTabs = true;
        m_tabBar->removeTab(*index);
        m_changingTabs = false;
    }
}

void DocumentArea::renameTab(const QString &caption)
{
    const int index = m_tabBar->currentIndex();
    if (index < 0)
        return;
    const DocumentWindow *child = documentWithCaption(caption);
    m_tabBar->setTabText(index, tabText(caption, child != nullptr && child->isWindowModified()));
    m_tabBar->setTabToolTip(index, caption);
    m_tabs.RenameTab(index, caption.toStdString());
}

void DocumentArea::selectTabFor(const QString &caption)
{
    if (const std::optional<int> index = m_tabs.lowestIndexOf(caption.toStdString())) {
        m_changingTabs = true;
        m_tabBar->setCurrentIndex(*index);
        m_changingTabs = false;
    }
}

void DocumentArea::selectTab(int index)
{
    if (index < 0 || index >= m_tabs.count())
        return;
    const QString caption = QString::fromStdString(m_tabs.pathAt(index));
    for (DocumentWindow *child : documents()) {
        if (child->caption() == caption) {
            bringToFront(child);
            child->activate();
            return;
        }
    }
}

} // namespace norvane
