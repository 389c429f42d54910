#include "gui/widgets/ApplyOutcome.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QtGlobal>
#include <vector>

#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Warning.h"

namespace zicalc {

namespace {

struct Target final {
    const ControlUpdate* update;
    QPointer<QWidget> widget;
};

QStringList ToQList(const std::vector<std::string>& items)
{
    QStringList list;
    for (const std::string& item : items) {
        list.append(zicalc::ToQ(item));
    }
    return list;
}

// Why `widget` cannot show `u`, or an empty text when it can.
QString Refusal(const ControlUpdate& u, QWidget* widget)
{
    auto* line = qobject_cast<QLineEdit*>(widget);
    auto* label = qobject_cast<QLabel*>(widget);
    auto* button = qobject_cast<QAbstractButton*>(widget);
    auto* combo = qobject_cast<QComboBox*>(widget);
    const bool showsText = line != nullptr || label != nullptr || button != nullptr;
    if (u.text && !showsText && combo == nullptr) {
        return QStringLiteral("a text");
    }
    if (u.text && combo != nullptr) {
        const QStringList items = u.items ? ToQList(*u.items) : [combo] {
            QStringList current;
            for (int i = 0; i < combo->count(); ++i) {
                current.append(combo->itemText(i));
            }
            return current;
        }();
        if (!items.contains(zicalc::ToQ(*u.text))) {
            return QStringLiteral("the item \"%1\", which its list does not hold").arg(zicalc::ToQ(*u.text));
        }
    }
    if (u.colour && !showsText) {
        return QStringLiteral("a text colour");
    }
    if (u.checked && (button == nullptr || !button->isCheckable())) {
        return QStringLiteral("a check state");
    }
    if (u.items && combo == nullptr) {
        return QStringLiteral("a list of items");
    }
    return {};
}

bool Resolve(const std::vector<ControlUpdate>& updates, QWidget* root, std::vector<Target>& targets)
{
    for (const ControlUpdate& u : updates) {
        const QString name = zicalc::ToQ(u.control);
        const QList<QWidget*> found = root->findChildren<QWidget*>(name);
        if (found.size() != 1) {
            qCritical("ApplyOutcome: %lld controls named %s below %s; nothing applied",
                      static_cast<long long>(found.size()), qPrintable(name), qPrintable(root->objectName()));
            return false;
        }
        const QString refusal = Refusal(u, found.front());
        if (!refusal.isEmpty()) {
            qCritical("ApplyOutcome: %s (%s) cannot show %s; nothing applied", qPrintable(name),
                      found.front()->metaObject()->className(), qPrintable(refusal));
            return false;
        }
        targets.push_back(Target{&u, found.front()});
    }
    return true;
}

void Apply(const Target& t)
{
    QWidget* w = t.widget;
    if (w == nullptr) {
        // Gone while the warning was open (its window was closed): nothing left to show it on.
        return;
    }
    const ControlUpdate& u = *t.update;
    if (u.items) {
        auto* combo = qobject_cast<QComboBox*>(w);
        combo->clear();
        combo->addItems(ToQList(*u.items));
    }
    if (u.text) {
        const QString text = zicalc::ToQ(*u.text);
        if (auto* line = qobject_cast<QLineEdit*>(w)) {
            line->setText(text);
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            label->setText(text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            button->setText(text);
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            combo->setCurrentIndex(combo->findText(text));
        }
    }
    if (u.colour) {
        SetTextColour(w, *u.colour);
    }
    if (u.checked) {
        qobject_cast<QAbstractButton*>(w)->setChecked(*u.checked);
    }
    if (u.enabled) {
        w->setEnabled(*u.enabled);
    }
    if (u.visible) {
        w->setVisible(*u.visible);
    }
    if (u.toolTip) {
        w->setToolTip(zicalc::ToQ(*u.toolTip));
    }
}

}  // namespace

bool ApplyOutcome(const Outcome& outcome, QWidget* root)
{
    std::vector<Target> before;
    std::vector<Target> after;
    if (!Resolve(outcome.before(), root, before) || !Resolve(outcome.after(), root, after)) {
        return false;
    }
    for (const Target& t : before) {
        Apply(t);
    }
    if (outcome.warning()) {
        ShowWarning(zicalc::ToQ(*outcome.warning()));
    }
    for (const Target& t : after) {
        Apply(t);
    }
    return true;
}

}  // namespace zicalc
