#include <QLabel>
#include <QtTest>

#include "GuiTest.h"
#include "gui/app/CommerceWindows.h"
#include "gui/app/Form1.h"

using namespace guitest;
namespace colours = zicalc::colours;

// Who opens the scene HP table and the pet shop, and where each goes back to.
class CommerceWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        form_ = ShowMainWindow(6);
        commerce_ = form_->findChild<zicalc::CommerceWindows*>();
        QVERIFY(commerce_ != nullptr);
        QVERIFY(!commerce_->commerceWindowOpen());
    }
    void cleanup() { form_.reset(); }

    void hpTableFromThePetsPageReturnsToTheMainWindowAndStartsAfresh()
    {
        Click(form_.get(), QStringLiteral("Button0(3)"));
        Click(form_.get(), QStringLiteral("Button14"));
        QWidget* table = FindTopLevel(QStringLiteral("Form5"));
        QVERIFY(table != nullptr);
        QTRY_VERIFY(form_->isHidden());
        QTest::mouseClick(Find<QLabel>(table, QStringLiteral("Label2(5)")), Qt::LeftButton);
        QCOMPARE(Colour(table, QStringLiteral("Label2(5)")), colours::kRed);

        table->close();  // the title-bar close
        QTRY_VERIFY(form_->isVisible());
        QTRY_VERIFY(FindTopLevel(QStringLiteral("Form5")) == nullptr);

        Click(form_.get(), QStringLiteral("Button14"));
        table = FindTopLevel(QStringLiteral("Form5"));
        QVERIFY(table != nullptr);
        QCOMPARE(Colour(table, QStringLiteral("Label2(5)")), colours::kBlue);
        QCOMPARE(Text(table, QStringLiteral("Text2(0)")), QString());
        Click(table, QStringLiteral("Command1"));
        QTRY_VERIFY(form_->isVisible());

        // Esc closes it the same way, never leaving it merely hidden with the main window gone.
        Click(form_.get(), QStringLiteral("Button14"));
        table = FindTopLevel(QStringLiteral("Form5"));
        QVERIFY(table != nullptr);
        QTest::keyClick(table, Qt::Key_Escape);
        QTRY_VERIFY(form_->isVisible());
        QTRY_VERIFY(FindTopLevel(QStringLiteral("Form5")) == nullptr);
    }

    void shopOpensTheHpTableModallyAndGetsItBack()
    {
        Click(form_.get(), QStringLiteral("dcButton2"));
        QWidget* shop = FindTopLevel(QStringLiteral("Form19"));
        QVERIFY(shop != nullptr);
        QVERIFY(form_->isHidden());
        QVERIFY(commerce_->commerceWindowOpen());
        Find<QLineEdit>(shop, QStringLiteral("Text1"))->setText(QStringLiteral("50"));

        // The table is modal: look at it and close it from inside its own loop.
        QString title;
        bool modal = false;
        QTimer::singleShot(50, this, [&] {
            QWidget* table = QApplication::activeModalWidget();
            QVERIFY(table != nullptr);
            title = table->objectName();
            modal = table->isModal();
            QTest::mouseClick(Find<QLabel>(table, QStringLiteral("Label2(0)")), Qt::LeftButton);
            Click(table, QStringLiteral("Command1"));
        });
        Click(shop, QStringLiteral("dcButton1(2)"));
        QCOMPARE(title, QStringLiteral("Form5"));
        QVERIFY(modal);
        QVERIFY(shop->isVisible());
        QVERIFY(form_->isHidden());
        QCOMPARE(Text(shop, QStringLiteral("Text1")), QStringLiteral("50"));  // as it was

        shop->close();
        QTRY_VERIFY(form_->isVisible());
        QVERIFY(!commerce_->commerceWindowOpen());
        QTRY_VERIFY(FindTopLevel(QStringLiteral("Form19")) == nullptr);
    }

    // With the shop open and the main window brought back from the tray, the HP table of the pets
    // page goes back to the shop.
    void hpTableGoesBackToAnOpenShop()
    {
        Click(form_.get(), QStringLiteral("dcButton2"));
        QWidget* shop = FindTopLevel(QStringLiteral("Form19"));
        QVERIFY(shop != nullptr);
        form_->restoreFromTray();
        QTRY_VERIFY(form_->isVisible());
        Click(form_.get(), QStringLiteral("Button0(3)"));
        Click(form_.get(), QStringLiteral("Button14"));
        QWidget* table = FindTopLevel(QStringLiteral("Form5"));
        QVERIFY(table != nullptr);
        shop->hide();  // as if the user had it behind; closing the table brings it back
        table->close();
        QTRY_VERIFY(shop->isVisible());
        QVERIFY(form_->isHidden());
        shop->close();
        QTRY_VERIFY(form_->isVisible());
    }

    // The program closing (from the tray) while the modal table is up takes the shop and the
    // table down inside the table's own loop; nothing may touch them afterwards.
    void closingTheProgramUnderTheModalTable()
    {
        Click(form_.get(), QStringLiteral("dcButton2"));
        QPointer<QWidget> shop = FindTopLevel(QStringLiteral("Form19"));
        QVERIFY(shop != nullptr);
        QTimer::singleShot(50, form_.get(), [this] { form_->close(); });
        Click(shop, QStringLiteral("dcButton1(2)"));
        QTRY_VERIFY(shop.isNull());
        QVERIFY(FindTopLevel(QStringLiteral("Form5")) == nullptr);
    }

private:
    std::unique_ptr<zicalc::Form1> form_;
    zicalc::CommerceWindows* commerce_ = nullptr;
};

ZICALC_GUI_TEST_MAIN(CommerceWindowsTest)
#include "CommerceWindowsTest.moc"
