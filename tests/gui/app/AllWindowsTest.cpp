// Every window, found by the window tour, checked for what must hold in all of them: each control
// a keyboard or screen-reader user reaches has a name, and no text needs more room than its
// control is given. ctest runs this program at scale 1 and 2 and with a 12-point default font
// (ZICALC_TEST_POINT_SIZE).

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtTest>

#include "GuiTest.h"
#include "WindowTour.h"
#include "gui/widgets/AccessibleNames.h"
#include "gui/widgets/AppLook.h"
#include "gui/widgets/Fonts.h"

using namespace guitest;

namespace {

// The windows the tour must reach; a window that lands is added here. (Form21 opens only once the
// clock has been stopped, a state the tour does not bring about.)
const QStringList kExpected{
    QStringLiteral("Form1:0"), QStringLiteral("Form1:1"),         QStringLiteral("Form1:2"), QStringLiteral("Form1:3"),
    QStringLiteral("Form1:5"), QStringLiteral("Form1:6"),         QStringLiteral("Form1:7"), QStringLiteral("Form2"),
    QStringLiteral("Form4"),   QStringLiteral("Form5"),           QStringLiteral("Form6"),   QStringLiteral("Form7"),
    QStringLiteral("Form9"),   QStringLiteral("Form10"),          QStringLiteral("Form11"),  QStringLiteral("Form18"),
    QStringLiteral("Form19"),  QStringLiteral("Form20"),          QStringLiteral("Form22"),  QStringLiteral("Form1:8"),
    QStringLiteral("Form8"),   QStringLiteral("TitledMessageBox")};

// The smallest screen the windows must fit on whole, in device pixels.
constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;

QString Describe(const QWidget* w)
{
    const QString name = w->objectName().isEmpty() ? QStringLiteral("(unnamed)") : w->objectName();
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(w->metaObject()->className()), name);
}

// Controls whose own accessible object stands for them: the line edit inside a combo box, the
// viewport and scroll bars of a list.
bool IsPartOfAnother(const QWidget* w, const QWidget* window)
{
    if (qobject_cast<const QScrollBar*>(w) != nullptr) {
        return true;
    }
    for (const QWidget* p = w->parentWidget(); p != nullptr && p != window; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox*>(p) != nullptr || qobject_cast<const QAbstractSpinBox*>(p) != nullptr ||
            qobject_cast<const QAbstractScrollArea*>(p) != nullptr) {
            return true;
        }
    }
    return false;
}

bool IsControl(const QWidget* w)
{
    return w->focusPolicy() != Qt::NoFocus || qobject_cast<const QAbstractButton*>(w) != nullptr ||
           qobject_cast<const QLineEdit*>(w) != nullptr || qobject_cast<const QComboBox*>(w) != nullptr ||
           qobject_cast<const QAbstractItemView*>(w) != nullptr;
}

QStringList UnnamedControls(QWidget* window)
{
    QStringList out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !IsControl(w) || IsPartOfAnother(w, window)) {
            continue;
        }
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (a == nullptr || a->text(QAccessible::Name).trimmed().isEmpty()) {
            out << Describe(w);
        }
    }
    return out;
}

QSize TextSize(const QFontMetrics& fm, const QString& text)
{
    return fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::TextShowMnemonic, text).size();
}

QString Clip(const QWidget* w, const QString& text, QSize need, QSize room)
{
    return QStringLiteral("%1 \"%2\" needs %3×%4, has %5×%6")
        .arg(Describe(w), text.left(30))
        .arg(need.width())
        .arg(need.height())
        .arg(room.width())
        .arg(room.height());
}

