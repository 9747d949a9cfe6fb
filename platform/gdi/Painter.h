#pragma once

#include "platform/gdi/Objects.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <optional>

namespace gdi::detail {

// A QPainter on a DC's own pixels, through a QImage that wraps them without a copy. Drawing is
// never antialiased, so text and lines add only their own colour (a text mask stays two-coloured).
// When it goes, a window DC's window is told to show what changed.
class DcPainter {
public:
    explicit DcPainter(DeviceContext& dc);
    ~DcPainter();
    DcPainter(const DcPainter&) = delete;
    DcPainter& operator=(const DcPainter&) = delete;

    bool isActive() const { return painter_.has_value(); }
    QPainter& painter() { return *painter_; }

private:
    DeviceContext& dc_;
    QImage image_;
    std::optional<QPainter> painter_;
};

QColor qcolor(COLORREF colour);

} // namespace gdi::detail
