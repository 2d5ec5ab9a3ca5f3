#include "search/widgets/ReplaceAllRun.h"

#include "document/widgets/SourceEditor.h"
#include "document/widgets/DocumentWindow.h"

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
    m_child.syncSuspended = true;

    const QString inserted = asEditorText(m_replace);
    const auto insertedLines = static_cast<int>(inserted.count(u'\n'));
    const int insertedLength = static_cast<int>(inserted.size()) + insertedLines;   // a line break counts two
    const int findLength = SourceEditor::positionsOf(m_find);
    const auto findDocumentLength = static_cast<int>(asEditorText(m_find).size());   // a line break counts one
    const int charDelta = insertedLength - findLength;

    int end = m_selectionEnd;
    // The search goes on in the document's own positions: no conversion per match.
    int from = m_inSelection ? editor.documentPosition(m_caret) : 0;
    int caret = m_caret;
    bool caretSettled = m_inSelection;   // matches start at or after a selection's start
    int count = 0;
    {
        // One undo step, which brings the caret back where it is now; the
        // window's stored places follow each replacement.
        SourceEditor::EditRun run(editor);
        while (true) {
            const SourceEditor::Match found =
                editor.findFrom(from, editor.textLength(), m_find, m_matchCase, m_wholeWord);
            const int match = found.position;
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
            run.replace(found.documentPosition, found.documentPosition + findDocumentLength, inserted);
            end += charDelta;
            from = found.documentPosition + static_cast<int>(inserted.size());
            ++count;
        }
    }
    editor.setSelStart(caret);
    m_child.syncSuspended = false;
    return count;
}

} // namespace norvane
