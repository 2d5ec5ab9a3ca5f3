#include "document/widgets/EditCommands.h"

#include "document/widgets/DocumentWindow.h"
#include "document/widgets/SourceEditor.h"
#include "layout/widgets/RecordWindows.h"

#include <QTextDocument>

namespace norvane {

namespace {

// Cut and Paste change the text of the editor, never of the split view, and
// bring the stored lines up to date; in a data window they act on the current cell.
void clipboardEdit(DocumentWindow *child, void (QPlainTextEdit::*edit)(), void (*dataCell)(DocumentWindow &))
{
    if (child != nullptr && child->isDataWindow)
        dataCell(*child);
    if (child == nullptr || !child->isSourceWindow)
        return;
    child->keyIsDown = false;
    if (!child->editor()->isReadOnly())
        (child->editor()->*edit)();
    child->editorSelectionChanged();
}

} // namespace

// QPlainTextEdit::undo does not ask whether the editor is read-only.
void undoEdit(DocumentWindow *child)
{
    if (child != nullptr && child->isSourceWindow && child->editor()->isModified() &&
        !child->editor()->isReadOnly())
        child->editor()->undo();
}

void redoEdit(DocumentWindow *child)
{
    if (child != nullptr && child->isSourceWindow && !child->editor()->isReadOnly() &&
        child->editor()->document()->isRedoAvailable())
        child->editor()->redo();
}

void cutToClipboard(DocumentWindow *child)
{
    clipboardEdit(child, &QPlainTextEdit::cut, &cutDataCell);
}

void copyToClipboard(DocumentWindow *child)
{
    if (child != nullptr && child->isDataWindow)
        copyDataCell(*child);
    if (child == nullptr || !child->isSourceWindow)
        return;
    child->keyIsDown = false;
    child->editorInUse()->copy();
}

void pasteFromClipboard(DocumentWindow *child)
{
    clipboardEdit(child, &QPlainTextEdit::paste, &pasteDataCell);
}

} // namespace norvane
