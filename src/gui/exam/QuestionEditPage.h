#pragma once

#include <QString>
#include <array>

#include "core/exam/QuestionEditPages.h"
#include "gui/widgets/PageFrame.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace zicalc {

class DcButton;
class QuestionField;

// The add page Frame2(9) and the modify page Frame2(10): the same form of a category list, the id,
// five question fields with a preview of the one being edited, a status line and a row of buttons.
// The page only shows and reads; what a button does is the owner's (through its page model).
class QuestionEditPage final : public PageFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuestionEditPage)

public:
    enum class Kind { Add, Modify };
    QuestionEditPage(Kind kind, bool& quoteToggle, QWidget* parent = nullptr);

    // Shows a model's state whole.
    void Render(const std::string& category, const std::string& id, const QuestionFields& fields,
                const std::string& status);
    std::string category() const;
    QuestionFields fields() const;
    void SetPreview(const QString& text);
    void Focus(EditFocus focus);

signals:
    void buttonClicked(int index);

private:
    QComboBox* combo_;
    QLineEdit* id_;
    std::array<QuestionField*, kQuestionFieldCount> fields_{};
    QPlainTextEdit* preview_;
    QLabel* status_;
};

}  // namespace zicalc
