#include "gui/widgets/GbkLineEdit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include "core/app/Gbk.h"
#include "gui/widgets/QtBridge.h"
#include "gui/widgets/Warning.h"

namespace zicalc {

GbkLineEdit::GbkLineEdit(const QString& objectName, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(objectName);
}

QString GbkLineEdit::RefusalMessage(const QString& character)
{
    const QString code = QString::number(character.isEmpty() ? 0u : character.toUcs4().front(), 16).toUpper();
    return QStringLiteral("不能输入字符“%1”(U+%2)：题库文件只能保存国标码(GBK)字符。")
        .arg(character, code.rightJustified(4, u'0'));
}

bool GbkLineEdit::refuses(const QString& incoming)
{
    if (incoming.isEmpty()) {
        return false;
    }
    const std::optional<std::string> bad = FirstCharacterNotInGbk(ToStd(incoming));
    if (!bad) {
        return false;
    }
    // Shown once the event that brought the text in has finished: a modal box inside a drop or
    // an input method's commit would leave those half done. Several refusals before then show
    // one box.
    const bool queued = !pendingWarning_.isEmpty();
    pendingWarning_ = RefusalMessage(ToQ(*bad));
    if (!queued) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                const QString message = std::exchange(pendingWarning_, QString());
                ShowWarning(message);
            },
            Qt::QueuedConnection);
    }
    return true;
}

void GbkLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (!isReadOnly()) {
        const QString incoming =
            event->matches(QKeySequence::Paste) ? QGuiApplication::clipboard()->text() : event->text();
        if (refuses(incoming)) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void GbkLineEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (isReadOnly() || !refuses(event->commitString())) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // End the composition without its commit, so nothing of it is left on screen.
    QInputMethodEvent cleared;
    QLineEdit::inputMethodEvent(&cleared);
    event->accept();
}

void GbkLineEdit::dropEvent(QDropEvent* event)
{
    if (!isReadOnly() && event->mimeData() != nullptr && refuses(event->mimeData()->text())) {
        // Take the drop cursor away as a drag that leaves does; nothing is moved from the source.
        QDragLeaveEvent leave;
        QLineEdit::dragLeaveEvent(&leave);
        event->setDropAction(Qt::IgnoreAction);
        event->ignore();
        return;
    }
    QLineEdit::dropEvent(event);
}

void GbkLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the selection where the system keeps one.
    if (event->button() == Qt::MiddleButton && !isReadOnly() && QGuiApplication::clipboard()->supportsSelection() &&
        refuses(QGuiApplication::clipboard()->text(QClipboard::Selection))) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void GbkLineEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    if (menu == nullptr) {
        return;
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu's paste is whichever action the line edit wired to paste(); rewire it to the check.
    // Qt wires it by name in some versions and by member pointer in others: undo either.
    for (QAction* action : menu->actions()) {
        const bool byName = disconnect(action, SIGNAL(triggered()), this, SLOT(paste()));
        if (disconnect(action, &QAction::triggered, this, &QLineEdit::paste) || byName) {
            action->setObjectName(QStringLiteral("edit-paste"));
            connect(action, &QAction::triggered, this, &GbkLineEdit::pasteChecked);
        }
    }
    menu->popup(event->globalPos());
    event->accept();
}

void GbkLineEdit::pasteChecked()
{
    if (!isReadOnly() && !refuses(QGuiApplication::clipboard()->text())) {
        paste();
    }
}

}  // namespace zicalc
