#pragma once

#include "document/core/StoredPlaces.h"
#include "document/core/TextChange.h"

#include <deque>
#include <vector>

namespace norvane {

// The changes behind each step of an editor's undo stack, so that Undo and
// Redo move the stored places exactly, step by step, where the editor reports
// a whole undone step as one change from its first to its last position.
//
// The editor's undo stack counts commands; one step may hold several (a block
// of edits made as one) and several edits may join one command (typing). A
// record covers the commands [firstCommand, endCommand) with the changes made
// while they were added and the places those changes touched.
class ChangeHistory {
public:
    struct Record {
        int firstCommand = 0;
        int endCommand = 0;
        ChangeMap changes;
        std::vector<RememberedPlace> memory;
    };

    // An edit took the undo stack from `commandsBefore` to `commandsAfter`
    // commands; `newCommand` says whether the editor added one rather than
    // joining the edit to the last. With `sameRecord` the edit belongs to the
    // record of the edit before it (one run of edits, one undo step). The
    // record the edit belongs to; null when there is none, the history then
    // starting afresh.
    Record *recordEdit(int commandsBefore, int commandsAfter, bool newCommand, bool sameRecord);

    // The records an undo from `commandsBefore` down to `commandsAfter`
    // commands takes back, latest first, or a redo takes up again, earliest
    // first. Empty, the history starting afresh, when the records do not cover
    // exactly those commands.
    [[nodiscard]] std::vector<Record *> undo(int commandsBefore, int commandsAfter);
    [[nodiscard]] std::vector<Record *> redo(int commandsBefore, int commandsAfter);

    void clear() { m_records.clear(); }
    [[nodiscard]] bool empty() const { return m_records.empty(); }

private:
    std::deque<Record> m_records;   // by command, stable addresses
};

} // namespace norvane
