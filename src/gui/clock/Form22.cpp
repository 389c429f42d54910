#include "gui/clock/Form22.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "core/clock/ClockHelp.h"
#include "gui/widgets/ModalGuard.h"
#include "gui/widgets/QtBridge.h"

namespace zicalc {

Form22::Form22(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form22"));
    setWindowTitle(QStringLiteral("            跑商时钟帮助"));
    KeepModalInReach(this);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setReadOnly(true);
    text_->setAccessibleName(QStringLiteral("跑商时钟帮助"));
    text_->setPlainText(ToQ(ClockHelpText("\n")));
    SetTextColour(text_, colours::kBlue);
    text_->viewport()->installEventFilter(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    // Wide enough for the longest line; the scroll bar takes the rest of the text.
    const QFontMetrics metrics(text_->font());
    resize(metrics.horizontalAdvance(QStringLiteral(" 7.钟面上红针走动一圈为真实时间的")) + 48,
           22 * metrics.lineSpacing());
}

bool Form22::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == text_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace zicalc
