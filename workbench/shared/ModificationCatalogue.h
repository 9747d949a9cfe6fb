#pragma once

#include <QString>

#include <array>

namespace workbench {

// One tuning modification: what its gain holder is called and holds (the horse-power it adds,
// as text), and how the grid and the applied list caption it. Captions are kept exactly as the
// windows show them, leading blanks included.
struct Modification {
    QString holderName;
    QString gain;
    QString gridCaption;
    QString appliedCaption;
};

// The six modifications, in the order of the main window's grid (row by row, left first).
class ModificationCatalogue {
public:
    static constexpr std::size_t size = 6;
    static const std::array<Modification, size>& all();
    static const Modification& at(std::size_t row) { return all().at(row); }
};

} // namespace workbench
