#pragma once

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>

#include "core/app/Navigation.h"

class QFrame;
class QGridLayout;

namespace zicalc {

class DcButton;
class ExamPages;
class PageFrame;
class SecondaryWindows;
class TrayIcon;

// The main window: eight category buttons over eleven overlapping page frames, of which one is
// visible; minimising it puts it in the notification area when the desktop has one. It opens the
// secondary windows through one lifecycle (windows()) and unloads them in a fixed order when it
// closes.
class Form1 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form1)

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    std::int16_t currentCategory() const { return currentCategory_; }
    // A page; asking for any but the first builds the pages not built yet.
    PageFrame* page(int index);
    TrayIcon* tray() const { return tray_; }
    // The question bank and its pages (科举).
    ExamPages* exam();
    // The pages after the first are built once the window has first been painted; this builds
    // them now if that has not happened yet.
    void ensurePagesBuilt();
    bool pagesBuilt() const { return pagesBuilt_; }
    SecondaryWindows* windows() const { return windows_; }

    // What "计算器" in the tray menu does: back to normal size, visible, icon gone.
    void restoreFromTray();
    // A second start asked us to come to the front.
    void activateFromOutside(const QByteArray& activationToken);

signals:
    // Emitted once the main window has closed; the program ends then.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTrayMenu();
    void onCategory(int index);
    bool bankPageShown() const;

    QFrame* frame1_;
    QGridLayout* stack_ = nullptr;
    bool pagesBuilt_ = false;
    std::array<DcButton*, 8> buttons_{};
    std::array<PageFrame*, kPageCount> pages_{};
    std::int16_t currentCategory_ = 0;
    TrayIcon* tray_;
    ExamPages* exam_ = nullptr;
    SecondaryWindows* windows_;
    QPointer<QWidget> lastActive_;  // the window that last had the keyboard focus
};

}  // namespace zicalc
