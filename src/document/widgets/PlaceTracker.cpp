#include "document/widgets/PlaceTracker.h"

#include "document/widgets/SourceEditor.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace norvane {

PlaceTracker::PlaceTracker(SourceEditor &editor, std::function<std::vector<PlaceList>()> places,
                           std::function<void(const MovedLists &)> moved, QObject *parent)
    : QObject(parent), m_editor(editor), m_places(std::move(places)), m_moved(std::move(moved))
{
    QTextDocument *document = editor.document();
    connect(document, &QTextDocument::contentsChange, this, &PlaceTracker::contentsChanged);
    connect(document, &QTextDocument::undoCommandAdded, this, &PlaceTracker::commandAdded);
    connect(&editor, &SourceEditor::textLoaded, this, &PlaceTracker::restart);
    connect(&editor, &SourceEditor::editRunStarted, this, &PlaceTracker::runStarted);
    connect(&editor, &SourceEditor::editRunFinished, this, &PlaceTracker::runFinished);
    restart();
}

void PlaceTracker::restart()
{
    const QTextDocument *document = m_editor.document();
    m_history.clear();
    m_commands = document->availableUndoSteps();
    m_length = document->characterCount() - 1;
    m_blocks = document->blockCount();
    m_commandAdded = false;
}

void PlaceTracker::commandAdded()
{
    m_commandAdded = true;
}

TextChange PlaceTracker::describe(int from, int removed, int added) const
{
    const QTextDocument *document = m_editor.document();
    const int length = document->characterCount() - 1;
    // Replacing the whole text, the document counts its final paragraph end as
    // well; the lengths before and after say what went.
    added = std::clamp(added, 0, std::max(0, length - from));
    removed = added - (length - m_length);
    if (from < 0 || removed < 0 || from + removed > m_length) {
        from = 0;
        removed = m_length;
        added = length;
    }
    const QTextBlock block = document->findBlock(from);
    TextChange change;
    change.line = block.blockNumber();
    change.atLineStart = from == block.position();
    change.addedLines = document->findBlock(from + added).blockNumber() - change.line;
    change.removedLines = std::max(0, change.addedLines - (document->blockCount() - m_blocks));
    // A line break is one position in the document and two in the editor's count.
    change.position = from + change.line;
    change.removed = removed + change.removedLines;
    change.added = added + change.addedLines;
    return change;
}

void PlaceTracker::contentsChanged(int from, int removed, int added)
{
    const QTextDocument *document = m_editor.document();
    const TextChange change = describe(from, removed, added);
    const int commands = document->availableUndoSteps();
    const bool commandAdded = std::exchange(m_commandAdded, false);
    const int commandsBefore = std::exchange(m_commands, commands);
    m_length = document->characterCount() - 1;
    m_blocks = document->blockCount();

    if (!document->isUndoRedoEnabled()) {
        m_history.clear();
        follow({change}, nullptr);
        return;
    }
    if (!commandAdded && commands != commandsBefore) {
        // Undo or Redo of one step, reported as one change.
        if (!replay(change, commandsBefore, commands < commandsBefore))
            follow({change}, nullptr);
        return;
    }
    ChangeHistory::Record *record =
        m_history.recordEdit(commandsBefore, commands, commandAdded, m_inRun && m_runRecord != nullptr);
    if (m_inRun) {
        // The run is followed at its end, at once.
        m_run.push_back(change);
        m_runRecord = record;
        return;
    }
    follow({change}, record);
}

void PlaceTracker::follow(const std::vector<TextChange> &changes, ChangeHistory::Record *record)
{
    const std::vector<PlaceList> lists = m_places();
    if (record != nullptr) {
        m_moved(followChangesOfStep(changes, record->changes, lists, record->memory));
    } else {
        ChangeMap map;
        for (const TextChange &change : changes)
            map.add(change);
        m_moved(followChanges(map, lists, nullptr));
    }
}

bool PlaceTracker::replay(const TextChange &change, int commandsBefore, bool undo)
{
    const int commands = m_commands;
    const std::vector<ChangeHistory::Record *> records =
        undo ? m_history.undo(commandsBefore, commands) : m_history.redo(commandsBefore, commands);
    int delta = 0;
    int lineDelta = 0;
    for (const ChangeHistory::Record *record : records) {
        delta += record->changes.delta();
        lineDelta += record->changes.lineDelta();
    }
    if (undo) {
        delta = -delta;
        lineDelta = -lineDelta;
    }
    if (records.empty() || delta != change.delta() || lineDelta != change.lineDelta()) {
        m_history.clear();
        return false;
    }
    const std::vector<PlaceList> lists = m_places();
    MovedLists moved(lists.size(), false);
    for (const ChangeHistory::Record *record : records) {
        const MovedLists step = undo ? takeBackChanges(record->changes, lists, record->memory)
                                     : makeChangesAgain(record->changes, lists, record->memory);
        for (std::size_t list = 0; list < moved.size(); ++list)
            moved[list] = moved[list] || step[list];
    }
    m_moved(moved);
    return true;
}

void PlaceTracker::runStarted()
{
    m_inRun = true;
    m_run.clear();
    m_runRecord = nullptr;
}

void PlaceTracker::runFinished()
{
    m_inRun = false;
    if (!m_run.empty())
        follow(m_run, m_runRecord);
    m_run.clear();
    m_runRecord = nullptr;
}

} // namespace norvane
