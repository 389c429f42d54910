#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zicalc {

// The clock's help text, line by line; the quotes round 启动 and 停止 are part of it.
inline constexpr std::array<std::string_view, 39> kClockHelpLines{
    "",
    " 跑商时钟说明(双击关闭此窗口):",
    "",
    " 1.左上角紫色按钮为显示说明帮助.",
    "",
    " 2.右上角蓝色按钮为显示手动调时窗",
    "   口。此窗口作用是：当手动对时跟",
    "   zi中的时辰有误差时，可以用此",
    "   来调快或者调慢时间，以达到和琪",
    "   沐同步的目的。（当时间比zi的",
    "   慢时，就把时间调小；当比zi的",
    "   快时，就把时间调大些。）",
    "",
    " 3.\"启动\"按钮是当钟面停止走动时，",
    "   按下后会继续走动。",
    "",
    " 4.\"停止\"按钮是当需要手动修改时间",
    "   时，按下后钟面会停止走动，这时",
    "   就可以进行手动对时（点12时辰按",
    "   钮）和手动调时（点右上角按钮）",
    "",
    " 5.钟面走动时不能对时和调时.",
    "",
    " 6.当第一次使用或者每星期二的zi",
    "   维护后，钟面均为停止走动状态，",
    "   这时，只要在zi转换时辰的瞬间",
    "   按下钟面上对应的时辰按钮，则时",
    "   钟就会走动，即使关闭钟面，下次",
    "   再打开也会继续走动，无需再次对",
    "   时（除了星期二的维护和临时维护",
    "   外）。",
    "",
    " 7.钟面上红针走动一圈为真实时间的",
    "   30秒；蓝针走动一圈为真实时间的",
    "   30分钟。",
    "",
    " 8.进度条满为10分钟.",
    "",
    " 9.倒数计时同为10分钟倒数.",
};

// The help text whole, every line ended by the given line break (CR LF as the window keeps it).
std::string ClockHelpText(std::string_view lineBreak = "\r\n");

}  // namespace zicalc
