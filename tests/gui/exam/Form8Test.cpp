#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QtTest>

#include "GuiTest.h"
#include "core/app/Gbk.h"
#include "gui/exam/Form8.h"
#include "gui/widgets/DcButton.h"

using namespace guitest;
using zicalc::Form8;

namespace {

constexpr const char* kBank =
    "1,古代常识,长安城有几个门？,四个,三个,五个,六个\r\n"
    "2,历史知识,长安是哪朝的都城（唐）？,唐,宋,元,明\r\n"
    "3,游戏知识,Abc里的长安在哪里(东西)?,东边,西边,南边,北边\r\n";

void WriteBank(const std::string& utf8)
{
    QFile f(QStringLiteral("test.dat"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    const zicalc::GbkResult gbk = zicalc::EncodeGbk(utf8);
    QVERIFY(gbk.ok());
    f.write(gbk.text.data(), static_cast<qint64>(gbk.text.size()));
}

// Types Chinese text key by key, as an input method hands it over one character at a time.
void Type(QLineEdit* field, const QString& text)
{
    field->setFocus(Qt::OtherFocusReason);
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

}  // namespace

class Form8Test : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        WriteBank(kBank);
        form_ = Show<Form8>();
        search_ = Find<QLineEdit>(form_.get(), QStringLiteral("Text1"));
    }
    void cleanup()
    {
        form_.reset();
        QFile::remove(QStringLiteral("test.dat"));
    }

    void opensEmptyAboveTheOthersWithTheSearchFocused()
    {
        QCOMPARE(form_->windowTitle(), QStringLiteral("科举查询(迷你)"));
        QVERIFY(form_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(form_->model().bankCount(), std::size_t{3});
        QTRY_COMPARE(QApplication::focusWidget(), search_);
        verifyShown(QStringLiteral("0"), QStringLiteral("0"), QString(), QString(), false, false);
        QCOMPARE(label(QStringLiteral("Label1(2)")), QStringLiteral("━"));
    }

    void typingSearchesAndTheButtonsPage()
    {
        Type(search_, QStringLiteral("长安"));
        verifyShown(QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("长安城有几个门？"),
                    QStringLiteral("四个"), false, true);
        Click(form_.get(), QStringLiteral("Button2(1)"));
        Click(form_.get(), QStringLiteral("Button2(1)"));
        verifyShown(QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("Abc里的长安在哪里(东西)?"),
                    QStringLiteral("东边"), true, false);
        QCOMPARE(QApplication::focusWidget(), search_);
        Click(form_.get(), QStringLiteral("Button2(0)"));
        Click(form_.get(), QStringLiteral("Button2(0)"));
        verifyShown(QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("长安城有几个门？"),
                    QStringLiteral("四个"), false, true);
        // No match: the numbers go back to 0.
        search_->clear();
        Type(search_, QStringLiteral("洛阳"));
        verifyShown(QStringLiteral("0"), QStringLiteral("0"), QString(), QString(), false, false);
    }

    // The mini window ignores the full-width parenthesis but searches for the ASCII one; text set by
    // code is searched as typed text is.
    void itsOwnIgnoredCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("count");
        QTest::newRow("full-width (") << QStringLiteral("（") << QStringLiteral("0");
        QTest::newRow("【") << QStringLiteral("【") << QStringLiteral("0");
        QTest::newRow("ASCII (") << QStringLiteral("(") << QStringLiteral("1");
        QTest::newRow("case-sensitive") << QStringLiteral("abc") << QStringLiteral("0");
        QTest::newRow("exact") << QStringLiteral("Abc") << QStringLiteral("1");
    }
    void itsOwnIgnoredCharacters()
    {
        QFETCH(QString, text);
        QFETCH(QString, count);
        search_->setText(text);
        QCOMPARE(label(QStringLiteral("Label1(1)")), count);
    }

    void keysPageAndEscapeClears()
    {
        Type(search_, QStringLiteral("长安"));
        search_->setCursorPosition(1);
        QTest::keyClick(search_, Qt::Key_Down);
        QCOMPARE(label(QStringLiteral("Label1(0)")), QStringLiteral("2"));
        QCOMPARE(search_->cursorPosition(), 1);  // the arrow was taken
        QTest::keyClick(search_, Qt::Key_PageDown);
        QCOMPARE(label(QStringLiteral("Label1(0)")), QStringLiteral("3"));
        QTest::keyClick(search_, Qt::Key_Up);
        QTest::keyClick(search_, Qt::Key_PageUp);
        QCOMPARE(label(QStringLiteral("Label1(0)")), QStringLiteral("1"));
        QCOMPARE(search_->cursorPosition(), 1);
        QTest::keyClick(search_, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), search_);
        QTest::keyClick(search_, Qt::Key_Escape);
        QCOMPARE(search_->text(), QString());
        QVERIFY(form_->isVisible());
        verifyShown(QStringLiteral("0"), QStringLiteral("0"), QString(), QString(), false, false);

        Type(search_, QStringLiteral("长安城"));
        Click(form_.get(), QStringLiteral("Button1"));
        QCOMPARE(search_->text(), QString());
        QCOMPARE(QApplication::focusWidget(), search_);
    }

