#include "core/lookup/NpcLocations.h"

namespace zicalc {

std::vector<std::size_t> SearchNpcLocations(std::string_view text)
{
    std::vector<std::size_t> hits;
    if (text.empty() || text == "：" || text == "(" || text == ")") {
        return hits;
    }
    // UTF-8 never starts a character inside another, so a byte match is a character match.
    for (std::size_t i = 0; i < NpcLocations.size(); ++i) {
        if (NpcLocations[i].find(text) != std::string_view::npos) {
            hits.push_back(i);
        }
    }
    return hits;
}

}  // namespace zicalc
