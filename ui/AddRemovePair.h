#pragma once

#include <functional>
#include <span>

namespace controls {
class Label;
class lvButtons_H;
class TextBox;
} // namespace controls

namespace ui {

// One add / remove pair: its two buttons, the hidden box that holds the amount it counts, and
// optionally a label that shows while the amount is counted.
struct AddRemovePair {
    controls::lvButtons_H* add = nullptr;
    controls::lvButtons_H* remove = nullptr;
    controls::TextBox* holder = nullptr;
    controls::Label* applied = nullptr;
};

// The text box that a family of pairs counts into. A guard may refuse an add (it tells the user
// why); afterAdd runs once an add has been counted.
class RunningTotal {
public:
    explicit RunningTotal(controls::TextBox* total, std::function<bool()> mayAdd = {},
                          std::function<void()> afterAdd = {});

    // Adds the pair's amount; false when the guard refused.
    bool add(const AddRemovePair& pair) const;
    void remove(const AddRemovePair& pair) const;

private:
    controls::TextBox* total_;
    std::function<bool()> mayAdd_;
    std::function<void()> afterAdd_;
};

// Every pair back to "not counted": add enabled, remove disabled, label hidden.
void resetPairs(std::span<const AddRemovePair> pairs);

} // namespace ui
