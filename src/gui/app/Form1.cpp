#include "gui/app/Form1.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QSpacerItem>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "core/app/Clock.h"
#include "core/app/Navigation.h"
#include "gui/app/AboutPage.h"
#include "gui/app/CommerceWindows.h"
#include "gui/app/OtherPage.h"
#include "gui/app/PetSimulatorShell.h"
#include "gui/app/SecondaryWindows.h"
#include "gui/app/TrayIcon.h"
#include "gui/calc/CharacterPage.h"
#include "gui/calc/GuildPage.h"
#include "gui/calc/TaskPage.h"
#include "gui/clock/Form20.h"
#include "gui/exam/BankTools.h"
#include "gui/exam/BrowserPage.h"
#include "gui/exam/ExamPage.h"
#include "gui/exam/ExamPages.h"
#include "gui/exam/Form8.h"
#include "gui/exam/MockExamButtons.h"
#include "gui/exam/QuestionEditPage.h"
#include "gui/pets/PetPage.h"
#include "gui/widgets/AccessibleNames.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/ModalGuard.h"
#include "gui/widgets/PageFrame.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Warning.h"

static void InitResources()
{
    Q_INIT_RESOURCE(zicalc);
}

namespace zicalc {

namespace {

// Category captions, button index = page index.
constexpr std::array<const char16_t*, kCategoryCount> kCaptions{u"角色", u"帮派", u"任务", u"召唤兽",
                                                                u"孩子", u"科举", u"其它", u"关于"};

// The field that takes the focus after switching to a page (none on 孩子 and 关于).
constexpr std::array<const char16_t*, kCategoryCount> kFirstField{u"Text1(0)", u"Text5(0)", u"Text7(0)", u"Text13(0)",
                                                                  nullptr,     u"Text17",   u"Text24",   nullptr};

// The page area kept for the largest page: fixed pixels plus font units (see ReservedPageArea).
constexpr QSize kReservedFixed(160, 222);
constexpr int kReservedHalfEms = 77;
constexpr int kReservedLines = 17;

// The widest page (召唤兽) and the tallest (任务) in the font's own units plus the pixels that do
// not grow with the font (frame edges, margins, fixed widths); measured at 9 and 12 points and
// rounded up.
QSpacerItem* ReservedPageArea(const QFont& font)
{
    const QFontMetrics fm(font);
    const int em = fm.horizontalAdvance(QChar(0x6c49));  // 汉
    return new QSpacerItem(kReservedFixed.width() + (kReservedHalfEms * em + 1) / 2,
                           kReservedFixed.height() + kReservedLines * fm.lineSpacing());
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent),
      tray_(new TrayIcon(this, QStringLiteral("Menu_Show"), QStringLiteral("显示窗体"))),
      windows_(new SecondaryWindows(this))
{
    InitResources();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("zi多功能计算器v4.03"));
    setWindowIcon(QIcon(QStringLiteral(":/zicalc/zicalc.png")));
    setFont(DefaultFont());
    // The window keeps its designed size: no maximise box, and no resizing it bigger than its pages.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    frame1_ = new QFrame(this);
    frame1_->setObjectName(QStringLiteral("Frame1"));
    frame1_->setFrameShape(QFrame::NoFrame);
    outer->addWidget(frame1_);

    auto* layout = new QVBoxLayout(frame1_);
    layout->setContentsMargins(8, 8, 8, 8);  // 120 twips
    layout->setSpacing(0);

    auto* row = new QHBoxLayout();
    row->setSpacing(0);
    for (int i = 0; i < kCategoryCount; ++i) {
        auto* b = new DcButton(QStringLiteral("Button0(%1)").arg(i), QString::fromUtf16(kCaptions[i]), i, frame1_);
        b->setMinimumSize(65, 17);  // 975 × 255 twips
        b->setFocusPolicy(Qt::NoFocus);
        b->setBackgroundColour(i == 0 ? colours::kSelectedCategory : colours::kCategory);
        connect(b, &DcButton::clickedIndex, this, &Form1::onCategory);
        buttons_[static_cast<std::size_t>(i)] = b;
        row->addWidget(b);
    }
    row->addStretch(1);
    layout->addLayout(row);

    // Only the first page is built before the window appears; the others follow as soon as it has
    // been painted (or at once, when something asks for them first). The page area is reserved at
    // its final size, so the window does not grow when they arrive.
    stack_ = new QGridLayout();
    pages_[0] = new CharacterPage(frame1_);
    stack_->addWidget(pages_[0], 0, 0);
    stack_->addItem(ReservedPageArea(font()), 0, 0);
    layout->addLayout(stack_, 1);
    currentCategory_ = 0;
    frame1_->installEventFilter(this);

