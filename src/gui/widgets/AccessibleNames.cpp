#include "gui/widgets/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace zicalc {

namespace {

bool NeedsLabel(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) != nullptr || qobject_cast<const QComboBox*>(w) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(w) != nullptr ||
           qobject_cast<const QAbstractItemView*>(w) != nullptr || qobject_cast<const QPlainTextEdit*>(w) != nullptr ||
           qobject_cast<const QTextEdit*>(w) != nullptr;
}

bool HasName(const QWidget* w)
{
    if (!w->accessibleName().isEmpty()) {
        return true;
    }
    const QWidget* parent = w->parentWidget();
    if (parent == nullptr) {
        return false;
    }
    for (const QObject* o : parent->children()) {
        if (const auto* l = qobject_cast<const QLabel*>(o); l != nullptr && l->buddy() == w) {
            return true;
        }
    }
    return false;
}

QLabel* FreeLabel(QLayoutItem* item)
{
    if (item == nullptr) {
        return nullptr;
    }
    auto* label = qobject_cast<QLabel*>(item->widget());
    if (label == nullptr || label->buddy() != nullptr || label->text().trimmed().isEmpty() ||
        label->textFormat() == Qt::RichText) {
        return nullptr;
    }
    return label;
}

void Name(QWidget* field, QLabel* label)
{
    // A buddy turns '&' into a mnemonic and would change what the label shows: name it instead.
    if (label->text().contains(QLatin1Char('&'))) {
        field->setAccessibleName(label->text());
    } else {
        label->setBuddy(field);
    }
}

void NameInLayout(QLayout* layout)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (QLayout* inner = item->layout()) {
            NameInLayout(inner);
            continue;
        }
        QWidget* w = item->widget();
        if (w == nullptr || !NeedsLabel(w) || HasName(w)) {
            continue;
        }
        if (QLabel* before = FreeLabel(i > 0 ? layout->itemAt(i - 1) : nullptr)) {
            Name(w, before);
        } else if (QLabel* after = FreeLabel(layout->itemAt(i + 1))) {
            Name(w, after);
        }
    }
}

QString FrameCaption(const QWidget* w)
{
    for (const QWidget* p = w->parentWidget(); p != nullptr && !p->isWindow(); p = p->parentWidget()) {
        if (const auto* box = qobject_cast<const QGroupBox*>(p); box != nullptr && !box->title().isEmpty()) {
            return box->title();
        }
    }
    return {};
}

class NamingFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            if (auto* w = static_cast<QWidget*>(watched); w->isWindow()) {
                NameControlsFromLabels(w);
            }
        }
        return false;
    }
};

}  // namespace

void NameControlsFromLabels(QWidget* window)
{
    const auto widgets = window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (QLayout* layout = w->layout()) {
            NameInLayout(layout);
        }
    }
    if (QLayout* layout = window->layout()) {
        NameInLayout(layout);
    }
    for (QWidget* w : widgets) {
        if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            if (b->text().isEmpty() && b->accessibleName().isEmpty() && !b->toolTip().isEmpty()) {
                b->setAccessibleName(b->toolTip());
            }
        } else if (NeedsLabel(w) && !HasName(w)) {
            if (const QString caption = FrameCaption(w); !caption.isEmpty()) {
                w->setAccessibleName(caption);
            }
        }
    }
}

void InstallAccessibleNaming(QObject* application)
{
    application->installEventFilter(new NamingFilter(application));
}

}  // namespace zicalc
