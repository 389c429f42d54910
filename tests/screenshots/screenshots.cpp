// `make screenshots`: one PNG per window and per page of the main window, for a person to look
// at, written to the directory given. Run it once per scale (QT_SCALE_FACTOR).

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

#include "GuiTest.h"
#include "WindowTour.h"
#include "gui/widgets/AccessibleNames.h"
#include "gui/widgets/AppLook.h"
#include "gui/widgets/Fonts.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-DIRECTORY\n", argv[0]);
        return 2;
    }
    const QDir out(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1])));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    zicalc::ApplyApplicationLook(app);
    guitest::TempWorkDir workDir;  // the tour edits the question bank it is given
    int failures = 0;
    const QStringList names = guitest::TourEveryWindow([&](QWidget* window, const QString& name) {
        QString file = name;
        file.replace(QLatin1Char(':'), QStringLiteral("-page"));
        const QString path = out.filePath(file + QStringLiteral(".png"));
        if (!window->grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    });
    std::printf("%lld screenshots in %s\n", static_cast<long long>(names.size()), qPrintable(out.path()));
    return failures == 0 ? 0 : 1;
}
