#include <QPointer>
#include <QtTest>

#include "GuiTest.h"
#include "gui/app/Form1.h"

using namespace guitest;

namespace {

// Notes whether the main window was still visible when a window of the given name was shown.
class ShowWatcher final : public QObject {
public:
    ShowWatcher(QString name, QWidget* main) : name_(std::move(name)), main_(main) { qApp->installEventFilter(this); }
    ~ShowWatcher() override { qApp->removeEventFilter(this); }
    ShowWatcher(const ShowWatcher&) = delete;
    ShowWatcher& operator=(const ShowWatcher&) = delete;

    int shows = 0;
    bool mainVisible = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType() && watched->objectName() == name_ &&
            static_cast<QWidget*>(watched)->isWindow()) {
            ++shows;
            mainVisible = main_->isVisible();
        }
        return false;
    }

private:
    QString name_;
    QWidget* main_;
};

}  // namespace

class ReferenceCardsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = ShowMainWindow(6); }
    void cleanup() { form_.reset(); }

    void buttonsOpenTheirWindowInItsOrder_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("mainVisibleWhenShown");
        QTest::newRow("属性列表") << "Button16"
                                  << "Form7"
                                  << "打造裁缝炼金基础/最高数值" << true;
        QTest::newRow("官职贡献") << "Button15"
                                  << "Form6"
                                  << "各官职所需贡献" << true;
        QTest::newRow("家具配方") << "Button20"
                                  << "Form11"
                                  << "家具配方" << false;
        QTest::newRow("剧情任务") << "dcButton3"
                                  << "Form18"
                                  << "剧情攻略(未完成)" << false;
    }
    void buttonsOpenTheirWindowInItsOrder()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(bool, mainVisibleWhenShown);
        ShowWatcher watcher(window, form_.get());
        Click(form_.get(), button);
        QPointer<QWidget> card = FindTopLevel(window);
        QVERIFY(card != nullptr);
        QCOMPARE(card->windowTitle(), title);
        QCOMPARE(watcher.shows, 1);
        QCOMPARE(watcher.mainVisible, mainVisibleWhenShown);
        QVERIFY(!form_->isVisible());

        // Closed by its title bar: unloaded, and the main window is back on the page it left.
        card->close();
        QTRY_VERIFY(card.isNull());
        QVERIFY(form_->isVisible());
        QCOMPARE(form_->currentCategory(), 6);
    }

    // Each opening starts afresh: what the last visit typed is gone.
    void reopeningStartsAfresh()
    {
        Click(form_.get(), QStringLiteral("Button16"));
        QWidget* card = FindTopLevel(QStringLiteral("Form7"));
        QVERIFY(card != nullptr);
        Click(card, QStringLiteral("Button1(2)"));
        Click(card, QStringLiteral("Button1(7)"));
        QTRY_VERIFY(form_->isVisible());
        Click(form_.get(), QStringLiteral("Button16"));
        card = FindTopLevel(QStringLiteral("Form7"));
        QVERIFY(card != nullptr);
        QCOMPARE(Find<QWidget>(card, QStringLiteral("Picture1(0)"))->isVisible(), true);
        card->close();
    }

    void closingTheMainWindowUnloadsTheCard()
    {
        Click(form_.get(), QStringLiteral("dcButton3"));
        QPointer<QWidget> card = FindTopLevel(QStringLiteral("Form18"));
        QVERIFY(card != nullptr);
        form_->close();
        QTRY_VERIFY(card.isNull());
    }

private:
    std::unique_ptr<zicalc::Form1> form_;
};

ZICALC_GUI_TEST_MAIN(ReferenceCardsTest)
#include "ReferenceCardsTest.moc"
