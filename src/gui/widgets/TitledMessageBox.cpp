#include "gui/widgets/TitledMessageBox.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "gui/widgets/DcButton.h"
#include "gui/widgets/Fonts.h"
#include "gui/widgets/ModalGuard.h"

namespace zicalc {

TitledMessageBox::TitledMessageBox(const QString& title, const QString& text, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TitledMessageBox"));
    setWindowTitle(title);
    KeepModalInReach(this);
    setModal(true);

    label_ = new QLabel(text, this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setFont(SongtiFont(10.5));
    label_->setAlignment(Qt::AlignCenter);

    button_ = new DcButton(QStringLiteral("Button1"), QStringLiteral("确定"), 0, this);
    button_->setMinimumSize(75, 23);
    connect(button_, &DcButton::clicked, this, &QDialog::accept);
    // Enter (and Space) answer the box at once.
    button_->setFocus(Qt::OtherFocusReason);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 12);
    layout->setSpacing(12);
    layout->addWidget(label_, 1, Qt::AlignCenter);
    layout->addWidget(button_, 0, Qt::AlignHCenter);
    setMinimumWidth(180);
    adjustSize();
    setFixedSize(size());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

}  // namespace zicalc
