#include "app/MainWindow.h"

#include "app/HelpWindow.h"
#include "app/AboutBox.h"
#include "app/CommandActions.h"
#include "common/core/DocumentKind.h"
#include "common/core/FileIO.h"
#include "common/core/Rounding.h"
#include "common/widgets/Dialogs.h"
#include "common/widgets/FontChoice.h"
#include "common/widgets/Latin1.h"
#include "common/widgets/WaitCursor.h"
#include "document/core/LineEnding.h"
#include "document/core/SourceText.h"
#include "document/widgets/SourceEditor.h"
#include "document/widgets/DocumentWindow.h"
#include "search/widgets/GotoLine.h"
#include "search/widgets/SearchCommands.h"
#include "search/widgets/FindAllDialog.h"
#include "layout/core/LayoutTable.h"
#include "layout/widgets/RecordWindows.h"
#include "settings/core/Settings.h"
#include "settings/widgets/OptionsDialog.h"
#include "structure/widgets/RefreshTree.h"
#include "structure/widgets/Track.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QStatusBar>
#include <QStandardPaths>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include <functional>

// The icons are compiled into the application library; a static library's
// resources must be registered by hand.
static void initResources()
{
    Q_INIT_RESOURCE(norvane);
}

namespace norvane {

namespace {

using enum CommandId;

const QString kSourceFilter = QStringLiteral(
    "All Files (*);;Cobol (*.cbl *.CBL);;Source (*.cob *.COB);;User Exit (*.uex *.UEX)");

constexpr int StatusPanel1Width = 300;
constexpr int TabStripHeight = 25;

// Paths name documents in absolute, clean form, so two spellings of one file
// are one document.
QString documentPath(const QString &name)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(name).absoluteFilePath()));
}

bool sameCaption(const QString &a, const QString &b)
{
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}

// Paths cross into the core as the file system's own encoding.
std::string pathBytes(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QString tabText(const QString &caption)
{
    return QString::fromStdString(FileNameOf(caption.toStdString()));
}

bool hasTreeExtension(const std::string &ext)
{
    return ext == ".cbl" || ext == ".cob" || ext == ".CBL" || ext == ".COB";
}

} // namespace

MainWindow::MainWindow(const Environment &environment, QWidget *parent)
    : QMainWindow(parent), m_settings(environment.settings), m_dialogs(environment.dialogs),
      m_store(environment.settings)
{
    initResources();
    setWindowTitle(QStringLiteral("Norvane"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/norvane.svg")));
    setAcceptDrops(true);
    setContextMenuPolicy(Qt::NoContextMenu);

    createCommands();
    createTabStrip();
    createStatusBar();
    applyCommandStates(initialCommandStates());

    m_programPath.SetPath(QDir(environment.programFolder).filePath(QStringLiteral("norvane")).toStdString());
    fitStatusPanels();

    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            return;
        if (DocumentWindow *child = activeDocument())
            child->ignoreTabUp = true;
        m_keyUpDone = true;
    });

    m_programPath.FileName = "readme.txt";
    m_aboutBox = new AboutBox(QString::fromStdString(m_programPath.GetFullName()), m_dialogs, this);
    m_options = new OptionsDialog(m_settings, this);
    connect(m_options, &QDialog::accepted, this, [this] {
        m_settings = m_options->chosenSettings();
        writeSettings();
    });
    m_findAllDialog = new FindAllDialog(*this, this);
    m_search = new SearchCommands(*this, this);
    loadSettings(environment.settingsFolder, environment.programFolder);
}

QString MainWindow::defaultSettingsFolder()
{
    const QString appData = qEnvironmentVariable("APPDATA");
    if (!appData.isEmpty())
        return QDir(appData).filePath(QStringLiteral("zelkar/Norvane/"));
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("zelkar/Norvane/"));
}

