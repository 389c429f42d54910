#pragma once

// Helpers shared by the GUI tests: find controls by object name, type and click as a user does,
// answer the real warning box, and keep each test in its own working directory.

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "gui/app/Form1.h"
#include "gui/widgets/QtBridge.h"
#include "core/app/Rgb.h"
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

// The main window, shown and exposed, on the given category page (clicked as a user would). The
// first call also starts the watchdog that fails a test leaving a modal window unanswered.
std::unique_ptr<zicalc::Form1> ShowMainWindow(int category = 0);

// Picks an item of a drop-down list the way a user does: open the list, move to the line, Enter.
void Choose(const QObject* root, const QString& name, const QString& item);

// The same with the mouse: click the list open, then click the item's line.
void ChooseByMouse(const QObject* root, const QString& name, const QString& item);

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

// Runs `action` and answers every warning box it opens by pressing the real "确定"; returns the
// messages in the order shown.
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

}  // namespace guitest
