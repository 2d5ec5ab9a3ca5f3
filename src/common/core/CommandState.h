#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace norvane {

// Every command of the main window. A command is one action, shown by its menu
// item, its toolbar button and the popups alike; only Undo has two, because
// its button follows the selection while its menu item does not.
enum class CommandId {
    // File menu
    Open, New, Close, ReadOnlyMode, UpdateMode, Save, SaveAll, SaveAs, Print, PrintSetup, Exit,
    // Edit menu
    Undo, Redo, Cut, Copy, Paste, SelectAll,
    // Tools menu
    Find, FindNext, FindPrevious, Replace, FindAll, GoTo, SplitScreen, RefreshTree, Indent, Unindent, CalcOffset, EditDataFile, Comment,
    Uncomment, Track, BackTrack, HideToolbar, Options, Font,
    // Tools menu, data windows: the current record's fields and bytes, the next invalid cell
    RecordFields, RecordBytes, NextInvalidCell,
    // Window menu
    Cascade, Tile, MinimizeAll, NextWindow, PreviousWindow,
    // Help menu
    Help, About,
    // The toolbar's Undo button
    UndoButton,
    Count
};

inline constexpr std::size_t CommandCount = static_cast<std::size_t>(CommandId::Count);

[[nodiscard]] std::string_view commandName(CommandId id);

// A set of enable/disable decisions; commands left unset keep their state.
class CommandStates {
public:
    void set(CommandId id, bool enabled) { m_states[index(id)] = enabled; }
    void set(std::initializer_list<CommandId> ids, bool enabled)
    {
        for (CommandId id : ids)
            set(id, enabled);
    }
    [[nodiscard]] std::optional<bool> get(CommandId id) const { return m_states[index(id)]; }
    // Later decisions override earlier ones.
    void merge(const CommandStates &later);

private:
    static std::size_t index(CommandId id) { return static_cast<std::size_t>(id); }
    std::array<std::optional<bool>, CommandCount> m_states{};
};

// The states of the main window as it is created, before any document exists.
[[nodiscard]] CommandStates initialCommandStates();

// The states after the last document has been closed (also at start-up, when
// the main window becomes active with no document).
[[nodiscard]] CommandStates noDocumentLeftStates();

// The states the Close command sets after closing the only document.
[[nodiscard]] CommandStates noDocumentState();

// What every document window's activation enables, whatever its kind.
[[nodiscard]] CommandStates activationCommonStates();

// Back track.
[[nodiscard]] CommandStates backTrackStates(bool enabled);

// The Save and mode commands from the editor's read-only and modified flags.
[[nodiscard]] CommandStates saveCommandStates(bool readOnly, bool modified);

struct SourceWindowFacts {
    bool readOnly = false;
    bool modified = false;
    bool blank = false;         // caption starts with the blank prefix
    bool treeShown = false;     // the structure tree has a width
    bool historyEmpty = true;   // the back-track history of the editor in use
};

[[nodiscard]] CommandStates sourceCommandStates(const SourceWindowFacts &facts);
[[nodiscard]] CommandStates layoutCommandStates();
// The commands that follow the caret of the editor in use: Track and Back track
// by the tree and the history, the clipboard and block commands by the selection
// and whether the editor is writable.
[[nodiscard]] CommandStates caretCommandStates(bool treeShown, bool historyEmpty, bool hasSelection, bool writable);
[[nodiscard]] CommandStates dataCommandStates();

} // namespace norvane
