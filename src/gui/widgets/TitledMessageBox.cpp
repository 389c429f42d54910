#include "gui/widgets/TitledMessageBox.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/widgets/DcButton.h"
#include "gui/widgets/Fonts.h"

namespace zicalc {

TitledMessageBox::TitledMessageBox(const QString& title, const QString& text, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TitledMessageBox"));
    setWindowTitle(title);
    // Title and close box only: no minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);

    label_ = new QLabel(text, this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setFont(SongtiFont(10.5));
    label_->setAlignment(Qt::AlignCenter);

    button_ = new DcButton(QStringLiteral("Button1"), QStringLiteral("确定"), 0, this);
    button_->setMinimumSize(75, 23);
    button_->setDefault(true);  // Enter closes the box
    connect(button_, &DcButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 12);
    layout->setSpacing(12);
    layout->addWidget(label_, 1, Qt::AlignCenter);
    layout->addWidget(button_, 0, Qt::AlignHCenter);
    setMinimumWidth(180);
    adjustSize();
    setFixedSize(size());
    button_->setFocus();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TitledMessageBox::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        // Minimised, the box would block every other window from nowhere: bring it back.
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            show();
            raise();
            activateWindow();
        });
    }
}

}  // namespace zicalc
