#include <QDialog>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QtTest>

#include "GuiTest.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/PressRepeater.h"

using namespace guitest;
using zicalc::DcButton;
using zicalc::PressRepeater;

// Press-and-hold on a pair of "-1" / "+1" buttons sharing one repeater, as a control array does.
class PressRepeaterTest : public QObject {
    Q_OBJECT

    struct Step {
        int index;
        qint64 atMs;  // since the press
    };

private slots:
    void init()
    {
        window_ = std::make_unique<QWidget>();
        auto* layout = new QHBoxLayout(window_.get());
        for (int i = 0; i < 2; ++i) {
            buttons_[i] = new DcButton(QStringLiteral("Command7(%1)").arg(i),
                                       i == 0 ? QStringLiteral("-1") : QStringLiteral("+1"), i, window_.get());
            layout->addWidget(buttons_[i]);
        }
        repeater_ = new PressRepeater(window_.get());
        repeater_->setRightStepEnabled(true);
        for (DcButton* b : buttons_) {
            repeater_->attach(b);
        }
        steps_.clear();
        rightSteps_.clear();
        connect(repeater_, &PressRepeater::step, this, [this](int i) { steps_.push_back({i, clock_.elapsed()}); });
        connect(repeater_, &PressRepeater::rightStep, this, [this](int i) { rightSteps_ << i; });
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void shortClickStepsNothing()
    {
        press(1);
        QTest::mouseRelease(buttons_[1], Qt::LeftButton);
        QTest::qWait(250);
        QCOMPARE(steps_.size(), 0);
        QVERIFY(!repeater_->isRepeating());
    }

    // The first step one interval after the press, then one each interval, never sooner; none
    // after the release.
    void holdingStepsEveryInterval()
    {
        press(0);
        QTest::qWait(40);
        QCOMPARE(steps_.size(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(steps_.size() >= 4, 1500);
        QTest::mouseRelease(buttons_[0], Qt::LeftButton);
        const qint64 releasedAt = clock_.elapsed();
        const auto counted = steps_.size();
        for (qsizetype n = 0; n < counted; ++n) {
            QCOMPARE(steps_[n].index, 0);
            QVERIFY2(steps_[n].atMs >= (n + 1) * 70 - 2, qPrintable(QString::number(steps_[n].atMs)));
        }
        QVERIFY(counted <= releasedAt / 70 + 1);
        QTest::qWait(250);
        QCOMPARE(steps_.size(), counted);
        QCOMPARE(repeater_->heldIndex(), -1);
    }

    void repeatingStops_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("released outside the button") << "outside";
        QTest::newRow("button disabled") << "disabled";
        QTest::newRow("window hidden") << "hidden";
        QTest::newRow("window minimised") << "minimised";
        QTest::newRow("modal window opens") << "modal";
        QTest::newRow("its step gives up") << "stop";
    }
    void repeatingStops()
    {
        QFETCH(QString, how);
        QDialog modal;
        modal.setModal(true);
        if (how == QLatin1String("stop")) {
            connect(repeater_, &PressRepeater::step, repeater_, &PressRepeater::stop);
        }
        press(1);
        QTRY_VERIFY_WITH_TIMEOUT(!steps_.isEmpty(), 1000);
        QCOMPARE(repeater_->heldIndex(), how == QLatin1String("stop") ? -1 : 1);
        if (how == QLatin1String("outside")) {
            QTest::mouseMove(buttons_[1], QPoint(-20, -20));
            QTest::mouseRelease(buttons_[1], Qt::LeftButton, Qt::NoModifier, QPoint(-20, -20));
        } else if (how == QLatin1String("disabled")) {
            buttons_[1]->setEnabled(false);
        } else if (how == QLatin1String("hidden")) {
            window_->hide();
        } else if (how == QLatin1String("minimised")) {
            window_->setWindowState(Qt::WindowMinimized);
        } else if (how == QLatin1String("modal")) {
            modal.show();
        }
        const auto counted = steps_.size();
        QVERIFY(!repeater_->isRepeating());
        QTest::qWait(250);
        QCOMPARE(steps_.size(), counted);
    }

    // A right press is one large step at once and starts no repeat; the left button still works.
    void rightPressStepsOnce()
    {
        QTest::mousePress(buttons_[0], Qt::RightButton);
        QCOMPARE(rightSteps_, QList<int>{0});
        QTest::qWait(200);
        QTest::mouseRelease(buttons_[0], Qt::RightButton);
        QCOMPARE(steps_.size(), 0);
        QCOMPARE(rightSteps_, QList<int>{0});

        repeater_->setRightStepEnabled(false);
        QTest::mousePress(buttons_[1], Qt::RightButton);
        QTest::mouseRelease(buttons_[1], Qt::RightButton);
        QCOMPARE(rightSteps_, QList<int>{0});
    }

private:
    void press(int i)
    {
        clock_.start();
        QTest::mousePress(buttons_[i], Qt::LeftButton);
    }

    std::unique_ptr<QWidget> window_;
    DcButton* buttons_[2] = {};
    PressRepeater* repeater_ = nullptr;
    QElapsedTimer clock_;
    QList<Step> steps_;
    QList<int> rightSteps_;
};

ZICALC_GUI_TEST_MAIN(PressRepeaterTest)
#include "PressRepeaterTest.moc"
