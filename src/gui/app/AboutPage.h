#pragma once

#include "gui/widgets/PageFrame.h"

namespace zicalc {

// The 关于 page, Frame2(7): release notes, the notice button and the thanks.
class AboutPage final : public PageFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutPage)

public:
    explicit AboutPage(QWidget* parent = nullptr);
};

}  // namespace zicalc
