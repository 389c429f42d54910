#pragma once

#include <QWidget>

class QComboBox;

namespace zicalc {

// The frame "其它" (Frame7(2)) of the 召唤兽 page: pick a pet by name (Combo1) and read its
// catalogue record in Text16(0) … Text16(11).
class PetEncyclopediaFrame final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PetEncyclopediaFrame)

public:
    explicit PetEncyclopediaFrame(QWidget* parent = nullptr);

signals:
    // Button14 "召唤兽血量值表": the scene HP table is wanted.
    void hpTableRequested();
    // Button13 "加点模拟器": the shell opens the simulator.
    void simulatorRequested();

private:
    void showChosenPet();

    QComboBox* combo1_ = nullptr;
};

}  // namespace zicalc
