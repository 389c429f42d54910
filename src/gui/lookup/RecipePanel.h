#pragma once

#include <QFrame>
#include <array>

class QLineEdit;

namespace zicalc {

struct FurnitureView;

// The light-yellow recipe panel of the furniture window (Text1): four material columns with their
// prices, the joining tree (Text5), and the level, name and total under it. The columns sit on the
// tree's vertical strokes whatever the font.
class RecipePanel final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecipePanel)

public:
    explicit RecipePanel(QWidget* parent = nullptr);

    void render(const FurnitureView& view);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();
    int strokeX(int line, int stroke) const;

    std::array<QLineEdit*, 4> materials_{};  // Text2(0) … (3)
    std::array<QLineEdit*, 5> prices_{};     // Text3(0) … (4)
    std::array<QLineEdit*, 3> tree_{};       // Text5(1), Text5(0), Text5(2) from the top
    QLineEdit* level_;                       // Text6
    QLineEdit* name_;                        // Text4
};

}  // namespace zicalc
