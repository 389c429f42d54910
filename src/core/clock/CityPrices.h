#pragma once

#include <array>
#include <string_view>

namespace zicalc {

// A city tab of the price panel: its caption and the three buying-price lines it shows.
struct CityBuyingPrice final {
    std::string_view tab;
    std::array<std::string_view, 3> lines;
};

// The five cities' buying-price limits, in tab order; the blanks line the prices up.
inline constexpr std::array<CityBuyingPrice, 5> kCityBuyingPrices{{
    {"地府", {"首饰  <= 4300  可进", "纸钱  <= 3000  可进", "夜明珠<= 8000  可进"}},
    {"傲来", {"帽子  <= 3000  可进", "酒    <= 3500  可进", "蜡烛  <= 1800  可进"}},
    {"北俱", {"人参  <= 7500  可进", "铜油  <= 4000  可进", "铃铛  <= 4000  可进"}},
    {"长寿", {"面粉  <= 3000  可进", "鹿茸  <= 7000  可进", "符    <= 5000  可进"}},
    {"长安", {"佛珠  <= 7000  可进", "扇子  <= 3800  可进", "武器  <= 4000  可进"}},
}};

}  // namespace zicalc
