#include "gui/exam/BankTools.h"

#include <QCheckBox>

#include "gui/exam/BrowserPage.h"
#include "gui/exam/ExamPages.h"
#include "gui/exam/Form23.h"
#include "gui/widgets/DcButton.h"

namespace zicalc {

QCheckBox* MakePinyinCheckBox(const QString& objectName, QWidget* parent)
{
    auto* box = new QCheckBox(QStringLiteral("拼音"), parent);
    box->setObjectName(objectName);
    box->setChecked(false);
    box->setFocusPolicy(Qt::NoFocus);
    box->setToolTip(QStringLiteral("也按拼音或拼音首字母查找，如 xiyou、xyj"));
    return box;
}

BankTools::BankTools(ExamPages& pages, const Clock* clock, QObject* parent)
    : QObject(parent),
      pages_(pages),
      backups_(std::make_unique<BankBackups>(pages.store().path(), clock != nullptr ? *clock : systemClock_)),
      pinyin_(pages.bank())
{
    // Every rewrite of the file keeps the old one first; a failed backup stops the rewrite.
    pages_.store().SetBeforeRewrite([this](std::string_view bytes) { return backups_->Keep(bytes); });

    BrowserPage* browser = pages_.browserPage();
    check4_ = MakePinyinCheckBox(QStringLiteral("Check4"), browser);
    browser->addSearchOption(check4_);
    connect(check4_, &QCheckBox::toggled, this, [this](bool on) {
        QuestionBrowser& model = pages_.browser();
        model.SetFinder(on ? QuestionBrowser::Finder([this](std::string_view k) { return pinyin_.Find(k); })
                           : QuestionBrowser::Finder());
        // The shown search is run again the other way; a category list stays as it is.
        if (!model.searchText().empty()) {
            model.SetSearchText(std::string(model.searchText()));
            pages_.browserPage()->Render();
        }
        pages_.browserPage()->FocusSearch();
    });

    auto* button = new DcButton(QStringLiteral("Button17(5)"), QStringLiteral("题库备份"), 5, browser);
    browser->addCommandButton(button);
    connect(button, &DcButton::clickedIndex, this, &BankTools::openBackupWindow);
}

BankTools::~BankTools() = default;

void BankTools::openBackupWindow()
{
    pages_.browser().ForgetSelection();
    Form23 window(pages_.store().path(), *backups_, pages_.browserPage()->window());
    connect(&window, &Form23::bankChanged, this, &BankTools::reloadBank);
    window.exec();
    pages_.browserPage()->FocusSearch();
}

void BankTools::reloadBank()
{
    // The file was replaced whole: read it again and start the browser afresh.
    pages_.LoadBank();
    pages_.browser().Reset();
    pages_.browserPage()->Render();
}

}  // namespace zicalc
