#pragma once

#include "gui/widgets/PageFrame.h"

namespace zicalc {

// The 任务 page, Frame2(2): guild, school, chain and monster-sealing tasks.
class TaskPage final : public PageFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TaskPage)

public:
    explicit TaskPage(QWidget* parent = nullptr);
};

}  // namespace zicalc
