#include <QComboBox>
#include <QLabel>
#include <QtTest>

#include "GuiTest.h"
#include "gui/app/Form1.h"

using namespace guitest;

class CraftingFrameTest : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = ShowMainWindow(6); }
    void cleanup() { form_.reset(); }

    void startsWithLevelTen()
    {
        QCOMPARE(Find<QComboBox>(form_.get(), QStringLiteral("Combo4"))->currentText(), QStringLiteral("10"));
        QCOMPARE(labels(),
                 (QStringList{QStringLiteral("0"), QStringLiteral("50"), QStringLiteral("1000"), QStringLiteral("1")}));
    }

    void choosingALevel_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("30") << "30" << Words("0 90 3000 2");
        QTest::newRow("40") << "40" << Words("160 110 4000 3");
        QTest::newRow("100") << "100" << Words("1000 230 10000 20");
        QTest::newRow("150") << "150" << Words("2250 330 15000 30");
    }
    void choosingALevel()
    {
        QFETCH(QString, level);
        QFETCH(QStringList, shown);
        QVERIFY(Choose(form_.get(), QStringLiteral("Combo4"), level));
        QCOMPARE(labels(), shown);
    }

    // Back down to a low level the proficiency returns to 0.
    void lowLevelAfterHighNeedsNoProficiency()
    {
        QVERIFY(Choose(form_.get(), QStringLiteral("Combo4"), QStringLiteral("150")));
        QVERIFY(Choose(form_.get(), QStringLiteral("Combo4"), QStringLiteral("20")));
        QCOMPARE(labels(),
                 (QStringList{QStringLiteral("0"), QStringLiteral("70"), QStringLiteral("2000"), QStringLiteral("1")}));
    }

private:
    QStringList labels() const
    {
        QStringList out;
        for (int i = 0; i < 4; ++i) {
            out << Find<QLabel>(form_.get(), QStringLiteral("Label16(%1)").arg(i))->text();
        }
        return out;
    }

    std::unique_ptr<zicalc::Form1> form_;
};

ZICALC_GUI_TEST_MAIN(CraftingFrameTest)
#include "CraftingFrameTest.moc"
