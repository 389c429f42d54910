#include "core/lookup/Furniture.h"

namespace zicalc {

std::string_view FurnitureLabelCaption(int label)
{
    if (label >= 0 && label < kFirstRecipeLabel) {
        return MaterialPrices[static_cast<std::size_t>(label)].caption;
    }
    if (label >= kFirstRecipeLabel && label < kFirstNameOnlyLabel) {
        return FurnitureRecipes[static_cast<std::size_t>(label - kFirstRecipeLabel)].caption;
    }
    if (label >= kFirstNameOnlyLabel && label < kNoFurnitureLabel) {
        return FurnitureNamesOnly[static_cast<std::size_t>(label - kFirstNameOnlyLabel)].caption;
    }
    return {};
}

int FurnitureLabelPage(int label)
{
    if (label < kFirstRecipeLabel) {
        return 0;
    }
    if (label < 34) {
        return 1;
    }
    if (label < kFirstNameOnlyLabel) {
        return 2;
    }
    if (label < 70) {
        return 3;
    }
    return label < kNoFurnitureLabel ? 4 : -1;
}

std::int32_t MaterialPriceOf(std::string_view name)
{
    for (const MaterialPrice& m : MaterialPrices) {
        if (m.name == name) {
            return m.price;
        }
    }
    return 0;
}

FurnitureCard::FurnitureCard()
{
    view_.labelColours.fill(colours::kBlue);
    view_.pageButtons.fill(kFurniturePageButton);
    view_.pageButtons[0] = colours::kSelectedCategory;
}

void FurnitureCard::ClearSelection()
{
    view_.labelColours[static_cast<std::size_t>(selected_)] = colours::kBlue;
    selected_ = kNoFurnitureLabel;
}

void FurnitureCard::ClickLabel(int label)
{
    if (label < 0 || label >= kNoFurnitureLabel) {
        return;
    }
    if (label != selected_) {
        view_.labelColours[static_cast<std::size_t>(selected_)] = colours::kBlue;
        view_.labelColours[static_cast<std::size_t>(label)] = colours::kRed;
        selected_ = label;
    }
    if (label < kFirstRecipeLabel) {
        const MaterialPrice& m = MaterialPrices[static_cast<std::size_t>(label)];
        view_.name = m.name;
        view_.prices[4] = std::to_string(m.price);
    } else if (label < kFirstNameOnlyLabel) {
        const FurnitureRecipe& r = FurnitureRecipes[static_cast<std::size_t>(label - kFirstRecipeLabel)];
        for (std::size_t i = 0; i < r.materials.size(); ++i) {
            view_.materials[i] = r.materials[i];
            // A column without a material stays blank, not "0".
            view_.prices[i] = r.materials[i].empty() ? std::string() : std::to_string(MaterialPriceOf(r.materials[i]));
        }
        view_.level = r.level;
        view_.name = r.name;
        view_.prices[4] = std::to_string(r.total);
    } else {
        view_.name = FurnitureNamesOnly[static_cast<std::size_t>(label - kFirstNameOnlyLabel)].name;
    }
}

void FurnitureCard::ClickPage(int page)
{
    if (page < 0 || page >= kFurniturePageCount) {
        return;
    }
    ClearSelection();
    if (page == view_.page) {
        return;
    }
    view_.pageButtons[static_cast<std::size_t>(view_.page)] = kFurniturePageButton;
    view_.pageButtons[static_cast<std::size_t>(page)] = colours::kSelectedCategory;
    view_.page = page;
    for (auto& s : view_.materials) {
        s.clear();
    }
    for (auto& s : view_.prices) {
        s.clear();
    }
    view_.level.clear();
    view_.name.clear();
}

}  // namespace zicalc
