#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>

#include "GuiTest.h"
#include "core/app/Gbk.h"
#include "core/exam/QuestionStore.h"
#include "gui/app/Form1.h"
#include "gui/widgets/DcButton.h"
#include "gui/widgets/PageFrame.h"

using namespace guitest;
namespace colours = zicalc::colours;

namespace {

// Types text key by key; characters beyond ASCII come as key events that carry only their text.
void Type(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// Clicks into a field from elsewhere and types there.
void TypeIn(QLineEdit* field, const QString& text)
{
    field->clearFocus();
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, field->rect().center());
    Type(field, text);
}

}  // namespace

// The 科举 pages driven as a player does: the browser, the add page and the modify page, with the
// real warning box.
class QuestionPagesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { workDir_ = std::make_unique<TempWorkDir>(); }
    void cleanup()
    {
        form_.reset();
        workDir_.reset();
    }

    void firstEntryLoadsAndCategoriesList()
    {
        OpenBank(kSmallBank);
        QCOMPARE(form_->currentCategory(), 5);
        QVERIFY(QApplication::focusWidget() == Find(form_.get(), u"Text17"_qs));
        QCOMPARE(Lines(), QStringList{});
        Click(form_.get(), u"Option3(1)"_qs);
        QCOMPARE(Lines(),
                 (QStringList{u"<1>[游戏知识] 长安城的驿站在哪里？"_qs, u"<3>[游戏知识] 花果山在哪个国家？"_qs}));
        QCOMPARE(Colour(form_.get(), u"Option3(1)"_qs), colours::kMagenta);
        QCOMPARE(Colour(form_.get(), u"Option3(0)"_qs), colours::kBlue);
        SelectLine(1);
        QCOMPARE(Find<QPlainTextEdit>(form_.get(), u"Text19(0)"_qs)->toPlainText(),
                 u"<3>[游戏知识] 花果山在哪个国家？"_qs);
        QCOMPARE(Text(form_.get(), u"Text19(1)"_qs), u"傲来国"_qs);
        QCOMPARE(Text(form_.get(), u"Text19(2)"_qs), u"答案:"_qs);
        // The checked option again: the list stays, the answer goes, and 修改 does nothing.
        Click(form_.get(), u"Option3(1)"_qs);
        QCOMPARE(Lines().size(), 2);
        QCOMPARE(Text(form_.get(), u"Text19(1)"_qs), QString());
        Click(form_.get(), u"Button17(2)"_qs);
        QVERIFY(Page(5)->isVisible());
        // Away and back: the bank is not read again and the list stays.
        QFile::remove(workDir_->filePath(u"test.dat"_qs));
        WriteBank(kSmallBank + u"9,游戏知识,新的,答,a,b,c\r\n"_qs);
        Click(form_.get(), u"Button0(0)"_qs);
        Click(form_.get(), u"Button0(5)"_qs);
        QCOMPARE(Lines().size(), 2);
        Click(form_.get(), u"Option3(0)"_qs);
        QCOMPARE(Lines().size(), 3);
    }

    void searchRules()
    {
        OpenBank(kSmallBank);
        Click(form_.get(), u"Option3(4)"_qs);
        TypeIn(Find<QLineEdit>(form_.get(), u"Text17"_qs), u"长安"_qs);
        QCOMPARE(Lines(), (QStringList{u"<1>[游戏知识] 长安城的驿站在哪里？"_qs}));
        QVERIFY(!Find<QRadioButton>(form_.get(), u"Option3(4)"_qs)->isChecked());
        QCOMPARE(Colour(form_.get(), u"Option3(4)"_qs), colours::kBlue);
        // A line chosen with the keyboard shows its answer too.
        auto* list = Find<QListView>(form_.get(), u"List2"_qs);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(Text(form_.get(), u"Text19(1)"_qs), u"城西"_qs);
        auto* text17 = Find<QLineEdit>(form_.get(), u"Text17"_qs);
        text17->setFocus();
        QTest::keyClick(text17, Qt::Key_Escape);
        QCOMPARE(text17->text(), QString());
        QCOMPARE(Lines(), QStringList{});
        QCOMPARE(QApplication::focusWidget(), text17);
        Type(text17, u"？"_qs);
        QCOMPARE(Lines(), QStringList{});
        Type(text17, u"？"_qs);
        QCOMPARE(Lines(), QStringList{});  // no question holds two in a row
        text17->clear();
        Type(text17, u"（"_qs);
        QCOMPARE(Lines().size(), 1);
        // A category click empties the search first.
        Click(form_.get(), u"Option3(0)"_qs);
        QCOMPARE(text17->text(), QString());
        QCOMPARE(Lines().size(), 3);
    }

    void keysBecomeFullWidthAcrossFields()
    {
        OpenBank(kSmallBank);
        Click(form_.get(), u"Button17(1)"_qs);
        auto* q = Find<QLineEdit>(form_.get(), u"Text18(0)"_qs);
        TypeIn(q, u"a,b\"c\"(d)?"_qs);
        QCOMPARE(q->text(), u"a，b“c”（d）？"_qs);
        QCOMPARE(Find<QPlainTextEdit>(form_.get(), u"Text29"_qs)->toPlainText(), u"a，b“c”（d）？"_qs);
        Type(q, u"\":;<>"_qs);
        QTest::keyClick(q, Qt::Key_Return);  // Enter moves on
        auto* answer = Find<QLineEdit>(form_.get(), u"Text18(1)"_qs);
        QCOMPARE(QApplication::focusWidget(), answer);
        Type(answer, u"\""_qs);
        QCOMPARE(q->text(), u"a，b“c”（d）？“：；《》"_qs);
        QCOMPARE(answer->text(), u"”"_qs);  // the quote flag is shared by the fields
    }

    void everyPathOfEntryRefusesAComma_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::newRow("add, paste, comma") << u"Text18(2)"_qs << u"paste"_qs << u"甲,乙"_qs;
        QTest::newRow("add, paste, double quote") << u"Text18(0)"_qs << u"paste"_qs << u"他说\"好"_qs;
        QTest::newRow("add, drop") << u"Text18(4)"_qs << u"drop"_qs << u"x,y"_qs;
        QTest::newRow("add, context menu") << u"Text18(1)"_qs << u"menu"_qs << u"x,y"_qs;
        QTest::newRow("add, middle button") << u"Text18(3)"_qs << u"middle"_qs << u"x,y"_qs;
        QTest::newRow("modify, paste") << u"Text26(1)"_qs << u"paste"_qs << u"a,b"_qs;
        QTest::newRow("modify, drop, double quote") << u"Text26(3)"_qs << u"drop"_qs << u"\"q"_qs;
    }
    void everyPathOfEntryRefusesAComma()
    {
        QFETCH(QString, field);
        QFETCH(QString, how);
        QFETCH(QString, text);
        OpenBank(kSmallBank);
        if (field.startsWith(u"Text26")) {
            Click(form_.get(), u"Option3(0)"_qs);
            SelectLine(0);
            Click(form_.get(), u"Button17(2)"_qs);
        } else {
            Click(form_.get(), u"Button17(1)"_qs);
        }
        auto* edit = Find<QLineEdit>(form_.get(), field);
        TypeIn(edit, u"已有"_qs);
        if (how == u"middle" && !QApplication::clipboard()->supportsSelection()) {
            QSKIP("no selection clipboard on this platform");
        }
        const QStringList warnings = AnswerWarnings([&] {
            if (how == u"menu") {
                QApplication::clipboard()->setText(text);
                const QPoint at = edit->rect().center();
                QContextMenuEvent event(QContextMenuEvent::Mouse, at, edit->mapToGlobal(at));
                QApplication::sendEvent(edit, &event);
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(menu != nullptr);
                for (QAction* action : menu->actions()) {
                    if (action->objectName() == u"edit-paste") {
                        action->trigger();
                    }
                }
                menu->close();
            } else if (how == u"middle") {
                QApplication::clipboard()->setText(text, QClipboard::Selection);
                QTest::mouseClick(edit, Qt::MiddleButton, Qt::NoModifier, edit->rect().center());
            } else if (how == u"paste") {
                QApplication::clipboard()->setText(text);
                QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            } else {
                QMimeData mime;
                mime.setText(text);
                const QPointF at = QPointF(edit->rect().center());
                QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(edit, &enter);
                QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(edit, &drop);
            }
            QTest::qWait(100);  // the warning comes once the paste or drop has finished
        });
        QCOMPARE(warnings, QStringList{u"不能带有逗号或分号！"_qs});
        QCOMPARE(edit->text(), QString());
        // Text without them pastes as usual and shows in the preview.
        QApplication::clipboard()->setText(u"甲，乙"_qs);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), u"甲，乙"_qs);
    }

    // An input method that commits ASCII punctuation is taken like typing it.
    void inputMethodCommitIsTakenLikeTyping()
    {
        OpenBank(kSmallBank);
        Click(form_.get(), u"Button17(1)"_qs);
        auto* edit = Find<QLineEdit>(form_.get(), u"Text18(0)"_qs);
        edit->setFocus();
        WarningRecorder warnings;
        QInputMethodEvent commit;
        commit.setCommitString(u"甲,乙(丙)"_qs);
        QApplication::sendEvent(edit, &commit);
        QCOMPARE(edit->text(), u"甲，乙（丙）"_qs);
        QVERIFY(warnings.messages.isEmpty());
    }

    void addingToABankOf57()
    {
        QString bank;
        for (int k = 1; k <= 57; ++k) {
            bank += u"%1,古代常识,问题%1？,答,甲,乙,丙\r\n"_qs.arg(k);
        }
        OpenBank(bank);
        Click(form_.get(), u"Button17(1)"_qs);
        QVERIFY(Page(9)->isVisible() && !Page(5)->isVisible());
        QCOMPARE(Text(form_.get(), u"Text23"_qs), u"58"_qs);
        QCOMPARE(Find<QComboBox>(form_.get(), u"Combo5"_qs)->currentText(), u"其它题目"_qs);
        QCOMPARE(QApplication::focusWidget(), Find(form_.get(), u"Combo5"_qs));
        // Categories are locked while the page is up.
        Click(form_.get(), u"Button0(1)"_qs);
        QVERIFY(Page(9)->isVisible());

        QVERIFY(Choose(form_.get(), u"Combo5"_qs, u"历史知识"_qs));
        TypeIn(Find<QLineEdit>(form_.get(), u"Text18(0)"_qs), u"新问题?"_qs);
        Click(form_.get(), u"Button22(0)"_qs);
        QCOMPARE(Find<QLabel>(form_.get(), u"Label19"_qs)->text(), u"待输入框不能为空！"_qs);
        for (int i = 1; i < 5; ++i) {
            TypeIn(Find<QLineEdit>(form_.get(), u"Text18(%1)"_qs.arg(i)), u"答%1"_qs.arg(i));
        }
        Click(form_.get(), u"Button22(0)"_qs);
        QCOMPARE(Find<QLabel>(form_.get(), u"Label19"_qs)->text(), u"添加完毕!"_qs);
        QCOMPARE(Text(form_.get(), u"Text23"_qs), u"59"_qs);
        QCOMPARE(Text(form_.get(), u"Text18(0)"_qs), QString());
        QCOMPARE(Find<QComboBox>(form_.get(), u"Combo5"_qs)->currentText(), u"其它题目"_qs);
        QVERIFY(
            BankText().endsWith(u"57,古代常识,问题57？,答,甲,乙,丙\r\n58,历史知识,新问题？,答1,答2,答3,答4\r\n"_qs));

        TypeIn(Find<QLineEdit>(form_.get(), u"Text18(3)"_qs), u"x"_qs);
        Click(form_.get(), u"Button22(1)"_qs);
        QCOMPARE(Find<QLabel>(form_.get(), u"Label19"_qs)->text(), u"清空完毕!"_qs);
        QCOMPARE(Text(form_.get(), u"Text18(3)"_qs), QString());

        Click(form_.get(), u"Button22(2)"_qs);
        QVERIFY(Page(5)->isVisible() && !Page(9)->isVisible());
        QCOMPARE(QApplication::focusWidget(), Find(form_.get(), u"Text17"_qs));
        TypeIn(Find<QLineEdit>(form_.get(), u"Text17"_qs), u"新问题"_qs);
        QCOMPARE(Lines(), QStringList{u"<58>[历史知识] 新问题？"_qs});
    }

    void modifyTakesTwoPressesAndReportsInTheWarningBox()
    {
        OpenBank(u"1,游戏知识,问一,答,甲,乙,丙\r\n04,神话传说,问二  ,答,甲,乙,丙\r\n"_qs);
        Click(form_.get(), u"Button17(2)"_qs);  // nothing chosen: nothing happens
        QVERIFY(Page(5)->isVisible());
        Click(form_.get(), u"Option3(0)"_qs);
        SelectLine(1);
        Click(form_.get(), u"Button17(2)"_qs);
        QVERIFY(Page(10)->isVisible() && !Page(5)->isVisible());
        QCOMPARE(Text(form_.get(), u"Text25"_qs), u"4"_qs);
        QCOMPARE(Find<QComboBox>(form_.get(), u"Combo6"_qs)->currentText(), u"神话传说"_qs);
        QCOMPARE(Find<QPlainTextEdit>(form_.get(), u"Text30"_qs)->toPlainText(), u"问二  "_qs);
        QCOMPARE(QApplication::focusWidget(), Find(form_.get(), u"Text26(0)"_qs));

        Click(form_.get(), u"Button23(0)"_qs);
        QCOMPARE(Find<QLabel>(form_.get(), u"Label20"_qs)->text(), u"请再按一次“修改”键确认！"_qs);
        Click(form_.get(), u"Button23(3)"_qs);
        QCOMPARE(Find<QLabel>(form_.get(), u"Label20"_qs)->text(), u"修改/删除已被取消了！"_qs);
        Click(form_.get(), u"Button23(0)"_qs);
        QCOMPARE(Find<QLabel>(form_.get(), u"Label20"_qs)->text(), u"请再按一次“修改”键确认！"_qs);
        auto* answer = Find<QLineEdit>(form_.get(), u"Text26(1)"_qs);
        answer->setFocus();
        answer->selectAll();
        QTest::keyClick(answer, Qt::Key_Backspace);
        Type(answer, u"新答"_qs);
        const QStringList warnings = AnswerWarnings([&] { Click(form_.get(), u"Button23(0)"_qs); });
        QCOMPARE(warnings, QStringList{u"修改完毕!"_qs});
        QVERIFY(Page(5)->isVisible() && !Page(10)->isVisible());
        QCOMPARE(Lines(), QStringList{});
        QCOMPARE(BankText(), u"1,游戏知识,问一,答,甲,乙,丙\r\n04,神话传说,问二,新答,甲,乙,丙\r\n"_qs);
    }

    void deleteAndTheOnlyQuestion()
    {
        OpenBank(u"1,游戏知识,问一,答,甲,乙,丙\r\n2,游戏知识,问二,答,甲,乙,丙\r\n"_qs);
        Click(form_.get(), u"Option3(1)"_qs);
        SelectLine(0);
        Click(form_.get(), u"Button17(2)"_qs);
        Click(form_.get(), u"Button23(1)"_qs);
        QCOMPARE(Find<QLabel>(form_.get(), u"Label20"_qs)->text(), u"请再按一次“删除”键确认!"_qs);
        QCOMPARE(AnswerWarnings([&] { Click(form_.get(), u"Button23(1)"_qs); }), QStringList{u"删除完毕!"_qs});
        QCOMPARE(BankText(), u"1,游戏知识,问二,答,甲,乙,丙\r\n"_qs);

        Click(form_.get(), u"Option3(1)"_qs);
        SelectLine(0);
        Click(form_.get(), u"Button17(2)"_qs);
        Click(form_.get(), u"Button23(1)"_qs);
        WarningRecorder warnings;
        Click(form_.get(), u"Button23(1)"_qs);
        QCOMPARE(warnings.messages, QStringList{zicalc::ToQ(zicalc::kOnlyQuestionMessage)});
        QVERIFY(Page(10)->isVisible());
        QCOMPARE(BankText(), u"1,游戏知识,问二,答,甲,乙,丙\r\n"_qs);
        Click(form_.get(), u"Button23(2)"_qs);
        QVERIFY(Page(5)->isVisible());
    }

    // A file that is not GBK is read, said to be so, and never written.
    void undecodableBankIsReadOnly()
    {
        QByteArray bytes = Gbk(kSmallBank);
        bytes += "4,\xFF\xFE,x,y,z,w,v\r\n";
        QFile f(workDir_->filePath(u"test.dat"_qs));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        form_ = ShowMainWindow();
        const QStringList warnings = AnswerWarnings([&] { Click(form_.get(), u"Button0(5)"_qs); });
        QCOMPARE(warnings, QStringList{zicalc::ToQ(zicalc::UndecodableMessage(4))});
        Click(form_.get(), u"Option3(0)"_qs);
        QCOMPARE(Lines().size(), 4);
        Click(form_.get(), u"Button17(1)"_qs);
        for (int i = 0; i < 5; ++i) {
            TypeIn(Find<QLineEdit>(form_.get(), u"Text18(%1)"_qs.arg(i)), u"x"_qs);
        }
        WarningRecorder recorder;
        Click(form_.get(), u"Button22(0)"_qs);
        QCOMPARE(recorder.messages, QStringList{zicalc::ToQ(zicalc::UndecodableMessage(4))});
        QCOMPARE(Find<QLabel>(form_.get(), u"Label19"_qs)->text(), QString());
        QCOMPARE(Text(form_.get(), u"Text18(0)"_qs), u"x"_qs);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), bytes);
    }

