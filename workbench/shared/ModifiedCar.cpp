#include "workbench/shared/ModifiedCar.h"

#include "platform/controls/TextBox.h"

namespace workbench {

ModifiedCar::ModifiedCar(CarList carList, controls::TextBox* result, const Pairs& pairs,
                         std::vector<controls::TextBox*> blankOnReset, std::function<void()> afterAdd,
                         std::function<void()> afterReset)
    : carList_(std::move(carList)), total_(result, carList_.list(), std::move(afterAdd)), pairs_(pairs),
      blankOnReset_(std::move(blankOnReset)), afterReset_(std::move(afterReset))
{
}

void ModifiedCar::reset() const
{
    resetPairs(pairs_);
    unlockCarList(carList_.list());
    for (controls::TextBox* box : blankOnReset_)
        box->setText(QString());
    if (afterReset_)
        afterReset_();
}

} // namespace workbench
