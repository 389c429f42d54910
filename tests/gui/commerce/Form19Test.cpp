#include <QLabel>
#include <QtTest>

#include "GuiTest.h"
#include "gui/commerce/Form19.h"
#include "gui/widgets/NumericField.h"

using namespace guitest;
using zicalc::Form19;

class Form19Test : public QObject {
    Q_OBJECT

private slots:
    void init() { form_ = Show<Form19>(); }
    void cleanup() { form_.reset(); }

    void opensWithEveryFieldZero()
    {
        QCOMPARE(form_->windowTitle(), QStringLiteral("商会系统(召唤兽店)"));
        QCOMPARE(text(QStringLiteral("Text1")), QStringLiteral("0"));
        QCOMPARE(text(QStringLiteral("Text2")), QStringLiteral("0"));
        QCOMPARE(text(QStringLiteral("Text3")), QStringLiteral("0"));
        for (int i = 0; i <= 10; ++i) {
            QCOMPARE(text(QStringLiteral("Text4(%1)").arg(i)), QStringLiteral("0"));
            const bool result = i == 0 || i >= 7;
            QCOMPARE(Find<QLineEdit>(form_.get(), QStringLiteral("Text4(%1)").arg(i))->isReadOnly(), result);
        }
        QCOMPARE(Find<QAbstractButton>(form_.get(), QStringLiteral("dcButton1(2)"))->text(), QStringLiteral("血量表"));
    }

    void typingTheIndexAndCountersShowsTheExpansionCost()
    {
        TypeInto(field(QStringLiteral("Text1")), QStringLiteral("50"));
        TypeInto(field(QStringLiteral("Text2")), QStringLiteral("3"));
        QCOMPARE(text(QStringLiteral("Text3")), QStringLiteral("92.7"));
        QCOMPARE(text(QStringLiteral("Text4(0)")), QStringLiteral("50"));
        TypeInto(field(QStringLiteral("Text1")), QStringLiteral("987"));
        TypeInto(field(QStringLiteral("Text2")), QStringLiteral("6"));
        QCOMPARE(text(QStringLiteral("Text3")), QStringLiteral("3659.796"));
    }

    // Through the real warning box; the counters keep what was typed.
    void tooManyCountersWarnsAndKeepsTheText()
    {
        TypeInto(field(QStringLiteral("Text1")), QStringLiteral("50"));
        const QStringList shown =
            AnswerWarnings([this] { TypeInto(field(QStringLiteral("Text2")), QStringLiteral("11")); });
        QCOMPARE(shown, QStringList{QStringLiteral("商店柜台数不能多于10！")});
        QCOMPARE(text(QStringLiteral("Text2")), QStringLiteral("11"));
        QCOMPARE(text(QStringLiteral("Text3")), QStringLiteral("0"));
        const QStringList empty = AnswerWarnings([this] { Enter(form_.get(), QStringLiteral("Text1"), QString()); });
        QCOMPARE(empty, QStringList{QStringLiteral("商业指数不能为空！")});
        QCOMPARE(text(QStringLiteral("Text1")), QString());
        QCOMPARE(text(QStringLiteral("Text4(0)")), QStringLiteral("0"));
    }

    void workedExampleThenClear()
    {
        fillExample();
        QVERIFY(AnswerWarnings([this] { Click(form_.get(), QStringLiteral("dcButton1(0)")); }).isEmpty());
        QCOMPARE(results(), Words("45.00 19.20 21.46 -3.26"));
        QCOMPARE(QApplication::focusWidget(), field(QStringLiteral("Text1")));

        QVERIFY(AnswerWarnings([this] { Click(form_.get(), QStringLiteral("dcButton1(1)")); }).isEmpty());
        for (const QString& name : {QStringLiteral("Text1"), QStringLiteral("Text2"), QStringLiteral("Text3")}) {
            QCOMPARE(text(name), QStringLiteral("0"));
        }
        for (int i = 0; i <= 6; ++i) {
            QCOMPARE(text(QStringLiteral("Text4(%1)").arg(i)), QStringLiteral("0"));
        }
        QCOMPARE(results(), Words("45.00 19.20 21.46 -3.26"));
        QCOMPARE(QApplication::focusWidget(), field(QStringLiteral("Text1")));
    }

    void refusedFieldIsResetBeforeTheMessage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("open above total") << "Text4(2)"
                                          << "4"
                                          << "柜台数不能大于总柜台数！";
        QTest::newRow("total above 10") << "Text4(1)"
                                        << "11"
                                        << "总柜台数不能大于10！";
        QTest::newRow("hours empty") << "Text4(3)"
                                     << ""
                                     << "营业总时间不能为空！";
        QTest::newRow("restocks empty") << "Text4(5)"
                                        << ""
                                        << "补店次数不能为空！";
        QTest::newRow("extra empty") << "Text4(6)"
                                     << ""
                                     << "额外支出不能为空！";
    }
    void refusedFieldIsResetBeforeTheMessage()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        fillExample();
        Click(form_.get(), QStringLiteral("dcButton1(0)"));
        // What the fields show at the moment the message comes up.
        QStringList seen;
        const auto previous = zicalc::SetWarningSink(
            [&](const QString& m) { seen << m << text(name) << text(QStringLiteral("Text4(10)")); });
        if (typed.isEmpty()) {
            Enter(form_.get(), name, typed);
        } else {
            TypeInto(field(name), typed);
        }
        zicalc::SetWarningSink(previous);
        QCOMPARE(seen, (QStringList{message, QStringLiteral("0"), QStringLiteral("0")}));
        QCOMPARE(results(), Words("0 0 0 0"));
    }

    // Compared as numbers: as text "9" would be above "10".
    void openCountersComparedAsNumbers()
    {
        WarningRecorder warnings;
        TypeInto(field(QStringLiteral("Text4(1)")), QStringLiteral("10"));
        TypeInto(field(QStringLiteral("Text4(2)")), QStringLiteral("9"));
        QCOMPARE(text(QStringLiteral("Text4(2)")), QStringLiteral("9"));
        QVERIFY(warnings.messages.isEmpty());
    }

private:
    QLineEdit* field(const QString& name) const { return Find<QLineEdit>(form_.get(), name); }
    QString text(const QString& name) const { return Text(form_.get(), name); }
    QStringList results() const
    {
        QStringList out;
        for (int i = 7; i <= 10; ++i) {
            out << text(QStringLiteral("Text4(%1)").arg(i));
        }
        return out;
    }
    void fillExample()
    {
        TypeInto(field(QStringLiteral("Text1")), QStringLiteral("50"));
        TypeInto(field(QStringLiteral("Text2")), QStringLiteral("3"));
        const QStringList inputs = Words("3 2 30 3000 2 10000");
        for (int i = 1; i <= 6; ++i) {
            TypeInto(field(QStringLiteral("Text4(%1)").arg(i)), inputs[i - 1]);
        }
    }

    std::unique_ptr<Form19> form_;
};

ZICALC_GUI_TEST_MAIN(Form19Test)
#include "Form19Test.moc"
