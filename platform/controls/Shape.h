#pragma once

#include <QColor>
#include <QWidget>

namespace controls {

// A drawn rectangle or square: an optional solid fill and a border. It never takes the mouse.
class Shape : public QWidget {
    Q_OBJECT
public:
    explicit Shape(QWidget* parent);

    QColor FillColor() const { return fill_; }
    void setFillColor(const QColor& c);
    void setFilled(bool solid);
    void setBorder(const QColor& c, int width = 1);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_{Qt::white};
    bool filled_ = false;
    QColor border_{Qt::black};
    int borderWidth_ = 1;
};

} // namespace controls
