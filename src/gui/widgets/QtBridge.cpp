#include "gui/widgets/QtBridge.h"

#include <QPalette>
#include <QWidget>

namespace zicalc {

void SetTextColour(QWidget* widget, Rgb colour)
{
    QPalette p = widget->palette();
    const QColor c = ToQColor(colour);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Text, c);
        p.setColor(group, QPalette::WindowText, c);
    }
    widget->setPalette(p);
}

Rgb TextColour(const QWidget* widget)
{
    return ToRgb(widget->palette().color(QPalette::Active, QPalette::Text));
}

void SetBackgroundColour(QWidget* widget, Rgb colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, ToQColor(colour));
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

}  // namespace zicalc
