#pragma once

#include "gui/widgets/PageFrame.h"

namespace zicalc {

// The 其它 page, Frame2(6): scenes, crafting, NPC search and the buttons to the reference windows.
class OtherPage final : public PageFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OtherPage)

public:
    explicit OtherPage(QWidget* parent = nullptr);
};

}  // namespace zicalc
