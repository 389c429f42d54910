#include "gui/widgets/Widgets.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Warning.h"

namespace zicalc {

QLabel* MakeLabel(const QString& text, QWidget* parent, Rgb colour)
{
    auto* label = new QLabel(text, parent);
    SetTextColour(label, colour);
    return label;
}

QLabel* MakeNamedLabel(const QString& objectName, const QString& text, QWidget* parent, Rgb colour)
{
    auto* label = MakeLabel(text, parent, colour);
    label->setObjectName(objectName);
    return label;
}

QLineEdit* MakeResultLine(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* line = new QLineEdit(text, parent);
    line->setObjectName(objectName);
    line->setReadOnly(true);
    line->setFocusPolicy(Qt::ClickFocus);
    return line;
}

QGroupBox* MakeFrame(const QString& objectName, const QString& caption, QWidget* parent)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(objectName);
    return frame;
}

void FitDigits(QLineEdit* field, int digits)
{
    const QFontMetrics fm(field->font());
    field->setFixedWidth(fm.horizontalAdvance(QLatin1Char('0')) * digits + 14);
}

void ApplyOutcome(const CalcOutcome& outcome, std::initializer_list<QWidget*> fields)
{
    ApplyOutcome(outcome, std::span<QWidget* const>(fields.begin(), fields.size()));
}

void ApplyOutcome(const CalcOutcome& outcome, std::span<QWidget* const> fields)
{
    std::size_t i = 0;
    for (QWidget* w : fields) {
        if (i >= outcome.fields.size()) {
            break;
        }
        const FieldUpdate& u = outcome.fields[i++];
        if (u.text) {
            if (auto* line = qobject_cast<QLineEdit*>(w)) {
                line->setText(ToQ(*u.text));
            } else if (auto* label = qobject_cast<QLabel*>(w)) {
                label->setText(ToQ(*u.text));
            }
        }
        if (u.colour) {
            SetTextColour(w, *u.colour);
        }
    }
    if (outcome.warning) {
        ShowWarning(ToQ(*outcome.warning));
    }
}

}  // namespace zicalc
