#include "core/pets/PetSimulation.h"

#include "core/app/Numeric.h"

namespace zicalc {

namespace {

constexpr std::int32_t kShareTotal = 50;  // tenths: the five points of a level

constexpr const char* kStatusEmpty = "不能为空";
constexpr const char* kStatusWrong = "输入有误";
constexpr const char* kWarnEmpty = "各输入项均不能为空！";
constexpr const char* kWarnZero = "各输入项均不能为0！";

// Floor of a / b for b > 0, exact for every integer.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if (a % b != 0 && a < 0) {
        --q;
    }
    return q;
}

std::string ThousandthsText(std::int64_t thousandths)
{
    return FormatFixed(static_cast<double>(thousandths) / 1000.0, 3);
}

// Something shown changed.
PetOutcome Done()
{
    return PetOutcome{true, std::nullopt, false};
}

}  // namespace

PetGrowth StartGrowth(std::int32_t level, std::int32_t hp, std::int32_t aptitudeHp, std::int32_t constitution)
{
    // Truncated, unlike the growth calculator, which rounds; a negative growth goes down.
    const double x = (hp - aptitudeHp / 1000.0 * level) * 1000.0;
    const std::int64_t six = 6 * static_cast<std::int64_t>(constitution);
    const std::int64_t two = 2 * static_cast<std::int64_t>(constitution);
    return PetGrowth{FloorInt(x / static_cast<double>(six)), FloorInt(x / static_cast<double>(two))};
}

PetStats DerivedStats(std::int32_t level, std::int64_t growth, const PetAptitudes& aptitudes, const PetPoints& points)
{
    // Each expression in its own order, with the growth as its three decimals show it.
    const double g = static_cast<double>(growth) / 1000.0;
    const double l = level;
    const double con = points[0];
    const double mag = points[1];
    const double str = points[2];
    const double end = points[3];
    const double agi = points[4];
    const double aptAtk = aptitudes[0];
    const double aptDef = aptitudes[1];
    const double aptHp = aptitudes[2];
    const double aptMp = aptitudes[3];
    const double aptSpd = aptitudes[4];
    const double lMp = l * aptMp;
    PetStats d{};
    d[0] = FloorInt((l * aptHp) / 1000 + (g * con) * 6);
    d[1] = FloorInt((mag * g) * 3 + (lMp + lMp) / 1000);
    d[2] = FloorInt(g * str + ((g * 10 + 14) * (l * aptAtk)) / 7500);
    d[3] = FloorInt(((g * end) * 4) / 3 + (((g * 19) / 3 + 9.4) * (l * aptDef)) / 7500);
    d[4] = FloorInt((aptSpd * agi) / 1000);
    d[5] = FloorInt((lMp + lMp) / 10000 + (end * 0.2 + (str * 0.4 + (mag * 0.7 + (con * 0.3 + (l * g) * 0.6)))));
    return d;
}

std::string_view OriginVerdict(std::int64_t oldGrowth, std::int32_t level, std::int32_t potential,
                               const PetPoints& points)
{
    if (oldGrowth >= 4000 || oldGrowth <= 0) {
        return "怀疑假图";
    }
    std::int64_t total = potential;
    for (const std::int32_t p : points) {
        total += p;
    }
    const std::int64_t expected = 10 * static_cast<std::int64_t>(level) + 100;
    if (total == expected) {
        return "可能宝宝";
    }
    return total < expected ? "野生/合成" : "怀疑假图";
}

PetSimulationView PetSimulation::view() const
{
    PetSimulationView v;
    v.level = active_ ? FormatInt(level_) : FormatInt(entered_.level);
    v.stats[0] = active_ ? FormatInt(stats_[0]) : entered_.hp;
    for (std::size_t k = 1; k < kPetStatCount; ++k) {
        v.stats[k] = FormatInt(stats_[k]);
    }
    for (std::size_t i = 0; i < kPetPointCount; ++i) {
        v.points[i] = active_ ? FormatInt(points_[i]) : entered_.points[i];
    }
    v.available = active_ ? FormatInt(available_) : entered_.potential;
    v.remaining = FormatInt(remaining_);
    for (std::size_t i = 0; i < kPetShareFieldCount; ++i) {
        const double value = shares_[i] / 10.0;
        v.shares[i] = shareForms_[i] == ShareForm::OneDecimal ? FormatFixed(value, 1) : FormatDouble(value);
    }
    v.aptitudes = entered_.aptitudes;
    v.growthNew = growthNewText_;
    v.growthOld = growthOldText_;
    v.status = status_;
    v.inputsLocked = active_;
    v.startEnabled = !active_;
    v.activeEnabled = active_;
    v.loadEnabled = active_ && saveSlot_.has_value();
    return v;
}

void PetSimulation::ResetShares()
{
    shares_ = {0, 0, 0, 0, 0, kShareTotal};
    shareForms_.fill(ShareForm::Plain);
}

