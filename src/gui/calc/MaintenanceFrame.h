#pragma once

#include <QGroupBox>
#include <array>

class QComboBox;

namespace zicalc {

// The frame "帮派维护资金消耗" (Frame4(2)) of the 帮派 page: guild level and buildings in, the
// hourly fee, the 48-hour reserve and a description of each kind of building (label tooltips) out.
class MaintenanceFrame final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MaintenanceFrame)

public:
    explicit MaintenanceFrame(QWidget* parent = nullptr);

private:
    void onLevelChosen();
    void onBuildingChosen();
    int level() const;

    std::array<QComboBox*, 7> combo7_{};  // the lists are read here; everything shown is reached by name
};

}  // namespace zicalc
