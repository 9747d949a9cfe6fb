#include "workbench/shared/CarList.h"

#include "platform/controls/ComboBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"
#include "platform/data/DataControl.h"

namespace workbench {

DisplayField showIn(const QString& column, controls::TextBox* box)
{
    return {column, [box](const QString& text) { box->setText(text); }};
}

DisplayField showIn(const QString& column, controls::Label* label)
{
    return {column, [label](const QString& text) { label->setText(text); }};
}

CarList::CarList(controls::ComboBox* list, data::DataControl* data, QString table, std::vector<DisplayField> display)
    : list_(list), data_(data), table_(std::move(table)), display_(std::move(display))
{
}

void CarList::fill()
{
    list_->clear();
    data_->setRecordSource(QStringLiteral("SELECT * FROM %1").arg(table_));
    data_->Refresh();
    if (data_->RecordCount() == 0)
        return;
    QStringList names;
    while (!data_->Eof()) {
        // A row without a name cannot be picked, so it is not listed.
        if (const std::optional<QVariant> name = data_->Field(QStringLiteral("arac")))
            names << data::defaultText(*name);
        data_->MoveNext();
    }
    list_->addItems(names);
}

void CarList::select()
{
    data_->setRecordSource(QStringLiteral("SELECT * FROM %1 WHERE arac = ?").arg(table_), {list_->text()});
    data_->Refresh();
    data_->MoveLast();
    data_->MoveFirst();
}

void CarList::display() const
{
    for (const DisplayField& field : display_)
        if (const std::optional<QString> text = data_->FieldText(field.column))
            field.show(*text);
}

} // namespace workbench
