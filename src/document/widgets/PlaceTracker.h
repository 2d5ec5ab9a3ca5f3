#pragma once

#include "document/core/ChangeHistory.h"
#include "document/core/StoredPlaces.h"
#include "document/core/TextChange.h"

#include <QObject>

#include <functional>
#include <vector>

namespace norvane {

class SourceEditor;

// Keeps a document window's stored lines and positions on their text through
// every change of its editor's text, however it comes: typing, Enter, paste,
// cut, block commands, Replace, Replace All, Undo and Redo alike. The document
// reports each change (where, how much went, how much came); Undo and Redo,
// which it reports as one change over everything a step touched, are followed
// step by step from what was recorded when the step was made.
class PlaceTracker : public QObject {
    Q_OBJECT

public:
    // `places` gives the lists of stored places as they stand; `moved` runs
    // once they followed a change, told which of the lists it changed.
    PlaceTracker(SourceEditor &editor, std::function<std::vector<PlaceList>()> places,
                 std::function<void(const MovedLists &)> moved, QObject *parent);

private:
    void restart();
    void commandAdded();
    void contentsChanged(int from, int removed, int added);
    void runStarted();
    void runFinished();
    // The document's report as a change in the editor's positions and lines.
    [[nodiscard]] TextChange describe(int from, int removed, int added) const;
    void follow(const std::vector<TextChange> &changes, ChangeHistory::Record *record);
    // Undo or Redo as the records say; false when they cannot say.
    bool replay(const TextChange &change, int commands, bool undo);

    SourceEditor &m_editor;
    std::function<std::vector<PlaceList>()> m_places;
    std::function<void(const MovedLists &)> m_moved;
    ChangeHistory m_history;
    int m_commands = 0;        // the undo stack's commands at the last change
    int m_length = 0;          // the document's length at the last change (a line break counting one)
    int m_blocks = 1;          // and its lines
    bool m_commandAdded = false;
    bool m_inRun = false;
    std::vector<TextChange> m_run;             // the changes of the run so far
    ChangeHistory::Record *m_runRecord = nullptr;
};

} // namespace norvane
