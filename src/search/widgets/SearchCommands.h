#pragma once

#include <QObject>

class QWidget;

namespace norvane {

class DocumentHost;
class FindReplaceDialog;
class SourceEditor;
class DocumentWindow;

// Find and Replace: the two modeless dialogs of the main window and what their
// buttons do to the document window active at the moment of the press. A
// search runs forward from the caret; at the end of the text the user may go
// on from the top.
class SearchCommands : public QObject {
    Q_OBJECT

public:
    // The dialogs belong to the main window.
    SearchCommands(DocumentHost &host, QWidget *mainWindow);

    // The main window's Find and Replace: the selection becomes the find text,
    // and the dialog is shown over the document's editor.
    void find(DocumentWindow *child);
    void replace(DocumentWindow *child);
    // Find next (F3) and Find previous (Shift+F3): the next or previous
    // occurrence of the text last looked for, with its options, in the editor
    // in use; with nothing looked for yet, the Find dialog opens.
    void findAgain(DocumentWindow *child, bool forward);

    // The dialogs' buttons.
    void findNextFromFindDialog();
    void findNextFromReplaceDialog();
    void replaceFromReplaceDialog(bool all);

    // Selects the next match after the selection (or the caret), or the last
    // one before it, and scrolls it into context; the match's position, or -1
    // when there is none. A text with line breaks matches across lines.
    static int searchAndSelect(SourceEditor &editor, const QString &text, bool matchCase, bool wholeWord,
                               bool forward = true);

    FindReplaceDialog *findDialog = nullptr;
    FindReplaceDialog *replaceDialog = nullptr;

signals:
    // The progress text Replace All writes into the status bar.
    void progress(const QString &text);

private:
    void findInEditor(SourceEditor &editor, const FindReplaceDialog &dialog, bool forward = true);
    void replaceAll(DocumentWindow &child);
    void placeDialog(FindReplaceDialog &dialog, const DocumentWindow &child);
    [[nodiscard]] DocumentWindow *activeSourceWindow() const;

    DocumentHost &m_host;
    FindReplaceDialog *m_lastUsed = nullptr;   // the dialog whose Find Next was pressed last
};

} // namespace norvane
