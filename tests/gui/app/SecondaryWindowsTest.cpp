#include <QKeyEvent>
#include <QPointer>
#include <QtTest>

#include "GuiTest.h"
#include "gui/app/Form1.h"
#include "gui/app/SecondaryWindows.h"
#include "gui/widgets/DcButton.h"

using namespace guitest;
using zicalc::OpenOrder;

namespace {

// A stand-in secondary window that records whether the main window was still visible at the
// moment it was shown.
class Probe final : public QWidget {
public:
    Probe(const QString& name, QWidget* main) : main_(main) { setObjectName(name); }
    bool mainVisibleWhenShown = false;

protected:
    void showEvent(QShowEvent* event) override
    {
        mainVisibleWhenShown = main_->isVisible();
        QWidget::showEvent(event);
    }

private:
    QWidget* main_;
};

}  // namespace

Q_DECLARE_METATYPE(OpenOrder)

class SecondaryWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = ShowMainWindow(); }
    void cleanup() { form_.reset(); }

    void opensInTheWindowsOrderAndShowsTheMainWindowWhenClosed_data()
    {
        QTest::addColumn<OpenOrder>("order");
        QTest::addColumn<bool>("mainVisibleWhenShown");
        QTest::newRow("shown, then main hidden") << OpenOrder::ShowThenHideMain << true;
        QTest::newRow("main hidden, then shown") << OpenOrder::HideMainThenShow << false;
    }
    void opensInTheWindowsOrderAndShowsTheMainWindowWhenClosed()
    {
        QFETCH(OpenOrder, order);
        QFETCH(bool, mainVisibleWhenShown);
        auto* w = new Probe(QStringLiteral("Form6"), form_.get());
        form_->windows()->open(w, order);
        QCOMPARE(w->mainVisibleWhenShown, mainVisibleWhenShown);
        QVERIFY(w->isVisible());
        QVERIFY(!form_->isVisible());
        QCOMPARE(form_->windows()->find(QStringLiteral("Form6")), w);

        QPointer<QWidget> gone(w);
        w->close();
        QTRY_VERIFY(gone.isNull());  // unloaded, not just hidden
        QVERIFY(form_->isVisible());
        QCOMPARE(form_->windows()->find(QStringLiteral("Form6")), nullptr);
    }

    void reopeningCreatesTheWindowFreshAndKeepsTheMainWindowHidden()
    {
        QPointer<QWidget> first =
            form_->windows()->open<Probe>(OpenOrder::HideMainThenShow, QStringLiteral("Form11"), form_.get());
        auto* second =
            form_->windows()->open<Probe>(OpenOrder::HideMainThenShow, QStringLiteral("Form11"), form_.get());
        QTRY_VERIFY(first.isNull());
        QVERIFY(!form_->isVisible());
        QCOMPARE(form_->windows()->find(QStringLiteral("Form11")), second);
        second->close();
        QTRY_VERIFY(form_->isVisible());
    }

    void closingTheMainWindowUnloadsTheOpenOnesInItsOrder()
    {
        QStringList unloaded;
        for (const char* name : {"Form4", "Form18", "Form7"}) {
            auto* w = form_->windows()->open<Probe>(OpenOrder::ShowThenHideMain, QLatin1String(name), form_.get());
            connect(w, &QObject::destroyed, this, [&unloaded, n = QLatin1String(name)] { unloaded << n; });
        }
        form_->close();
        QTRY_COMPARE(unloaded,
                     (QStringList{QStringLiteral("Form18"), QStringLiteral("Form7"), QStringLiteral("Form4")}));
    }

    void enterPressesTheFocusedButtonAsSpaceDoes()
    {
        auto* button = Find<zicalc::DcButton>(form_.get(), QStringLiteral("Button1(0)"));
        int clicks = 0;
        connect(button, &zicalc::DcButton::clickedIndex, this, [&clicks] { ++clicks; });
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Return);
        QTRY_COMPARE(clicks, 1);
        QTest::keyClick(button, Qt::Key_Enter);
        QTRY_COMPARE(clicks, 2);
        QTest::keyClick(button, Qt::Key_Space);
        QTRY_COMPARE(clicks, 3);
    }

    void enterAnswersTheWarningBox()
    {
        QTimer::singleShot(50, this, [] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box != nullptr && box->objectName() == QLatin1String("Form9"));
            QTest::keyClick(box->focusWidget(), Qt::Key_Return);
        });
        zicalc::ShowWarning(QStringLiteral("对不起,暂不开放!"));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

private:
    std::unique_ptr<zicalc::Form1> form_;
};

ZICALC_GUI_TEST_MAIN(SecondaryWindowsTest)
#include "SecondaryWindowsTest.moc"
