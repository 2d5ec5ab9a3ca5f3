#pragma once

#include <QObject>

class QKeyEvent;
class QString;

namespace norvane {

class DocumentHost;
class DocumentWindow;
class SourceEditor;

// The COBOL keys of a document window's editor. Each acts when its key goes
// down (every autorepeat too), right after the editor's own handling of the
// key and with the modifiers held at that moment: Tab and Shift+Tab by the
// indent length, Shift+Backspace and Shift+Delete taking up to that many
// characters, Enter continuing the indentation of the line above (Shift+Enter
// one indent further, Ctrl+Enter one back), and Insert switching to overtype,
// shown by a block caret. None of them changes a read-only editor.
class EditorKeys : public QObject {
    Q_OBJECT

public:
    EditorKeys(DocumentWindow &window, DocumentHost &host);

    // Sets the caret shape once the editor has finished its own handling of the
    // current event: a block for overtype or the block-caret option, a bar
    // otherwise and whenever text is selected.
    void scheduleCaretShape();

    // Replaces the selection of the editor (or inserts at the caret) as one undo step.
    void insertTextAtCaret(const QString &text);
    // The indent length of blanks at the caret.
    void insertIndentAtCaret();
    enum class DeleteMode { Backspace, Delete, BeforeCaret };
    // Takes up to the indent length of characters away around the caret.
    void deleteIndentChars(DeleteMode mode);
    // After Enter: continues the indentation of the line above and trims it;
    // false when the caret is not at the start of its line.
    bool autoIndentNewLine();

private:
    void keyPress(QKeyEvent *event, bool &handled);
    // The editor's own handling of the key and the key's rule.
    void applyKey(QKeyEvent *event);
    void toggleInsertMode();
    void setCaretShape();
    [[nodiscard]] int indentLength() const;

    DocumentWindow &m_window;
    DocumentHost &m_host;
    SourceEditor &m_editor;
    bool m_caretShapePending = false;   // a caret shape is to be set once the current event is handled
};

} // namespace norvane
