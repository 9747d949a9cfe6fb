#pragma once

#include "ui/DesignControls.h"

#include <QString>

class QWidget;

namespace controls {
class ComboBox;
class TextBox;
} // namespace controls

namespace workbench {

struct Modification;

// An editable, unsorted car list in bold Georgia 9.75 pt, showing the placeholder.
controls::ComboBox* makeCarList(QWidget* parent, const QString& name, ui::Twips at);

// A modification's gain holder, 855 x 285 twips at (left, top).
controls::TextBox* makeGainHolder(QWidget* parent, const Modification& modification, double left, double top);

// Refuses a modification while the list shows the placeholder, telling the user to pick a car.
bool carIsPicked(const controls::ComboBox* carList);

// The car list free again for a new choice, showing the placeholder.
void unlockCarList(controls::ComboBox* carList);

} // namespace workbench