// Reads the settings file (or creates it) and builds the Recent menu. A new
// file goes beside the program; where the program's folder cannot be written
// (an installed program) it goes to the per-user folder instead, which is then
// made, so that the settings are kept.
void MainWindow::loadSettings(const QString &settingsFolder, const QString &programFolder)
{
    QString fallback = programFolder;
    const QFileInfo folder(programFolder);
    if (!folder.isWritable() && qEnvironmentVariableIsEmpty("APPDATA") && QDir().mkpath(settingsFolder))
        fallback = settingsFolder;
    auto withSeparator = [](const QString &path) {
        return QFile::encodeName(QDir::toNativeSeparators(QDir::cleanPath(path)) + QDir::separator()).toStdString();
    };
    for (const std::string &text : m_store.load(withSeparator(settingsFolder), withSeparator(fallback)))
        m_dialogs.message(Dialogs::Icon::Warning, QString::fromLocal8Bit(text), Dialogs::Buttons::Ok);
    showRecentList();
}

void MainWindow::showRecentList()
{
    const QList<QAction *> items = m_recentMenu->actions();
    const norvane::RecentMenu &entries = m_store.recentMenu();
    for (int i = 0; i < items.size() && i < norvane::RecentMenu::Count; ++i) {
        const RecentEntry &entry = entries.at(i);
        QString text = QString::fromLocal8Bit(entry.caption);
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        items[i]->setText(text);
        items[i]->setVisible(entry.visible);
    }
}

void MainWindow::reportSettingsSave(const Result<void> &saved)
{
    if (const std::optional<std::string> message = m_store.messageToShow(saved))
        m_dialogs.message(Dialogs::Icon::Warning, QString::fromLocal8Bit(*message), Dialogs::Buttons::Ok);
}

void MainWindow::showOptions()
{
    m_options->showSettings();
    m_options->open();
}

void MainWindow::writeSettings()
{
    reportSettingsSave(m_store.WriteSettings());
    showRecentList();
}

void MainWindow::openRecent(int position)
{
    const RecentPath entry = m_store.recentPathAt(position);
    openReadOnly = entry.readOnly;
    if (!entry.path.empty())
        openSourceFile(QString::fromLocal8Bit(entry.path));
}

MainWindow::~MainWindow() = default;

void MainWindow::createCommands()
{
    m_commands = new CommandActions(*this);
    const std::pair<CommandId, void (MainWindow::*)()> handlers[] = {
        {Open, &MainWindow::openFiles},
        {New, &MainWindow::newDocument},
        {Close, &MainWindow::closeDocument},
        {ReadOnlyMode, &MainWindow::setReadOnlyMode},
        {UpdateMode, &MainWindow::setUpdateMode},
        {Save, &MainWindow::save},
        {SaveAll, &MainWindow::saveAll},
        {SaveAs, &MainWindow::saveAs},
        {Print, &MainWindow::print},
        {PrintSetup, &MainWindow::printSetup},
        {Exit, &MainWindow::exit},
        {Undo, &MainWindow::undo},
        {UndoButton, &MainWindow::undo},
        {Cut, &MainWindow::cut},
        {Copy, &MainWindow::copy},
        {Paste, &MainWindow::paste},
        {SelectAll, &MainWindow::selectAll},
        {Find, &MainWindow::find},
        {Replace, &MainWindow::replace},
        {FindAll, &MainWindow::findAll},
        {GoTo, &MainWindow::goToLine},
        {SplitScreen, &MainWindow::splitScreen},
        {RefreshTree, &MainWindow::refreshTree},
        {Indent, &MainWindow::indent},
        {Unindent, &MainWindow::unindent},
        {CalcOffset, &MainWindow::calcOffset},
        {EditDataFile, &MainWindow::editDataFile},
        {Comment, &MainWindow::comment},
        {Uncomment, &MainWindow::uncomment},
        {Track, &MainWindow::track},
        {BackTrack, &MainWindow::backTrack},
        {Options, &MainWindow::showOptions},
        {Font, &MainWindow::chooseFont},
        {Cascade, &MainWindow::cascadeWindows},
        {Tile, &MainWindow::tileWindows},
        {MinimizeAll, &MainWindow::minimizeAllWindows},
        {NextWindow, &MainWindow::nextWindow},
        {PreviousWindow, &MainWindow::previousWindow},
        {Help, &MainWindow::showHelp},
        {About, &MainWindow::showAbout},
    };
    for (const auto &[id, handler] : handlers)
        m_commands->setHandler(id, [this, handler] { (this->*handler)(); });

    m_recentMenu = m_commands->recentMenu();
    for (int i = 0; i < norvane::RecentMenu::Count; ++i) {
        QAction *entry = m_recentMenu->addAction(QString());
        entry->setObjectName(QStringLiteral("Recent%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        entry->setVisible(false);
        connect(entry, &QAction::triggered, this, [this, i] { openRecent(i); });
    }
    connect(m_commands->windowMenu(), &QMenu::aboutToShow, this, &MainWindow::rebuildWindowMenu);
}

void MainWindow::createTabStrip()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *TabPanel = new QWidget(central);
    TabPanel->setFixedHeight(TabStripHeight);
    auto *tabLayout = new QHBoxLayout(TabPanel);
    tabLayout->setContentsMargins(2, 2, 2, 2);
    m_tabBar = new QTabBar(TabPanel);
    m_tabBar->setObjectName(QStringLiteral("documentTabs"));
    m_tabBar->setExpanding(false);
    m_tabBar->setDrawBase(false);
    m_tabBar->setUsesScrollButtons(true);
    tabLayout->addWidget(m_tabBar);
    tabLayout->addStretch();
    layout->addWidget(TabPanel);

    m_mdiArea = new QMdiArea(central);
    m_mdiArea->setViewMode(QMdiArea::SubWindowView);
    m_mdiArea->setActivationOrder(QMdiArea::StackingOrder);
    m_mdiArea->setBackground(palette().brush(QPalette::Dark));
    layout->addWidget(m_mdiArea, 1);
    setCentralWidget(central);

    connect(m_tabBar, &QTabBar::currentChanged, this, [this](int index) {
        if (!m_changingTabs)
            selectTab(index);
    });
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *window) {
        if (window != nullptr) {
            if (auto *child = qobject_cast<DocumentWindow *>(window->widget()))
                child->activate();
        }
        updateMenuItems();
    });

    m_tabMenu = new QMenu(this);
    QAction *close = m_tabMenu->addAction(QStringLiteral("Close"));
    connect(close, &QAction::triggered, this, &MainWindow::closeDocument);
    connect(m_tabMenu, &QMenu::aboutToShow, this, [this, close] { close->setVisible(activeDocument() != nullptr); });
    m_tabBar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tabBar, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &point) { m_tabMenu->popup(m_tabBar->mapToGlobal(point)); });
}

