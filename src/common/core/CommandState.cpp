#include "common/core/CommandState.h"

namespace norvane {

namespace {

constexpr std::array<std::string_view, CommandCount> kNames = {
    "Open", "New", "Close", "ReadOnlyMode", "UpdateMode", "Save", "SaveAll", "SaveAs", "Print", "PrintSetup", "Exit",
    "Undo", "Redo", "Cut", "Copy", "Paste", "SelectAll",
    "Find", "FindNext", "FindPrevious", "Replace", "FindAll", "GoTo", "SplitScreen", "RefreshTree", "Indent",
    "Unindent", "CalcOffset", "EditDataFile", "Comment", "Uncomment", "Track", "BackTrack", "HideToolbar", "Options",
    "Font", "RecordFields", "RecordBytes", "NextInvalidCell",
    "Cascade", "Tile", "MinimizeAll", "NextWindow", "PreviousWindow",
    "Help", "About",
    "UndoButton",
};

using enum CommandId;

} // namespace

std::string_view commandName(CommandId id)
{
    return kNames[static_cast<std::size_t>(id)];
}

void CommandStates::merge(const CommandStates &later)
{
    for (std::size_t i = 0; i < CommandCount; ++i) {
        if (later.m_states[i])
            m_states[i] = later.m_states[i];
    }
}

CommandStates initialCommandStates()
{
    CommandStates states;
    for (std::size_t i = 0; i < CommandCount; ++i)
        states.set(static_cast<CommandId>(i), false);
    states.set({Open, New, Close, SaveAll, PrintSetup, Exit, HideToolbar, Options, Font, Cascade, Tile, MinimizeAll,
                NextWindow, PreviousWindow, Help, About},
               true);
    return states;
}

CommandStates noDocumentLeftStates()
{
    CommandStates states;
    states.set({Close, SaveAs, Cut, Copy, Paste, SelectAll, Save, ReadOnlyMode, UpdateMode, Cascade, Tile, MinimizeAll,
                CalcOffset, EditDataFile, Find, FindNext, FindPrevious, FindAll, GoTo, Print, Replace, Track, BackTrack,
                Undo, Redo, UndoButton, RefreshTree, Indent, Unindent, Comment, Uncomment, SplitScreen},
               false);
    return states;
}

CommandStates noDocumentState()
{
    CommandStates states;
    states.set({Open, MinimizeAll}, true);
    states.set({Close, SaveAs, Paste, SelectAll, Cascade, Tile, Find, FindNext, FindPrevious, FindAll, Print,
                ReadOnlyMode, UpdateMode, Save, RefreshTree, Undo, Redo, UndoButton, Cut, Copy, GoTo, CalcOffset,
                EditDataFile, SplitScreen, Replace, Track, BackTrack},
               false);
    return states;
}

CommandStates activationCommonStates()
{
    CommandStates states;
    states.set({Close, SaveAs, Paste, SelectAll, Cascade, Tile, MinimizeAll, Find, FindNext, FindPrevious, FindAll,
                Print},
               true);
    return states;
}

CommandStates backTrackStates(bool enabled)
{
    CommandStates states;
    states.set(BackTrack, enabled);
    return states;
}

CommandStates saveCommandStates(bool readOnly, bool modified)
{
    CommandStates states;
    if (readOnly) {
        states.set({Save, ReadOnlyMode}, false);
        states.set(UpdateMode, true);
    } else {
        states.set(ReadOnlyMode, true);
        states.set(UpdateMode, false);
        states.set(Save, modified);
    }
    return states;
}

CommandStates sourceCommandStates(const SourceWindowFacts &facts)
{
    CommandStates states;
    states.set({Open, SaveAs, Close, Cascade, Tile, MinimizeAll, Print, Find, FindNext, FindPrevious, FindAll,
                RefreshTree, Undo, Redo, UndoButton, SelectAll, GoTo},
               true);
    states.set({Cut, Copy, CalcOffset, EditDataFile, RecordFields, RecordBytes, NextInvalidCell}, false);
    states.set({Paste, Replace}, !facts.readOnly);
    states.set(SplitScreen, !facts.blank);
    states.set(Track, facts.treeShown);
    states.merge(backTrackStates(facts.treeShown && !facts.historyEmpty));
    states.merge(saveCommandStates(facts.readOnly, facts.modified));
    return states;
}

// Layout and data windows share most states; they differ in Cut, Copy and Paste.
static CommandStates gridWindowStates(bool clipboard)
{
    CommandStates states;
    states.set({Open, Save, Close, Cascade, Tile, MinimizeAll}, true);
    states.set({SaveAs, ReadOnlyMode, UpdateMode, Print, Find, FindNext, FindPrevious, FindAll, RefreshTree, Undo, Redo,
                UndoButton, SelectAll, GoTo, Replace, CalcOffset, EditDataFile, SplitScreen, Track, BackTrack, Indent,
                Unindent, Comment, Uncomment},
               false);
    states.set({Cut, Copy, Paste}, clipboard);
    states.set({RecordFields, RecordBytes, NextInvalidCell}, clipboard);
    return states;
}

// The Undo menu item is left as it is: only its button follows the selection.
CommandStates caretCommandStates(bool treeShown, bool historyEmpty, bool hasSelection, bool writable)
{
    CommandStates states;
    states.set(Track, treeShown);
    states.merge(backTrackStates(treeShown && !historyEmpty));
    states.set({Paste, Replace, UndoButton}, writable);
    states.set({Copy, CalcOffset, EditDataFile}, hasSelection);
    states.set({Cut, Indent, Unindent, Comment, Uncomment}, hasSelection && writable);
    return states;
}

CommandStates layoutCommandStates()
{
    return gridWindowStates(false);
}

CommandStates dataCommandStates()
{
    return gridWindowStates(true);
}

} // namespace norvane
