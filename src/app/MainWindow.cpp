#include "app/MainWindow.h"

#include "app/AboutBox.h"
#include "app/CommandActions.h"
#include "app/HelpWindow.h"
#include "app/StatusPanel.h"
#include "common/core/DocumentKind.h"
#include "common/core/Rounding.h"
#include "common/widgets/Dialogs.h"
#include "common/widgets/FontChoice.h"
#include "document/widgets/DocumentArea.h"
#include "document/widgets/DocumentWindow.h"
#include "document/widgets/EditCommands.h"
#include "document/widgets/FileCommands.h"
#include "document/widgets/SourceEditor.h"
#include "layout/core/LayoutTable.h"
#include "layout/widgets/RecordWindows.h"
#include "search/widgets/FindAllDialog.h"
#include "search/widgets/GotoLine.h"
#include "search/widgets/SearchCommands.h"
#include "settings/core/Settings.h"
#include "settings/widgets/OptionsDialog.h"
#include "settings/widgets/RecentFiles.h"
#include "structure/widgets/RefreshTree.h"
#include "structure/widgets/Track.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>

#include <functional>
#include <utility>

// The icons are compiled into the application library; a static library's
// resources must be registered by hand.
static void initResources()
{
    Q_INIT_RESOURCE(norvane);
}

