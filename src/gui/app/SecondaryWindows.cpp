#include "gui/app/SecondaryWindows.h"

#include <QWidget>
#include <vector>

namespace zicalc {

SecondaryWindows::SecondaryWindows(QWidget* mainWindow) : QObject(mainWindow), main_(mainWindow) {}

void SecondaryWindows::prune()
{
    std::erase_if(open_, [](const QPointer<QWidget>& w) { return w.isNull(); });
}

void SecondaryWindows::open(QWidget* window, OpenOrder order)
{
    open(window, order, {});
}

void SecondaryWindows::open(QWidget* window, OpenOrder order, std::function<QWidget*()> returnTo)
{
    if (QWidget* earlier = find(window->objectName())) {
        closeQuietly(earlier);  // the main window stays hidden across the swap
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    open_.emplace_back(window);
    connect(window, &QObject::destroyed, this, [this, returnTo = std::move(returnTo)] {
        prune();
        QWidget* back = returnTo ? returnTo() : nullptr;
        if (back == nullptr) {
            back = main_;
        }
        back->showNormal();
        back->raise();
        back->activateWindow();
    });
    if (order == OpenOrder::HideMainThenShow) {
        main_->hide();
    }
    window->showNormal();
    window->raise();
    window->activateWindow();
    if (order == OpenOrder::ShowThenHideMain) {
        main_->hide();
    }
}

QWidget* SecondaryWindows::find(const QString& objectName) const
{
    for (const QPointer<QWidget>& w : open_) {
        if (!w.isNull() && w->objectName() == objectName) {
            return w;
        }
    }
    return nullptr;
}

void SecondaryWindows::closeQuietly(QWidget* window)
{
    disconnect(window, &QObject::destroyed, this, nullptr);
    std::erase_if(open_, [window](const QPointer<QWidget>& w) { return w == window; });
    window->close();
}

void SecondaryWindows::closeAll(std::span<const char* const> order)
{
    for (const char* name : order) {
        if (QWidget* w = find(QLatin1String(name))) {
            closeQuietly(w);
        }
    }
    for (const QPointer<QWidget>& w : std::vector<QPointer<QWidget>>(open_)) {
        if (!w.isNull()) {
            closeQuietly(w);
        }
    }
    prune();
}

}  // namespace zicalc
