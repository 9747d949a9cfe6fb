#include "workbench/shared/CarDatabase.h"

#include "platform/data/DataControl.h"
#include "platform/data/DatabaseLocator.h"
#include "platform/forms/App.h"
#include "platform/forms/MsgBox.h"
#include "platform/vb/RuntimeError.h"

#include <QDir>

namespace workbench {

QStringList CarDatabase::columns()
{
    return {QStringLiteral("arac"),     QStringLiteral("beygir"),  QStringLiteral("silindirhacim"),
            QStringLiteral("silindirsayi"), QStringLiteral("hizlanma"), QStringLiteral("agirlik"),
            QStringLiteral("yakit")};
}

namespace {
QString message(const QString& reason, const std::optional<QString>& found)
{
    QString text = QStringLiteral("Araç veritabanı açılamadı.\n\nDosya: %1\nSorun: %2\n")
                       .arg(found ? QDir::toNativeSeparators(*found) : CarDatabase::fileName(), reason);
    text += QStringLiteral("\nAranan klasörler:\n");
    for (const QString& folder : data::DatabaseLocator::searchFolders())
        text += QStringLiteral("  %1\n").arg(QDir::toNativeSeparators(folder));
    text += QStringLiteral("\nProgram kapatılacak.");
    return text;
}
} // namespace

std::optional<QString> CarDatabase::problem()
{
    const std::optional<QString> found = data::DatabaseLocator::locate(fileName());
    if (!found)
        return message(QStringLiteral("dosya bulunamadı."), found);

    data::DataControl probe;
    probe.setDatabaseName(*found);
    for (const QString& table : tables()) {
        probe.setRecordSource(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(table));
        try {
            probe.Refresh();
        } catch (const vb::RuntimeError& e) {
            switch (e.number()) {
            case vb::err::TableNotFound:
                return message(QStringLiteral("'%1' tablosu yok.").arg(table), found);
            case vb::err::UnrecognizedDatabase:
                return message(QStringLiteral("dosya bir SQLite veritabanı değil ya da bozuk."), found);
            default:
                return message(QStringLiteral("dosya okunamadı (%1).").arg(e.description()), found);
            }
        }
        QStringList have;
        for (const QString& c : probe.columnNames())
            have << c.toLower();
        for (const QString& column : columns())
            if (!have.contains(column))
                return message(QStringLiteral("'%1' tablosunda '%2' sütunu yok.").arg(table, column), found);
    }
    return std::nullopt;
}

bool CarDatabase::ready()
{
    const std::optional<QString> reason = problem();
    if (!reason)
        return true;
    forms::MsgBox(*reason, forms::vbCritical, QStringLiteral("Zenvortali V 2.0 Hata"));
    forms::App::End(2);
    return false;
}

} // namespace workbench
