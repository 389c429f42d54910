#include "core/lookup/Storyline.h"

namespace zicalc {

namespace {

int StorylineOf(int item)
{
    if (item < 0 || item >= static_cast<int>(StorylineItems.size())) {
        return kNoStoryline;
    }
    return StorylineItems[static_cast<std::size_t>(item)].storyline;
}

}  // namespace

std::string StorylineTextName(int text)
{
    if (text == 0) {
        return "Text1";
    }
    const int story = (text - 1) / kStorylinePageCount;
    const int page = (text - 1) % kStorylinePageCount;
    return "Text" + std::to_string(story + 2) + "(" + std::to_string(page) + ")";
}

std::string_view StorylineText(int text)
{
    if (text == 0) {
        return StorylinePreface;
    }
    if (text < 0 || text >= kStorylineTextCount) {
        return {};
    }
    const auto story = static_cast<std::size_t>((text - 1) / kStorylinePageCount);
    const auto page = static_cast<std::size_t>((text - 1) % kStorylinePageCount);
    return StorylinePages[story].pages[page];
}

StorylineGuide::StorylineGuide()
{
    Select(1);
}

void StorylineGuide::Select(int item)
{
    view_.page = 0;
    view_.item = item;
    const int story = StorylineOf(item);
    if (story == kPreface) {
        view_.text = 0;
        view_.buttonsEnabled = false;
    } else if (story >= 0) {
        view_.text = StorylineTextIndex(story, 0);
        view_.buttonsEnabled = true;
    } else {
        view_.text = kNoStorylineText;
        view_.buttonsEnabled = false;
    }
}

void StorylineGuide::ShowPage(int page)
{
    const int story = StorylineOf(view_.item);
    if (story < 0 || page == view_.page || page < 0 || page >= kStorylinePageCount) {
        return;
    }
    view_.page = page;
    view_.text = StorylineTextIndex(story, page);
}

}  // namespace zicalc
