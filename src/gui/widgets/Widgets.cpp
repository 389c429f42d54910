#include "gui/widgets/Widgets.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <utility>

#include "gui/widgets/DcButton.h"
#include "gui/widgets/QtBridge.h"

namespace zicalc {

namespace {

// Read-only, reached by a click only; the click selects the whole result so it can be copied.
class ResultField final : public QLineEdit {
public:
    explicit ResultField(QWidget* parent) : QLineEdit(parent)
    {
        setReadOnly(true);
        setFocusPolicy(Qt::ClickFocus);
        // A result is whatever the calculator computed: never cut it to an input length.
        setMaxLength(32767);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            focusNextChild();
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override
    {
        QLineEdit::focusInEvent(event);
        selectAll();
        // A click places the cursor on press and may change the selection on release; select again then.
        selectOnRelease_ = event->reason() == Qt::MouseFocusReason;
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        QLineEdit::mousePressEvent(event);
        if (selectOnRelease_) {
            selectAll();
        }
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QLineEdit::mouseReleaseEvent(event);
        if (selectOnRelease_) {
            selectAll();
            selectOnRelease_ = false;
        }
    }

private:
    bool selectOnRelease_ = false;
};

}  // namespace

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

QLineEdit* MakeResultField(const QString& objectName, QWidget* parent, int digits)
{
    auto* field = new ResultField(parent);
    field->setObjectName(objectName);
    if (digits > 0) {
        FitDigits(field, digits);
    }
    return field;
}

QHBoxLayout* MakeComputeResetRow(const QString& array, QWidget* parent, std::function<void()> compute,
                                 std::function<void()> reset, const QString& computeToolTip)
{
    auto* row = new QHBoxLayout();
    auto* computeButton = new DcButton(array + QStringLiteral("(0)"), QStringLiteral("计算"), 0, parent);
    auto* resetButton = new DcButton(array + QStringLiteral("(1)"), QStringLiteral("重设"), 1, parent);
    if (!computeToolTip.isEmpty()) {
        computeButton->setToolTip(computeToolTip);
    }
    QObject::connect(computeButton, &DcButton::clickedIndex, parent, [f = std::move(compute)](int) { f(); });
    QObject::connect(resetButton, &DcButton::clickedIndex, parent, [f = std::move(reset)](int) { f(); });
    row->addWidget(computeButton);
    row->addWidget(resetButton);
    return row;
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

}  // namespace zicalc
