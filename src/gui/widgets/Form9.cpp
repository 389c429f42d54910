#include "gui/widgets/Form9.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/widgets/DcButton.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/ModalGuard.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Warning.h"

namespace zicalc {

Form9::Form9(const QString& message, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(QStringLiteral("警告框！"));
    KeepModalInReach(this);
    setAttribute(Qt::WA_DeleteOnClose, false);

    label_ = new QLabel(message, this);
    label_->setObjectName(QStringLiteral("Label1"));
    QFont f = SongtiFont(10.5);
    f.setBold(true);
    label_->setFont(f);
    SetTextColour(label_, colours::kRed);
    label_->setAlignment(Qt::AlignCenter);

    button_ = new DcButton(QStringLiteral("Button1"), QStringLiteral("确定"), 0, this);
    button_->setMinimumSize(57, 25);  // 855 × 375 twips
    connect(button_, &DcButton::clicked, this, &QDialog::accept);
    // Enter (and Space) answer the box at once.
    button_->setFocus(Qt::OtherFocusReason);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 10);
    layout->addWidget(label_, 1, Qt::AlignCenter);
    layout->addWidget(button_, 0, Qt::AlignHCenter);
    setMinimumSize(193, 76);  // 2895 × 1140 twips
    adjustSize();
    setFixedSize(size());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

namespace {
WarningSink& Sink()
{
    static WarningSink sink;
    return sink;
}
}  // namespace

void ShowWarning(const QString& message)
{
    if (Sink()) {
        Sink()(message);
        return;
    }
    // A fresh box every time, owned by nobody, so only the latest message shows.
    Form9 box(message);
    box.exec();
}

WarningSink SetWarningSink(WarningSink sink)
{
    WarningSink previous = std::move(Sink());
    Sink() = std::move(sink);
    return previous;
}

}  // namespace zicalc
