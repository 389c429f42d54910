#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QtTest>

#include "GuiTest.h"
#include "gui/app/Form1.h"

using namespace guitest;
namespace colours = zicalc::colours;

class PetFullExpFrameTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        form_ = ShowMainWindow(6);
        QVERIFY(Find(form_.get(), QStringLiteral("Frame9(3)"))->isVisible());
        combo_ = Find<QComboBox>(form_.get(), QStringLiteral("Combo2"));
    }
    void cleanup() { form_.reset(); }

    void listHoldsTheLevelsAndNothingIsChosen()
    {
        QVERIFY(!combo_->isEditable());
        QCOMPARE(combo_->count(), 132);
        for (int i = 0; i < combo_->count(); ++i) {
            QCOMPARE(combo_->itemText(i), i < 10 ? QStringLiteral("0%1").arg(i) : QString::number(i));
        }
        QCOMPARE(combo_->currentIndex(), -1);
        QCOMPARE(label(QStringLiteral("Label14(0)")), QString());
        QCOMPARE(label(QStringLiteral("Label14(1)")), QString());
        QCOMPARE(Colour(form_.get(), QStringLiteral("Label14(0)")), colours::kRed);
        QCOMPARE(Colour(form_.get(), QStringLiteral("Label14(1)")), colours::kRed);
        QCOMPARE(label(QStringLiteral("Label6(0)")), QStringLiteral("级召唤兽于【"));
        QCOMPARE(label(QStringLiteral("Label6(1)")), QStringLiteral("】"));
        QCOMPARE(label(QStringLiteral("Label6(2)")), QStringLiteral("可以满经验"));
        QCOMPARE(label(QStringLiteral("Label6(3)")), QStringLiteral("点(5人组队领双)."));
    }

    void choosingByMouseShowsTheScene_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("scene");
        QTest::addColumn<QString>("experience");
        QTest::newRow("00") << "00"
                            << "东海湾"
                            << "414";
        QTest::newRow("28") << "28"
                            << "大雁塔六层"
                            << "3415";
        QTest::newRow("131") << "131"
                             << "小雷音寺"
                             << "13104";
    }
    void choosingByMouseShowsTheScene()
    {
        QFETCH(QString, level);
        QVERIFY(ChooseByMouse(form_.get(), combo_->objectName(), level));
        QFETCH(QString, scene);
        QFETCH(QString, experience);
        QCOMPARE(label(QStringLiteral("Label14(0)")), scene);
        QCOMPARE(label(QStringLiteral("Label14(1)")), experience);
    }

    // Arrow keys step through the levels, each step showing its band at once.
    void choosingByKeyboardShowsTheScene()
    {
        combo_->setCurrentIndex(27);
        QCOMPARE(label(QStringLiteral("Label14(0)")), QStringLiteral("长寿郊外"));
        combo_->setFocus(Qt::TabFocusReason);
        QTest::keyClick(combo_, Qt::Key_Down);
        QCOMPARE(combo_->currentText(), QStringLiteral("28"));
        QCOMPARE(label(QStringLiteral("Label14(0)")), QStringLiteral("大雁塔六层"));
        QCOMPARE(label(QStringLiteral("Label14(1)")), QStringLiteral("3415"));
        QTest::keyClick(combo_, Qt::Key_Down);
        QCOMPARE(label(QStringLiteral("Label14(0)")), QStringLiteral("花果山"));
        QCOMPARE(label(QStringLiteral("Label14(1)")), QStringLiteral("3519"));
    }

private:
    QString label(const QString& name) const { return Find<QLabel>(form_.get(), name)->text(); }

    std::unique_ptr<zicalc::Form1> form_;
    QComboBox* combo_ = nullptr;
};

ZICALC_GUI_TEST_MAIN(PetFullExpFrameTest)
#include "PetFullExpFrameTest.moc"
