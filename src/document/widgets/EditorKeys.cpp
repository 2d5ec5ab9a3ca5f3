#include "document/widgets/EditorKeys.h"

#include "document/widgets/DocumentHost.h"
#include "document/widgets/DocumentWindow.h"
#include "document/widgets/SourceEditor.h"
#include "settings/core/Settings.h"

#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QTextCursor>

#include <algorithm>

namespace norvane {

namespace {

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool isTab(int key)
{
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

bool isModifier(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr || key == Qt::Key_Super_L || key == Qt::Key_Super_R;
}

} // namespace

EditorKeys::EditorKeys(DocumentWindow &window, DocumentHost &host)
    : QObject(&window), m_window(window), m_host(host), m_editor(*window.editor())
{
    connect(&m_editor, &SourceEditor::keyPress, this, &EditorKeys::keyPress);
    connect(&m_editor, &SourceEditor::mouseDown, this, &EditorKeys::scheduleCaretShape);
    connect(&m_editor, &SourceEditor::exited, this, [this] { m_editor.setCursorWidth(1); });
}

int EditorKeys::indentLength() const
{
    return m_host.settings().IndentOption;
}

void EditorKeys::scheduleCaretShape()
{
    if (m_caretShapePending)
        return;
    m_caretShapePending = true;
    QMetaObject::invokeMethod(this, &EditorKeys::setCaretShape, Qt::QueuedConnection);
}

void EditorKeys::setCaretShape()
{
    m_caretShapePending = false;
    const bool block = (m_host.settings().optFatCarat || !m_window.insertMode) && !m_editor.textCursor().hasSelection();
    // A new width repaints the caret: only when it changes.
    const int width = block ? 8 : 1;
    if (m_editor.cursorWidth() != width)
        m_editor.setCursorWidth(width);
}

void EditorKeys::keyPress(QKeyEvent *event, bool &handled)
{
    // A modifier on its own changes nothing yet: the key it goes with does.
    if (isModifier(event->key()))
        return;
    handled = true;
    scheduleCaretShape();
    {
        // The change notifications of the key's edits leave their work to the
        // end of the key: the tree's selection, the command states and the
        // status bar are brought up to date once. The stored lines follow each
        // edit as it happens.
        const QScopedValueRollback keyDown(m_window.keyIsDown, true);
        const QScopedValueRollback suspended(m_window.syncSuspended, true);
        applyKey(event);
    }
    m_window.updateSaveCommands();
    m_window.editorSelectionChanged();
}

void EditorKeys::applyKey(QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool shift = modifiers.testFlag(Qt::ShiftModifier);
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const bool writable = !m_editor.isReadOnly();

    // Tab is never the editor's own: no tab character, no change of focus.
    if (isTab(key)) {
        event->accept();
        if (modifiers & (Qt::AltModifier | Qt::ControlModifier))
            return;
        if (shift || key == Qt::Key_Backtab)
            m_editor.setSelStart(std::max(0, m_editor.selStart() - indentLength()));
        else if (writable)
            insertIndentAtCaret();
        return;
    }
    if (key == Qt::Key_Insert) {
        // Shift+Insert and Ctrl+Insert are the clipboard's keys.
        m_editor.standardKeyPress(event);
        if (writable && !(modifiers & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier)))
            toggleInsertMode();
        return;
    }

    const bool enter = isEnter(key);
    const bool shiftBackspace = key == Qt::Key_Backspace && shift;
    // With a selection, Shift+Delete is the standard Cut and nothing more.
    const bool shiftDelete = key == Qt::Key_Delete && shift && !m_editor.textCursor().hasSelection();
    if (!writable || !(enter || shiftBackspace || shiftDelete)) {
        m_editor.standardKeyPress(event);
        return;
    }
    // The editor's own edit and the rule's are one undo step.
    QTextCursor step(m_editor.document());
    step.beginEditBlock();
    m_editor.standardKeyPress(event);
    if (enter) {
        // Only after a line break the editor made (Alt+Enter makes none).
        if (event->isAccepted()) {
            autoIndentNewLine();
            if (shift)
                insertIndentAtCaret();
            else if (control)
                deleteIndentChars(DeleteMode::BeforeCaret);
        }
    } else {
        deleteIndentChars(shiftBackspace ? DeleteMode::Backspace : DeleteMode::Delete);
    }
    step.endEditBlock();
    m_editor.ensureCursorVisible();
}

void EditorKeys::toggleInsertMode()
{
    m_window.insertMode = !m_window.insertMode;
    m_editor.setOverwriteMode(!m_window.insertMode);
    m_host.setStatusPanel(0, m_window.insertMode ? QStringLiteral("Insert   ") : QStringLiteral("Overtype   "));
}

// The routines below edit through text cursors, which do not ask whether the
// editor is read-only: each asks itself.
void EditorKeys::insertTextAtCaret(const QString &text)
{
    if (!text.isEmpty() && !m_editor.isReadOnly())
        m_editor.replaceSelection(text);
}

void EditorKeys::insertIndentAtCaret()
{
    insertTextAtCaret(QString(indentLength(), u' '));
}

void EditorKeys::deleteIndentChars(DeleteMode mode)
{
    if (m_editor.isReadOnly())
        return;
    const int n = indentLength();
    int count = m_editor.selStart() - m_editor.lineIndex(-1);
    switch (mode) {
    case DeleteMode::Backspace:
        if (count >= n)
            count = std::max(n - 1, 0);
        break;
    case DeleteMode::Delete:
        count = n;
        break;
    case DeleteMode::BeforeCaret:
        count = std::min(count, n);
        break;
    }
    if (mode != DeleteMode::Delete)
        m_editor.setSelStart(m_editor.selStart() - count);
    if (count > 0) {
        m_editor.setSelLength(count);
        m_editor.clearSelection();
    }
    m_editor.setSelLength(0);
}

bool EditorKeys::autoIndentNewLine()
{
    if (m_editor.isReadOnly() || m_editor.selStart() != m_editor.lineIndex(-1))
        return false;
    const int line = m_editor.lineFromChar(m_editor.selStart());
    if (line < 1)
        return true;
    const QString above = m_editor.lineText(line - 1);
    qsizetype blanks = 0;
    while (blanks < above.size() && above.at(blanks) == u' ')
        ++blanks;
    const bool indented = blanks > 0 && blanks < above.size();
    if (indented)
        insertTextAtCaret(QString(blanks, u' '));
    qsizetype end = above.size();
    while (end > 0 && above.at(end - 1) == u' ')
        --end;
    if (end < above.size()) {
        m_editor.setLineText(line - 1, above.left(end));
        m_editor.setSelStart(m_editor.lineIndex(line - 1) + static_cast<int>(end) + 2 +
                             static_cast<int>(indented ? blanks : 0));
    }
    return true;
}

} // namespace norvane
