#pragma once

#include <QWidget>

namespace zicalc {

// The contribution each official post needs, as a read-only grid in two halves side by side.
class Form6 final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form6)

public:
    explicit Form6(QWidget* parent = nullptr);
};

}  // namespace zicalc
