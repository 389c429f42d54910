#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "core/exam/BankBackups.h"
#include "core/exam/BankMerge.h"

class QLabel;
class QListWidget;
class QTableWidget;
class QGroupBox;

namespace zicalc {

class DcButton;

// 题库备份与合并: lists the backups of the bank file with their time and question count and
// restores one; merges another player's bank after showing what would change. Every change of
// the file backs it up first; `bankChanged` tells the owner to read the bank again.
class Form23 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form23)

public:
    Form23(std::filesystem::path bankPath, BankBackups& backups, QWidget* parent = nullptr);
    ~Form23() override;

    // How "合并题库" asks for the other file (a file dialog; tests answer it themselves). An empty
    // path means the player cancelled.
    using FileChooser = std::function<QString(QWidget* parent)>;
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

    // How a step is confirmed (a box with 确定 and 取消; tests answer it themselves).
    using Confirmer = std::function<bool(QWidget* parent, const QString& text)>;
    void setConfirmer(Confirmer confirmer) { confirm_ = std::move(confirmer); }

signals:
    void bankChanged();

private:
    void refreshBackups();
    void restoreSelected();
    void chooseMerge();
    void confirmMerge();
    void showPreview();

    std::filesystem::path bankPath_;
    BankBackups& backups_;
    std::vector<BankBackup> listed_;
    std::optional<MergePreview> preview_;
    FileChooser chooseFile_;
    Confirmer confirm_;

    QListWidget* list1_;
    DcButton* restore_;
    QGroupBox* frame2_;
    QLabel* counts_;
    QTableWidget* conflicts_;
    DcButton* mergeConfirm_;
};

// The confirmation box Form23 uses by default: "确定" (Button1) and "取消" (Button2).
bool ConfirmBox(QWidget* parent, const QString& text);

}  // namespace zicalc
