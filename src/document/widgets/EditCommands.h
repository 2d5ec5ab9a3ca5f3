#pragma once

namespace norvane {

class DocumentWindow;

// The Edit menu's Undo, Redo, Cut, Copy and Paste on the document a command
// works on (none: nothing happens). In a source window they act on the editor
// (Copy on the editor in use, so also on the split view), whose stored lines
// and positions follow the change; in a data window Cut, Copy and Paste act
// on the current cell of the grid.
void undoEdit(DocumentWindow *child);
void redoEdit(DocumentWindow *child);
void cutToClipboard(DocumentWindow *child);
void copyToClipboard(DocumentWindow *child);
void pasteFromClipboard(DocumentWindow *child);

} // namespace norvane
