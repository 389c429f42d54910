#include "gui/app/AboutPage.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "gui/widgets/DcButton.h"
#include "gui/app/Form10.h"
#include "gui/widgets/Widgets.h"

namespace zicalc {

namespace {

// Release notes, newest first.
constexpr char16_t kReleaseNotes[] =
    u"zi多功能计算器v4.02/4.03版\n"
    u"1. 新增科举模拟考试：二十关限时答题，可使用求助并回顾答错的题目。\n"
    u"2. 新增跑商辅助时钟：显示游戏时辰与倒计时，可手动校准。\n"
    u"3. 新增商会召唤兽店铺预算。\n"
    u"4. 新增剧情任务指南与家具配方、官职贡献查询。\n"
    u"5. 程序只允许运行一个，再次启动会把已运行的窗口带到前面。\n"
    u"6. 最小化后缩到系统托盘，双击托盘图标恢复。\n"
    u"\n"
    u"zi多功能计算器v4.04版预计\n"
    u"1. 孩子系统的养育计算。\n"
    u"2. 补充更多场景怪物的气血数据。\n"
    u"3. 科举题库继续增补与校对。\n"
    u"\n"
    u"zi多功能计算器v4.01版\n"
    u"1. 新增召唤兽加点模拟器，可保存与恢复一次加点方案。\n"
    u"2. 新增召唤兽满经验场景与人物传说场景查询。\n"
    u"3. 新增NPC位置查询，输入任意片段即可列出。\n"
    u"4. 新增打造裁缝炼金熟练度与装备属性列表。\n"
    u"\n"
    u"zi多功能计算器v4.0版\n"
    u"1. 等级与经验互算。\n"
    u"2. 门派技能、辅助技能与角色修炼的消耗计算。\n"
    u"3. 携带金钱上限与帮派维护资金计算。\n"
    u"4. 帮派任务、门派任务、任务链与封妖任务奖励计算。\n"
    u"5. 召唤兽图鉴、成长率计算与宝宝判别。\n"
    u"6. 科举题库的浏览、搜索、添加、修改与删除。\n";

// Seventeen lines on the program's scope and thanks.
constexpr std::array<const char16_t*, 17> kThanks{
    u"本计算器汇集了玩家平时需要手算或翻查的数据：",
    u"经验、技能、修炼与帮派的各项消耗，",
    u"各类任务的奖励，召唤兽的资料与计算，",
    u"科举题库与模拟考试，以及各种查询卡片。",
    u"所有数据都内置在程序中，不需要联网。",
    u"数值来自玩家的整理与实测，如有出入，",
    u"请以游戏中的实际数值为准。",
    u"",
    u"感谢以下朋友提供数据与帮助：",
    u"整理经验与技能消耗表的各位玩家，",
    u"提供召唤兽资质与成长数据的玩家，",
    u"收集科举题目并帮忙校对的玩家，",
    u"记录场景怪物气血与NPC位置的玩家，",
    u"测试跑商时钟与商会预算的玩家。",
    u"",
    u"欢迎继续提供数据和建议，",
    u"祝大家游戏愉快！",
};

}  // namespace

AboutPage::AboutPage(QWidget* parent) : PageFrame(7, parent)
{
    auto* layout = new QGridLayout(this);

    auto* notes = new QPlainTextEdit(this);
    notes->setObjectName(QStringLiteral("Text27"));
    notes->setReadOnly(true);
    notes->setFocusPolicy(Qt::NoFocus);
    notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    notes->setPlainText(QString::fromUtf16(kReleaseNotes));
    layout->addWidget(notes, 0, 0, 2, 1);

    auto* notice = new DcButton(QStringLiteral("dcButton1"), QString(), 0, this);
    notice->setFixedSize(15, 15);  // 225 × 225 twips
    notice->setBackgroundColour(colours::kOrange);
    notice->setToolTip(QStringLiteral("版权说明"));
    connect(notice, &DcButton::clicked, this, [this] {
        Form10 box(window());
        box.exec();
    });
    layout->addWidget(notice, 0, 1, Qt::AlignLeft | Qt::AlignTop);

    auto* thanks = new QVBoxLayout();
    thanks->setSpacing(0);
    for (std::size_t i = 0; i < kThanks.size(); ++i) {
        thanks->addWidget(MakeNamedLabel(QStringLiteral("Label21(%1)").arg(i), QString::fromUtf16(kThanks[i]), this));
    }
    thanks->addStretch(1);
    layout->addLayout(thanks, 1, 1);
    layout->setColumnStretch(0, 1);
}

}  // namespace zicalc
