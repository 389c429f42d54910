#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace zicalc {

class DcButton;

// The frame "NPC位置查询" (Frame9(5)) of the 其它 page: every NPC location line that contains the
// text of Text24 is listed in List1, refreshed on every change of the text.
class NpcSearchFrame final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NpcSearchFrame)

public:
    explicit NpcSearchFrame(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search(const QString& text);
    void clearSearch();

    QLineEdit* text24_ = nullptr;
    QListWidget* list1_ = nullptr;
    DcButton* button21_ = nullptr;
};

}  // namespace zicalc
