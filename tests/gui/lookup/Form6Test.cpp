#include <QLabel>
#include <QPointer>
#include <QTableWidget>
#include <QtTest>

#include "GuiTest.h"
#include "gui/lookup/Form6.h"

using namespace guitest;

class Form6Test : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        form_ = new zicalc::Form6();
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_));
    }
    void cleanup() { delete form_.data(); }

    void gridHoldsBothHalves()
    {
        QCOMPARE(form_->windowTitle(), QStringLiteral("各官职所需贡献"));
        QCOMPARE(Find<QLabel>(form_, QStringLiteral("Label1"))->text(), QStringLiteral("官职所需贡献一览"));
        auto* table = Find<QTableWidget>(form_, QStringLiteral("Picture1"));
        QCOMPARE(table->rowCount(), 22);
        QCOMPARE(table->columnCount(), 6);
        QStringList headings;
        for (int c = 0; c < 6; ++c) {
            headings << table->horizontalHeaderItem(c)->text();
        }
        QCOMPARE(headings, Words("序号 官职名称 所需贡献 序号 官职名称 所需贡献"));
        QCOMPARE(row(table, 0), Words("1 九品将仕郎 300 23 五品骑都尉 8150"));
        QCOMPARE(row(table, 18), Words("19 六品朝议郎 6350 41 一品膘骑大将军 17150"));
        QCOMPARE(row(table, 20), Words("21 五品游击将军 7250 43 辅佐王 19000"));
        QCOMPARE(row(table, 21), Words("22 五品游骑将军 7700 _ _ _"));
    }

    void gridIsReadOnlyAndClosesWithoutWarning()
    {
        auto* table = Find<QTableWidget>(form_, QStringLiteral("Picture1"));
        QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
        QVERIFY(!(table->item(3, 1)->flags() & Qt::ItemIsEditable));
        const QStringList warnings = AnswerWarnings([this] { form_->close(); });
        QVERIFY(warnings.isEmpty());
        QTRY_VERIFY(form_.isNull());
    }

private:
    static QStringList row(const QTableWidget* table, int r)
    {
        QStringList out;
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* item = table->item(r, c);
            out << (item == nullptr || item->text().isEmpty() ? QStringLiteral("_") : item->text());
        }
        return out;
    }

    QPointer<zicalc::Form6> form_;
};

ZICALC_GUI_TEST_MAIN(Form6Test)
#include "Form6Test.moc"
