#pragma once

#include <functional>
#include <span>

namespace controls {
class ComboBox;
class Label;
class lvButtons_H;
class TextBox;
} // namespace controls

namespace workbench {

// One add / remove pair: its two buttons, the hidden box that holds the amount it counts, and
// optionally a label that shows while the amount is counted.
struct AddRemovePair {
    controls::lvButtons_H* add = nullptr;
    controls::lvButtons_H* remove = nullptr;
    controls::TextBox* holder = nullptr;
    controls::Label* applied = nullptr;
};

// The text box that a family of pairs counts into. For a car, the car list guards it (nothing is
// added while the list shows the placeholder) and locks on the first add, so the car cannot change
// under its modifications.
class RunningTotal {
public:
    explicit RunningTotal(controls::TextBox* total, controls::ComboBox* carList = nullptr,
                          std::function<void()> afterAdd = {});

    // Adds the pair's amount; false when the guard refused (the user has been told why).
    bool add(const AddRemovePair& pair) const;
    void remove(const AddRemovePair& pair) const;

private:
    controls::TextBox* total_;
    controls::ComboBox* carList_;
    std::function<void()> afterAdd_;
};

// Every pair back to "not counted": add enabled, remove disabled, label hidden.
void resetPairs(std::span<const AddRemovePair> pairs);

// The car list free again for a new choice, showing the placeholder.
void unlockCarList(controls::ComboBox* carList);

} // namespace workbench
