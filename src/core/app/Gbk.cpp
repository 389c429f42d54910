#include "core/app/Gbk.h"

#include <cerrno>
#include <stdexcept>
#include <utility>

#include <iconv.h>

namespace zicalc {

namespace {

// Exactly "GBK": GB18030 writes some characters (the euro sign, for one) as other bytes than the
// files in use, and a translit/ignore suffix would silently change the text.
constexpr const char* kGbk = "GBK";
constexpr const char* kUtf8 = "UTF-8";

class Converter final {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv_open ") + from + " -> " + to + " failed");
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    struct Result final {
        std::string text;
        std::optional<std::size_t> errorAt;
        bool lossy = false;  // iconv reported a non-reversible conversion
    };

    // Converts the whole input in one call (more only when the output buffer has to grow).
    Result Convert(std::string_view in)
    {
        Result result;
        result.text.resize(in.size() * 2 + 16);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // fresh shift state on every use
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        std::size_t written = 0;
        while (true) {
            char* outPtr = result.text.data() + written;
            std::size_t outLeft = result.text.size() - written;
            const std::size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            const int err = errno;
            written = result.text.size() - outLeft;
            if (rc != static_cast<std::size_t>(-1)) {
                result.lossy = rc > 0;
                break;
            }
            if (err == E2BIG) {
                result.text.resize(result.text.size() * 2);
                continue;
            }
            // EILSEQ (bad or unconvertible sequence) or EINVAL (input ends inside a sequence).
            result.errorAt = static_cast<std::size_t>(inPtr - in.data());
            result.text.clear();
            return result;
        }
        result.text.resize(written);
        return result;
    }

private:
    iconv_t cd_;
};

// Byte offset of the first sequence that is not well-formed UTF-8 (overlong forms, surrogates and
// values above U+10FFFF included), or nothing.
std::optional<std::size_t> FirstInvalidUtf8(std::string_view s)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const std::size_t n = s.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t len = 0;
        unsigned char lo = 0x80;
        unsigned char hi = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            if (c == 0xE0) {
                lo = 0xA0;
            } else if (c == 0xED) {
                hi = 0x9F;
            }
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            if (c == 0xF0) {
                lo = 0x90;
            } else if (c == 0xF4) {
                hi = 0x8F;
            }
        } else {
            return i;
        }
        if (i + len > n || p[i + 1] < lo || p[i + 1] > hi) {
            return i;
        }
        for (std::size_t k = 2; k < len; ++k) {
            if (p[i + k] < 0x80 || p[i + k] > 0xBF) {
                return i;
            }
        }
        i += len;
    }
    return std::nullopt;
}

// Length of the UTF-8 character starting at `at` (the input is known to be valid).
std::size_t Utf8Length(unsigned char lead)
{
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// Slow path, only after iconv said it could not map something one to one: the first character
// that does not survive on its own.
std::size_t FirstLossyCharacter(Converter& toGbk, std::string_view utf8)
{
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t len = Utf8Length(static_cast<unsigned char>(utf8[i]));
        if (toGbk.Convert(utf8.substr(i, len)).lossy) {
            return i;
        }
        i += len;
    }
    return 0;
}

}  // namespace

GbkResult DecodeGbk(std::string_view gbkBytes)
{
    Converter toUtf8(kUtf8, kGbk);
    auto converted = toUtf8.Convert(gbkBytes);
    return GbkResult{std::move(converted.text), converted.errorAt};
}

GbkResult EncodeGbk(std::string_view utf8Text)
{
    if (const auto bad = FirstInvalidUtf8(utf8Text)) {
        return GbkResult{{}, bad};
    }
    Converter toGbk(kGbk, kUtf8);
    auto converted = toGbk.Convert(utf8Text);
    if (converted.errorAt) {
        return GbkResult{{}, converted.errorAt};
    }
    if (converted.lossy) {
        return GbkResult{{}, FirstLossyCharacter(toGbk, utf8Text)};
    }
    return GbkResult{std::move(converted.text), std::nullopt};
}

std::optional<std::string> FirstCharacterNotInGbk(std::string_view utf8Text)
{
    const GbkResult encoded = EncodeGbk(utf8Text);
    if (encoded.ok()) {
        return std::nullopt;
    }
    const std::size_t at = *encoded.errorAt;
    if (FirstInvalidUtf8(utf8Text) == at) {
        // Not a character at all: hand back the offending byte as it is.
        return std::string(utf8Text.substr(at, 1));
    }
    return std::string(utf8Text.substr(at, Utf8Length(static_cast<unsigned char>(utf8Text[at]))));
}

}  // namespace zicalc
