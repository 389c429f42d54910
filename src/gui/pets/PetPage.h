#pragma once

#include "gui/widgets/PageFrame.h"

namespace zicalc {

// The 召唤兽 page, Frame2(3): growth rate, origin test and the pet encyclopedia.
class PetPage final : public PageFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PetPage)

public:
    explicit PetPage(QWidget* parent = nullptr);

signals:
    // Button14 "召唤兽血量值表": the scene HP table is wanted.
    void hpTableRequested();
    // "加点模拟器" was pressed; the shell opens the simulator.
    void simulatorRequested();
};

}  // namespace zicalc
