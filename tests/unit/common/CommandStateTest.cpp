#include "common/core/CommandState.h"

#include <gtest/gtest.h>

#include <optional>

using namespace norvane;
using enum CommandId;

namespace {

std::optional<bool> stateOf(const CommandStates &states, CommandId id)
{
    return states.get(id);
}

TEST(CommandStates, TheUndoItemDoesNotFollowTheSelectionWhileItsButtonDoes)
{
    struct Row {
        bool hasSelection;
        bool writable;
    };
    for (const Row row : {Row{false, false}, Row{false, true}, Row{true, false}, Row{true, true}}) {
        const CommandStates states = caretCommandStates(true, true, row.hasSelection, row.writable);
        EXPECT_FALSE(stateOf(states, Undo).has_value());
        EXPECT_EQ(stateOf(states, UndoButton), row.writable);
        EXPECT_EQ(stateOf(states, Paste), row.writable);
        EXPECT_EQ(stateOf(states, Copy), row.hasSelection);
        EXPECT_EQ(stateOf(states, Cut), row.hasSelection && row.writable);
        EXPECT_EQ(stateOf(states, Comment), row.hasSelection && row.writable);
    }
}

TEST(CommandStates, TrackNeedsTheTreeAndBackTrackAHistoryToo)
{
    struct Row {
        bool treeShown;
        bool historyEmpty;
        bool track;
        bool backTrack;
    };
    const Row rows[] = {
        {false, false, false, false},
        {false, true, false, false},
        {true, true, true, false},
        {true, false, true, true},
    };
    for (const Row &row : rows) {
        const CommandStates states = caretCommandStates(row.treeShown, row.historyEmpty, false, true);
        EXPECT_EQ(stateOf(states, Track), row.track);
        EXPECT_EQ(stateOf(states, BackTrack), row.backTrack);
    }
}

TEST(CommandStates, SaveAndTheModesFollowTheEditor)
{
    struct Row {
        bool readOnly;
        bool modified;
        bool save;
        bool readOnlyMode;
        bool updateMode;
    };
    const Row rows[] = {
        {false, false, false, true, false},
        {false, true, true, true, false},
        {true, false, false, false, true},
        {true, true, false, false, true},
    };
    for (const Row &row : rows) {
        const CommandStates states = saveCommandStates(row.readOnly, row.modified);
        EXPECT_EQ(stateOf(states, Save), row.save);
        EXPECT_EQ(stateOf(states, ReadOnlyMode), row.readOnlyMode);
        EXPECT_EQ(stateOf(states, UpdateMode), row.updateMode);
    }
}

TEST(CommandStates, AtStartOnlyTheAlwaysAvailableCommandsAreEnabled)
{
    const CommandStates states = initialCommandStates();
    for (CommandId id : {Open, New, Close, SaveAll, PrintSetup, Exit, HideToolbar, Options, Font, Cascade, Tile,
                         MinimizeAll, NextWindow, PreviousWindow, Help, About})
        EXPECT_EQ(stateOf(states, id), true) << commandName(id);
    for (CommandId id : {Save, SaveAs, Print, Undo, UndoButton, Cut, Copy, Paste, Find, Track, CalcOffset})
        EXPECT_EQ(stateOf(states, id), false) << commandName(id);
}

TEST(CommandStates, GridWindowsDifferOnlyInTheClipboardAndRecordCommands)
{
    const CommandStates layout = layoutCommandStates();
    const CommandStates data = dataCommandStates();
    for (std::size_t i = 0; i < CommandCount; ++i) {
        const auto id = static_cast<CommandId>(i);
        if (id == Cut || id == Copy || id == Paste || id == RecordFields || id == RecordBytes || id == NextInvalidCell) {
            EXPECT_EQ(stateOf(layout, id), false) << commandName(id);
            EXPECT_EQ(stateOf(data, id), true) << commandName(id);
        } else {
            EXPECT_EQ(stateOf(layout, id), stateOf(data, id)) << commandName(id);
        }
    }
    EXPECT_EQ(stateOf(data, Save), true);
    EXPECT_EQ(stateOf(data, SaveAs), false);
}

TEST(CommandStates, LaterDecisionsWinWhenMerged)
{
    CommandStates states;
    states.set({Find, Replace}, true);
    CommandStates later;
    later.set(Replace, false);
    states.merge(later);
    EXPECT_EQ(stateOf(states, Find), true);
    EXPECT_EQ(stateOf(states, Replace), false);
    EXPECT_FALSE(stateOf(states, Track).has_value());
}

} // namespace
