#pragma once

#include <Qt>
#include <QString>

class QWidget;

namespace norvane::test {

// Key events as a desktop delivers them, not as QTest::keyClick tidies them:
// every modifier is its own press and release, releases come in either order,
// keys roll over and repeat.
//
// The events go to the widget, or to the focus widget when there is none, and
// pass through the shortcut handling first, like real ones.

enum class Release {
    ModifiersFirst,   // Shift up, then Return up (what X11 delivers when the user lets go)
    KeyFirst,         // Return up, then Shift up
};

// The text a key press carries: "\r" for Return, "\t" for Tab, the letter for a letter ...
[[nodiscard]] QString keyText(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// One press or release of a key, the modifiers as held at that moment.
void keyDown(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers held = Qt::NoModifier, bool autoRepeat = false);
void keyUp(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers held = Qt::NoModifier, bool autoRepeat = false);

// The modifiers go down one by one (Shift, Ctrl, Alt, Meta), the key goes
// down, and the key and the modifiers come up in the order asked for.
void chord(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers, Release order);

// Typing a printable character: press and release, no modifiers.
void typeCharacter(QWidget *widget, char character);

} // namespace norvane::test
