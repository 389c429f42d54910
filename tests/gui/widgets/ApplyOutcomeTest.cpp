#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <QtTest>

#include "GuiTest.h"
#include "gui/widgets/ApplyOutcome.h"
#include "gui/widgets/Widgets.h"

using namespace guitest;
using zicalc::Outcome;

// ApplyOutcome on a small window: a result field, a label, a check box and a list.
class ApplyOutcomeTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window_ = std::make_unique<QWidget>();
        window_->setObjectName(QStringLiteral("window"));
        auto* layout = new QVBoxLayout(window_.get());
        result_ = zicalc::MakeResultField(QStringLiteral("Text1(2)"), window_.get());
        result_->setText(QStringLiteral("old"));
        label_ = new QLabel(QStringLiteral("caption"), window_.get());
        label_->setObjectName(QStringLiteral("Label24"));
        check_ = new QCheckBox(window_.get());
        check_->setObjectName(QStringLiteral("Check2"));
        check_->setChecked(true);
        combo_ = new QComboBox(window_.get());
        combo_->setObjectName(QStringLiteral("Combo7(1)"));
        combo_->addItem(QStringLiteral("0"));
        for (QWidget* w : std::initializer_list<QWidget*>{result_, label_, check_, combo_}) {
            layout->addWidget(w);
        }
    }
    void cleanup() { window_.reset(); }

    // The warning is shown over the `before` updates; the `after` ones follow once it is closed.
    void appliesBeforeWarningAfter()
    {
        Outcome out;
        out.Colour("Text1(2)", zicalc::colours::kBlack).Checked("Check2", false);
        out.Warn("待输入项不能为空！");
        out.Text("Text1(2)", "600").Text("Label24", "(X2项)").Visible("Label24", false);
        out.Items("Combo7(1)", {"0", "1", "2"}).Text("Combo7(1)", "2").Enabled("Combo7(1)", false);
        out.ToolTip("Label24", "暂无描述");

        QStringList seen;
        const zicalc::WarningSink previous = zicalc::SetWarningSink([this, &seen](const QString& message) {
            seen << message << result_->text()
                 << (check_->isChecked() ? QStringLiteral("ticked") : QStringLiteral("unticked"));
        });
        const bool applied = zicalc::ApplyOutcome(out, window_.get());
        zicalc::SetWarningSink(previous);

        QVERIFY(applied);
        QCOMPARE(seen, (QStringList{QStringLiteral("待输入项不能为空！"), QStringLiteral("old"),
                                    QStringLiteral("unticked")}));
        QCOMPARE(result_->text(), QStringLiteral("600"));
        QCOMPARE(label_->text(), QStringLiteral("(X2项)"));
        QVERIFY(label_->isHidden());
        QCOMPARE(label_->toolTip(), QStringLiteral("暂无描述"));
        QCOMPARE(combo_->count(), 3);
        QCOMPARE(combo_->currentText(), QStringLiteral("2"));
        QVERIFY(!combo_->isEnabled());
    }

    // Through the real warning box too.
    void warningGoesThroughTheRealBox()
    {
        Outcome out;
        out.Warn("等级1不能大于等级2！");
        out.Text("Text1(2)", "0");
        const QStringList shown = AnswerWarnings([&out, this] { QVERIFY(zicalc::ApplyOutcome(out, window_.get())); });
        QCOMPARE(shown, QStringList{QStringLiteral("等级1不能大于等级2！")});
        QCOMPARE(result_->text(), QStringLiteral("0"));
    }

    void refusesAndChangesNothing_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("kind");
        QTest::newRow("no such control") << "Text9(9)"
                                         << "text";
        QTest::newRow("label has no check state") << "Label24"
                                                  << "checked";
        QTest::newRow("result field is no list") << "Text1(2)"
                                                 << "items";
        QTest::newRow("item the list does not hold") << "Combo7(1)"
                                                     << "text";
        QTest::newRow("list has no text colour") << "Combo7(1)"
                                                 << "colour";
        QTest::newRow("two controls of that name") << "twin"
                                                   << "text";
    }
    void refusesAndChangesNothing()
    {
        QFETCH(QString, control);
        QFETCH(QString, kind);
        for (int i = 0; i < 2; ++i) {
            (new QLabel(window_.get()))->setObjectName(QStringLiteral("twin"));
        }
        // A valid update before the bad one, on both sides of the warning: none of it may land.
        Outcome out;
        out.Text("Text1(2)", "600");
        out.Warn("待输入项不能为空！");
        const std::string name = control.toStdString();
        if (kind == QLatin1String("text")) {
            out.Text(name, "7");
        } else if (kind == QLatin1String("checked")) {
            out.Checked(name, false);
        } else if (kind == QLatin1String("items")) {
            out.Items(name, {"1"});
        } else {
            out.Colour(name, zicalc::colours::kRed);
        }
        out.Checked("Check2", false);

        WarningRecorder warnings;
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QRegularExpression::escape(control)));
        QVERIFY(!zicalc::ApplyOutcome(out, window_.get()));
        QVERIFY(warnings.messages.isEmpty());
        QCOMPARE(result_->text(), QStringLiteral("old"));
        QCOMPARE(label_->text(), QStringLiteral("caption"));
        QVERIFY(check_->isChecked());
        QCOMPARE(combo_->count(), 1);
    }

private:
    std::unique_ptr<QWidget> window_;
    QLineEdit* result_ = nullptr;
    QLabel* label_ = nullptr;
    QCheckBox* check_ = nullptr;
    QComboBox* combo_ = nullptr;
};

QTEST_MAIN(ApplyOutcomeTest)
#include "ApplyOutcomeTest.moc"
