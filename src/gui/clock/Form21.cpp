#include "gui/clock/Form21.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "gui/widgets/DcButton.h"
#include "gui/widgets/MessageBox.h"
#include "gui/widgets/ModalGuard.h"
#include "gui/widgets/PressRepeater.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

namespace {

QString Indexed(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// The +/- buttons in control order: hour +, hour −, minute +, minute −, second +, second −.
constexpr std::array<AdjustStep, 6> kSteps{AdjustStep::HourUp,     AdjustStep::HourDown, AdjustStep::MinuteUp,
                                           AdjustStep::MinuteDown, AdjustStep::SecondUp, AdjustStep::SecondDown};

}  // namespace

Form21::Form21(const std::filesystem::path& settingFile, QWidget* parent) : QDialog(parent), model_(settingFile)
{
    setObjectName(QStringLiteral("Form21"));
    setWindowTitle(QStringLiteral("     手动调时"));
    KeepModalInReach(this);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(4);
    // One repeater for the six buttons: holding one steps its field every 70 ms.
    auto* repeater = new PressRepeater(this);
    connect(repeater, &PressRepeater::step, this, [this](int index) {
        model_.Step(kSteps[static_cast<std::size_t>(index)]);
        Render();
    });
    const std::array<QString, 3> units{QStringLiteral("时"), QStringLiteral("分"), QStringLiteral("秒")};
    for (int i = 0; i < 3; ++i) {
        auto* field = MakeResultField(Indexed("Text1", i), this, 2);
        field->setText(QStringLiteral("00"));
        field->setAlignment(Qt::AlignCenter);
        fields_[static_cast<std::size_t>(i)] = field;
        auto* unit = MakeNamedLabel(Indexed("Label2", i), units[static_cast<std::size_t>(i)], this);
        grid->addWidget(unit, 0, 3 * i, 1, 2, Qt::AlignCenter);
        grid->addWidget(field, 1, 3 * i, 1, 2, Qt::AlignCenter);
        if (i < 2) {
            grid->addWidget(MakeNamedLabel(Indexed("Label1", i), QStringLiteral(":"), this), 1, 3 * i + 2,
                            Qt::AlignCenter);
        }
        for (int j = 0; j < 2; ++j) {
            const int index = 2 * i + j;
            auto* button = new DcButton(Indexed("dcButton1", index), j == 0 ? QStringLiteral("+") : QStringLiteral("-"),
                                        index, this);
            button->setFixedWidth(24);
            grid->addWidget(button, 2, 3 * i + j);
            repeater->attach(button);
        }
    }
    auto* save = new DcButton(Indexed("dcButton2", 0), QStringLiteral("修改"), 0, this);
    auto* quit = new DcButton(Indexed("dcButton2", 1), QStringLiteral("退出"), 1, this);
    auto* row = new QHBoxLayout;
    row->addWidget(save);
    row->addWidget(quit);
    grid->addLayout(row, 3, 0, 1, 8);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(save, &DcButton::clicked, this, [this] {
        const TimeAdjust::SaveResult result = model_.Save();
        if (result.saved) {
            emit adjusted();
        }
        ShowMessage(ToQ(result.title), ToQ(result.text));
    });
    connect(quit, &DcButton::clicked, this, &QDialog::close);

    model_.Load();
    Render();
}

void Form21::Render()
{
    const auto texts = model_.texts();
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i]->setText(ToQ(texts[i]));
    }
}

}  // namespace zicalc
