#include "platform/controls/Image.h"

#include "platform/controls/Accessibility.h"
#include "platform/controls/Colors.h"

#include "platform/forms/Screen.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace controls {

Image::Image(QWidget* parent, const QString& picture) : QWidget(parent)
{
    if (!picture.isEmpty())
        setPicture(picture);
}

Image::~Image() = default;

void Image::setPicture(const QString& resourcePath)
{
    picture_ = resourcePath;
    svg_.reset();
    pixmap_ = QPixmap();
    object_ = {};
    if (resourcePath.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        svg_ = std::make_unique<QSvgRenderer>(resourcePath);
    else if (!resourcePath.isEmpty())
        pixmap_.load(resourcePath);
    update();
}

void Image::setPicture(const forms::Picture& picture)
{
    setPicture(QString());
    object_ = picture;
    pixmap_ = QPixmap::fromImage(picture.image());
    update();
}

float Image::Left() const { return left_ ? *left_ : static_cast<float>(forms::Screen::toTwipsX(x())); }

void Image::setLeft(float twips)
{
    left_ = twips;
    move(forms::Screen::toPixelsX(twips), y());
}

void Image::paintPicture(QPainter& painter)
{
    if (svg_ && svg_->isValid())
        svg_->render(&painter, QRectF(rect()));
    else if (object_)
        painter.drawPixmap(0, 0, pixmap_);
    else if (!pixmap_.isNull())
        painter.drawPixmap(rect(), pixmap_);
}

void Image::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintPicture(p);
    paintFocusMark(this, p, rect().adjusted(1, 1, -2, -2));
}

void Image::mouseReleaseEvent(QMouseEvent* event)
{
    if (completesClick(this, event))
        emit Click();
    QWidget::mouseReleaseEvent(event);
}

} // namespace controls
