#include "gui/app/CommerceWindows.h"

#include <QPointer>
#include <QWidget>

#include "gui/app/SecondaryWindows.h"
#include "gui/commerce/Form19.h"
#include "gui/lookup/Form5.h"
#include "gui/pets/PetPage.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/ModalGuard.h"

namespace zicalc {

CommerceWindows::CommerceWindows(QWidget* mainWindow, SecondaryWindows* windows)
    : QObject(mainWindow), main_(mainWindow), windows_(windows)
{
    if (auto* pets = mainWindow->findChild<PetPage*>()) {
        connect(pets, &PetPage::hpTableRequested, this, &CommerceWindows::openHpTable);
    }
    if (auto* b = mainWindow->findChild<DcButton*>(QStringLiteral("dcButton2"))) {
        connect(b, &DcButton::clickedIndex, this, &CommerceWindows::openCommerce);
    }
}

void CommerceWindows::openHpTable()
{
    // Closing goes back to the shop while one is open (the main window may have been brought
    // back from the tray meanwhile), else to the main window.
    windows_->open(new Form5(), OpenOrder::ShowThenHideMain, [this]() -> QWidget* {
        return commerceWindowOpen() ? windows_->find(QStringLiteral("Form19")) : nullptr;
    });
}

void CommerceWindows::openCommerce()
{
    auto* shop = new Form19();
    connect(shop, &Form19::hpTableRequested, this, [this, shop] { openHpTableOver(shop); });
    // A shop replaced by a newer one goes later than the newer one loads: only the current one
    // clears the flag.
    connect(shop, &QObject::destroyed, this, [this, shop] {
        if (shop_ == shop) {
            shop_ = nullptr;
        }
    });
    windows_->open(shop, OpenOrder::HideMainThenShow);
    shop_ = shop;
}

void CommerceWindows::openHpTableOver(QWidget* shop)
{
    // One HP table at a time: one opened from the main window gives way to the modal one.
    if (QWidget* earlier = windows_->find(QStringLiteral("Form5"))) {
        earlier->close();
    }
    // On the heap and watched: closing the program from the tray while the table is up takes the
    // shop, and the table with it, down inside exec().
    const QPointer<QWidget> owner(shop);
    QPointer<Form5> table = new Form5(shop);
    KeepModalInReach(table);
    table->exec();
    delete table.data();
    if (owner.isNull()) {
        return;
    }
    QWidget* back = commerceWindowOpen() ? owner.data() : main_;
    back->showNormal();
    back->raise();
    back->activateWindow();
}

}  // namespace zicalc
