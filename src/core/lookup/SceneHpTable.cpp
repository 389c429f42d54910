#include "core/lookup/SceneHpTable.h"

#include <algorithm>

namespace zicalc {

int DisplayWidth(std::string_view utf8)
{
    int width = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            width += 1;
        } else if (byte >= 0xC0) {
            width += 2;  // lead byte of a wide character; continuation bytes add nothing
        }
    }
    return width;
}

std::string MonsterLine(const SceneHp& scene, std::size_t monster)
{
    int widest = 0;
    for (const auto& m : scene.monsters) {
        widest = std::max(widest, DisplayWidth(m.name));
    }
    const MonsterHp& m = scene.monsters.at(monster);
    std::string line(m.name);
    line.append(static_cast<std::size_t>(widest + 1 - DisplayWidth(m.name)), ' ');
    line += "血量";
    for (const auto& value : m.hp) {
        line += " <";
        if (value) {
            line += std::to_string(*value);
        }
        line += '>';
    }
    return line;
}

}  // namespace zicalc
