#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

#include "GuiTest.h"
#include "gui/app/Form1.h"
#include "gui/app/TrayIcon.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/PageFrame.h"

using namespace guitest;
namespace colours = zicalc::colours;

// The main window's category buttons and pages, driven by clicks as a user does.
class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        workDir_ = std::make_unique<TempWorkDir>();
        form_ = ShowMainWindow();
    }
    void cleanup()
    {
        form_.reset();
        workDir_.reset();
    }

    void startsOnTheCharacterPage()
    {
        QCOMPARE(form_->objectName(), QStringLiteral("Form1"));
        QCOMPARE(form_->currentCategory(), 0);
        const QStringList captions{u"角色"_qs, u"帮派"_qs, u"任务"_qs, u"召唤兽"_qs,
                                   u"孩子"_qs, u"科举"_qs, u"其它"_qs, u"关于"_qs};
        for (int i = 0; i < 8; ++i) {
            auto* b = button(i);
            QCOMPARE(b->text(), captions[i]);
            QCOMPARE(b->backgroundColour(), i == 0 ? colours::kSelectedCategory : colours::kCategory);
        }
        for (int i = 0; i < 11; ++i) {
            QCOMPARE(page(i)->isVisible(), i == 0);
            QCOMPARE(zicalc::ToRgb(page(i)->palette().color(QPalette::Window)), colours::kPage);
        }
    }

    void switchingRecolours_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<QString>("focus");
        QTest::newRow("帮派") << 1 << "Text5(0)";
        QTest::newRow("任务") << 2 << "Text7(0)";
        QTest::newRow("召唤兽") << 3 << "Text13(0)";
        QTest::newRow("其它") << 6 << "";  // its search field arrives with the NPC search
        QTest::newRow("关于") << 7 << "";
    }
    void switchingRecolours()
    {
        QFETCH(int, category);
        QFETCH(QString, focus);
        Click(button(category));
        QCOMPARE(form_->currentCategory(), category);
        QCOMPARE(button(0)->backgroundColour(), colours::kCategory);
        QCOMPARE(button(category)->backgroundColour(), colours::kSelectedCategory);
        QVERIFY(page(category)->isVisible());
        QVERIFY(!page(0)->isVisible());
        if (!focus.isEmpty()) {
            QCOMPARE(form_->focusWidget(), Find<QWidget>(page(category), focus));
        }
        Click(button(0));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1(0)"));
    }

    // Clicking the button of the page shown changes nothing: no colour, no focus move.
    void samePageIsANoOp()
    {
        auto* other = Find<QLineEdit>(form_.get(), QStringLiteral("Text1(1)"));
        other->setFocus();
        Click(button(0));
        QCOMPARE(QApplication::focusWidget(), other);
        QCOMPARE(button(0)->backgroundColour(), colours::kSelectedCategory);
    }

    void childrenCategoryIsClosed()
    {
        const QStringList shown = AnswerWarnings([this] { Click(button(4)); });
        QCOMPARE(shown, QStringList{u"对不起,暂不开放!"_qs});
        QCOMPARE(form_->currentCategory(), 0);
        QVERIFY(page(0)->isVisible());
        QVERIFY(!page(4)->isVisible());
    }

    void examNeedsTheBankFile()
    {
        WarningRecorder warnings;
        Click(button(5));
        Click(button(5));
        QCOMPARE(warnings.messages, (QStringList{u"找不到科举题库!"_qs, u"找不到科举题库!"_qs}));
        QCOMPARE(form_->currentCategory(), 0);

        QFile bank(workDir_->filePath(QStringLiteral("test.dat")));
        QVERIFY(bank.open(QIODevice::WriteOnly));
        bank.close();
        Click(button(5));
        QCOMPARE(warnings.messages.size(), 2);
        QCOMPARE(form_->currentCategory(), 5);
        QVERIFY(page(5)->isVisible());
        QCOMPARE(button(5)->backgroundColour(), colours::kSelectedCategory);
    }

    // While one of the bank's own pages is up, categories are locked and 孩子 says nothing;
    // only a missing bank file is still reported.
    void bankPagesLockTheCategories()
    {
        QFile bank(workDir_->filePath(QStringLiteral("test.dat")));
        QVERIFY(bank.open(QIODevice::WriteOnly));
        bank.close();
        Click(button(5));
        page(5)->hide();
        page(8)->show();

        WarningRecorder warnings;
        Click(button(1));
        Click(button(4));
        QCOMPARE(form_->currentCategory(), 5);
        QVERIFY(page(8)->isVisible());
        QVERIFY(warnings.messages.isEmpty());

        QVERIFY(QFile::remove(workDir_->filePath(QStringLiteral("test.dat"))));
        Click(button(5));
        QCOMPARE(warnings.messages, QStringList{u"找不到科举题库!"_qs});
    }

    void aboutPageOpensTheNotice()
    {
        Click(button(7));
        auto* notice = Find<zicalc::DcButton>(form_.get(), QStringLiteral("dcButton1"));
        QCOMPARE(notice->toolTip(), u"版权说明"_qs);
        QCOMPARE(notice->backgroundColour(), colours::kOrange);
        QCOMPARE(notice->size(), QSize(15, 15));
        const QString notes = Find<QPlainTextEdit>(form_.get(), QStringLiteral("Text27"))->toPlainText();
        // Newest first.
        QVERIFY(notes.indexOf(u"zi多功能计算器v4.02/4.03版"_qs) < notes.indexOf(u"zi多功能计算器v4.04版预计"_qs));
        QVERIFY(notes.indexOf(u"zi多功能计算器v4.04版预计"_qs) < notes.indexOf(u"zi多功能计算器v4.01版"_qs));
        QVERIFY(notes.indexOf(u"zi多功能计算器v4.01版"_qs) < notes.indexOf(u"zi多功能计算器v4.0版"_qs));
        for (int i = 0; i < 17; ++i) {
            Find<QLabel>(form_.get(), QStringLiteral("Label21(%1)").arg(i));
        }

        bool seen = false;
        QTimer::singleShot(50, [&seen] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal != nullptr);
            QCOMPARE(modal->objectName(), QStringLiteral("Form10"));
            seen = true;
            Click(Find<QAbstractButton>(modal, QStringLiteral("Button1")));
        });
        Click(notice);
        QVERIFY(seen);
        QVERIFY(form_->isVisible());
    }

    void warningBoxLooksAsItShould()
    {
        QString caption;
        QColor colour;
        bool bold = false;
        QTimer::singleShot(50, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box != nullptr);
            caption = box->windowTitle();
            auto* label = Find<QLabel>(box, QStringLiteral("Label1"));
            colour = label->palette().color(QPalette::WindowText);
            bold = label->font().bold();
            QCOMPARE(Find<QAbstractButton>(box, QStringLiteral("Button1"))->text(), u"确定"_qs);
            box->close();  // the close box dismisses it too
        });
        zicalc::ShowWarning(u"测试"_qs);
        QCOMPARE(caption, u"警告框！"_qs);
        QCOMPARE(colour, QColor(255, 0, 0));
        QVERIFY(bold);
    }

    // Where the desktop has no notification area, minimising must not hide the window out of reach.
    void minimiseWithoutTrayKeepsTheWindowReachable()
    {
        if (zicalc::TrayIcon::available()) {
            QSKIP("this desktop has a notification area");
        }
        form_->showMinimized();
        QTest::qWait(50);
        QVERIFY(!form_->isHidden());
        QVERIFY(!form_->tray()->isShown());
    }

    // A second start brings forward the window the user was working in: a secondary window shown
    // in place of the main one stays in front, the main one stays hidden.
    void activationFromOutsideRaisesTheWindowInUse()
    {
        QWidget secondary;
        secondary.setObjectName(QStringLiteral("Form5"));
        auto* field = new QLineEdit(&secondary);
        secondary.show();
        QVERIFY(QTest::qWaitForWindowExposed(&secondary));
        form_->hide();
        secondary.activateWindow();
        field->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), field);
        form_->activateFromOutside(QByteArray());
        QVERIFY(form_->isHidden());
        QTRY_COMPARE(QApplication::activeWindow(), &secondary);

        // With nothing else up, the hidden main window comes back.
        secondary.hide();
        form_->activateFromOutside(QByteArray());
        QVERIFY(form_->isVisible());
    }

    void closingEmitsClosed()
    {
        QSignalSpy spy(form_.get(), &zicalc::Form1::closed);
        form_->close();
        QCOMPARE(spy.count(), 1);
    }

private:
    zicalc::DcButton* button(int i) const
    {
        return Find<zicalc::DcButton>(form_.get(), QStringLiteral("Button0(%1)").arg(i));
    }
    zicalc::PageFrame* page(int i) const
    {
        return Find<zicalc::PageFrame>(form_.get(), QStringLiteral("Frame2(%1)").arg(i));
    }

    std::unique_ptr<TempWorkDir> workDir_;
    std::unique_ptr<zicalc::Form1> form_;
};

ZICALC_GUI_TEST_MAIN(Form1Test)
#include "Form1Test.moc"
