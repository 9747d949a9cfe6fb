#pragma once

#include <QAbstractButton>
#include <QColor>

namespace controls {

// The program's push button: a caption on a softly graded face whose caption and face change
// colour while the pointer is over it, and which is plainly greyed out while disabled.
class lvButtons_H : public QAbstractButton {
    Q_OBJECT
public:
    explicit lvButtons_H(QWidget* parent, const QString& caption = {});

    // Design colours: caption and face, and the same while the pointer hovers.
    void setColors(const QColor& fore, const QColor& back, const QColor& foreHover, const QColor& backHover);

    QColor currentForeColor() const;
    QColor currentBackColor() const;

    QSize sizeHint() const override;

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor fore_{Qt::black};
    QColor back_{0xE8, 0xE8, 0xE8};
    QColor foreHover_{Qt::black};
    QColor backHover_{0xF4, 0xF4, 0xF4};
    bool hover_ = false;
};

} // namespace controls
