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
    // The box's typing part is a text field of its own to a screen reader: the design text, the
    // prompt it shows until a pick, names it.
    lineEdit()->setAccessibleName(text);
    connect(this, &QComboBox::activated, this, &ComboBox::Click);
    setText(text);
}

void ComboBox::setText(const QString& text)
{
    // A text that names no item leaves no item current, so the keyboard's first step down the
    // list lands on the first car.
    if (findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        setCurrentIndex(-1);
    setEditText(text);
}

} // namespace controls
