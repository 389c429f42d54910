#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zicalc {

inline constexpr std::size_t kSceneCount = 47;

// A wild monster of a scene and its three HP values; the table lacks some values.
struct MonsterHp final {
    std::string_view name;
    std::array<std::optional<int>, 3> hp;
};

// A hunting scene: its title as the card shows it and its monsters in line order (one to six).
struct SceneHp final {
    std::string_view title;
    std::vector<MonsterHp> monsters;
};

// Every scene of the HP card, by scene index 0 … 46 (defined in SceneHpTableData.cpp).
extern const std::array<SceneHp, kSceneCount> SceneHpTable;

// Where a scene's clickable name stands on the card (row 0 … 9, column 0 … 4) and its caption.
struct SceneLabel final {
    std::size_t scene;
    int row;
    int column;
    std::string_view caption;
};

// The card's scene names row by row as they stand; the order is the game's, not the index.
extern const std::array<SceneLabel, kSceneCount> SceneLabelGrid;

// Columns a text takes in a fixed-pitch CJK font: one per ASCII character, two per other character.
int DisplayWidth(std::string_view utf8);

// The display line of one monster of `scene`: its name padded so that "血量" starts in the same
// column on every line of the scene, then the three values in angle brackets, a missing one as "<>".
std::string MonsterLine(const SceneHp& scene, std::size_t monster);

}  // namespace zicalc
