#include "workbench/shared/ModifiedCar.h"

#include "platform/controls/ComboBox.h"
#include "platform/controls/TextBox.h"
#include "workbench/shared/CarControls.h"

namespace workbench {

ModifiedCar::ModifiedCar(CarList carList, controls::TextBox* result, const Pairs& pairs,
                         std::vector<controls::TextBox*> blankOnReset, std::function<void()> afterAdd,
                         std::function<void()> afterReset)
    : carList_(std::move(carList)),
      // The list guards the total and locks on the first add, so the car cannot change under its
      // modifications.
      total_(
          result, [list = carList_.list()] { return carIsPicked(list); },
          [list = carList_.list(), afterAdd = std::move(afterAdd)] {
              list->setEnabled(false);
              if (afterAdd)
                  afterAdd();
          }),
      pairs_(pairs), blankOnReset_(std::move(blankOnReset)), afterReset_(std::move(afterReset))
{
}

void ModifiedCar::reset() const
{
    ui::resetPairs(pairs_);
    unlockCarList(carList_.list());
    for (controls::TextBox* box : blankOnReset_)
        box->setText(QString());
    if (afterReset_)
        afterReset_();
}

} // namespace workbench
