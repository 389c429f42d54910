#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include "core/app/Rgb.h"

class QWidget;

namespace zicalc {

inline QString ToQ(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string ToStd(const QString& text)
{
    return text.toStdString();
}
inline QColor ToQColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}
inline Rgb ToRgb(const QColor& c)
{
    return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
               static_cast<std::uint8_t>(c.blue())};
}

// Text colour of a field or label (the palette's Text and WindowText roles).
void SetTextColour(QWidget* widget, Rgb colour);
Rgb TextColour(const QWidget* widget);

// Background colour of a frame or page (filled, the palette's Window role).
void SetBackgroundColour(QWidget* widget, Rgb colour);

}  // namespace zicalc
