#pragma once

namespace norvane {

class Dialogs;
class DocumentWindow;

// Go to line: asks for a line number and puts the caret of the editor in use
// at the start of that line, the line at the top of the view. Input that is no
// line of the text is refused with a message, and nothing moves.
void goToLine(DocumentWindow *child, Dialogs &dialogs);

} // namespace norvane
