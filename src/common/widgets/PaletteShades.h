#pragma once

#include <QColor>

namespace norvane {

// A colour between two others, `share` of the way from the first to the
// second: shades derived from the palette's own colours keep working when the
// palette is dark.
[[nodiscard]] inline QColor mixedColour(const QColor &from, const QColor &to, qreal share)
{
    const auto channel = [share](int a, int b) { return qRound(a + (b - a) * share); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

} // namespace norvane
