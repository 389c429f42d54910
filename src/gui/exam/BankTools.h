#pragma once

#include <QObject>
#include <memory>

#include "core/app/Clock.h"
#include "core/exam/BankBackups.h"
#include "core/exam/Pinyin.h"

class QCheckBox;

namespace zicalc {

class ExamPages;

// What the bank has beyond its pages: backups before every rewrite of the file, Button17(5)
// "题库备份" opening Form23 (restore and merge), and the check box Check4 "拼音" beside Text17
// that lets the search match pinyin.
class BankTools final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BankTools)

public:
    // `clock` names the backups (the system clock when none is given).
    explicit BankTools(ExamPages& pages, const Clock* clock = nullptr, QObject* parent = nullptr);
    ~BankTools() override;

    BankBackups& backups() { return *backups_; }

private:
    void openBackupWindow();
    void reloadBank();

    ExamPages& pages_;
    SystemClock systemClock_;
    std::unique_ptr<BankBackups> backups_;
    PinyinSearch pinyin_;
    QCheckBox* check4_;
};

// The "拼音" check box of a search field: off, and out of the way of the field's focus.
QCheckBox* MakePinyinCheckBox(const QString& objectName, QWidget* parent);

}  // namespace zicalc
