#include "document/widgets/EditorKeys.h"

#include "document/widgets/DocumentHost.h"
#include "document/widgets/DocumentWindow.h"
#include "document/widgets/SourceEditor.h"
#include "settings/core/Settings.h"

#include <QKeyEvent>

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

} // namespace

EditorKeys::EditorKeys(DocumentWindow &window, DocumentHost &host)
    : QObject(&window), m_window(window), m_host(host), m_editor(*window.editor())
{
    connect(&m_editor, &SourceEditor::keyDown, this, &EditorKeys::keyDown);
    connect(&m_editor, &SourceEditor::keyUp, this, &EditorKeys::keyUp);
    connect(&m_editor, &SourceEditor::mouseDown, this, [this] {
        m_window.ignoreTabUp = false;
        scheduleCaretShape();
    });
    connect(&m_editor, &SourceEditor::exited, this, [this] { m_editor.setCursorWidth(1); });
}

int EditorKeys::indentLength() const
{
    return m_host.settings().IndentOption;
}

void EditorKeys::scheduleCaretShape()
{
    QMetaObject::invokeMethod(this, &EditorKeys::setCaretShape, Qt::QueuedConnection);
}

void EditorKeys::setCaretShape()
{
    const bool block = (m_host.settings().optFatCarat || !m_window.insertMode) && m_editor.selLength() == 0;
    m_editor.setCursorWidth(block ? 8 : 1);
}

void EditorKeys::keyDown(QKeyEvent *event, bool &consumed)
{
    scheduleCaretShape();
    m_host.keyUpDone() = false;
    const int key = event->key();
    if (isEnter(key))
        m_window.enterPending = true;
    if (!m_window.keyIsDown) {
        m_window.keyIsDown = true;
        if (isEnter(key) || key == Qt::Key_Backspace || key == Qt::Key_Delete)
            m_window.syncSuspended = true;
    }
    // Tab is handled when it comes up: it inserts blanks, never a tab character.
    if (isTab(key))
        consumed = true;
}

void EditorKeys::keyUp(QKeyEvent *event)
{
    m_window.keyIsDown = false;
    m_window.updateSaveCommands();
    m_window.syncToCaret(&m_editor);
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    bool &keyUpDone = m_host.keyUpDone();
    if (!m_window.ignoreTabUp && isTab(key))
        keyUpDone = false;
    m_window.ignoreTabUp = false;
    if (keyUpDone)
        return;
    keyUpDone = true;

    if (isEnter(key) && m_window.enterPending) {
        m_window.enterPending = false;
        autoIndentNewLine();
        if (modifiers & Qt::ShiftModifier)
            insertIndentAtCaret();
        else if (modifiers & Qt::ControlModifier)
            deleteIndentChars(DeleteMode::BeforeCaret);
        m_window.syncSuspended = false;
        m_window.editorSelectionChanged();
        return;
    }
    if (key == Qt::Key_Backspace && (modifiers & Qt::ShiftModifier))
        deleteIndentChars(DeleteMode::Backspace);
    else if (key == Qt::Key_Delete && (modifiers & Qt::ShiftModifier))
        deleteIndentChars(DeleteMode::Delete);

    if (isTab(key)) {
        if (modifiers & (Qt::AltModifier | Qt::ControlModifier))
            return;
        if ((modifiers & Qt::ShiftModifier) || key == Qt::Key_Backtab)
            m_editor.setSelStart(std::max(0, m_editor.selStart() - indentLength()));
        else
            insertIndentAtCaret();
        return;
    }
    if (key == Qt::Key_Insert) {
        if (m_editor.isReadOnly() || (modifiers & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier)))
            return;
        m_window.insertMode = !m_window.insertMode;
        m_editor.setOverwriteMode(!m_window.insertMode);
        m_host.setStatusPanel(0, m_window.insertMode ? QStringLiteral("Insert   ") : QStringLiteral("Overtype   "));
        scheduleCaretShape();
        return;
    }
    if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        m_window.editorSelectionChanged();
        return;
    }
    m_window.syncSuspended = false;
    if (key == Qt::Key_Delete || key == Qt::Key_Backspace)
        m_window.editorSelectionChanged();
}


void EditorKeys::insertTextAtCaret(const QString &text)
{
    if (!text.isEmpty())
        m_editor.replaceSelection(text);
}

void EditorKeys::insertIndentAtCaret()
{
    insertTextAtCaret(QString(indentLength(), u' '));
}

void EditorKeys::deleteIndentChars(DeleteMode mode)
{
    const int n = indentLength();
    m_editor.suspendRedraw();
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
    m_editor.resumeRedraw();
}

bool EditorKeys::autoIndentNewLine()
{
    if (m_editor.selStart() != m_editor.lineIndex(-1))
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
        m_editor.suspendRedraw();
        m_editor.setLineText(line - 1, above.left(end));
        m_editor.setSelStart(m_editor.lineIndex(line - 1) + static_cast<int>(end) + 2 +
                               static_cast<int>(indented ? blanks : 0));
        m_editor.resumeRedraw();
    }
    return true;
}

} // namespace norvane
