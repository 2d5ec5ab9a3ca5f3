#include "common/widgets/FontChoice.h"

#include "common/widgets/Latin1.h"

#include <QFontDatabase>

namespace norvane {

static bool installedFixedPitch(const QString &family)
{
    return QFontDatabase::hasFamily(family) && QFontDatabase::isFixedPitch(family);
}

QFont fixedPitchFont(const QString &family, int pointSize)
{
    QFont font = installedFixedPitch(family) ? QFont(family) : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    return font;
}

QFont labelFont(const QString &family, int pointSize)
{
    QFont font = QFontDatabase::hasFamily(family) ? QFont(family)
                                                  : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (pointSize > 0)
        font.setPointSize(pointSize);
    return font;
}

QFont editorFont(const FontSpec &spec)
{
    QFont font = fixedPitchFont(toQString(spec.name), spec.size);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    return font;
}

FontSpec fontSpecOf(const QFont &font)
{
    return FontSpec{toBytes(font.family()), font.pointSize(), font.bold(), font.italic()};
}

} // namespace norvane
