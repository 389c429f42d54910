#pragma once

#include <QFont>

namespace zicalc {

// 宋体 at the given point size, falling back to the CJK families a Debian desktop has.
QFont SongtiFont(double pointSize);

// The program's default font: a CJK sans family with fallbacks.
QFont DefaultFont();

}  // namespace zicalc
