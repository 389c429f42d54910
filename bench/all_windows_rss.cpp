// Resident memory of the program after every window has been opened once (and closed again),
// on the real display: the window tour of the GUI tests, then a look at /proc.
#include <QApplication>
#include <QThread>
#include <cstdio>
#include <fstream>
#include <string>

#include "GuiTest.h"
#include "WindowTour.h"
#include "gui/widgets/AccessibleNames.h"
#include "gui/widgets/AppLook.h"
#include "gui/widgets/Fonts.h"

namespace {

long RssKb()
{
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    zicalc::ApplyApplicationLook(app);
    guitest::TempWorkDir workDir;
    long peak = 0;
    const QStringList names =
        guitest::TourEveryWindow([&](QWidget*, const QString&) { peak = std::max(peak, RssKb()); });
    QApplication::processEvents();
    std::printf(
        "windows opened: %lld\nRSS after every window was opened once: %.1f MB (highest while a window was up: %.1f "
        "MB)\n",
        static_cast<long long>(names.size()), RssKb() / 1024.0, peak / 1024.0);
    return 0;
}
