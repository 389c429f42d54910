#include "core/exam/Pinyin.h"

#include <algorithm>
#include <bit>

#include "core/exam/PinyinTable.h"

namespace zicalc {
namespace {

// The code points of valid UTF-8 text (bank texts come from the GBK decoder, so they are valid;
// a stray byte is taken as itself).
std::vector<char32_t> CodePoints(std::string_view text)
{
    std::vector<char32_t> out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        int length = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 1;
        if (i + static_cast<std::size_t>(length) > text.size()) {
            length = 1;
        }
        char32_t c = length == 1 ? b : b & (0xFF >> (length + 1));
        for (int j = 1; j < length; ++j) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + static_cast<std::size_t>(j)]) & 0x3F);
        }
        out.push_back(c);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

bool IsAsciiLetter(char32_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Keywords longer than this are searched exactly (the matcher keeps its states in one word).
constexpr std::size_t kMaxKeyword = 62;

}  // namespace

std::vector<std::string_view> PinyinReadings(char32_t character)
{
    const PinyinTableRow* begin = kPinyinTable;
    const PinyinTableRow* end = kPinyinTable + kPinyinTableSize;
    const PinyinTableRow* row =
        std::lower_bound(begin, end, character, [](const PinyinTableRow& r, char32_t c) { return r.codePoint < c; });
    std::vector<std::string_view> out;
    if (row == end || row->codePoint != character) {
        return out;
    }
    std::string_view all = row->readings;
    while (!all.empty()) {
        const std::size_t comma = all.find(',');
        out.push_back(all.substr(0, comma));
        all.remove_prefix(comma == std::string_view::npos ? all.size() : comma + 1);
    }
    return out;
}

void PinyinSearch::Build()
{
    text_.clear();
    symbols_.assign(1, Symbol{});
    readings_.clear();
    bmpSymbol_.assign(0x10000, 0);
    otherSymbols_.clear();
    auto symbolOf = [this](char32_t c) -> std::uint16_t {
        std::uint16_t* slot = nullptr;
        if (c < 0x10000) {
            slot = &bmpSymbol_[c];
        } else {
            auto it =
                std::find_if(otherSymbols_.begin(), otherSymbols_.end(), [c](const auto& p) { return p.first == c; });
            slot = it != otherSymbols_.end() ? &it->second : &otherSymbols_.emplace_back(c, 0).second;
        }
        if (*slot == 0 && symbols_.size() < 0xFFFF) {
            Symbol s;
            s.character = c;
            s.firstReading = static_cast<std::uint32_t>(readings_.size());
            for (std::string_view r : PinyinReadings(c)) {
                readings_.push_back(r);
                s.initials |= 1U << (r[0] - 'a');
            }
            s.readingCount = static_cast<std::uint32_t>(readings_.size()) - s.firstReading;
            *slot = static_cast<std::uint16_t>(symbols_.size());
            symbols_.push_back(s);
        }
        // Past 65 534 different characters (more than GBK holds) the rest share no number and
        // are only found by the exact search.
        return *slot == 0 ? 0xFFFF : *slot;
    };
    std::size_t total = 0;
    for (std::size_t k = 0; k < bank_.Count(); ++k) {
        total += bank_.Record(k).question.size() + 1;
    }
    text_.reserve(total);
    for (std::size_t k = 0; k < bank_.Count(); ++k) {
        for (char32_t c : CodePoints(bank_.Record(k).question)) {
            text_.push_back(symbolOf(c));
        }
        text_.push_back(0);
    }
    questionEnds_.clear();
    questionEnds_.reserve(bank_.Count());
    words_ = (text_.size() + 63) / 64;
    letterBits_.assign(26 * words_, 0);
    for (std::size_t i = 0; i < text_.size(); ++i) {
        const std::uint16_t symbol = text_[i];
        if (symbol == 0) {
            questionEnds_.push_back(i);
            continue;
        }
        if (symbol == 0xFFFF) {
            continue;
        }
        const char32_t c = symbols_[symbol].character;
        std::uint32_t leads = symbols_[symbol].initials;
        if (IsAsciiLetter(c)) {
            leads |= 1U << ((c | 0x20) - 'a');
        }
        while (leads != 0) {
            const auto letter = static_cast<std::size_t>(std::countr_zero(leads));
            leads &= leads - 1;
            letterBits_[letter * words_ + i / 64] |= std::uint64_t{1} << (i % 64);
        }
    }
    builtGeneration_ = bank_.generation();
    built_ = true;
}

