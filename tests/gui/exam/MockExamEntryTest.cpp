#include <QFile>
#include <QLabel>
#include <QListView>
#include <QtTest>

#include "GuiTest.h"
#include "core/app/Gbk.h"
#include "gui/app/Form1.h"
#include "gui/exam/ExamPage.h"
#include "gui/widgets/PageFrame.h"

using namespace guitest;

namespace {

constexpr const char* kBank =
    "1,古代常识,长安城有几个门？,四个,三个,五个,六个\r\n"
    "2,历史知识,长安是哪朝的都城？,唐,宋,元,明\r\n"
    "3,游戏知识,洛阳在哪里？,东边,西边,南边,北边\r\n";

void WriteBank(const std::string& utf8)
{
    QFile f(QStringLiteral("test.dat"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const zicalc::GbkResult gbk = zicalc::EncodeGbk(utf8);
    f.write(gbk.text.data(), static_cast<qint64>(gbk.text.size()));
}

QString FocusName()
{
    QWidget* w = QApplication::focusWidget();
    return w == nullptr ? QString() : w->objectName();
}

}  // namespace

// 考试 and 迷你 on the browser page, through the main window.
class MockExamEntryTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        WriteBank(kBank);
        form_ = ShowMainWindow(5);
        QVERIFY(page(5)->isVisible());
    }
    void cleanup()
    {
        form_.reset();
        QFile::remove(QStringLiteral("test.dat"));
    }

    // Into the exam and back: the browser is as it was left, but the line clicked is forgotten.
    void examAndBackToTheBrowser()
    {
        Find<QLineEdit>(form_.get(), QStringLiteral("Text17"))->setText(QStringLiteral("长安"));
        selectLine(1);
        QCOMPARE(Text(form_.get(), QStringLiteral("Text19(1)")), QStringLiteral("唐"));
        Click(form_.get(), QStringLiteral("Button17(3)"));
        QVERIFY(page(8)->isVisible());
        QVERIFY(!page(5)->isVisible());
        QCOMPARE(FocusName(), QStringLiteral("Button18(0)"));

        // The category buttons are locked meanwhile, 孩子 included.
        WarningRecorder warnings;
        for (int i : {0, 4, 5, 7}) {
            Click(form_.get(), QStringLiteral("Button0(%1)").arg(i));
        }
        QVERIFY(page(8)->isVisible());
        QVERIFY(warnings.messages.isEmpty());
        QCOMPARE(form_->currentCategory(), 5);

        Click(form_.get(), QStringLiteral("Button18(2)"));
        QVERIFY(page(5)->isVisible());
        QVERIFY(!page(8)->isVisible());
        QCOMPARE(Text(form_.get(), QStringLiteral("Text17")), QStringLiteral("长安"));
        QCOMPARE(Find<QListView>(form_.get(), QStringLiteral("List2"))->model()->rowCount(), 2);
        QCOMPARE(Text(form_.get(), QStringLiteral("Text19(1)")), QStringLiteral("唐"));
        // QuestionSelected was cleared by 考试: 修改 does nothing until a line is clicked again.
        Click(form_.get(), QStringLiteral("Button17(2)"));
        QVERIFY(page(5)->isVisible());
        // The category buttons work again.
        Click(form_.get(), QStringLiteral("Button0(0)"));
        QVERIFY(page(0)->isVisible());
    }

    // While an exam runs, 放弃 is disabled and the page cannot be left.
    void aRunningExamKeepsThePage()
    {
        Click(form_.get(), QStringLiteral("Button17(3)"));
        Click(form_.get(), QStringLiteral("Button18(0)"));
        auto* exam = static_cast<zicalc::ExamPage*>(page(8));
        for (int i = 0; i < 6; ++i) {
            exam->tickCountdown();
        }
        QVERIFY(exam->clockTimer()->isActive());
        Click(form_.get(), QStringLiteral("Button18(2)"));
        Click(form_.get(), QStringLiteral("Button0(1)"));
        QVERIFY(page(8)->isVisible());
        // The exam goes on while the main window is hidden.
        form_->hide();
        exam->tickClock();
        QCOMPARE(Find<QLabel>(form_.get(), QStringLiteral("Label13(3)"))->text(), QStringLiteral("1"));
        QVERIFY(exam->clockTimer()->isActive());
    }

    // 科举 still reports a missing bank file while the exam page is up, in the real warning box,
    // and the page stays.
    void aMissingFileIsReportedFromTheExamPage()
    {
        Click(form_.get(), QStringLiteral("Button17(3)"));
        QVERIFY(QFile::remove(QStringLiteral("test.dat")));
        const QStringList warnings = AnswerWarnings([this] { Click(form_.get(), QStringLiteral("Button0(5)")); });
        QCOMPARE(warnings, QStringList{QStringLiteral("找不到科举题库!")});
        QVERIFY(page(8)->isVisible());
    }

    // A bank file without a single question: 考试 says so in the warning box and stays put.
    void anEmptyBankIsNoExam()
    {
        form_.reset();
        WriteBank("");
        QStringList warnings = AnswerWarnings([this] { form_ = ShowMainWindow(5); });
        warnings += AnswerWarnings([this] { Click(form_.get(), QStringLiteral("Button17(3)")); });
        QVERIFY(warnings.contains(QStringLiteral("题库中没有题目，无法考试！")));
        QVERIFY(page(5)->isVisible());
        QVERIFY(!page(8)->isVisible());
    }

    // 迷你 hides the main window and opens the mini window; closing it brings the main window back.
    void miniReplacesTheMainWindow()
    {
        selectLine(0);
        Click(form_.get(), QStringLiteral("Button17(4)"));
        QWidget* mini = FindTopLevel(QStringLiteral("Form8"));
        QVERIFY(mini != nullptr);
        QVERIFY(!form_->isVisible());
        QTRY_COMPARE(FocusName(), QStringLiteral("Text1"));
        QPointer<QWidget> closing = mini;
        mini->close();
        QTRY_VERIFY(closing.isNull());
        QVERIFY(form_->isVisible());
        QVERIFY(page(5)->isVisible());
        // The line clicked before was forgotten.
        Click(form_.get(), QStringLiteral("Button17(2)"));
        QVERIFY(page(5)->isVisible());
    }

    // Closing the main window unloads the mini window too.
    void closingTheMainWindowUnloadsTheMiniWindow()
    {
        Click(form_.get(), QStringLiteral("Button17(4)"));
        QPointer<QWidget> mini = FindTopLevel(QStringLiteral("Form8"));
        QVERIFY(mini);
        form_->close();
        QTRY_VERIFY(mini.isNull());
    }

private:
    zicalc::PageFrame* page(int i) const { return form_->page(i); }
    void selectLine(int row)
    {
        auto* list = Find<QListView>(form_.get(), QStringLiteral("List2"));
        if (list->model()->rowCount() == 0) {
            Click(form_.get(), QStringLiteral("Option3(0)"));
        }
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }

    std::unique_ptr<zicalc::Form1> form_;
};

ZICALC_GUI_TEST_MAIN(MockExamEntryTest)
#include "MockExamEntryTest.moc"
