#pragma once

#include <QColor>
#include <QWidget>

namespace controls {

// A straight line between two design points (twips, in the parent's coordinates).
class Line : public QWidget {
    Q_OBJECT
public:
    Line(QWidget* parent, double x1, double y1, double x2, double y2, const QColor& colour = Qt::black, int width = 1,
         Qt::PenStyle style = Qt::SolidLine);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint from_, to_;
    QColor colour_;
    int width_;
    Qt::PenStyle style_;
};

} // namespace controls
