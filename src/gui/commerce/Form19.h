#pragma once

#include <QWidget>
#include <array>

#include "core/commerce/ShopBudget.h"

class QLineEdit;

namespace zicalc {

class DcButton;
class NumericField;

// The pet-shop budget window "商会系统(召唤兽店)": the cost of new counters above, a shop's capital,
// income, upkeep and profit in the frame below. The model holds every text; each handler lets it
// decide, then shows its view whole and, last, its warning.
class Form19 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form19)

public:
    explicit Form19(QWidget* parent = nullptr);

signals:
    // "血量表": the scene HP table is wanted, modal over this window.
    void hpTableRequested();

private:
    void onText1(const QString& text);
    void onText2(const QString& text);
    void onText4(std::size_t index, const QString& text);
    void onButton(int index);
    void render();
    void warn(const ShopBudgetModel::Warning& warning);

    ShopBudgetModel model_;
    bool rendering_ = false;  // texts set by render() are the model's own, not new input
    NumericField* text1_ = nullptr;
    NumericField* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    std::array<QLineEdit*, 11> text4_{};
};

}  // namespace zicalc
