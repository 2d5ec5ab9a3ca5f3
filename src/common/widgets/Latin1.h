#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace norvane {

// Text crosses between the core (8-bit bytes) and Qt (QString) as Latin-1,
// which maps every byte 0-255 to one character and back.
inline QString toQString(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string toBytes(const QString &text)
{
    const QByteArray latin1 = text.toLatin1();
    return std::string(latin1.constData(), static_cast<std::size_t>(latin1.size()));
}

} // namespace norvane
