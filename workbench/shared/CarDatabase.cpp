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
    return {QStringLiteral("arac"),         QStringLiteral("beygir"),   QStringLiteral("silindirhacim"),
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
    // Runs one query of the check; why it failed, in the user's words, or nothing.
    auto run = [&](const QString& sql, const QString& table = {}) -> std::optional<QString> {
        probe.setRecordSource(sql);
        try {
            probe.Refresh();
            return std::nullopt;
        } catch (const vb::RuntimeError& e) {
            switch (e.number()) {
            case vb::err::TableNotFound: return QStringLiteral("'%1' tablosu yok.").arg(table);
            case vb::err::UnrecognizedDatabase: return QStringLiteral("dosya bir SQLite veritabanı değil ya da bozuk.");
            case vb::err::DatabaseInUse: return QStringLiteral("dosya başka bir program tarafından kullanılıyor.");
            default: return QStringLiteral("dosya okunamadı (%1).").arg(e.description());
            }
        }
    };
    for (const QString& table : tables()) {
        if (const std::optional<QString> reason = run(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(table), table))
            return message(*reason, found);
        QStringList have;
        for (const QString& c : probe.columnNames())
            have << c.toLower();
        for (const QString& column : columns())
            if (!have.contains(column))
                return message(QStringLiteral("'%1' tablosunda '%2' sütunu yok.").arg(table, column), found);
    }
    // A sound header and schema say nothing of the pages behind them; a damaged page would only
    // show when a window reads it.
    if (const std::optional<QString> reason = run(QStringLiteral("PRAGMA quick_check")))
        return message(*reason, found);
    if (probe.FieldText(QStringLiteral("quick_check")) != QStringLiteral("ok"))
        return message(QStringLiteral("dosya bozuk: bütünlük denetiminden geçemedi."), found);
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

QString CarDatabase::inUseMessage(const QString& path)
{
    return QStringLiteral("Araç veritabanı başka bir program tarafından kullanılıyor.\n\nDosya: %1\n\n"
                          "Diğer program veritabanını bıraktığında yeniden deneyin.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace workbench
