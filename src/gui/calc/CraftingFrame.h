#pragma once

#include <QGroupBox>

class QComboBox;

namespace zicalc {

// The frame "打造裁缝炼金熟练度" (Frame9(6)) of the 其它 page: what crafting an item of a level
// needs.
class CraftingFrame final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CraftingFrame)

public:
    explicit CraftingFrame(QWidget* parent = nullptr);

signals:
    // "属性列表" (Button16): the crafted-equipment values are wanted; the shell opens them.
    void attributeListRequested();

private:
    void onLevelChosen();

    QComboBox* combo4_;  // read here; the values are reached by name
};

}  // namespace zicalc
