#include "core/pets/PetCatalogue.h"

#include <string>

namespace zicalc {

std::optional<std::string_view> CertificationFee(std::string_view carryLevel)
{
    for (const auto& row : CertificationFeeTable) {
        if (row.carryLevel == carryLevel) {
            return row.fee;
        }
    }
    return std::nullopt;
}

const PetRecord* FindPet(std::string_view name)
{
    for (const auto& pet : PetCatalogue) {
        if (pet.name == name) {
            return &pet;
        }
    }
    return nullptr;
}

Outcome PetLookup(std::string_view name)
{
    Outcome out;
    if (const PetRecord* pet = FindPet(name)) {
        const auto texts = pet->texts();
        for (std::size_t i = 0; i < texts.size(); ++i) {
            out.Text("Text16(" + std::to_string(i) + ")", std::string(texts[i]));
        }
    }
    return out;
}

}  // namespace zicalc
