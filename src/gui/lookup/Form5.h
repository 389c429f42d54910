#pragma once

#include <QDialog>
#include <array>

#include "core/lookup/SceneHpCard.h"

class QLabel;
class QLineEdit;

namespace zicalc {

// The scene HP card "召唤兽血量值": click a scene name, read its monsters' HP. A dialog, because
// the pet-shop window shows it modally; from the main window it is an ordinary window.
class Form5 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form5)

public:
    explicit Form5(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void render();

    SceneHpCard card_;
    std::array<QLabel*, kSceneCount + 1> labels_{};
    std::array<QLineEdit*, kSceneLineCount> lines_{};
};

}  // namespace zicalc
