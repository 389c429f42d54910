#include "gui/lookup/Form7.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/lookup/EquipmentAttributes.h"
#include "gui/lookup/EquipmentTablePicture.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

namespace {

constexpr std::array<const char16_t*, 8> kTypeButtons{u"武器", u"衣服", u"头盔", u"腰带",
                                                      u"项链", u"鞋子", u"说明", u"关闭"};

}  // namespace

Form7::Form7(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(QStringLiteral("打造裁缝炼金基础/最高数值"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultFont());
    auto* layout = new QVBoxLayout(this);

    frame1_ = MakeFrame(QStringLiteral("Frame1"), QStringLiteral("打造裁缝炼金基础/最高数值"), this);
    auto* stack = new QGridLayout(frame1_);
    for (int k = 0; k < 6; ++k) {
        auto* picture = new EquipmentTablePicture(k, frame1_);
        pictures_[static_cast<std::size_t>(k)] = picture;
        stack->addWidget(picture, 0, 0, Qt::AlignCenter);
    }
    layout->addWidget(frame1_);

    // [武器等级:] [Combo1]  ○非强化 ○强化 ○专用 ○专用强化
    auto* levelRow = new QHBoxLayout();
    label1_[0] = MakeNamedLabel(QStringLiteral("Label1(0)"), QString(), this);
    combo1_ = new QComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    for (int row = 0; row < kEquipmentLevelCount; ++row) {
        combo1_->addItem(QString::number(EquipmentLevel(row)));
    }
    levelRow->addWidget(label1_[0]);
    levelRow->addWidget(combo1_);
    levelRow->addSpacing(16);
    options_ = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(ToQ(QualityFactor[static_cast<std::size_t>(i)].name), this);
        option->setObjectName(QStringLiteral("Option1(%1)").arg(i));
        SetTextColour(option, colours::kBlue);
        options_->addButton(option, i);
        option1_[static_cast<std::size_t>(i)] = option;
        levelRow->addWidget(option);
    }
    levelRow->addStretch(1);
    layout->addLayout(levelRow);

    // [武器属性:] [命中:] [Text1(0)] [伤害:] [Text1(1)]  [确定] [重设]
    auto* valueRow = new QHBoxLayout();
    label1_[1] = MakeNamedLabel(QStringLiteral("Label1(1)"), QString(), this);
    valueRow->addWidget(label1_[1]);
    for (int i = 0; i < 2; ++i) {
        const auto u = static_cast<std::size_t>(i);
        label2_[u] = MakeNamedLabel(QStringLiteral("Label2(%1)").arg(i), QString(), this);
        text1_[u] = new NumericField(QStringLiteral("Text1(%1)").arg(i), 3, QStringLiteral("0"), this);
        FitDigits(text1_[u], 4);
        valueRow->addWidget(label2_[u]);
        valueRow->addWidget(text1_[u]);
    }
    valueRow->addSpacing(16);
    const std::array<QString, 2> actions{QStringLiteral("确定"), QStringLiteral("重设")};
    for (int i = 0; i < 2; ++i) {
        auto* b = new DcButton(QStringLiteral("Button2(%1)").arg(i), actions[static_cast<std::size_t>(i)], i, this);
        connect(b, &DcButton::clickedIndex, this, &Form7::onConfirmOrReset);
        button2_[static_cast<std::size_t>(i)] = b;
        valueRow->addWidget(b);
    }
    valueRow->addStretch(1);
    layout->addLayout(valueRow);

    // The six result lines one under the other; the notes run on from one line to the next.
    auto* results = new QVBoxLayout();
    results->setSpacing(2);
    for (int i = 0; i < 6; ++i) {
        auto* line = MakeNamedLabel(QStringLiteral("Label3(%1)").arg(i), QString(), this,
                                    i % 2 == 0 ? colours::kBlue : colours::kRed);
        line->setTextFormat(Qt::PlainText);
        // Room for a line even while it is empty, so the window does not jump as texts change.
        line->setMinimumHeight(line->fontMetrics().height());
        label3_[static_cast<std::size_t>(i)] = line;
        results->addWidget(line);
    }
    layout->addLayout(results);

    auto* bottom = new QHBoxLayout();
    for (int k = 0; k < 8; ++k) {
        auto* b = new DcButton(QStringLiteral("Button1(%1)").arg(k),
                               QString::fromUtf16(kTypeButtons[static_cast<std::size_t>(k)]), k, this);
        connect(b, &DcButton::clickedIndex, this, &Form7::onType);
        button1_[static_cast<std::size_t>(k)] = b;
        bottom->addWidget(b);
    }
    layout->addLayout(bottom);

    setTabOrder(combo1_, option1_[0]);
    setTabOrder(option1_[0], text1_[0]);
    setTabOrder(text1_[0], text1_[1]);
    setTabOrder(text1_[1], button2_[0]);
    render();
}

void Form7::readInputs()
{
    card_.SetValue(0, ToStd(text1_[0]->text()));
    card_.SetValue(1, ToStd(text1_[1]->text()));
    card_.SetLevel(ToStd(combo1_->currentText()));
    card_.SetQuality(options_->checkedId());
}

void Form7::render()
{
    const EquipmentCardView& v = card_.view();
    // The new table first, then the old one away, so the frame never stands empty.
    pictures_[static_cast<std::size_t>(v.equipment)]->setVisible(true);
    for (int k = 0; k < 6; ++k) {
        if (k != v.equipment) {
            pictures_[static_cast<std::size_t>(k)]->setVisible(false);
        }
    }
    label1_[0]->setText(ToQ(v.levelCaption));
    label1_[1]->setText(ToQ(v.attributesCaption));
    for (std::size_t i = 0; i < 2; ++i) {
        label2_[i]->setText(ToQ(v.labels[i]));
        text1_[i]->setText(ToQ(v.values[i]));
    }
    text1_[1]->setReadOnly(v.secondLocked);
    text1_[1]->setFocusPolicy(v.secondLocked ? Qt::NoFocus : Qt::StrongFocus);
    combo1_->setCurrentText(ToQ(v.level));
    option1_[static_cast<std::size_t>(v.quality)]->setChecked(true);
    for (std::size_t i = 0; i < label3_.size(); ++i) {
        label3_[i]->setText(ToQ(v.results[i]));
    }
}

void Form7::onType(int index)
{
    if (index == 7) {
        close();
        return;
    }
    readInputs();
    if (index == 6) {
        card_.ShowNotes();
    } else {
        card_.ChooseType(index);
    }
    render();
}

void Form7::onConfirmOrReset(int index)
{
    readInputs();
    if (index == 0) {
        card_.Confirm();
    } else {
        card_.Reset();
    }
    render();
    button1_[0]->setFocus(Qt::OtherFocusReason);
}

}  // namespace zicalc
