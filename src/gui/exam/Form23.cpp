#include "gui/exam/Form23.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/app/FileIo.h"
#include "core/exam/QuestionStore.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/ModalGuard.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Warning.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

bool ConfirmBox(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("请确认"), text, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("ConfirmBox"));
    QPushButton* yes = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    yes->setObjectName(QStringLiteral("Button1"));
    QPushButton* no = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    no->setObjectName(QStringLiteral("Button2"));
    box.setDefaultButton(no);
    KeepModalInReach(&box);
    box.exec();
    return box.clickedButton() == yes;
}

Form23::Form23(std::filesystem::path bankPath, BankBackups& backups, QWidget* parent)
    : QDialog(parent),
      bankPath_(std::move(bankPath)),
      backups_(backups),
      chooseFile_([](QWidget* p) {
          return QFileDialog::getOpenFileName(p, QStringLiteral("选择要合并的题库"), QString(),
                                              QStringLiteral("题库 (*.dat);;所有文件 (*)"));
      }),
      confirm_(&ConfirmBox)
{
    setObjectName(QStringLiteral("Form23"));
    setWindowTitle(QStringLiteral("题库备份与合并"));
    setFont(DefaultFont());
    KeepModalInReach(this);
    auto* layout = new QVBoxLayout(this);

    auto* frame1 = MakeFrame(QStringLiteral("Frame1"), QStringLiteral("备份（最新的在前，保留最近20个）"), this);
    auto* backupBox = new QVBoxLayout(frame1);
    list1_ = new QListWidget(frame1);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setMinimumHeight(list1_->fontMetrics().lineSpacing() * 8);
    SetTextColour(list1_, colours::kBlue);
    backupBox->addWidget(list1_);
    layout->addWidget(frame1, 1);

    frame2_ = MakeFrame(QStringLiteral("Frame2"), QStringLiteral("合并预览"), this);
    auto* previewBox = new QVBoxLayout(frame2_);
    counts_ = MakeNamedLabel(QStringLiteral("Label1"), QString(), frame2_);
    previewBox->addWidget(counts_);
    conflicts_ = new QTableWidget(0, 4, frame2_);
    conflicts_->setObjectName(QStringLiteral("Grid1"));
    conflicts_->setHorizontalHeaderLabels({QStringLiteral("题目"), QStringLiteral("我们的答案"),
                                           QStringLiteral("对方的答案"), QStringLiteral("用对方的")});
    conflicts_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 4; ++c) {
        conflicts_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    }
    conflicts_->verticalHeader()->setVisible(false);
    conflicts_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    conflicts_->setSelectionMode(QAbstractItemView::NoSelection);
    conflicts_->setMinimumHeight(conflicts_->fontMetrics().lineSpacing() * 7);
    previewBox->addWidget(conflicts_);
    mergeConfirm_ = new DcButton(QStringLiteral("Button1(3)"), QStringLiteral("确认合并"), 3, frame2_);
    previewBox->addWidget(mergeConfirm_, 0, Qt::AlignRight);
    frame2_->setVisible(false);
    layout->addWidget(frame2_, 2);

    auto* row = new QHBoxLayout();
    row->addStretch(1);
    restore_ = new DcButton(QStringLiteral("Button1(0)"), QStringLiteral("恢复"), 0, this);
    auto* merge = new DcButton(QStringLiteral("Button1(1)"), QStringLiteral("合并题库"), 1, this);
    auto* close = new DcButton(QStringLiteral("Button1(2)"), QStringLiteral("关闭"), 2, this);
    for (DcButton* b : {restore_, merge, close}) {
        b->setMinimumWidth(80);
        row->addWidget(b);
    }
    layout->addLayout(row);

    connect(restore_, &DcButton::clickedIndex, this, &Form23::restoreSelected);
    connect(merge, &DcButton::clickedIndex, this, &Form23::chooseMerge);
    connect(close, &DcButton::clickedIndex, this, &QDialog::accept);
    connect(mergeConfirm_, &DcButton::clickedIndex, this, &Form23::confirmMerge);
    connect(list1_, &QListWidget::currentRowChanged, this, [this](int r) { restore_->setEnabled(r >= 0); });
    resize(620, 300);
    refreshBackups();
}

Form23::~Form23() = default;

