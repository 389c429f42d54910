#include "gui/widgets/AppLook.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleFactory>

#include "gui/widgets/AccessibleNames.h"
#include "gui/widgets/Fonts.h"

namespace zicalc {

namespace {

class CompactStyle final : public QProxyStyle {
public:
    CompactStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
            case PM_LayoutLeftMargin:
            case PM_LayoutTopMargin:
            case PM_LayoutRightMargin:
            case PM_LayoutBottomMargin:
                return 4;
            case PM_LayoutHorizontalSpacing:
            case PM_LayoutVerticalSpacing:
                return 3;
            default:
                return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

}  // namespace

void ApplyApplicationLook(QApplication& app)
{
    QApplication::setStyle(new CompactStyle);
    // Every window, the modal boxes included, in the CJK families a Debian desktop has.
    QApplication::setFont(DefaultFont());
    // A steady text cursor: a blinking one wakes the program twice a second while it sits idle.
    QApplication::setCursorFlashTime(0);
    // Screen readers read every field by the label beside it.
    InstallAccessibleNaming(&app);
}

}  // namespace zicalc
