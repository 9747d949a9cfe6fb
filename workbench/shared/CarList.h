#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace controls {
class ComboBox;
class Label;
class TextBox;
} // namespace controls
namespace data {
class DataControl;
}

namespace workbench {

// What every car list shows once it is filled, and what the modification buttons refuse.
inline const QString kCarPlaceholder = QStringLiteral("Lütfen Bir Araç Seçiniz...");

// One box that a record move writes a column's text into.
struct DisplayField {
    QString column;
    std::function<void(const QString&)> show;
};
DisplayField showIn(const QString& column, controls::TextBox* box);
DisplayField showIn(const QString& column, controls::Label* label);

// The car-list pattern of every car window, for one car: a list filled with the names of one
// table, a pick that re-queries the table by the chosen name, and a record display that copies
// columns into boxes on every record move.
class CarList {
public:
    CarList(controls::ComboBox* list, data::DataControl* data, QString table, std::vector<DisplayField> display);

    // Clears the list and adds every car name of the table, in the order the database gives them;
    // each item keeps the name as read. False when another program holds the database: the user
    // has been told, and the list stays empty.
    bool fill();
    // Re-queries the table for the picked item's name as read (bound, never pasted into the query),
    // then moves last and first so the display ends on the first matching row. While another
    // program holds the database the user is told, and the boxes keep what they show.
    void select();
    // Copies each display column of the current row into its box. A column that cannot be read
    // (no current row, no such column, no value) leaves its box as it was.
    void display() const;
    // Whether the current row holds a value in the column that has no text form (a number the
    // program's numbers cannot hold), so that its box kept what it had.
    bool holdsUnreadable(const QString& column) const;

    const QString& table() const { return table_; }
    controls::ComboBox* list() const { return list_; }

private:
    bool refresh();
    QString listText(const QString& name) const;

    controls::ComboBox* list_;
    data::DataControl* data_;
    QString table_;
    std::vector<DisplayField> display_;
};

} // namespace workbench
