#include "app/CommandActions.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace norvane {

namespace {

using enum CommandId;

constexpr int ToolbarHeight = 33;

// A command's caption and shortcut in the menus, and its icon and tooltip on
// the toolbar. Edit items show their keys without owning them: the editor
// handles those keys itself.
struct CommandEntry {
    CommandId id;
    const char *text;
    QKeySequence shortcut;
    const char *icon = nullptr;
    const char *toolTip = nullptr;
};

QKeySequence ctrl(Qt::Key key)
{
    return QKeySequence(Qt::CTRL | key);
}

// The toolbar buttons have no status text: hovering one leaves the status
// panels as they are.
class NoStatusTips : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::StatusTip)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

CommandActions::CommandActions(QMainWindow &window) : QObject(&window)
{
    createActions();
    createMenus(window);
    createToolBar(window);
}

void CommandActions::createActions()
{
    const CommandEntry entries[] = {
        {Open, "&Open", ctrl(Qt::Key_O), "open", "Open"},
        {New, "&New", ctrl(Qt::Key_N), "new", "New"},
        {Close, "&Close", ctrl(Qt::Key_Q)},
        {ReadOnlyMode, "&Read Only mode", {}},
        {UpdateMode, "&Update mode", {}},
        {Save, "&Save", ctrl(Qt::Key_S), "save", "Save"},
        {SaveAll, "Save a&ll", ctrl(Qt::Key_Y)},
        {SaveAs, "Save &as...", {}},
        {Print, "Print", ctrl(Qt::Key_P), "print", "Print"},
        {PrintSetup, "Print setup", {}},
        {Exit, "E&xit", ctrl(Qt::Key_Delete)},
        {Undo, "&Undo\tCtrl+Z", {}},
        {Redo, "Re&do\tCtrl+Shift+Z", {}},
        {Cut, "Cu&t\tCtrl+X", {}, "cut", "Cut"},
        {Copy, "&Copy\tCtrl+C", {}, "copy", "Copy"},
        {Paste, "&Paste\tCtrl+V", {}, "paste", "Paste"},
        {SelectAll, "Select &all\tCtrl+A", {}},
        {Find, "&Find", ctrl(Qt::Key_F), "find", "Find"},
        {FindNext, "Find &next", QKeySequence(Qt::Key_F3)},
        {FindPrevious, "Find &previous", QKeySequence(Qt::SHIFT | Qt::Key_F3)},
        {Replace, "&Replace", ctrl(Qt::Key_R), "replace", "Replace"},
        {FindAll, "Find all", ctrl(Qt::Key_D), "find-all", "Find all"},
        {GoTo, "&Go to", ctrl(Qt::Key_G), "goto", "Go to"},
        {SplitScreen, "&Split screen", ctrl(Qt::Key_J), "split", "Split screen"},
        {RefreshTree, "Refresh &tree", ctrl(Qt::Key_T), "refresh-tree", "Refresh Tree"},
        {Indent, "&Indent", ctrl(Qt::Key_I), "indent", "Indent"},
        {Unindent, "&Unindent", ctrl(Qt::Key_U), "unindent", "Unindent"},
        {CalcOffset, "Ca&lc offset", ctrl(Qt::Key_L), "calc-offset", "Calc Offset"},
        {EditDataFile, "&Edit data file", ctrl(Qt::Key_E), "edit-data", "Edit data file"},
        {Comment, "Comment", ctrl(Qt::Key_K), "comment", "Comment"},
        {Uncomment, "Uncomment", ctrl(Qt::Key_W), "uncomment", "un-Comment"},
        {Track, "Trac&k", QKeySequence(Qt::Key_F4), "track", "Track"},
        {BackTrack, "&Back track", QKeySequence(Qt::Key_F5), "back-track", "Back track"},
        {RecordFields, "Record &fields", QKeySequence(Qt::Key_F7)},
        {RecordBytes, "Record b&ytes", QKeySequence(Qt::Key_F8)},
        {NextInvalidCell, "Next in&valid cell", QKeySequence(Qt::Key_F6)},
        {HideToolbar, "&Hide toolbar", {}},
        {Options, "&Options", {}},
        {Font, "Font", {}},
        {Cascade, "&Cascade", {}},
        {Tile, "&Tile", {}},
        {MinimizeAll, "&Minimize all", {}},
        {NextWindow, "&Next", {}},
        {PreviousWindow, "&Previous", {}},
        {Help, "&Help", QKeySequence(Qt::Key_F1)},
        {About, "&About", {}},
        {UndoButton, "Undo", {}, "undo", "Undo"},
    };

    for (const CommandEntry &entry : entries) {
        auto *action = new QAction(QString::fromLatin1(entry.text), this);
        const std::string_view name = commandName(entry.id);
        action->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        if (!entry.shortcut.isEmpty()) {
            action->setShortcut(entry.shortcut);
            action->setShortcutContext(Qt::WindowShortcut);
        }
        if (entry.icon != nullptr) {
            // The icon is the button's; the menus show captions only.
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(entry.icon))));
            action->setIconVisibleInMenu(false);
        }
        if (entry.toolTip != nullptr)
            action->setToolTip(QString::fromLatin1(entry.toolTip));
        m_actions[index(entry.id)] = action;
        if (entry.id != HideToolbar)
            connect(action, &QAction::triggered, this, [this, id = entry.id] { run(id); });
    }
    action(Cut)->setStatusTip(QStringLiteral("Cut to clipboard"));
    action(Copy)->setStatusTip(QStringLiteral("Copy to clipboard"));
    action(Paste)->setStatusTip(QStringLiteral("Paste from clipboard"));

    // Hide toolbar carries the toolbar's state as its check mark.
    QAction *hide = action(HideToolbar);
    hide->setCheckable(true);
    connect(hide, &QAction::toggled, this, [this](bool hidden) { m_toolBar->setVisible(!hidden); });
    m_handlers[index(HideToolbar)] = [hide] { hide->toggle(); };
}

