#include "app/TMainForm.h"

#include "app/HelpWindow.h"
#include "app/TAboutBox.h"
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
#include "document/widgets/TMDIChild.h"
#include "search/widgets/GotoLine.h"
#include "search/widgets/SearchCommands.h"
#include "search/widgets/TFindAllDlg.h"
#include "layout/core/LayoutTable.h"
#include "layout/widgets/RecordWindows.h"
#include "settings/core/Settings.h"
#include "settings/widgets/TOptionsDialog.h"
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
#include <QSysInfo>
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

// Captions and shortcuts of the menu items; the toolbar buttons follow below.
struct ActionSpec {
    CommandId id;
    const char *text;
    QKeySequence shortcut;
    const char *icon = nullptr;
};

const QString kSourceFilter = QStringLiteral(
    "All Files (*);;Cobol (*.cbl *.CBL);;Source (*.cob *.COB);;User Exit (*.uex *.UEX)");

constexpr int StatusPanel1Width = 300;
constexpr int ToolbarHeight = 33;
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

TMainForm::TMainForm(const Environment &environment, QWidget *parent)
    : QMainWindow(parent), m_settings(environment.settings), m_dialogs(environment.dialogs),
      m_store(environment.settings)
{
    initResources();
    setWindowTitle(QStringLiteral("Norvane"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/norvane.svg")));
    setAcceptDrops(true);
    setContextMenuPolicy(Qt::NoContextMenu);

    createActions();
    createMenus();
    createToolBar();
    createTabStrip();
    createStatusBar();
    applyCommandStates(initialCommandStates());

    m_programFiles = ProgramFiles::locate(environment.programFolder);
    OSName = QSysInfo::prettyProductName();
    fitStatusPanels();

    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            return;
        if (TMDIChild *child = activeChild())
            child->IgnoreTabUp = true;
        KeyUpDone = true;
    });

    AboutBox = new TAboutBox(m_programFiles.readmePath(), m_dialogs, this);
    m_options = new TOptionsDialog(m_settings, this);
    connect(m_options, &QDialog::accepted, this, [this] {
        m_settings = m_options->chosenSettings();
        OKBtnClick();
    });
    FindAllDlg = new TFindAllDlg(*this, this);
    Search = new SearchCommands(*this, this);
    loadSettings(environment.settingsFolder);
}

QString TMainForm::defaultSettingsFolder()
{
    const QString appData = qEnvironmentVariable("APPDATA");
    if (!appData.isEmpty())
        return QDir(appData).filePath(QStringLiteral("zelkar/Norvane/"));
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("zelkar/Norvane/"));
}

// Reads the settings file (or creates it) and builds the Recent menu. A new
// file goes beside the program, or to the per-user folder when the program is
// installed or its folder cannot be written (see ProgramFiles).
void TMainForm::loadSettings(const QString &settingsFolder)
{
    const QString fallback = m_programFiles.settingsFallbackFolder(settingsFolder);
    auto withSeparator = [](const QString &path) {
        return QFile::encodeName(QDir::toNativeSeparators(QDir::cleanPath(path)) + QDir::separator()).toStdString();
    };
    for (const std::string &text : m_store.load(withSeparator(settingsFolder), withSeparator(fallback)))
        m_dialogs.message(Dialogs::Icon::Warning, QString::fromLocal8Bit(text), Dialogs::Buttons::Ok);
    ShowRecentList();
}

void TMainForm::ShowRecentList()
{
    const QList<QAction *> items = RecentMenu->actions();
    const norvane::RecentMenu &entries = m_store.recentMenu();
    for (int i = 0; i < items.size() && i < norvane::RecentMenu::Count; ++i) {
        const RecentEntry &entry = entries.at(i);
        QString text = QString::fromLocal8Bit(entry.caption);
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        items[i]->setText(text);
        items[i]->setVisible(entry.visible);
    }
}

void TMainForm::reportSettingsSave(const Result<void> &saved)
{
    if (const std::optional<std::string> message = m_store.messageToShow(saved))
        m_dialogs.message(Dialogs::Icon::Warning, QString::fromLocal8Bit(*message), Dialogs::Buttons::Ok);
}

void TMainForm::OptionsClick()
{
    m_options->showSettings();
    m_options->open();
}

void TMainForm::OKBtnClick()
{
    reportSettingsSave(m_store.WriteSettings());
    ShowRecentList();
}

void TMainForm::RecentClick(int position)
{
    const RecentPath entry = m_store.recentPathAt(position);
    OpenReadOnly = entry.readOnly;
    if (!entry.path.empty())
        OpenSourceFile(QString::fromLocal8Bit(entry.path));
}

TMainForm::~TMainForm() = default;