private:
    inline static const QString kSmallBank =
        u"1,游戏知识,长安城的驿站在哪里？,城西,城东,城南,城北\r\n"
        u"2,历史知识,唐朝的都城（西京）是？,长安,洛阳,开封,临安\r\n"
        u"3,游戏知识,花果山在哪个国家？,傲来国,车迟国,乌鸡国,女儿国\r\n"_qs;

    static QByteArray Gbk(const QString& text)
    {
        const zicalc::GbkResult r = zicalc::EncodeGbk(text.toStdString());
        return QByteArray::fromStdString(r.text);
    }
    void WriteBank(const QString& text)
    {
        QFile f(workDir_->filePath(u"test.dat"_qs));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(Gbk(text));
    }
    QString BankText() const
    {
        QFile f(workDir_->filePath(u"test.dat"_qs));
        if (!f.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromStdString(zicalc::DecodeGbk(f.readAll().toStdString()).text);
    }
    // The main window on 科举 with this bank.
    void OpenBank(const QString& text)
    {
        WriteBank(text);
        form_ = ShowMainWindow();
        Click(form_.get(), u"Button0(5)"_qs);
    }
    zicalc::PageFrame* Page(int i) const { return form_->page(i); }
    QStringList Lines() const
    {
        auto* list = Find<QListView>(form_.get(), u"List2"_qs);
        QStringList lines;
        for (int r = 0; r < list->model()->rowCount(); ++r) {
            lines << list->model()->index(r, 0).data().toString();
        }
        return lines;
    }
    void SelectLine(int row)
    {
        auto* list = Find<QListView>(form_.get(), u"List2"_qs);
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    }

    std::unique_ptr<TempWorkDir> workDir_;
    std::unique_ptr<zicalc::Form1> form_;
};

ZICALC_GUI_TEST_MAIN(QuestionPagesTest)
#include "QuestionPagesTest.moc"
