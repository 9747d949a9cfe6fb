#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace workbench {

// The car database every car window reads: its file, tables and columns.
struct CarDatabase {
    static QString fileName() { return QStringLiteral("arac2.db"); }
    static QStringList tables() { return {QStringLiteral("kayitlar"), QStringLiteral("kayitlar2")}; }
    static QStringList columns();

    // Why the database cannot serve the program (a message for the user naming the file and the
    // folders searched), or nothing when it can.
    static std::optional<QString> problem();
};

} // namespace workbench
