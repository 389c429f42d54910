#include "gui/exam/Form8.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/exam/BankTools.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Warning.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

namespace {

QPlainTextEdit* ResultBox(const QString& name, Rgb colour, int lines, QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    // The search field keeps the focus; a click here hands it back.
    box->setFocusPolicy(Qt::NoFocus);
    SetTextColour(box, colour);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 10);
    return box;
}

}  // namespace

Form8::Form8(const std::filesystem::path& bankFile, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("科举查询(迷你)"));
    setFont(DefaultFont());
    // Above the game's window while the player reads the answer.
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);

    auto* frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* top = new QHBoxLayout(frame1);
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(3);
    text1_ = new QLineEdit(frame1);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setAccessibleName(QStringLiteral("查询关键字"));
    text1_->installEventFilter(this);
    top->addWidget(text1_, 1);
    auto* check1 = MakePinyinCheckBox(QStringLiteral("Check1"), frame1);
    top->addWidget(check1);
    connect(check1, &QCheckBox::toggled, this, [this](bool on) {
        mini_.SetFinder(on ? MiniQuery::Finder([this](std::string_view k) { return pinyin_.Find(k); })
                           : MiniQuery::Finder());
        mini_.SetSearchText(ToStd(text1_->text()));
        render();
        focusSearch();
    });
    auto* clear = new DcButton(QStringLiteral("Button1"), QStringLiteral("清空"), 0, frame1);
    clear->setFocusPolicy(Qt::NoFocus);
    top->addWidget(clear);
    auto* corner = new DcButton(QStringLiteral("Button3"), QString(), 0, frame1);
    corner->setFocusPolicy(Qt::NoFocus);
    corner->setBackgroundColour(colours::kBlue);
    corner->setToolTip(QStringLiteral("换个角落"));
    corner->setFixedSize(16, 16);
    top->addWidget(corner);
    layout->addWidget(frame1);

    text2_ = ResultBox(QStringLiteral("Text2"), colours::kBlue, 3, this);
    layout->addWidget(text2_);

    auto* bottom = new QHBoxLayout();
    bottom->setSpacing(3);
    text3_ = ResultBox(QStringLiteral("Text3"), colours::kRed, 2, this);
    bottom->addWidget(text3_, 1);
    auto* fraction = new QVBoxLayout();
    fraction->setSpacing(0);
    fraction_[0] = MakeNamedLabel(QStringLiteral("Label1(0)"), QStringLiteral("0"), this);
    auto* bar = MakeNamedLabel(QStringLiteral("Label1(2)"), QStringLiteral("━"), this);
    fraction_[1] = MakeNamedLabel(QStringLiteral("Label1(1)"), QStringLiteral("0"), this);
    for (QLabel* l : {fraction_[0], bar, fraction_[1]}) {
        l->setAlignment(Qt::AlignCenter);
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
        fraction->addWidget(l);
    }
    bottom->addLayout(fraction);
    auto* pages = new QVBoxLayout();
    pages->setSpacing(2);
    static constexpr std::array<const char16_t*, 2> kPagingCaptions{u"上翻", u"下翻"};
    for (int i = 0; i < 2; ++i) {
        auto* b = new DcButton(QStringLiteral("Button2(%1)").arg(i),
                               QString::fromUtf16(kPagingCaptions[static_cast<std::size_t>(i)]), i, this);
        b->setFocusPolicy(Qt::NoFocus);
        paging_[static_cast<std::size_t>(i)] = b;
        pages->addWidget(b);
    }
    bottom->addLayout(pages);
    layout->addLayout(bottom);
    setFixedWidth(320);

    connect(text1_, &QLineEdit::textChanged, this, [this](const QString& text) {
        mini_.SetSearchText(ToStd(text));
        render();
    });
    connect(clear, &DcButton::clickedIndex, this, [this] {
        text1_->clear();
        focusSearch();
    });
    connect(corner, &DcButton::clickedIndex, this, [this] {
        startCorner_ = false;
        moveTo(corner_.Press());
        focusSearch();
    });
    connect(paging_[0], &DcButton::clickedIndex, this, [this] {
        mini_.Previous();
        render();
        focusSearch();
    });
    connect(paging_[1], &DcButton::clickedIndex, this, [this] {
        mini_.Next();
        render();
        focusSearch();
    });
    for (QPlainTextEdit* box : {text2_, text3_}) {
        box->viewport()->installEventFilter(this);
    }

    loadWarning_ = mini_.Load(bankFile);
    render();
}

