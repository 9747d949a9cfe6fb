#pragma once

#include <QGroupBox>

namespace controls {

// A captioned frame that holds controls; their design positions count from its top-left corner.
class Frame : public QGroupBox {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent, const QString& caption = {});

    void setBackColor(const QColor& c);
};

} // namespace controls