void MainWindow::createStatusBar()
{
    for (QLabel *&panel : m_panels) {
        panel = new QLabel(this);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(panel);
    }
    m_panels[0]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_panels[0]->setFixedWidth(50);
    m_panels[1]->setFixedWidth(StatusPanel1Width);
}

void MainWindow::fitStatusPanels()
{
    m_panels[0]->setFixedWidth(roundHalfEven(width() / 3.0));
}

QString MainWindow::statusPanel(int panel) const
{
    return m_panels[panel]->text();
}

void MainWindow::setStatusPanel(int panel, const QString &text)
{
    m_panels[panel]->setText(text);
}

QAction *MainWindow::action(CommandId id) const
{
    return m_commands->action(id);
}

QToolBar *MainWindow::toolBar() const
{
    return m_commands->toolBar();
}

QMenu *MainWindow::windowMenu() const
{
    return m_commands->windowMenu();
}

QMenu *MainWindow::toolbarMenu() const
{
    return m_commands->toolbarMenu();
}

void MainWindow::applyCommandStates(const CommandStates &states)
{
    m_commands->apply(states);
}

bool MainWindow::isCommandEnabled(CommandId id) const
{
    return m_commands->isEnabled(id);
}

void MainWindow::runCommand(CommandId id)
{
    m_commands->run(id);
}

QList<DocumentWindow *> MainWindow::documents() const
{
    QList<DocumentWindow *> result;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto *child = qobject_cast<DocumentWindow *>(window->widget()))
            result.append(child);
    }
    return result;
}

DocumentWindow *MainWindow::activeDocument() const
{
    QMdiSubWindow *window = m_mdiArea->currentSubWindow();
    return window != nullptr ? qobject_cast<DocumentWindow *>(window->widget()) : nullptr;
}

DocumentWindow *MainWindow::takeActiveDocument()
{
    m_currentDocument = activeDocument();
    return m_currentDocument.data();
}

QMdiSubWindow *MainWindow::subWindowOf(DocumentWindow *child) const
{
    for (QMdiSubWindow *window : m_mdiArea->subWindowList()) {
        if (window->widget() == child)
            return window;
    }
    return nullptr;
}

