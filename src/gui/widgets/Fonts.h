#pragma once

#include <QFont>

namespace zicalc {

// 宋体 at the given point size, falling back to the CJK families a Debian desktop has.
QFont SongtiFont(double pointSize);

// The program's default font: a CJK sans family with fallbacks, 9 points unless set otherwise.
QFont DefaultFont();

// The default font's size, for every window built after this call (tests check the windows at
// a larger size than the designed 9 points).
void SetDefaultPointSize(double pointSize);

}  // namespace zicalc
