#include "search/widgets/EditorMoves.h"

#include "document/widgets/SourceEditor.h"

#include <QMainWindow>
#include <QStatusBar>

namespace norvane {

void keepSelectionShown(SourceEditor &editor)
{
    QPalette palette = editor.palette();
    if (palette.color(QPalette::Inactive, QPalette::Highlight) == palette.color(QPalette::Active, QPalette::Highlight))
        return;
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    editor.setPalette(palette);
}

void repaintStatusBar(QWidget &inside)
{
    if (auto *main = qobject_cast<QMainWindow *>(inside.window()))
        main->statusBar()->repaint();
}

} // namespace norvane
