#pragma once

#include <QDialog>
#include <array>
#include <filesystem>

#include "core/clock/TimeAdjust.h"

class QLineEdit;

namespace zicalc {

class DcButton;

// 手动调时: moves the calibration's time of day in setting.ini by hours, minutes and seconds, for a
// clock that runs a little ahead of or behind the game.
class Form21 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form21)

public:
    explicit Form21(const std::filesystem::path& settingFile, QWidget* parent = nullptr);

signals:
    // The new time is in the file; the clock may be started again.
    void adjusted();

private:
    void Render();

    TimeAdjust model_;
    std::array<QLineEdit*, 3> fields_{};
};

}  // namespace zicalc
