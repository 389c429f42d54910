#pragma once

#include <QWidget>
#include <array>

#include "core/lookup/Furniture.h"

class QGroupBox;

namespace zicalc {

class DcButton;
class RecipePanel;
class SelectableLabelList;

// Furniture recipes: five pages of names; a click shows the recipe or the price.
class Form11 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form11)

public:
    explicit Form11(QWidget* parent = nullptr);

private:
    void onButton(int index);
    void render();

    FurnitureCard card_;
    std::array<QGroupBox*, kFurniturePageCount> pages_{};
    SelectableLabelList* labels_;
    std::array<DcButton*, 6> buttons_{};
    RecipePanel* panel_;
};

}  // namespace zicalc
