#pragma once

// Helpers of the calculator frame tests.

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

#include "GuiTest.h"

namespace guitest {

// Picks an item of a drop-down list the way a user does: open the list, move to the line, Enter.
inline void Choose(const QObject* root, const QString& name, const QString& item)
{
    auto* combo = Find<QComboBox>(root, name);
    const int row = combo->findText(item);
    QVERIFY2(row >= 0, qPrintable(name + QStringLiteral(" has no item ") + item));
    QVERIFY2(combo->isEnabled(), qPrintable(name + QStringLiteral(" is disabled")));
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    const QModelIndex index = view->model()->index(row, combo->modelColumn(), view->rootIndex());
    view->setCurrentIndex(index);
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->window()->isVisible());
}

// "0 90 3000" -> {"0", "90", "3000"}: expected texts of a row of fields, written compactly.
inline QStringList Words(const char* text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '));
}

}  // namespace guitest
