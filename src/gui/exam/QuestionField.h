#pragma once

#include <QObject>
#include <QString>

namespace zicalc {

class GbkLineEdit;

// A question or answer field of the add and modify pages (Text18(i), Text26(i)): a GBK-safe field
// with the question bank's key rules. Typed ( ) , : ; < > ? become their full-width forms and a
// typed double quote an opening or closing one by turns, through one flag shared by all ten
// fields; Enter moves on. Text that arrives any other way (paste by key, menu or middle button,
// drag and drop, an input method) and brings an ASCII comma or double quote is refused: the field
// is emptied and the warning box says so.
class QuestionField final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuestionField)

public:
    QuestionField(const QString& objectName, bool& quoteToggle, QWidget* parent);

    GbkLineEdit* edit() const { return edit_; }
    QString text() const;
    // Sets the text as the program does (no checks, no warning).
    void setProgramText(const QString& text);

signals:
    // The field was entered or the player changed its text: what the preview is to show.
    void previewText(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onEdited(const QString& text);
    QString replaceTyped(const QString& typed);

    GbkLineEdit* edit_;
    bool& quoteToggle_;
    QString accepted_;  // the text as it stood after the last accepted change
    bool forwarding_ = false;
};

}  // namespace zicalc
