#include <QtTest>

#include "GuiTest.h"
#include "gui/app/Form1.h"

using namespace guitest;
using zicalc::Rgb;
namespace colours = zicalc::colours;

class ExperienceFramesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = ShowMainWindow(); }
    void cleanup() { form_.reset(); }

    void levelToExperience_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("1 to 2") << "1"
                                << "2"
                                << "110" << QColor(0, 0, 0);
        QTest::newRow("0 to 155") << "0"
                                  << "155"
                                  << "1275795023" << QColor(255, 0, 0);
        QTest::newRow("equal") << "20"
                               << "20"
                               << "0" << QColor(0, 0, 0);
    }
    void levelToExperience()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        Enter(form_.get(), QStringLiteral("Text1(0)"), from);
        Enter(form_.get(), QStringLiteral("Text1(1)"), to);
        Click(form_.get(), QStringLiteral("Button1(0)"));
        QFETCH(QString, result);
        QFETCH(QColor, colour);
        QCOMPARE(Text(form_.get(), QStringLiteral("Text1(2)")), result);
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text1(2)")), zicalc::ToRgb(colour));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1(0)"));
    }

    // A reversed range warns through the real box and leaves the old result, now black.
    void reversedLevelsWarnAndKeepTheResult()
    {
        Enter(form_.get(), QStringLiteral("Text1(0)"), QStringLiteral("0"));
        Enter(form_.get(), QStringLiteral("Text1(1)"), QStringLiteral("155"));
        Click(form_.get(), QStringLiteral("Button1(0)"));
        Enter(form_.get(), QStringLiteral("Text1(0)"), QStringLiteral("9"));
        Enter(form_.get(), QStringLiteral("Text1(1)"), QStringLiteral("3"));
        const QStringList shown = AnswerWarnings([this] { Click(form_.get(), QStringLiteral("Button1(0)")); });
        QCOMPARE(shown, QStringList{QStringLiteral("等级1不能大于等级2！")});
        QCOMPARE(Text(form_.get(), QStringLiteral("Text1(2)")), QStringLiteral("1275795023"));
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text1(2)")), colours::kBlack);

        Click(form_.get(), QStringLiteral("Button1(1)"));
        for (const char* name : {"Text1(0)", "Text1(1)", "Text1(2)"}) {
            QCOMPARE(Text(form_.get(), QLatin1String(name)), QStringLiteral("0"));
        }
    }

    void experienceToLevel()
    {
        Enter(form_.get(), QStringLiteral("Text2(0)"), QStringLiteral("999999999"));
        Enter(form_.get(), QStringLiteral("Text2(1)"), QStringLiteral("0"));
        Click(form_.get(), QStringLiteral("Button2(0)"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text2(2)")), QStringLiteral("151"));
        QCOMPARE(Text(form_.get(), QStringLiteral("Text2(3)")), QStringLiteral("44192011"));
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text2(3)")), colours::kMagenta);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text2(0)"));

        WarningRecorder warnings;
        Enter(form_.get(), QStringLiteral("Text2(1)"), QStringLiteral("156"));
        Click(form_.get(), QStringLiteral("Button2(0)"));
        QCOMPARE(warnings.messages, QStringList{QStringLiteral("输入等级不能大于155！")});
        QCOMPARE(Text(form_.get(), QStringLiteral("Text2(3)")), QStringLiteral("44192011"));
        QCOMPARE(Colour(form_.get(), QStringLiteral("Text2(3)")), colours::kBlack);

        Find<QLineEdit>(form_.get(), QStringLiteral("Text2(0)"))->clear();
        Click(form_.get(), QStringLiteral("Button2(0)"));
        QCOMPARE(warnings.messages.last(), QStringLiteral("待输入项不能为空！"));

        Click(form_.get(), QStringLiteral("Button2(1)"));
        for (const char* name : {"Text2(0)", "Text2(1)", "Text2(2)", "Text2(3)"}) {
            QCOMPARE(Text(form_.get(), QLatin1String(name)), QStringLiteral("0"));
        }
    }

private:
    std::unique_ptr<zicalc::Form1> form_;
};

ZICALC_GUI_TEST_MAIN(ExperienceFramesTest)
#include "ExperienceFramesTest.moc"
