#include "gui/app/PetSimulatorShell.h"

#include <QAction>
#include <QMenu>

#include "gui/app/Form1.h"
#include "gui/app/SecondaryWindows.h"
#include "gui/app/TrayIcon.h"
#include "gui/pets/Form4.h"
#include "gui/pets/PetPage.h"

namespace zicalc {

namespace {

// The simulator's own icon menu "显示计算器": 计算器, 召唤兽加点, -, 关闭.
void GiveTrayIcon(Form4* form4, Form1* main)
{
    auto* tray = new TrayIcon(form4, QStringLiteral("menu_show"), QStringLiteral("显示计算器"));
    QObject::connect(tray, &TrayIcon::activated, tray, &TrayIcon::restore);
    // The main window comes back; the simulator stays hidden, its icon goes.
    QObject::connect(tray->addItem(QStringLiteral("Menu_count"), QStringLiteral("计算器")), &QAction::triggered, tray,
                     [tray, main] {
                         main->restoreFromTray();
                         tray->hide();
                     });
    QObject::connect(tray->addItem(QStringLiteral("Menu_Pet"), QStringLiteral("召唤兽加点")), &QAction::triggered, tray,
                     &TrayIcon::restore);
    tray->addSeparator(QStringLiteral("cut"));
    // Ends the program: the main window's closing unloads the simulator with everything else.
    QObject::connect(tray->addItem(QStringLiteral("Menu_Exit"), QStringLiteral("关闭")), &QAction::triggered, main,
                     [tray, main] {
                         tray->hide();
                         main->close();
                     });
}

}  // namespace

void OpenPetSimulator(Form1& main)
{
    if (auto* open = qobject_cast<Form4*>(main.windows()->find(QStringLiteral("Form4")))) {
        if (auto* tray = open->findChild<TrayIcon*>()) {
            tray->restore();
        } else {
            open->showNormal();
        }
        main.hide();
        return;
    }
    auto* form4 = main.windows()->open<Form4>(OpenOrder::ShowThenHideMain);
    GiveTrayIcon(form4, &main);
}

void WirePetSimulator(Form1& main)
{
    // Button13 is on the 召唤兽 page, Frame2(3).
    if (auto* page = qobject_cast<PetPage*>(main.page(3))) {
        QObject::connect(page, &PetPage::simulatorRequested, &main, [&main] { OpenPetSimulator(main); });
    }
    // The main window's tray item sits before the separator; the main window stays hidden.
    QMenu* menu = main.tray()->menu();
    QAction* item = main.tray()->addItem(QStringLiteral("Menu_Pet"), QStringLiteral("召唤兽加点"));
    for (QAction* a : menu->actions()) {
        if (a->objectName() == QLatin1String("cut")) {
            menu->removeAction(item);
            menu->insertAction(a, item);
            break;
        }
    }
    QObject::connect(item, &QAction::triggered, &main, [&main] {
        OpenPetSimulator(main);
        main.tray()->hide();
    });
}

}  // namespace zicalc
