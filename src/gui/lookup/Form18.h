#pragma once

#include <QWidget>
#include <array>

#include "core/lookup/Storyline.h"

class QListWidget;
class QPlainTextEdit;

namespace zicalc {

class DcButton;

// The storyline guide: a list of storylines and five pages for the one picked.
class Form18 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form18)

public:
    explicit Form18(QWidget* parent = nullptr);

private:
    void onSelected(int row);
    void onPage(int page);
    void render();

    StorylineGuide guide_;
    QListWidget* list1_;
    std::array<DcButton*, kStorylinePageCount> buttons_{};
    std::array<QPlainTextEdit*, kStorylineTextCount> texts_{};
};

}  // namespace zicalc
