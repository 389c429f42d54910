#include "gui/lookup/Form6.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/lookup/OfficialPosts.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

namespace {

QTableWidgetItem* Cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

}  // namespace

Form6::Form6(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("各官职所需贡献"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DefaultFont());
    auto* layout = new QVBoxLayout(this);

    auto* heading = MakeNamedLabel(QStringLiteral("Label1"), QStringLiteral("官职所需贡献一览"), this);
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    heading->setFont(big);
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    auto* inner = new QVBoxLayout(frame);
    auto* table = new QTableWidget(kOfficialPostRows, 6, frame);
    table->setObjectName(QStringLiteral("Picture1"));
    table->setAccessibleName(QStringLiteral("官职贡献表"));
    table->setHorizontalHeaderLabels({QStringLiteral("序号"), QStringLiteral("官职名称"), QStringLiteral("所需贡献"),
                                      QStringLiteral("序号"), QStringLiteral("官职名称"), QStringLiteral("所需贡献")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    // Posts 1 … 22 on the left, 23 … 43 on the right; the right half of the last row stays empty.
    for (std::size_t i = 0; i < OfficialPostTable.size(); ++i) {
        const OfficialPost& post = OfficialPostTable[i];
        const int row = static_cast<int>(i) % kOfficialPostRows;
        const int column = static_cast<int>(i) < kOfficialPostRows ? 0 : 3;
        table->setItem(row, column, Cell(QString::number(post.number)));
        table->setItem(row, column + 1, Cell(ToQ(post.name)));
        table->setItem(row, column + 2, Cell(QString::number(post.contribution)));
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The whole table shows at once: size the grid to its contents.
    int width = 2 * table->frameWidth();
    for (int c = 0; c < table->columnCount(); ++c) {
        width += table->columnWidth(c);
    }
    int height = 2 * table->frameWidth() + table->horizontalHeader()->sizeHint().height();
    for (int r = 0; r < table->rowCount(); ++r) {
        height += table->rowHeight(r);
    }
    table->setFixedSize(width, height);
    inner->addWidget(table);
    layout->addWidget(frame, 0, Qt::AlignCenter);
}

}  // namespace zicalc