void TMainForm::createActions()
{
    const ActionSpec specs[] = {
        {FileOpenItem, "&Open", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {New1, "&New", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {FileCloseItem, "&Close", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {ReadOnly1, "&Read Only mode", {}},
        {UpdateMode1, "&Update mode", {}},
        {FileSaveItem, "&Save", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {SaveAll1, "Save a&ll", QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {FileSaveAsItem, "Save &as...", {}},
        {Print1, "Print", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {PrintSetup1, "Print setup", {}},
        {FileExitItem, "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Delete)},
        {UndoItem, "&Undo         Ctrl+Z", {}},
        {CutItem, "Cu&t           Ctrl+X", {}},
        {CopyItem, "&Copy        Ctrl+C", {}},
        {PasteItem, "&Paste        Ctrl+V", {}},
        {SelectAll, "Select &all   Ctrl+A", {}},
        {Find1, "&Find", QKeySequence(Qt::CTRL | Qt::Key_F)},
        {Replace1, "&Replace", QKeySequence(Qt::CTRL | Qt::Key_R)},
        {FindAll1, "Find all", QKeySequence(Qt::CTRL | Qt::Key_D)},
        {Goto1, "&Go to", QKeySequence(Qt::CTRL | Qt::Key_G)},
        {Splitscreen1, "&Split screen", QKeySequence(Qt::CTRL | Qt::Key_J)},
        {RefreshTree1, "Refresh &tree", QKeySequence(Qt::CTRL | Qt::Key_T)},
        {Indent1, "&Indent", QKeySequence(Qt::CTRL | Qt::Key_I)},
        {Unindent1, "&Unindent", QKeySequence(Qt::CTRL | Qt::Key_U)},
        {Offset1, "Ca&lc offset", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {Editflatfile1, "&Edit data file", QKeySequence(Qt::CTRL | Qt::Key_E)},
        {mmComment, "Comment", QKeySequence(Qt::CTRL | Qt::Key_K)},
        {mmUnComment, "Uncomment", QKeySequence(Qt::CTRL | Qt::Key_W)},
        {mmTrack, "Trac&k", QKeySequence(Qt::Key_F4)},
        {Trackback1, "&Back track", QKeySequence(Qt::Key_F5)},
        {Hidetoolbar1, "&Hide toolbar", {}},
        {Options, "&Options", {}},
        {Font1, "Font", {}},
        {WindowCascadeItem, "&Cascade", {}},
        {WindowTileItem, "&Tile", {}},
        {WindowMinimizeItem, "&Minimize all", {}},
        {Next1, "&Next", {}},
        {Previous1, "&Previous", {}},
        {Help2, "&Help", QKeySequence(Qt::Key_F1)},
        {HelpAboutItem, "&About", {}},
        // Toolbar buttons: the text is the tooltip.
        {NewBtn, "New", {}, "new"},
        {OpenBtn, "Open", {}, "open"},
        {SaveBtn, "Save", {}, "save"},
        {PrintButton, "Print", {}, "print"},
        {CutBtn, "Cut", {}, "cut"},
        {CopyBtn, "Copy", {}, "copy"},
        {PasteBtn, "Paste", {}, "paste"},
        {RefreshTree, "Refresh Tree", {}, "refresh-tree"},
        {FindBtn, "Find", {}, "find"},
        {Replace, "Replace", {}, "replace"},
        {FindAllBtn, "Find all", {}, "find-all"},
        {btnTrack, "Track", {}, "track"},
        {btnTrackback, "Back track", {}, "back-track"},
        {UndoButton1, "Undo", {}, "undo"},
        {GotoBtn, "Go to", {}, "goto"},
        {SplitBtn, "Split screen", {}, "split"},
        {UnindentBtn, "Unindent", {}, "unindent"},
        {IndentBtn, "Indent", {}, "indent"},
        {CommentBtn, "Comment", {}, "comment"},
        {UncommentBtn, "un-Comment", {}, "uncomment"},
        {CalcOffset, "Calc Offset", {}, "calc-offset"},
        {EditBtn, "Edit data file", {}, "edit-data"},
    };

    // The handler each command runs; commands of later concerns have none yet.
    const std::pair<CommandId, Handler> handlers[] = {
        {FileOpenItem, &TMainForm::FileOpenItemClick},   {OpenBtn, &TMainForm::FileOpenItemClick},
        {New1, &TMainForm::New1Click},                   {NewBtn, &TMainForm::New1Click},
        {FileCloseItem, &TMainForm::FileCloseItemClick}, {ReadOnly1, &TMainForm::ReadOnly1Click},
        {UpdateMode1, &TMainForm::UpdateMode1Click},     {FileSaveItem, &TMainForm::FileSaveItemClick},
        {SaveBtn, &TMainForm::FileSaveItemClick},        {SaveAll1, &TMainForm::SaveAll1Click},
        {FileSaveAsItem, &TMainForm::FileSaveAsItemClick}, {Print1, &TMainForm::PrintButtonClick},
        {PrintButton, &TMainForm::PrintButtonClick},     {PrintSetup1, &TMainForm::PrintSetup1Click},
        {FileExitItem, &TMainForm::FileExitItemClick},   {UndoItem, &TMainForm::UndoItemClick},
        {UndoButton1, &TMainForm::UndoItemClick},        {CutItem, &TMainForm::CutItemClick},
        {CutBtn, &TMainForm::CutItemClick},              {CopyItem, &TMainForm::CopyItemClick},
        {CopyBtn, &TMainForm::CopyItemClick},            {PasteItem, &TMainForm::PasteItemClick},
        {PasteBtn, &TMainForm::PasteItemClick},          {SelectAll, &TMainForm::SelectAllClick},
        {RefreshTree1, &TMainForm::RefreshTreeClick},    {RefreshTree, &TMainForm::RefreshTreeClick},
        {mmTrack, &TMainForm::mmTrackClick},             {btnTrack, &TMainForm::mmTrackClick},
        {Trackback1, &TMainForm::Trackback1Click},       {btnTrackback, &TMainForm::Trackback1Click},
        {Hidetoolbar1, &TMainForm::Hidetoolbar1Click},   {Font1, &TMainForm::Font1Click},
        {Options, &TMainForm::OptionsClick},
        {SplitBtn, &TMainForm::SplitBtnClick},           {Splitscreen1, &TMainForm::SplitBtnClick},
        {IndentBtn, &TMainForm::IndentBtnClick},         {Indent1, &TMainForm::IndentBtnClick},
        {CalcOffset, &TMainForm::CalcOffsetClick},       {Offset1, &TMainForm::CalcOffsetClick},
        {EditBtn, &TMainForm::EditBtnClick},             {Editflatfile1, &TMainForm::EditBtnClick},
        {UnindentBtn, &TMainForm::UnindentBtnClick},     {Unindent1, &TMainForm::UnindentBtnClick},
        {CommentBtn, &TMainForm::CommentBtnClick},       {mmComment, &TMainForm::CommentBtnClick},
        {UncommentBtn, &TMainForm::UncommentBtnClick},   {mmUnComment, &TMainForm::UncommentBtnClick},
        {WindowCascadeItem, &TMainForm::WindowCascadeItemClick},
        {WindowTileItem, &TMainForm::WindowTileItemClick},
        {WindowMinimizeItem, &TMainForm::WindowMinimizeItemClick},
        {Next1, &TMainForm::Next1Click},                 {Previous1, &TMainForm::Previous1Click},
        {Help2, &TMainForm::Help2Click},                 {HelpAboutItem, &TMainForm::HelpAboutItemClick},
        {Find1, &TMainForm::FindBtnClick},               {FindBtn, &TMainForm::FindBtnClick},
        {Replace1, &TMainForm::ReplaceClick},            {Replace, &TMainForm::ReplaceClick},
        {FindAll1, &TMainForm::FindAllBtnClick},         {FindAllBtn, &TMainForm::FindAllBtnClick},
        {Goto1, &TMainForm::GotoClick},                  {GotoBtn, &TMainForm::GotoClick},
    };

    for (const ActionSpec &spec : specs) {
        auto *action = new QAction(QString::fromLatin1(spec.text), this);
        action->setObjectName(QString::fromLatin1(commandName(spec.id).data(),
                                                  static_cast<qsizetype>(commandName(spec.id).size())));
        if (!spec.shortcut.isEmpty()) {
            action->setShortcut(spec.shortcut);
            action->setShortcutContext(Qt::WindowShortcut);
        }
        if (spec.icon != nullptr) {
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(spec.icon))));
            action->setToolTip(QString::fromLatin1(spec.text));
        }
        m_actions[static_cast<std::size_t>(spec.id)] = action;
    }
    for (const auto &[id, handler] : handlers) {
        m_handlers[static_cast<std::size_t>(id)] = handler;
        connect(action(id), &QAction::triggered, this, handler);
    }

    QAction *hide = action(Hidetoolbar1);
    hide->setCheckable(true);
    disconnect(hide, &QAction::triggered, this, nullptr);
    connect(hide, &QAction::toggled, this, [this](bool hidden) { ButtonsPanel->setVisible(!hidden); });
}

void TMainForm::createMenus()
{
    auto add = [this](QMenu *menu, std::initializer_list<CommandId> ids) {
        for (CommandId id : ids)
            menu->addAction(action(id));
    };

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    add(file, {FileOpenItem, New1, FileCloseItem});
    file->addSeparator();
    add(file, {ReadOnly1, UpdateMode1});
    file->addSeparator();
    add(file, {FileSaveItem, SaveAll1, FileSaveAsItem});
    file->addSeparator();
    add(file, {Print1, PrintSetup1});
    file->addSeparator();
    add(file, {FileExitItem});

    RecentMenu = menuBar()->addMenu(QStringLiteral("&Recent"));
    for (int i = 0; i < norvane::RecentMenu::Count; ++i) {
        QAction *entry = RecentMenu->addAction(QString());
        entry->setObjectName(QStringLiteral("Recent%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        entry->setVisible(false);
        connect(entry, &QAction::triggered, this, [this, i] { RecentClick(i); });
    }

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    add(edit, {UndoItem});
    edit->addSeparator();
    add(edit, {CutItem, CopyItem, PasteItem});
    edit->addSeparator();
    add(edit, {SelectAll});
    action(CutItem)->setStatusTip(QStringLiteral("Cut to clipboard"));
    action(CopyItem)->setStatusTip(QStringLiteral("Copy to clipboard"));
    action(PasteItem)->setStatusTip(QStringLiteral("Paste from clipboard"));

    QMenu *tools = menuBar()->addMenu(QStringLiteral("Tools"));
    add(tools, {Find1, Replace1, FindAll1});
    tools->addSeparator();
    add(tools, {Goto1, Splitscreen1, RefreshTree1});
    tools->addSeparator();
    add(tools, {Indent1, Unindent1});
    tools->addSeparator();
    add(tools, {Offset1, Editflatfile1});
    tools->addSeparator();
    add(tools, {mmComment, mmUnComment});
    tools->addSeparator();
    add(tools, {mmTrack, Trackback1});
    tools->addSeparator();
    add(tools, {Hidetoolbar1, Options, Font1});

    WindowMenu = menuBar()->addMenu(QStringLiteral("&Window"));
    add(WindowMenu, {WindowCascadeItem, WindowTileItem, WindowMinimizeItem, Next1, Previous1});
    connect(WindowMenu, &QMenu::aboutToShow, this, &TMainForm::rebuildWindowMenu);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    add(help, {Help2, HelpAboutItem});
}

void TMainForm::createToolBar()
{
    ButtonsPanel = new QToolBar(QStringLiteral("Toolbar"), this);
    ButtonsPanel->setObjectName(QStringLiteral("ButtonsPanel"));
    ButtonsPanel->setMovable(false);
    ButtonsPanel->setFloatable(false);
    ButtonsPanel->setIconSize(QSize(20, 20));
    ButtonsPanel->setFixedHeight(ToolbarHeight);
    ButtonsPanel->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, ButtonsPanel);

    // Groups of buttons, as the gaps of the toolbar show them.
    const std::initializer_list<CommandId> groups[] = {
        {NewBtn, OpenBtn, SaveBtn, PrintButton},
        {CutBtn, CopyBtn, PasteBtn},
        {RefreshTree, FindBtn, Replace, FindAllBtn},
        {btnTrack, btnTrackback},
        {UndoButton1, GotoBtn, SplitBtn},
        {UnindentBtn, IndentBtn},
        {CommentBtn, UncommentBtn},
        {CalcOffset, EditBtn},
    };
    bool first = true;
    for (const auto &group : groups) {
        if (!first)
            ButtonsPanel->addSeparator();
        first = false;
        for (CommandId id : group)
            ButtonsPanel->addAction(action(id));
    }

    ToolbarMenu = new QMenu(this);
    QAction *hide = ToolbarMenu->addAction(QStringLiteral("Hide toolbar"));
    connect(hide, &QAction::triggered, this, &TMainForm::Hidetoolbar1Click);
    ButtonsPanel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ButtonsPanel, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &point) { ToolbarMenu->popup(ButtonsPanel->mapToGlobal(point)); });
}

void TMainForm::createTabStrip()
{
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *TabPanel = new QWidget(central);
    TabPanel->setFixedHeight(TabStripHeight);
    auto *tabLayout = new QHBoxLayout(TabPanel);
    tabLayout->setContentsMargins(2, 2, 2, 2);
    TabControl1 = new QTabBar(TabPanel);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setExpanding(false);
    TabControl1->setDrawBase(false);
    TabControl1->setUsesScrollButtons(true);
    tabLayout->addWidget(TabControl1);
    tabLayout->addStretch();
    layout->addWidget(TabPanel);

    m_mdiArea = new QMdiArea(central);
    m_mdiArea->setViewMode(QMdiArea::SubWindowView);
    m_mdiArea->setActivationOrder(QMdiArea::StackingOrder);
    m_mdiArea->setBackground(palette().brush(QPalette::Dark));
    layout->addWidget(m_mdiArea, 1);
    setCentralWidget(central);

    connect(TabControl1, &QTabBar::currentChanged, this, [this](int index) {
        if (!m_changingTabs)
            TabControl1Change(index);
    });
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *window) {
        if (window != nullptr) {
            if (auto *child = qobject_cast<TMDIChild *>(window->widget()))
                child->FormActivate();
        }
        UpdateMenuItems();
    });

    TabMenu = new QMenu(this);
    QAction *close = TabMenu->addAction(QStringLiteral("Close"));
    connect(close, &QAction::triggered, this, &TMainForm::FileCloseItemClick);
    connect(TabMenu, &QMenu::aboutToShow, this, [this, close] { close->setVisible(activeChild() != nullptr); });
    TabControl1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TabControl1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &point) { TabMenu->popup(TabControl1->mapToGlobal(point)); });
}