void MainWindow::bringToFront(DocumentWindow *child)
{
    if (QMdiSubWindow *window = subWindowOf(child)) {
        if (window->isMinimized())
            window->showMaximized();
        m_mdiArea->setActiveSubWindow(window);
        window->raise();
    }
}

DocumentWindow *MainWindow::createDocumentWindow()
{
    auto *child = new DocumentWindow(*this);
    QMdiSubWindow *window = m_mdiArea->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(windowIcon());
    // The frame's own window-menu keys (Ctrl+W closes, on some systems) would
    // take keys from the program's commands.
    if (QMenu *systemMenu = window->systemMenu()) {
        for (QAction *item : systemMenu->actions())
            item->setShortcut({});
    }
    child->editor()->setFont(editorFont(m_settings.editorFont));
    child->splitView()->setFont(editorFont(m_settings.editorFont));
    return child;
}

// A new window, its caption set: its tab, shown maximised and active.
void MainWindow::showNewDocument(DocumentWindow *child)
{
    addTab(child->caption());
    QMdiSubWindow *window = subWindowOf(child);
    window->showMaximized();
    m_mdiArea->setActiveSubWindow(window);
    child->activate();
}

// ---- tab strip ----

void MainWindow::addTab(const QString &caption)
{
    const int index = m_tabs.AddTab(caption.toStdString());
    m_changingTabs = true;
    m_tabBar->addTab(tabText(caption));
    m_tabBar->setTabToolTip(index, caption);
    m_tabBar->setCurrentIndex(index);
    m_changingTabs = false;
}

void MainWindow::removeTab(const QString &caption)
{
    if (const std::optional<int> index = m_tabs.RemoveTab(caption.toStdString())) {
        m_changingTabs = true;
        m_tabBar->removeTab(*index);
        m_changingTabs = false;
    }
}

void MainWindow::renameTab(const QString &caption)
{
    const int index = m_tabBar->currentIndex();
    if (index < 0)
        return;
    m_tabBar->setTabText(index, tabText(caption));
    m_tabBar->setTabToolTip(index, caption);
    m_tabs.RenameTab(index, caption.toStdString());
}

void MainWindow::selectTabFor(const QString &caption)
{
    if (const std::optional<int> index = m_tabs.lowestIndexOf(caption.toStdString())) {
        m_changingTabs = true;
        m_tabBar->setCurrentIndex(*index);
        m_changingTabs = false;
    }
}

void MainWindow::selectTab(int index)
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

// ---- command states ----

void MainWindow::updateMenuItems()
{
    if (m_mdiArea->subWindowList().isEmpty())
        applyCommandStates(noDocumentLeftStates());
}

void MainWindow::applyNoDocumentState()
{
    applyCommandStates(noDocumentState());
}

// ---- start-up and window events ----

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        QMetaObject::invokeMethod(this, &MainWindow::openStartFiles, Qt::QueuedConnection);
    }
}

void MainWindow::openStartFiles()
{
    updateMenuItems();
    if (!m_startFiles.isEmpty()) {
        const QStringList files = std::exchange(m_startFiles, {});
        for (const QString &file : files)
            openSourceFile(file);
    } else if (m_settings.StartOption) {
        if (const auto choice = m_dialogs.openFiles(QStringLiteral("Open"), kSourceFilter, QString(), true)) {
            openReadOnly = choice->readOnly;
            for (const QString &file : choice->files)
                openSourceFile(file);
        }
    }
}

void MainWindow::activateFromOtherInstance(const QStringList &files)
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    for (const QString &file : files)
        openSourceFile(file);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitStatusPanels();
    const QList<DocumentWindow *> children = documents();
    for (auto it = children.crbegin(); it != children.crend(); ++it)
        (*it)->applyPaneSizes();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (!(*it)->close()) {
            event->ignore();
            return;
        }
    }
    if (m_help)
        m_help->close();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            openSourceFile(url.toLocalFile());
    }
}

// ---- file commands ----

