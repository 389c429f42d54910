#include "gui/lookup/RecipePanel.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <algorithm>
#include <cmath>

#include "core/lookup/Furniture.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/QtBridge.h"

namespace zicalc {

namespace {

constexpr Rgb kPanel{255, 255, 192};  // light yellow

// The tree lines from the top, and the object names they carry.
constexpr std::array<const char16_t*, 3> kTree{
    u"     ┃          ┃          ┃          ┃",
    u"     ┗━━━━━┻━━┳━━┻━━━━━┛",
    u"                       ┃",
};
constexpr std::array<int, 3> kTreeIndex{1, 0, 2};

// Where a frameless line edit starts drawing its text.
constexpr int kLineEditMargin = 2;

QLineEdit* PanelField(const QString& name, QWidget* parent)
{
    auto* f = new QLineEdit(parent);
    f->setObjectName(name);
    f->setReadOnly(true);
    f->setFrame(false);
    f->setFocusPolicy(Qt::NoFocus);
    f->setAlignment(Qt::AlignCenter);
    f->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; }"));
    return f;
}

// Box-drawing strokes are full width in CJK fonts, and the lines were laid out with spaces of half
// that width: take a CJK font with such strokes, widen (or narrow) its spaces to match, and make
// it large enough that a material name fits between two strokes.
QFont TreeFont(const QFont& text)
{
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("NSimSun"), QStringLiteral("SimSun"),
                   QStringLiteral("WenQuanYi Zen Hei Mono"), QStringLiteral("Noto Sans CJK SC")});
    const QFontMetricsF tm(text);
    const double needed = (tm.horizontalAdvance(QStringLiteral("珍稀木材类")) + 12) / 6;
    f.setPixelSize(static_cast<int>(std::ceil(std::max(needed, tm.height() * 0.8))));
    const QFontMetricsF fm(f);
    f.setWordSpacing(fm.horizontalAdvance(QChar(0x2503)) / 2 - fm.horizontalAdvance(QLatin1Char(' ')));
    return f;
}

}  // namespace

RecipePanel::RecipePanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Text1"));
    setFrameShape(QFrame::StyledPanel);
    SetBackgroundColour(this, kPanel);
    for (int i = 0; i < 4; ++i) {
        materials_[static_cast<std::size_t>(i)] = PanelField(QStringLiteral("Text2(%1)").arg(i), this);
        materials_[static_cast<std::size_t>(i)]->setAccessibleName(QStringLiteral("材料%1").arg(i + 1));
    }
    for (int i = 0; i < 5; ++i) {
        prices_[static_cast<std::size_t>(i)] = PanelField(QStringLiteral("Text3(%1)").arg(i), this);
        prices_[static_cast<std::size_t>(i)]->setAccessibleName(i < 4 ? QStringLiteral("材料%1价格").arg(i + 1)
                                                                      : QStringLiteral("总价"));
    }
    const QFont treeFont = TreeFont(font());
    for (std::size_t i = 0; i < kTree.size(); ++i) {
        QLineEdit* line = PanelField(QStringLiteral("Text5(%1)").arg(kTreeIndex[i]), this);
        line->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        line->setFont(treeFont);
        line->setText(QString::fromUtf16(kTree[i]));
        line->setTextMargins(0, 0, 0, 0);
        line->setAccessibleName(QStringLiteral("配方结构%1").arg(i + 1));
        tree_[i] = line;
    }
    level_ = PanelField(QStringLiteral("Text6"), this);
    level_->setAccessibleName(QStringLiteral("家具等级"));
    name_ = PanelField(QStringLiteral("Text4"), this);
    name_->setAccessibleName(QStringLiteral("家具名称"));
    for (QLineEdit* f : {prices_[0], prices_[1], prices_[2], prices_[3], prices_[4]}) {
        SetTextColour(f, colours::kRed);
    }
    SetTextColour(name_, colours::kBlue);
    place();
}

void RecipePanel::render(const FurnitureView& view)
{
    for (std::size_t i = 0; i < materials_.size(); ++i) {
        materials_[i]->setText(ToQ(view.materials[i]));
    }
    for (std::size_t i = 0; i < prices_.size(); ++i) {
        prices_[i]->setText(ToQ(view.prices[i]));
    }
    level_->setText(ToQ(view.level));
    name_->setText(ToQ(view.name));
}

int RecipePanel::strokeX(int line, int stroke) const
{
    // The centre of the stroke-th box-drawing character of a tree line, in panel coordinates.
    const QString text = QString::fromUtf16(kTree[static_cast<std::size_t>(line)]);
    const QLineEdit* edit = tree_[static_cast<std::size_t>(line)];
    const QFontMetrics fm(edit->font());
    int seen = -1;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char(' ') && ++seen == stroke) {
            const int left = fm.horizontalAdvance(text.left(i));
            return edit->x() + kLineEditMargin + left + fm.horizontalAdvance(text[i]) / 2;
        }
    }
    return edit->x();
}

QSize RecipePanel::sizeHint() const
{
    const QFontMetrics fm(font());
    const QFontMetrics tm(tree_[0]->font());
    const int width =
        tm.horizontalAdvance(QString::fromUtf16(kTree[0])) + fm.horizontalAdvance(QStringLiteral("珍稀木材类")) + 24;
    const int row = fm.height() + 6;
    return {width, row * 4 + tm.height() * 3 + 24};
}

void RecipePanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    place();
}

void RecipePanel::place()
{
    const QFontMetrics fm(font());
    const QFontMetrics tm(tree_[0]->font());
    const int row = fm.height() + 6;
    const int cell = fm.horizontalAdvance(QStringLiteral("珍稀木材类")) + 8;
    const int treeWidth = tm.horizontalAdvance(QString::fromUtf16(kTree[0])) + 8;
    const int left = (width() - treeWidth) / 2;
    const int y = 8;
    const int treeRow = tm.height();
    for (std::size_t i = 0; i < tree_.size(); ++i) {
        tree_[i]->setGeometry(left, y + 2 * row + static_cast<int>(i) * treeRow, treeWidth, treeRow);
    }
    const int below = y + 2 * row + 3 * treeRow;
    for (int c = 0; c < 4; ++c) {
        const int x = strokeX(0, c) - cell / 2;
        materials_[static_cast<std::size_t>(c)]->setGeometry(x, y, cell, row);
        prices_[static_cast<std::size_t>(c)]->setGeometry(x, y + row, cell, row);
    }
    // The name under the tree's foot with its level to the left, the total under the name.
    const int foot = strokeX(2, 0) - cell / 2;
    level_->setGeometry(foot - cell, below, cell, row);
    name_->setGeometry(foot, below, cell, row);
    prices_[4]->setGeometry(foot, below + row, cell, row);
}

}  // namespace zicalc
