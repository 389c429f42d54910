#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zicalc {

// Text on disk is GBK (code page 936); everything in memory is UTF-8. Conversion is always of a
// whole text, never line by line, and never lossy: a byte sequence that does not decode, or a
// character that GBK cannot hold, is reported where it is, not replaced.
struct GbkResult final {
    std::string text;                    // the converted text when ok()
    std::optional<std::size_t> errorAt;  // byte offset in the input of the first bad spot
    bool ok() const { return !errorAt.has_value(); }
};

GbkResult DecodeGbk(std::string_view gbkBytes);
GbkResult EncodeGbk(std::string_view utf8Text);

// The first character of `utf8Text` that GBK cannot hold (as UTF-8), or nothing when every
// character can be written. Fields use it to refuse what the user typed or pasted.
std::optional<std::string> FirstCharacterNotInGbk(std::string_view utf8Text);

}  // namespace zicalc
