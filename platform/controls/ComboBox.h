#pragma once

#include <QComboBox>

namespace controls {

// An editable drop-down list, unsorted, that adds nothing on Enter. Only a pick from the list
// raises Click; typing never does.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent, const QString& text = {});

    QString text() const { return currentText(); }
    void setText(const QString& text);

signals:
    void Click();
};

} // namespace controls