void PetSimulation::Recompute()
{
    stats_ = DerivedStats(level_, growth_ ? growth_->newScale : 0, aptitudes_, points_);
}

PetOutcome PetSimulation::Start(const PetEntry& entry)
{
    if (active_) {
        return {};
    }
    // The fields keep what was typed whatever the outcome.
    entered_ = entry;
    PetOutcome failed{true, std::nullopt, true};

    bool anyEmpty = entry.hp.empty() || entry.potential.empty();
    for (const auto& p : entry.points) {
        anyEmpty = anyEmpty || p.empty();
    }
    for (const auto& a : entry.aptitudes) {
        anyEmpty = anyEmpty || a.empty();
    }
    if (anyEmpty) {
        status_ = kStatusEmpty;
        failed.warning = kWarnEmpty;
        return failed;
    }

    // Zero where a zero makes no pet (the potential and 躲闪资质 may be 0). A text that is no
    // number the fields can hold counts as wrong input too.
    bool wrong = entry.level < 0 || entry.level > kSimulatorMaxLevel;
    const auto number = [&wrong](const std::string& text, bool zeroAllowed) {
        const auto v = ParseInt32(text);
        if (!v || (*v == 0 && !zeroAllowed)) {
            wrong = true;
            return std::int32_t{0};
        }
        return *v;
    };
    const std::int32_t hp = number(entry.hp, false);
    PetPoints points{};
    for (std::size_t i = 0; i < kPetPointCount; ++i) {
        points[i] = number(entry.points[i], false);
    }
    const std::int32_t potential = number(entry.potential, true);
    PetAptitudes aptitudes{};
    for (std::size_t i = 0; i < kPetAptitudeCount; ++i) {
        aptitudes[i] = number(entry.aptitudes[i], i == 5);
    }
    if (wrong) {
        status_ = kStatusWrong;
        failed.warning = kWarnZero;
        return failed;
    }

    active_ = true;
    level_ = entry.level;
    aptitudes_ = aptitudes;
    points_ = points;
    baseline_ = points;
    available_ = remaining_ = potential;
    growth_ = StartGrowth(level_, hp, aptitudes_[2], points_[0]);
    growthNewText_ = ThousandthsText(growth_->newScale);
    growthOldText_ = ThousandthsText(growth_->oldScale);
    Recompute();
    stats_[0] = hp;  // the HP as the game shows it, until something recomputes it
    snapshot_ = StartSnapshot{level_, points_, potential, stats_};
    status_ = std::string(OriginVerdict(growth_->oldScale, level_, potential, points_));
    return Done();
}

PetOutcome PetSimulation::StepLevel(std::int32_t delta)
{
    if (!active_) {
        return {};
    }
    bool allowed = false;
    switch (delta) {
        case 1:
            allowed = level_ < kSimulatorMaxLevel;
            break;
        case -1:
            allowed = level_ > 0 && available_ >= 5;
            break;
        case 10:
            allowed = level_ <= kSimulatorMaxLevel - 10;
            break;
        case -10:
            allowed = level_ >= 10 && available_ >= 50;
            break;
        default:
            break;
    }
    if (!allowed) {
        return {};
    }
    // Points placed but not confirmed go back before the level moves.
    points_ = baseline_;
    remaining_ = available_;
    ResetShares();
    level_ += delta;
    for (auto& p : points_) {
        p += delta;
    }
    baseline_ = points_;
    remaining_ += 5 * delta;
    available_ += 5 * delta;
    Recompute();
    return Done();
}

PetOutcome PetSimulation::RaisePoint(std::size_t i, std::int32_t n)
{
    if (!active_ || i >= kPetPointCount || (n != 1 && n != 50)) {
        return {};
    }
    if (n == 1 ? remaining_ <= 0 : remaining_ < 50) {
        return {};
    }
    points_[i] += n;
    remaining_ -= n;
    return Done();
}

PetOutcome PetSimulation::LowerPoint(std::size_t i, std::int32_t n)
{
    if (!active_ || i >= kPetPointCount || (n != 1 && n != 50)) {
        return {};
    }
    if (n == 1 ? points_[i] <= baseline_[i] : points_[i] < baseline_[i] + 50) {
        return {};
    }
    points_[i] -= n;
    remaining_ += n;
    return Done();
}

PetOutcome PetSimulation::RaiseShare(std::size_t i, std::int32_t tenths)
{
    if (!active_ || i >= kPetPointCount || (tenths != 1 && tenths != 5)) {
        return {};
    }
    std::int32_t& unassigned = shares_[kPetPointCount];
    if (tenths == 1 ? unassigned <= 0 : unassigned < 5) {
        return {};
    }
    shares_[i] += tenths;
    unassigned -= tenths;
    shareForms_[i] = shareForms_[kPetPointCount] = ShareForm::OneDecimal;
    return Done();
}