void MainWindow::openFiles()
{
    if (DocumentWindow *child = takeActiveDocument()) {
        child->keyIsDown = false;
        if (child->isDataWindow) {
            openDataFile(*child, *this);   // a data window opens data files into itself
            return;
        }
    }
    const auto choice = m_dialogs.openFiles(QStringLiteral("Open"), kSourceFilter, QString(), true);
    if (!choice)
        return;
    openReadOnly = choice->readOnly;
    for (const QString &file : choice->files)
        openSourceFile(file);
}

void MainWindow::openSourceFile(const QString &name)
{
    const QString path = documentPath(name);
    const QString wanted = QString::fromStdString(sourceCaption(path.toStdString(), openReadOnly));

    const QList<DocumentWindow *> children = documents();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        DocumentWindow *open = *it;
        if (!sameCaption(open->caption(), wanted))
            continue;
        bringToFront(open);
        if (m_dialogs.message(Dialogs::Icon::Confirmation, QStringLiteral("reload ") + open->caption() +
                                                               QStringLiteral(" ?"),
                              Dialogs::Buttons::OkCancel) != Dialogs::Answer::Ok)
            return;
        open->editor()->setModified(false);
        if (QMdiSubWindow *window = subWindowOf(open); window != nullptr && !window->close())
            return;
        break;
    }

    if (!QFileInfo::exists(path)) {
        m_dialogs.message(Dialogs::Icon::Information, name + QLatin1Char('\n') + QStringLiteral("no longer exists"),
                          Dialogs::Buttons::Ok);
        reportSettingsSave(m_store.RemoveRecent(QFile::encodeName(name).toStdString()));
        showRecentList();
        return;
    }

    WaitCursor wait;
    // The file is read before its window exists, so an unreadable file leaves nothing half-built.
    const Result<std::string> bytes = readFileBytes(pathBytes(path));
    if (!bytes) {
        m_dialogs.message(Dialogs::Icon::Error, QString::fromLocal8Bit(bytes.error()), Dialogs::Buttons::Ok);
        return;
    }

    DocumentWindow *child = createDocumentWindow();
    m_currentDocument = child;
    setStatusPanel(1, QStringLiteral("loading Program..."));
    m_panels[1]->repaint();
    child->syncSuspended = true;
    child->lineEnding = detectLineEnding(bytes.value());
    // Breaks turned into line feeds on the bytes, the fastest place; loading also clears the modified flag.
    child->editor()->loadText(toQString(withLineFeedBreaks(bytes.value())));
    child->lastLineCount = child->editor()->lineCount();
    child->lastTextLength = child->editor()->textLength();

    child->setCaption(wanted);
    child->editor()->setReadOnlyMode(openReadOnly);
    showNewDocument(child);

    child->filePath = std::make_unique<TPathName>();
    child->filePath->SetPath(path.toStdString());
    if (hasTreeExtension(child->filePath->Ext))
        buildTree(*child, *this);

    child->editor()->setFocus();
    child->syncSuspended = false;
    child->keyIsDown = false;
    child->syncToCaret(child->editor());
}

void MainWindow::newDocument()
{
    std::vector<std::string> captions;
    for (const DocumentWindow *child : documents())
        captions.push_back(child->caption().toStdString());
    const int next = nextBlankNumber(captions);
    if (next > MaxBlankNumber) {
        m_dialogs.message(Dialogs::Icon::Error, QStringLiteral("only 10 blank forms allowed"), Dialogs::Buttons::Ok);
        return;
    }
    DocumentWindow *child = createDocumentWindow();
    child->lineEnding = LineEnding::None;
    child->setCaption(QStringLiteral("blank %1").arg(next));
    child->keyIsDown = false;
    showNewDocument(child);
    child->editor()->setFocus();
}

void MainWindow::closeDocument()
{
    if (DocumentWindow *child = takeActiveDocument()) {
        if (QMdiSubWindow *window = subWindowOf(child))
            window->close();
    }
    // Only a close that happened leaves the window without documents; a
    // cancelled question keeps the document and its commands.
    if (documents().isEmpty()) {
        applyNoDocumentState();
        updateMenuItems();
    } else if (DocumentWindow *active = activeDocument()) {
        active->keyIsDown = false;
    }
}