std::vector<std::size_t> PinyinSearch::Find(std::string_view keyword)
{
    const std::vector<char32_t> key = CodePoints(keyword);
    const bool hasLetter = std::any_of(key.begin(), key.end(), IsAsciiLetter);
    if (key.empty() || !hasLetter || key.size() > kMaxKeyword) {
        return bank_.FindInQuestions(keyword);  // pinyin adds nothing to these
    }
    if (!built_ || builtGeneration_ != bank_.generation()) {
        Build();
    }

    // Per keyword position: the symbol it names literally (none when no question holds it) and
    // its letter in lower case for pinyin (0 when it is not a letter).
    const std::size_t n = key.size();
    std::vector<std::uint32_t> literal(n, 0xFFFFFFFF);
    std::string letters(n, '\0');
    for (std::size_t p = 0; p < n; ++p) {
        const char32_t c = key[p];
        if (c < 0x10000) {
            if (bmpSymbol_[c] != 0) {
                literal[p] = bmpSymbol_[c];
            }
        } else {
            for (const auto& [other, symbol] : otherSymbols_) {
                if (other == c) {
                    literal[p] = symbol;
                }
            }
        }
        if (IsAsciiLetter(c)) {
            letters[p] = static_cast<char>(c | 0x20);
        }
    }
    // Which symbols can begin a match: checked first for every character, so most characters
    // cost one look-up.
    std::vector<std::uint8_t> starts(symbols_.size() + 1, 0);
    for (std::size_t s = 1; s < symbols_.size(); ++s) {
        starts[s] = literal[0] == s || (letters[0] != 0 && (symbols_[s].initials >> (letters[0] - 'a') & 1U) != 0);
    }
    const std::uint64_t done = std::uint64_t{1} << n;

    // The keyword positions reachable from position p by one more character, worked out the first
    // time a (position, symbol) pair comes up in this search and looked up after that.
    constexpr std::uint64_t kUnknown = ~std::uint64_t{0};
    const std::size_t symbolCount = symbols_.size();
    std::vector<std::uint64_t> memo(n * symbolCount, kUnknown);
    auto advance = [&](std::size_t p, std::uint16_t symbol) {
        if (symbol >= symbolCount) {
            return std::uint64_t{0};  // a character past the numbered ones: exact search only
        }
        std::uint64_t& to = memo[p * symbolCount + symbol];
        if (to != kUnknown) {
            return to;
        }
        to = 0;
        if (literal[p] == symbol) {
            to |= std::uint64_t{1} << (p + 1);
        }
        if (letters[p] != 0) {
            const Symbol& s = symbols_[symbol];
            for (std::uint32_t r = 0; r < s.readingCount; ++r) {
                const std::string_view reading = readings_[s.firstReading + r];
                std::size_t m = 0;
                while (m < reading.size() && p + m < n && letters[p + m] == reading[m]) {
                    ++m;
                }
                // Any beginning of the reading, its first letter up to all of it.
                to |= ((std::uint64_t{1} << m) - 1) << (p + 1);
            }
        }
        return to;
    };
    // The keyword positions reachable after one more character, from the positions in `from`.
    auto step = [&](std::uint64_t from, std::uint16_t symbol) {
        std::uint64_t to = 0;
        while (from != 0) {
            const auto p = static_cast<std::size_t>(std::countr_zero(from));
            from &= from - 1;
            to |= advance(p, symbol);
        }
        return to;
    };

    std::vector<std::size_t> found;
    if (letters[0] != 0) {
        // Only the characters that can begin a match are tried, each until its match dies.
        const std::uint64_t* bits = letterBits_.data() + static_cast<std::size_t>(letters[0] - 'a') * words_;
        // When the first character cannot take the whole keyword, the next one must begin with the
        // letter after what the first took (kw[m] for the lengths m some reading can take): only
        // characters followed by such a one are tried.
        std::vector<const std::uint64_t*> followers;
        bool filter = true;
        for (std::size_t m = 1; m <= n && filter; ++m) {
            const std::string_view head(letters.data(), m);
            const bool someReading = std::any_of(readings_.begin(), readings_.end(),
                                                 [&](std::string_view r) { return r.starts_with(head); });
            // m = 1 also stands for the letter typed as itself.
            if (head.find('\0') != std::string_view::npos || (m > 1 && !someReading)) {
                break;
            }
            if (m == n || letters[m] == 0) {
                filter = false;  // one character may hold it all, or a character typed as itself follows
            } else {
                followers.push_back(letterBits_.data() + static_cast<std::size_t>(letters[m] - 'a') * words_);
            }
        }
        std::vector<std::uint64_t> next;
        if (filter) {
            next.assign(words_ + 1, 0);
            for (const std::uint64_t* f : followers) {
                for (std::size_t w = 0; w < words_; ++w) {
                    next[w] |= f[w];
                }
            }
        }
        std::size_t question = 0;
        std::size_t resume = 0;
        for (std::size_t w = 0; w < words_; ++w) {
            std::uint64_t b = bits[w];
            if (filter) {
                b &= (next[w] >> 1) | (next[w + 1] << 63);
            }
            for (; b != 0; b &= b - 1) {
                const std::size_t i = w * 64 + static_cast<std::size_t>(std::countr_zero(b));
                if (i < resume) {
                    continue;
                }
                while (questionEnds_[question] < i) {
                    ++question;
                }
                std::uint64_t reached = step(1U, text_[i]);
                for (std::size_t j = i + 1; (reached & done) == 0 && reached != 0 && text_[j] != 0; ++j) {
                    reached = step(reached, text_[j]);
                }
                if ((reached & done) != 0) {
                    found.push_back(question);
                    resume = questionEnds_[question];
                }
            }
        }
        return found;
    }
    std::size_t question = 0;
    std::uint64_t active = 0;  // positions reached inside a match in progress (never 0)
    const std::uint16_t* t = text_.data();
    const std::uint16_t* const end = t + text_.size();
    for (; t < end; ++t) {
        const std::uint16_t symbol = *t;
        if (symbol == 0) {
            ++question;
            active = 0;
            continue;
        }
        if (active == 0 && starts[symbol == 0xFFFF ? symbols_.size() : symbol] == 0) {
            continue;
        }
        active = step(active | 1U, symbol);
        if ((active & done) != 0) {
            found.push_back(question);
            while (*t != 0) {
                ++t;
            }
            ++question;
            active = 0;
        }
    }
    return found;
}

}  // namespace zicalc
