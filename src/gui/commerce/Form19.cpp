#include "gui/commerce/Form19.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/widgets/DcButton.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Warning.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

namespace {

// One row of the budget frame: caption before, maximum length (0 for a result), caption after.
struct BudgetRow final {
    const char16_t* before;
    int maxLength;
    const char16_t* after;
};

constexpr std::array<BudgetRow, 11> kBudgetRows{{
    {u"商业指数：", 0, u"%."},
    {u"总柜台数：", 2, u"间(允许最多为10个柜台)."},
    {u"营业中柜台数：", 2, u"间(每个柜台均按16格算)."},
    {u"连续营业总时间：", 4, u"小时(不足24小时部分也按1天算.)"},
    {u"平均单价：", 5, u"两(即每个格子的平均卖出价)."},
    {u"平均补店次数：", 2, u"次(按每次空店补满宠算)."},
    {u"额外平均总支出：", 6, u"两(指买药/旗/飞行符等额外费用)."},
    {u"基本运营资金：", 0, u"万两(不能取出)."},
    {u"总收入：", 0, u"万两(按全部卖完算.估算值)."},
    {u"总维护费用：", 0, u"万两(指商店总支出,估算值)."},
    {u"最终纯利润：", 0, u"万两(估算值)."},
}};

constexpr std::array<const char16_t*, 3> kButtonCaptions{u"计算", u"清空", u"血量表"};

QString Q16(const char16_t* text)
{
    return QString::fromUtf16(text);
}

}  // namespace

Form19::Form19(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form19"));
    setWindowTitle(QStringLiteral("商会系统(召唤兽店)"));
    setFont(DefaultFont());
    auto* layout = new QVBoxLayout(this);

    // 商业指数：[Text1]%  开新店/扩张柜台[Text2]间,需要支付建造费用和基本
    // 运营维护资金再加3%投资税共：[Text3]万两.
    auto* upper = new QGridLayout();
    upper->setHorizontalSpacing(2);
    text1_ = new NumericField(QStringLiteral("Text1"), 3, QStringLiteral("0"), this);
    FitDigits(text1_, 4);
    text2_ = new NumericField(QStringLiteral("Text2"), 2, QStringLiteral("0"), this);
    FitDigits(text2_, 3);
    text3_ = MakeResultField(QStringLiteral("Text3"), this);
    text3_->setMinimumWidth(120);
    upper->addWidget(MakeLabel(QStringLiteral("商业指数："), this), 0, 0, Qt::AlignRight);
    upper->addWidget(text1_, 0, 1);
    upper->addWidget(MakeLabel(QStringLiteral("%"), this), 0, 2);
    upper->addWidget(MakeLabel(QStringLiteral("开新店/扩张柜台"), this), 1, 0, Qt::AlignRight);
    upper->addWidget(text2_, 1, 1);
    upper->addWidget(MakeLabel(QStringLiteral("间,需要支付建造费用和基本"), this), 1, 2);
    upper->addWidget(MakeLabel(QStringLiteral("运营维护资金再加3%投资税共："), this), 2, 0, Qt::AlignRight);
    upper->addWidget(text3_, 2, 1, 1, 2);
    upper->addWidget(MakeLabel(QStringLiteral("万两."), this), 2, 3);
    upper->setColumnStretch(4, 1);
    layout->addLayout(upper);

    auto* frame1 = MakeFrame(QStringLiteral("Frame1"), QStringLiteral("召唤兽店的收入和支出预算"), this);
    layout->addWidget(frame1);
    auto* grid = new QGridLayout(frame1);
    grid->setHorizontalSpacing(2);
    for (std::size_t i = 0; i < kBudgetRows.size(); ++i) {
        const BudgetRow& row = kBudgetRows[i];
        const int r = static_cast<int>(i);
        const bool input = row.maxLength > 0;
        const QString name = QStringLiteral("Text4(%1)").arg(i);
        QLineEdit* field =
            input ? new NumericField(name, row.maxLength, QStringLiteral("0"), frame1) : MakeResultField(name, frame1);
        FitDigits(field, 9);
        text4_[i] = field;
        grid->addWidget(MakeLabel(Q16(row.before), frame1), r, 0, Qt::AlignRight);
        grid->addWidget(field, r, 1);
        grid->addWidget(MakeLabel(Q16(row.after), frame1), r, 2);
    }
    grid->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    for (std::size_t i = 0; i < kButtonCaptions.size(); ++i) {
        auto* b =
            new DcButton(QStringLiteral("dcButton1(%1)").arg(i), Q16(kButtonCaptions[i]), static_cast<int>(i), this);
        b->setMinimumWidth(72);
        connect(b, &DcButton::clickedIndex, this, &Form19::onButton);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);

    // textChanged fires for typing and for text set by code alike: both run the handlers.
    connect(text1_, &QLineEdit::textChanged, this, &Form19::onText1);
    connect(text2_, &QLineEdit::textChanged, this, &Form19::onText2);
    for (std::size_t i = ShopBudgetModel::kInputFirst; i <= ShopBudgetModel::kInputLast; ++i) {
        connect(text4_[i], &QLineEdit::textChanged, this, [this, i](const QString& text) { onText4(i, text); });
    }
    setTabOrder(text1_, text2_);
    setTabOrder(text2_, text4_[1]);
    for (std::size_t i = 1; i < ShopBudgetModel::kInputLast; ++i) {
        setTabOrder(text4_[i], text4_[i + 1]);
    }
    render();
}

void Form19::onText1(const QString& text)
{
    if (!rendering_) {
        warn(model_.ChangeText1(ToStd(text)));
    }
}

void Form19::onText2(const QString& text)
{
    if (!rendering_) {
        warn(model_.ChangeText2(ToStd(text)));
    }
}

void Form19::onText4(std::size_t index, const QString& text)
{
    if (!rendering_) {
        warn(model_.ChangeText4(index, ToStd(text)));
    }
}

void Form19::onButton(int index)
{
    switch (index) {
        case 0:
            model_.Calculate();
            render();
            text1_->focusAndSelect();
            break;
        case 1:
            model_.Clear();
            render();
            text1_->focusAndSelect();
            break;
        default:
            emit hpTableRequested();
            break;
    }
}

void Form19::warn(const ShopBudgetModel::Warning& warning)
{
    // The fields first, then the message: the box shows over the reset values.
    render();
    if (warning) {
        ShowWarning(ToQ(*warning));
    }
}

void Form19::render()
{
    rendering_ = true;
    const ShopBudgetView& v = model_.View();
    const auto put = [](QLineEdit* field, const std::string& text) {
        const QString q = ToQ(text);
        if (field->text() != q) {  // leave the cursor alone where nothing changed
            field->setText(q);
        }
    };
    put(text1_, v.text1);
    put(text2_, v.text2);
    put(text3_, v.text3);
    for (std::size_t i = 0; i < text4_.size(); ++i) {
        put(text4_[i], v.text4[i]);
    }
    rendering_ = false;
}

}  // namespace zicalc
