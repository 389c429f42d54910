#include "gui/exam/QuestionField.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include "core/app/Gbk.h"
#include "core/exam/QuestionEditPages.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Warning.h"

namespace zicalc {
namespace {

int CountRefused(const QString& text)
{
    return static_cast<int>(text.count(QLatin1Char(',')) + text.count(QLatin1Char('"')));
}

}  // namespace

QuestionField::QuestionField(const QString& objectName, bool& quoteToggle, QWidget* parent)
    : QLineEdit(parent), quoteToggle_(quoteToggle)
{
    setObjectName(objectName);
    connect(this, &QLineEdit::textEdited, this, &QuestionField::onEdited);
}

void QuestionField::setProgramText(const QString& text)
{
    accepted_ = text;
    if (QLineEdit::text() != text) {
        setText(text);
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

void QuestionField::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        const QString replaced = replaceTyped(typed);
        if (replaced != typed) {
            insert(replaced);  // as if the full-width character had been typed
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void QuestionField::inputMethodEvent(QInputMethodEvent* event)
{
    // An input method that commits ASCII punctuation is treated like typing it.
    const QString commit = event->commitString();
    if (!commit.isEmpty()) {
        const QString replaced = replaceTyped(commit);
        if (replaced != commit) {
            QInputMethodEvent changed(event->preeditString(), event->attributes());
            changed.setCommitString(replaced, event->replacementStart(), event->replacementLength());
            QLineEdit::inputMethodEvent(&changed);
            return;
        }
    }
    QLineEdit::inputMethodEvent(event);
}

void QuestionField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    emit previewText(text());
}

void QuestionField::onEdited(const QString& text)
{
    // Only what this change brought in is judged: a quote that came with the question from the file
    // does not make every later keystroke a refusal.
    if (CountRefused(text) > CountRefused(accepted_)) {
        accepted_.clear();
        clear();
        emit previewText(QString());
        ShowWarning(ToQ(kCommaRefusedMessage));
        return;
    }
    if (auto bad = FirstCharacterNotInGbk(ToStd(text))) {
        const int cursor = cursorPosition();
        const QString previous = accepted_;
        setText(previous);
        setCursorPosition(std::min(cursor, static_cast<int>(previous.size())));
        ShowWarning(QStringLiteral("“%1”无法存入题库，请换一个字！").arg(ToQ(*bad)));
        return;
    }
    accepted_ = text;
    emit previewText(text);
}

}  // namespace zicalc
