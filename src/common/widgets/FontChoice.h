#pragma once

#include "settings/core/Settings.h"

#include <QFont>

namespace norvane {

// The fonts the program asks for by name are used when the system has them;
// otherwise the system's fixed-pitch font stands in for text that must keep its
// columns (editors, grids) and the general font for labels.
[[nodiscard]] QFont fixedPitchFont(const QString &family, int pointSize);
[[nodiscard]] QFont labelFont(const QString &family, int pointSize);

// The editor font for the settings' font, and back.
[[nodiscard]] QFont editorFont(const FontSpec &spec);
[[nodiscard]] FontSpec fontSpecOf(const QFont &font);

} // namespace norvane
