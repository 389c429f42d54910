#pragma once

#include <QObject>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QIcon;

namespace zicalc {

// The notification-area icon of a minimised window and its menu. Windows never touch
// QSystemTrayIcon themselves: they show and hide this object and act on what the user asked for.
class TrayIcon final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayIcon)

public:
    explicit TrayIcon(QObject* parent = nullptr);
    ~TrayIcon() override;

    // Whether the desktop has a notification area to put the icon in.
    static bool available();

    void show(const QIcon& icon, const QString& tip);
    void hide();
    bool isShown() const;

    // The menu, for tests and for windows that add their own items ("召唤兽加点").
    QMenu* menu() const { return menu_; }
    // Inserts an item before the separator; returns its action.
    QAction* addItem(const QString& objectName, const QString& caption);

signals:
    void restoreRequested();  // a double-click, a single activation, or "计算器"
    void quitRequested();     // "关闭"

private:
    QSystemTrayIcon* icon_;
    QMenu* menu_;
    QAction* separator_;
};

}  // namespace zicalc
