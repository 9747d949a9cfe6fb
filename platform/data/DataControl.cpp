#include "platform/data/DataControl.h"

#include "platform/data/DatabaseLocator.h"
#include "platform/data/SqliteHandles.h"
#include "platform/vb/Numbers.h"
#include "platform/vb/RuntimeError.h"

#include <QFileInfo>
#include <QUrl>

#include <cmath>

namespace data {

struct Database {
    QString path;
    Connection connection;
};

namespace {

using namespace std::chrono_literals;

std::chrono::milliseconds& busyTimeoutSetting()
{
    static std::chrono::milliseconds timeout = 3s;
    return timeout;
}

[[noreturn]] void raise(int number, const QString& description) { throw vb::RuntimeError(number, description); }

struct Failure {
    int number;
    const char* what; // %1: the file
};

// The run-time error that fits a failed call's code (and, for a plain error, SQLite's message).
Failure failureFor(int rc, const QString& message)
{
    switch (rc & 0xff) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT: return {vb::err::UnrecognizedDatabase, "Unrecognized database format '%1'"};
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return {vb::err::DatabaseInUse, "Could not use '%1'; file already in use"};
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH: return {vb::err::CannotOpenDatabase, "Could not open the database '%1'"};
    case SQLITE_IOERR: return {vb::err::DiskError, "Disk error reading the database '%1'"};
    case SQLITE_READONLY: return {vb::err::DatabaseReadOnly, "Cannot update '%1'; the database is read-only"};
    case SQLITE_NOMEM: return {vb::err::OutOfMemory, "Out of memory reading '%1'"};
    case SQLITE_RANGE:
    case SQLITE_TOOBIG: return {vb::err::InvalidArgument, "Invalid argument for '%1'"};
    case SQLITE_MISMATCH: return {vb::err::TypeMismatch, "Type mismatch in '%1'"};
    case SQLITE_MISUSE: return {vb::err::InvalidProcedureCall, "Invalid use of the database '%1'"};
    case SQLITE_ERROR:
        if (message.startsWith(QLatin1String("no such table")))
            return {vb::err::TableNotFound, "The database '%1' has no such table"};
        if (message.startsWith(QLatin1String("no such column")))
            return {vb::err::ItemNotFound, "Item not found in '%1'"};
        return {vb::err::QuerySyntaxError, "The query failed on '%1'"};
    default: return {vb::err::DatabaseEngineError, "The database engine failed on '%1'"};
    }
}

[[noreturn]] void raiseSqliteError(sqlite3* db, int rc, const QString& path)
{
    // Without a connection (no memory for one) only the code itself can be described.
    const QString message = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    const Failure failure = failureFor(rc, message);
    raise(failure.number, QStringLiteral("%1 (%2).").arg(QString::fromLatin1(failure.what).arg(path), message));
}

void check(sqlite3* db, int rc, const QString& path)
{
    if (rc != SQLITE_OK)
        raiseSqliteError(db, rc, path);
}

// The file as an SQLite URI, read-only; immutable where its folder cannot be written: no one can
// then change it under us, and SQLite need not create the lock and journal files it cannot make
// there (a database in write-ahead-log mode would otherwise not open at all).
QByteArray readOnlyUri(const QString& path)
{
    QByteArray uri = "file:" + QUrl::toPercentEncoding(path, "/") + "?mode=ro";
    if (!QFileInfo(QFileInfo(path).absolutePath()).isWritable())
        uri += "&immutable=1";
    return uri;
}

// Binds a value with the SQLite type it stands for, so a value read from a row finds that row.
int bind(sqlite3_stmt* st, int index, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return sqlite3_bind_null(st, index);
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Bool: return sqlite3_bind_int64(st, index, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: return sqlite3_bind_double(st, index, value.toDouble());
    case QMetaType::QByteArray: {
        const QByteArray blob = value.toByteArray();
        // A null pointer would bind NULL, not an empty blob.
        if (blob.isEmpty())
            return sqlite3_bind_zeroblob(st, index, 0);
        return sqlite3_bind_blob64(st, index, blob.constData(), static_cast<sqlite3_uint64>(blob.size()),
                                   SQLITE_TRANSIENT);
    }
    default: {
        const bool stored = value.metaType() == QMetaType::fromType<StoredText>();
        const QByteArray text = stored ? value.value<StoredText>().bytes : value.toString().toUtf8();
        return sqlite3_bind_text64(st, index, text.constData(), static_cast<sqlite3_uint64>(text.size()),
                                   SQLITE_TRANSIENT, SQLITE_UTF8);
    }
    }
}

QVariant columnValue(sqlite3* db, sqlite3_stmt* st, int column, const QString& path)
{
    switch (sqlite3_column_type(st, column)) {
    case SQLITE_INTEGER: return QVariant::fromValue<qlonglong>(sqlite3_column_int64(st, column));
    case SQLITE_FLOAT: return sqlite3_column_double(st, column);
    case SQLITE_NULL: return QVariant();
    case SQLITE_BLOB: {
        const void* blob = sqlite3_column_blob(st, column);
        const int size = sqlite3_column_bytes(st, column);
        if (!blob && size > 0)
            raiseSqliteError(db, SQLITE_NOMEM, path);
        return blob ? QByteArray(static_cast<const char*>(blob), size) : QByteArray("");
    }
    default: {
        const unsigned char* text = sqlite3_column_text(st, column);
        if (!text)
            raiseSqliteError(db, SQLITE_NOMEM, path);
        const QByteArrayView bytes(text, sqlite3_column_bytes(st, column));
        // Valid UTF-8 comes back byte for byte from a string; anything else keeps its bytes.
        if (bytes.isValidUtf8())
            return QString::fromUtf8(bytes);
        return QVariant::fromValue(StoredText{bytes.toByteArray()});
    }
    }
}

} // namespace