void TMainForm::createStatusBar()
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

void TMainForm::fitStatusPanels()
{
    m_panels[0]->setFixedWidth(roundHalfEven(width() / 3.0));
}

QString TMainForm::statusPanel(int panel) const
{
    return m_panels[panel]->text();
}

void TMainForm::setStatusPanel(int panel, const QString &text)
{
    m_panels[panel]->setText(text);
}

void TMainForm::applyCommandStates(const CommandStates &states)
{
    for (std::size_t i = 0; i < CommandCount; ++i) {
        if (const std::optional<bool> enabled = states.get(static_cast<CommandId>(i)))
            m_actions[i]->setEnabled(*enabled);
    }
}

bool TMainForm::isCommandEnabled(CommandId id) const
{
    return action(id)->isEnabled();
}

// Popup items copy the enabled state of their command when they open, so the
// handler runs here whatever the command's own state.
void TMainForm::runCommand(CommandId id)
{
    if (const Handler handler = m_handlers[static_cast<std::size_t>(id)])
        (this->*handler)();
}

QList<TMDIChild *> TMainForm::documents() const
{
    QList<TMDIChild *> result;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto *child = qobject_cast<TMDIChild *>(window->widget()))
            result.append(child);
    }
    return result;
}

TMDIChild *TMainForm::activeChild() const
{
    QMdiSubWindow *window = m_mdiArea->currentSubWindow();
    return window != nullptr ? qobject_cast<TMDIChild *>(window->widget()) : nullptr;
}

