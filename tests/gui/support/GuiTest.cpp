#include "GuiTest.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QWidget>

namespace guitest {

std::unique_ptr<zicalc::Form1> ShowMainWindow(int category)
{
    auto form = Show<zicalc::Form1>();
    // As for a user: the other pages arrive once the window has been painted.
    if (!QTest::qWaitFor([&form] { return form->pagesBuilt(); })) {
        qFatal("the main window's pages were not built after it was painted");
    }
    if (category != 0) {
        Click(form.get(), QStringLiteral("Button0(%1)").arg(category));
    }
    return form;
}

QWidget* FindTopLevel(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible()) {
            return w;
        }
    }
    return nullptr;
}

namespace {

bool Fail(const QString& why)
{
    qWarning("%s", qPrintable(why));
    return false;
}

}  // namespace

bool Choose(const QObject* root, const QString& name, const QString& item)
{
    auto* combo = Find<QComboBox>(root, name);
    const int row = combo->findText(item);
    if (row < 0) {
        return Fail(name + QStringLiteral(" has no item ") + item);
    }
    if (!combo->isEnabled()) {
        return Fail(name + QStringLiteral(" is disabled"));
    }
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    if (!QTest::qWaitForWindowExposed(view->window())) {
        return Fail(name + QStringLiteral(": the list did not open"));
    }
    const QModelIndex index = view->model()->index(row, combo->modelColumn(), view->rootIndex());
    view->setCurrentIndex(index);
    QTest::keyClick(view, Qt::Key_Return);
    if (!QTest::qWaitFor([view] { return !view->window()->isVisible(); })) {
        return Fail(name + QStringLiteral(": the list did not close"));
    }
    return combo->currentIndex() == row || Fail(name + QStringLiteral(" did not take ") + item);
}

bool ChooseByMouse(const QObject* root, const QString& name, const QString& item)
{
    auto* combo = Find<QComboBox>(root, name);
    const int row = combo->findText(item);
    if (row < 0) {
        return Fail(name + QStringLiteral(" has no item ") + item);
    }
    QTest::mouseClick(combo, Qt::LeftButton);
    QAbstractItemView* view = combo->view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); })) {
        return Fail(name + QStringLiteral(": the list did not open"));
    }
    const QModelIndex index = view->model()->index(row, combo->modelColumn(), view->rootIndex());
    view->scrollTo(index, QAbstractItemView::PositionAtCenter);
    const QPoint at(view->viewport()->width() / 2, view->visualRect(index).center().y());
    QTest::mouseMove(view->viewport(), at);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    if (!QTest::qWaitFor([view] { return !view->isVisible(); })) {
        return Fail(name + QStringLiteral(": the list did not close"));
    }
    return combo->currentIndex() == row || Fail(name + QStringLiteral(" did not take ") + item);
}

QStringList Words(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '));
}

void TypeInto(QLineEdit* field, const QString& keys)
{
    // Enter the field afresh, as a click from elsewhere does: that is what selects its text.
    field->clearFocus();
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, field->rect().center());
    QTest::keyClicks(field, keys);
}

void Enter(const QObject* root, const QString& name, const QString& keys)
{
    auto* field = Find<QLineEdit>(root, name);
    field->setFocus(Qt::MouseFocusReason);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, keys);
}

void Click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

void Click(const QObject* root, const QString& name)
{
    Click(Find<QAbstractButton>(root, name));
}

zicalc::Rgb Colour(const QObject* root, const QString& name)
{
    return zicalc::TextColour(Find<QWidget>(root, name));
}

QStringList AnswerWarnings(const std::function<void()>& action)
{
    QStringList messages;
    QTimer answerer;
    answerer.setInterval(10);
    QObject::connect(&answerer, &QTimer::timeout, [&messages] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() ||
            (modal->objectName() != QLatin1String("Form9") &&
             modal->objectName() != QLatin1String("TitledMessageBox"))) {
            return;
        }
        messages << Find<QLabel>(modal, QStringLiteral("Label1"))->text();
        Click(modal, QStringLiteral("Button1"));
    });
    answerer.start();
    action();
    answerer.stop();
    return messages;
}

WarningRecorder::WarningRecorder()
{
    previous_ = zicalc::SetWarningSink([this](const QString& m) { messages << m; });
}

WarningRecorder::~WarningRecorder()
{
    zicalc::SetWarningSink(std::move(previous_));
}

ModalWatchdog::ModalWatchdog(int seconds) : limit_(seconds * 10)
{
    timer_.setInterval(100);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal != seen_) {
            seen_ = modal;
            ticks_ = 0;
            return;
        }
        if (++ticks_ >= limit_) {
            closed_ << modal->objectName() + QLatin1Char(':') + modal->windowTitle();
            // Fail the test that left it up, then let that test go on instead of hanging.
            QTest::qFail(qPrintable(QStringLiteral("an unexpected modal window stayed up: ") + closed_.last()),
                         __FILE__, __LINE__);
            modal->close();
            seen_ = nullptr;
            ticks_ = 0;
        }
    });
    timer_.start();
}

ModalWatchdog::~ModalWatchdog()
{
    timer_.stop();
}

TempWorkDir::TempWorkDir() : previous_(QDir::currentPath())
{
    QDir::setCurrent(dir_.path());
}

TempWorkDir::~TempWorkDir()
{
    QDir::setCurrent(previous_);
}

}  // namespace guitest