void CommandActions::setHandler(CommandId id, std::function<void()> handler)
{
    m_handlers[index(id)] = std::move(handler);
}

void CommandActions::run(CommandId id) const
{
    if (const std::function<void()> &handler = m_handlers[index(id)])
        handler();
}

void CommandActions::apply(const CommandStates &states)
{
    for (std::size_t i = 0; i < CommandCount; ++i) {
        if (const std::optional<bool> enabled = states.get(static_cast<CommandId>(i)))
            m_actions[i]->setEnabled(*enabled);
    }
}

bool CommandActions::isEnabled(CommandId id) const
{
    return action(id)->isEnabled();
}

void CommandActions::createMenus(QMainWindow &window)
{
    QMenuBar *bar = window.menuBar();
    auto add = [this](QMenu *menu, std::initializer_list<CommandId> ids) {
        for (CommandId id : ids)
            menu->addAction(action(id));
    };

    QMenu *file = bar->addMenu(QStringLiteral("&File"));
    add(file, {Open, New, Close});
    file->addSeparator();
    add(file, {ReadOnlyMode, UpdateMode});
    file->addSeparator();
    add(file, {Save, SaveAll, SaveAs});
    file->addSeparator();
    add(file, {Print, PrintSetup});
    file->addSeparator();
    add(file, {Exit});

    m_recentMenu = bar->addMenu(QStringLiteral("&Recent"));

    QMenu *edit = bar->addMenu(QStringLiteral("&Edit"));
    add(edit, {Undo, Redo});
    edit->addSeparator();
    add(edit, {Cut, Copy, Paste});
    edit->addSeparator();
    add(edit, {SelectAll});

    QMenu *tools = bar->addMenu(QStringLiteral("Tools"));
    add(tools, {Find, FindNext, FindPrevious, Replace, FindAll});
    tools->addSeparator();
    add(tools, {GoTo, SplitScreen, RefreshTree});
    tools->addSeparator();
    add(tools, {Indent, Unindent});
    tools->addSeparator();
    add(tools, {CalcOffset, EditDataFile});
    add(tools, {RecordFields, RecordBytes, NextInvalidCell});
    tools->addSeparator();
    add(tools, {Comment, Uncomment});
    tools->addSeparator();
    add(tools, {Track, BackTrack});
    tools->addSeparator();
    add(tools, {HideToolbar, Options, Font});

    m_windowMenu = bar->addMenu(QStringLiteral("&Window"));
    add(m_windowMenu, {Cascade, Tile, MinimizeAll, NextWindow, PreviousWindow});

    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    add(help, {Help, About});
}

void CommandActions::createToolBar(QMainWindow &window)
{
    m_toolBar = new QToolBar(QStringLiteral("Toolbar"), &window);
    m_toolBar->setObjectName(QStringLiteral("toolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(20, 20));
    m_toolBar->setFixedHeight(ToolbarHeight);
    m_toolBar->toggleViewAction()->setVisible(false);
    m_toolBar->installEventFilter(new NoStatusTips(m_toolBar));
    window.addToolBar(Qt::TopToolBarArea, m_toolBar);

    // Groups of buttons, as the gaps of the toolbar show them.
    const std::initializer_list<CommandId> groups[] = {
        {New, Open, Save, Print},
        {Cut, Copy, Paste},
        {RefreshTree, Find, Replace, FindAll},
        {Track, BackTrack},
        {UndoButton, GoTo, SplitScreen},
        {Unindent, Indent},
        {Comment, Uncomment},
        {CalcOffset, EditDataFile},
    };
    bool first = true;
    for (const auto &group : groups) {
        if (!first)
            m_toolBar->addSeparator();
        first = false;
        for (CommandId id : group)
            m_toolBar->addAction(action(id));
    }

    // The popup's item has no check mark of its own.
    m_toolbarMenu = new QMenu(&window);
    QAction *hide = m_toolbarMenu->addAction(QStringLiteral("Hide toolbar"));
    connect(hide, &QAction::triggered, this, [this] { run(HideToolbar); });
    m_toolBar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_toolBar, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &point) { m_toolbarMenu->popup(m_toolBar->mapToGlobal(point)); });
}

} // namespace norvane
