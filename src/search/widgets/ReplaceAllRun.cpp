#include "search/widgets/ReplaceAllRun.h"

#include "document/widgets/SourceEditor.h"
#include "document/widgets/DocumentWindow.h"
#include "search/core/ShiftLog.h"

#include <QTextCursor>

#include <cstdlib>

namespace norvane {

namespace {

// The editor holds line feeds and 8-bit characters only, as its own
// replacements do.
QString asEditorText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    for (QChar &c : text) {
        if (c.unicode() > 0xFF)
            c = u'?';
    }
    return text;
}

} // namespace

ReplaceAllRun::ReplaceAllRun(DocumentWindow &child, QString findText, QString replaceText, bool matchCase, bool wholeWord)
    : m_child(child), m_find(std::move(findText)), m_replace(std::move(replaceText)), m_matchCase(matchCase),
      m_wholeWord(wholeWord)
{
    const SourceEditor &editor = *child.editor();
    m_caret = editor.selStart();
    m_selectionEnd = m_caret + editor.selLength();
    // A selection inside one line does not limit Replace All.
    m_inSelection = editor.selLength() > 0 && editor.selectedText().contains(u'\n');
}

int ReplaceAllRun::replace()
{
    if (m_find.isEmpty())
        return 0;
    SourceEditor &editor = *m_child.editor();
    // Stored values must be in step with the text before the run shifts them.
    m_child.updateTree();
    m_child.syncSuspended = true;

    const QString inserted = asEditorText(m_replace);
    const auto insertedLines = static_cast<int>(inserted.count(u'\n'));
    const int insertedLength = static_cast<int>(inserted.size()) + insertedLines;   // a line break counts two
    const auto findLength = static_cast<int>(m_find.size());
    const int charDelta = insertedLength - findLength;

    ShiftLog lineShifts;
    ShiftLog positionShifts;
    int end = m_selectionEnd;
    int from = m_inSelection ? m_caret : 0;
    int caret = m_caret;
    bool caretSettled = m_inSelection;   // matches start at or after a selection's start
    int count = 0;

    QTextCursor cursor(editor.document());
    cursor.beginEditBlock();
    while (true) {
        const int match = editor.findText(from, editor.textLength(), m_find, m_matchCase, m_wholeWord);
        if (match < 0 || (m_inSelection && match + findLength > end))
            break;
        if (!caretSettled) {
            if (match + findLength <= caret) {
                caret += charDelta;
            } else {
                if (match < caret)
                    caret = match;   // the caret was inside the text replaced
                caretSettled = true;
            }
        }
        // A match lies within one line, whose line breaks before it count two positions each.
        const int line = editor.lineFromChar(match);
        cursor.setPosition(match - line);
        cursor.setPosition(match - line + findLength, QTextCursor::KeepAnchor);
        cursor.insertText(inserted);

        // The update after a single edit shifts what lies after the caret, less the size of the change.
        const int caretAfter = match + insertedLength;
        positionShifts.add(caretAfter - std::abs(charDelta), charDelta);
        if (insertedLines != 0)
            lineShifts.add(editor.lineFromChar(caretAfter) - insertedLines, insertedLines);
        end += charDelta;
        from = caretAfter;
        ++count;
    }
    cursor.endEditBlock();

    m_child.shiftStoredValues(lineShifts, positionShifts);
    editor.setSelStart(caret);
    m_child.syncSuspended = false;
    return count;
}

} // namespace norvane
