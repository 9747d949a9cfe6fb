#include "workbench/shared/CarList.h"

#include "platform/controls/ComboBox.h"
#include "platform/controls/Label.h"
#include "platform/controls/TextBox.h"
#include "platform/data/DataControl.h"
#include "platform/forms/MsgBox.h"
#include "platform/vb/RuntimeError.h"
#include "workbench/shared/CarDatabase.h"

#include <QLineEdit>
#include <QStandardItemModel>

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

bool CarList::fill()
{
    list_->clear();
    data_->setRecordSource(QStringLiteral("SELECT * FROM %1").arg(table_));
    if (!refresh())
        return false;
    if (data_->RecordCount() == 0)
        return true;
    // Each item keeps the name as it was read, whatever the list can show of it.
    QList<QStandardItem*> items;
    while (!data_->Eof()) {
        // A row without a name that can be shown cannot be picked, so it is not listed.
        if (const std::optional<QVariant> name = data_->Field(QStringLiteral("arac")))
            if (const std::optional<QString> text = data::defaultText(*name)) {
                auto* item = new QStandardItem(listText(*text));
                item->setData(*name, Qt::UserRole);
                items << item;
            }
        data_->MoveNext();
    }
    // All at once: one insertion for the whole list.
    qobject_cast<QStandardItemModel*>(list_->model())->invisibleRootItem()->insertRows(0, items);
    return true;
}

void CarList::select()
{
    // The pick looks its car up by the name exactly as read: same type, same bytes.
    const int index = list_->currentIndex();
    const QVariant stored = index >= 0 ? list_->itemData(index) : QVariant();
    const QVariant name = stored.isValid() ? stored : QVariant(list_->text());
    data_->setRecordSource(QStringLiteral("SELECT * FROM %1 WHERE arac = ?").arg(table_), {name});
    if (!refresh())
        return;
    data_->MoveLast();
    data_->MoveFirst();
}

bool CarList::refresh()
{
    try {
        data_->Refresh();
        return true;
    } catch (const vb::RuntimeError& e) {
        if (e.number() != vb::err::DatabaseInUse)
            throw;
        const QString path = data_->openedPath();
        forms::MsgBox(CarDatabase::inUseMessage(path.isEmpty() ? CarDatabase::fileName() : path), forms::vbCritical,
                      QStringLiteral("Hata"));
        return false;
    }
}

QString CarList::listText(const QString& name) const
{
    // A name longer than the list's text can hold is shown shortened rather than cut unmarked.
    const qsizetype room = list_->lineEdit() ? list_->lineEdit()->maxLength() : name.size();
    if (name.size() <= room)
        return name;
    qsizetype keep = room - 1;
    if (keep > 0 && name[keep - 1].isHighSurrogate())
        --keep;
    return name.left(keep) + u'…';
}

void CarList::display() const
{
    for (const DisplayField& field : display_)
        if (const std::optional<QString> text = data_->FieldText(field.column))
            field.show(*text);
}

bool CarList::holdsUnreadable(const QString& column) const
{
    if (!data_->hasCurrentRow())
        return false;
    const std::optional<QVariant> value = data_->Field(column);
    return value && !data::defaultText(*value);
}

} // namespace workbench
