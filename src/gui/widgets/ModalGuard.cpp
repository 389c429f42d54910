#include "gui/widgets/ModalGuard.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>

namespace zicalc {

namespace {

void BringBack(QWidget* window)
{
    window->setWindowState(window->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    window->show();
    window->raise();
    window->activateWindow();
}

class ModalGuard final : public QObject {
public:
    explicit ModalGuard(QDialog* dialog) : QObject(dialog), dialog_(dialog) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == dialog_ && event->type() == QEvent::WindowStateChange &&
            (dialog_->windowState() & Qt::WindowMinimized)) {
            // Undoing the state inside its own change event is lost on some window managers.
            QTimer::singleShot(0, dialog_, [d = dialog_] {
                if (d->isVisible() || d->isModal()) {
                    BringBack(d);
                }
            });
        }
        return false;
    }

private:
    QDialog* dialog_;
};

}  // namespace

void KeepModalInReach(QDialog* dialog)
{
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialog->installEventFilter(new ModalGuard(dialog));
}

bool RaiseBlockingModal()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) {
        return false;
    }
    // Its owner may sit minimised or hidden behind it; the user needs to see what they answer.
    if (QWidget* owner = modal->parentWidget() ? modal->parentWidget()->window() : nullptr;
        owner != nullptr && owner->isMinimized()) {
        owner->showNormal();
    }
    BringBack(modal);
    return true;
}

}  // namespace zicalc