// The room a label, button, option, field or list gives its text, against what the text needs.
QStringList ClippedTexts(QWidget* window)
{
    QStringList out;
    const auto check = [&out](const QWidget* w, const QString& text, QSize need, QSize room) {
        if (need.width() > room.width() || need.height() > room.height()) {
            out << Clip(w, text, need, room);
        }
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->width() <= 1 || w->height() <= 1) {
            continue;  // zero-size placeholders show nothing
        }
        const QFontMetrics fm = w->fontMetrics();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty()) {
                continue;
            }
            if (label->wordWrap()) {
                const int need = label->heightForWidth(label->width());
                check(w, label->text(), {label->width(), need}, label->size());
            } else {
                check(w, label->text(), label->sizeHint(), label->size());
            }
        } else if (auto* option = qobject_cast<QAbstractButton*>(w);
                   option != nullptr &&
                   (qobject_cast<QRadioButton*>(w) != nullptr || qobject_cast<QCheckBox*>(w) != nullptr)) {
            if (!option->text().isEmpty()) {
                check(w, option->text(), {option->sizeHint().width(), fm.height()}, option->size());
            }
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            if (!button->text().isEmpty()) {
                // The text within the button's frame (a 2-pixel border at most, focused).
                const QSize text = TextSize(fm, button->text());
                check(w, button->text(), text, button->size() - QSize(4, 2));
            }
        } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
            if (IsPartOfAnother(w, window) || field->text().isEmpty()) {
                continue;
            }
            QStyleOptionFrame opt;
            opt.initFrom(field);
            opt.lineWidth =
                field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, field) : 0;
            QRect r = field->style()->subElementRect(QStyle::SE_LineEditContents, &opt, field);
            r = r.marginsRemoved(field->textMargins());
            const QString shown = field->echoMode() == QLineEdit::Normal ? field->text() : field->displayText();
            // QLineEdit keeps 2 pixels free on either side of the text.
            check(w, shown, {fm.horizontalAdvance(shown), fm.height()}, {r.width() - 4, r.height()});
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox opt;
            opt.initFrom(combo);
            opt.editable = combo->isEditable();
            const QRect r =
                combo->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, combo);
            QString widest = combo->currentText();
            for (int i = 0; i < combo->count(); ++i) {
                if (fm.horizontalAdvance(combo->itemText(i)) > fm.horizontalAdvance(widest)) {
                    widest = combo->itemText(i);
                }
            }
            check(w, widest, {fm.horizontalAdvance(widest), fm.height()}, r.size());
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            if (!box->title().isEmpty()) {
                check(w, box->title(), {fm.horizontalAdvance(box->title()) + 16, fm.height()}, box->size());
            }
        }
    }
    // A layout given less than its controls' minimum sizes lays them over each other.
    QList<QWidget*> shown;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        // A picture may lie over another on purpose; text may not.
        const auto* label = qobject_cast<QLabel*>(w);
        const bool control = (label != nullptr && !label->text().isEmpty()) ||
                             qobject_cast<QAbstractButton*>(w) != nullptr || qobject_cast<QLineEdit*>(w) != nullptr ||
                             qobject_cast<QComboBox*>(w) != nullptr;
        if (control && w->isVisibleTo(window) && w->width() > 1 && w->height() > 1 && !IsPartOfAnother(w, window)) {
            shown << w;
        }
    }
    for (qsizetype i = 0; i < shown.size(); ++i) {
        for (qsizetype j = i + 1; j < shown.size(); ++j) {
            if (shown[i]->parentWidget() == shown[j]->parentWidget() &&
                shown[i]->geometry().intersects(shown[j]->geometry())) {
                out << QStringLiteral("%1 overlaps %2").arg(Describe(shown[i]), Describe(shown[j]));
            }
        }
    }
    return out;
}

QString OffScreen(QWidget* window)
{
    const QSize device = window->frameGeometry().size() * window->devicePixelRatioF();
    if (device.width() > kScreenWidth || device.height() > kScreenHeight) {
        return QStringLiteral("%1 is %2×%3 device pixels")
            .arg(window->objectName())
            .arg(device.width())
            .arg(device.height());
    }
    return {};
}

}  // namespace

