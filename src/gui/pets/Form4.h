#pragma once

#include <QWidget>
#include <array>

#include "core/pets/PetSimulation.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace zicalc {

class ClickableField;
class DcButton;
class NumericField;
class PressRepeater;

// "召唤兽属性预测": the pet attribute simulator. The window holds one PetSimulation and shows its
// view whole after every operation that changed something.
class Form4 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form4)

public:
    explicit Form4(QWidget* parent = nullptr);
    ~Form4() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void render();
    void apply(const PetOutcome& outcome);

    void onStart();
    void onLevelTick(int index);
    void onPointTick(int index);
    void onPointRight(int index);
    void onShareClick(int index);
    void onShareDown(int button, int index);

    PetSimulation sim_;

    QComboBox* combo1_ = nullptr;  // 等级
    QComboBox* combo2_ = nullptr;  // 名称
    std::array<NumericField*, kPetAptitudeCount> text5_{};
    std::array<QLineEdit*, kPetStatCount> text3_{};  // [0] is a NumericField, the HP input
    std::array<NumericField*, kPetPointCount> text4_{};
    std::array<ClickableField*, kPetShareFieldCount> text6_{};
    NumericField* text1Available_ = nullptr;    // Text1(0), also the potential input
    ClickableField* text1Remaining_ = nullptr;  // Text1(1)
    std::array<QLineEdit*, 2> text2_{};
    QLineEdit* text7_ = nullptr;
    DcButton* command1_ = nullptr;
    DcButton* command2_ = nullptr;
    DcButton* command3_ = nullptr;
    DcButton* command8_ = nullptr;
    std::array<DcButton*, 2> command4_{};

    // Held "-1"/"+1" (Timer1) and held "+"/"-" of the points (Timer2).
    PressRepeater* timer1_ = nullptr;
    PressRepeater* timer2_ = nullptr;
};

}  // namespace zicalc
