#include "gui/exam/QuestionField.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "core/exam/QuestionEditPages.h"
#include "gui/widgets/GbkLineEdit.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Warning.h"

namespace zicalc {
namespace {

qsizetype CountRefused(const QString& text)
{
    return text.count(QLatin1Char(',')) + text.count(QLatin1Char('"'));
}

}  // namespace

QuestionField::QuestionField(const QString& objectName, bool& quoteToggle, QWidget* parent)
    : QObject(parent), edit_(new GbkLineEdit(objectName, parent)), quoteToggle_(quoteToggle)
{
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textEdited, this, &QuestionField::onEdited);
}

QString QuestionField::text() const
{
    return edit_->text();
}

void QuestionField::setProgramText(const QString& text)
{
    accepted_ = text;
    if (edit_->text() != text) {
        edit_->setText(text);
    }
}

QString QuestionField::replaceTyped(const QString& typed)
{
    QString out;
    for (const QChar c : typed) {
        if (auto r = QuestionKeyReplacement(c.unicode(), quoteToggle_)) {
            out += ToQ(*r);
        } else {
            out += c;
        }
    }
    return out;
}

bool QuestionField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != edit_ || forwarding_) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                forwarding_ = true;
                QApplication::sendEvent(edit_, &tab);
                forwarding_ = false;
                return true;
            }
            const QString typed = key->text();
            if (typed.size() == 1 && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
                !edit_->isReadOnly()) {
                const QString replaced = replaceTyped(typed);
                if (replaced != typed) {
                    edit_->insert(replaced);  // as if the full-width character had been typed
                    return true;
                }
            }
            break;
        }
        case QEvent::InputMethod: {
            // An input method that commits ASCII punctuation is taken like typing it.
            auto* im = static_cast<QInputMethodEvent*>(event);
            const QString commit = im->commitString();
            const QString replaced = replaceTyped(commit);
            if (replaced != commit) {
                QInputMethodEvent changed(im->preeditString(), im->attributes());
                changed.setCommitString(replaced, im->replacementStart(), im->replacementLength());
                forwarding_ = true;
                QApplication::sendEvent(edit_, &changed);
                forwarding_ = false;
                return true;
            }
            break;
        }
        case QEvent::FocusIn:
            emit previewText(edit_->text());
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void QuestionField::onEdited(const QString& text)
{
    // Only what this change brought in is judged: a quote that came with a question from the file
    // does not turn every later keystroke into a refusal.
    if (CountRefused(text) > CountRefused(accepted_)) {
        accepted_.clear();
        edit_->clear();
        emit previewText(QString());
        // Shown once the event that brought the text has finished (a drop or an input method's
        // commit must not be left half done under a modal box).
        QMetaObject::invokeMethod(
            this, [] { ShowWarning(ToQ(kCommaRefusedMessage)); }, Qt::QueuedConnection);
        return;
    }
    accepted_ = text;
    emit previewText(text);
}

}  // namespace zicalc
