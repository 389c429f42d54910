#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QtTest>

#include "GuiTest.h"
#include "gui/lookup/Form18.h"

using namespace guitest;

class Form18Test : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        form_ = new zicalc::Form18();
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_));
    }
    void cleanup() { delete form_.data(); }

    void opensOnThePreface()
    {
        QCOMPARE(form_->windowTitle(), QStringLiteral("剧情攻略(未完成)"));
        QCOMPARE(list()->count(), 33);
        QCOMPARE(list()->currentRow(), 1);
        QCOMPARE(list()->item(1)->text(), QStringLiteral("剧情前言"));
        QCOMPARE(list()->item(32)->text(), QStringLiteral(" "));
        QCOMPARE(shown(), QStringList{QStringLiteral("Text1")});
        QVERIFY(!buttonsEnabled());
    }

    void mouseShowsIntroductionThenPages()
    {
        clickRow(3);
        QCOMPARE(shown(), QStringList{QStringLiteral("Text2(0)")});
        QVERIFY(buttonsEnabled());
        Click(form_, QStringLiteral("dcButton1(1)"));
        QCOMPARE(shown(), QStringList{QStringLiteral("Text2(1)")});
        QVERIFY(shownText().startsWith(QStringLiteral("<商人的鬼魂>剧情流程：\n")));
        Click(form_, QStringLiteral("dcButton1(1)"));
        QCOMPARE(shown(), QStringList{QStringLiteral("Text2(1)")});

        // Another storyline, or the same one clicked again, starts at its introduction.
        clickRow(19);
        QCOMPARE(shown(), QStringList{QStringLiteral("Text9(0)")});
        Click(form_, QStringLiteral("dcButton1(2)"));
        QCOMPARE(shownText(), QStringLiteral("<三打白骨精>剧情奖励："));
        clickRow(19);
        QCOMPARE(shown(), QStringList{QStringLiteral("Text9(0)")});
    }

    void keyboardRunsTheSameRule()
    {
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_Down);  // the blank line 2
        QCOMPARE(shown(), QStringList());
        QVERIFY(!buttonsEnabled());
        QTest::keyClick(list(), Qt::Key_Down);
        QCOMPARE(shown(), QStringList{QStringLiteral("Text2(0)")});
        QTest::keyClick(Find<QWidget>(form_, QStringLiteral("dcButton1(4)")), Qt::Key_Space);
        QCOMPARE(shown(), QStringList{QStringLiteral("Text2(4)")});
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_Down);
        QTest::keyClick(list(), Qt::Key_Down);
        QCOMPARE(shown(), QStringList{QStringLiteral("Text3(0)")});
        QTest::keyClick(list(), Qt::Key_End);
        QCOMPARE(shown(), QStringList());
        QVERIFY(!buttonsEnabled());
    }

    void headingLineShowsNothing()
    {
        clickRow(13);
        clickRow(9);  // "剧情任务四：" heads the two branches and has no text of its own
        QCOMPARE(shown(), QStringList());
        QVERIFY(!buttonsEnabled());
        const QStringList warnings = AnswerWarnings([this] { Click(form_, QStringLiteral("dcButton1(2)")); });
        QVERIFY(warnings.isEmpty());
        QCOMPARE(shown(), QStringList());
    }

    void textsHoldNoCarriageReturns()
    {
        const auto texts = form_->findChildren<QPlainTextEdit*>();
        QCOMPARE(texts.size(), 71);
        for (const QPlainTextEdit* t : texts) {
            QVERIFY2(!t->toPlainText().contains(QLatin1Char('\r')), qPrintable(t->objectName()));
            QVERIFY(t->isReadOnly());
        }
    }

private:
    QListWidget* list() const { return Find<QListWidget>(form_, QStringLiteral("List1")); }
    void clickRow(int row)
    {
        QListWidgetItem* item = list()->item(row);
        list()->scrollToItem(item);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, list()->visualItemRect(item).center());
    }
    QStringList shown() const
    {
        QStringList out;
        for (const QPlainTextEdit* t : form_->findChildren<QPlainTextEdit*>()) {
            if (t->isVisible()) {
                out << t->objectName();
            }
        }
        return out;
    }
    QString shownText() const
    {
        for (const QPlainTextEdit* t : form_->findChildren<QPlainTextEdit*>()) {
            if (t->isVisible()) {
                return t->toPlainText();
            }
        }
        return {};
    }
    bool buttonsEnabled() const
    {
        bool all = true;
        bool any = false;
        for (int k = 0; k < 5; ++k) {
            const bool on = Find<QWidget>(form_, QStringLiteral("dcButton1(%1)").arg(k))->isEnabled();
            all = all && on;
            any = any || on;
        }
        if (all != any) {
            qWarning("the page buttons disagree");
        }
        return all;
    }

    QPointer<zicalc::Form18> form_;
};

ZICALC_GUI_TEST_MAIN(Form18Test)
#include "Form18Test.moc"
