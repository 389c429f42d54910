#include "core/app/Navigation.h"

namespace zicalc {

CategoryDecision DecideCategorySwitch(int clicked, const CategoryState& state)
{
    CategoryDecision d;
    if (clicked == kChildrenCategory) {
        if (state.current != kChildrenCategory && !state.bankPageShown) {
            d.warning = "对不起,暂不开放!";
        }
        return d;
    }
    if (clicked == kExamCategory && !state.bankFileExists) {
        d.warning = "找不到科举题库!";
        return d;
    }
    if (clicked == state.current || state.bankPageShown) {
        return d;
    }
    d.switchTo = clicked;
    d.loadBank = clicked == kExamCategory && !state.bankLoaded;
    return d;
}

}  // namespace zicalc
