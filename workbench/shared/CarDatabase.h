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
    // The check as the program starts using the database: when it cannot serve the program, the
    // reason is shown and the program ends with status 2, and the answer is false.
    static bool ready();
    // What a window tells the user when another program holds the database file at `path`.
    static QString inUseMessage(const QString& path);
};

} // namespace workbench