std::optional<QString> defaultText(const QVariant& value) noexcept
{
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    try {
        switch (value.typeId()) {
        case QMetaType::LongLong:
        case QMetaType::Int: return vb::CStr(value.toLongLong());
        case QMetaType::Double: {
            const double number = value.toDouble();
            if (!std::isfinite(number))
                return std::nullopt;
            return vb::CStr(number);
        }
        case QMetaType::QByteArray: return QString::fromUtf8(value.toByteArray());
        default:
            if (value.metaType() == QMetaType::fromType<StoredText>())
                return QString::fromUtf8(value.value<StoredText>().bytes);
            return value.toString();
        }
    } catch (...) {
        // Reading a field never fails: a value whose text cannot be made has none.
        return std::nullopt;
    }
}

std::chrono::milliseconds DataControl::busyTimeout() { return busyTimeoutSetting(); }
void DataControl::setBusyTimeout(std::chrono::milliseconds timeout) { busyTimeoutSetting() = timeout; }

DataControl::DataControl(QObject* parent) : QObject(parent) {}
DataControl::~DataControl() = default;

void DataControl::setDatabaseName(const QString& name)
{
    if (name == databaseName_)
        return;
    databaseName_ = name;
    db_.reset();
}

void DataControl::setRecordSource(const QString& sql, const QVariantList& parameters)
{
    recordSource_ = sql;
    parameters_ = parameters;
}

QString DataControl::openedPath() const { return db_ ? db_->path : QString(); }

void DataControl::Refresh()
{
    if (!db_) {
        const std::optional<QString> path = DatabaseLocator::locate(databaseName_);
        if (!path)
            raise(vb::err::DatabaseNotFound,
                  QStringLiteral("Could not find file '%1' (looked in: %2).")
                      .arg(databaseName_, DatabaseLocator::searchFolders().join(QStringLiteral(", "))));
        sqlite3* raw = nullptr;
        const int rc =
            sqlite3_open_v2(readOnlyUri(*path).constData(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
        auto db = std::make_unique<Database>(Database{*path, Connection(raw)});
        check(raw, rc, *path);
        // A reader waits while another program writes, as long as a person would.
        check(raw, sqlite3_busy_timeout(raw, static_cast<int>(busyTimeout().count())), *path);
        db_ = std::move(db);
    }
    sqlite3* db = db_->connection.get();
    const QString& path = db_->path;
    const QByteArray sql = recordSource_.toUtf8();
    sqlite3_stmt* raw = nullptr;
    check(db, sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &raw, nullptr), path);
    Statement st(raw);
    if (!st)
        raise(vb::err::QuerySyntaxError, QStringLiteral("The query on '%1' is empty.").arg(path));
    const int expected = sqlite3_bind_parameter_count(st.get());
    if (parameters_.size() < static_cast<qsizetype>(expected))
        raise(vb::err::TooFewParameters, QStringLiteral("Too few parameters. Expected %1.").arg(expected));
    for (int i = 0; i < parameters_.size(); ++i)
        check(db, bind(st.get(), i + 1, parameters_[i]), path);

    QStringList columns;
    QHash<QString, int> index;
    const int count = sqlite3_column_count(st.get());
    for (int c = 0; c < count; ++c) {
        const char* name = sqlite3_column_name(st.get(), c);
        if (!name)
            raiseSqliteError(db, SQLITE_NOMEM, path);
        columns << QString::fromUtf8(name);
        index.insert(columns.back().toLower(), c);
    }
    std::vector<std::vector<QVariant>> rows;
    int rc = SQLITE_OK;
    while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
        std::vector<QVariant> row;
        row.reserve(count);
        for (int c = 0; c < count; ++c)
            row.push_back(columnValue(db, st.get(), c, path));
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        raiseSqliteError(db, rc, path);

    columns_ = std::move(columns);
    columnIndex_ = std::move(index);
    rows_ = std::move(rows);
    moveTo(0);
}

void DataControl::MoveNext()
{
    if (Eof())
        raise(vb::err::NoCurrentRecord, QStringLiteral("No current record."));
    moveTo(position_ + 1);
}

void DataControl::MoveFirst() { moveTo(0); }
void DataControl::MoveLast() { moveTo(rows_.empty() ? 0 : rows_.size() - 1); }

void DataControl::moveTo(std::size_t position)
{
    position_ = position;
    emit Reposition();
}

std::optional<QVariant> DataControl::Field(const QString& name) const
{
    if (!hasCurrentRow())
        raise(vb::err::NoCurrentRecord, QStringLiteral("No current record."));
    const auto it = columnIndex_.constFind(name.toLower());
    if (it == columnIndex_.cend())
        raise(vb::err::ItemNotFound, QStringLiteral("Item '%1' not found in this collection.").arg(name));
    const QVariant& v = rows_[position_][static_cast<std::size_t>(*it)];
    if (v.isNull())
        return std::nullopt;
    return v;
}

std::optional<QString> DataControl::FieldText(const QString& name) const noexcept
{
    if (!hasCurrentRow())
        return std::nullopt;
    const auto it = columnIndex_.constFind(name.toLower());
    if (it == columnIndex_.cend())
        return std::nullopt;
    return defaultText(rows_[position_][static_cast<std::size_t>(*it)]);
}

} // namespace data
