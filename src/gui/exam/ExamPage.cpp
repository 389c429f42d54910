#include "gui/exam/ExamPage.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/widgets/ClickableLabel.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Warning.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

namespace {

constexpr int kTickMs = 1000;

QLabel* BigLabel(const QString& name, QWidget* parent)
{
    auto* label = MakeNamedLabel(name, QString(), parent, colours::kRed);
    QFont f = label->font();
    f.setPointSizeF(f.pointSizeF() * 2.5);
    f.setBold(true);
    label->setFont(f);
    label->setAlignment(Qt::AlignCenter);
    // Keeps its place while hidden, so the page does not move when it comes and goes.
    QSizePolicy p = label->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    label->setSizePolicy(p);
    return label;
}

QTimer* Ticker(const QString& name, QObject* parent)
{
    auto* t = new QTimer(parent);
    t->setObjectName(name);
    t->setInterval(kTickMs);
    // The exam's seconds are counted in ticks: a coarse timer would stretch them.
    t->setTimerType(Qt::PreciseTimer);
    return t;
}

}  // namespace

ExamPage::ExamPage(const QuestionBank& bank, QWidget* parent)
    : ExamPage(bank, std::make_unique<SystemRandom>(), nullptr, parent)
{
}

ExamPage::ExamPage(const QuestionBank& bank, UniformRandom& random, QWidget* parent)
    : ExamPage(bank, nullptr, &random, parent)
{
}

ExamPage::ExamPage(const QuestionBank& bank, std::unique_ptr<UniformRandom> own, UniformRandom* random, QWidget* parent)
    : PageFrame(8, parent), ownRandom_(std::move(own)), exam_(bank, random != nullptr ? *random : *ownRandom_)
{
    build();
    render();
}

ExamPage::~ExamPage() = default;

