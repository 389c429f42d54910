#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/app/Rgb.h"
#include "core/lookup/SceneHpTable.h"

namespace zicalc {

// Index of the caption-less scene label that stands for "no scene selected".
inline constexpr std::size_t kNoScene = kSceneCount;
inline constexpr std::size_t kSceneLineCount = 7;  // the title and up to six monsters

// What the HP card shows: its seven lines with their colours and the colour of every scene label.
struct SceneHpCardView final {
    std::array<std::string, kSceneLineCount> lines;
    std::array<Rgb, kSceneLineCount> lineColours;
    std::array<Rgb, kSceneCount + 1> labelColours;
};

// The state of the scene HP card: which scene label is marked and the lines it shows.
class SceneHpCard final {
public:
    SceneHpCard();

    // A click on scene label k (0 … 47): mark it, then show its title and monster lines.
    void Show(std::size_t scene);
    // Empty every line and paint the marked label blue again; the mark itself stays where it is,
    // so clicking the same label again does not paint it red.
    void Clear();

    std::size_t SelectedScene() const { return selected_; }
    const SceneHpCardView& View() const { return view_; }

private:
    std::size_t selected_ = kNoScene;
    SceneHpCardView view_;
};

}  // namespace zicalc
