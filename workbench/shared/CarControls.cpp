#include "workbench/shared/CarControls.h"

#include "platform/controls/Colors.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/TextBox.h"
#include "platform/forms/MsgBox.h"
#include "workbench/shared/CarList.h"
#include "workbench/shared/ModificationCatalogue.h"

namespace workbench {

controls::ComboBox* makeCarList(QWidget* parent, const QString& name, ui::Twips at)
{
    auto* list = ui::named(new controls::ComboBox(parent, kCarPlaceholder), name, at);
    list->setFont(controls::designFont(QStringLiteral("Georgia"), 9.75, true));
    return list;
}

controls::TextBox* makeGainHolder(QWidget* parent, const Modification& modification, double left, double top)
{
    return ui::makeValueHolder(parent, modification.holderName, modification.gain, {left, top, 855, 285});
}

bool carIsPicked(const controls::ComboBox* carList)
{
    if (carList->text() != kCarPlaceholder)
        return true;
    forms::MsgBox(QStringLiteral("Lütfen Listeden Bir Tane Araç Seçiniz"), forms::vbCritical | forms::vbOKOnly,
                  QStringLiteral("Hata"));
    return false;
}

void unlockCarList(controls::ComboBox* carList)
{
    carList->setEnabled(true);
    carList->setText(kCarPlaceholder);
}

} // namespace workbench