TMDIChild *TMainForm::takeCurrentChild()
{
    CurrentChild = activeChild();
    return CurrentChild.data();
}

QMdiSubWindow *TMainForm::subWindowOf(TMDIChild *child) const
{
    for (QMdiSubWindow *window : m_mdiArea->subWindowList()) {
        if (window->widget() == child)
            return window;
    }
    return nullptr;
}

void TMainForm::bringToFront(TMDIChild *child)
{
    if (QMdiSubWindow *window = subWindowOf(child)) {
        if (window->isMinimized())
            window->showMaximized();
        m_mdiArea->setActiveSubWindow(window);
        window->raise();
    }
}

TMDIChild *TMainForm::createChild()
{
    auto *child = new TMDIChild(*this);
    QMdiSubWindow *window = m_mdiArea->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowIcon(windowIcon());
    // The frame's own window-menu keys (Ctrl+W closes, on some systems) would
    // take keys from the program's commands.
    if (QMenu *systemMenu = window->systemMenu()) {
        for (QAction *item : systemMenu->actions())
            item->setShortcut({});
    }
    child->RichEdit1->setFont(editorFont(m_settings.editorFont));
    child->RichEdit2->setFont(editorFont(m_settings.editorFont));
    return child;
}

// A new window, its caption set: its tab, shown maximised and active.
void TMainForm::showNewDocument(TMDIChild *child)
{
    AddTab(child->caption());
    QMdiSubWindow *window = subWindowOf(child);
    window->showMaximized();
    m_mdiArea->setActiveSubWindow(window);
    child->FormActivate();
}

