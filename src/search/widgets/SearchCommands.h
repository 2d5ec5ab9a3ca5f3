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

    // The dialogs' buttons.
    void findNextFromFindDialog();
    void findNextFromReplaceDialog();
    void replaceFromReplaceDialog(bool all);

    // Selects the next match after the selection (or the caret) and scrolls it
    // into context; the match's position, or -1 when there is none.
    static int searchAndSelect(SourceEditor &editor, const QString &text, bool matchCase, bool wholeWord);

    FindReplaceDialog *findDialog = nullptr;
    FindReplaceDialog *replaceDialog = nullptr;

signals:
    // The progress text Replace All writes into the status bar.
    void progress(const QString &text);

private:
    void findInEditor(SourceEditor &editor, const FindReplaceDialog &dialog);
    void replaceAll(DocumentWindow &child);
    void placeDialog(FindReplaceDialog &dialog, const DocumentWindow &child);
    [[nodiscard]] DocumentWindow *activeSourceWindow() const;

    DocumentHost &m_host;
};

} // namespace norvane
