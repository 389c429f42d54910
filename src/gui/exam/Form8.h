#pragma once

#include <QSize>
#include <QWidget>
#include <array>
#include <filesystem>
#include <optional>
#include <string>

#include "core/exam/MiniQuery.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace zicalc {

class DcButton;

// 科举查询(迷你): a small window above all others in a corner of the screen that finds a question
// by a few of its characters and shows its correct answer. It reads its own copy of the bank when
// it is created.
class Form8 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form8)

public:
    explicit Form8(const std::filesystem::path& bankFile = "test.dat", QWidget* parent = nullptr);
    ~Form8() override;

    const MiniQuery& model() const { return mini_; }
    int miniCorner() const { return corner_.value(); }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void render();
    void moveTo(MiniCornerPlace place);
    void focusSearch();

    MiniQuery mini_;
    MiniCorner corner_;
    std::optional<std::string> loadWarning_;
    bool shownOnce_ = false;
    bool startCorner_ = true;  // still where it opened: bottom right
    QSize placedFrameSize_;

    QLineEdit* text1_ = nullptr;
    QPlainTextEdit* text2_ = nullptr;
    QPlainTextEdit* text3_ = nullptr;
    std::array<QLabel*, 2> fraction_{};  // Label1(0) over Label1(1)
    std::array<DcButton*, 2> paging_{};  // Button2(0) 上翻, Button2(1) 下翻
};

}  // namespace zicalc