class AllWindowsTest : public QObject {
    Q_OBJECT

private:
    QStringList visited_;
    QStringList unnamed_;
    QStringList clipped_;
    QStringList offScreen_;

private slots:
    void initTestCase()
    {
        if (const double size = qEnvironmentVariable("ZICALC_TEST_POINT_SIZE").toDouble(); size > 0) {
            zicalc::SetDefaultPointSize(size);
        }
        zicalc::ApplyApplicationLook(*qApp);
        visited_ = TourEveryWindow([this](QWidget* window, const QString& name) {
            for (const QString& p : UnnamedControls(window)) {
                unnamed_ << name + QStringLiteral(": ") + p;
            }
            for (const QString& p : ClippedTexts(window)) {
                clipped_ << name + QStringLiteral(": ") + p;
            }
            if (const QString p = OffScreen(window); !p.isEmpty()) {
                offScreen_ << name + QStringLiteral(": ") + p;
            }
        });
        qInfo().noquote() << "windows visited:" << visited_.join(QLatin1Char(' '));
    }

    // The checks themselves: a window built to fail each of them is caught.
    void checksCatchFaults()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* label = new QLabel(QStringLiteral("一段放不下的很长的说明文字"), &window);
        label->setFixedWidth(20);
        layout->addWidget(label);
        auto* field = new QLineEdit(QStringLiteral("1234567890"), &window);
        field->setFixedWidth(30);
        layout->addWidget(field);
        auto* button = new QPushButton(QStringLiteral("计算很长的按钮"), &window);
        button->setFixedSize(30, 10);
        layout->addWidget(button);
        auto* stage = new QWidget(&window);
        stage->setFixedSize(100, 50);
        layout->addWidget(stage);
        auto* under = new QLabel(QStringLiteral("下"), stage);
        auto* over = new QLabel(QStringLiteral("上"), stage);
        under->setGeometry(0, 0, 40, 30);
        over->setGeometry(10, 5, 40, 30);
        auto* unnamed = new QLineEdit(&window);
        unnamed->setObjectName(QStringLiteral("Lonely"));
        layout->addWidget(unnamed);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        zicalc::NameControlsFromLabels(&window);

        const QStringList found = ClippedTexts(&window);
        QCOMPARE(found.size(), 4);
        QVERIFY(found.filter(QStringLiteral("overlaps")).size() == 1);
        // The field after the label is named by it; the one after a button has no label.
        QCOMPARE(UnnamedControls(&window), QStringList{QStringLiteral("QLineEdit Lonely")});
        QCOMPARE(QAccessible::queryAccessibleInterface(field)->text(QAccessible::Name), label->text());
    }

    void tourReachesEveryWindow()
    {
        for (const QString& name : kExpected) {
            QVERIFY2(visited_.contains(name), qPrintable(name + QStringLiteral(" was not reached")));
        }
    }

    void everyControlHasAName()
    {
        QVERIFY2(unnamed_.isEmpty(), qPrintable(QLatin1Char('\n') + unnamed_.join(QLatin1Char('\n'))));
    }

    void noTextIsClipped()
    {
        QVERIFY2(clipped_.isEmpty(), qPrintable(QLatin1Char('\n') + clipped_.join(QLatin1Char('\n'))));
    }

    void everyWindowFitsTheScreen()
    {
        QVERIFY2(offScreen_.isEmpty(), qPrintable(QLatin1Char('\n') + offScreen_.join(QLatin1Char('\n'))));
    }

    // The main window comes up with only its first page built; the others must fit the room it
    // keeps for them, or the window would grow under the user's eyes when they arrive.
    void mainWindowKeepsItsSizeWhenThePagesArrive()
    {
        zicalc::Form1 form;
        form.layout()->activate();
        const QSize first = form.size();
        QVERIFY(!form.pagesBuilt());
        form.ensurePagesBuilt();
        form.layout()->activate();
        QCOMPARE(form.size(), first);
    }
};

ZICALC_GUI_TEST_MAIN(AllWindowsTest)
#include "AllWindowsTest.moc"