void Form23::refreshBackups()
{
    listed_ = backups_.List();
    list1_->clear();
    for (const BankBackup& b : listed_) {
        list1_->addItem(QStringLiteral("%1    %2道题").arg(ToQ(b.TimeText())).arg(BackupQuestionCount(b.path)));
    }
    if (listed_.empty()) {
        list1_->addItem(QStringLiteral("还没有备份：修改、删除、恢复或合并题库之前会自动备份。"));
        list1_->item(0)->setFlags(Qt::NoItemFlags);
    }
    list1_->setCurrentRow(-1);
    restore_->setEnabled(false);
}

void Form23::restoreSelected()
{
    const int row = list1_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= listed_.size()) {
        return;
    }
    const BankBackup chosen = listed_[static_cast<std::size_t>(row)];
    const QString question = QStringLiteral("用%1的备份（%2道题）恢复题库吗？现在的题库会先备份。")
                                 .arg(ToQ(chosen.TimeText()))
                                 .arg(BackupQuestionCount(chosen.path));
    if (!confirm_(this, question)) {
        return;
    }
    const BankEditResult result = RestoreBankBackup(bankPath_, backups_, chosen);
    refreshBackups();
    if (result.done) {
        preview_.reset();
        frame2_->setVisible(false);
        emit bankChanged();
        ShowWarning(QStringLiteral("恢复完毕!"));
    } else {
        ShowWarning(ToQ(result.message));
    }
}

void Form23::chooseMerge()
{
    const QString file = chooseFile_(this);
    if (file.isEmpty()) {
        return;
    }
    const std::optional<std::string> theirs = ReadFileBytes(std::filesystem::path(file.toStdString()));
    if (!theirs) {
        ShowWarning(ToQ(kMergeUnreadableMessage));
        return;
    }
    std::error_code ec;
    const std::optional<std::string> ours =
        std::filesystem::exists(bankPath_, ec) ? ReadFileBytes(bankPath_) : std::string();
    if (!ours) {
        ShowWarning(ToQ(kSaveFailedMessage));
        return;
    }
    MergePreviewResult result = PreviewMerge(*ours, *theirs);
    preview_ = std::move(result.preview);
    showPreview();
    if (!preview_) {
        ShowWarning(ToQ(result.message));
    }
}

void Form23::showPreview()
{
    conflicts_->setRowCount(0);
    frame2_->setVisible(preview_.has_value());
    if (!preview_) {
        return;
    }
    counts_->setText(QStringLiteral("新题：%1道    已有：%2道    冲突：%3道")
                         .arg(preview_->added.size())
                         .arg(preview_->same)
                         .arg(preview_->conflicts.size()));
    conflicts_->setRowCount(static_cast<int>(preview_->conflicts.size()));
    for (int r = 0; r < conflicts_->rowCount(); ++r) {
        const MergeConflict& c = preview_->conflicts[static_cast<std::size_t>(r)];
        conflicts_->setItem(r, 0, new QTableWidgetItem(ToQ(c.mine.question)));
        conflicts_->setItem(r, 1, new QTableWidgetItem(ToQ(c.mine.correct)));
        conflicts_->setItem(r, 2, new QTableWidgetItem(ToQ(c.theirs.correct)));
        auto* tick = new QCheckBox(conflicts_);
        tick->setObjectName(QStringLiteral("Check1(%1)").arg(r));
        conflicts_->setCellWidget(r, 3, tick);
    }
}

void Form23::confirmMerge()
{
    if (!preview_) {
        return;
    }
    std::vector<bool> takeTheirs;
    for (int r = 0; r < conflicts_->rowCount(); ++r) {
        auto* tick = qobject_cast<QCheckBox*>(conflicts_->cellWidget(r, 3));
        takeTheirs.push_back(tick != nullptr && tick->isChecked());
    }
    const auto taken = std::count(takeTheirs.begin(), takeTheirs.end(), true);
    const QString question = QStringLiteral("合并吗？将新增%1道题，%2道冲突的题改用对方的答案；现在的题库会先备份。")
                                 .arg(preview_->added.size())
                                 .arg(taken);
    if (!confirm_(this, question)) {
        return;
    }
    const BankEditResult result = ApplyMerge(bankPath_, backups_, *preview_, takeTheirs);
    preview_.reset();
    showPreview();
    refreshBackups();
    if (result.done) {
        emit bankChanged();
    }
    ShowWarning(ToQ(result.message));
}

}  // namespace zicalc
