#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

#include "GuiTest.h"
#include "gui/app/Form1.h"
#include "gui/widgets/DcButton.h"

using namespace guitest;

// The NPC search and the level scenes on the 其它 page.
class LookupFramesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        form_ = ShowMainWindow(6);
        QVERIFY(Find(form_.get(), QStringLiteral("Frame9(5)"))->isVisible());
        QVERIFY(Find(form_.get(), QStringLiteral("Frame9(4)"))->isVisible());
        text24_ = Find<QLineEdit>(form_.get(), QStringLiteral("Text24"));
        list1_ = Find<QListWidget>(form_.get(), QStringLiteral("List1"));
    }
    void cleanup() { form_.reset(); }

    void searchStartsEmptyWithTheFocusInTheField()
    {
        QCOMPARE(text24_->text(), QString());
        QCOMPARE(list1_->count(), 0);
        QCOMPARE(QApplication::focusWidget(), text24_);
        QCOMPARE(Find<zicalc::DcButton>(form_.get(), QStringLiteral("Button21"))->text(), QStringLiteral("清空"));
    }

    // The only Latin letters are in 剧情道具NPC and the two PK lines.
    void typingListsTheMatchesAtEveryKey()
    {
        QTest::keyClicks(text24_, QStringLiteral("P"));
        QCOMPARE(text24_->text(), QStringLiteral("P"));
        QCOMPARE(lines(), QStringList({QStringLiteral("长安城 剧情道具NPC(203：251)"),
                                       QStringLiteral("长安城 PK申请人(246：111)"),
                                       QStringLiteral("长寿村 强行PK申请人(60：91)")}));
        QTest::keyClicks(text24_, QStringLiteral("K"));
        QCOMPARE(list1_->count(), 2);
        QTest::keyClick(text24_, Qt::Key_Backspace);
        QCOMPARE(list1_->count(), 3);
        QTest::keyClick(text24_, Qt::Key_Backspace);
        QCOMPARE(list1_->count(), 0);
    }

    // Chinese comes in through the input method, as a committed string.
    void committedChineseTextSearches()
    {
        commit(QStringLiteral("流动"));
        QCOMPARE(list1_->count(), 12);
        QCOMPARE(list1_->item(0)->text(), QStringLiteral("长安城 罗道人 (505：74)流动"));
        QCOMPARE(list1_->item(11)->text(), QStringLiteral("江南野外 货郎李 (59：98)流动"));
    }

    void textSetByCodeSearchesToo_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("count");
        QTest::newRow("city") << QStringLiteral("长安城") << 132;
        QTest::newRow("space") << QStringLiteral(" ") << 507;
        QTest::newRow("healer") << QStringLiteral("超级巫医") << 18;
        QTest::newRow("lone colon") << QStringLiteral("：") << 0;
        QTest::newRow("lone paren") << QStringLiteral("(") << 0;
        QTest::newRow("lower case") << QStringLiteral("pk") << 0;
    }
    void textSetByCodeSearchesToo()
    {
        QFETCH(QString, text);
        QFETCH(int, count);
        text24_->setText(QStringLiteral("回长安"));
        QCOMPARE(list1_->count(), 9);
        text24_->setText(text);
        QCOMPARE(list1_->count(), count);
        text24_->setText(QString());
        QCOMPARE(list1_->count(), 0);
    }

    void escapeEmptiesAndTheKeyGoesOn()
    {
        text24_->setText(QStringLiteral("64,31"));
        QCOMPARE(lines(), QStringList({QStringLiteral("大雁塔 超级巫医(64,31)一层")}));
        KeySpy spy;
        form_->installEventFilter(&spy);
        QTest::keyClick(text24_, Qt::Key_Escape);
        QCOMPARE(text24_->text(), QString());
        QCOMPARE(list1_->count(), 0);
        QCOMPARE(QApplication::focusWidget(), text24_);
        QVERIFY(spy.sawEscape);  // not swallowed: it reaches the window
    }

    void clearButtonEmptiesAndPutsTheCursorBack()
    {
        text24_->setText(QStringLiteral("PK"));
        Click(form_.get(), QStringLiteral("Button21"));
        QCOMPARE(text24_->text(), QString());
        QCOMPARE(list1_->count(), 0);
        QCOMPARE(QApplication::focusWidget(), text24_);
    }

    void searchSurvivesAPageSwitch()
    {
        text24_->setText(QStringLiteral("回长安"));
        Click(form_.get(), QStringLiteral("Button0(0)"));
        QVERIFY(!text24_->isVisible());
        Click(form_.get(), QStringLiteral("Button0(6)"));
        QCOMPARE(text24_->text(), QStringLiteral("回长安"));
        QCOMPARE(list1_->count(), 9);
    }

    void levelListStartsWithNothingChosen()
    {
        auto* combo = Find<QComboBox>(form_.get(), QStringLiteral("Combo3"));
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->count(), 71);
        QCOMPARE(combo->itemText(0), QStringLiteral("60"));
        QCOMPARE(combo->itemText(70), QStringLiteral("130"));
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(Text(form_.get(), QStringLiteral("Text22")), QString());
        QCOMPARE(Find<QLabel>(form_.get(), QStringLiteral("Label6(7)"))->text(),
                 QStringLiteral("级人物可以传说的地点有"));
    }

    void choosingALevelShowsItsPlaces()
    {
        QVERIFY(ChooseByMouse(form_.get(), QStringLiteral("Combo3"), QStringLiteral("82")));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text22")), QStringLiteral("龙五/龙六/凤四/凤五"));
        auto* combo = Find<QComboBox>(form_.get(), QStringLiteral("Combo3"));
        combo->setFocus(Qt::TabFocusReason);
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentText(), QStringLiteral("83"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text22")), QStringLiteral("龙五/龙六/凤四/凤五/凤六"));
        QVERIFY(Choose(form_.get(), QStringLiteral("Combo3"), QStringLiteral("60")));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text22")), QStringLiteral("北俱芦洲/龙窟一层"));
    }

private:
    struct KeySpy final : QObject {
        bool sawEscape = false;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                sawEscape = true;
            }
            return false;
        }
    };

    QStringList lines() const
    {
        QStringList out;
        for (int i = 0; i < list1_->count(); ++i) {
            out << list1_->item(i)->text();
        }
        return out;
    }
    void commit(const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(text24_, &event);
    }

    std::unique_ptr<zicalc::Form1> form_;
    QLineEdit* text24_ = nullptr;
    QListWidget* list1_ = nullptr;
};

ZICALC_GUI_TEST_MAIN(LookupFramesTest)
#include "LookupFramesTest.moc"