    // Starts bottom right with MiniCorner 1; the button then goes bottom left, top right and back.
    // The bottom corners leave the window's width plus 80 pixels below it.
    void cornersFollowTheButton()
    {
        const QRect screen = form_->screen()->geometry();
        const int w = form_->frameGeometry().width();
        const int bottom = screen.height() - w - 80;
        QVERIFY(bottom > 0 && bottom + form_->frameGeometry().height() <= screen.height());
        QCOMPARE(form_->miniCorner(), 1);
        QTRY_COMPARE(form_->frameGeometry().topLeft(), QPoint(screen.width() - w, bottom));
        const QPoint expected[] = {{0, bottom}, {screen.width() - w, 0}, {screen.width() - w, bottom}};
        for (const QPoint& p : expected) {
            Click(form_.get(), QStringLiteral("Button3"));
            QCOMPARE(form_->frameGeometry().topLeft(), p);
            QCOMPARE(QApplication::focusWidget(), search_);
        }
        QCOMPARE(form_->miniCorner(), 1);
    }

    void clickingTheResultsHandsTheFocusBack()
    {
        Type(search_, QStringLiteral("长安"));
        for (const char16_t* name : {u"Text2", u"Text3"}) {
            auto* box = Find<QPlainTextEdit>(form_.get(), QString::fromUtf16(name));
            QVERIFY(box->isReadOnly());
            QTest::mouseClick(box->viewport(), Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), search_);
        }
    }

    // Its own copy: a question added to the file shows only in a window opened afterwards.
    void readsTheFileWhenItOpens()
    {
        WriteBank(std::string(kBank) + "4,其它题目,新长安,新,甲,乙,丙\r\n");
        search_->setText(QStringLiteral("长安"));
        QCOMPARE(label(QStringLiteral("Label1(1)")), QStringLiteral("3"));
        form_ = Show<Form8>();
        Find<QLineEdit>(form_.get(), QStringLiteral("Text1"))->setText(QStringLiteral("长安"));
        QCOMPARE(label(QStringLiteral("Label1(1)")), QStringLiteral("4"));
    }

    void aMissingBankIsSaidInTheWarningBox()
    {
        form_.reset();
        QFile::remove(QStringLiteral("test.dat"));
        const QStringList warnings = AnswerWarnings([this] {
            form_ = Show<Form8>();
            QTest::qWait(100);
        });
        QCOMPARE(warnings, QStringList{QStringLiteral("找不到科举题库!")});
        QVERIFY(form_->isVisible());
        search_ = Find<QLineEdit>(form_.get(), QStringLiteral("Text1"));
        Type(search_, QStringLiteral("长安"));
        verifyShown(QStringLiteral("0"), QStringLiteral("0"), QString(), QString(), false, false);
    }

private:
    QString label(const QString& name) const { return Find<QLabel>(form_.get(), name)->text(); }
    void verifyShown(const QString& position, const QString& count, const QString& question, const QString& answer,
                     bool previous, bool next)
    {
        QCOMPARE(label(QStringLiteral("Label1(0)")), position);
        QCOMPARE(label(QStringLiteral("Label1(1)")), count);
        QCOMPARE(Find<QPlainTextEdit>(form_.get(), QStringLiteral("Text2"))->toPlainText(), question);
        QCOMPARE(Find<QPlainTextEdit>(form_.get(), QStringLiteral("Text3"))->toPlainText(), answer);
        QCOMPARE(Find<zicalc::DcButton>(form_.get(), QStringLiteral("Button2(0)"))->isEnabled(), previous);
        QCOMPARE(Find<zicalc::DcButton>(form_.get(), QStringLiteral("Button2(1)"))->isEnabled(), next);
    }

    std::unique_ptr<Form8> form_;
    QLineEdit* search_ = nullptr;
};

ZICALC_GUI_TEST_MAIN(Form8Test)
#include "Form8Test.moc"