// ---- tab strip ----

void TMainForm::AddTab(const QString &caption)
{
    const int index = m_tabs.AddTab(caption.toStdString());
    m_changingTabs = true;
    TabControl1->addTab(tabText(caption));
    TabControl1->setTabToolTip(index, caption);
    TabControl1->setCurrentIndex(index);
    m_changingTabs = false;
}

void TMainForm::RemoveTab(const QString &caption)
{
    if (const std::optional<int> index = m_tabs.RemoveTab(caption.toStdString())) {
        m_changingTabs = true;
        TabControl1->removeTab(*index);
        m_changingTabs = false;
    }
}

void TMainForm::RenameTab(const QString &caption)
{
    const int index = TabControl1->currentIndex();
    if (index < 0)
        return;
    TabControl1->setTabText(index, tabText(caption));
    TabControl1->setTabToolTip(index, caption);
    m_tabs.RenameTab(index, caption.toStdString());
}

void TMainForm::selectTabFor(const QString &caption)
{
    if (const std::optional<int> index = m_tabs.lowestIndexOf(caption.toStdString())) {
        m_changingTabs = true;
        TabControl1->setCurrentIndex(*index);
        m_changingTabs = false;
    }
}

void TMainForm::TabControl1Change(int index)
{
    if (index < 0 || index >= m_tabs.count())
        return;
    const QString caption = QString::fromStdString(m_tabs.pathAt(index));
    for (TMDIChild *child : documents()) {
        if (child->caption() == caption) {
            bringToFront(child);
            child->FormActivate();
            return;
        }
    }
}

// ---- command states ----

void TMainForm::UpdateMenuItems()
{
    if (m_mdiArea->subWindowList().isEmpty())
        applyCommandStates(noDocumentLeftStates());
}

void TMainForm::NoDocumentState()
{
    applyCommandStates(noDocumentState());
}

// ---- start-up and window events ----

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        QMetaObject::invokeMethod(this, &TMainForm::FormShow, Qt::QueuedConnection);
    }
}

void TMainForm::FormShow()
{
    UpdateMenuItems();
    if (!m_startFiles.isEmpty()) {
        const QStringList files = std::exchange(m_startFiles, {});
        for (const QString &file : files)
            OpenSourceFile(file);
    } else if (m_settings.StartOption) {
        if (const auto choice = m_dialogs.openFiles(QStringLiteral("Open"), kSourceFilter, QString(), true)) {
            OpenReadOnly = choice->readOnly;
            for (const QString &file : choice->files)
                OpenSourceFile(file);
        }
    }
}

void TMainForm::activateFromOtherInstance(const QStringList &files)
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    for (const QString &file : files)
        OpenSourceFile(file);
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitStatusPanels();
    const QList<TMDIChild *> children = documents();
    for (auto it = children.crbegin(); it != children.crend(); ++it)
        (*it)->applyPaneSizes();
}

void TMainForm::closeEvent(QCloseEvent *event)
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

void TMainForm::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            OpenSourceFile(url.toLocalFile());
    }
}

// ---- file commands ----

void TMainForm::FileOpenItemClick()
{
    if (TMDIChild *child = takeCurrentChild()) {
        child->KeyIsDown = false;
        if (child->IsDataWindow) {
            OpenDataFile(*child, *this);   // a data window opens data files into itself
            return;
        }
    }
    const auto choice = m_dialogs.openFiles(QStringLiteral("Open"), kSourceFilter, QString(), true);
    if (!choice)
        return;
    OpenReadOnly = choice->readOnly;
    for (const QString &file : choice->files)
        OpenSourceFile(file);
}

