#include "workbench/shared/AddRemovePair.h"

#include "platform/controls/ComboBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/forms/MsgBox.h"
#include "platform/vb/Numbers.h"
#include "workbench/shared/CarList.h"

namespace workbench {

RunningTotal::RunningTotal(controls::TextBox* total, controls::ComboBox* carList, std::function<void()> afterAdd)
    : total_(total), carList_(carList), afterAdd_(std::move(afterAdd))
{
}

bool RunningTotal::add(const AddRemovePair& pair) const
{
    if (carList_ && carList_->text() == kCarPlaceholder) {
        forms::MsgBox(QStringLiteral("Lütfen Listeden Bir Tane Araç Seçiniz"), forms::vbCritical | forms::vbOKOnly,
                      QStringLiteral("Hata"));
        return false;
    }
    // The holder is read afresh on every press: its text is the amount.
    total_->setText(vb::CStr(vb::Val(total_->text()) + vb::Val(pair.holder->text())));
    pair.add->setEnabled(false);
    pair.remove->setEnabled(true);
    if (pair.applied)
        pair.applied->setVisible(true);
    if (carList_)
        carList_->setEnabled(false);
    if (afterAdd_)
        afterAdd_();
    return true;
}

void RunningTotal::remove(const AddRemovePair& pair) const
{
    if (pair.applied)
        pair.applied->setVisible(false);
    total_->setText(vb::CStr(vb::Val(total_->text()) - vb::Val(pair.holder->text())));
    pair.remove->setEnabled(false);
    pair.add->setEnabled(true);
}

void resetPairs(std::span<const AddRemovePair> pairs)
{
    for (const AddRemovePair& pair : pairs) {
        pair.add->setEnabled(true);
        pair.remove->setEnabled(false);
        if (pair.applied)
            pair.applied->setVisible(false);
    }
}

void unlockCarList(controls::ComboBox* carList)
{
    carList->setEnabled(true);
    carList->setText(kCarPlaceholder);
}

} // namespace workbench
