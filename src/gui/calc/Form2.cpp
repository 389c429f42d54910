#include "gui/calc/Form2.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/app/Numeric.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/ModalGuard.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Warning.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

namespace {

NumericField* MakeResult(const QString& name, const QString& text, int digits, QWidget* parent)
{
    auto* f = new NumericField(name, digits, text, parent);
    f->makeResult();
    FitDigits(f, digits);
    return f;
}

}  // namespace

Form2::Form2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("门派技能详细计算"));
    KeepModalInReach(this);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout();
    // [技能i由] [from] 级升到 [to] 级要经验 [exp] 点,金钱 [money] 两.
    for (int i = 0; i < kDetailRows; ++i) {
        const auto r = static_cast<std::size_t>(i);
        check1_[r] = new QCheckBox(QStringLiteral("技能%1由").arg(i + 1), this);
        check1_[r]->setObjectName(QStringLiteral("Check1(%1)").arg(i));
        check1_[r]->setChecked(true);
        SetTextColour(check1_[r], colours::kBlue);
        text1_[r] = new NumericField(QStringLiteral("Text1(%1)").arg(i), 3, QStringLiteral("0"), this);
        text2_[r] = new NumericField(QStringLiteral("Text2(%1)").arg(i), 3, QStringLiteral("0"), this);
        FitDigits(text1_[r], 3);
        FitDigits(text2_[r], 3);
        text3_[r] = MakeResult(QStringLiteral("Text3(%1)").arg(i), QStringLiteral("0"), 9, this);
        text4_[r] = MakeResult(QStringLiteral("Text4(%1)").arg(i), QStringLiteral("0"), 9, this);
        grid->addWidget(check1_[r], i, 0);
        grid->addWidget(text1_[r], i, 1);
        grid->addWidget(MakeLabel(QStringLiteral("级升到"), this), i, 2);
        grid->addWidget(text2_[r], i, 3);
        grid->addWidget(MakeLabel(QStringLiteral("级要经验"), this), i, 4);
        grid->addWidget(text3_[r], i, 5);
        grid->addWidget(MakeLabel(QStringLiteral("点,金钱"), this), i, 6);
        grid->addWidget(text4_[r], i, 7);
        grid->addWidget(MakeLabel(QStringLiteral("两."), this), i, 8);
    }
    layout->addLayout(grid);

    // [count] 项技能共消耗经验 [exp] 点,金钱 [money] 两.
    auto* totals = new QHBoxLayout();
    text7_ = MakeResult(QStringLiteral("Text7"), QStringLiteral("7"), 1, this);
    totals->addWidget(text7_);
    totals->addWidget(MakeLabel(QStringLiteral("项技能共消耗经验"), this));
    text5_ = MakeResult(QStringLiteral("Text5"), QStringLiteral("0"), 10, this);
    totals->addWidget(text5_);
    totals->addWidget(MakeLabel(QStringLiteral("点,金钱"), this));
    text6_ = MakeResult(QStringLiteral("Text6"), QStringLiteral("0"), 10, this);
    totals->addWidget(text6_);
    totals->addWidget(MakeLabel(QStringLiteral("两."), this));
    totals->addStretch(1);
    layout->addLayout(totals);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    const std::array<QString, 3> captions{QStringLiteral("计算"), QStringLiteral("重设"), QStringLiteral("关闭")};
    for (int i = 0; i < 3; ++i) {
        auto* b = new DcButton(QStringLiteral("Button1(%1)").arg(i), captions[static_cast<std::size_t>(i)], i, this);
        // Enter in a field moves on; it must never press a button by itself.
        b->setAutoDefault(false);
        connect(b, &DcButton::clickedIndex, this, &Form2::onButton1);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Form2::onButton1(int index)
{
    switch (index) {
        case 0:
            compute();
            break;
        case 1:
            reset();
            break;
        default:
            close();
            break;
    }
}

void Form2::compute()
{
    DetailInput in;
    std::array<std::string, kDetailRows> from;
    std::array<std::string, kDetailRows> to;
    for (std::size_t i = 0; i < kDetailRows; ++i) {
        from[i] = ToStd(text1_[i]->text());
        to[i] = ToStd(text2_[i]->text());
        in.from[i] = from[i];
        in.to[i] = to[i];
        in.checked[i] = check1_[i]->isChecked();
    }
    const DetailOutcome out = DetailedSkillCost(in);
    if (!out.written) {
        ShowWarning(ToQ(*out.warning));
        return;
    }
    // Rows are unchecked as the loop meets them, before a level above 160 stops it.
    for (std::size_t i = 0; i < kDetailRows; ++i) {
        check1_[i]->setChecked(out.checked[i]);
    }
    if (out.warning) {
        ShowWarning(ToQ(*out.warning));
    }
    for (std::size_t i = 0; i < kDetailRows; ++i) {
        text3_[i]->setText(ToQ(FormatInt(out.rows[i].experience)));
        text4_[i]->setText(ToQ(FormatInt(out.rows[i].money)));
    }
    text5_->setText(ToQ(FormatInt(out.total.experience)));
    text6_->setText(ToQ(FormatInt(out.total.money)));
    text7_->setText(ToQ(FormatInt(out.count)));
    text1_[0]->focusAndSelect();
}

void Form2::reset()
{
    for (std::size_t i = 0; i < kDetailRows; ++i) {
        for (NumericField* f : {text1_[i], text2_[i], text3_[i], text4_[i]}) {
            f->setText(QStringLiteral("0"));
        }
        check1_[i]->setChecked(true);
    }
    text5_->setText(QStringLiteral("0"));
    text6_->setText(QStringLiteral("0"));
    text7_->setText(QStringLiteral("7"));
    text1_[0]->focusAndSelect();
}

}  // namespace zicalc
