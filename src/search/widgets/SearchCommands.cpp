#include "search/widgets/SearchCommands.h"

#include "common/widgets/Dialogs.h"
#include "common/widgets/Latin1.h"
#include "common/widgets/WaitCursor.h"
#include "document/widgets/DocumentHost.h"
#include "document/widgets/SourceEditor.h"
#include "document/widgets/DocumentWindow.h"
#include "search/core/SearchMessages.h"
#include "search/widgets/EditorMoves.h"
#include "search/widgets/FindReplaceDialog.h"
#include "search/widgets/ReplaceAllRun.h"

#include <QTextBlock>

#include <optional>

namespace norvane {

namespace {

// The dialog opens 100 pixels right of and 200 below the editor's corner.
const QPoint DialogOffset(100, 200);

} // namespace

SearchCommands::SearchCommands(DocumentHost &host, QWidget *mainWindow) : QObject(mainWindow), m_host(host)
{
    findDialog = new FindReplaceDialog(FindReplaceDialog::Mode::Find, mainWindow);
    replaceDialog = new FindReplaceDialog(FindReplaceDialog::Mode::Replace, mainWindow);
    connect(findDialog, &FindReplaceDialog::findNext, this, &SearchCommands::findNextFromFindDialog);
    connect(replaceDialog, &FindReplaceDialog::findNext, this, &SearchCommands::findNextFromReplaceDialog);
    connect(replaceDialog, &FindReplaceDialog::replace, this, [this] { replaceFromReplaceDialog(false); });
    connect(replaceDialog, &FindReplaceDialog::replaceAll, this, [this] { replaceFromReplaceDialog(true); });
}

// The dialogs stay open while the user moves between windows; they act on the
// active window when it holds a source text.
DocumentWindow *SearchCommands::activeSourceWindow() const
{
    DocumentWindow *child = m_host.activeDocument();
    return child != nullptr && child->isSourceWindow ? child : nullptr;
}

void SearchCommands::placeDialog(FindReplaceDialog &dialog, const DocumentWindow &child)
{
    const SourceEditor &editor = *child.editor();
    const QWidget *parent = editor.parentWidget();
    dialog.showAt(parent != nullptr ? parent->mapToGlobal(editor.pos() + DialogOffset) : DialogOffset);
}

void SearchCommands::find(DocumentWindow *child)
{
    if (child == nullptr)
        return;
    SourceEditor *editor = child->editorInUse();
    if (editor->selLength() > 0)
        findDialog->setFindText(editor->selectedText());
    child->keyIsDown = false;
    placeDialog(*findDialog, *child);
}

void SearchCommands::replace(DocumentWindow *child)
{
    if (child == nullptr)
        return;
    // A selection over several lines is what Replace All works in, not a text to find.
    SourceEditor *editor = child->editor();
    if (editor->selLength() > 0) {
        const QString selected = editor->selectedText();
        if (!selected.contains(u'\n'))
            replaceDialog->setFindText(selected);
    }
    child->keyIsDown = false;
    placeDialog(*replaceDialog, *child);
}

int SearchCommands::searchAndSelect(SourceEditor &editor, const QString &text, bool matchCase, bool wholeWord,
                                    bool forward)
{
    const int length = SourceEditor::positionsOf(text);
    int match = -1;
    if (forward) {
        match = editor.findText(editor.selStart() + editor.selLength(), editor.textLength(), text, matchCase, wholeWord);
    } else if (const int start = editor.selStart(); start > 0) {
        // The last match that begins before the selection.
        match = editor.findLastText(0, std::min(editor.textLength(), start - 1 + length), text, matchCase, wholeWord);
    }
    if (match < 0)
        return -1;
    keepSelectionShown(editor);
    editor.setSelection(match, length);
    editor.scrollToContext(editor.lineFromChar(match));
    return match;
}

void SearchCommands::findInEditor(SourceEditor &editor, const FindReplaceDialog &dialog, bool forward)
{
    const QString text = dialog.findText();
    if (text.isEmpty())
        return;
    std::optional<WaitCursor> wait(std::in_place);
    editor.suspendRedraw();
    int match = searchAndSelect(editor, text, dialog.matchCase(), dialog.wholeWord(), forward);
    editor.resumeRedraw();
    if (match >= 0)
        return;
    wait.reset();
    const QString question =
        forward ? QStringLiteral("End of file - restart from top?") : QStringLiteral("Top of file - restart from end?");
    if (m_host.dialogs().message(Dialogs::Icon::Confirmation, question, Dialogs::Buttons::OkCancel) !=
        Dialogs::Answer::Ok)
        return;
    wait.emplace();
    editor.suspendRedraw();
    editor.setSelStart(forward ? 0 : editor.textLength());
    match = searchAndSelect(editor, text, dialog.matchCase(), dialog.wholeWord(), forward);
    editor.resumeRedraw();
}

void SearchCommands::findNextFromFindDialog()
{
    DocumentWindow *child = activeSourceWindow();
    if (child == nullptr)
        return;
    m_host.setCurrentDocument(child);
    m_lastUsed = findDialog;
    findInEditor(*child->editorInUse(), *findDialog);
}

void SearchCommands::findNextFromReplaceDialog()
{
    DocumentWindow *child = activeSourceWindow();
    if (child == nullptr)
        return;
    m_host.setCurrentDocument(child);
    m_lastUsed = replaceDialog;
    findInEditor(*child->editor(), *replaceDialog);
}

void SearchCommands::findAgain(DocumentWindow *child, bool forward)
{
    if (child == nullptr || !child->isSourceWindow)
        return;
    const FindReplaceDialog &dialog = m_lastUsed != nullptr ? *m_lastUsed : *findDialog;
    if (dialog.findText().isEmpty()) {
        find(child);
        return;
    }
    child->keyIsDown = false;
    findInEditor(*child->editorInUse(), dialog, forward);
}

void SearchCommands::replaceFromReplaceDialog(bool all)
{
    DocumentWindow *child = activeSourceWindow();
    const QString findText = replaceDialog->findText();
    if (child == nullptr || findText.isEmpty())
        return;
    m_host.setCurrentDocument(child);
    SourceEditor &editor = *child->editor();
    if (editor.isReadOnly()) {
        m_host.dialogs().message(Dialogs::Icon::Information, QStringLiteral("This file is read only"),
                                 Dialogs::Buttons::Ok);
        return;
    }
    if (all) {
        replaceAll(*child);
        return;
    }

    // One occurrence: the selection when it is the find text exactly, else the
    // next match, replaced at once.
    child->keyIsDown = true;
    std::optional<WaitCursor> wait(std::in_place);
    editor.suspendRedraw();
    bool replace = editor.selectedText() == findText;
    if (!replace)
        replace = searchAndSelect(editor, findText, replaceDialog->matchCase(), replaceDialog->wholeWord()) >= 0;
    if (replace) {
        editor.replaceSelection(replaceDialog->replaceText());
    } else {
        wait.reset();
        editor.resumeRedraw();
        m_host.dialogs().message(Dialogs::Icon::Warning, QStringLiteral("End of document"), Dialogs::Buttons::Ok);
        editor.suspendRedraw();
    }
    child->keyIsDown = false;
    editor.resumeRedraw();
    // The change notifications were skipped while the key flag was up.
    child->updateSaveCommands();
    child->editorSelectionChanged();
}

void SearchCommands::replaceAll(DocumentWindow &child)
{
    replaceDialog->hide();
    SourceEditor &editor = *child.editor();
    ReplaceAllRun run(child, replaceDialog->findText(), replaceDialog->replaceText(), replaceDialog->matchCase(),
                      replaceDialog->wholeWord());
    const QString status = toQString(
        replaceAllStatus(run.inSelection(), toBytes(replaceDialog->findText()), toBytes(replaceDialog->replaceText())));
    m_host.setStatusPanel(1, status);
    repaintStatusBar(child);
    emit progress(status);

    child.keyIsDown = true;
    int count = 0;
    {
        WaitCursor wait;
        editor.suspendRedraw();
        count = run.replace();
        child.keyIsDown = false;
        editor.resumeRedraw();
    }
    child.updateSaveCommands();
    child.editorSelectionChanged();
    m_host.dialogs().message(Dialogs::Icon::Information,
                             toQString(replaceAllReport(run.inSelection(), count, toBytes(replaceDialog->findText()),
                                                        toBytes(replaceDialog->replaceText()))),
                             Dialogs::Buttons::Ok);
}

} // namespace norvane
