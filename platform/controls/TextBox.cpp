#include "platform/controls/TextBox.h"

#include "platform/controls/Colors.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTimer>

namespace controls {

TextBox::TextBox(QWidget* parent, const QString& text, bool multiLine) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setLineWrapMode(multiLine ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(multiLine ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(3);
    if (multiLine) {
        // A wrapped line may still measure a fraction of a pixel over the width (a blank at the
        // wrap); the box wraps, so it never scrolls sideways, not even by that pixel.
        connect(horizontalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int maximum) {
            if (maximum != 0)
                horizontalScrollBar()->setRange(0, 0);
        });
    }
    setPlainText(text);
}

void TextBox::setText(const QString& text)
{
    if (text == this->text())
        return;
    if (!pending_)
        QTimer::singleShot(0, this, &TextBox::flush);
    pending_ = text;
}

void TextBox::flush()
{
    if (!pending_)
        return;
    const QString text = std::move(*pending_);
    pending_.reset();
    setPlainText(text);
    applyAlignment();
}

bool TextBox::event(QEvent* event)
{
    // Anything that shows or reads the document sees the latest text.
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::FocusIn:
    case QEvent::InputMethodQuery: flush(); break;
    default: break;
    }
    return QPlainTextEdit::event(event);
}

void TextBox::paintEvent(QPaintEvent* event)
{
    flush();
    QPlainTextEdit::paintEvent(event);
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    flush();
    QPlainTextEdit::keyPressEvent(event);
}

void TextBox::setCentered(bool on)
{
    centered_ = on;
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(on ? Qt::AlignHCenter : Qt::AlignLeft);
    document()->setDefaultTextOption(option);
    applyAlignment();
}

void TextBox::applyAlignment()
{
    if (!centered_)
        return;
    // The plain-text layout takes its alignment from each block's format.
    QTextCursor c(document());
    c.select(QTextCursor::Document);
    QTextBlockFormat f;
    f.setAlignment(Qt::AlignHCenter);
    c.mergeBlockFormat(f);
}

void TextBox::setForeColor(const QColor& c) { setPaletteColor(this, QPalette::Text, c); }
void TextBox::setBackColor(const QColor& c) { setPaletteColor(this, QPalette::Base, c); }

} // namespace controls