void TMainForm::OpenSourceFile(const QString &name)
{
    const QString path = documentPath(name);
    const QString wanted = QString::fromStdString(sourceCaption(path.toStdString(), OpenReadOnly));

    const QList<TMDIChild *> children = documents();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        TMDIChild *open = *it;
        if (!sameCaption(open->caption(), wanted))
            continue;
        bringToFront(open);
        if (m_dialogs.message(Dialogs::Icon::Confirmation, QStringLiteral("reload ") + open->caption() +
                                                               QStringLiteral(" ?"),
                              Dialogs::Buttons::OkCancel) != Dialogs::Answer::Ok)
            return;
        open->RichEdit1->setModified(false);
        if (QMdiSubWindow *window = subWindowOf(open); window != nullptr && !window->close())
            return;
        break;
    }

    if (!QFileInfo::exists(path)) {
        m_dialogs.message(Dialogs::Icon::Information, name + QLatin1Char('\n') + QStringLiteral("no longer exists"),
                          Dialogs::Buttons::Ok);
        reportSettingsSave(m_store.RemoveRecent(QFile::encodeName(name).toStdString()));
        ShowRecentList();
        return;
    }

    WaitCursor wait;
    // The file is read before its window exists, so an unreadable file leaves nothing half-built.
    const Result<std::string> bytes = readFileBytes(pathBytes(path));
    if (!bytes) {
        m_dialogs.message(Dialogs::Icon::Error, QString::fromLocal8Bit(bytes.error()), Dialogs::Buttons::Ok);
        return;
    }

    TMDIChild *child = createChild();
    CurrentChild = child;
    setStatusPanel(1, QStringLiteral("loading Program..."));
    m_panels[1]->repaint();
    child->SyncSuspended = true;
    child->lineEnding = detectLineEnding(bytes.value());
    // Breaks turned into line feeds on the bytes, the fastest place; loading also clears the modified flag.
    child->RichEdit1->loadText(toQString(withLineFeedBreaks(bytes.value())));
    child->LastLineCount = child->RichEdit1->lineCount();
    child->LastTextLength = child->RichEdit1->textLength();

    child->setCaption(wanted);
    child->RichEdit1->setReadOnlyMode(OpenReadOnly);
    showNewDocument(child);

    child->FilePath = std::make_unique<TPathName>();
    child->FilePath->SetPath(path.toStdString());
    if (hasTreeExtension(child->FilePath->Ext))
        BuildTree(*child, *this);

    child->RichEdit1->setFocus();
    child->SyncSuspended = false;
    child->KeyIsDown = false;
    child->SyncToCaret(child->RichEdit1);
}

void TMainForm::New1Click()
{
    std::vector<std::string> captions;
    for (const TMDIChild *child : documents())
        captions.push_back(child->caption().toStdString());
    const int next = nextBlankNumber(captions);
    if (next > MaxBlankNumber) {
        m_dialogs.message(Dialogs::Icon::Error, QStringLiteral("only 10 blank forms allowed"), Dialogs::Buttons::Ok);
        return;
    }
    TMDIChild *child = createChild();
    child->lineEnding = LineEnding::None;
    child->setCaption(QStringLiteral("blank %1").arg(next));
    child->KeyIsDown = false;
    showNewDocument(child);
    child->RichEdit1->setFocus();
}

void TMainForm::FileCloseItemClick()
{
    if (TMDIChild *child = takeCurrentChild()) {
        if (QMdiSubWindow *window = subWindowOf(child))
            window->close();
    }
    // Only a close that happened leaves the window without documents; a
    // cancelled question keeps the document and its commands.
    if (documents().isEmpty()) {
        NoDocumentState();
        UpdateMenuItems();
    } else if (TMDIChild *active = activeChild()) {
        active->KeyIsDown = false;
    }
}

void TMainForm::ReadOnly1Click()
{
    TMDIChild *child = takeCurrentChild();
    if (child == nullptr || child->RichEdit1->isReadOnly())
        return;
    OpenReadOnly = true;
    child->RichEdit1->setReadOnlyMode(true);
    child->setCaption(QString::fromStdString(sourceCaption(child->caption().toStdString(), true)));
    RenameTab(child->caption());
    child->UpdateSaveCommands();
    child->ShowEditMode();
}

void TMainForm::UpdateMode1Click()
{
    TMDIChild *child = takeCurrentChild();
    if (child == nullptr || !child->RichEdit1->isReadOnly())
        return;
    OpenReadOnly = false;
    child->RichEdit1->setReadOnlyMode(false);
    child->setCaption(QString::fromStdString(withoutReadOnlySuffix(child->caption().toStdString())));
    RenameTab(child->caption());
    child->UpdateSaveCommands();
    child->ShowEditMode();
}

void TMainForm::FileSaveItemClick()
{
    if (TMDIChild *child = takeCurrentChild())
        saveDocument(child);
}

