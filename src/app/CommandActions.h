#pragma once

#include "common/core/CommandState.h"

#include <QObject>

#include <array>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

namespace norvane {

// The main window's commands: one QAction per command, shown by the menu bar,
// the toolbar and the document windows' popups alike, each with the handler it
// runs. It builds the menus and the toolbar around them; the Recent menu's
// entries and the Window menu's document list are added by their owners.
class CommandActions : public QObject {
    Q_OBJECT

public:
    // Creates the actions, the menu bar and the toolbar of the window.
    explicit CommandActions(QMainWindow &window);

    [[nodiscard]] QAction *action(CommandId id) const { return m_actions[index(id)]; }
    // The handler that the action's menu item, button and shortcut run.
    void setHandler(CommandId id, std::function<void()> handler);
    // Runs the command's handler whatever the action's state: the popups take
    // the state of their command when they open and run it themselves.
    void run(CommandId id) const;

    void apply(const CommandStates &states);
    [[nodiscard]] bool isEnabled(CommandId id) const;

    [[nodiscard]] QMenu *recentMenu() const { return m_recentMenu; }
    [[nodiscard]] QMenu *windowMenu() const { return m_windowMenu; }
    [[nodiscard]] QToolBar *toolBar() const { return m_toolBar; }
    [[nodiscard]] QMenu *toolbarMenu() const { return m_toolbarMenu; }

private:
    static std::size_t index(CommandId id) { return static_cast<std::size_t>(id); }
    void createActions();
    void createMenus(QMainWindow &window);
    void createToolBar(QMainWindow &window);

    std::array<QAction *, CommandCount> m_actions{};
    std::array<std::function<void()>, CommandCount> m_handlers{};
    QMenu *m_recentMenu = nullptr;
    QMenu *m_windowMenu = nullptr;
    QToolBar *m_toolBar = nullptr;
    QMenu *m_toolbarMenu = nullptr;
};

} // namespace norvane
