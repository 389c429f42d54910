#pragma once
// TEMPORARY until the kit's titled message box and press-and-hold repeater land.
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include "gui/widgets/DcButton.h"
#include "gui/widgets/ModalGuard.h"
namespace zicalc {
inline void ShowMessage(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("MessageBox"));
    KeepModalInReach(&box);
    box.exec();
}
class PressRepeater final : public QObject {
public:
    PressRepeater(DcButton* button, std::function<void()> step, QObject* parent)
        : QObject(parent), step_(std::move(step))
    {
        timer_.setInterval(70);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { step_(); });
        QObject::connect(button, &DcButton::mouseDown, this, [this](int b, int) {
            if (b == 1)
                timer_.start();
        });
        QObject::connect(button, &DcButton::mouseUp, this, [this](int, int) { timer_.stop(); });
    }

private:
    QTimer timer_;
    std::function<void()> step_;
};
}  // namespace zicalc
