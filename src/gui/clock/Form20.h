#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>

#include "core/clock/TradeClock.h"

class QLabel;

namespace zicalc {

class ClickableLabel;
class ClockDial;
class DcButton;

// The trade-run clock: an always-on-top dial following the game's 时辰, calibrated once through
// its 时辰 buttons and setting.ini, with a countdown to the next trade period and a panel of
// buying prices.
class Form20 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form20)

public:
    explicit Form20(const Clock& clock, QWidget* parent = nullptr);

    const TradeClock& model() const { return model_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Render();
    void Notify(const std::optional<ClockNotice>& notice);
    void PlaceTopRight();
    void OpenAdjustment();
    void OpenHelp();

    TradeClock model_;
    std::optional<ClockNotice> loadNotice_;
    bool shownOnce_ = false;

    ClockDial* dial_;
    std::array<DcButton*, 12> shichen_{};
    std::array<QLabel*, 2> period_{};
    QLabel* barFill_;
    QLabel* countdown_;
    std::array<DcButton*, 2> startStop_{};
    std::array<DcButton*, 2> corner_{};
    DcButton* pricesToggle_;
    QWidget* pricePanel_;
    std::array<ClickableLabel*, 5> cityTabs_{};
    std::array<QLabel*, 3> cityPrices_{};
    QTimer timer1_;
    QTimer timer2_;
};

}  // namespace zicalc
