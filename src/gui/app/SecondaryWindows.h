#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <span>
#include <utility>
#include <vector>

class QWidget;

namespace zicalc {

// How a secondary window replaces the main window on screen: some are shown first and the main
// window hidden after (so there is never a moment without a window), others hide it first.
enum class OpenOrder { ShowThenHideMain, HideMainThenShow };

// The one lifecycle of the secondary windows opened from Form1: opening creates the window fresh
// (an earlier one of the same name is unloaded first) and hides the main window in the window's
// own order; closing unloads it and shows the main window again.
class SecondaryWindows final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SecondaryWindows)

public:
    explicit SecondaryWindows(QWidget* mainWindow);

    // Takes ownership of `window` (a parentless top-level) and shows it at normal size.
    void open(QWidget* window, OpenOrder order);
    // The same for a window that, when closed, goes back to the window `returnTo` names at that
    // moment instead of the main window (the main window when it names none).
    void open(QWidget* window, OpenOrder order, std::function<QWidget*()> returnTo);

    template <typename W, typename... Args>
    W* open(OpenOrder order, Args&&... args)
    {
        auto* window = new W(std::forward<Args>(args)...);
        open(window, order);
        return window;
    }

    // The open window with this object name, or null.
    QWidget* find(const QString& objectName) const;

    // Unloads the open windows, those named first in the given order, then any others, without
    // showing the main window again (it is going).
    void closeAll(std::span<const char* const> order);

private:
    void prune();
    void closeQuietly(QWidget* window);

    QWidget* main_;
    std::vector<QPointer<QWidget>> open_;
};

}  // namespace zicalc
