#include "gui/clock/ClockDial.h"

#include <QPainter>
#include <QPen>
#include <cmath>
#include <numbers>

namespace zicalc {

namespace {

constexpr double kTwipsPerPixel = 15.0;
constexpr double kFaceRadius = 750;  // twips: a little beyond the red hand
constexpr double kTickInner = 650;
constexpr double kButtonRadius = 1020;
constexpr int kSidePixels = 2520 / 15;  // twice the centre

QPointF Pixels(DialPoint p)
{
    return {p.x / kTwipsPerPixel, p.y / kTwipsPerPixel};
}

DialPoint OnCircle(double radius, double turns)
{
    const double a = 2 * std::numbers::pi * turns - std::numbers::pi / 2;
    return {kDialCentre.x + radius * std::cos(a), kDialCentre.y + radius * std::sin(a)};
}

}  // namespace

ClockDial::ClockDial(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Shape1"));
    setFixedSize(kSidePixels, kSidePixels);
}

void ClockDial::setHands(DialPoint red, DialPoint blue)
{
    if (red == red_ && blue == blue_) {
        return;
    }
    red_ = red;
    blue_ = blue;
    update();
}

QPoint ClockDial::ButtonCentre(int index)
{
    return Pixels(OnCircle(kButtonRadius, index / 12.0)).toPoint();
}

void ClockDial::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre = Pixels(kDialCentre);
    const double face = kFaceRadius / kTwipsPerPixel;
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, face, face);
    for (int i = 0; i < 12; ++i) {
        painter.drawLine(Pixels(OnCircle(kTickInner, i / 12.0)), Pixels(OnCircle(kFaceRadius, i / 12.0)));
    }
    painter.setPen(QPen(QColor(0, 0, 255), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, Pixels(blue_));
    painter.setPen(QPen(QColor(255, 0, 0), 1.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, Pixels(red_));
    painter.setBrush(Qt::black);
    painter.drawEllipse(centre, 2, 2);
}

}  // namespace zicalc
