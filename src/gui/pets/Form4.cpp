#include "gui/pets/Form4.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/widgets/ClickableField.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/NumericField.h"
#include "gui/widgets/PressRepeater.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Warning.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

namespace {
// What each share field is for, read out by screen readers (the fields have no caption).
const QString kShareNames[5] = {QStringLiteral("体质比例"), QStringLiteral("法力比例"), QStringLiteral("力量比例"),
                                QStringLiteral("耐力比例"), QStringLiteral("敏捷比例")};
}  // namespace

namespace {

constexpr std::array<const char16_t*, kPetStatCount> kStatCaptions{u"气血", u"魔法", u"攻击",
                                                                   u"防御", u"速度", u"灵力"};
constexpr std::array<const char16_t*, kPetPointCount> kPointCaptions{u"体质", u"法力", u"力量", u"耐力", u"敏捷"};
constexpr std::array<const char16_t*, kPetAptitudeCount> kAptitudeCaptions{u"攻击资质", u"防御资质", u"体力资质",
                                                                           u"法力资质", u"速度资质", u"躲闪资质"};

// The decorative picture: a bubble pet floating over clouds, drawn once at 512 × 384.
QPixmap DecorativePicture()
{
    QPixmap pm(512, 384);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 384);
    sky.setColorAt(0, QColor(120, 180, 240));
    sky.setColorAt(1, QColor(230, 244, 255));
    p.fillRect(pm.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    for (const QRectF& r : {QRectF(20, 270, 200, 80), QRectF(150, 290, 220, 70), QRectF(320, 260, 180, 90),
                            QRectF(60, 60, 120, 40), QRectF(360, 40, 110, 36)}) {
        p.drawEllipse(r);
    }
    QRadialGradient body(QPointF(236, 160), 150, QPointF(200, 120));
    body.setColorAt(0, QColor(255, 250, 255));
    body.setColorAt(0.6, QColor(250, 190, 220));
    body.setColorAt(1, QColor(220, 120, 180));
    p.setBrush(body);
    p.drawEllipse(QPointF(256, 180), 120, 110);
    p.setBrush(QColor(60, 40, 70));
    p.drawEllipse(QPointF(215, 165), 14, 18);
    p.drawEllipse(QPointF(297, 165), 14, 18);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(220, 158), 5, 6);
    p.drawEllipse(QPointF(302, 158), 5, 6);
    p.setPen(QPen(QColor(160, 60, 110), 5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(231, 185, 50, 34), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 150, 170, 150));
    p.drawEllipse(QPointF(188, 200), 18, 11);
    p.drawEllipse(QPointF(324, 200), 18, 11);
    p.end();
    return pm;
}

// A field the simulator writes: read-only, never cut to a length, green.
QLineEdit* MakeShownField(const QString& objectName, const QString& text, int digits, QWidget* parent)
{
    QLineEdit* f = MakeResultField(objectName, parent, digits);
    f->setText(text);
    return f;
}

// Green while locked; the system's own field background while editable.
void SetLocked(QLineEdit* field, bool locked)
{
    field->setReadOnly(locked);
    QPalette p = field->palette();
    const QColor base =
        locked ? ToQColor(kSimulatorLockedBackground) : field->style()->standardPalette().color(QPalette::Base);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Base, base);
    }
    field->setPalette(p);
}

// Writes a value the simulator computed. A field's maximum length limits typing only: a locked
// field takes the whole value, an editable one gets its own limit back.
void SetShown(QLineEdit* field, const std::string& text, int typedMax)
{
    const QString t = ToQ(text);
    if (field->isReadOnly() || t.size() > typedMax) {
        field->setMaxLength(32767);
    } else {
        field->setMaxLength(typedMax);
    }
    if (field->text() != t) {
        field->setText(t);
    }
}

}  // namespace

