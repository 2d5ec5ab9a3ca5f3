#pragma once

class QWidget;

namespace norvane {

class SourceEditor;

// Small moves the search commands share.

// Scrolls so that the line is the sixth one in view (the five above it give
// the context), or to the top of the text for the first five lines.
void scrollToContext(SourceEditor &editor, int line);

// The selection stays as visible when the editor loses the focus to a search
// dialog as while it has it.
void keepSelectionShown(SourceEditor &editor);

// Paints the status bar of the main window holding the widget at once, so a
// progress text shows before a long search or replacement takes over.
void repaintStatusBar(QWidget &inside);

} // namespace norvane
