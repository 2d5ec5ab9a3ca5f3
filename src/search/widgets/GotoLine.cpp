#include "search/widgets/GotoLine.h"

#include "common/widgets/Dialogs.h"
#include "common/widgets/Latin1.h"
#include "document/widgets/SourceEditor.h"
#include "document/widgets/DocumentWindow.h"
#include "search/core/LineNumberInput.h"

namespace norvane {

void goToLine(DocumentWindow *child, Dialogs &dialogs)
{
    if (child == nullptr)
        return;
    child->keyIsDown = false;
    SourceEditor &editor = *child->editorInUse();
    const std::optional<QString> answer =
        dialogs.inputText(QStringLiteral("Goto line"), QStringLiteral("Line number:"), QString());
    editor.setFocus();
    if (!answer || answer->isEmpty())
        return;
    const Result<int> line = lineIndexFromInput(toBytes(*answer), editor.lineCount());
    if (!line) {
        dialogs.message(Dialogs::Icon::Error, toQString(line.error()), Dialogs::Buttons::Ok);
        return;
    }
    editor.setSelStart(editor.lineIndex(line.value()));
    editor.setFirstVisibleLine(line.value());
}

} // namespace norvane
