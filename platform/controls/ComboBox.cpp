#include "platform/controls/ComboBox.h"

#include <QLineEdit>

namespace controls {

ComboBox::ComboBox(QWidget* parent, const QString& text) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setCompleter(nullptr);
    // The stock box picks the item whose name was typed when editing ends (Enter, focus loss);
    // here only a pick from the drop-down part chooses a car.
    QObject::disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    setMaxVisibleItems(20);
    connect(this, &QComboBox::activated, this, &ComboBox::Click);
    setText(text);
}

void ComboBox::setText(const QString& text) { setEditText(text); }

} // namespace controls
