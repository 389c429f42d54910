#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/Rgb.h"

namespace zicalc {

// A furniture material: the label's caption, the name the recipe panel shows, its price in 两.
struct MaterialPrice final {
    std::string_view caption;
    std::string_view name;
    std::int32_t price;
};

// A furniture recipe of grade one or two: two to four materials (by shown name, in order, empty
// past the last) and the total of their prices.
struct FurnitureRecipe final {
    std::string_view caption;
    std::string_view name;
    std::string_view level;
    std::array<std::string_view, 4> materials;
    std::int32_t total;
};

// A piece of grade three or four, of which only the name is known.
struct FurnitureName final {
    std::string_view caption;
    std::string_view name;
};

// The labels of the furniture window, in index order: materials, recipes, names only, then the
// caption-less label that stands for "nothing selected".
inline constexpr int kFirstRecipeLabel = 18;
inline constexpr int kFirstNameOnlyLabel = 56;
inline constexpr int kNoFurnitureLabel = 75;
inline constexpr int kFurnitureLabelCount = 76;
inline constexpr int kFurniturePageCount = 5;

extern const std::array<MaterialPrice, 18> MaterialPrices;      // Label(0) … Label(17)
extern const std::array<FurnitureRecipe, 38> FurnitureRecipes;  // Label(18) … Label(55)
extern const std::array<FurnitureName, 19> FurnitureNamesOnly;  // Label(56) … Label(74)

// Caption of Label(i) ("" for the sentinel) and the page it sits on.
std::string_view FurnitureLabelCaption(int label);
int FurnitureLabelPage(int label);

// The price of a material by its shown name; 0 for a name no material has.
std::int32_t MaterialPriceOf(std::string_view name);

inline constexpr Rgb kFurniturePageButton{210, 209, 228};

// What the furniture window shows.
struct FurnitureView final {
    int page = 0;                                          // CurrentFurniturePage
    std::array<Rgb, kFurniturePageCount> pageButtons{};    // Button1(0) … Button1(4)
    std::array<Rgb, kFurnitureLabelCount> labelColours{};  // Label(0) … Label(75)
    std::array<std::string, 4> materials;                  // Text2(0) … Text2(3)
    std::array<std::string, 5> prices;                     // Text3(0) … Text3(4), (4) the total
    std::string level;                                     // Text6
    std::string name;                                      // Text4
};

// The furniture window's state and handlers; the window renders view() after each.
class FurnitureCard final {
public:
    FurnitureCard();

    const FurnitureView& view() const { return view_; }
    int selected() const { return selected_; }

    void ClickLabel(int label);  // Label(i)
    void ClickPage(int page);    // Button1(0) … Button1(4)
    void ClearSelection();       // also the first step of "关闭"

private:
    FurnitureView view_;
    int selected_ = kNoFurnitureLabel;  // SelectedFurnitureLabel
};

}  // namespace zicalc
