#pragma once

#include <QColor>
#include <QLabel>

namespace controls {

// A caption on the window: transparent unless given a back colour; it can take a click (and the
// keyboard's, Accessibility.h).
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent, const QString& caption = {}, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);

    void setForeColor(const QColor& c);
    void setBackColor(const QColor& c);

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace controls
