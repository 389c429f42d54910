#pragma once

#include "gui/widgets/PageFrame.h"

namespace zicalc {

// The 角色 page, Frame2(0): experience, school skills and money cap.
class CharacterPage final : public PageFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CharacterPage)

public:
    explicit CharacterPage(QWidget* parent = nullptr);
};

}  // namespace zicalc
