#include "gui/app/OtherPage.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "gui/app/SecondaryWindows.h"
#include "gui/calc/CraftingFrame.h"
#include "gui/lookup/Form11.h"
#include "gui/lookup/Form18.h"
#include "gui/lookup/Form6.h"
#include "gui/lookup/Form7.h"
#include "gui/lookup/LegendSceneFrame.h"
#include "gui/lookup/NpcSearchFrame.h"
#include "gui/pets/PetFullExpFrame.h"
#include "gui/widgets/DcButton.h"

namespace zicalc {

namespace {

// Opens a reference card through the main window's secondary-window lifecycle.
template <typename W>
void OpenCard(QWidget* page, OpenOrder order)
{
    if (auto* windows = page->window()->findChild<SecondaryWindows*>()) {
        windows->open<W>(order);
    }
}

}  // namespace

OtherPage::OtherPage(QWidget* parent) : PageFrame(6, parent)
{
    // Two columns of frames: scenes on the left, crafting and searches on the right, the buttons
    // to the reference windows along the bottom row.
    auto* grid = new QGridLayout(this);
    grid->addWidget(new PetFullExpFrame(this), 0, 0);
    auto* crafting = new CraftingFrame(this);
    grid->addWidget(crafting, 0, 1);
    grid->addWidget(new LegendSceneFrame(this), 1, 0);
    grid->addWidget(new NpcSearchFrame(this), 1, 1, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);

    // Reference cards. Form7 and Form6 come up before the main window goes; Form11 and Form18
    // replace it the other way round.
    connect(crafting, &CraftingFrame::attributeListRequested, this,
            [this] { OpenCard<Form7>(this, OpenOrder::ShowThenHideMain); });
    auto* cards = new QHBoxLayout();
    const auto cardButton = [this, cards](const QString& name, const QString& caption, auto open) {
        auto* b = new DcButton(name, caption, 0, this);
        connect(b, &DcButton::clickedIndex, this, open);
        cards->addWidget(b);
    };
    cardButton(QStringLiteral("Button15"), QStringLiteral("官职贡献"),
               [this] { OpenCard<Form6>(this, OpenOrder::ShowThenHideMain); });
    cardButton(QStringLiteral("Button20"), QStringLiteral("家具配方"),
               [this] { OpenCard<Form11>(this, OpenOrder::HideMainThenShow); });
    // 商会系统 is wired by the shell's commerce windows, which also keep the flag the shop needs.
    cards->addWidget(new DcButton(QStringLiteral("dcButton2"), QStringLiteral("商会系统"), 0, this));
    cardButton(QStringLiteral("dcButton3"), QStringLiteral("剧情任务"),
               [this] { OpenCard<Form18>(this, OpenOrder::HideMainThenShow); });
    // 跑商辅助 is wired by Form1, which hands the clock window the desktop's clock.
    cards->addWidget(new DcButton(QStringLiteral("dcButton5"), QStringLiteral("跑商辅助"), 0, this));
    cards->addStretch(1);
    grid->addLayout(cards, 3, 0, 1, 2);
}

}  // namespace zicalc