void ExamPage::build()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);

    auto* head = new QHBoxLayout();
    auto* title = MakeLabel(QStringLiteral("模拟科举考试"), this, colours::kBlack);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    head->addWidget(title);
    head->addStretch(1);
    head->addWidget(MakeLabel(QStringLiteral("题目编号:"), this));
    text21_ = MakeResultField(QStringLiteral("Text21"), this, 5);
    head->addWidget(text21_);
    layout->addLayout(head);

    auto* middle = new QHBoxLayout();
    auto* left = new QVBoxLayout();
    text20_ = new QPlainTextEdit(this);
    text20_->setObjectName(QStringLiteral("Text20"));
    text20_->setAccessibleName(QStringLiteral("考题"));
    text20_->setReadOnly(true);
    text20_->setFocusPolicy(Qt::ClickFocus);
    SetTextColour(text20_, colours::kBlue);
    text20_->setFixedHeight(text20_->fontMetrics().lineSpacing() * 5 + 12);
    left->addWidget(text20_);

    auto* frame12 = new QFrame(this);
    frame12->setObjectName(QStringLiteral("Frame12"));
    auto* grid = new QGridLayout(frame12);
    grid->setContentsMargins(0, 6, 0, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(16);
    static constexpr std::array<const char16_t*, 4> kOptionCaptions{u"A.", u"B.", u"C.", u"D."};
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(QString::fromUtf16(kOptionCaptions[static_cast<std::size_t>(i)]), frame12);
        option->setObjectName(QStringLiteral("Option4(%1)").arg(i));
        // The page decides which option is checked; an exclusive group would refuse to clear its
        // checked button.
        option->setAutoExclusive(false);
        QSizePolicy p = option->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        option->setSizePolicy(p);
        auto* answer = new ClickableLabel(QStringLiteral("Label8(%1)").arg(i), QString(), frame12);
        answer->setFocusPolicy(Qt::NoFocus);
        answer->setWordWrap(true);
        answer->setMinimumWidth(120);
        SetTextColour(answer, colours::kBlue);
        connect(option, &QRadioButton::clicked, this, [this, i] { choose(i); });
        connect(answer, &ClickableLabel::activated, this, [this, i] { choose(i); });
        const int row = i / 2;
        const int column = (i % 2) * 2;
        grid->addWidget(option, row, column);
        grid->addWidget(answer, row, column + 1);
        options_[static_cast<std::size_t>(i)] = option;
        answers_[static_cast<std::size_t>(i)] = answer;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    left->addWidget(frame12);
    middle->addLayout(left, 1);

    auto* right = new QVBoxLayout();
    verdict_ = BigLabel(QStringLiteral("Label22"), this);
    status_ = BigLabel(QStringLiteral("Label18"), this);
    verdict_->setMinimumWidth(verdict_->fontMetrics().horizontalAdvance(QStringLiteral("答题超时！")) + 8);
    right->addWidget(verdict_);
    right->addWidget(status_);
    right->addStretch(1);
    middle->addLayout(right);
    layout->addLayout(middle);
    layout->addSpacing(8);

    // 第 [stage] 关          现答对 [passed] 题,答错 [wrong] 题,共用时 [seconds] 秒
    auto* counters = new QHBoxLayout();
    counters->setSpacing(2);
    static constexpr std::array<const char16_t*, 5> kCounterCaptions{u"第", u"关          现答对", u"题,答错",
                                                                     u"题,共用时", u"秒"};
    for (int i = 0; i < 5; ++i) {
        counters->addWidget(MakeLabel(QString::fromUtf16(kCounterCaptions[static_cast<std::size_t>(i)]), this));
        if (i < 4) {
            auto* value =
                MakeNamedLabel(QStringLiteral("Label13(%1)").arg(i), QStringLiteral("0"), this, colours::kRed);
            value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
            value->setAlignment(Qt::AlignCenter);
            counters_[static_cast<std::size_t>(i)] = value;
            counters->addWidget(value);
        }
    }
    counters->addStretch(1);
    layout->addLayout(counters);

    // 你选择了: [chosen] 正确答案是: [correct] 选择 [verdict]
    auto* result = new QHBoxLayout();
    result->setSpacing(2);
    for (int i = 0; i < 4; ++i) {
        resultLine_[static_cast<std::size_t>(i)] =
            MakeNamedLabel(QStringLiteral("Label12(%1)").arg(i), QString(), this, colours::kRed);
    }
    for (QLabel* letter : {resultLine_[1], resultLine_[0]}) {
        letter->setMinimumWidth(letter->fontMetrics().horizontalAdvance(QStringLiteral("WW")));
    }
    resultLine_[2]->setMinimumWidth(resultLine_[2]->fontMetrics().horizontalAdvance(ToQ(kVerdictWrong)) + 4);
    result->addWidget(MakeLabel(QStringLiteral("你选择了:"), this));
    result->addWidget(resultLine_[1]);
    result->addWidget(MakeLabel(QStringLiteral("正确答案是:"), this));
    result->addWidget(resultLine_[0]);
    result->addWidget(MakeLabel(QStringLiteral("选择"), this));
    result->addWidget(resultLine_[2]);
    result->addStretch(1);
    layout->addLayout(result);

    QLabel* message = resultLine_[3];
    message->setWordWrap(true);
    message->setMinimumHeight(message->fontMetrics().lineSpacing() * 2);
    message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(message);
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout();
    static constexpr std::array<const char16_t*, 3> kControlCaptions{u"开始", u"停止", u"放弃"};
    for (int i = 0; i < 4; ++i) {
        auto* b = new DcButton(QStringLiteral("Button19(%1)").arg(i), QString(), i, this);
        actions_[static_cast<std::size_t>(i)] = b;
        buttons->addWidget(b);
    }
    connect(actions_[0], &DcButton::clickedIndex, this, [this] { act(exam_.Answer()); });
    connect(actions_[1], &DcButton::clickedIndex, this, [this] { act(exam_.UseHeavenToken()); });
    connect(actions_[2], &DcButton::clickedIndex, this, [this] { act(exam_.UseEarthToken()); });
    connect(actions_[3], &DcButton::clickedIndex, this, [this] { act(exam_.UseGhostToken()); });
    buttons->addSpacing(12);
    for (int i = 0; i < 3; ++i) {
        auto* b = new DcButton(QStringLiteral("Button18(%1)").arg(i),
                               QString::fromUtf16(kControlCaptions[static_cast<std::size_t>(i)]), i, this);
        controls_[static_cast<std::size_t>(i)] = b;
        buttons->addWidget(b);
    }
    connect(controls_[0], &DcButton::clickedIndex, this, [this] { act(exam_.Start()); });
    connect(controls_[1], &DcButton::clickedIndex, this, [this] { act(exam_.Stop()); });
    connect(controls_[2], &DcButton::clickedIndex, this, [this] {
        if (exam_.CanLeave()) {
            emit leaveRequested();
        }
    });
    layout->addLayout(buttons);

    auto* reviewRow = new QHBoxLayout();
    reviewRow->addStretch(1);
    reviewRow->addWidget(MakeNamedLabel(QStringLiteral("Label23"), QStringLiteral("错题回顾"), this));
    static constexpr std::array<const char16_t*, 2> kReviewCaptions{u"<<<<", u">>>>"};
    for (int i = 0; i < 2; ++i) {
        auto* b = new DcButton(QStringLiteral("dcButton4(%1)").arg(i),
                               QString::fromUtf16(kReviewCaptions[static_cast<std::size_t>(i)]), i, this);
        review_[static_cast<std::size_t>(i)] = b;
        reviewRow->addWidget(b);
    }
    connect(review_[0], &DcButton::clickedIndex, this, [this] {
        exam_.ReviewBack();
        render();
    });
    connect(review_[1], &DcButton::clickedIndex, this, [this] {
        exam_.ReviewForward();
        render();
    });
    layout->addLayout(reviewRow);

    timer1_ = Ticker(QStringLiteral("Timer1"), this);
    timer2_ = Ticker(QStringLiteral("Timer2"), this);
    connect(timer1_, &QTimer::timeout, this, &ExamPage::tickClock);
    connect(timer2_, &QTimer::timeout, this, &ExamPage::tickCountdown);
}

