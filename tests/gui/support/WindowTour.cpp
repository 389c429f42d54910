#include "WindowTour.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <memory>
#include <vector>

#include "GuiTest.h"
#include "core/app/Navigation.h"
#include "gui/app/Form1.h"
#include "gui/widgets/PageFrame.h"

namespace guitest {

namespace {

// Buttons inside windows opened from windows opened from the main window are pressed too; one
// level further the windows are only looked at.
constexpr int kExploreDepth = 2;

bool IsMessageBox(const QWidget* w)
{
    return w->objectName() == QLatin1String("Form9") || w->objectName() == QLatin1String("TitledMessageBox");
}

void Settle(QWidget* w)
{
    if (w->isVisible()) {
        (void)QTest::qWaitForWindowExposed(w, 1000);
    }
    QApplication::processEvents();
    QApplication::processEvents();
}

// The push buttons of `root` a user can press now, in the order they were built.
std::vector<QAbstractButton*> Pressable(QWidget* root)
{
    std::vector<QAbstractButton*> out;
    for (QAbstractButton* b : root->findChildren<QAbstractButton*>()) {
        if (qobject_cast<QRadioButton*>(b) != nullptr || qobject_cast<QCheckBox*>(b) != nullptr) {
            continue;  // options change a window's state, they open nothing
        }
        if (b->window() == root->window() && b->isVisibleTo(root->window()) && b->isEnabled()) {
            out.push_back(b);
        }
    }
    return out;
}

QSet<QWidget*> VisibleTopLevels()
{
    QSet<QWidget*> out;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip) {
            out.insert(w);
        }
    }
    return out;
}

int VisiblePage(zicalc::Form1& form)
{
    for (int i = 0; i < zicalc::kPageCount; ++i) {
        if (form.page(i)->isVisible()) {
            return i;
        }
    }
    return -1;
}

class Tour {
public:
    explicit Tour(WindowVisitor visit) : visit_(std::move(visit)) {}

    QStringList run()
    {
        const QString bank = QStringLiteral(ZICALC_STARTER_BANK);
        if (!QFile::exists(QStringLiteral("test.dat")) && QFile::exists(bank)) {
            QFile::copy(bank, QStringLiteral("test.dat"));
            QFile::setPermissions(QStringLiteral("test.dat"), QFile::ReadOwner | QFile::WriteOwner);
        }
        for (int category = 0; category < zicalc::kCategoryCount; ++category) {
            if (category != zicalc::kChildrenCategory) {
                tourPage(category);
            }
        }
        return visited_;
    }

private:
    std::unique_ptr<zicalc::Form1> freshMain(int category)
    {
        main_.reset();
        std::unique_ptr<zicalc::Form1> form;
        AnswerWarnings([&] { form = ShowMainWindow(category); });
        Settle(form.get());
        return form;
    }

    void tourPage(int category)
    {
        main_ = freshMain(category);
        const int page = VisiblePage(*main_);
        if (page != category) {
            return;  // the page did not open (a missing question bank, say)
        }
        visitOnce(main_.get(), pageName(page));
        for (std::size_t k = 0;; ++k) {
            if (main_ == nullptr || !main_->isVisible() || VisiblePage(*main_) != page) {
                main_ = freshMain(category);
            }
            const auto buttons = Pressable(main_->page(page));
            if (k >= buttons.size()) {
                break;
            }
            press(buttons[k], 1);
            if (main_ != nullptr) {
                if (const int now = VisiblePage(*main_); now != page && now >= 0) {
                    Settle(main_.get());
                    visitOnce(main_.get(), pageName(now));
                }
            }
        }
        main_.reset();
    }

    static QString pageName(int page) { return QStringLiteral("Form1:%1").arg(page); }

    void visitOnce(QWidget* w, const QString& name)
    {
        if (visited_.contains(name)) {
            return;
        }
        visited_ << name;
        Settle(w);
        visit_(w, name);
    }

    static QString nameOf(const QWidget* w)
    {
        return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    }

    // Presses `button` and follows every window it brings up, modal ones while they block.
    void press(QAbstractButton* button, int depth)
    {
        const QSet<QWidget*> before = VisibleTopLevels();
        QSet<QWidget*> handled = before;
        QTimer modalWatcher;
        modalWatcher.setInterval(20);
        QObject::connect(&modalWatcher, &QTimer::timeout, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                popup->close();
            }
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || !modal->isVisible() || handled.contains(modal)) {
                return;
            }
            handled.insert(modal);
            modalWatcher.stop();
            follow(modal, depth + 1);
            modalWatcher.start();
        });
        modalWatcher.start();
        QPointer<QAbstractButton> guard(button);
        Click(button);
        QApplication::processEvents();
        modalWatcher.stop();

        for (QWidget* w : VisibleTopLevels()) {
            if (!handled.contains(w) && w != main_.get()) {
                handled.insert(w);
                follow(w, depth + 1);
            }
        }
    }

    // Visits a window, presses its buttons (not too deep), and closes it.
    void follow(QWidget* window, int depth)
    {
        QPointer<QWidget> w(window);
        const QString name = nameOf(window);
        visitOnce(window, name);
        if (!IsMessageBox(window) && depth <= kExploreDepth && !explored_.contains(name)) {
            explored_.insert(name);
            // Twice over: a button may open its window only in a state a later button brings
            // (the clock's adjustment once the clock is stopped).
            for (int pass = 0; pass < 2; ++pass) {
                for (std::size_t k = 0; w != nullptr && w->isVisible(); ++k) {
                    const auto buttons = Pressable(w);
                    if (k >= buttons.size()) {
                        break;
                    }
                    press(buttons[k], depth);
                }
            }
        }
        if (w == nullptr || !w->isVisible()) {
            return;
        }
        if (IsMessageBox(w)) {
            if (auto* ok = w->findChild<QAbstractButton*>(QStringLiteral("Button1"))) {
                Click(ok);
            }
        }
        if (w != nullptr && w->isVisible()) {
            w->close();
        }
        QApplication::processEvents();
    }

    WindowVisitor visit_;
    QStringList visited_;
    QSet<QString> explored_;
    std::unique_ptr<zicalc::Form1> main_;
};

}  // namespace

QStringList TourEveryWindow(const WindowVisitor& visit)
{
    return Tour(visit).run();
}

}  // namespace guitest
