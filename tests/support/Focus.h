#pragma once

#include <QApplication>
#include <QSet>
#include <QTest>
#include <QWidget>

namespace testing {

// Every control the Tab key reaches in a shown window, walking the whole focus chain once round.
inline QSet<QWidget*> reachedByTab(QWidget* window)
{
    QSet<QWidget*> reached;
    window->activateWindow();
    QApplication::setActiveWindow(window);
    window->setFocus();
    for (int step = 0; step < 400; ++step) {
        QWidget* at = QApplication::focusWidget();
        QTest::keyClick(at ? at : window, Qt::Key_Tab);
        QWidget* next = QApplication::focusWidget();
        if (!next || reached.contains(next))
            break;
        reached.insert(next);
    }
    return reached;
}

} // namespace testing