bool ExamPage::enter()
{
    const ExamOutcome out = exam_.Enter();
    render();
    if (out.warning) {
        ShowWarning(ToQ(*out.warning));
        return false;
    }
    return true;
}

void ExamPage::focusStart()
{
    controls_[0]->setFocus(Qt::OtherFocusReason);
}

void ExamPage::tickCountdown()
{
    act(exam_.CountdownTick());
}

void ExamPage::tickClock()
{
    act(exam_.ClockTick());
}

void ExamPage::choose(int slot)
{
    exam_.Choose(slot);
    render();
}

void ExamPage::act(const ExamOutcome& outcome)
{
    render();
    if (outcome.warning) {
        ShowWarning(ToQ(*outcome.warning));
    }
    QWidget* target = nullptr;
    switch (outcome.focus) {
        case ExamFocus::Unchanged:
            break;
        case ExamFocus::Start:
            target = controls_[0];
            break;
        case ExamFocus::Stop:
            target = controls_[1];
            break;
        case ExamFocus::Answer:
            target = actions_[0];
            break;
    }
    if (target != nullptr) {
        target->setFocus(Qt::OtherFocusReason);
    }
}

void ExamPage::render()
{
    const ExamView& v = exam_.view();
    text20_->setPlainText(ToQ(v.question));
    text21_->setText(ToQ(v.questionId));
    for (std::size_t i = 0; i < 4; ++i) {
        options_[i]->setVisible(v.optionVisible[i]);
        options_[i]->setChecked(v.optionChecked[i]);
        answers_[i]->setText(ToQ(v.answers[i]));
        counters_[i]->setText(ToQ(v.counters[i]));
        resultLine_[i]->setText(ToQ(v.resultLine[i]));
        actions_[i]->setText(ToQ(v.actionCaption[i]));
        actions_[i]->setEnabled(v.actionEnabled[i]);
    }
    verdict_->setText(ToQ(v.verdict));
    status_->setText(ToQ(v.status));
    status_->setVisible(v.statusVisible);
    for (std::size_t i = 0; i < 3; ++i) {
        controls_[i]->setEnabled(v.controlEnabled[i]);
    }
    for (std::size_t i = 0; i < 2; ++i) {
        review_[i]->setEnabled(v.reviewEnabled[i]);
    }
    // Started only when off, so a render never shifts a running timer's phase.
    if (v.clockRunning != timer1_->isActive()) {
        v.clockRunning ? timer1_->start() : timer1_->stop();
    }
    if (v.countdownRunning != timer2_->isActive()) {
        v.countdownRunning ? timer2_->start() : timer2_->stop();
    }
}

}  // namespace zicalc