void MainWindow::setReadOnlyMode()
{
    DocumentWindow *child = takeActiveDocument();
    if (child == nullptr || child->editor()->isReadOnly())
        return;
    openReadOnly = true;
    child->editor()->setReadOnlyMode(true);
    child->setCaption(QString::fromStdString(sourceCaption(child->caption().toStdString(), true)));
    renameTab(child->caption());
    child->updateSaveCommands();
    child->showEditMode();
}

void MainWindow::setUpdateMode()
{
    DocumentWindow *child = takeActiveDocument();
    if (child == nullptr || !child->editor()->isReadOnly())
        return;
    openReadOnly = false;
    child->editor()->setReadOnlyMode(false);
    child->setCaption(QString::fromStdString(withoutReadOnlySuffix(child->caption().toStdString())));
    renameTab(child->caption());
    child->updateSaveCommands();
    child->showEditMode();
}

void MainWindow::save()
{
    if (DocumentWindow *child = takeActiveDocument())
        saveDocument(child);
}

bool MainWindow::saveDocument(DocumentWindow *child)
{
    child->keyIsDown = false;
    const std::string caption = child->caption().toStdString();
    switch (kindOfCaption(caption)) {
    case DocumentKind::Layout:
        return exportLayoutCsv(*child, *this);
    case DocumentKind::Data:
        return saveDataFile(*child, *this);
    case DocumentKind::Source:
        break;
    }
    if (isBlankCaption(caption)) {
        m_keyUpDone = true;
        return saveDocumentAs(child);
    }
    // A read-only document is never written: its caption is not a file name.
    if (child->editor()->isReadOnly())
        return false;
    renameTab(child->caption());
    if (!writeSourceFile(child, child->caption()))
        return false;
    child->editor()->setModified(false);
    child->updateSaveCommands();
    return true;
}

void MainWindow::saveAs()
{
    if (DocumentWindow *child = takeActiveDocument())
        saveDocumentAs(child);
}

bool MainWindow::saveDocumentAs(DocumentWindow *child)
{
    const bool readOnly = child->editor()->isReadOnly();
    const QString proposed = QString::fromStdString(withoutReadOnlySuffix(child->caption().toStdString()));
    const std::optional<QString> chosen = m_dialogs.saveFile(QStringLiteral("Save as"), kSourceFilter, proposed);
    if (!chosen)
        return false;
    const QString path = documentPath(*chosen);
    if (!writeSourceFile(child, path))
        return false;
    child->editor()->setModified(false);
    // The mode stays visible in the caption, so Update mode still finds the path.
    child->setCaption(QString::fromStdString(sourceCaption(path.toStdString(), readOnly)));
    renameTab(child->caption());
    child->updateSaveCommands();
    child->keyIsDown = false;
    return true;
}

void MainWindow::saveAll()
{
    for (DocumentWindow *child : documents()) {
        if (kindOfCaption(child->caption().toStdString()) != DocumentKind::Source)
            continue;
        if (!child->editor()->isModified() || child->editor()->isReadOnly())
            continue;
        bringToFront(child);
        child->activate();
        saveDocument(child);
    }
    if (DocumentWindow *active = activeDocument())
        active->keyIsDown = false;
}

bool MainWindow::writeSourceFile(DocumentWindow *child, const QString &path)
{
    SourceEditor *editor = child->editor();
    if (m_settings.TrailSpaceOption)
        editor->stripTrailingSpaces();
    WaitCursor wait;
    const std::string bytes = composeSourceFile(editor->byteLines(), lineBreakFor(child->lineEnding, m_settings.UnixLineFeedOption),
                                                m_settings.TrailSpaceOption);
    const Result<void> written = writeFileAtomically(pathBytes(path), bytes);
    if (!written) {
        m_dialogs.message(Dialogs::Icon::Error, QString::fromLocal8Bit(written.error()), Dialogs::Buttons::Ok);
        return false;
    }
    return true;
}

void MainWindow::exit()
{
    close();
}

void MainWindow::print()
{
    DocumentWindow *child = takeActiveDocument();
    if (child == nullptr)
        return;
    QPrinter printer(QPrinter::HighResolution);
    if (m_dialogs.print(printer)) {
        WaitCursor wait;
        child->editor()->printText(printer, child->caption());
    }
    child->keyIsDown = false;
}

void MainWindow::printSetup()
{
    QPrinter printer(QPrinter::HighResolution);
    m_dialogs.printSetup(printer);
    if (DocumentWindow *child = takeActiveDocument())
        child->keyIsDown = false;
}

