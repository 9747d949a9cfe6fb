#pragma once

#include "platform/controls/Image.h"

#include <QColor>

namespace controls {

// A container with a background colour, an optional picture and an optional sunken border.
class PictureBox : public Image {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent, const QColor& back = Qt::transparent, bool border = false);

    QColor BackColor() const { return back_; }
    void setBackColor(const QColor& c);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor back_;
    bool border_;
};

} // namespace controls