PetOutcome PetSimulation::LowerShare(std::size_t i, std::int32_t tenths)
{
    if (!active_ || i >= kPetPointCount || (tenths != 1 && tenths != 5)) {
        return {};
    }
    std::int32_t& unassigned = shares_[kPetPointCount];
    const bool allowed =
        tenths == 1 ? unassigned < kShareTotal && shares_[i] > 0 : unassigned <= kShareTotal - 5 && shares_[i] >= 5;
    if (!allowed) {
        return {};
    }
    shares_[i] -= tenths;
    unassigned += tenths;
    shareForms_[i] = shareForms_[kPetPointCount] = ShareForm::OneDecimal;
    return Done();
}

PetOutcome PetSimulation::ApplyShares()
{
    if (!active_) {
        return {};
    }
    points_ = baseline_;
    remaining_ = available_;
    std::int64_t placed = 0;
    for (std::size_t i = 0; i < kPetPointCount; ++i) {
        // A × S / 5 with S in tenths: A × tenths / 50, floored exactly.
        const auto part = FloorDiv(static_cast<std::int64_t>(available_) * shares_[i], kShareTotal);
        points_[i] += static_cast<std::int32_t>(part);
        placed += part;
    }
    remaining_ = static_cast<std::int32_t>(available_ - placed);
    // Fully split shares leave nothing over: the rounding remainder goes to 耐力.
    if (shares_[kPetPointCount] == 0 && remaining_ != 0) {
        points_[3] += remaining_;
        remaining_ = 0;
    }
    return Done();
}

PetOutcome PetSimulation::TakeAllRemaining(std::size_t i)
{
    if (!active_ || i >= kPetPointCount) {
        return {};
    }
    ResetShares();
    if (remaining_ != 0) {
        points_[i] += remaining_;
        remaining_ = 0;
    }
    return Done();
}

PetOutcome PetSimulation::TakeAllShare(std::size_t i)
{
    if (!active_ || i >= kPetShareFieldCount) {
        return {};
    }
    if (i == kPetPointCount) {
        ResetShares();
        return Done();
    }
    std::int32_t& unassigned = shares_[kPetPointCount];
    if (unassigned <= 0) {
        return {};
    }
    shares_[i] += unassigned;
    unassigned = 0;
    shareForms_[i] = shareForms_[kPetPointCount] = ShareForm::Plain;
    return Done();
}

PetOutcome PetSimulation::UndoPlacing()
{
    if (!active_) {
        return {};
    }
    ResetShares();
    remaining_ = available_;
    points_ = baseline_;
    return Done();
}

PetOutcome PetSimulation::Confirm()
{
    if (!active_) {
        return {};
    }
    available_ = remaining_;
    baseline_ = points_;
    ResetShares();
    Recompute();
    return Done();
}

PetOutcome PetSimulation::Refund()
{
    if (!active_) {
        return {};
    }
    const std::int32_t levels = level_ - snapshot_->level;
    available_ = remaining_ = levels * 5 + snapshot_->potential;
    for (std::size_t i = 0; i < kPetPointCount; ++i) {
        points_[i] = snapshot_->points[i] + levels;
    }
    baseline_ = points_;
    ResetShares();
    Recompute();
    return Done();
}

PetOutcome PetSimulation::Reset()
{
    if (!active_) {
        return {};
    }
    const StartSnapshot start = *snapshot_;
    active_ = false;
    level_ = start.level;
    available_ = remaining_ = start.potential;
    points_ = baseline_ = start.points;
    stats_ = start.stats;
    ResetShares();
    snapshot_.reset();
    saveSlot_.reset();
    growth_.reset();  // its texts stay until the next start
    status_ = "重设完毕";
    // The fields become inputs again, showing what the pet was at the start.
    entered_.level = start.level;
    entered_.hp = FormatInt(start.stats[0]);
    for (std::size_t i = 0; i < kPetPointCount; ++i) {
        entered_.points[i] = FormatInt(start.points[i]);
    }
    entered_.potential = FormatInt(start.potential);
    return PetOutcome{true, std::nullopt, true};
}

PetOutcome PetSimulation::Save()
{
    if (!active_) {
        return {};
    }
    saveSlot_ = SaveSlot{level_, stats_, shares_, points_, available_, remaining_};
    status_ = "保存完毕";
    return PetOutcome{true, "保存完毕！", false};
}

PetOutcome PetSimulation::Load()
{
    if (!active_ || !saveSlot_) {
        return {};
    }
    level_ = saveSlot_->level;
    stats_ = saveSlot_->stats;
    shares_ = saveSlot_->shares;
    shareForms_.fill(ShareForm::OneDecimal);
    points_ = baseline_ = saveSlot_->points;
    available_ = saveSlot_->available;
    remaining_ = saveSlot_->remaining;
    status_ = "读取完毕";
    return PetOutcome{true, "读取完毕！", false};
}

}  // namespace zicalc
