#pragma once

// What the reference windows' tests share: reading a compiled-in text as stored, checking its
// CR LF lines, and doing to a page what a reader does.

#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/forms/Form.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QScrollBar>
#include <QTest>

namespace testing {

// Opens a window's single instance as the program's buttons do and waits until it is on screen.
template <class Window>
Window& openShown()
{
    Window& window = forms::instance<Window>();
    window.Show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("%s not shown", qPrintable(window.objectName()));
    return window;
}

// A data column "k": one row per design row, numbered from 1 and named by nameOf(row).
template <class Rows, class Name>
void addNumberedRows(const Rows& rows, Name nameOf)
{
    QTest::addColumn<int>("k");
    int k = 0;
    for (const auto& row : rows)
        QTest::addRow("%s", nameOf(row)) << ++k;
}

inline QByteArray storedBytes(const QString& resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing compiled-in text %s", qPrintable(resource));
    return file.readAll();
}

// The lines of a stored text, each of which must end with CR LF, the last one too; a line end
// that is not CR LF is reported and yields no lines.
inline QStringList crlfLines(const QByteArray& bytes, QString* fault = nullptr)
{
    auto fail = [&](const QString& why) {
        if (fault)
            *fault = why;
        return QStringList();
    };
    if (!bytes.endsWith("\r\n"))
        return fail(QStringLiteral("the last line does not end with CR LF"));
    if (bytes.count('\n') != bytes.count("\r\n") || bytes.count('\r') != bytes.count("\r\n"))
        return fail(QStringLiteral("a line ends without CR LF (%1 CR, %2 LF, %3 CR LF)")
                        .arg(bytes.count('\r'))
                        .arg(bytes.count('\n'))
                        .arg(bytes.count("\r\n")));
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast(); // what follows the final CR LF
    return lines;
}

// The text a page shows for a stored text: each CR LF one line break.
inline QString shownText(const QByteArray& bytes) { return QString::fromUtf8(bytes).replace("\r\n", "\n"); }

inline void click(controls::lvButtons_H* button) { QTest::mouseClick(button, Qt::LeftButton); }

// The page a reader sees at the middle of the area the stacked pages share.
inline bool isSeen(const QWidget* page)
{
    const QWidget* parent = page->parentWidget();
    const QWidget* hit = parent->childAt(page->geometry().center());
    return hit && (hit == page || page->isAncestorOf(hit));
}

// Everything a reader may try on a page to change it: typing, deleting, cutting and pasting.
inline void tryToChange(controls::TextBox* page)
{
    page->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("yapıştırılan"));
    QTest::keyClicks(page, QStringLiteral("yazi "));
    QTest::keyClick(page, Qt::Key_Return);
    QTest::keyClick(page, Qt::Key_Backspace);
    QTest::keyClick(page, Qt::Key_Delete);
    QTest::keyClick(page, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(page, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(page, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(page, Qt::Key_Z, Qt::ControlModifier);
}

// Scrolls a page down as the reader does, with the keyboard; the position reached.
inline int scrollDown(controls::TextBox* page, int pages = 2)
{
    page->setFocus();
    for (int i = 0; i < pages; ++i)
        QTest::keyClick(page, Qt::Key_PageDown);
    return page->verticalScrollBar()->value();
}

} // namespace testing
