#include "ui/AddRemovePair.h"

#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"
#include "platform/controls/lvButtons_H.h"
#include "platform/vb/Numbers.h"

namespace ui {

RunningTotal::RunningTotal(controls::TextBox* total, std::function<bool()> mayAdd, std::function<void()> afterAdd)
    : total_(total), mayAdd_(std::move(mayAdd)), afterAdd_(std::move(afterAdd))
{
}

bool RunningTotal::add(const AddRemovePair& pair) const
{
    if (mayAdd_ && !mayAdd_())
        return false;
    // The holder is read afresh on every press: its text is the amount.
    total_->setText(vb::CStr(vb::Val(total_->text()) + vb::Val(pair.holder->text())));
    pair.add->setEnabled(false);
    pair.remove->setEnabled(true);
    if (pair.applied)
        pair.applied->setVisible(true);
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

} // namespace ui
