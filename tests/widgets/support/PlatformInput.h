#pragma once

#include <QAbstractItemView>
#include <QTest>

#include <initializer_list>

namespace norvane::test {

// Input as the platform delivers it, not as tidy single events: a modifier is a
// key press and release of its own, and X11 reports the modifier's release
// before the key's. Keys go to the widget that has the focus, or to the given
// one, through the application, so window shortcuts see them as they do a
// keyboard's.
inline void pressKeys(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    struct Modifier {
        Qt::KeyboardModifier flag;
        Qt::Key key;
    };
    const Modifier all[] = {{Qt::ControlModifier, Qt::Key_Control},
                            {Qt::ShiftModifier, Qt::Key_Shift},
                            {Qt::AltModifier, Qt::Key_Alt}};
    Qt::KeyboardModifiers held;
    for (const Modifier &modifier : all) {
        if (modifiers & modifier.flag) {
            held |= modifier.flag;
            QTest::keyPress(target, modifier.key, held);
        }
    }
    QTest::keyPress(target, key, held);
    for (const Modifier &modifier : all) {
        if (modifiers & modifier.flag) {
            held &= ~Qt::KeyboardModifiers(modifier.flag);
            QTest::keyRelease(target, modifier.key, held);
        }
    }
    QTest::keyRelease(target, key, held);
}

// Several keys one after another, each pressed and released.
inline void pressKeys(QWidget *target, std::initializer_list<Qt::Key> keys)
{
    for (Qt::Key key : keys)
        pressKeys(target, key);
}

// A left click on a row of an item view, scrolled into view first.
inline void clickRow(QAbstractItemView *view, int row)
{
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

} // namespace norvane::test
