#include <string_view>

#include "core/pets/PetSimulation.h"

namespace zicalc {

namespace {

struct SimulatorKind final {
    std::string_view name;
};

// The kinds of the simulator's 名称 list, in list order; each is followed there by its 变异 form.
constexpr std::array<SimulatorKind, 58> kSimulatorKinds{{
    {"大海龟"},   {"巨蛙"},     {"树怪"},     {"护卫"},     {"野猪"},     {"赌徒"},     {"强盗"},     {"山贼"},
    {"海毛虫"},   {"大蝙蝠"},   {"老虎"},     {"黑熊"},     {"骷髅怪"},   {"羊头怪"},   {"蛤蟆精"},   {"狐狸精"},
    {"花妖"},     {"狼"},       {"牛妖"},     {"虾兵"},     {"蟹将"},     {"野鬼"},     {"小龙女"},   {"牛头"},
    {"马面"},     {"僵尸"},     {"龟丞相"},   {"兔子怪"},   {"蜘蛛精"},   {"黑熊精"},   {"白熊"},     {"雷鸟人"},
    {"蝴蝶仙子"}, {"古代瑞兽"}, {"黑山老妖"}, {"风伯"},     {"天兵"},     {"天将"},     {"地狱战神"}, {"蛟龙"},
    {"凤凰"},     {"雨师"},     {"如意仙子"}, {"芙蓉仙子"}, {"巡游天神"}, {"星灵仙子"}, {"吸血鬼"},   {"幽灵"},
    {"律法女娲"}, {"灵符女娲"}, {"鬼将"},     {"净瓶女娲"}, {"炎魔神"},   {"雾中仙"},   {"灵鹤"},     {"噬天虎"},
    {"夜罗刹"},   {"大力金刚"},
}};

// The special pets at the end of the list, which have no 变异 form.
constexpr std::array<SimulatorKind, 5> kSimulatorSpecials{{
    {"泡泡"},
    {"超级泡泡"},
    {"超级熊猫"},
    {"超级金猴"},
    {"超级大象"},
}};

}  // namespace

const std::array<std::string, 121>& SimulatorPetNames()
{
    static const std::array<std::string, 121> names = [] {
        std::array<std::string, 121> out;
        std::size_t n = 0;
        for (const auto& kind : kSimulatorKinds) {
            out[n++] = std::string(kind.name);
            out[n++] = "变异" + std::string(kind.name);
        }
        for (const auto& special : kSimulatorSpecials) {
            out[n++] = std::string(special.name);
        }
        return out;
    }();
    return names;
}

}  // namespace zicalc
