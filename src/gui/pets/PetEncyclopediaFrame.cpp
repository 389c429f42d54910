#include "gui/pets/PetEncyclopediaFrame.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/pets/PetCatalogue.h"
#include "gui/widgets/ApplyOutcome.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

namespace {

// A result line wide enough for the longest text any pet puts into it, so nothing is cut off.
QLineEdit* MakeRecordField(std::size_t i, QWidget* parent)
{
    auto* line = MakeResultField(QStringLiteral("Text16(%1)").arg(i), parent);
    int widest = line->fontMetrics().horizontalAdvance(QStringLiteral("0000"));
    for (const auto& pet : PetCatalogue) {
        widest = std::max(widest, line->fontMetrics().horizontalAdvance(ToQ(pet.texts()[i])));
    }
    // The short values keep to their widest text, so the page stays narrow enough for a
    // 1280-pixel screen at twice the scale; the long lines take the width of their row.
    if (i < 9) {
        line->setFixedWidth(widest + 14);
    } else {
        line->setMinimumWidth(widest + 14);
    }
    return line;
}

}  // namespace

PetEncyclopediaFrame::PetEncyclopediaFrame(QWidget* parent) : QWidget(parent)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* frame = MakeFrame(QStringLiteral("Frame7(2)"), QStringLiteral("其它"), this);
    outer->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);

    // 召唤兽名称: [Combo1]  可携带等级: [Text16(0)] 级.  认证费用: [Text16(1)]
    auto* top = new QHBoxLayout();
    top->addWidget(MakeNamedLabel(QStringLiteral("Label10(19)"), QStringLiteral("召唤兽名称:"), frame));
    combo1_ = new QComboBox(frame);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setEditable(false);
    combo1_->setMaxVisibleItems(20);
    for (const auto& pet : PetCatalogue) {
        combo1_->addItem(ToQ(pet.name));
    }
    top->addWidget(combo1_);
    top->addSpacing(12);
    top->addWidget(MakeNamedLabel(QStringLiteral("Label10(21)"), QStringLiteral("可携带等级:"), frame));
    top->addWidget(MakeRecordField(0, frame));
    top->addWidget(MakeNamedLabel(QStringLiteral("Label10(22)"), QStringLiteral("级."), frame));
    top->addSpacing(12);
    top->addWidget(MakeNamedLabel(QStringLiteral("Label10(20)"), QStringLiteral("认证费用:"), frame));
    top->addWidget(MakeRecordField(1, frame));
    top->addStretch(1);
    auto* button14 = new DcButton(QStringLiteral("Button14"), QStringLiteral("召唤兽血量值表"), 0, frame);
    connect(button14, &DcButton::clickedIndex, this, &PetEncyclopediaFrame::hpTableRequested);
    top->addWidget(button14);
    auto* button13 = new DcButton(QStringLiteral("Button13"), QStringLiteral("加点模拟器"), 0, frame);
    connect(button13, &DcButton::clickedIndex, this, &PetEncyclopediaFrame::simulatorRequested);
    top->addWidget(button13);
    layout->addLayout(top);

    auto* frame8 = MakeFrame(QStringLiteral("Frame8"), QStringLiteral("资质 拥有技能 成长率 出现场景"), frame);
    layout->addWidget(frame8);
    auto* inner = new QVBoxLayout(frame8);

    // The six aptitudes and the lifespan in a row, each caption above its field.
    auto* aptitudes = new QGridLayout();
    constexpr std::array<const char16_t*, 7> kAptitudeCaptions{u"攻击", u"防御", u"体力", u"法力",
                                                               u"速度", u"躲闪", u"寿命"};
    for (std::size_t k = 0; k < kAptitudeCaptions.size(); ++k) {
        const int column = static_cast<int>(k);
        aptitudes->addWidget(
            MakeNamedLabel(QStringLiteral("Label10(%1)").arg(24 + k), QString::fromUtf16(kAptitudeCaptions[k]), frame8),
            0, column, Qt::AlignHCenter);
        aptitudes->addWidget(MakeRecordField(2 + k, frame8), 1, column);
    }
    aptitudes->setColumnStretch(static_cast<int>(kAptitudeCaptions.size()), 1);
    inner->addLayout(aptitudes);

    // Skills, growth rates and scenes, one line each.
    auto* lines = new QGridLayout();
    constexpr std::array<const char16_t*, 3> kLineCaptions{u"拥有技能", u"成长率(旧)", u"出现场景"};
    for (std::size_t k = 0; k < kLineCaptions.size(); ++k) {
        const int row = static_cast<int>(k);
        lines->addWidget(
            MakeNamedLabel(QStringLiteral("Label10(%1)").arg(31 + k), QString::fromUtf16(kLineCaptions[k]), frame8),
            row, 0);
        lines->addWidget(MakeRecordField(9 + k, frame8), row, 1);
    }
    lines->setColumnStretch(1, 1);
    inner->addLayout(lines);

    // The list starts on 大海龟 with its record shown. A choice by mouse, by the arrow keys or by
    // typing a name's first character all end in one of these two signals.
    combo1_->setCurrentIndex(0);
    showChosenPet();
    connect(combo1_, &QComboBox::activated, this, &PetEncyclopediaFrame::showChosenPet);
    connect(combo1_, &QComboBox::currentIndexChanged, this, &PetEncyclopediaFrame::showChosenPet);
}

void PetEncyclopediaFrame::showChosenPet()
{
    ApplyOutcome(PetLookup(ToStd(combo1_->currentText())), this);
}

}  // namespace zicalc