Form4::Form4(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("召唤兽属性预测"));
    setWindowIcon(QIcon(QStringLiteral(":/zicalc/zicalc.png")));
    setFont(DefaultFont());

    // A fixed panel, as designed: no maximise box, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* frame1 = new QFrame(this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameShape(QFrame::NoFrame);
    outer->addWidget(frame1);
    auto* layout = new QVBoxLayout(frame1);
    layout->setContentsMargins(8, 8, 8, 8);

    const auto label = [frame1](int i, const QString& text, Rgb colour = colours::kBlue) {
        return MakeNamedLabel(QStringLiteral("Label1(%1)").arg(i), text, frame1, colour);
    };
    const auto button = [frame1](const QString& name, const QString& caption, int index, const QString& tip) {
        auto* b = new DcButton(name, caption, index, frame1);
        if (!tip.isEmpty()) {
            b->setToolTip(tip);
        }
        return b;
    };
    const auto green = [](QLineEdit* f) {
        SetLocked(f, true);
        return f;
    };
    // A share field: a click takes the unassigned part (or, on Text6(5), starts the shares over).
    const auto shareField = [this, frame1](std::size_t i, const QString& text) {
        auto* f = new ClickableField(QStringLiteral("Text6(%1)").arg(i), text, frame1);
        f->setBackgroundColour(kSimulatorLockedBackground);
        f->setAccessibleName(i < 5 ? kShareNames[i] : QStringLiteral("未分配比例"));
        FitDigits(f, 4);
        connect(f, &ClickableField::clicked, this, [this, i] { apply(sim_.TakeAllShare(i)); });
        return f;
    };

    // Top: the picture in its square, the four commands over the status, the aptitude column.
    auto* top = new QHBoxLayout();
    layout->addLayout(top);
    auto* pictureCell = new QGridLayout();
    const int side = fontMetrics().height() * 8;
    const QPixmap picture =
        DecorativePicture().scaled(side * 4 / 3, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const QPixmap square = picture.copy((picture.width() - side) / 2, 0, side, side);
    for (const char* name : {"Picture2", "Picture1"}) {
        auto* pic = new QLabel(frame1);
        pic->setObjectName(QLatin1String(name));
        pic->setPixmap(square);
        pic->setFixedSize(side, side);
        pic->setFrameShape(QFrame::Panel);
        pic->setFrameShadow(QFrame::Sunken);
        pictureCell->addWidget(pic, 0, 0);  // Picture1 lies over Picture2
    }
    top->addLayout(pictureCell);

    auto* commands = new QGridLayout();
    command1_ = button(QStringLiteral("Command1"), QStringLiteral("确定"), 0, QString());
    command2_ = button(QStringLiteral("Command2"), QStringLiteral("重设"), 0, QString());
    command4_[0] = button(QStringLiteral("Command4(0)"), QStringLiteral("保存"), 0, QString());
    command4_[1] = button(QStringLiteral("Command4(1)"), QStringLiteral("读取"), 1, QString());
    commands->addWidget(command1_, 0, 0);
    commands->addWidget(command2_, 0, 1);
    commands->addWidget(command4_[0], 1, 0);
    commands->addWidget(command4_[1], 1, 1);
    text7_ = MakeShownField(QStringLiteral("Text7"), QString(), 8, frame1);
    text7_->setAlignment(Qt::AlignCenter);
    text7_->setAccessibleName(QStringLiteral("宝宝判别"));
    SetTextColour(text7_, colours::kRed);
    green(text7_);
    text7_->setMinimumWidth(text7_->fontMetrics().horizontalAdvance(QStringLiteral("可能宝宝可能宝宝")));
    commands->addWidget(text7_, 2, 0, 1, 2);
    commands->setRowStretch(3, 1);
    top->addLayout(commands);
    top->addStretch(1);

    auto* aptitudes = new QGridLayout();
    aptitudes->setVerticalSpacing(2);
    for (std::size_t i = 0; i < kPetAptitudeCount; ++i) {
        const int n = static_cast<int>(i);
        aptitudes->addWidget(label(14 + n, QString::fromUtf16(kAptitudeCaptions[i])), n, 0);
        text5_[i] = new NumericField(QStringLiteral("Text5(%1)").arg(n), 4, QString(), frame1);
        FitDigits(text5_[i], 5);
        aptitudes->addWidget(text5_[i], n, 1);
    }
    top->addLayout(aptitudes);

    // 名称 [Combo2]   等级 [Combo1] [+1] [-1]
    auto* pick = new QHBoxLayout();
    layout->addLayout(pick);
    pick->addWidget(label(0, QStringLiteral("名称")));
    combo2_ = new QComboBox(frame1);
    combo2_->setObjectName(QStringLiteral("Combo2"));
    combo2_->setMaxVisibleItems(20);
    for (const std::string& name : SimulatorPetNames()) {
        combo2_->addItem(ToQ(name));
    }
    combo2_->setCurrentText(QStringLiteral("超级泡泡"));
    pick->addWidget(combo2_);
    pick->addSpacing(16);
    pick->addWidget(label(1, QStringLiteral("等级")));
    combo1_ = new QComboBox(frame1);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->setMaxVisibleItems(20);
    for (int level = 0; level <= kSimulatorMaxLevel; ++level) {
        combo1_->addItem(QString::number(level));
    }
    combo1_->installEventFilter(this);
    pick->addWidget(combo1_);
    std::array<DcButton*, 2> command7{};
    command7[1] = button(QStringLiteral("Command7(1)"), QStringLiteral("+1"), 1,
                         QStringLiteral("按住左键连续+1级,右键一次+10级"));
    command7[0] = button(QStringLiteral("Command7(0)"), QStringLiteral("-1"), 0,
                         QStringLiteral("按住左键连续-1级,右键一次-10级"));
    pick->addWidget(command7[1]);
    pick->addWidget(command7[0]);
    pick->addStretch(1);

    // The six rows: value, points with their +/-, share with its +/-; the potential row last.
    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    layout->addLayout(grid);
    std::array<DcButton*, 10> command5{};
    std::array<DcButton*, 11> command6{};
    for (std::size_t k = 0; k < kPetStatCount; ++k) {
        const int row = static_cast<int>(k);
        grid->addWidget(label(2 + row, QString::fromUtf16(kStatCaptions[k])), row, 0);
        if (k == 0) {
            text3_[0] = new NumericField(QStringLiteral("Text3(0)"), 5, QString(), frame1);
            FitDigits(text3_[0], 7);
        } else {
            text3_[k] = green(MakeShownField(QStringLiteral("Text3(%1)").arg(row), QStringLiteral("0"), 7, frame1));
        }
        grid->addWidget(text3_[k], row, 1);
    }
    const int small = fontMetrics().horizontalAdvance(QStringLiteral("+1")) + 16;
    for (std::size_t k = 0; k < kPetPointCount; ++k) {
        const int row = static_cast<int>(k);
        grid->addWidget(label(8 + row, QString::fromUtf16(kPointCaptions[k])), row, 2);
        text4_[k] = new NumericField(QStringLiteral("Text4(%1)").arg(row), 4, QString(), frame1);
        FitDigits(text4_[k], 6);
        text4_[k]->installEventFilter(this);
        grid->addWidget(text4_[k], row, 3);
        command5[k] = button(QStringLiteral("Command5(%1)").arg(row), QStringLiteral("+"), row,
                             QStringLiteral("按住左键连续+1点,右键一次+50点"));
        command5[k + 5] = button(QStringLiteral("Command5(%1)").arg(row + 5), QStringLiteral("-"), row + 5,
                                 QStringLiteral("按住左键连续-1点,右键一次-50点"));
        text6_[k] = shareField(k, QStringLiteral("0"));
        command6[k] = button(QStringLiteral("Command6(%1)").arg(row), QStringLiteral("+"), row,
                             QStringLiteral("左键+0.1,右键+0.5"));
        command6[k + 5] = button(QStringLiteral("Command6(%1)").arg(row + 5), QStringLiteral("-"), row + 5,
                                 QStringLiteral("左键-0.1,右键-0.5"));
        grid->addWidget(command5[k], row, 4);
        grid->addWidget(command5[k + 5], row, 5);
        grid->addWidget(text6_[k], row, 6);
        grid->addWidget(command6[k], row, 7);
        grid->addWidget(command6[k + 5], row, 8);
    }
    const int potentialRow = 5;
    grid->addWidget(label(13, QStringLiteral("潜能"), colours::kRed), potentialRow, 2);
    auto* potential = new QHBoxLayout();
    potential->setSpacing(2);
    text1Remaining_ = new ClickableField(QStringLiteral("Text1(1)"), QStringLiteral("0"), frame1);
    text1Remaining_->setBackgroundColour(kSimulatorLockedBackground);
    FitDigits(text1Remaining_, 5);
    connect(text1Remaining_, &ClickableField::clicked, this, [this] { apply(sim_.UndoPlacing()); });
    potential->addWidget(text1Remaining_);
    potential->addWidget(MakeNamedLabel(QStringLiteral("Label2"), QStringLiteral("/"), frame1));
    text1Available_ = new NumericField(QStringLiteral("Text1(0)"), 4, QString(), frame1);
    FitDigits(text1Available_, 5);
    text1Available_->setAccessibleName(QStringLiteral("可用潜能"));
    text1Available_->installEventFilter(this);
    potential->addWidget(text1Available_);
    potential->addStretch(1);
    grid->addLayout(potential, potentialRow, 3, 1, 3);
    text6_[5] = shareField(5, QStringLiteral("5"));
    grid->addWidget(text6_[5], potentialRow, 6);
    command6[10] = button(QStringLiteral("Command6(10)"), QStringLiteral("%"), 10, QStringLiteral("确认百分比加点"));
    grid->addWidget(command6[10], potentialRow, 7, 1, 2);
    for (DcButton* b : command5) {
        b->setFixedWidth(small);
    }
    for (DcButton* b : command6) {
        b->setMinimumWidth(small);
    }
    for (DcButton* b : command7) {
        b->setFixedWidth(small + 8);
    }
    grid->setColumnStretch(9, 1);

    // 成长率：新 [Text2(0)] 旧 [Text2(1)]   加点 取消
    auto* bottom = new QHBoxLayout();
    layout->addLayout(bottom);
    bottom->addWidget(MakeNamedLabel(QStringLiteral("Label3(2)"), QStringLiteral("成长率："), frame1));
    bottom->addWidget(MakeNamedLabel(QStringLiteral("Label3(0)"), QStringLiteral("新"), frame1));
    for (std::size_t i = 0; i < 2; ++i) {
        text2_[i] = green(MakeShownField(QStringLiteral("Text2(%1)").arg(i), QStringLiteral("0"), 7, frame1));
        SetTextColour(text2_[i], colours::kRed);
        if (i == 0) {
            bottom->addWidget(text2_[0]);
            bottom->addWidget(MakeNamedLabel(QStringLiteral("Label3(1)"), QStringLiteral("旧"), frame1));
        } else {
            bottom->addWidget(text2_[1]);
        }
    }
    bottom->addStretch(1);
    command8_ = button(QStringLiteral("Command8"), QStringLiteral("加点"), 0, QStringLiteral("加点确认"));
    command3_ = button(QStringLiteral("Command3"), QStringLiteral("取消"), 0, QStringLiteral("加点返还"));
    bottom->addWidget(command8_);
    bottom->addWidget(command3_);

    // Keyboard: the inputs in the order a player copies them, then 确定. The step buttons act on
    // the mouse button pressed, so they take no focus.
    QWidget* previous = combo1_;
    for (QWidget* w : std::initializer_list<QWidget*>{text3_[0],    text4_[0],       text4_[1], text4_[2], text4_[3],
                                                      text4_[4],    text1Available_, text5_[0], text5_[1], text5_[2],
                                                      text5_[3],    text5_[4],       text5_[5], command1_, command2_,
                                                      command4_[0], command4_[1],    command8_, command3_, combo2_}) {
        setTabOrder(previous, w);
        previous = w;
    }
    for (DcButton* b : command5) {
        b->setFocusPolicy(Qt::NoFocus);
    }
    for (DcButton* b : command6) {
        b->setFocusPolicy(Qt::NoFocus);
    }
    for (DcButton* b : command7) {
        b->setFocusPolicy(Qt::NoFocus);
    }

    // Held "-1"/"+1": a step every 70 ms until the level can go no further; a right press steps ten.
    timer1_ = new PressRepeater(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setRightStepEnabled(true);
    for (DcButton* b : command7) {
        timer1_->attach(b);
    }
    connect(timer1_, &PressRepeater::step, this, &Form4::onLevelTick);
    connect(timer1_, &PressRepeater::rightStep, this,
            [this](int index) { apply(sim_.StepLevel(index == 1 ? 10 : -10)); });
    // Held "+"/"-" of a point row: steps by one until released, even where a step is refused;
    // a right press steps fifty.
    timer2_ = new PressRepeater(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setRightStepEnabled(true);
    for (DcButton* b : command5) {
        timer2_->attach(b);
    }
    connect(timer2_, &PressRepeater::step, this, &Form4::onPointTick);
    connect(timer2_, &PressRepeater::rightStep, this, &Form4::onPointRight);

    connect(command1_, &DcButton::clickedIndex, this, &Form4::onStart);
    connect(command2_, &DcButton::clickedIndex, this, [this] { apply(sim_.Reset()); });
    connect(command3_, &DcButton::clickedIndex, this, [this] { apply(sim_.Refund()); });
    connect(command8_, &DcButton::clickedIndex, this, [this] { apply(sim_.Confirm()); });
    connect(command4_[0], &DcButton::clickedIndex, this, [this] { apply(sim_.Save()); });
    connect(command4_[1], &DcButton::clickedIndex, this, [this] { apply(sim_.Load()); });
    for (DcButton* b : command6) {
        connect(b, &DcButton::clickedIndex, this, &Form4::onShareClick);
        connect(b, &DcButton::mouseDown, this, &Form4::onShareDown);
    }

    render();
}

Form4::~Form4() = default;

void Form4::render()
{
    const PetSimulationView v = sim_.view();
    if (const int at = combo1_->findText(ToQ(v.level)); at >= 0) {
        combo1_->setCurrentIndex(at);
    }
    for (NumericField* f : text5_) {
        SetLocked(f, v.inputsLocked);
    }
    SetLocked(text3_[0], v.inputsLocked);
    for (NumericField* f : text4_) {
        SetLocked(f, v.inputsLocked);
    }
    SetLocked(text1Available_, v.inputsLocked);

    for (std::size_t i = 0; i < kPetAptitudeCount; ++i) {
        SetShown(text5_[i], v.aptitudes[i], 4);
    }
    SetShown(text3_[0], v.stats[0], 5);
    for (std::size_t k = 1; k < kPetStatCount; ++k) {
        SetShown(text3_[k], v.stats[k], 32767);
    }
    for (std::size_t i = 0; i < kPetPointCount; ++i) {
        SetShown(text4_[i], v.points[i], 4);
    }
    SetShown(text1Available_, v.available, 4);
    SetShown(text1Remaining_, v.remaining, 32767);
    for (std::size_t i = 0; i < kPetShareFieldCount; ++i) {
        SetShown(text6_[i], v.shares[i], 32767);
    }
    SetShown(text2_[0], v.growthNew, 32767);
    SetShown(text2_[1], v.growthOld, 32767);
    SetShown(text7_, v.status, 32767);

    command1_->setEnabled(v.startEnabled);
    for (DcButton* b : {command2_, command3_, command4_[0], command8_}) {
        b->setEnabled(v.activeEnabled);
    }
    command4_[1]->setEnabled(v.loadEnabled);
}

void Form4::apply(const PetOutcome& outcome)
{
    if (outcome.changed) {
        render();
    }
    if (outcome.focusLevel) {
        combo1_->setFocus(Qt::OtherFocusReason);
    }
    if (outcome.warning) {
        ShowWarning(ToQ(*outcome.warning));
    }
}

void Form4::onStart()
{
    PetEntry e;
    e.level = combo1_->currentIndex();
    e.hp = ToStd(text3_[0]->text());
    for (std::size_t i = 0; i < kPetPointCount; ++i) {
        e.points[i] = ToStd(text4_[i]->text());
    }
    e.potential = ToStd(text1Available_->text());
    for (std::size_t i = 0; i < kPetAptitudeCount; ++i) {
        e.aptitudes[i] = ToStd(text5_[i]->text());
    }
    apply(sim_.Start(e));
}

void Form4::onLevelTick(int index)
{
    const PetOutcome out = sim_.StepLevel(index == 1 ? 1 : -1);
    if (!out.changed) {
        timer1_->stop();
    }
    apply(out);
}

void Form4::onPointTick(int index)
{
    // A refused step does nothing; the repeat runs on until the button is released.
    const auto attribute = static_cast<std::size_t>(index % 5);
    apply(index < 5 ? sim_.RaisePoint(attribute, 1) : sim_.LowerPoint(attribute, 1));
}

void Form4::onPointRight(int index)
{
    const auto attribute = static_cast<std::size_t>(index % 5);
    apply(index < 5 ? sim_.RaisePoint(attribute, 50) : sim_.LowerPoint(attribute, 50));
}

void Form4::onShareClick(int index)
{
    if (index == 10) {
        apply(sim_.ApplyShares());
        return;
    }
    const auto attribute = static_cast<std::size_t>(index % 5);
    apply(index < 5 ? sim_.RaiseShare(attribute, 1) : sim_.LowerShare(attribute, 1));
}

void Form4::onShareDown(int button, int index)
{
    if (button != 2 || index == 10) {
        return;
    }
    const auto attribute = static_cast<std::size_t>(index % 5);
    apply(index < 5 ? sim_.RaiseShare(attribute, 5) : sim_.LowerShare(attribute, 5));
}

bool Form4::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == combo1_ && sim_.active()) {
        // The level is locked while the simulation runs: no mouse, wheel or key changes it,
        // though Tab still passes through.
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseButtonRelease:
            case QEvent::Wheel:
                return true;
            case QEvent::KeyPress: {
                const int key = static_cast<QKeyEvent*>(event)->key();
                return key != Qt::Key_Tab && key != Qt::Key_Backtab;
            }
            default:
                break;
        }
    }
    // A click on a point field takes all remaining potential there; on the potential, it undoes
    // the placing. Both fields are inputs too, so they are watched rather than made clickable.
    if (event->type() == QEvent::MouseButtonRelease && watched != combo1_) {
        const auto* me = static_cast<QMouseEvent*>(event);
        auto* w = static_cast<QWidget*>(watched);
        if (me->button() == Qt::LeftButton && w->rect().contains(me->position().toPoint())) {
            if (watched == text1Available_) {
                apply(sim_.UndoPlacing());
            }
            for (std::size_t i = 0; i < kPetPointCount; ++i) {
                if (watched == text4_[i]) {
                    apply(sim_.TakeAllRemaining(i));
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form4::changeEvent(QEvent* event)
{
    // Another window took over in the middle of a hold: its release may never reach us.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        timer1_->stop();
        timer2_->stop();
    }
    QWidget::changeEvent(event);
}

}  // namespace zicalc
