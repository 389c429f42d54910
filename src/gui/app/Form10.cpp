#include "gui/app/Form10.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "gui/widgets/DcButton.h"
#include "gui/widgets/ModalGuard.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

Form10::Form10(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form10"));
    setWindowTitle(QStringLiteral("版权说明"));
    KeepModalInReach(this);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(QPixmap(QStringLiteral(":/zicalc/zicalc.png")));

    auto* text = MakeNamedLabel(QStringLiteral("Label1"),
                                QStringLiteral("zi多功能计算器是为游戏玩家免费编写的辅助工具。\n"
                                               "程序中的公式与数据由玩家整理和验证，仅供参考，\n"
                                               "一切以游戏中的实际数值为准。\n"
                                               "本程序不连接网络，不读写游戏文件，\n"
                                               "只在启动时的当前目录中使用 test.dat 与 setting.ini 两个文件。\n"
                                               "欢迎自由使用与转发，请勿用于商业用途。"),
                                this, colours::kBlue);
    auto* close = new DcButton(QStringLiteral("Button1"), QStringLiteral("关闭"), 0, this);
    connect(close, &DcButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout();
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(close, 0, Qt::AlignHCenter);
}

}  // namespace zicalc
