#include "structure/widgets/Track.h"

#include "common/core/AsciiCase.h"
#include "common/core/CommandState.h"
#include "common/widgets/Dialogs.h"
#include "common/widgets/Latin1.h"
#include "document/widgets/DocumentHost.h"
#include "document/widgets/SourceEditor.h"
#include "document/core/SourceColumns.h"
#include "document/widgets/DocumentWindow.h"
#include "structure/core/ReservedWords.h"
#include "structure/widgets/CopyMemberTrack.h"
#include "structure/core/WordTools.h"
#include "structure/widgets/StructureTreeView.h"

#include <algorithm>

namespace norvane {

namespace {

bool treeRequired(DocumentWindow &child, DocumentHost &host)
{
    if (child.treeShown())
        return true;
    host.dialogs().message(Dialogs::Icon::Information, QStringLiteral("TreeView must be active"), Dialogs::Buttons::Ok);
    return false;
}

// A line's text with its tabs expanded (every 8 columns) and the 1-based
// column of the byte at an offset in it.
struct Columns {
    std::string text;
    std::size_t column = 0;
};

Columns columnsOf(const QString &line, int offset)
{
    const std::string bytes = toBytes(line);
    std::string buffer;
    const std::string_view expanded = expandTabs(bytes, buffer);
    return {std::string(expanded), columnOfOffset(bytes, static_cast<std::size_t>(std::max(offset, 0))) + 1};
}

// A hit is the definition when its line is no comment, its area A..B holds
// something that is not a literal's continuation, and the whole delimited word
// at the hit is the name, in any letter case.
bool isDefinition(const Columns &line, const std::string &name)
{
    const std::string &text = line.text;
    if (text.size() < 7 || text[6] == '*' || text[6] == '/')
        return false;
    const std::size_t first = text.find_first_not_of(' ', 7);
    if (first == std::string::npos || text[first] == '\'')
        return false;
    return equalsIgnoringCase(WordAt(text, line.column), name);
}

} // namespace

int findInTree(const StructureTreeView &tree, const std::vector<std::string> &words)
{
    for (int index = tree.count() - 1; index >= 0; --index) {
        const std::vector<std::string> nodeWords = SplitWords(toBytes(tree.nodeText(tree.nodeAt(index))));
        if (nodeWords.size() < words.size())
            continue;
        if (std::equal(words.begin(), words.end(), nodeWords.begin(),
                       [](const std::string &a, const std::string &b) { return equalsIgnoringCase(a, b); }))
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
            const int match = editor.findText(from, end, text, false, true);
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
        if (isDefinition(columnsOf(editor.lineText(line), position - editor.lineIndex(line)), name)) {
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
    // Columns as they stand, a tab taking its columns up to the next tab stop.
    const Columns caret = columnsOf(editor.lineText(line), start - editor.lineIndex(-1));
    if (SplitWords(caret.text).empty())
        return;
    const std::string name = WordAt(caret.text, caret.column);
    if (isReservedWordInAnyCase(name))
        return;

    int target = findInTree(*child->structureTree(), {name});
    if (target != -1) {
        const int lineStart = editor.lineIndex(target);
        const int match = editor.findText(lineStart, lineStart + static_cast<int>(editor.lineText(target).size()),
                                          toQString(name), false, true);
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
    if (child->historyInUse().empty())
        return;
    editor.setSelStart(child->takeLastTrack());
    if (child->historyInUse().empty())
        host.applyCommandStates(backTrackStates(false));
    editor.scrollToContext(editor.lineFromChar(editor.selStart()));
}

} // namespace norvane
