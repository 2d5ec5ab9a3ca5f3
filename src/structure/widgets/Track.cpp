#include "structure/widgets/Track.h"

#include "common/core/CommandState.h"
#include "common/widgets/Dialogs.h"
#include "common/widgets/Latin1.h"
#include "document/widgets/DocumentHost.h"
#include "document/widgets/SourceEditor.h"
#include "document/widgets/DocumentWindow.h"
#include "structure/core/ReservedWords.h"
#include "structure/widgets/CopyMemberTrack.h"
#include "structure/core/WordTools.h"
#include "structure/widgets/StructureTreeView.h"

#include <cstdlib>

namespace norvane {

namespace {

bool treeRequired(DocumentWindow &child, DocumentHost &host)
{
    if (child.treeShown())
        return true;
    host.dialogs().message(Dialogs::Icon::Information, QStringLiteral("TreeView must be active"), Dialogs::Buttons::Ok);
    return false;
}

// A hit is the definition when its line is no comment, its area A..B holds
// something that is not a literal's continuation, and the whole delimited word
// at the hit is the name.
bool isDefinition(const std::string &line, int column, const std::string &name)
{
    if (line.size() < 7 || line[6] == '*')
        return false;
    const std::size_t first = line.find_first_not_of(' ', 7);
    if (first == std::string::npos || line[first] == '\'')
        return false;
    return WordAt(line, column) == name;
}

} // namespace

int findInTree(const StructureTreeView &tree, const std::vector<std::string> &words)
{
    for (int index = tree.count() - 1; index >= 0; --index) {
        const std::vector<std::string> nodeWords = SplitWords(toBytes(tree.nodeText(tree.nodeAt(index))));
        if (nodeWords.size() < words.size())
            continue;
        if (std::equal(words.begin(), words.end(), nodeWords.begin()))
            return tree.dataAt(index);
    }
    return -1;
}

int definitionSearch(const DocumentWindow &child, SourceEditor &editor, const std::string &name, Dialogs &dialogs,
                     const std::function<bool()> &lookElsewhere)
{
    int from = editor.lineIndex(child.dataDivisionLine);
    if (from == -1) {
        dialogs.message(Dialogs::Icon::Error, QStringLiteral("no DATA DIVISION found"), Dialogs::Buttons::Ok);
        return -1;
    }
    const int end = editor.lineIndex(child.procedureDivisionLine);
    if (end == -1) {
        dialogs.message(Dialogs::Icon::Error, QStringLiteral("no PROCEDURE DIVISION found"), Dialogs::Buttons::Ok);
        return -1;
    }
    const QString plain = toQString(name);
    const int length = static_cast<int>(name.size());
    // The name alone, then bracketed as in subscripts and OCCURS clauses; the
    // offset is where the name starts within the match.
    const std::pair<QString, int> variants[] = {
        {plain, 0},
        {QLatin1Char('(') + plain + QLatin1Char(')'), 1},
        {QLatin1Char('(') + plain, 1},
        {plain + QLatin1Char(')'), 0},
    };
    while (true) {
        int position = -1;
        for (const auto &[text, offset] : variants) {
            const int match = editor.findText(from, end, text, true, true);
            if (match != -1) {
                position = match + offset;
                break;
            }
        }
        if (position == -1) {
            if (lookElsewhere && lookElsewhere())
                return -1;
            dialogs.message(Dialogs::Icon::Warning,
                            QStringLiteral("definition for \"") + plain + QStringLiteral("\" not found"),
                            Dialogs::Buttons::Ok);
            return -1;
        }
        const int line = editor.lineFromChar(position);
        const std::string text = toBytes(editor.lineText(line));
        const int column = position - editor.lineIndex(line) + 1;
        if (isDefinition(text, column, name)) {
            editor.setSelection(position, length);
            return editor.lineFromChar(editor.selStart());
        }
        from = position + length;
    }
}

void track(DocumentWindow *child, DocumentHost &host)
{
    if (child == nullptr || trackCopyMember(*child, host) || !treeRequired(*child, host))
        return;
    SourceEditor &editor = *child->editorInUse();
    TrackHistory history = child->historyInUse();

    const int start = editor.selStart();
    const int line = editor.lineFromChar(start);
    const std::string text = toBytes(editor.lineText(line));
    if (SplitWords(text).empty())
        return;
    const int position = start - editor.lineIndex(-1) + 1;
    const std::string name = WordAt(text, position);
    if (isReservedWord(name))
        return;

    int target = findInTree(*child->structureTree(), {name});
    if (target != -1) {
        const int lineStart = editor.lineIndex(target);
        const int match = editor.findText(lineStart, lineStart + static_cast<int>(editor.lineText(target).size()),
                                          toQString(name), true, true);
        if (match == -1)
            return;
        editor.setSelection(match, static_cast<int>(name.size()));
    } else {
        target = definitionSearch(*child, editor, name, host.dialogs(),
                                  [&] { return trackIntoCopyMembers(*child, host, name); });
        if (target == -1)
            return;
    }

    if (history.empty() || history.back() != editor.selStart())
        history.push_back(start);
    child->historyInUse() = history;
    host.applyCommandStates(backTrackStates(true));
    editor.scrollToContext(target);
}

void backTrack(DocumentWindow *child, DocumentHost &host)
{
    if (child == nullptr || !treeRequired(*child, host))
        return;
    SourceEditor &editor = *child->editorInUse();
    TrackHistory &history = child->historyInUse();
    if (history.empty())
        return;
    editor.setSelStart(history.back());
    history.pop_back();
    if (history.empty())
        host.applyCommandStates(backTrackStates(false));
    editor.scrollToContext(editor.lineFromChar(editor.selStart()));
}

} // namespace norvane