    buildTrayMenu();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && now->window()->windowType() != Qt::Popup) {
            lastActive_ = now->window();
        }
    });
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    // Once the window has been painted for the first time, the remaining pages are built in the
    // next round of the event loop.
    if (watched == frame1_ && event->type() == QEvent::Paint && !pagesBuilt_) {
        frame1_->removeEventFilter(this);
        QTimer::singleShot(0, this, &Form1::ensurePagesBuilt);
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::ensurePagesBuilt()
{
    if (pagesBuilt_) {
        return;
    }
    pagesBuilt_ = true;
    frame1_->removeEventFilter(this);
    pages_[1] = new GuildPage(frame1_);
    pages_[2] = new TaskPage(frame1_);
    pages_[3] = new PetPage(frame1_);
    pages_[4] = new PageFrame(4, frame1_);
    exam_ = new ExamPages(frame1_, this);
    pages_[kExamCategory] = exam_->browserPage();
    pages_[6] = new OtherPage(frame1_);
    pages_[7] = new AboutPage(frame1_);
    auto* examPage = new ExamPage(exam_->bank(), frame1_);
    pages_[kMockExamPage] = examPage;
    connect(new MockExamButtons(*exam_, *examPage, this), &MockExamButtons::miniRequested, this,
            [this] { windows_->open<Form8>(OpenOrder::HideMainThenShow); });
    new BankTools(*exam_, nullptr, this);  // 题库备份 and the pinyin search
    pages_[kAddQuestionPage] = exam_->addPage();
    pages_[kModifyQuestionPage] = exam_->modifyPage();
    for (std::size_t i = 1; i < pages_.size(); ++i) {
        pages_[i]->setVisible(false);
        stack_->addWidget(pages_[i], 0, 0);
    }

    // 跑商辅助: the trade-run clock in place of the main window, on the desktop's own time.
    connect(pages_[6]->findChild<DcButton*>(QStringLiteral("dcButton5")), &DcButton::clicked, this, [this] {
        static const SystemClock clock{};
        windows_->open<Form20>(OpenOrder::HideMainThenShow, clock);
    });
    new CommerceWindows(this, windows_);  // Button14 and dcButton2: the HP table and the shop
    WirePetSimulator(*this);
    // The new pages' fields get their labels' names, as every window's do when it is shown.
    NameControlsFromLabels(this);
}

PageFrame* Form1::page(int index)
{
    if (index != 0) {
        ensurePagesBuilt();
    }
    return pages_.at(static_cast<std::size_t>(index));
}

ExamPages* Form1::exam()
{
    ensurePagesBuilt();
    return exam_;
}

void Form1::buildTrayMenu()
{
    connect(tray_, &TrayIcon::activated, this, &Form1::restoreFromTray);
    connect(tray_->addItem(QStringLiteral("Menu_count"), QStringLiteral("计算器")), &QAction::triggered, this,
            &Form1::restoreFromTray);
    tray_->addSeparator(QStringLiteral("cut"));
    // "关闭" ends the program through the closing sequence below.
    connect(tray_->addItem(QStringLiteral("Menu_Exit"), QStringLiteral("关闭")), &QAction::triggered, this,
            &QWidget::close);
}

Form1::~Form1() = default;

bool Form1::bankPageShown() const
{
    return pagesBuilt_ && (!pages_[kMockExamPage]->isHidden() || !pages_[kAddQuestionPage]->isHidden() ||
                           !pages_[kModifyQuestionPage]->isHidden());
}

void Form1::onCategory(int index)
{
    ensurePagesBuilt();
    CategoryState state;
    state.current = currentCategory_;
    state.bankPageShown = bankPageShown();
    state.bankFileExists = index == kExamCategory && QFileInfo(QStringLiteral("test.dat")).isFile();
    state.bankLoaded = exam_->bank().Loaded();
    const CategoryDecision d = DecideCategorySwitch(index, state);
    if (d.warning) {
        ShowWarning(ToQ(*d.warning));
    }
    if (!d.switchTo) {
        return;
    }
    const auto from = static_cast<std::size_t>(currentCategory_);
    const auto to = static_cast<std::size_t>(*d.switchTo);
    buttons_[from]->setBackgroundColour(colours::kCategory);
    buttons_[to]->setBackgroundColour(colours::kSelectedCategory);
    pages_[to]->setVisible(true);
    pages_[from]->setVisible(false);
    currentCategory_ = static_cast<std::int16_t>(to);
    if (d.loadBank) {
        exam_->LoadBank();
    }
    if (const char16_t* name = kFirstField[to]) {
        if (auto* field = pages_[to]->findChild<QWidget*>(QString::fromUtf16(name))) {
            field->setFocus(Qt::OtherFocusReason);
        }
    }
}

void Form1::restoreFromTray()
{
    tray_->restore();
}

void Form1::activateFromOutside(const QByteArray& activationToken)
{
    if (!activationToken.isEmpty()) {
        qputenv("XDG_ACTIVATION_TOKEN", activationToken);
    }
    if (tray_->isShown() || isMinimized()) {
        restoreFromTray();
        return;
    }
    // A modal window blocks everything else: that is the one the user must get back to.
    if (RaiseBlockingModal()) {
        return;
    }
    // The window the user was working in: the last one that had the focus, if it is still up
    // (a secondary window shown in place of this one, say); else this one.
    QWidget* target = lastActive_;
    if (target == nullptr || !target->isVisible()) {
        target = this;
    }
    if (target == this && isHidden()) {
        restoreFromTray();
        return;
    }
    if (target->isMinimized()) {
        target->showNormal();
    }
    target->raise();
    target->activateWindow();
}

void Form1::closeEvent(QCloseEvent* event)
{
    // The secondary windows go first, in their fixed order; closing is never cancelled.
    static constexpr std::array<const char*, 10> kOrder{"Form18", "Form11", "Form10", "Form9", "Form8",
                                                        "Form7",  "Form6",  "Form5",  "Form4", "Form2"};
    windows_->closeAll(kOrder);
    // Modal boxes are not secondary windows of the lifecycle; they go in the same order.
    const auto windows = QApplication::topLevelWidgets();
    for (const char* name : kOrder) {
        for (QWidget* w : windows) {
            if (w != this && w->isVisible() && w->objectName() == QLatin1String(name)) {
                w->close();
            }
        }
    }
    tray_->hide();
    event->accept();
    emit closed();
}

}  // namespace zicalc
