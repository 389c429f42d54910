#include "gui/lookup/EquipmentTablePicture.h"

#include <QFontMetrics>
#include <QPainter>

#include "core/lookup/EquipmentAttributes.h"
#include "gui/widgets/QtBridge.h"

namespace zicalc {

namespace {

constexpr int kGroupCount = 5;
constexpr std::array<const char16_t*, kGroupCount> kGroups{u"非强化基础", u"强化或专用基础", u"强化或专用最高",
                                                           u"专用强化基础", u"专用强化最高"};

const QColor kHeaderFill(230, 230, 250);  // lavender
const QColor kOddRowFill(204, 232, 255);  // light blue: levels 10, 30, …
const QColor kRule(64, 64, 64);

std::int32_t GroupValue(const EquipmentTableCells& c, int group)
{
    switch (group) {
        case 0:
            return c.base;
        case 1:
            return c.strengthened;
        case 2:
            return c.strengthenedMax;
        case 3:
            return c.special;
        default:
            return c.specialMax;
    }
}

}  // namespace

EquipmentTablePicture::EquipmentTablePicture(int type, QWidget* parent) : QWidget(parent), type_(type)
{
    setObjectName(QStringLiteral("Picture1(%1)").arg(type));
    setAutoFillBackground(false);
}

int EquipmentTablePicture::attributeCount() const
{
    return EquipmentAttributes[static_cast<std::size_t>(type_)].hasSecond() ? 2 : 1;
}

int EquipmentTablePicture::columnCount() const
{
    return 1 + kGroupCount * attributeCount();
}

QString EquipmentTablePicture::cellText(int row, int column) const
{
    const int level = EquipmentLevel(row);
    if (column == 0) {
        return QString::number(level);
    }
    const EquipmentType& t = EquipmentAttributes[static_cast<std::size_t>(type_)];
    const int group = (column - 1) / attributeCount();
    const int attribute = (column - 1) % attributeCount();
    const EquipmentTableCells cells = EquipmentTableValues(attribute == 0 ? t.first : t.second, level);
    return QString::number(GroupValue(cells, group));
}

int EquipmentTablePicture::cellWidth() const
{
    const QFontMetrics fm(font());
    // A group heading spans the group's columns; one-attribute tables give it the room of two.
    const int heading = fm.horizontalAdvance(QString::fromUtf16(kGroups[1])) + 10;
    return std::max(fm.horizontalAdvance(QStringLiteral("0000")) + 12, (heading + 1) / 2);
}

int EquipmentTablePicture::rowHeight() const
{
    // Tight rows: seventeen of them must leave the window room on a 1024-pixel-high screen at scale 2.
    return QFontMetrics(font()).height() + 2;
}

QSize EquipmentTablePicture::sizeHint() const
{
    const int perGroup = std::max(attributeCount(), 2) * cellWidth();
    const int width = cellWidth() + kGroupCount * perGroup + 2 * kGroupCount + 2;
    return {width, rowHeight() * (2 + kEquipmentLevelCount) + 2};
}

void EquipmentTablePicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    const EquipmentType& t = EquipmentAttributes[static_cast<std::size_t>(type_)];
    const int n = attributeCount();
    const int h = rowHeight();
    const int levelWidth = cellWidth();
    const int valueWidth = std::max(n, 2) * cellWidth() / n;
    constexpr int kDouble = 2;  // gap of the double rule between groups

    // Column edges: the level column, then each group after its double rule.
    std::vector<int> left;
    int x = 1;
    left.push_back(x);
    x += levelWidth;
    for (int g = 0; g < kGroupCount; ++g) {
        x += kDouble;
        for (int a = 0; a < n; ++a) {
            left.push_back(x);
            x += valueWidth;
        }
    }
    const int right = x;
    const int bottom = 1 + h * (2 + kEquipmentLevelCount);

    p.fillRect(QRect(1, 1, right - 1, 2 * h), kHeaderFill);
    for (int r = 0; r < kEquipmentLevelCount; ++r) {
        p.fillRect(QRect(1, 1 + h * (2 + r), right - 1, h), r % 2 == 0 ? kOddRowFill : QColor(Qt::white));
    }

    p.setPen(Qt::black);
    const auto text = [&p](const QRect& r, const QString& s) { p.drawText(r, Qt::AlignCenter, s); };
    text(QRect(left[0], 1, levelWidth, h), ToQ(t.name));
    text(QRect(left[0], 1 + h, levelWidth, h), QStringLiteral("等级"));
    for (int g = 0; g < kGroupCount; ++g) {
        const int gx = left[static_cast<std::size_t>(1 + g * n)];
        text(QRect(gx, 1, valueWidth * n, h), QString::fromUtf16(kGroups[static_cast<std::size_t>(g)]));
        for (int a = 0; a < n; ++a) {
            text(QRect(gx + a * valueWidth, 1 + h, valueWidth, h), ToQ(a == 0 ? t.first.name : t.second.name));
        }
    }
    for (int r = 0; r < kEquipmentLevelCount; ++r) {
        const int y = 1 + h * (2 + r);
        text(QRect(left[0], y, levelWidth, h), cellText(r, 0));
        for (int c = 1; c < columnCount(); ++c) {
            text(QRect(left[static_cast<std::size_t>(c)], y, valueWidth, h), cellText(r, c));
        }
    }

    // Rules: every row and column edge, doubled where a group begins.
    p.setPen(QPen(kRule, 0));
    for (int r = 0; r <= 2 + kEquipmentLevelCount; ++r) {
        if (r == 1) {
            continue;  // the level column's heading spans both header rows; drawn below per group
        }
        p.drawLine(1, 1 + h * r, right, 1 + h * r);
    }
    p.drawLine(left[1] - kDouble, 1 + h, right, 1 + h);
    p.drawLine(1, 1, 1, bottom);
    p.drawLine(right, 1, right, bottom);
    for (int g = 0; g < kGroupCount; ++g) {
        const int gx = left[static_cast<std::size_t>(1 + g * n)];
        p.drawLine(gx - kDouble, 1, gx - kDouble, bottom);
        p.drawLine(gx, 1, gx, bottom);
        for (int a = 1; a < n; ++a) {
            p.drawLine(gx + a * valueWidth, 1 + h, gx + a * valueWidth, bottom);
        }
    }
}

}  // namespace zicalc
