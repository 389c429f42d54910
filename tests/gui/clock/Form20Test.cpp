#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "GuiTest.h"
#include "core/app/Clock.h"
#include "gui/clock/Form20.h"

using namespace guitest;
using zicalc::Form20;
using zicalc::LocalMoment;

namespace {

LocalMoment At(int day, int hour, int minute, int second)
{
    LocalMoment m;
    m.year = 2007;
    m.month = 5;
    m.day = day;
    m.hour = hour;
    m.minute = minute;
    m.second = second;
    m.weekday = zicalc::WeekdayOf(2007, 5, day);
    return m;
}
constexpr int kSat = 12, kMon = 14, kWed = 16;

// A clock calibrated with 辰 on Saturday 12 May 2007 at 14:05:30; the blanks are as a hand edit
// might leave them, and the date in one of the other forms the reader takes.
const QByteArray kSaturdayFile = " 600\r\n14:05:30\r\n2007/5/12\r\n 7\r\n";

struct Message {
    QString title;
    QString text;
};

// Runs `action` and answers, by pressing "确定", the titled message boxes it opens (at once or
// from the event loop soon after); returns them in order.
QList<Message> AnswerMessages(const std::function<void()>& action, int expected = 1)
{
    QList<Message> seen;
    QTimer answerer;
    answerer.setInterval(10);
    QObject::connect(&answerer, &QTimer::timeout, [&seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || modal->objectName() != QLatin1String("TitledMessageBox")) {
            return;
        }
        seen.append({modal->windowTitle(), Find<QLabel>(modal, QStringLiteral("Label1"))->text()});
        Click(modal, QStringLiteral("Button1"));
    });
    answerer.start();
    action();
    static_cast<void>(QTest::qWaitFor([&] { return seen.size() >= expected; }, 3000));
    return seen;
}

// Opens a modal window with `open` and hands it to `drive` once it is up; `drive` closes it.
void WithModal(const QString& name, const std::function<void()>& open, const std::function<void(QWidget*)>& drive)
{
    bool driven = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (driven || modal == nullptr || modal->objectName() != name || !modal->isVisible()) {
            return;
        }
        driven = true;
        poll.stop();
        drive(modal);
    });
    poll.start();
    open();
    QVERIFY2(driven, qPrintable(name + QStringLiteral(" did not open")));
}

