#pragma once

#include "gui/widgets/PageFrame.h"

namespace zicalc {

// The 帮派 page, Frame2(1): auxiliary skills, cultivation and guild maintenance.
class GuildPage final : public PageFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GuildPage)

public:
    explicit GuildPage(QWidget* parent = nullptr);
};

}  // namespace zicalc
