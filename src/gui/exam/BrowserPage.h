#pragma once

#include <QAbstractListModel>
#include <array>
#include <cstdint>

#include "gui/widgets/PageFrame.h"

class QHBoxLayout;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QRadioButton;

namespace zicalc {

class DcButton;
class QuestionBrowser;

// List2's rows: the browser's QuestionView, read on demand, so a bank of any size lists at once.
class QuestionListModel final : public QAbstractListModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QuestionListModel)

public:
    QuestionListModel(const QuestionBrowser& browser, QObject* parent = nullptr);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Called after each change of the browser; rebuilds the rows when the list was rebuilt.
    void Refresh();

private:
    const QuestionBrowser& browser_;
    std::uint64_t generation_ = 0;
    int rows_ = 0;
};

// The 科举 page Frame2(5): search field Text17, the list List2, the category options Option3(0-11)
// in Frame10, the answer area Frame11 and the command buttons Button17(i).
class BrowserPage final : public PageFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BrowserPage)

public:
    BrowserPage(QuestionBrowser& browser, QWidget* parent = nullptr);

    // Shows the browser's state whole (after every operation, also those run from elsewhere).
    void Render();
    // Focus to the search field.
    void FocusSearch();
    // Adds a button at the end of the row of command buttons (the exam's "考试" and "迷你").
    void addCommandButton(QWidget* button);

signals:
    void addRequested();
    void modifyRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onCategory(int option);
    void onLine(const QModelIndex& index);

    QuestionBrowser& browser_;
    QuestionListModel* model_;
    QLineEdit* text17_;
    QListView* list2_;
    std::array<QRadioButton*, 12> options_{};
    QPlainTextEdit* shownLine_;  // Text19(0)
    QLineEdit* answer_;          // Text19(1)
    QHBoxLayout* commandRow_;
    bool rendering_ = false;
};

}  // namespace zicalc