Form8::~Form8() = default;

void Form8::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shownOnce_) {
        return;
    }
    shownOnce_ = true;
    // A small window of a fixed size: nothing in it grows, and the corners depend on its size.
    setFixedSize(sizeHint());
    moveTo(MiniCornerPlace::BottomRight);
    // Some window managers report the frame only after the window is mapped, without a move of
    // its own; place the starting corner again once the frame has surely arrived.
    for (const int ms : {150, 600}) {
        QTimer::singleShot(ms, this, [this] {
            if (startCorner_) {
                moveTo(MiniCornerPlace::BottomRight);
            }
        });
    }
    focusSearch();
    if (loadWarning_) {
        // After the window is up, so the player sees what has nothing to find.
        QTimer::singleShot(0, this, [this] {
            const std::string message = *loadWarning_;
            loadWarning_.reset();
            ShowWarning(ToQ(message));
            focusSearch();
        });
    }
}

bool Form8::event(QEvent* event)
{
    // The window manager frames the window after it is shown; until the player picks a corner,
    // the starting corner is kept for the outer size as it turns out.
    if (startCorner_ && (event->type() == QEvent::Move || event->type() == QEvent::WindowActivate) &&
        frameGeometry().size() != placedFrameSize_) {
        moveTo(MiniCornerPlace::BottomRight);
    }
    return QWidget::event(event);
}

void Form8::moveTo(MiniCornerPlace place)
{
    const QScreen* s = screen();
    if (s == nullptr) {
        return;
    }
    const QRect area = s->geometry();
    const QRect outer = frameGeometry();
    const MiniPoint p = MiniCornerPoint(place, MiniScreen{area.x(), area.y(), area.width(), area.height()},
                                        outer.width(), outer.height());
    placedFrameSize_ = outer.size();
    move(p.left, p.top);
}

void Form8::focusSearch()
{
    activateWindow();
    text1_->setFocus(Qt::OtherFocusReason);
}

bool Form8::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == text1_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        std::optional<MiniKey> k;
        switch (key->key()) {
            case Qt::Key_Up:
                k = MiniKey::Up;
                break;
            case Qt::Key_Down:
                k = MiniKey::Down;
                break;
            case Qt::Key_PageUp:
                k = MiniKey::PageUp;
                break;
            case Qt::Key_PageDown:
                k = MiniKey::PageDown;
                break;
            case Qt::Key_Escape:
                k = MiniKey::Escape;
                break;
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
                // The focus stays in the search field whatever the key.
                return true;
            default:
                break;
        }
        if (k) {
            const bool consumed = mini_.Key(*k);
            render();
            return consumed;
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress && (watched == text2_->viewport() || watched == text3_->viewport())) {
        focusSearch();
    }
    return QWidget::eventFilter(watched, event);
}

void Form8::render()
{
    const MiniView& v = mini_.view();
    if (ToStd(text1_->text()) != v.searchText) {
        text1_->setText(ToQ(v.searchText));
    }
    text2_->setPlainText(ToQ(v.question));
    text3_->setPlainText(ToQ(v.answer));
    fraction_[0]->setText(ToQ(v.position));
    fraction_[1]->setText(ToQ(v.count));
    paging_[0]->setEnabled(v.previousEnabled);
    paging_[1]->setEnabled(v.nextEnabled);
}

}  // namespace zicalc
