#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <optional>
#include <vector>

namespace data {

struct Database;

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
    // Raises a vb::RuntimeError when the file is missing or not a database, or the query fails.
    void Refresh();

    int RecordCount() const { return static_cast<int>(rows_.size()); }
    bool Eof() const { return position_ >= rows_.size(); }
    bool hasCurrentRow() const { return !rows_.empty() && position_ < rows_.size(); }
    void MoveNext();
    void MoveFirst();
    void MoveLast();

    QStringList columnNames() const { return columns_; }
    // The value of a column in the current row; nullopt for NULL. Raises a vb::RuntimeError when
    // there is no current row or no such column.
    std::optional<QVariant> Field(const QString& name) const;
    // The default text form of a column's value, or nullopt when it cannot be read (no current
    // row, no such column, NULL).
    std::optional<QString> FieldText(const QString& name) const noexcept;

    // The file actually opened (after the lookup), empty before the first Refresh.
    QString openedPath() const;

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
QString defaultText(const QVariant& value);

} // namespace data
