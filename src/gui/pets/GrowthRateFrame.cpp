#include "gui/pets/GrowthRateFrame.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/pets/GrowthRate.h"
#include "gui/widgets/ApplyOutcome.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

GrowthRateFrame::GrowthRateFrame(QWidget* parent) : QWidget(parent)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* frame = MakeFrame(QStringLiteral("Frame7(0)"), QStringLiteral("成长率计算"), this);
    outer->addWidget(frame);
    auto* layout = new QVBoxLayout(frame);

    const auto field = [frame](int i) {
        const int maxLength = i == 0 ? 3 : 4;
        auto* f = new NumericField(QStringLiteral("Text13(%1)").arg(i), maxLength, QString(), frame);
        FitDigits(f, maxLength);
        return f;
    };
    const auto result = [frame](int i) {
        auto* r = MakeResultField(QStringLiteral("Text14(%1)").arg(i), frame, 8);
        SetTextColour(r, colours::kRed);
        return r;
    };
    const auto button = [this, frame](int i, const QString& caption) {
        auto* b = new DcButton(QStringLiteral("Button11(%1)").arg(i), caption, i, frame);
        connect(b, &DcButton::clickedIndex, this, &GrowthRateFrame::onButton11);
        return b;
    };
    const auto row = [layout] {
        auto* r = new QHBoxLayout();
        layout->addLayout(r);
        return r;
    };

    // 等级 [lv]  重设 / 成长率(新) [new] (旧) [old]
    auto* levelRow = row();
    levelRow->addWidget(MakeLabel(QStringLiteral("等级"), frame));
    text13_[0] = field(0);
    levelRow->addWidget(text13_[0]);
    levelRow->addStretch(1);
    auto* resultRow = row();
    resultRow->addWidget(MakeLabel(QStringLiteral("成长率(新)"), frame));
    resultRow->addWidget(result(0));
    resultRow->addWidget(MakeLabel(QStringLiteral("(旧)"), frame));
    resultRow->addWidget(result(1));
    resultRow->addStretch(1);

    // A heading over the three inputs of each source, its 计算 right after them. The widgets are
    // made in tab order (inputs before their button; 重设 last); the layouts place them.
    const std::array<std::array<const char16_t*, 4>, 2> sources{{
        {u"根据气血计算:", u"气血:", u"体质:", u"体力资质:"},
        {u"根据魔法计算", u"魔法:", u"法力:", u"法力资质:"},
    }};
    for (int r = 0; r < 2; ++r) {
        const auto& texts = sources[static_cast<std::size_t>(r)];
        auto* heading = row();
        heading->addWidget(MakeLabel(QString::fromUtf16(texts[0]), frame));
        auto* inputs = row();
        for (int k = 0; k < 3; ++k) {
            const auto i = static_cast<std::size_t>(1 + 3 * r + k);
            inputs->addWidget(MakeLabel(QString::fromUtf16(texts[static_cast<std::size_t>(k + 1)]), frame));
            text13_[i] = field(static_cast<int>(i));
            inputs->addWidget(text13_[i]);
        }
        inputs->addWidget(button(r, QStringLiteral("计算")));
        inputs->addStretch(1);
        heading->addStretch(1);
    }
    levelRow->insertWidget(2, button(2, QStringLiteral("重设")));
    layout->addStretch(1);
    ApplyOutcome(GrowthRateReset(), this);
}

void GrowthRateFrame::onButton11(int index)
{
    const auto text = [this](int i) { return ToStd(text13_[static_cast<std::size_t>(i)]->text()); };
    if (index == 0) {
        ApplyOutcome(GrowthFromHp(text(0), text(1), text(2), text(3)), this);
    } else if (index == 1) {
        ApplyOutcome(GrowthFromMp(text(0), text(4), text(5), text(6)), this);
    } else {
        ApplyOutcome(GrowthRateReset(), this);
    }
    text13_[0]->focusAndSelect();
}

}  // namespace zicalc
