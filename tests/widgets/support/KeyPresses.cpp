#include "support/KeyPresses.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <array>
#include <utility>

namespace norvane::test {

namespace {

// The modifiers in the order a hand presses them.
constexpr std::array<std::pair<Qt::KeyboardModifier, Qt::Key>, 4> ModifierKeys{{
    {Qt::ShiftModifier, Qt::Key_Shift},
    {Qt::ControlModifier, Qt::Key_Control},
    {Qt::AltModifier, Qt::Key_Alt},
    {Qt::MetaModifier, Qt::Key_Meta},
}};

QWidget *target(QWidget *widget)
{
    return widget != nullptr ? widget : QApplication::focusWidget();
}

void send(QWidget *widget, bool press, Qt::Key key, Qt::KeyboardModifiers held, bool autoRepeat)
{
    QWidget *receiver = target(widget);
    if (receiver == nullptr)
        return;
    QTest::simulateEvent(receiver, press, key, held, keyText(key, held), autoRepeat);
}

} // namespace

QString keyText(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Return:
        return QStringLiteral("\r");
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return QStringLiteral("\t");
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    case Qt::Key_Delete:
        return QStringLiteral("\x7f");
    default:
        break;
    }
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde) {
        if (modifiers & (Qt::ControlModifier | Qt::MetaModifier))
            return {};
        QChar c(key);
        return (key >= Qt::Key_A && key <= Qt::Key_Z && !(modifiers & Qt::ShiftModifier)) ? c.toLower()
                                                                                            : QString(c);
    }
    return {};
}

void keyDown(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers held, bool autoRepeat)
{
    send(widget, true, key, held, autoRepeat);
}

void keyUp(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers held, bool autoRepeat)
{
    send(widget, false, key, held, autoRepeat);
}

void chord(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers modifiers, Release order)
{
    Qt::KeyboardModifiers held;
    for (const auto &[modifier, modifierKey] : ModifierKeys) {
        if (!(modifiers & modifier))
            continue;
        keyDown(widget, modifierKey, held);
        held |= modifier;
    }
    keyDown(widget, key, held);
    if (order == Release::KeyFirst)
        keyUp(widget, key, held);
    for (const auto &[modifier, modifierKey] : ModifierKeys) {
        if (!(modifiers & modifier))
            continue;
        keyUp(widget, modifierKey, held);
        held &= ~modifier;
    }
    if (order == Release::ModifiersFirst)
        keyUp(widget, key, held);
}

void typeCharacter(QWidget *widget, char character)
{
    const auto key = static_cast<Qt::Key>(QChar::fromLatin1(character).toUpper().unicode());
    QWidget *receiver = target(widget);
    if (receiver == nullptr)
        return;
    const QString text(QChar::fromLatin1(character));
    QTest::simulateEvent(receiver, true, key, Qt::NoModifier, text, false);
    QTest::simulateEvent(receiver, false, key, Qt::NoModifier, text, false);
}

} // namespace norvane::test
