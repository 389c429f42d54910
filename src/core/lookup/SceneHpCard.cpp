#include "core/lookup/SceneHpCard.h"

#include <stdexcept>

namespace zicalc {

namespace {
constexpr Rgb kTitlePurple{192, 0, 192};
}  // namespace

SceneHpCard::SceneHpCard()
{
    view_.lineColours[0] = kTitlePurple;
    for (std::size_t i = 1; i < kSceneLineCount; ++i) {
        view_.lineColours[i] = (i % 2 == 1) ? colours::kBlue : colours::kMagenta;
    }
    view_.labelColours.fill(colours::kBlue);
}

void SceneHpCard::Show(std::size_t scene)
{
    if (scene > kNoScene) {
        throw std::out_of_range("scene label");
    }
    for (auto& line : view_.lines) {
        line.clear();
    }
    if (scene != selected_) {
        view_.labelColours[scene] = colours::kRed;
        view_.labelColours[selected_] = colours::kBlue;
        selected_ = scene;
    }
    if (scene == kNoScene) {
        return;
    }
    const SceneHp& hp = SceneHpTable[scene];
    view_.lines[0] = std::string(hp.title);
    for (std::size_t m = 0; m < hp.monsters.size() && m + 1 < kSceneLineCount; ++m) {
        view_.lines[m + 1] = MonsterLine(hp, m);
    }
}

void SceneHpCard::Clear()
{
    for (auto& line : view_.lines) {
        line.clear();
    }
    view_.labelColours[selected_] = colours::kBlue;
}

}  // namespace zicalc
