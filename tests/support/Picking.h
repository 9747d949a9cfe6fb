#pragma once

#include "platform/controls/ComboBox.h"

#include <QAbstractItemView>
#include <QTest>

namespace testing {

// Picks a list item the way a user does: open the drop-down part and click the item.
inline void pickFromList(controls::ComboBox* list, int row)
{
    list->showPopup();
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    // The middle of the item's visible part: a very long item reaches far beyond the drop-down.
    const QRect visible = view->visualRect(index).intersected(view->viewport()->rect());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, visible.center());
    QTRY_VERIFY(!view->isVisible());
}

// Picks the first list item of that name.
inline void pickByName(controls::ComboBox* list, const QString& name)
{
    const int row = list->findText(name);
    if (row < 0)
        qFatal("no car named %s in the list", qPrintable(name));
    pickFromList(list, row);
}

} // namespace testing
