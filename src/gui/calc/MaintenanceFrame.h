#pragma once

#include <QGroupBox>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

namespace zicalc {

struct MaintenanceOutcome;

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
    void display(const MaintenanceOutcome& out);
    int level() const;

    std::array<QComboBox*, 7> combo7_{};
    std::array<QLabel*, 6> label17_{};
    QLineEdit* fee_;      // Text28(0)
    QLineEdit* reserve_;  // Text28(1)
};

}  // namespace zicalc
