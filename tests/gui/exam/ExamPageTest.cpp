#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "GuiTest.h"
#include "core/app/Clock.h"
#include "gui/exam/ExamPage.h"
#include "gui/widgets/DcButton.h"

using namespace guitest;
using zicalc::ExamPage;

namespace {

// Record k of n: id k, question 问题k, correct 答k, wrong 甲k 乙k 丙k.
zicalc::QuestionBank Bank(int n)
{
    std::vector<zicalc::QuestionRecord> records;
    for (int k = 1; k <= n; ++k) {
        const std::string s = std::to_string(k);
        records.push_back({s, "诗词对联", "问题" + s, "答" + s, "甲" + s, "乙" + s, "丙" + s});
    }
    zicalc::QuestionBank bank;
    bank.Assign(std::move(records));
    bank.MarkLoaded();
    return bank;
}

QString Option(int i)
{
    return QStringLiteral("Option4(%1)").arg(i);
}

}  // namespace

class ExamPageTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        page_.reset();
        random_.reset();
    }

    // Ticks are driven here: nobody waits real seconds.
    void countdownReachesTheFirstQuestionOnTheSixthTick()
    {
        open({0.35});  // question 4, correct answer in slot B
        QCOMPARE(label(QStringLiteral("Label12(3)")),
                 QStringLiteral("欢迎进入科举模拟考试！点击\"开始\"按钮准备答题。"));
        QVERIFY(!Find(page_.get(), QStringLiteral("Label18"))->isVisible());
        Click(page_.get(), QStringLiteral("Button18(0)"));
        QTimer* countdown = page_->countdownTimer();
        QVERIFY(countdown->isActive());
        QCOMPARE(countdown->interval(), 1000);
        QCOMPARE(countdown->timerType(), Qt::PreciseTimer);
        QCOMPARE(focusName(), QStringLiteral("Button18(1)"));
        QVERIFY(!button(QStringLiteral("Button18(0)"))->isEnabled());
        QVERIFY(!button(QStringLiteral("Button18(2)"))->isEnabled());
        for (const char16_t* text : {u"3", u"2", u"1", u"准备！", u"开始！"}) {
            page_->tickCountdown();
            QCOMPARE(label(QStringLiteral("Label18")), QString::fromUtf16(text));
            QVERIFY(Find(page_.get(), QStringLiteral("Label18"))->isVisible());
            QVERIFY(!Find(page_.get(), Option(0))->isVisible());
        }
        page_->tickCountdown();
        QVERIFY(!countdown->isActive());
        QVERIFY(page_->clockTimer()->isActive());
        QCOMPARE(page_->clockTimer()->interval(), 1000);
        QVERIFY(!Find(page_.get(), QStringLiteral("Label18"))->isVisible());
        QCOMPARE(label(QStringLiteral("Label12(3)")), QStringLiteral("答题开始！！！！！"));
        QCOMPARE(label(QStringLiteral("Label13(0)")), QStringLiteral("1"));
        QCOMPARE(Text(page_.get(), QStringLiteral("Text21")), QStringLiteral("4"));
        QCOMPARE(Find<QPlainTextEdit>(page_.get(), QStringLiteral("Text20"))->toPlainText(),
                 QStringLiteral("[诗词对联] 问题4"));
        const QStringList answers{QStringLiteral("甲4"), QStringLiteral("答4"), QStringLiteral("丙4"),
                                  QStringLiteral("乙4")};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(label(QStringLiteral("Label8(%1)").arg(i)), answers[i]);
            QVERIFY(Find(page_.get(), Option(i))->isVisible());
            QVERIFY(button(QStringLiteral("Button19(%1)").arg(i))->isEnabled());
        }
        QCOMPARE(focusName(), QStringLiteral("Button19(0)"));
        page_->tickClock();
        page_->tickClock();
        QCOMPARE(label(QStringLiteral("Label13(3)")), QStringLiteral("2"));
    }

    // Twenty stages answered by clicking the answer texts, with one mistake on the way.
    void wholeExamByClickingTheAnswers()
    {
        open({0.0});  // question 1 every time, correct answer in slot A
        begin();
        QVERIFY(!radio(0)->isChecked());
        Click(page_.get(), QStringLiteral("Button19(0)"));  // nothing checked: nothing happens
        QCOMPARE(label(QStringLiteral("Label13(0)")), QStringLiteral("1"));

        clickLabel(QStringLiteral("Label8(2)"));
        QVERIFY(radio(2)->isChecked());
        Click(page_.get(), QStringLiteral("Button19(0)"));
        QCOMPARE(label(QStringLiteral("Label12(1)")), QStringLiteral("C"));
        QCOMPARE(label(QStringLiteral("Label12(0)")), QStringLiteral("A"));
        QCOMPARE(label(QStringLiteral("Label22")), QStringLiteral("错误！"));
        QCOMPARE(label(QStringLiteral("Label12(3)")), QStringLiteral("回答错误!答题时间增加20秒,并补答一题!"));
        QCOMPARE(label(QStringLiteral("Label13(3)")), QStringLiteral("20"));
        // The make-up question comes unchecked.
        for (int i = 0; i < 4; ++i) {
            QVERIFY(!radio(i)->isChecked());
        }

        for (int stage = 1; stage <= 20; ++stage) {
            clickLabel(QStringLiteral("Label8(0)"));
            Click(page_.get(), QStringLiteral("Button19(0)"));
        }
        QCOMPARE(label(QStringLiteral("Label18")), QStringLiteral("答题完毕!"));
        QVERIFY(Find(page_.get(), QStringLiteral("Label18"))->isVisible());
        QCOMPARE(label(QStringLiteral("Label12(3)")), QStringLiteral("回答正确!恭喜你成功闯过二十关!"));
        QCOMPARE(label(QStringLiteral("Label13(0)")), QStringLiteral("20"));
        QCOMPARE(label(QStringLiteral("Label13(1)")), QStringLiteral("20"));
        QCOMPARE(label(QStringLiteral("Label13(2)")), QStringLiteral("1"));
        QVERIFY(!page_->clockTimer()->isActive());
        QVERIFY(button(QStringLiteral("Button18(0)"))->isEnabled());
        QVERIFY(button(QStringLiteral("Button18(2)"))->isEnabled());
        QVERIFY(!button(QStringLiteral("Button18(1)"))->isEnabled());
        QCOMPARE(focusName(), QStringLiteral("Button18(0)"));

        // The one mistake is there to review, its correct answer as A.
        Click(page_.get(), QStringLiteral("dcButton4(1)"));
        QVERIFY(!Find(page_.get(), QStringLiteral("Label18"))->isVisible());
        QCOMPARE(Text(page_.get(), QStringLiteral("Text21")), QStringLiteral("1"));
        QCOMPARE(label(QStringLiteral("Label8(0)")), QStringLiteral("答1"));
        QVERIFY(radio(0)->isChecked());
        QVERIFY(radio(0)->isVisible());
    }

    // Shift+Tab from 答题 walks back over the options, Space checks one, Enter answers.
    void theKeyboardAnswersToo()
    {
        open({0.0});
        begin();
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        }
        QCOMPARE(focusName(), Option(0));
        QTest::keyClick(radio(0), Qt::Key_Space);
        QVERIFY(radio(0)->isChecked());
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(focusName(), QStringLiteral("Button19(0)"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(label(QStringLiteral("Label13(0)")), QStringLiteral("2"));
        QCOMPARE(label(QStringLiteral("Label22")), QStringLiteral("正确！"));
    }

    void tokensUncheckTheOptions()
    {
        open({0.0});
        begin();
        QTest::mouseClick(radio(3), Qt::LeftButton);
        QVERIFY(radio(3)->isChecked());
        Click(page_.get(), QStringLiteral("Button19(1)"));
        QCOMPARE(button(QStringLiteral("Button19(1)"))->text(), QStringLiteral("天王令0个"));
        QVERIFY(!button(QStringLiteral("Button19(1)"))->isEnabled());
        QCOMPARE(label(QStringLiteral("Label12(3)")), QStringLiteral("你使用了天王令!回答正确!现自动进入下一关!"));
        QVERIFY(!radio(3)->isChecked());

        // 地王令 on a tails toss (r = 0) is a mistake; 鬼王令 costs FloorInt(0 × 21 + 20) = 20 s.
        QTest::mouseClick(radio(1), Qt::LeftButton);
        Click(page_.get(), QStringLiteral("Button19(2)"));
        QVERIFY(!radio(1)->isChecked());
        QCOMPARE(button(QStringLiteral("Button19(2)"))->text(), QStringLiteral("地王令1个"));
        QCOMPARE(label(QStringLiteral("Label12(3)")),
                 QStringLiteral("你使用了地王令!答错1次,答题时间增加20秒,并补答一题!"));
        QCOMPARE(label(QStringLiteral("Label22")), QStringLiteral("错误！"));
        QTest::mouseClick(radio(2), Qt::LeftButton);
        Click(page_.get(), QStringLiteral("Button19(3)"));
        QVERIFY(!radio(2)->isChecked());
        QCOMPARE(button(QStringLiteral("Button19(3)"))->text(), QStringLiteral("鬼王令2个"));
        QCOMPARE(label(QStringLiteral("Label12(3)")),
                 QStringLiteral("你使用了鬼王令!闯关成功,用时20秒!自动进入下一关!"));
        QCOMPARE(label(QStringLiteral("Label13(3)")), QStringLiteral("40"));
    }

    void theClockTimesOut()
    {
        open({0.0});
        begin();
        for (int i = 0; i < 999; ++i) {
            page_->tickClock();
        }
        QCOMPARE(label(QStringLiteral("Label13(3)")), QStringLiteral("999"));
        page_->tickClock();
        QCOMPARE(label(QStringLiteral("Label18")), QStringLiteral("答题超时！"));
        QVERIFY(Find(page_.get(), QStringLiteral("Label18"))->isVisible());
        QCOMPARE(label(QStringLiteral("Label12(3)")), QString());
        QVERIFY(!page_->clockTimer()->isActive());
        QVERIFY(!radio(0)->isVisible());
        QVERIFY(!button(QStringLiteral("Button19(0)"))->isEnabled());
        QVERIFY(button(QStringLiteral("dcButton4(1)"))->isEnabled());
        QCOMPARE(focusName(), QStringLiteral("Button18(0)"));
    }

    // The real timers run the countdown too (the only test that waits, a little over six seconds).
    void theRealTimersTick()
    {
        open({0.0});
        Click(page_.get(), QStringLiteral("Button18(0)"));
        QTRY_VERIFY_WITH_TIMEOUT(page_->clockTimer()->isActive(), 8000);
        QCOMPARE(label(QStringLiteral("Label12(3)")), QStringLiteral("答题开始！！！！！"));
        Click(page_.get(), QStringLiteral("Button18(1)"));
        QCOMPARE(label(QStringLiteral("Label18")), QStringLiteral("停止答题!"));
        QVERIFY(!page_->clockTimer()->isActive());
    }

    void anEmptyBankIsRefusedInTheWarningBox()
    {
        random_ = std::make_unique<zicalc::FakeRandom>(std::vector<double>{0.0});
        bank_ = Bank(0);
        page_ = Show<ExamPage>(bank_, *random_);
        bool entered = true;
        QCOMPARE(AnswerWarnings([&] { entered = page_->enter(); }),
                 QStringList{QStringLiteral("题库中没有题目，无法考试！")});
        QVERIFY(!entered);
        QCOMPARE(AnswerWarnings([&] { Click(page_.get(), QStringLiteral("Button18(0)")); }),
                 QStringList{QStringLiteral("题库中没有题目，无法考试！")});
        QVERIFY(!page_->countdownTimer()->isActive());
    }

    void leavingIsOfferedOnlyBetweenExams()
    {
        open({0.0});
        QSignalSpy left(page_.get(), &ExamPage::leaveRequested);
        Click(page_.get(), QStringLiteral("Button18(2)"));
        QCOMPARE(left.count(), 1);
        begin();
        QVERIFY(!button(QStringLiteral("Button18(2)"))->isEnabled());
        Click(page_.get(), QStringLiteral("Button18(1)"));
        Click(page_.get(), QStringLiteral("Button18(2)"));
        QCOMPARE(left.count(), 2);
    }

private:
    void open(std::vector<double> draws)
    {
        bank_ = Bank(10);
        random_ = std::make_unique<zicalc::FakeRandom>(std::move(draws));
        page_ = Show<ExamPage>(bank_, *random_);
        QVERIFY(page_->enter());
        page_->focusStart();
    }
    void begin()
    {
        Click(page_.get(), QStringLiteral("Button18(0)"));
        for (int i = 0; i < 6; ++i) {
            page_->tickCountdown();
        }
    }
    QString label(const QString& name) const { return Find<QLabel>(page_.get(), name)->text(); }
    QRadioButton* radio(int i) const { return Find<QRadioButton>(page_.get(), Option(i)); }
    zicalc::DcButton* button(const QString& name) const { return Find<zicalc::DcButton>(page_.get(), name); }
    void clickLabel(const QString& name) { QTest::mouseClick(Find(page_.get(), name), Qt::LeftButton); }
    static QString focusName()
    {
        QWidget* w = QApplication::focusWidget();
        return w == nullptr ? QString() : w->objectName();
    }

    zicalc::QuestionBank bank_;
    std::unique_ptr<zicalc::FakeRandom> random_;
    std::unique_ptr<ExamPage> page_;
};

ZICALC_GUI_TEST_MAIN(ExamPageTest)
#include "ExamPageTest.moc"
