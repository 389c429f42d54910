#pragma once

#include <QDialog>
#include <array>

#include "core/lookup/SceneHpCard.h"
#include "gui/widgets/SelectableLabelList.h"

class QLineEdit;

namespace zicalc {

// The scene HP card "召唤兽血量值": click a scene name, read its monsters' HP. A dialog, because
// the pet-shop window shows it modally; from the main window it is an ordinary window.
class Form5 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form5)

public:
    explicit Form5(QWidget* parent = nullptr);

private:
    void render();

    SceneHpCard card_;
    SelectableLabelList* list_ = nullptr;  // Label2(0) … Label2(47)
    std::array<QLineEdit*, kSceneLineCount> lines_{};
};

}  // namespace zicalc
