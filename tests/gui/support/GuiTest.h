#pragma once

// The fixture shared by every GUI test program: find controls and windows by object name, type
// and click as a user does, answer the real warning box. ZICALC_GUI_TEST_MAIN gives each program
// its own temporary working directory (programs run in parallel and write test.dat and
// setting.ini) and a watchdog that fails a test leaving a modal window unanswered.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <utility>

#include "core/app/Rgb.h"
#include "gui/app/Form1.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Warning.h"

namespace guitest {

// The child of `root` with this object name; aborts the test program when there is none, so a
// renamed control is reported at once and by name.
template <typename T = QWidget>
T* Find(const QObject* root, const QString& name)
{
    T* found = root->findChild<T*>(name);
    if (found == nullptr) {
        qFatal("no control named %s of the expected kind", qPrintable(name));
    }
    return found;
}

inline QString Text(const QObject* root, const QString& name)
{
    return Find<QLineEdit>(root, name)->text();
}

// The main window, shown and exposed, on the given category page (clicked as a user would).
std::unique_ptr<zicalc::Form1> ShowMainWindow(int category = 0);

// Any window on its own, created with `args`, shown and exposed; fails the program when it does
// not come up, since no test of it could mean anything then.
template <typename W, typename... Args>
std::unique_ptr<W> Show(Args&&... args)
{
    auto window = std::make_unique<W>(std::forward<Args>(args)...);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        qFatal("%s was not exposed", qPrintable(window->objectName()));
    }
    return window;
}

// The visible top-level window with this object name (a secondary window a button opened), or
// null when there is none.
QWidget* FindTopLevel(const QString& name);

// Picks an item of a drop-down list the way a user does: open the list, move to the line, Enter.
// False (with the reason logged) when the list has no such item or does not take the choice.
[[nodiscard]] bool Choose(const QObject* root, const QString& name, const QString& item);

// The same with the mouse: click the list open, then click the item's line.
[[nodiscard]] bool ChooseByMouse(const QObject* root, const QString& name, const QString& item);

// "0 90 3000" -> {"0", "90", "3000"}: expected texts of a row of fields, written compactly.
QStringList Words(const char* text);

// Clicks into a field from elsewhere (which selects its text) and types `keys` there.
void TypeInto(QLineEdit* field, const QString& keys);
// Replaces a field's text as a user would: click, type the new digits.
void Enter(const QObject* root, const QString& name, const QString& keys);
// A left click on a button.
void Click(QAbstractButton* button);
void Click(const QObject* root, const QString& name);

zicalc::Rgb Colour(const QObject* root, const QString& name);

// Runs `action` and answers every warning box and titled message box it opens by pressing the
// real "确定"; returns the messages in the order shown.
QStringList AnswerWarnings(const std::function<void()>& action);

// Records warnings instead of showing the box, for as long as it lives.
class WarningRecorder final {
public:
    WarningRecorder();
    ~WarningRecorder();
    WarningRecorder(const WarningRecorder&) = delete;
    WarningRecorder& operator=(const WarningRecorder&) = delete;
    QStringList messages;

private:
    zicalc::WarningSink previous_;
};

// Closes any modal window that nobody answers within `seconds`, failing the running test.
class ModalWatchdog final {
public:
    explicit ModalWatchdog(int seconds = 5);
    ~ModalWatchdog();
    ModalWatchdog(const ModalWatchdog&) = delete;
    ModalWatchdog& operator=(const ModalWatchdog&) = delete;
    // The window titles of the modal windows it had to close.
    const QStringList& closed() const { return closed_; }

private:
    QTimer timer_;
    QWidget* seen_ = nullptr;
    int ticks_ = 0;
    int limit_;
    QStringList closed_;
};

// A fresh temporary directory as the current directory, for as long as it lives.
class TempWorkDir final {
public:
    TempWorkDir();
    ~TempWorkDir();
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }

private:
    QString previous_;
    QTemporaryDir dir_;
};

// What every GUI test program sets up before its first test and keeps until its end.
class ProgramFixture final {
public:
    ProgramFixture() = default;
    ProgramFixture(const ProgramFixture&) = delete;
    ProgramFixture& operator=(const ProgramFixture&) = delete;

private:
    TempWorkDir workDir_;
    ModalWatchdog watchdog_;
};

}  // namespace guitest

// The main() of a GUI test program: QTEST_MAIN plus the program fixture.
#define ZICALC_GUI_TEST_MAIN(TestObject)         \
    int main(int argc, char** argv)              \
    {                                            \
        QApplication app(argc, argv);            \
        app.setAttribute(Qt::AA_Use96Dpi, true); \
        guitest::ProgramFixture fixture;         \
        TestObject tc;                           \
        QTEST_SET_MAIN_SOURCE_PATH               \
        return QTest::qExec(&tc, argc, argv);    \
    }
