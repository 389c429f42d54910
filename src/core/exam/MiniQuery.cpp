#include "core/exam/MiniQuery.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/app/Numeric.h"
#include "core/exam/QuestionStore.h"

namespace zicalc {

namespace {

// Characters in nearly every question: alone they would list almost the whole bank.
constexpr std::array<std::string_view, 8> kIgnoredMiniSearchTexts{"？", "，", "：", "）", "（", "】", "【", " "};

}  // namespace

bool IsIgnoredMiniSearchText(std::string_view text)
{
    return std::find(kIgnoredMiniSearchTexts.begin(), kIgnoredMiniSearchTexts.end(), text) !=
           kIgnoredMiniSearchTexts.end();
}

std::optional<std::string> MiniQuery::Load(const std::filesystem::path& path)
{
    std::optional<QuestionFileRead> read = ReadQuestionFile(path);
    bank_.Assign(read ? std::move(read->content.records) : std::vector<QuestionRecord>{});
    bank_.MarkLoaded();
    SetSearchText(view_.searchText);
    if (bank_.Empty()) {
        return std::string(kBankMissingMessage);
    }
    return std::nullopt;
}

void MiniQuery::SetSearchText(std::string_view text)
{
    view_.searchText.assign(text);
    view_.previousEnabled = view_.nextEnabled = false;
    view_.position = view_.count = "0";
    view_.question.clear();
    view_.answer.clear();
    matches_.clear();
    index_ = 0;
    pagingAllowed_ = false;
    if (text.empty() || IsIgnoredMiniSearchText(text)) {
        return;
    }
    matches_ = bank_.FindInQuestions(text);
    if (matches_.empty()) {
        return;
    }
    ShowMatch();
    if (matches_.size() >= 2) {
        view_.nextEnabled = true;
        pagingAllowed_ = true;
    }
}

void MiniQuery::ShowMatch()
{
    const QuestionRecord& r = bank_.Record(matches_.at(index_));
    view_.question = r.question;
    view_.answer = r.correct;
    view_.position = FormatInt(static_cast<std::int64_t>(index_) + 1);
    view_.count = FormatInt(static_cast<std::int64_t>(matches_.size()));
}

void MiniQuery::Next()
{
    if (!view_.nextEnabled) {
        return;
    }
    view_.previousEnabled = true;
    ++index_;
    if (index_ + 1 >= matches_.size()) {
        view_.nextEnabled = false;
    }
    ShowMatch();
}

void MiniQuery::Previous()
{
    if (!view_.previousEnabled) {
        return;
    }
    view_.nextEnabled = true;
    --index_;
    if (index_ == 0) {
        view_.previousEnabled = false;
    }
    ShowMatch();
}

bool MiniQuery::Key(MiniKey key)
{
    switch (key) {
        case MiniKey::PageDown:
            Next();
            return false;
        case MiniKey::PageUp:
            Previous();
            return false;
        case MiniKey::Down:
            if (view_.nextEnabled && pagingAllowed_) {
                Next();
                return true;
            }
            return false;
        case MiniKey::Up:
            if (view_.previousEnabled) {
                Previous();
                return true;
            }
            return false;
        case MiniKey::Escape:
            SetSearchText("");
            return true;
    }
    return false;
}

MiniPoint MiniCornerPoint(MiniCornerPlace place, const MiniScreen& screen, int windowWidth, int windowHeight)
{
    const int right = screen.width - windowWidth;
    const int bottom = screen.height - windowWidth - kMiniBottomGap;
    MiniPoint p;
    switch (place) {
        case MiniCornerPlace::BottomLeft:
            p = {0, bottom};
            break;
        case MiniCornerPlace::TopRight:
            p = {right, 0};
            break;
        case MiniCornerPlace::BottomRight:
            p = {right, bottom};
            break;
    }
    // On a short screen the width-based top would put the title bar above the screen (or the
    // window below it), out of reach.
    p.left = std::clamp(p.left, 0, std::max(0, screen.width - windowWidth));
    p.top = std::clamp(p.top, 0, std::max(0, screen.height - windowHeight));
    return {screen.x + p.left, screen.y + p.top};
}

MiniCornerPlace MiniCorner::Press()
{
    switch (value_) {
        case 1:
            value_ = 2;
            return MiniCornerPlace::BottomLeft;
        case 2:
            value_ = 3;
            return MiniCornerPlace::TopRight;
        default:
            value_ = 1;
            return MiniCornerPlace::BottomRight;
    }
}

}  // namespace zicalc