void MainWindow::addRecent(const QString &caption)
{
    reportSettingsSave(m_store.AddRecent(QFile::encodeName(caption).toStdString()));
    showRecentList();
}

void MainWindow::documentClosing(DocumentWindow *child)
{
    removeTab(child->caption());
    if (child->isLayoutWindow || child->isDataWindow) {
        m_dataDocument = nullptr;
    } else {
        m_currentDocument = nullptr;
    }
}

// ---- edit commands ----

void MainWindow::undo()
{
    DocumentWindow *child = takeActiveDocument();
    if (child != nullptr && child->isSourceWindow && child->editor()->isModified())
        child->editor()->undo();
}

// Cut and Paste change the text of the editor, never of the split view, and
// bring the stored lines up to date; in a data window they act on the current cell.
void MainWindow::clipboardEdit(void (QPlainTextEdit::*edit)(), void (*dataCell)(DocumentWindow &))
{
    DocumentWindow *child = takeActiveDocument();
    if (child != nullptr && child->isDataWindow)
        dataCell(*child);
    if (child == nullptr || !child->isSourceWindow)
        return;
    child->keyIsDown = false;
    if (!child->editor()->isReadOnly())
        (child->editor()->*edit)();
    child->updateTree();
    child->editorSelectionChanged();
}

void MainWindow::cut()
{
    clipboardEdit(&QPlainTextEdit::cut, &cutDataCell);
}

void MainWindow::copy()
{
    DocumentWindow *child = takeActiveDocument();
    if (child != nullptr && child->isDataWindow)
        copyDataCell(*child);
    if (child == nullptr || !child->isSourceWindow)
        return;
    child->keyIsDown = false;
    child->editorInUse()->copy();
}

void MainWindow::paste()
{
    clipboardEdit(&QPlainTextEdit::paste, &pasteDataCell);
}

void MainWindow::selectAll()
{
    DocumentWindow *child = takeActiveDocument();
    if (child == nullptr || !child->isSourceWindow)
        return;
    child->keyIsDown = false;
    child->editor()->selectAllText();
}

// ---- window, toolbar and help commands ----

void MainWindow::cascadeWindows()
{
    m_mdiArea->cascadeSubWindows();
}

// Windows one above the other, each the full width of the frame.
void MainWindow::tileWindows()
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

void MainWindow::minimizeAllWindows()
{
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        (*it)->showMinimized();
}

void MainWindow::nextWindow()
{
    m_mdiArea->activatePreviousSubWindow();
    if (DocumentWindow *child = activeDocument())
        child->keyIsDown = false;
}

void MainWindow::previousWindow()
{
    m_mdiArea->activateNextSubWindow();
    if (DocumentWindow *child = activeDocument())
        child->keyIsDown = false;
}

void MainWindow::toggleToolbar()
{
    m_commands->run(HideToolbar);
}

