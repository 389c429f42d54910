#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "core/app/Outcome.h"

namespace zicalc {

inline constexpr std::size_t kPetCount = 58;
inline constexpr std::size_t kPetFieldCount = 12;

// One kind of pet: its name and the twelve texts the encyclopedia shows, each exactly as the
// catalogue writes it (not numbers: "1500+", "6000+", "暂无" and "飞升" are texts like any other).
struct PetRecord final {
    std::string_view name;
    std::string_view carryLevel;  // Text16(0)
    std::string_view fee;         // Text16(1), always CertificationFee(carryLevel)
    std::string_view attack;      // Text16(2) 攻击
    std::string_view defence;     // Text16(3) 防御
    std::string_view stamina;     // Text16(4) 体力
    std::string_view mana;        // Text16(5) 法力
    std::string_view speed;       // Text16(6) 速度
    std::string_view dodge;       // Text16(7) 躲闪
    std::string_view lifespan;    // Text16(8) 寿命
    std::string_view skills;      // Text16(9) 拥有技能
    std::string_view growth;      // Text16(10) 成长率(旧)
    std::string_view scenes;      // Text16(11) 出现场景

    // The twelve texts in the order of the fields Text16(0) … Text16(11).
    constexpr std::array<std::string_view, kPetFieldCount> texts() const
    {
        return {carryLevel, fee, attack, defence, stamina, mana, speed, dodge, lifespan, skills, growth, scenes};
    }
};

// All pets in the order the name list shows them (PetCatalogueData.cpp).
extern const std::array<PetRecord, kPetCount> PetCatalogue;

struct CertificationFeeRow final {
    std::string_view carryLevel;
    std::string_view fee;  // in 两
};

// The certification fee of a pet by the level needed to carry it.
inline constexpr std::array<CertificationFeeRow, 13> CertificationFeeTable{{
    {"0", "0"},
    {"5", "24000"},
    {"15", "96000"},
    {"25", "200000"},
    {"35", "336000"},
    {"45", "504000"},
    {"55", "704000"},
    {"65", "936000"},
    {"75", "1200000"},
    {"95", "1824000"},
    {"105", "2184000"},
    {"125", "3000000"},
    {"飞升", "3000000"},
}};

// The fee for a carry level, or nullopt for a level the table does not know.
std::optional<std::string_view> CertificationFee(std::string_view carryLevel);

// The first record whose name equals `name` exactly, or nullptr.
const PetRecord* FindPet(std::string_view name);

// The lookup behind Combo1: the chosen name in, the twelve texts Text16(0) … Text16(11) out; a
// name that is not in the catalogue changes nothing.
Outcome PetLookup(std::string_view name);

}  // namespace zicalc
