#include "gui/lookup/Form5.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/widgets/ClickableLabel.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

namespace {

// The monster lines line up by padding with spaces, which needs a font whose Chinese characters
// are exactly two Latin ones wide.
QFont LineFont()
{
    QFont f;
    f.setFamilies({QStringLiteral("NSimSun"), QStringLiteral("新宋体"), QStringLiteral("Noto Sans Mono CJK SC"),
                   QStringLiteral("WenQuanYi Micro Hei Mono")});
    f.setStyleHint(QFont::Monospace);
    f.setPointSizeF(10.5);
    return f;
}

}  // namespace

Form5::Form5(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("召唤兽血量值"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(DefaultFont());
    auto* layout = new QVBoxLayout(this);

    auto* heading = MakeNamedLabel(QStringLiteral("Label1"), QStringLiteral("各场景召唤兽血量值"), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);
    layout->addWidget(heading, 0, Qt::AlignHCenter);

    // The scene names go into the list in index order and stand in the grid where the card has
    // them; Tab follows the grid, row by row.
    auto* grid = new QGridLayout();
    list_ = new SelectableLabelList(this);
    std::array<const SceneLabel*, kSceneCount> byScene{};
    for (const SceneLabel& s : SceneLabelGrid) {
        byScene[s.scene] = &s;
    }
    for (const SceneLabel* s : byScene) {
        grid->addWidget(list_->addLabel(QStringLiteral("Label2(%1)").arg(s->scene), ToQ(s->caption), this), s->row,
                        s->column);
    }
    list_->addSentinel(QStringLiteral("Label2(%1)").arg(kNoScene), this);
    for (std::size_t i = 1; i < SceneLabelGrid.size(); ++i) {
        setTabOrder(list_->label(static_cast<int>(SceneLabelGrid[i - 1].scene)),
                    list_->label(static_cast<int>(SceneLabelGrid[i].scene)));
    }
    layout->addLayout(grid);

    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto* line = MakeResultField(QStringLiteral("Text2(%1)").arg(i), this);
        line->setFont(LineFont());
        line->setFrame(false);
        line->setAccessibleName(QStringLiteral("场景血量第%1行").arg(i + 1));
        lines_[i] = line;
        layout->addWidget(line);
    }

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    auto* close = new DcButton(QStringLiteral("Command1"), QStringLiteral("关闭"), 0, this);
    auto* clear = new DcButton(QStringLiteral("Command2"), QStringLiteral("清空"), 0, this);
    close->setMinimumWidth(72);
    clear->setMinimumWidth(72);
    buttons->addWidget(clear);
    buttons->addWidget(close);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    setTabOrder(list_->label(static_cast<int>(SceneLabelGrid.back().scene)), clear);
    setTabOrder(clear, close);

    connect(close, &DcButton::clickedIndex, this, &QWidget::close);
    connect(list_, &SelectableLabelList::selected, this, [this](int index) {
        card_.Show(static_cast<std::size_t>(index));
        render();
    });
    connect(clear, &DcButton::clickedIndex, this, [this] {
        card_.Clear();
        list_->unmarkSelected();
        render();
    });
    render();
}

void Form5::render()
{
    const SceneHpCardView& v = card_.View();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i]->setText(ToQ(v.lines[i]));
        SetTextColour(lines_[i], v.lineColours[i]);
    }
    for (std::size_t k = 0; k < v.labelColours.size(); ++k) {
        SetTextColour(list_->label(static_cast<int>(k)), v.labelColours[k]);
    }
}

}  // namespace zicalc
