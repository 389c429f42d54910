#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QEvent;
class QMenu;
class QSystemTrayIcon;
class QIcon;
class QWidget;

namespace zicalc {

// The notification-area icon of a minimised window, with its popup menu. Windows never touch
// QSystemTrayIcon themselves: the shell gives each window that minimises to the tray (Form1 and
// the simulator) one of these, builds its menu, and acts on what the user asked for.
//
// While `window` is watched, minimising it hides it behind the icon (tip = its caption); restore()
// brings it back and removes the icon. A double-click (or a single activation, which is all some
// trays send) emits activated().
class TrayIcon final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TrayIcon)

public:
    TrayIcon(QWidget* window, const QString& menuName, const QString& menuTitle);
    ~TrayIcon() override;

    // Whether the desktop has a notification area to put the icon in.
    static bool available();

    void show();
    void hide();
    bool isShown() const;

    // Back to normal size, visible, in front and active; the icon goes.
    void restore();

    QMenu* menu() const { return menu_; }
    QAction* addItem(const QString& objectName, const QString& caption);
    QAction* addSeparator(const QString& objectName);

signals:
    void activated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
    QSystemTrayIcon* icon_;
    QMenu* menu_;
};

}  // namespace zicalc
