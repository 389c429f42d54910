#include "gui/pets/OriginTestFrame.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/pets/GrowthRate.h"
#include "gui/widgets/ApplyOutcome.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

OriginTestFrame::OriginTestFrame(QWidget* parent) : QWidget(parent)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* frame = MakeFrame(QStringLiteral("Frame7(1)"), QStringLiteral("宝宝判别"), this);
    outer->addWidget(frame);
    auto* grid = new QGridLayout(frame);

    // 等级, the five points and 潜能, two label-field pairs to a row, then the verdict.
    constexpr std::array<const char16_t*, 7> kCaptions{u"等级", u"体质", u"法力", u"力量", u"耐力", u"敏捷", u"潜能"};
    for (int i = 0; i < 7; ++i) {
        const int maxLength = i == 0 ? 3 : 4;
        auto* f = new NumericField(QStringLiteral("Text15(%1)").arg(i), maxLength, QString(), frame);
        FitDigits(f, maxLength);
        text15_[static_cast<std::size_t>(i)] = f;
        const int row = i / 2;
        const int column = 2 * (i % 2);
        grid->addWidget(MakeLabel(QString::fromUtf16(kCaptions[static_cast<std::size_t>(i)]), frame), row, column,
                        Qt::AlignRight);
        grid->addWidget(f, row, column + 1);
    }
    grid->addWidget(MakeLabel(QStringLiteral("结果:"), frame), 4, 0, Qt::AlignRight);
    // The verdict is the array's result element: a click selects it like an input.
    auto* verdict = MakeResultField(QStringLiteral("Text15(7)"), frame);
    SetTextColour(verdict, colours::kRed);
    verdict->setMinimumWidth(verdict->fontMetrics().horizontalAdvance(QStringLiteral("可能是合成的宝宝!")) + 14);
    grid->addWidget(verdict, 4, 1, 1, 3);

    auto* buttons = MakeComputeResetRow(
        QStringLiteral("Button12"), frame, [this] { onCompute(); },
        [this] {
            ApplyOutcome(OriginTestReset(), this);
            text15_[0]->focusAndSelect();
        });
    buttons->addStretch(1);
    grid->addLayout(buttons, 5, 1, 1, 3);
    grid->setRowStretch(6, 1);
    ApplyOutcome(OriginTestReset(), this);
}

void OriginTestFrame::onCompute()
{
    std::array<std::string, 7> texts;
    std::array<std::string_view, 7> views;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = ToStd(text15_[i]->text());
        views[i] = texts[i];
    }
    ApplyOutcome(OriginTest(views), this);
    text15_[0]->focusAndSelect();
}

}  // namespace zicalc
