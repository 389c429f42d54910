#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/app/Rgb.h"

namespace zicalc {

inline constexpr std::size_t kPetPointCount = 5;       // 体质, 法力, 力量, 耐力, 敏捷
inline constexpr std::size_t kPetAptitudeCount = 6;    // 攻击, 防御, 体力, 法力, 速度, 躲闪资质
inline constexpr std::size_t kPetStatCount = 6;        // 气血, 魔法, 攻击, 防御, 速度, 灵力
inline constexpr std::size_t kPetShareFieldCount = 6;  // five shares and the unassigned part
inline constexpr std::int32_t kSimulatorMaxLevel = 160;

// Background of every locked field of the simulator (light green).
inline constexpr Rgb kSimulatorLockedBackground{192, 255, 192};

using PetPoints = std::array<std::int32_t, kPetPointCount>;
using PetAptitudes = std::array<std::int32_t, kPetAptitudeCount>;
// Derived values are 64-bit: a strong pet's 气血 runs far past 16 bits, and nothing may wrap.
using PetStats = std::array<std::int64_t, kPetStatCount>;

// A growth rate in whole thousandths (1200 = "1.200"): the formulas use it as shown.
struct PetGrowth final {
    std::int64_t newScale = 0;
    std::int64_t oldScale = 0;
    friend bool operator==(const PetGrowth&, const PetGrowth&) = default;
};

// The growth on both scales from the HP the player copied, truncated to thousandths.
PetGrowth StartGrowth(std::int32_t level, std::int32_t hp, std::int32_t aptitudeHp, std::int32_t constitution);

// 气血, 魔法, 攻击, 防御, 速度, 灵力 from the level, the growth (thousandths), the aptitudes and the points.
PetStats DerivedStats(std::int32_t level, std::int64_t growth, const PetAptitudes& aptitudes, const PetPoints& points);

// "怀疑假图", "可能宝宝" or "野生/合成" from the old-scale growth and what was entered.
std::string_view OriginVerdict(std::int64_t oldGrowth, std::int32_t level, std::int32_t potential,
                               const PetPoints& points);

// What the player has typed when pressing 确定: the level of Combo1 and the texts of the fields.
struct PetEntry final {
    std::int32_t level = 0;                                // Combo1
    std::string hp;                                        // Text3(0)
    std::array<std::string, kPetPointCount> points;        // Text4(0 … 4)
    std::string potential;                                 // Text1(0)
    std::array<std::string, kPetAptitudeCount> aptitudes;  // Text5(0 … 5)
};

// Everything the window shows of a simulation, one text per control.
struct PetSimulationView final {
    std::string level;                                     // Combo1
    std::array<std::string, kPetStatCount> stats;          // Text3(0 … 5); Text3(0) is also the HP input
    std::array<std::string, kPetPointCount> points;        // Text4(0 … 4)
    std::string available;                                 // Text1(0), also the potential input
    std::string remaining;                                 // Text1(1)
    std::array<std::string, kPetShareFieldCount> shares;   // Text6(0 … 4), Text6(5) the unassigned part
    std::array<std::string, kPetAptitudeCount> aptitudes;  // Text5(0 … 5)
    std::string growthNew;                                 // Text2(0)
    std::string growthOld;                                 // Text2(1)
    std::string status;                                    // Text7
    bool inputsLocked = false;                             // Combo1 and the input fields: locked and green while active
    bool startEnabled = true;                              // Command1 确定
    bool activeEnabled = false;  // Command2 重设, Command3 取消, Command4(0) 保存, Command8 加点
    bool loadEnabled = false;    // Command4(1) 读取
};

// What an operation did: whether anything shown changed (the window then shows the view again),
// the message for the warning box, and whether the focus goes back to the level.
struct PetOutcome final {
    bool changed = false;
    std::optional<std::string> warning;
    bool focusLevel = false;
};

// The pet attribute simulator: a pet copied from the game, its growth and origin verdict, and the
// player's plan of levels and points. Every operation but Start does nothing until a start has
// succeeded; a refused operation changes nothing at all.
class PetSimulation final {
public:
    PetSimulation() = default;

    bool active() const { return active_; }
    PetSimulationView view() const;

    // 确定
    PetOutcome Start(const PetEntry& entry);
    // "+1", "-1", right-button "+10", "-10".
    PetOutcome StepLevel(std::int32_t delta);
    // "+" / "-" of a point row by 1 or 50.
    PetOutcome RaisePoint(std::size_t i, std::int32_t n);
    PetOutcome LowerPoint(std::size_t i, std::int32_t n);
    // "+" / "-" of a share row by 1 or 5 tenths.
    PetOutcome RaiseShare(std::size_t i, std::int32_t tenths);
    PetOutcome LowerShare(std::size_t i, std::int32_t tenths);
    // "%"
    PetOutcome ApplyShares();
    // A click on a point field: everything not yet placed goes there.
    PetOutcome TakeAllRemaining(std::size_t i);
    // A click on a share field: the unassigned part goes there; on the unassigned field itself,
    // the shares start over.
    PetOutcome TakeAllShare(std::size_t i);
    // A click on the potential: the points placed since the last confirm come back.
    PetOutcome UndoPlacing();
    PetOutcome Confirm();  // 加点
    PetOutcome Refund();   // 取消
    PetOutcome Reset();    // 重设
    PetOutcome Save();     // 保存
    PetOutcome Load();     // 读取

private:
    // How a share text is written: "0.0" after a step or a load, plain ("0", "5", "2.5") after a
    // reset or a take-all.
    enum class ShareForm { Plain, OneDecimal };

    struct StartSnapshot final {
        std::int32_t level = 0;
        PetPoints points{};
        std::int32_t potential = 0;
        PetStats stats{};
    };

    struct SaveSlot final {
        std::int32_t level = 0;
        PetStats stats{};
        std::array<std::int32_t, kPetShareFieldCount> shares{};
        PetPoints points{};
        std::int32_t available = 0;
        std::int32_t remaining = 0;
    };

    void ResetShares();
    void Recompute();

    bool active_ = false;
    std::int32_t level_ = 0;
    std::optional<PetGrowth> growth_;
    std::string growthNewText_ = "0";
    std::string growthOldText_ = "0";
    PetAptitudes aptitudes_{};
    PetPoints points_{};
    PetPoints baseline_{};  // BaselinePoints: a point comes back only while above it
    std::int32_t available_ = 0;
    std::int32_t remaining_ = 0;
    // PotentialShares in tenths, so that ten steps of 0.1 are exactly 1; [5] is the unassigned part.
    std::array<std::int32_t, kPetShareFieldCount> shares_{0, 0, 0, 0, 0, 50};
    std::array<ShareForm, kPetShareFieldCount> shareForms_{};
    PetStats stats_{};
    std::optional<StartSnapshot> snapshot_;
    std::optional<SaveSlot> saveSlot_;
    std::string status_ = "计算待定";
    // While inactive the input fields show what was typed (or what a reset put back).
    PetEntry entered_;
};

// The 121 names of the simulator's 名称 list, in order.
const std::array<std::string, 121>& SimulatorPetNames();

}  // namespace zicalc
