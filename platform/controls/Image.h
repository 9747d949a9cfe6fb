#pragma once

#include "platform/forms/Picture.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

class QSvgRenderer;

namespace controls {

// A picture drawn to fill the control (an SVG scales cleanly to any design size). It can take a
// click (and the keyboard's, Accessibility.h).
class Image : public QWidget {
    Q_OBJECT
public:
    explicit Image(QWidget* parent, const QString& picture = {});
    ~Image() override;

    QString picture() const { return picture_; }
    void setPicture(const QString& resourcePath);
    // A picture object, shown at its own size from the top-left corner; the control keeps a
    // reference to it while it shows it.
    void setPicture(const forms::Picture& picture);

    // The left edge in twips as a single-precision number, kept exactly as assigned (a moving
    // picture adds up fractions of a pixel); the picture is drawn at the nearest whole pixel.
    float Left() const;
    void setLeft(float twips);

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintPicture(QPainter& painter);

private:
    QString picture_;
    std::optional<float> left_;
    std::unique_ptr<QSvgRenderer> svg_;
    QPixmap pixmap_;
    forms::Picture object_;
};

} // namespace controls
