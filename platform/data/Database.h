#pragma once

#include "EngineError.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

namespace data {

class Connection;
class Recordset;

// Field kinds as the tables store them. Text and Memo keep the values of the
// classic engine's field type numbers.
enum class FieldType { Text = 10, Memo = 12, Date = 8 };

struct Field {
    QString name;
    FieldType type = FieldType::Text;
    int size = 0; // characters, for Text only
};

class TableDef {
public:
    explicit TableDef(QString name) : name_(std::move(name)) {}

    Field CreateField(const QString &name, FieldType type, int size = 0) const;
    void Append(const Field &field) { fields_.append(field); }

    const QString &name() const { return name_; }
    const QList<Field> &fields() const { return fields_; }

private:
    QString name_;
    QList<Field> fields_;
};

// A database file. Several Database objects and recordsets over the same file
// share one connection; the file counts as open while any of them lives.
class Database {
public:
    static Database CreateDatabase(const QString &path);
    static Database OpenDatabase(const QString &path);

    TableDef CreateTableDef(const QString &name) const { return TableDef(name); }
    void Append(const TableDef &table);
    std::unique_ptr<Recordset> OpenRecordset(const QString &table) const;
    // Runs statements in one transaction. Only for the program's own installed
    // content: never for text that came from a user.
    void runScript(const QString &statements);

    QStringList tableNames() const;
    QList<Field> fields(const QString &table) const;
    QString name() const;
    void Close() { connection_.reset(); }

private:
    friend class Recordset;
    const Connection &connection() const;
    explicit Database(std::shared_ptr<Connection> connection)
        : connection_(std::move(connection)) {}
    std::shared_ptr<Connection> connection_;
};

// Writes a compacted copy of a database that nothing in this process holds open.
void CompactDatabase(const QString &sourcePath, const QString &targetPath);

// The open-file registry: files that a connection of this process holds.
bool isFileOpen(const QString &path);
// File operations that refuse to touch a file this process holds open.
void removeFile(const QString &path);
void renameFile(const QString &from, const QString &to);
// Puts `from` in the place of `to` in one atomic step, so that `to` is always
// either the old file or the new one. Neither may be open in this process.
void replaceFile(const QString &from, const QString &to);

// Writes a consistent copy of a database through SQLite's online backup, even
// while a connection of this process holds the source. The copy is built
// beside the target and then replaces it, so the target is never half written.
void copyDatabase(const QString &sourcePath, const QString &targetPath);

// Throws when SQLite's integrity check finds the database damaged.
void checkIntegrity(const QString &path);

// A record's position in its table; valid for every recordset over the same
// table of the same file.
struct Bookmark {
    QString file;
    QString table;
    qint64 row = 0;
    bool operator==(const Bookmark &) const = default;
};

enum class EditMode { None, Adding, Editing };

// A recordset over a whole table, in table order, with a current record.
class Recordset {
public:
    Recordset(std::shared_ptr<Connection> connection, const QString &table);
    ~Recordset();

    QString databaseName() const;
    const QString &tableName() const { return table_; }
    const QList<Field> &fields() const { return fields_; }
    int fieldIndex(const QString &field) const; // -1 when absent

    int RecordCount() const { return int(rows_.size()); }
    bool isBOF() const { return rows_.empty() || position_ < 0; }
    bool isEOF() const { return rows_.empty() || position_ >= RecordCount(); }
    bool hasCurrent() const { return !isBOF() && !isEOF() && !currentDeleted_; }

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();

    Bookmark bookmark() const;
    void setBookmark(const Bookmark &bookmark);
    Bookmark LastModified() const;

    void AddNew();
    void Edit();
    void Update();
    void CancelUpdate();
    void Delete();
    EditMode editMode() const { return editMode_; }

    // Re-reads the table and makes its first record current.
    void Refresh();

    // The current record's value, or the pending one while adding or editing.
    // Text and Memo give a QString, Date a QDate; an empty field gives a null QVariant.
    QVariant value(const QString &field) const;
    void setValue(const QString &field, const QVariant &value);

    // One field of every record, in table order, with each record's bookmark.
    std::vector<std::pair<Bookmark, QVariant>> column(const QString &field) const;

private:
    void requireCurrent() const;
    int requireField(const QString &field) const;
    void loadCurrent() const;
    void leaveEdit();
    QVariant toStored(const Field &field, const QVariant &value) const;
    Bookmark bookmarkOf(qint64 row) const;

    std::shared_ptr<Connection> connection_;
    QString table_;
    QList<Field> fields_;
    std::vector<qint64> rows_;
    int position_ = -1;
    bool currentDeleted_ = false;
    EditMode editMode_ = EditMode::None;
    std::vector<QVariant> buffer_;
    std::vector<bool> bufferChanged_;
    qint64 lastModified_ = 0;

    mutable qint64 loadedRow_ = 0;
    mutable bool loadedExists_ = false;
    mutable std::vector<QVariant> loaded_;
};

} // namespace data
