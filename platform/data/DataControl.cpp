#include "platform/data/DataControl.h"

#include "platform/data/DatabaseLocator.h"
#include "platform/data/SqliteHandles.h"
#include "platform/vb/Numbers.h"
#include "platform/vb/RuntimeError.h"

namespace data {

struct Database {
    QString path;
    Connection connection;
};

namespace {

[[noreturn]] void raise(int number, const QString& description) { throw vb::RuntimeError(number, description); }

QString sqliteMessage(sqlite3* db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

// Maps what SQLite says about a failed statement onto the data control's error kinds.
[[noreturn]] void raiseQueryError(sqlite3* db, int rc, const QString& path)
{
    const QString message = sqliteMessage(db);
    switch (rc & 0xff) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        raise(vb::err::UnrecognizedDatabase, QStringLiteral("Unrecognized database format '%1' (%2).").arg(path, message));
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
    case SQLITE_IOERR:
        raise(vb::err::DatabaseNotFound, QStringLiteral("Could not read the database '%1' (%2).").arg(path, message));
    default:
        if (message.startsWith(QLatin1String("no such table")))
            raise(vb::err::TableNotFound, QStringLiteral("The database '%1' has no such table (%2).").arg(path, message));
        raise(vb::err::ItemNotFound, QStringLiteral("The query failed on '%1' (%2).").arg(path, message));
    }
}

void bind(sqlite3_stmt* st, int index, const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::Bool:
        sqlite3_bind_int64(st, index, value.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        sqlite3_bind_double(st, index, value.toDouble());
        break;
    default:
        if (value.isNull()) {
            sqlite3_bind_null(st, index);
        } else {
            const QByteArray utf8 = value.toString().toUtf8();
            sqlite3_bind_text(st, index, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        }
    }
}

QVariant columnValue(sqlite3_stmt* st, int column)
{
    switch (sqlite3_column_type(st, column)) {
    case SQLITE_INTEGER: return QVariant::fromValue<qlonglong>(sqlite3_column_int64(st, column));
    case SQLITE_FLOAT: return sqlite3_column_double(st, column);
    case SQLITE_NULL: return QVariant();
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(st, column)), sqlite3_column_bytes(st, column));
    default:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, column)),
                                 sqlite3_column_bytes(st, column));
    }
}

} // namespace

QString defaultText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int: return vb::CStr(value.toLongLong());
    case QMetaType::Double: return vb::CStr(value.toDouble());
    case QMetaType::QByteArray: return QString::fromUtf8(value.toByteArray());
    default: return value.toString();
    }
}

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
        const int rc = sqlite3_open_v2(path->toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
        auto db = std::make_unique<Database>(Database{*path, Connection(raw)});
        if (rc != SQLITE_OK)
            raiseQueryError(raw, rc, *path);
        db_ = std::move(db);
    }
    sqlite3* db = db_->connection.get();
    const QByteArray sql = recordSource_.toUtf8();
    sqlite3_stmt* raw = nullptr;
    int rc = sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &raw, nullptr);
    Statement st(raw);
    if (rc != SQLITE_OK)
        raiseQueryError(db, rc, db_->path);
    for (int i = 0; i < parameters_.size(); ++i)
        bind(st.get(), i + 1, parameters_[i]);

    QStringList columns;
    QHash<QString, int> index;
    const int count = sqlite3_column_count(st.get());
    for (int c = 0; c < count; ++c) {
        columns << QString::fromUtf8(sqlite3_column_name(st.get(), c));
        index.insert(columns.back().toLower(), c);
    }
    std::vector<std::vector<QVariant>> rows;
    while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
        std::vector<QVariant> row;
        row.reserve(count);
        for (int c = 0; c < count; ++c)
            row.push_back(columnValue(st.get(), c));
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        raiseQueryError(db, rc, db_->path);

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
    const QVariant& v = rows_[position_][static_cast<std::size_t>(*it)];
    if (v.isNull())
        return std::nullopt;
    return defaultText(v);
}

} // namespace data