QByteArray SettingFile()
{
    QFile file(QStringLiteral("setting.ini"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteSettingFile(const QByteArray& bytes)
{
    QFile file(QStringLiteral("setting.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString Caption(const QObject* root, const QString& name)
{
    return Find<QLabel>(root, name)->text();
}

}  // namespace

class Form20Test : public QObject {
    Q_OBJECT

private:
    // The clock window on the fake clock; its load reminder, if any, is answered (and handed back).
    std::unique_ptr<Form20> Open(QList<Message>* reminders = nullptr)
    {
        std::unique_ptr<Form20> form;
        const auto seen = AnswerMessages([&] { form = Show<Form20>(clock_); }, reminders ? 1 : 0);
        if (reminders) {
            *reminders = seen;
        }
        return form;
    }
    void Second() { clock_.AdvanceSeconds(1); }

    zicalc::FakeClock clock_;

private slots:
    void init()
    {
        QFile::remove(QStringLiteral("setting.ini"));
        clock_.Set(At(kMon, 14, 20, 0));
    }

    void withoutACalibrationTheClockStandsAndSaysSo()
    {
        QList<Message> reminders;
        auto form = Open(&reminders);
        QCOMPARE(reminders.size(), 1);
        QCOMPARE(reminders[0].title, QStringLiteral("提醒"));
        QCOMPARE(reminders[0].text, QStringLiteral("第一次运行,请先手动对时！"));
        QVERIFY(!Find<QAbstractButton>(form.get(), QStringLiteral("dcButton2(0)"))->isEnabled());
        QVERIFY(!Find<QAbstractButton>(form.get(), QStringLiteral("dcButton2(1)"))->isEnabled());
        QVERIFY(!Find<QTimer>(form.get(), QStringLiteral("Timer1"))->isActive());
        QVERIFY(Find<QTimer>(form.get(), QStringLiteral("Timer2"))->isActive());
        QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(Caption(form.get(), QStringLiteral("Label6")), QStringLiteral("00:00"));
        QCOMPARE(form->windowTitle(), QStringLiteral("14:20:00"));
    }

    void maintenancePassedSaysSo()
    {
        WriteSettingFile(kSaturdayFile);
        clock_.Set(At(kWed, 9, 0, 0));
        QList<Message> reminders;
        auto form = Open(&reminders);
        QCOMPARE(reminders.size(), 1);
        QCOMPARE(reminders[0].text, QStringLiteral("ride于星期二8点整系统维护了,请重新手动对时！"));
        QVERIFY(!Find<QAbstractButton>(form.get(), QStringLiteral("dcButton2(0)"))->isEnabled());
    }

    void aValidCalibrationRunsAndStopFreezes()
    {
        WriteSettingFile(kSaturdayFile);
        auto form = Open();
        QCOMPARE(Caption(form.get(), QStringLiteral("Label2(0)")), QStringLiteral("申"));
        QCOMPARE(Caption(form.get(), QStringLiteral("Label2(1)")), QStringLiteral("子"));
        QVERIFY(Find<QTimer>(form.get(), QStringLiteral("Timer1"))->isActive());
        Second();
        QTRY_COMPARE(Caption(form.get(), QStringLiteral("Label6")), QStringLiteral("05:29"));
        QTRY_COMPARE(form->windowTitle(), QStringLiteral("14:20:01"));
        QCOMPARE(Find<QLabel>(form.get(), QStringLiteral("Label1(1)"))->width(), 3 * 271 / 15);

        Click(form.get(), QStringLiteral("dcButton2(1)"));
        QVERIFY(!Find<QTimer>(form.get(), QStringLiteral("Timer1"))->isActive());
        QVERIFY(Find<QAbstractButton>(form.get(), QStringLiteral("dcButton2(0)"))->isEnabled());
        QVERIFY(!Find<QAbstractButton>(form.get(), QStringLiteral("dcButton2(1)"))->isEnabled());
        Second();
        QTRY_COMPARE(form->windowTitle(), QStringLiteral("14:20:02"));
        QCOMPARE(Caption(form.get(), QStringLiteral("Label6")), QStringLiteral("05:29"));

        // 启动 takes the phase from the file again.
        Click(form.get(), QStringLiteral("dcButton2(0)"));
        Second();
        QTRY_COMPARE(Caption(form.get(), QStringLiteral("Label6")), QStringLiteral("05:27"));
    }

    void shichenWhileRunningWarnsAndWritesNothing()
    {
        WriteSettingFile(kSaturdayFile);
        auto form = Open();
        const QStringList warnings = AnswerWarnings([&] { Click(form.get(), QStringLiteral("dcButton1(0)")); });
        QCOMPARE(warnings, QStringList{QStringLiteral("走动中不能对时！请先停止!")});
        QCOMPARE(SettingFile(), kSaturdayFile);
        QCOMPARE(Caption(form.get(), QStringLiteral("Label2(0)")), QStringLiteral("申"));
    }

    void shichenCalibratesAndStarts()
    {
        auto form = Open();  // the first-run reminder answered
        Click(form.get(), QStringLiteral("dcButton1(4)"));
        QCOMPARE(SettingFile(), QByteArray("600\r\n14:20:00\r\n2007-05-14\r\n2\r\n"));
        QCOMPARE(Caption(form.get(), QStringLiteral("Label2(0)")), QStringLiteral("辰"));
        QCOMPARE(Caption(form.get(), QStringLiteral("Label2(1)")), QStringLiteral("申"));
        QVERIFY(!Find<QAbstractButton>(form.get(), QStringLiteral("dcButton2(0)"))->isEnabled());
        QVERIFY(Find<QAbstractButton>(form.get(), QStringLiteral("dcButton2(1)"))->isEnabled());
        Second();
        QTRY_COMPARE(Caption(form.get(), QStringLiteral("Label6")), QStringLiteral("09:59"));
    }

    void pricePanelAndCityTabs()
    {
        WriteSettingFile(kSaturdayFile);
        auto form = Open();
        auto* toggle = Find<QAbstractButton>(form.get(), QStringLiteral("dcButton4"));
        auto* panel = Find<QWidget>(form.get(), QStringLiteral("Frame1"));
        QCOMPARE(toggle->text(), QStringLiteral("∨各地可买入价∨"));
        QVERIFY(!panel->isVisible());
        const int collapsed = form->height();
        Click(toggle);
        QCOMPARE(toggle->text(), QStringLiteral("∧各地可买入价∧"));
        QVERIFY(panel->isVisible());
        QVERIFY(form->height() > collapsed);
        QCOMPARE(Caption(form.get(), QStringLiteral("Label5(2)")), QStringLiteral("夜明珠<= 8000  可进"));

        // The tab already shown changes nothing; another one turns red and shows its prices.
        QTest::mouseClick(Find<QLabel>(form.get(), QStringLiteral("Label4(0)")), Qt::LeftButton);
        QCOMPARE(Colour(form.get(), QStringLiteral("Label4(0)")), (zicalc::Rgb{255, 0, 0}));
        QCOMPARE(Caption(form.get(), QStringLiteral("Label5(0)")), QStringLiteral("首饰  <= 4300  可进"));
        QTest::mouseClick(Find<QLabel>(form.get(), QStringLiteral("Label4(1)")), Qt::LeftButton);
        QCOMPARE(Colour(form.get(), QStringLiteral("Label4(1)")), (zicalc::Rgb{255, 0, 0}));
        QCOMPARE(Colour(form.get(), QStringLiteral("Label4(0)")), (zicalc::Rgb{0, 0, 255}));
        QCOMPARE(Caption(form.get(), QStringLiteral("Label5(1)")), QStringLiteral("酒    <= 3500  可进"));

        Click(toggle);
        QVERIFY(!panel->isVisible());
        QCOMPARE(form->height(), collapsed);
    }

    void adjustmentOnlyWhileStoppedAndKeepsWhatItDoesNotEdit()
    {
        WriteSettingFile(kSaturdayFile);
        auto form = Open();
        Click(form.get(), QStringLiteral("dcButton3(0)"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);  // running: nothing opens

        Click(form.get(), QStringLiteral("dcButton2(1)"));
        QList<Message> saved;
        WithModal(
            QStringLiteral("Form21"), [&] { Click(form.get(), QStringLiteral("dcButton3(0)")); },
            [&](QWidget* form21) {
                QCOMPARE(form21->windowTitle(), QStringLiteral("     手动调时"));
                QVERIFY(form->isVisible());
                QCOMPARE(Text(form21, QStringLiteral("Text1(0)")), QStringLiteral("14"));
                QCOMPARE(Text(form21, QStringLiteral("Text1(1)")), QStringLiteral("05"));
                QCOMPARE(Text(form21, QStringLiteral("Text1(2)")), QStringLiteral("30"));
                // A click shorter than one repeat changes nothing; holding steps.
                auto* secondUp = Find<QAbstractButton>(form21, QStringLiteral("dcButton1(4)"));
                QTest::mouseClick(secondUp, Qt::LeftButton);
                QCOMPARE(Text(form21, QStringLiteral("Text1(2)")), QStringLiteral("30"));
                QTest::mousePress(secondUp, Qt::LeftButton);
                QTRY_VERIFY(Text(form21, QStringLiteral("Text1(2)")) != QStringLiteral("30"));
                QTest::mouseRelease(secondUp, Qt::LeftButton);
                const QString seconds = Text(form21, QStringLiteral("Text1(2)"));
                QTest::qWait(150);
                QCOMPARE(Text(form21, QStringLiteral("Text1(2)")), seconds);  // stopped on release

                saved = AnswerMessages([&] { Click(form21, QStringLiteral("dcButton2(0)")); });
                QVERIFY(form21->isVisible());
                QCOMPARE(SettingFile(),
                         QByteArray("600\r\n14:05:") + seconds.toLatin1() + QByteArray("\r\n2007/5/12\r\n7\r\n"));
                Click(form21, QStringLiteral("dcButton2(1)"));
            });
        QCOMPARE(saved.size(), 1);
        QCOMPARE(saved[0].title, QStringLiteral("修改"));
        QCOMPARE(saved[0].text, QStringLiteral("时间修改完毕！"));
        QVERIFY(Find<QAbstractButton>(form.get(), QStringLiteral("dcButton2(0)"))->isEnabled());
        QVERIFY(!Find<QTimer>(form.get(), QStringLiteral("Timer1"))->isActive());
    }

    void helpShowsItsTextAndClosesOnDoubleClick()
    {
        WriteSettingFile(kSaturdayFile);
        auto form = Open();
        WithModal(
            QStringLiteral("Form22"), [&] { Click(form.get(), QStringLiteral("dcButton3(1)")); },
            [&](QWidget* form22) {
                QCOMPARE(form22->windowTitle(), QStringLiteral("            跑商时钟帮助"));
                auto* text = Find<QPlainTextEdit>(form22, QStringLiteral("Text1"));
                const QStringList lines = text->toPlainText().split(QLatin1Char('\n'));
                QCOMPARE(lines.size(), 40);  // 39 lines and the break after the last
                QCOMPARE(lines[13], QStringLiteral(" 3.\"启动\"按钮是当钟面停止走动时，"));
                QCOMPARE(lines[38], QStringLiteral(" 9.倒数计时同为10分钟倒数."));
                QVERIFY(text->isReadOnly());
                QTest::mouseDClick(text->viewport(), Qt::LeftButton);
                QTRY_VERIFY(!form22->isVisible());
            });
    }

    void otherPageOpensTheClockInPlaceOfTheMainWindow()
    {
        auto main = ShowMainWindow(6);
        QList<Message> reminders = AnswerMessages([&] { Click(main.get(), QStringLiteral("dcButton5")); }, 1);
        QCOMPARE(reminders.size(), 1);
        QCOMPARE(reminders[0].text, QStringLiteral("第一次运行,请先手动对时！"));
        QWidget* clock = FindTopLevel(QStringLiteral("Form20"));
        QVERIFY(clock != nullptr);
        QVERIFY(!main->isVisible());
        clock->close();
        QTRY_VERIFY(main->isVisible());
        QTRY_VERIFY(FindTopLevel(QStringLiteral("Form20")) == nullptr);
    }
};

ZICALC_GUI_TEST_MAIN(Form20Test)
#include "Form20Test.moc"
