#pragma once

#include <QWidget>
#include <array>

#include "core/lookup/Furniture.h"

class QGroupBox;
class QLabel;

namespace zicalc {

class DcButton;
class RecipePanel;

// Furniture recipes: five pages of names; a click shows the recipe or the price.
class Form11 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form11)

public:
    explicit Form11(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onButton(int index);
    void render();

    FurnitureCard card_;
    std::array<QGroupBox*, kFurniturePageCount> pages_{};
    std::array<QLabel*, kFurnitureLabelCount> labels_{};
    std::array<DcButton*, 6> buttons_{};
    RecipePanel* panel_;
};

}  // namespace zicalc
