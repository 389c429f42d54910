#pragma once

#include <cstddef>

namespace zicalc {

// One character's readings without tones, comma-separated ("zhang,chang"); ü is written v.
struct PinyinTableRow final {
    char32_t codePoint;
    const char* readings;
};

// Made at build time from a maintained data package (tools/make_pinyin_table.py), sorted by code
// point; every character GBK holds that the data knows.
extern const PinyinTableRow kPinyinTable[];
extern const std::size_t kPinyinTableSize;

}  // namespace zicalc
