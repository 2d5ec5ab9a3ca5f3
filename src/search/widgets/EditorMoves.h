#pragma once

class QWidget;

namespace norvane {

class SourceEditor;

// Small moves the search commands share.

// The selection stays as visible when the editor loses the focus to a search
// dialog as while it has it.
void keepSelectionShown(SourceEditor &editor);

// Paints the status bar of the main window holding the widget at once, so a
// progress text shows before a long search or replacement takes over.
void repaintStatusBar(QWidget &inside);

} // namespace norvane
