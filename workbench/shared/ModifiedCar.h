#pragma once

#include "ui/AddRemovePair.h"
#include "workbench/shared/CarList.h"
#include "workbench/shared/ModificationCatalogue.h"

#include <array>
#include <functional>
#include <vector>

namespace workbench {

// One car that the six modifications are applied to: its car list (fill, pick, display), the
// running total in its result box, guarded and locked by that list, and its six pairs in
// catalogue order. A window with two such cars holds two, and nothing of one reaches the other.
class ModifiedCar {
public:
    using Pairs = std::array<ui::AddRemovePair, ModificationCatalogue::size>;

    // blankOnReset: the boxes that show the car, emptied when the user starts over with a new car.
    // afterAdd: what else an accepted add does on this window; afterReset: what else a reset does.
    ModifiedCar(CarList carList, controls::TextBox* result, const Pairs& pairs,
                std::vector<controls::TextBox*> blankOnReset, std::function<void()> afterAdd = {},
                std::function<void()> afterReset = {});

    CarList& carList() { return carList_; }
    const CarList& carList() const { return carList_; }

    // The add or remove button of a catalogue row.
    void add(std::size_t row) const { total_.add(pairs_.at(row)); }
    void remove(std::size_t row) const { total_.remove(pairs_.at(row)); }

    // Back to "no car": every pair not applied, the list unlocked on the placeholder, the car's
    // boxes blank. The database control stays where it was until the next pick.
    void reset() const;

private:
    CarList carList_;
    ui::RunningTotal total_;
    Pairs pairs_;
    std::vector<controls::TextBox*> blankOnReset_;
    std::function<void()> afterReset_;
};

} // namespace workbench
