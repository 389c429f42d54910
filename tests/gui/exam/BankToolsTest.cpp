#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include "GuiTest.h"
#include "core/app/Clock.h"
#include "core/app/FileIo.h"
#include "core/app/Gbk.h"
#include "core/app/Navigation.h"
#include "gui/exam/Form23.h"
#include "gui/exam/Form8.h"

using namespace guitest;
using zicalc::BankBackups;
using zicalc::Form23;

namespace {

constexpr const char* kBank =
    "1,古代常识,一年有几个季节？,四个,三个,五个,六个\r\n"
    "2,其它题目,西游记的作者是谁？,吴承恩,施耐庵,罗贯中,曹雪芹\r\n"
    "3,游戏知识,悟空的师父是谁？,唐僧,八戒,沙僧,白龙马\r\n";
constexpr const char* kTheirs =
    "7,古代常识,一年有几个季节？,四个,两个,八个,十个\r\n"
    "8,游戏知识,悟空的师父是谁？,菩提祖师,八戒,沙僧,唐僧\r\n"
    "9,其它题目,长安在今天的哪里？,西安,洛阳,开封,北京\r\n"
    "10,诗词对联,床前明月光的下一句？,疑是地上霜,低头思故乡,举头望明月,夜来风雨声\r\n"
    "11,古代常识,一年有几个季节？,四个,甲,乙,丙\r\n";

std::string Gbk(const std::string& utf8)
{
    return zicalc::EncodeGbk(utf8).text;
}

void WriteFile(const QString& name, const std::string& bytes)
{
    QVERIFY(zicalc::WriteFileAtomically(name.toStdString(), bytes).ok());
}

std::string ReadFile(const QString& name)
{
    return zicalc::ReadFileBytes(name.toStdString()).value_or(std::string());
}

void Type(QLineEdit* field, const QString& text)
{
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Answers the confirmation box with its real "确定" while `action` runs.
void AnswerConfirmations(const std::function<void()>& action, QStringList* asked = nullptr)
{
    QTimer answerer;
    answerer.setInterval(10);
    QObject::connect(&answerer, &QTimer::timeout, [asked] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal->isVisible() && modal->objectName() == QLatin1String("ConfirmBox")) {
            if (asked != nullptr) {
                *asked << modal->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
            }
            Click(modal, QStringLiteral("Button1"));
        }
    });
    answerer.start();
    action();
    answerer.stop();
}

}  // namespace

class BankToolsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        QDir(QStringLiteral("backup")).removeRecursively();
        WriteFile(QStringLiteral("test.dat"), Gbk(kBank));
    }

    void pinyinBoxOnTheBrowserPageAddsPinyinMatchesOnlyWhenTicked()
    {
        auto form = ShowMainWindow(zicalc::kExamCategory);
        auto* text17 = Find<QLineEdit>(form.get(), QStringLiteral("Text17"));
        auto* check4 = Find<QCheckBox>(form.get(), QStringLiteral("Check4"));
        auto* list2 = Find<QListView>(form.get(), QStringLiteral("List2"));
        QCOMPARE(check4->text(), QStringLiteral("拼音"));
        QVERIFY(!check4->isChecked());

        Type(text17, QStringLiteral("xyj"));
        QCOMPARE(list2->model()->rowCount(), 0);
        Click(check4);
        QCOMPARE(list2->model()->rowCount(), 1);
        QCOMPARE(list2->model()->index(0, 0).data().toString(), QStringLiteral("<2>[其它题目] 西游记的作者是谁？"));
        QCOMPARE(QApplication::focusWidget(), text17);
        Type(text17, QStringLiteral("wukong"));
        QCOMPARE(list2->model()->rowCount(), 1);
        Click(check4);
        QCOMPARE(list2->model()->rowCount(), 0);
        // Exact search as before, with the box off and on.
        Type(text17, QStringLiteral("谁"));
        QCOMPARE(list2->model()->rowCount(), 2);
        Click(check4);
        QCOMPARE(list2->model()->rowCount(), 2);
    }

    void pinyinBoxInTheMiniWindow()
    {
        auto form = Show<zicalc::Form8>();
        auto* text1 = Find<QLineEdit>(form.get(), QStringLiteral("Text1"));
        Type(text1, QStringLiteral("xyj"));
        QCOMPARE(Find<QLabel>(form.get(), QStringLiteral("Label1(1)"))->text(), QStringLiteral("0"));
        Click(form.get(), QStringLiteral("Check1"));
        QCOMPARE(Find<QLabel>(form.get(), QStringLiteral("Label1(1)"))->text(), QStringLiteral("1"));
        QCOMPARE(Find<QPlainTextEdit>(form.get(), QStringLiteral("Text3"))->toPlainText(), QStringLiteral("吴承恩"));
        QCOMPARE(QApplication::focusWidget(), text1);
    }

    void backupWindowListsAndRestores()
    {
        zicalc::FakeClock clock(zicalc::LocalMoment{2026, 12, 10, 16, 5, 3, 0, 5});
        BankBackups backups("test.dat", clock);
        const std::string older = Gbk("1,古代常识,一年有几个季节？,四个,三个,五个,六个\r\n");
        QVERIFY(!backups.Keep(older).has_value());
        clock.AdvanceSeconds(90);
        QVERIFY(!backups.Keep(Gbk(kBank)).has_value());

        auto form = Show<Form23>(std::filesystem::path("test.dat"), backups);
        QCOMPARE(form->windowTitle(), QStringLiteral("题库备份与合并"));
        auto* list1 = Find<QListWidget>(form.get(), QStringLiteral("List1"));
        QCOMPARE(list1->count(), 2);
        QCOMPARE(list1->item(0)->text(), QStringLiteral("2026-12-10 16:06:33    3道题"));
        QCOMPARE(list1->item(1)->text(), QStringLiteral("2026-12-10 16:05:03    1道题"));

        QSignalSpy changed(form.get(), &Form23::bankChanged);
        clock.AdvanceSeconds(60);
        list1->setCurrentRow(1);
        QStringList asked;
        QStringList told;
        AnswerConfirmations([&] { told = AnswerWarnings([&] { Click(form.get(), QStringLiteral("Button1(0)")); }); },
                            &asked);
        QCOMPARE(asked,
                 QStringList{QStringLiteral("用2026-12-10 16:05:03的备份（1道题）恢复题库吗？现在的题库会先备份。")});
        QCOMPARE(told, QStringList{QStringLiteral("恢复完毕!")});
        QCOMPARE(ReadFile(QStringLiteral("test.dat")), older);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(list1->count(), 3);
        QCOMPARE(list1->item(0)->text(), QStringLiteral("2026-12-10 16:07:33    3道题"));
    }

    void mergePreviewShowsTheCountsAndTheConflicts()
    {
        zicalc::FakeClock clock;
        BankBackups backups("test.dat", clock);
        WriteFile(QStringLiteral("theirs.dat"), Gbk(kTheirs));
        auto form = Show<Form23>(std::filesystem::path("test.dat"), backups);
        form->setFileChooser([](QWidget*) { return QStringLiteral("theirs.dat"); });
        auto* frame2 = Find<QGroupBox>(form.get(), QStringLiteral("Frame2"));
        QVERIFY(!frame2->isVisible());
        Click(form.get(), QStringLiteral("Button1(1)"));
        QVERIFY(frame2->isVisible());
        QCOMPARE(Find<QLabel>(form.get(), QStringLiteral("Label1"))->text(),
                 QStringLiteral("新题：2道    已有：2道    冲突：1道"));
        auto* grid = Find<QTableWidget>(form.get(), QStringLiteral("Grid1"));
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("悟空的师父是谁？"));
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("唐僧"));
        QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("菩提祖师"));
        QCOMPARE(ReadFile(QStringLiteral("test.dat")), Gbk(kBank));  // nothing written yet

        Click(Find<QCheckBox>(form.get(), QStringLiteral("Check1(0)")));
        form->setConfirmer([](QWidget*, const QString&) { return true; });
        const QStringList told = AnswerWarnings([&] { Click(form.get(), QStringLiteral("Button1(3)")); });
        QCOMPARE(told, QStringList{QStringLiteral("合并完毕！新增2道题，1道冲突的题改用了对方的答案。")});
        QCOMPARE(ReadFile(QStringLiteral("test.dat")),
                 Gbk("1,古代常识,一年有几个季节？,四个,三个,五个,六个\r\n"
                     "2,其它题目,西游记的作者是谁？,吴承恩,施耐庵,罗贯中,曹雪芹\r\n"
                     "3,游戏知识,悟空的师父是谁？,菩提祖师,八戒,沙僧,唐僧\r\n"
                     "4,其它题目,长安在今天的哪里？,西安,洛阳,开封,北京\r\n"
                     "5,诗词对联,床前明月光的下一句？,疑是地上霜,低头思故乡,举头望明月,夜来风雨声\r\n"));
        QCOMPARE(Find<QListWidget>(form.get(), QStringLiteral("List1"))->count(), 1);
        QVERIFY(!frame2->isVisible());
    }

    void mergeRefusesAMalformedFile()
    {
        zicalc::FakeClock clock;
        BankBackups backups("test.dat", clock);
        WriteFile(QStringLiteral("theirs.dat"), Gbk("1,古代常识,问？,答,甲,乙,丙\r\n2,古代常识,问？,答\r\n"));
        auto form = Show<Form23>(std::filesystem::path("test.dat"), backups);
        form->setFileChooser([](QWidget*) { return QStringLiteral("theirs.dat"); });
        const QStringList told = AnswerWarnings([&] { Click(form.get(), QStringLiteral("Button1(1)")); });
        QCOMPARE(told, QStringList{QStringLiteral("无法合并：所选文件第2行不是七项的完整题目，没有写入任何内容！")});
        QVERIFY(!Find<QGroupBox>(form.get(), QStringLiteral("Frame2"))->isVisible());
        QCOMPARE(ReadFile(QStringLiteral("test.dat")), Gbk(kBank));
        QVERIFY(!QDir(QStringLiteral("backup")).exists());
    }

    // From the browser page: 题库备份 opens the window over the main window, and a restore there
    // is what the browser lists afterwards.
    void restoreFromTheBrowserPageReloadsTheBank()
    {
        QDir().mkpath(QStringLiteral("backup"));
        const std::string older = Gbk("1,古代常识,一年有几个季节？,四个,三个,五个,六个\r\n");
        WriteFile(QStringLiteral("backup/test_2026-01-01_08-00-00_01.dat"), older);
        auto form = ShowMainWindow(zicalc::kExamCategory);
        QCOMPARE(Find<QAbstractButton>(form.get(), QStringLiteral("Button17(5)"))->text(), QStringLiteral("题库备份"));

        int step = 0;
        QTimer driver;
        driver.setInterval(10);
        QObject::connect(&driver, &QTimer::timeout, [&step] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || !modal->isVisible()) {
                return;
            }
            if (modal->objectName() == QLatin1String("Form23")) {
                if (step == 0) {
                    Find<QListWidget>(modal, QStringLiteral("List1"))->setCurrentRow(0);
                    step = 1;
                    // Clicked once this handler has returned: the restore runs boxes of its own.
                    QTimer::singleShot(0, modal, [modal] { Click(modal, QStringLiteral("Button1(0)")); });
                } else {
                    Click(modal, QStringLiteral("Button1(2)"));
                }
            } else if (modal->objectName() == QLatin1String("ConfirmBox")) {
                Click(modal, QStringLiteral("Button1"));
            }
        });
        driver.start();
        const QStringList told = AnswerWarnings([&] { Click(form.get(), QStringLiteral("Button17(5)")); });
        driver.stop();
        QCOMPARE(told, QStringList{QStringLiteral("恢复完毕!")});
        QCOMPARE(ReadFile(QStringLiteral("test.dat")), older);
        Click(form.get(), QStringLiteral("Option3(0)"));
        QCOMPARE(Find<QListView>(form.get(), QStringLiteral("List2"))->model()->rowCount(), 1);
        QCOMPARE(QDir(QStringLiteral("backup")).entryList(QDir::Files).size(), 2);
    }
};

ZICALC_GUI_TEST_MAIN(BankToolsTest)
#include "BankToolsTest.moc"
