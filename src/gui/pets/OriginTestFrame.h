#pragma once

#include <QWidget>
#include <array>

namespace zicalc {

class NumericField;

// The frame "宝宝判别" (Frame7(1)) of the 召唤兽 page: born baby, synthesised or wild, from the
// level, the five attribute points and the unspent potential.
class OriginTestFrame final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OriginTestFrame)

public:
    explicit OriginTestFrame(QWidget* parent = nullptr);

private:
    void onCompute();

    std::array<NumericField*, 7> text15_{};  // the inputs; the verdict Text15(7) is reached by name
};

}  // namespace zicalc
