#include "common/core/CommandState.h"

namespace norvane {

namespace {

constexpr std::array<std::string_view, CommandCount> kNames = {
    "FileOpenItem", "New1", "FileCloseItem", "ReadOnly1", "UpdateMode1", "FileSaveItem", "SaveAll1", "FileSaveAsItem",
    "Print1", "PrintSetup1", "FileExitItem",
    "UndoItem", "CutItem", "CopyItem", "PasteItem", "SelectAll",
    "Find1", "Replace1", "FindAll1", "Goto1", "Splitscreen1", "RefreshTree1", "Indent1", "Unindent1", "Offset1",
    "Editflatfile1", "mmComment", "mmUnComment", "mmTrack", "Trackback1", "Hidetoolbar1", "Options", "Font1",
    "WindowCascadeItem", "WindowTileItem", "WindowMinimizeItem", "Next1", "Previous1",
    "Help2", "HelpAboutItem",
    "NewBtn", "OpenBtn", "SaveBtn", "PrintButton", "CutBtn", "CopyBtn", "PasteBtn", "RefreshTree", "FindBtn", "Replace",
    "FindAllBtn", "btnTrack", "btnTrackback", "UndoButton1", "GotoBtn", "SplitBtn", "UnindentBtn", "IndentBtn",
    "CommentBtn", "UncommentBtn", "CalcOffset", "EditBtn",
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
    states.set({FileOpenItem, New1, FileCloseItem, SaveAll1, PrintSetup1, FileExitItem, Hidetoolbar1, Options, Font1,
                WindowCascadeItem, WindowTileItem, WindowMinimizeItem, Next1, Previous1, Help2, HelpAboutItem, NewBtn,
                OpenBtn},
               true);
    return states;
}

CommandStates noDocumentLeftStates()
{
    CommandStates states;
    states.set({FileCloseItem, FileSaveAsItem, CutItem, CopyItem, PasteItem, SelectAll, FileSaveItem, ReadOnly1,
                UpdateMode1, SaveBtn, CutBtn, CopyBtn, PasteBtn, WindowCascadeItem, WindowTileItem,
                WindowMinimizeItem, CalcOffset, Offset1, EditBtn, Editflatfile1, FindBtn, Find1, FindAllBtn, FindAll1,
                GotoBtn, Goto1, PrintButton, Print1, Replace, Replace1, mmTrack, Trackback1, btnTrack, btnTrackback,
                UndoButton1, UndoItem, RefreshTree, RefreshTree1, IndentBtn, UnindentBtn, Indent1, Unindent1,
                CommentBtn, UncommentBtn, mmComment, mmUnComment, SplitBtn, Splitscreen1},
               false);
    return states;
}

CommandStates noDocumentState()
{
    CommandStates states;
    states.set({OpenBtn, FileOpenItem, WindowMinimizeItem}, true);
    states.set({FileCloseItem, FileSaveAsItem, PasteItem, SelectAll, PasteBtn, WindowCascadeItem, WindowTileItem,
                FindBtn, Find1, FindAllBtn, FindAll1, PrintButton, Print1, ReadOnly1, UpdateMode1, SaveBtn,
                FileSaveItem, RefreshTree, RefreshTree1, UndoButton1, UndoItem, CutBtn, CutItem, CopyBtn, CopyItem,
                GotoBtn, Goto1, CalcOffset, Offset1, EditBtn, Editflatfile1, SplitBtn, Splitscreen1, Replace, Replace1,
                mmTrack, Trackback1, btnTrack, btnTrackback},
               false);
    return states;
}

CommandStates activationCommonStates()
{
    CommandStates states;
    states.set({FileCloseItem, FileSaveAsItem, PasteItem, SelectAll, PasteBtn, WindowCascadeItem, WindowTileItem,
                WindowMinimizeItem, FindBtn, Find1, FindAllBtn, FindAll1, PrintButton, Print1},
               true);
    return states;
}

CommandStates backTrackStates(bool enabled)
{
    CommandStates states;
    states.set({Trackback1, btnTrackback}, enabled);
    return states;
}

CommandStates saveCommandStates(bool readOnly, bool modified)
{
    CommandStates states;
    if (readOnly) {
        states.set({SaveBtn, FileSaveItem, ReadOnly1}, false);
        states.set(UpdateMode1, true);
    } else {
        states.set(ReadOnly1, true);
        states.set(UpdateMode1, false);
        states.set({SaveBtn, FileSaveItem}, modified);
    }
    return states;
}

CommandStates sourceCommandStates(const SourceWindowFacts &facts)
{
    CommandStates states;
    states.set({FileOpenItem, OpenBtn, FileSaveAsItem, FileCloseItem, WindowCascadeItem, WindowTileItem,
                WindowMinimizeItem, Print1, PrintButton, Find1, FindBtn, FindAll1, FindAllBtn, RefreshTree1,
                RefreshTree, UndoItem, UndoButton1, SelectAll, Goto1, GotoBtn},
               true);
    states.set({CutItem, CutBtn, CopyItem, CopyBtn, Offset1, CalcOffset, Editflatfile1, EditBtn}, false);
    states.set({PasteItem, PasteBtn, Replace1, Replace}, !facts.readOnly);
    states.set({Splitscreen1, SplitBtn}, !facts.blank);
    states.set({mmTrack, btnTrack}, facts.treeShown);
    states.merge(backTrackStates(facts.treeShown && !facts.historyEmpty));
    states.merge(saveCommandStates(facts.readOnly, facts.modified));
    return states;
}

// Layout and data windows share most states; they differ in Cut, Copy and Paste.
static CommandStates gridWindowStates(bool clipboard)
{
    CommandStates states;
    states.set({FileOpenItem, OpenBtn, FileSaveItem, SaveBtn, FileCloseItem, WindowCascadeItem, WindowTileItem,
                WindowMinimizeItem},
               true);
    states.set({FileSaveAsItem, ReadOnly1, UpdateMode1, Print1, PrintButton, Find1, FindBtn, FindAll1, FindAllBtn,
                RefreshTree1, RefreshTree, UndoItem, UndoButton1, SelectAll, Goto1, GotoBtn, Replace1, Replace,
                Offset1, CalcOffset, Editflatfile1, EditBtn, Splitscreen1, SplitBtn, mmTrack, btnTrack, Trackback1,
                btnTrackback, Indent1, Unindent1, IndentBtn, UnindentBtn, mmComment, mmUnComment, CommentBtn,
                UncommentBtn},
               false);
    states.set({CutItem, CutBtn, CopyItem, CopyBtn, PasteItem, PasteBtn}, clipboard);
    return states;
}

CommandStates caretCommandStates(bool treeShown, bool historyEmpty, bool hasSelection, bool writable)
{
    CommandStates states;
    states.set({mmTrack, btnTrack}, treeShown);
    states.merge(backTrackStates(treeShown && !historyEmpty));
    states.set({PasteBtn, PasteItem, Replace, Replace1, UndoButton1}, writable);
    states.set({CopyBtn, CopyItem, CalcOffset, Offset1, EditBtn, Editflatfile1}, hasSelection);
    states.set({CutBtn, CutItem, IndentBtn, UnindentBtn, Indent1, Unindent1, CommentBtn, UncommentBtn, mmComment,
                mmUnComment},
               hasSelection && writable);
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
