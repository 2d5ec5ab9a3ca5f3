#pragma once

namespace norvane {

class DocumentWindow;

// The Edit menu's Undo, Cut, Copy and Paste on the document a command works
// on (none: nothing happens). In a source window they act on the editor (Copy
// on the editor in use, so also on the split view) and keep the stored lines
// and positions in step; in a data window Cut, Copy and Paste act on the
// current cell of the grid.
void undoEdit(DocumentWindow *child);
void cutToClipboard(DocumentWindow *child);
void copyToClipboard(DocumentWindow *child);
void pasteFromClipboard(DocumentWindow *child);

} // namespace norvane
