#include "gui/app/TrayIcon.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

namespace zicalc {

TrayIcon::TrayIcon(QObject* parent) : QObject(parent), icon_(new QSystemTrayIcon(this)), menu_(new QMenu())
{
    menu_->setObjectName(QStringLiteral("Menu_Show"));
    menu_->setTitle(QStringLiteral("显示窗体"));
    QAction* count = menu_->addAction(QStringLiteral("计算器"));
    count->setObjectName(QStringLiteral("Menu_count"));
    separator_ = menu_->addSeparator();
    separator_->setObjectName(QStringLiteral("cut"));
    QAction* exit = menu_->addAction(QStringLiteral("关闭"));
    exit->setObjectName(QStringLiteral("Menu_Exit"));
    icon_->setContextMenu(menu_);

    connect(count, &QAction::triggered, this, &TrayIcon::restoreRequested);
    connect(exit, &QAction::triggered, this, &TrayIcon::quitRequested);
    // XEmbed trays send a double-click; StatusNotifierItem hosts only ever send a single
    // activation. Restoring is idempotent, so both restore.
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger) {
            emit restoreRequested();
        }
    });
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

void TrayIcon::show(const QIcon& icon, const QString& tip)
{
    icon_->setIcon(icon);
    icon_->setToolTip(tip);
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

QAction* TrayIcon::addItem(const QString& objectName, const QString& caption)
{
    auto* action = new QAction(caption, menu_);
    action->setObjectName(objectName);
    menu_->insertAction(separator_, action);
    return action;
}

}  // namespace zicalc