bool TMainForm::saveDocument(TMDIChild *child)
{
    child->KeyIsDown = false;
    const std::string caption = child->caption().toStdString();
    switch (kindOfCaption(caption)) {
    case DocumentKind::Layout:
        return ExportLayoutCsv(*child, *this);
    case DocumentKind::Data:
        return SaveDataFile(*child, *this);
    case DocumentKind::Source:
        break;
    }
    if (isBlankCaption(caption)) {
        KeyUpDone = true;
        return saveAs(child);
    }
    // A read-only document is never written: its caption is not a file name.
    if (child->RichEdit1->isReadOnly())
        return false;
    RenameTab(child->caption());
    if (!WriteSourceFile(child, child->caption()))
        return false;
    child->RichEdit1->setModified(false);
    child->UpdateSaveCommands();
    return true;
}

void TMainForm::FileSaveAsItemClick()
{
    if (TMDIChild *child = takeCurrentChild())
        saveAs(child);
}

bool TMainForm::saveAs(TMDIChild *child)
{
    const bool readOnly = child->RichEdit1->isReadOnly();
    const QString proposed = QString::fromStdString(withoutReadOnlySuffix(child->caption().toStdString()));
    const std::optional<QString> chosen = m_dialogs.saveFile(QStringLiteral("Save as"), kSourceFilter, proposed);
    if (!chosen)
        return false;
    const QString path = documentPath(*chosen);
    if (!WriteSourceFile(child, path))
        return false;
    child->RichEdit1->setModified(false);
    // The mode stays visible in the caption, so Update mode still finds the path.
    child->setCaption(QString::fromStdString(sourceCaption(path.toStdString(), readOnly)));
    RenameTab(child->caption());
    child->UpdateSaveCommands();
    child->KeyIsDown = false;
    return true;
}

void TMainForm::SaveAll1Click()
{
    for (TMDIChild *child : documents()) {
        if (kindOfCaption(child->caption().toStdString()) != DocumentKind::Source)
            continue;
        if (!child->RichEdit1->isModified() || child->RichEdit1->isReadOnly())
            continue;
        bringToFront(child);
        child->FormActivate();
        saveDocument(child);
    }
    if (TMDIChild *active = activeChild())
        active->KeyIsDown = false;
}

