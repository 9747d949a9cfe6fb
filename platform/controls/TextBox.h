#pragma once

#include <QPlainTextEdit>

namespace controls {

// A text box. Single-line boxes show no scroll bars and never wrap; a multi-line box wraps words
// and may show a vertical scroll bar. Read-only boxes are display boxes the user cannot type in.
//
// A new text is laid out once control returns to the event loop (or when the box is painted),
// not on every assignment: a list fill writes the display boxes once per row, and only the last
// text is ever seen.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent, const QString& text = {}, bool multiLine = false);

    QString text() const { return pending_ ? *pending_ : toPlainText(); }
    void setText(const QString& text);
    void setCentered(bool on);
    void setForeColor(const QColor& c);
    void setBackColor(const QColor& c);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void flush();
    void applyAlignment();

    std::optional<QString> pending_;
    bool centered_ = false;
};

} // namespace controls