void MainWindow::rebuildWindowMenu()
{
    for (QAction *entry : std::exchange(m_windowListActions, {})) {
        m_commands->windowMenu()->removeAction(entry);
        entry->deleteLater();
    }
    const QList<DocumentWindow *> children = documents();
    if (children.isEmpty())
        return;
    m_windowListActions.append(m_commands->windowMenu()->addSeparator());
    DocumentWindow *active = activeDocument();
    int number = 1;
    for (DocumentWindow *child : children) {
        QString text = child->caption();
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (number < 10)
            text = QStringLiteral("&%1 %2").arg(number).arg(text);
        QAction *entry = m_commands->windowMenu()->addAction(text);
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

void MainWindow::showHelp()
{
    if (!m_help) {
        m_help = new HelpWindow(QString::fromStdString(m_programPath.Dir) + QStringLiteral("help/manual.html"));
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
    if (DocumentWindow *child = takeActiveDocument())
        child->keyIsDown = false;
}

void MainWindow::showAbout()
{
    m_aboutBox->exec();
}

void MainWindow::refreshTree()
{
    DocumentWindow *child = takeActiveDocument();
    if (child == nullptr || !child->isSourceWindow)
        return;
    child->keyIsDown = false;
    child->syncSuspended = true;
    buildTree(*child, *this);
    child->syncSuspended = false;
    child->editorSelectionChanged();
}

void MainWindow::splitScreen()
{
    DocumentWindow *child = takeActiveDocument();
    if (child == nullptr || !child->isSourceWindow)
        return;
    child->keyIsDown = false;
    child->toggleSplitView();
}

void MainWindow::calcOffset()
{
    openRecordWindow(false);
}

void MainWindow::editDataFile()
{
    openRecordWindow(true);
}

// A layout window (or, in data mode, a data window) for the record definition
// selected in the active source window. Nothing is built when the selection
// holds no usable definition.
void MainWindow::openRecordWindow(bool dataMode)
{
    DocumentWindow *source = takeActiveDocument();
    if (source == nullptr || !source->isSourceWindow)
        return;
    source->keyIsDown = false;
    const std::string selected = toBytes(source->editorInUse()->selectedText());
    auto refuse = [this](const std::string &message) {
        m_dialogs.message(Dialogs::Icon::Error, QString::fromLocal8Bit(message), Dialogs::Buttons::Ok);
    };
    if (selected.empty()) {
        refuse("select a record definition");
        return;
    }
    std::optional<WaitCursor> wait(std::in_place);
    Result<LayoutTable> table = norvane::CalcRecordLayout(selected, dataMode ? LayoutMode::Data : LayoutMode::Layout);
    if (!table) {
        wait.reset();
        refuse(table.error());
        return;
    }
    std::vector<DataColumn> columns;
    if (dataMode) {
        Result<std::vector<DataColumn>> built = BuildDataHeaders(table.value());
        if (!built) {
            wait.reset();
            refuse(built.error());
            return;
        }
        columns = std::move(built).value();
    }

    DocumentWindow *child = createDocumentWindow();
    const std::string message = table.value().message;
    if (dataMode)
        showDataWindow(*child, table.value(), std::move(columns), byteOrderFor(m_settings.BigEndianOption));
    else
        showLayoutWindow(*child, std::move(table).value());
    showNewDocument(child);
    wait.reset();
    if (!message.empty())
        refuse(message);
    if (dataMode)
        child->dataGrid()->setFocus();
}

void MainWindow::transformSelectedLines(BlockEdit edit)
{
    DocumentWindow *child = takeActiveDocument();
    if (child == nullptr || !child->isSourceWindow)
        return;
    child->keyIsDown = false;
    child->transformSelectedLines(edit);
}

void MainWindow::indent()
{
    transformSelectedLines(BlockEdit::Indent);
}

void MainWindow::unindent()
{
    transformSelectedLines(BlockEdit::Unindent);
}

void MainWindow::comment()
{
    transformSelectedLines(BlockEdit::Comment);
}

void MainWindow::uncomment()
{
    transformSelectedLines(BlockEdit::Uncomment);
}

void MainWindow::track()
{
    DocumentWindow *child = takeActiveDocument();
    if (child != nullptr)
        child->keyIsDown = false;
    norvane::track(child, *this);
}

void MainWindow::backTrack()
{
    DocumentWindow *child = takeActiveDocument();
    if (child != nullptr)
        child->keyIsDown = false;
    norvane::backTrack(child, *this);
}

// Gives every open editor the chosen font; a font change is no edit.
void MainWindow::chooseFont()
{
    const std::optional<QFont> chosen = m_dialogs.chooseFont(editorFont(m_settings.editorFont));
    if (!chosen)
        return;
    m_settings.editorFont = fontSpecOf(*chosen);
    const QList<DocumentWindow *> children = documents();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        DocumentWindow *child = *it;
        const bool modified = child->editor()->isModified();
        child->syncSuspended = true;
        child->editor()->setFont(*chosen);
        child->splitView()->setFont(*chosen);
        child->editor()->setModified(modified);
        child->syncSuspended = false;
    }
    writeSettings();
}

// ---- search commands ----

void MainWindow::find()
{
    m_search->find(takeActiveDocument());
}

void MainWindow::replace()
{
    m_search->replace(takeActiveDocument());
}

void MainWindow::findAll()
{
    m_findAllDialog->showFor(takeActiveDocument());
}

void MainWindow::goToLine()
{
    norvane::goToLine(takeActiveDocument(), m_dialogs);
}

} // namespace norvane