namespace norvane {

namespace {

using enum CommandId;

constexpr int StatusPanel1Width = 300;

} // namespace

MainWindow::MainWindow(const Environment &environment, QWidget *parent)
    : QMainWindow(parent), m_settings(environment.settings), m_dialogs(environment.dialogs)
{
    initResources();
    // The window's own title stays empty: the platform shows the program's
    // name ("Norvane", the display name) after it, and the document area puts
    // a maximised document's caption and unsaved-changes mark there, so the
    // title reads "path* — Norvane" and names the program once.
    setWindowTitle(QString());
    setWindowIcon(QIcon(QStringLiteral(":/icons/norvane.svg")));
    setAcceptDrops(true);
    setContextMenuPolicy(Qt::NoContextMenu);

    m_commands = new CommandActions(*this);
    m_area = new DocumentArea(*this, this);
    setCentralWidget(m_area);
    createStatusBar();
    applyCommandStates(initialCommandStates());
    m_recent = new RecentFiles(m_settings, m_dialogs, m_commands->recentMenu(), this);
    m_files = new FileCommands(*m_area, *this, *m_recent, this);
    bindCommands();

    m_programFiles = ProgramFiles::locate(environment.programFolder);
    fitStatusPanels();

    m_aboutBox = new AboutBox(m_programFiles.readmePath(), m_dialogs, this);
    m_options = new OptionsDialog(m_settings, this);
    connect(m_options, &QDialog::accepted, this, [this] {
        m_settings = m_options->chosenSettings();
        m_area->applyEditorLook();
        saveSettings();
    });
    m_findAllDialog = new FindAllDialog(*this, this);
    m_search = new SearchCommands(*this, this);
    m_recent->load(environment.settingsFolder,
                   m_programFiles.settingsFallbackFolder(environment.settingsFolder));
}

MainWindow::~MainWindow() = default;

// Each command's handler: the concern that owns the work does it.
void MainWindow::bindCommands()
{
    FileCommands *files = m_files;
    DocumentArea *area = m_area;
    const std::pair<CommandId, std::function<void()>> handlers[] = {
        {Open, [files] { files->openFiles(); }},
        {New, [files] { files->newDocument(); }},
        {Close, [files] { files->closeDocument(); }},
        {ReadOnlyMode, [files] { files->setReadOnlyMode(); }},
        {UpdateMode, [files] { files->setUpdateMode(); }},
        {Save, [files] { files->save(); }},
        {SaveAll, [files] { files->saveAll(); }},
        {SaveAs, [files] { files->saveAs(); }},
        {Print, [files] { files->print(); }},
        {PrintSetup, [files] { files->printSetup(); }},
        {Exit, [this] { close(); }},
        {Undo, [area] { undoEdit(area->takeActiveDocument()); }},
        {Redo, [area] { redoEdit(area->takeActiveDocument()); }},
        {UndoButton, [area] { undoEdit(area->takeActiveDocument()); }},
        {Cut, [area] { cutToClipboard(area->takeActiveDocument()); }},
        {Copy, [area] { copyToClipboard(area->takeActiveDocument()); }},
        {Paste, [area] { pasteFromClipboard(area->takeActiveDocument()); }},
        {SelectAll,
         [this] {
             if (DocumentWindow *child = takeSourceForCommand())
                 child->editor()->selectAllText();
         }},
        {Find, [this] { m_search->find(m_area->takeActiveDocument()); }},
        {FindNext, [this] { m_search->findAgain(m_area->takeActiveDocument(), true); }},
        {FindPrevious, [this] { m_search->findAgain(m_area->takeActiveDocument(), false); }},
        {Replace, [this] { m_search->replace(m_area->takeActiveDocument()); }},
        {FindAll, [this] { m_findAllDialog->showFor(m_area->takeActiveDocument()); }},
        {GoTo, [this] { goToLine(m_area->takeActiveDocument(), m_dialogs); }},
        {SplitScreen,
         [this] {
             if (DocumentWindow *child = takeSourceForCommand())
                 child->toggleSplitView();
         }},
        {RefreshTree,
         [this] {
             if (DocumentWindow *child = takeSourceForCommand())
                 refreshTree(*child, *this);
         }},
        {Indent, [this] { transformSelectedLines(BlockEdit::Indent); }},
        {Unindent, [this] { transformSelectedLines(BlockEdit::Unindent); }},
        {Comment, [this] { transformSelectedLines(BlockEdit::Comment); }},
        {Uncomment, [this] { transformSelectedLines(BlockEdit::Uncomment); }},
        {CalcOffset,
         [this] {
             if (DocumentWindow *source = takeSourceForCommand())
                 openRecordWindow(*source, LayoutMode::Layout, *m_area, *this);
         }},
        {EditDataFile,
         [this] {
             if (DocumentWindow *source = takeSourceForCommand())
                 openRecordWindow(*source, LayoutMode::Data, *m_area, *this);
         }},
        {RecordFields,
         [this] {
             if (DocumentWindow *child = m_area->takeActiveDocument(); child != nullptr && child->isDataWindow)
                 toggleRecordView(*child, RecordView::Fields);
         }},
        {RecordBytes,
         [this] {
             if (DocumentWindow *child = m_area->takeActiveDocument(); child != nullptr && child->isDataWindow)
                 toggleRecordView(*child, RecordView::Bytes);
         }},
        {NextInvalidCell,
         [this] {
             if (DocumentWindow *child = m_area->takeActiveDocument(); child != nullptr && child->isDataWindow)
                 goToNextInvalidCell(*child, *this);
         }},
        {Track, [this] { track(takeDocumentForCommand(), *this); }},
        {BackTrack, [this] { backTrack(takeDocumentForCommand(), *this); }},
        {Options, [this] { showOptions(); }},
        {Font, [this] { chooseFont(); }},
        {Cascade, [area] { area->cascadeWindows(); }},
        {Tile, [area] { area->tileWindows(); }},
        {MinimizeAll, [area] { area->minimizeAllWindows(); }},
        {NextWindow, [area] { area->nextWindow(); }},
        {PreviousWindow, [area] { area->previousWindow(); }},
        {Help, [this] { showHelp(); }},
        {About, [this] { m_aboutBox->exec(); }},
    };
    for (const auto &[id, handler] : handlers)
        m_commands->setHandler(id, handler);

    connect(m_area, &DocumentArea::closeRequested, m_files, &FileCommands::closeDocument);
    connect(m_area, &DocumentArea::frontUnsavedMarkChanged, this, &MainWindow::keepFrontMark);
    connect(m_commands->windowMenu(), &QMenu::aboutToShow, m_area,
            [this] { m_area->rebuildWindowList(m_commands->windowMenu()); });
    connect(m_recent, &RecentFiles::fileChosen, m_files, &FileCommands::openRecent);
}

DocumentWindow *MainWindow::takeDocumentForCommand()
{
    DocumentWindow *child = m_area->takeActiveDocument();
    if (child != nullptr)
        child->keyIsDown = false;
    return child;
}

DocumentWindow *MainWindow::takeSourceForCommand()
{
    DocumentWindow *child = m_area->takeActiveDocument();
    if (child == nullptr || !child->isSourceWindow)
        return nullptr;
    child->keyIsDown = false;
    return child;
}

void MainWindow::transformSelectedLines(BlockEdit edit)
{
    if (DocumentWindow *child = takeSourceForCommand())
        child->transformSelectedLines(edit);
}

void MainWindow::showHelp()
{
    if (!m_help) {
        m_help = new HelpWindow(m_programFiles.manualPath());
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
    takeDocumentForCommand();
}

void MainWindow::showOptions()
{
    m_options->showSettings();
    m_options->open();
}

// Gives every open editor the chosen font and keeps it in the settings.
void MainWindow::chooseFont()
{
    const std::optional<QFont> chosen = m_dialogs.chooseFont(editorFont(m_settings.editorFont));
    if (!chosen)
        return;
    m_settings.editorFont = fontSpecOf(*chosen);
    m_area->setEditorFont(*chosen);
    saveSettings();
}

void MainWindow::openSourceFile(const QString &name)
{
    m_files->openSourceFile(name);
}

DocumentWindow *MainWindow::showSourceFile(const QString &path)
{
    return m_files->showSourceFile(path);
}

// ---- status bar ----

void MainWindow::createStatusBar()
{
    for (StatusPanel *&panel : m_panels) {
        panel = new StatusPanel(this);
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

void MainWindow::showProgress(const QString &text)
{
    m_panels[1]->setText(text);
    m_panels[1]->repaint();
}

// ---- what the document windows and the tests reach ----

QAction *MainWindow::action(CommandId id) const
{
    return m_commands->action(id);
}

const SettingsStore &MainWindow::settingsStore() const
{
    return m_recent->store();
}

void MainWindow::saveSettings()
{
    m_recent->writeSettings();
}

QString MainWindow::dataFormatsPath() const
{
    // Beside the settings file, in a file of its own: the settings file keeps
    // the keys older versions read.
    const QFileInfo settings(QFile::decodeName(m_recent->store().IniPath().c_str()));
    return settings.absoluteDir().filePath(QStringLiteral("NorvaneDataFormats.txt"));
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

DocumentWindow *MainWindow::activeDocument() const
{
    return m_area->activeDocument();
}

void MainWindow::bringToFront(DocumentWindow *child)
{
    m_area->bringToFront(child);
}

void MainWindow::renameTab(const QString &caption)
{
    m_area->renameTab(caption);
}

void MainWindow::selectTabFor(const QString &caption)
{
    m_area->selectTabFor(caption);
}

bool MainWindow::saveDocument(DocumentWindow *child)
{
    return m_files->saveDocument(child);
}

void MainWindow::addRecent(const QString &caption)
{
    // A document whose file was never made (or is gone) leaves no entry that could only fail.
    if (QFileInfo::exists(QString::fromStdString(withoutReadOnlySuffix(caption.toStdString()))))
        m_recent->add(caption);
}

void MainWindow::documentClosing(DocumentWindow *child)
{
    m_area->removeTab(child->caption());
    if (child->isLayoutWindow || child->isDataWindow)
        m_dataDocument = nullptr;
    else
        m_currentDocument = nullptr;
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
    m_area->updateMenuItems();
    m_files->openAtStart(std::exchange(m_startFiles, {}));
}

void MainWindow::activateFromOtherInstance(const QStringList &files)
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    m_files->openNamedFiles(files);
}

// The title shows the front document's unsaved-changes mark. A maximised
// sub-window sets the main window's mark itself, and clears it when its
// buttons leave the menu bar, also when another document is already in front;
// so the mark is put right after every such change, once the sub-windows are done.
void MainWindow::keepFrontMark()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            const DocumentWindow *front = activeDocument();
            const bool unsaved = front != nullptr && front->isWindowModified();
            if (isWindowModified() != unsaved)
                setWindowModified(unsaved);
        },
        Qt::QueuedConnection);
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ModifiedChange)
        keepFrontMark();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitStatusPanels();
    m_area->applyPaneSizes();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_area->closeAll()) {
        event->ignore();
        return;
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

} // namespace norvane
