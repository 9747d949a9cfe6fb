#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace data {

struct Database;

// Text stored in the database that is not valid UTF-8, kept as its bytes so that a query can bind
// it back unchanged. Valid text is held as a QString, a blob as a QByteArray.
struct StoredText {
    QByteArray bytes;
    bool operator==(const StoredText&) const = default;
};

// A read-only view of one query's rows with a current row, in the manner of the old data control:
// a database file, a record source, and moves that raise Reposition before they return.
class DataControl : public QObject {
    Q_OBJECT
public:
    explicit DataControl(QObject* parent = nullptr);
    ~DataControl() override;

    QString DatabaseName() const { return databaseName_; }
    void setDatabaseName(const QString& name);
    QString RecordSource() const { return recordSource_; }
    // The query the next Refresh runs; values are bound to its "?" placeholders, never pasted in.
    void setRecordSource(const QString& sql, const QVariantList& parameters = {});

    // Opens the file when not yet open, runs the query and makes the first row current.
    // Raises a vb::RuntimeError when the file is missing or not a database, the query fails, or
    // another program holds the file for longer than the busy timeout (err::DatabaseInUse).
    // The file is only ever read: it is opened read-only, and as unchangeable where its folder
    // cannot be written, so that a copy in a read-only place reads whatever its journal mode.
    void Refresh();

    int RecordCount() const { return static_cast<int>(rows_.size()); }
    bool Eof() const { return position_ >= rows_.size(); }
    bool hasCurrentRow() const { return !rows_.empty() && position_ < rows_.size(); }
    void MoveNext();
    void MoveFirst();
    void MoveLast();

    QStringList columnNames() const { return columns_; }
    // The value of a column in the current row as stored (SQLite's type and bytes); nullopt for
    // NULL. Raises a vb::RuntimeError when there is no current row or no such column.
    std::optional<QVariant> Field(const QString& name) const;
    // The default text form of a column's value, or nullopt when it cannot be read (no current
    // row, no such column, a value without a text form).
    std::optional<QString> FieldText(const QString& name) const noexcept;

    // The file actually opened (after the lookup), empty before the first Refresh.
    QString openedPath() const;

    // How long a read waits for another program's write lock before it fails; a test shortens it.
    static std::chrono::milliseconds busyTimeout();
    static void setBusyTimeout(std::chrono::milliseconds timeout);

signals:
    void Reposition();

private:
    void moveTo(std::size_t position);

    QString databaseName_;
    QString recordSource_;
    QVariantList parameters_;
    std::unique_ptr<Database> db_;
    QStringList columns_;
    QHash<QString, int> columnIndex_; // lower-case name -> index
    std::vector<std::vector<QVariant>> rows_;
    std::size_t position_ = 0;
};

// The default text form of a stored value: numbers as the program writes them, text as stored.
// Nothing for a value without one: NULL, and the numbers SQLite can hold but the program's numbers
// cannot (infinities; NaN).
std::optional<QString> defaultText(const QVariant& value) noexcept;

} // namespace data

Q_DECLARE_METATYPE(data::StoredText)
