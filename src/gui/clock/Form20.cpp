#include "gui/clock/Form20.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "core/clock/CityPrices.h"
#include "core/clock/ClockCalibration.h"
#include "gui/clock/ClockDial.h"
#include "gui/clock/Form21.h"
#include "gui/clock/Form22.h"
#include "gui/widgets/ClickableLabel.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/MessageBox.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Warning.h"

namespace zicalc {

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kBarWidthTwips = 1800;
constexpr Rgb kAdjustBlue{0, 0, 255};
constexpr Rgb kHelpPurple{128, 0, 128};

QString Indexed(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// The price lines line up on their blanks only in a font whose CJK characters are two ASCII
// characters wide.
QFont PriceFont()
{
    QFont font = SongtiFont(9);
    font.setFamilies({QStringLiteral("NSimSun"), QStringLiteral("SimSun"), QStringLiteral("Noto Sans Mono CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei Mono"), QStringLiteral("WenQuanYi Micro Hei Mono")});
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

}  // namespace

Form20::Form20(const Clock& clock, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      model_(clock, std::filesystem::path(kSettingFileName)),
      timer1_(this),
      timer2_(this)
{
    setObjectName(QStringLiteral("Form20"));
    setAttribute(Qt::WA_QuitOnClose, false);

    dial_ = new ClockDial(this);
    for (int i = 0; i < 12; ++i) {
        auto* button = new DcButton(Indexed("dcButton1", i), ToQ(kShichenNames[static_cast<std::size_t>(i)]), i, dial_);
        button->setFixedSize(24, 22);
        button->setHorizontalPadding(0);
        const QPoint centre = ClockDial::ButtonCentre(i);
        button->move(centre - QPoint(12, 11));
        connect(button, &DcButton::clickedIndex, this, [this](int index) {
            Notify(model_.PressShichen(index));
            Render();
        });
        shichen_[static_cast<std::size_t>(i)] = button;
    }
    corner_[0] = new DcButton(Indexed("dcButton3", 0), QString(), 0, dial_);
    corner_[0]->setBackgroundColour(kAdjustBlue);
    corner_[0]->setToolTip(QStringLiteral("点击进入手动调时"));
    corner_[1] = new DcButton(Indexed("dcButton3", 1), QString(), 1, dial_);
    corner_[1]->setBackgroundColour(kHelpPurple);
    corner_[1]->setToolTip(QStringLiteral("说明帮助"));
    for (DcButton* button : corner_) {
        button->setFixedSize(14, 14);
        button->setHorizontalPadding(0);
    }
    corner_[1]->move(2, 2);
    corner_[0]->move(dial_->width() - 16, 2);
    connect(corner_[0], &DcButton::clicked, this, &Form20::OpenAdjustment);
    connect(corner_[1], &DcButton::clicked, this, &Form20::OpenHelp);

    // The progress bar: the empty bar Label1(0) with its filled part Label1(1) inside.
    period_[0] = new QLabel(this);
    period_[0]->setObjectName(Indexed("Label2", 0));
    period_[1] = new QLabel(this);
    period_[1]->setObjectName(Indexed("Label2", 1));
    auto* bar = new QLabel(this);
    bar->setObjectName(Indexed("Label1", 0));
    bar->setFixedSize(kBarWidthTwips / kTwipsPerPixel, 12);
    bar->setStyleSheet(QStringLiteral("QLabel { background: white; border: 1px solid #7a7a7a; }"));
    barFill_ = new QLabel(bar);
    barFill_->setObjectName(Indexed("Label1", 1));
    barFill_->setStyleSheet(QStringLiteral("QLabel { background: rgb(0, 0, 255); }"));
    barFill_->setGeometry(0, 0, 0, bar->height());
    auto* barRow = new QHBoxLayout;
    barRow->setSpacing(3);
    barRow->addWidget(period_[0]);
    barRow->addWidget(bar);
    barRow->addWidget(period_[1]);

    auto* countdownCaption = new QLabel(QStringLiteral("时辰倒数:"), this);
    countdownCaption->setObjectName(QStringLiteral("Label3"));
    countdown_ = new QLabel(this);
    countdown_->setObjectName(QStringLiteral("Label6"));
    auto* countdownRow = new QHBoxLayout;
    countdownRow->addStretch();
    countdownRow->addWidget(countdownCaption);
    countdownRow->addWidget(countdown_);
    countdownRow->addStretch();
    for (QLabel* label : {period_[0], period_[1], countdownCaption, countdown_}) {
        SetTextColour(label, colours::kBlue);
    }

    startStop_[0] = new DcButton(Indexed("dcButton2", 0), QStringLiteral("启动"), 0, this);
    startStop_[1] = new DcButton(Indexed("dcButton2", 1), QStringLiteral("停止"), 1, this);
    auto* startRow = new QHBoxLayout;
    startRow->addWidget(startStop_[0]);
    startRow->addWidget(startStop_[1]);
    connect(startStop_[0], &DcButton::clicked, this, [this] {
        Notify(model_.PressStart());
        Render();
    });
    connect(startStop_[1], &DcButton::clicked, this, [this] {
        model_.PressStop();
        Render();
    });

    pricesToggle_ = new DcButton(QStringLiteral("dcButton4"), QString(), 0, this);
    connect(pricesToggle_, &DcButton::clicked, this, [this] {
        model_.TogglePrices();
        Render();
    });

    pricePanel_ = new QWidget(this);
    pricePanel_->setObjectName(QStringLiteral("Frame1"));
    auto* panel = new QVBoxLayout(pricePanel_);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->setSpacing(2);
    auto* tabs = new QHBoxLayout;
    tabs->setSpacing(4);
    for (std::size_t i = 0; i < cityTabs_.size(); ++i) {
        auto* tab =
            new ClickableLabel(Indexed("Label4", static_cast<int>(i)), ToQ(kCityBuyingPrices[i].tab), pricePanel_);
        connect(tab, &ClickableLabel::activated, this, [this, i] {
            model_.SelectCity(static_cast<int>(i));
            Render();
        });
        tabs->addWidget(tab);
        cityTabs_[i] = tab;
    }
    panel->addLayout(tabs);
    for (std::size_t i = 0; i < cityPrices_.size(); ++i) {
        auto* line = new QLabel(pricePanel_);
        line->setObjectName(Indexed("Label5", static_cast<int>(i)));
        line->setFont(PriceFont());
        SetTextColour(line, colours::kBlue);
        panel->addWidget(line);
        cityPrices_[i] = line;
    }

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(3);
    column->addWidget(dial_, 0, Qt::AlignHCenter);
    column->addLayout(barRow);
    column->addLayout(countdownRow);
    column->addLayout(startRow);
    column->addWidget(pricesToggle_);
    column->addWidget(pricePanel_);
    column->addStretch();

    timer1_.setObjectName(QStringLiteral("Timer1"));
    timer1_.setInterval(100);
    connect(&timer1_, &QTimer::timeout, this, [this] {
        model_.Tick();
        Render();
    });
    timer2_.setObjectName(QStringLiteral("Timer2"));
    timer2_.setInterval(100);
    connect(&timer2_, &QTimer::timeout, this, [this] {
        model_.CaptionTick();
        Render();
    });

    loadNotice_ = model_.Open();
    Render();
    setFixedWidth(sizeHint().width());
    timer2_.start();
    PlaceTopRight();
}

void Form20::Render()
{
    const TradeClockView& v = model_.view();
    if (windowTitle() != ToQ(v.caption)) {
        setWindowTitle(ToQ(v.caption));
    }
    period_[0]->setText(ToQ(v.period[0]));
    period_[1]->setText(ToQ(v.period[1]));
    countdown_->setText(ToQ(v.countdown));
    barFill_->resize(v.progressTwips / kTwipsPerPixel, barFill_->height());
    dial_->setHands(v.redHand, v.blueHand);
    startStop_[0]->setEnabled(v.startEnabled);
    startStop_[1]->setEnabled(v.stopEnabled);
    pricesToggle_->setText(ToQ(v.pricesCaption));
    for (std::size_t i = 0; i < cityTabs_.size(); ++i) {
        SetTextColour(cityTabs_[i], v.cityColours[i]);
    }
    for (std::size_t i = 0; i < cityPrices_.size(); ++i) {
        cityPrices_[i]->setText(ToQ(v.cityPrices[i]));
    }
    if (pricePanel_->isVisibleTo(this) != v.pricesShown) {
        pricePanel_->setVisible(v.pricesShown);
        // The window is as tall as its pinned height, or taller where the text needs it.
        layout()->activate();
        const int height = std::max(v.heightTwips / kTwipsPerPixel, layout()->minimumSize().height());
        setFixedHeight(height);
    }
    if (v.running != timer1_.isActive()) {
        v.running ? timer1_.start() : timer1_.stop();
    }
}

void Form20::Notify(const std::optional<ClockNotice>& notice)
{
    if (!notice) {
        return;
    }
    if (notice->kind == ClockNotice::Kind::Warning) {
        ShowWarning(ToQ(notice->text));
    } else {
        ShowMessage(ToQ(notice->title), ToQ(notice->text));
    }
}

void Form20::PlaceTopRight()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    const int margin = 50 / kTwipsPerPixel;
    const QRect area = screen->geometry();
    move(area.right() + 1 - frameGeometry().width() - margin, area.top() + margin);
}

void Form20::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shownOnce_) {
        return;
    }
    shownOnce_ = true;
    PlaceTopRight();
    // The window manager adds its frame only once the window is up; place it again then, so the
    // title bar stays on the screen.
    QTimer::singleShot(50, this, &Form20::PlaceTopRight);
    // The load's reminder comes once the clock is on the screen, above it.
    if (loadNotice_) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                const auto notice = std::exchange(loadNotice_, std::nullopt);
                Notify(notice);
            },
            Qt::QueuedConnection);
    }
}

void Form20::closeEvent(QCloseEvent* event)
{
    model_.Close();
    timer1_.stop();
    QWidget::closeEvent(event);
}

void Form20::OpenAdjustment()
{
    if (!model_.CanAdjust()) {
        return;
    }
    Form21 adjust(std::filesystem::path(kSettingFileName), this);
    connect(&adjust, &Form21::adjusted, this, [this] {
        model_.EnableStart();
        Render();
    });
    adjust.exec();
}

void Form20::OpenHelp()
{
    Form22 help(this);
    help.exec();
}

}  // namespace zicalc