bool TMainForm::WriteSourceFile(TMDIChild *child, const QString &path)
{
    SourceEditor *editor = child->RichEdit1;
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

void TMainForm::FileExitItemClick()
{
    close();
}

void TMainForm::PrintButtonClick()
{
    TMDIChild *child = takeCurrentChild();
    if (child == nullptr)
        return;
    QPrinter printer(QPrinter::HighResolution);
    if (m_dialogs.print(printer)) {
        WaitCursor wait;
        child->RichEdit1->printText(printer, child->caption());
    }
    child->KeyIsDown = false;
}

void TMainForm::PrintSetup1Click()
{
    QPrinter printer(QPrinter::HighResolution);
    m_dialogs.printSetup(printer);
    if (TMDIChild *child = takeCurrentChild())
        child->KeyIsDown = false;
}

void TMainForm::addRecent(const QString &caption)
{
    reportSettingsSave(m_store.AddRecent(QFile::encodeName(caption).toStdString()));
    ShowRecentList();
}

void TMainForm::documentClosing(TMDIChild *child)
{
    RemoveTab(child->caption());
    if (child->IsLayoutWindow || child->IsDataWindow) {
        DataFileChild = nullptr;
    } else {
        CurrentChild = nullptr;
    }
}

// ---- edit commands ----

void TMainForm::UndoItemClick()
{
    TMDIChild *child = takeCurrentChild();
    if (child != nullptr && child->IsSourceWindow && child->RichEdit1->isModified())
        child->RichEdit1->undo();
}

// Cut and Paste change the text of RichEdit1, never of the split view, and
// bring the stored lines up to date; in a data window they act on the current cell.
void TMainForm::clipboardEdit(void (QPlainTextEdit::*edit)(), void (*dataCell)(TMDIChild &))
{
    TMDIChild *child = takeCurrentChild();
    if (child != nullptr && child->IsDataWindow)
        dataCell(*child);
    if (child == nullptr || !child->IsSourceWindow)
        return;
    child->KeyIsDown = false;
    if (!child->RichEdit1->isReadOnly())
        (child->RichEdit1->*edit)();
    child->UpdateTree();
    child->RichEdit1SelectionChange();
}

void TMainForm::CutItemClick()
{
    clipboardEdit(&QPlainTextEdit::cut, &CutDataCell);
}

void TMainForm::CopyItemClick()
{
    TMDIChild *child = takeCurrentChild();
    if (child != nullptr && child->IsDataWindow)
        CopyDataCell(*child);
    if (child == nullptr || !child->IsSourceWindow)
        return;
    child->KeyIsDown = false;
    child->editorInUse()->copy();
}

void TMainForm::PasteItemClick()
{
    clipboardEdit(&QPlainTextEdit::paste, &PasteDataCell);
}

void TMainForm::SelectAllClick()
{
    TMDIChild *child = takeCurrentChild();
    if (child == nullptr || !child->IsSourceWindow)
        return;
    child->KeyIsDown = false;
    child->RichEdit1->selectAllText();
}

// ---- window, toolbar and help commands ----

void TMainForm::WindowCascadeItemClick()
{
    m_mdiArea->cascadeSubWindows();
}

// Windows one above the other, each the full width of the frame.
void TMainForm::WindowTileItemClick()
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

void TMainForm::WindowMinimizeItemClick()
{
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        (*it)->showMinimized();
}

void TMainForm::Next1Click()
{
    m_mdiArea->activatePreviousSubWindow();
    if (TMDIChild *child = activeChild())
        child->KeyIsDown = false;
}

void TMainForm::Previous1Click()
{
    m_mdiArea->activateNextSubWindow();
    if (TMDIChild *child = activeChild())
        child->KeyIsDown = false;
}

void TMainForm::Hidetoolbar1Click()
{
    action(Hidetoolbar1)->toggle();
}

void TMainForm::rebuildWindowMenu()
{
    for (QAction *entry : std::exchange(m_windowListActions, {})) {
        WindowMenu->removeAction(entry);
        entry->deleteLater();
    }
    const QList<TMDIChild *> children = documents();
    if (children.isEmpty())
        return;
    m_windowListActions.append(WindowMenu->addSeparator());
    TMDIChild *active = activeChild();
    int number = 1;
    for (TMDIChild *child : children) {
        QString text = child->caption();
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        if (number < 10)
            text = QStringLiteral("&%1 %2").arg(number).arg(text);
        QAction *entry = WindowMenu->addAction(text);
        entry->setCheckable(true);
        entry->setChecked(child == active);
        connect(entry, &QAction::triggered, this, [this, child = QPointer<TMDIChild>(child)] {
            if (child) {
                bringToFront(child);
                child->FormActivate();
            }
        });
        m_windowListActions.append(entry);
        ++number;
    }
}

void TMainForm::Help2Click()
{
    if (!m_help) {
        m_help = new HelpWindow(m_programFiles.manualPath());
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
    if (TMDIChild *child = takeCurrentChild())
        child->KeyIsDown = false;
}

void TMainForm::HelpAboutItemClick()
{
    AboutBox->exec();
}

void TMainForm::RefreshTreeClick()
{
    TMDIChild *child = takeCurrentChild();
    if (child == nullptr || !child->IsSourceWindow)
        return;
    child->KeyIsDown = false;
    child->SyncSuspended = true;
    BuildTree(*child, *this);
    child->SyncSuspended = false;
    child->RichEdit1SelectionChange();
}

void TMainForm::SplitBtnClick()
{
    TMDIChild *child = takeCurrentChild();
    if (child == nullptr || !child->IsSourceWindow)
        return;
    child->KeyIsDown = false;
    child->SplitBtnClick();
}

void TMainForm::CalcOffsetClick()
{
    CalcRecordLayout(false);
}

void TMainForm::EditBtnClick()
{
    CalcRecordLayout(true);
}

// A layout window (or, in data mode, a data window) for the record definition
// selected in the active source window. Nothing is built when the selection
// holds no usable definition.
void TMainForm::CalcRecordLayout(bool dataMode)
{
    TMDIChild *source = takeCurrentChild();
    if (source == nullptr || !source->IsSourceWindow)
        return;
    source->KeyIsDown = false;
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

    TMDIChild *child = createChild();
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
        child->StringGrid2->setFocus();
}

void TMainForm::transformSelectedLines(BlockEdit edit)
{
    TMDIChild *child = takeCurrentChild();
    if (child == nullptr || !child->IsSourceWindow)
        return;
    child->KeyIsDown = false;
    child->TransformSelectedLines(edit);
}

void TMainForm::IndentBtnClick()
{
    transformSelectedLines(BlockEdit::Indent);
}

void TMainForm::UnindentBtnClick()
{
    transformSelectedLines(BlockEdit::Unindent);
}

void TMainForm::CommentBtnClick()
{
    transformSelectedLines(BlockEdit::Comment);
}

void TMainForm::UncommentBtnClick()
{
    transformSelectedLines(BlockEdit::Uncomment);
}

void TMainForm::mmTrackClick()
{
    TMDIChild *child = takeCurrentChild();
    if (child != nullptr)
        child->KeyIsDown = false;
    norvane::mmTrackClick(child, *this);
}

void TMainForm::Trackback1Click()
{
    TMDIChild *child = takeCurrentChild();
    if (child != nullptr)
        child->KeyIsDown = false;
    norvane::Trackback1Click(child, *this);
}

// Gives every open editor the chosen font; a font change is no edit.
void TMainForm::Font1Click()
{
    const std::optional<QFont> chosen = m_dialogs.chooseFont(editorFont(m_settings.editorFont));
    if (!chosen)
        return;
    m_settings.editorFont = fontSpecOf(*chosen);
    const QList<TMDIChild *> children = documents();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        TMDIChild *child = *it;
        const bool modified = child->RichEdit1->isModified();
        child->SyncSuspended = true;
        child->RichEdit1->setFont(*chosen);
        child->RichEdit2->setFont(*chosen);
        child->RichEdit1->setModified(modified);
        child->SyncSuspended = false;
    }
    OKBtnClick();
}

// ---- search commands ----

void TMainForm::FindBtnClick()
{
    Search->FindBtnClick(takeCurrentChild());
}

void TMainForm::ReplaceClick()
{
    Search->ReplaceClick(takeCurrentChild());
}

void TMainForm::FindAllBtnClick()
{
    FindAllDlg->showFor(takeCurrentChild());
}

void TMainForm::GotoClick()
{
    norvane::GotoClick(takeCurrentChild(), m_dialogs);
}

} // namespace norvane
