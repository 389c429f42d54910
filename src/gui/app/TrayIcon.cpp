#include "gui/app/TrayIcon.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include "gui/widgets/ModalGuard.h"

namespace zicalc {

TrayIcon::TrayIcon(QWidget* window, const QString& menuName, const QString& menuTitle)
    : QObject(window), window_(window), icon_(new QSystemTrayIcon(this)), menu_(new QMenu())
{
    menu_->setObjectName(menuName);
    menu_->setTitle(menuTitle);
    icon_->setContextMenu(menu_);
    // XEmbed trays send a double-click; StatusNotifierItem hosts only ever send a single
    // activation. Restoring is idempotent, so both count.
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger) {
            emit activated();
        }
    });
    window->installEventFilter(this);
}

TrayIcon::~TrayIcon()
{
    icon_->hide();
    delete menu_;
}

bool TrayIcon::available()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::show()
{
    if (window_ == nullptr) {
        return;
    }
    icon_->setIcon(window_->windowIcon());
    icon_->setToolTip(window_->windowTitle());
    icon_->show();
}

void TrayIcon::hide()
{
    icon_->hide();
}

bool TrayIcon::isShown() const
{
    return icon_->isVisible();
}

void TrayIcon::restore()
{
    if (window_ != nullptr) {
        window_->setWindowState((window_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        window_->showNormal();
        window_->raise();
        window_->activateWindow();
    }
    icon_->hide();
    // A modal window the user left open comes back in front of its owner.
    RaiseBlockingModal();
}

QAction* TrayIcon::addItem(const QString& objectName, const QString& caption)
{
    QAction* action = menu_->addAction(caption);
    action->setObjectName(objectName);
    return action;
}

QAction* TrayIcon::addSeparator(const QString& objectName)
{
    QAction* action = menu_->addSeparator();
    action->setObjectName(objectName);
    return action;
}

bool TrayIcon::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_ || event->type() != QEvent::WindowStateChange ||
        !(window_->windowState() & Qt::WindowMinimized)) {
        return false;
    }
    // A window manager minimises a modal window's owner with it. The modal window comes straight
    // back (it is kept in reach), so its owner must too: hidden behind an icon it would sit
    // under a modal window that blocks the icon's menu, and the program would be locked.
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(0, this, [this] { restore(); });
        return false;
    }
    // Without a notification area the window minimises as usual, so it is never out of reach.
    if (!available()) {
        return false;
    }
    show();
    // Hiding from inside the state change confuses some window managers; do it right after.
    QTimer::singleShot(0, this, [this] {
        if (window_ != nullptr && (window_->windowState() & Qt::WindowMinimized)) {
            window_->hide();
        }
    });
    return false;
}

}  // namespace zicalc
