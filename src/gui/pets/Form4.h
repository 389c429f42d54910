#pragma once

#include <QWidget>
#include <array>

#include "core/pets/PetSimulation.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTimer;

namespace zicalc {

class DcButton;
class NumericField;

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
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void render();
    void apply(const PetOutcome& outcome);
    void stopRepeats();

    void onStart();
    void onLevelDown(int button, int index);
    void onLevelUp(int button, int index);
    void onPointDown(int button, int index);
    void onPointUp(int button, int index);
    void onShareClick(int index);
    void onShareDown(int button, int index);
    void onLevelTick(int index);
    void onPointTick();
    void onFieldClick(QObject* field);

    PetSimulation sim_;

    QComboBox* combo1_ = nullptr;  // 等级
    QComboBox* combo2_ = nullptr;  // 名称
    std::array<NumericField*, kPetAptitudeCount> text5_{};
    std::array<QLineEdit*, kPetStatCount> text3_{};  // [0] is a NumericField, the HP input
    std::array<NumericField*, kPetPointCount> text4_{};
    std::array<QLineEdit*, kPetShareFieldCount> text6_{};
    std::array<QLineEdit*, 2> text1_{};  // [0] available (input), [1] remaining
    std::array<QLineEdit*, 2> text2_{};
    QLineEdit* text7_ = nullptr;
    DcButton* command1_ = nullptr;
    DcButton* command2_ = nullptr;
    DcButton* command3_ = nullptr;
    DcButton* command8_ = nullptr;
    std::array<DcButton*, 2> command4_{};

    // Timer1(0) steps the level down, Timer1(1) up; Timer2(0) raises, Timer2(1) lowers the point
    // of the button last pressed.
    std::array<QTimer*, 2> timer1_{};
    std::array<QTimer*, 2> timer2_{};
    int heldPoint_ = 0;
};

}  // namespace zicalc
