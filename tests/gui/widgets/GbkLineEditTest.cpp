#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QVBoxLayout>
#include <QtTest>

#include "GuiTest.h"
#include "gui/widgets/GbkLineEdit.h"

using namespace guitest;
using zicalc::GbkLineEdit;

// A field holding "题目" with the cursor at its end takes text in by every way a user has.
class GbkLineEditTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        window_ = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window_.get());
        field_ = new GbkLineEdit(QStringLiteral("Text18(0)"), window_.get());
        layout->addWidget(field_);
        field_->setText(QStringLiteral("题目"));
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        field_->setFocus();
        field_->end(false);
    }
    void cleanup() { window_.reset(); }

    void textComesIn_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("incoming");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("warning");
        const QString smile = QStringLiteral("😀");
        const QString refused = QStringLiteral("不能输入字符“😀”(U+1F600)：题库文件只能保存国标码(GBK)字符。");
        for (const char* how : {"typed", "pasted by key", "pasted by menu", "dropped", "composed"}) {
            QTest::addRow("%s emoji refused", how) << how << smile << QStringLiteral("题目") << refused;
            QTest::addRow("%s emoji within Chinese refused", how)
                << how << QStringLiteral("中😀文") << QStringLiteral("题目") << refused;
            QTest::addRow("%s Chinese taken", how)
                << how << QStringLiteral("中文，A1") << QStringLiteral("题目中文，A1") << QString();
        }
        // Korean is outside GBK too; the warning names the first character it cannot hold.
        QTest::newRow("pasted Korean refused")
            << "pasted by key" << QStringLiteral("가") << QStringLiteral("题目")
            << QStringLiteral("不能输入字符“가”(U+AC00)：题库文件只能保存国标码(GBK)字符。");
    }
    void textComesIn()
    {
        QFETCH(QString, how);
        QFETCH(QString, incoming);
        QFETCH(QString, expected);
        QFETCH(QString, warning);
        WarningRecorder warnings;
        bring(how, incoming);
        QCOMPARE(field_->text(), expected);
        if (warning.isEmpty()) {
            QTest::qWait(20);
            QCOMPARE(warnings.messages, QStringList());
        } else {
            QTRY_COMPARE(warnings.messages, QStringList{warning});
        }
    }

    // The real warning box shows the message; answered, the field goes on as before.
    void refusalGoesThroughTheWarningBox()
    {
        const QStringList shown = AnswerWarnings([this] {
            bring(QStringLiteral("pasted by key"), QStringLiteral("😀"));
            QTest::qWait(100);
        });
        QCOMPARE(shown, QStringList{GbkLineEdit::RefusalMessage(QStringLiteral("😀"))});
        field_->setFocus();
        QTest::keyClicks(field_, QStringLiteral("ab"));
        QCOMPARE(field_->text(), QStringLiteral("题目ab"));
    }

private:
    void bring(const QString& how, const QString& incoming)
    {
        if (how == QLatin1String("typed")) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, incoming);
            QApplication::sendEvent(field_, &press);
        } else if (how == QLatin1String("pasted by key")) {
            QGuiApplication::clipboard()->setText(incoming);
            QTest::keyClick(field_, Qt::Key_V, Qt::ControlModifier);
        } else if (how == QLatin1String("pasted by menu")) {
            QGuiApplication::clipboard()->setText(incoming);
            QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, field_->rect().center(),
                                        field_->mapToGlobal(field_->rect().center()));
            QApplication::sendEvent(field_, &menuEvent);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            auto* paste = menu->findChild<QAction*>(QStringLiteral("edit-paste"));
            QVERIFY(paste != nullptr);
            paste->trigger();
            menu->close();
        } else if (how == QLatin1String("dropped")) {
            QMimeData data;
            data.setText(incoming);
            const QPointF at(field_->width() - 2, field_->height() / 2);
            QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(field_, &enter);
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(field_, &drop);
        } else if (how == QLatin1String("composed")) {
            QInputMethodEvent composing(QStringLiteral("zhong"), {});
            QApplication::sendEvent(field_, &composing);
            QInputMethodEvent commit;
            commit.setCommitString(incoming);
            QApplication::sendEvent(field_, &commit);
        }
    }

    std::unique_ptr<QWidget> window_;
    GbkLineEdit* field_ = nullptr;
};

ZICALC_GUI_TEST_MAIN(GbkLineEditTest)
#include "GbkLineEditTest.moc"
