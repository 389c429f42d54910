#pragma once

#include <QWidget>

namespace zicalc {

// One of the six value tables of the crafted-equipment window (Picture1(k)), drawn from the
// integer formulas at paint time, so it stays sharp at any scale.
class EquipmentTablePicture final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EquipmentTablePicture)

public:
    EquipmentTablePicture(int type, QWidget* parent = nullptr);

    int type() const { return type_; }
    // The text of a body cell: row 0 … 14 (levels 10 … 150), column 0 the level, then the five
    // groups with one column per attribute.
    QString cellText(int row, int column) const;
    int columnCount() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int attributeCount() const;
    int cellWidth() const;
    int rowHeight() const;

    int type_;
};

}  // namespace zicalc
