#include "gui/widgets/Fonts.h"

#include <QStringList>

namespace zicalc {

namespace {

double defaultPointSize = 9;

}  // namespace

void SetDefaultPointSize(double pointSize)
{
    defaultPointSize = pointSize;
}

QFont SongtiFont(double pointSize)
{
    QFont f;
    f.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"),
                   QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
    f.setPointSizeF(pointSize);
    return f;
}

QFont DefaultFont()
{
    QFont f;
    f.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                   QStringLiteral("Microsoft YaHei"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")});
    f.setPointSizeF(defaultPointSize);
    return f;
}

}  // namespace zicalc
