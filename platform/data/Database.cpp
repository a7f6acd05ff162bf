#include "Database.h"

#include "Dates.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

namespace data {

namespace {

QString quoted(const QString &identifier)
{
    QString escaped = identifier;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString canonicalPath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString fileName(const QString &path) { return QFileInfo(path).fileName(); }

// Declared column types carry the field kind and size. All of them give the
// column text affinity, so that every text comes back exactly as written.
QString declaredType(const Field &field)
{
    switch (field.type) {
    case FieldType::Memo:
        return QStringLiteral("LONGTEXT");
    case FieldType::Date:
        return QStringLiteral("DATETEXT");
    case FieldType::Text:
        break;
    }
    return QStringLiteral("TEXT(%1)").arg(field.size);
}

Field fieldFromDeclaration(const QString &name, const QString &declared)
{
    const QString type = declared.trimmed().toUpper();
    if (type == QLatin1String("LONGTEXT"))
        return {name, FieldType::Memo, 0};
    if (type == QLatin1String("DATETEXT"))
        return {name, FieldType::Date, 0};
    static const QRegularExpression sized(QStringLiteral("^TEXT\\((\\d+)\\)$"));
    const auto match = sized.match(type);
    return {name, FieldType::Text, match.hasMatch() ? match.captured(1).toInt() : 255};
}

} // namespace

// One SQLite connection to one file, registered while it lives.
class Connection {
public:
    static std::shared_ptr<Connection> open(const QString &path, bool create);
    ~Connection();

    const QString &path() const { return path_; }
    sqlite3 *handle() const { return db_; }
    [[noreturn]] void fail(int code) const;

private:
    Connection(QString path, sqlite3 *db) : path_(std::move(path)), db_(db) {}
    QString path_;
    sqlite3 *db_;
};

namespace {

QHash<QString, std::weak_ptr<Connection>> &registry()
{
    static QHash<QString, std::weak_ptr<Connection>> openFiles;
    return openFiles;
}

QString messageFor(int code, const QString &path, const char *detail)
{
    const QString name = fileName(path);
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("The database \"%1\" is in use by another program. "
                              "Close that program and try again.")
            .arg(name);
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return QStringLiteral("The database \"%1\" can not be changed: the file or its folder "
                              "is read-only.")
            .arg(name);
    case SQLITE_FULL:
        return QStringLiteral("The disk holding \"%1\" is full.").arg(name);
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return QStringLiteral("\"%1\" is not a readable database file.").arg(path);
    case SQLITE_CANTOPEN:
        return QStringLiteral("The database \"%1\" can not be opened.").arg(path);
    default:
        return QStringLiteral("Database error in \"%1\": %2")
            .arg(name, QString::fromUtf8(detail ? detail : sqlite3_errstr(code)));
    }
}

// A prepared statement with bound parameters.
class Statement {
public:
    Statement(const Connection &connection, const QString &sql) : connection_(connection)
    {
        const QByteArray text = sql.toUtf8();
        const int code = sqlite3_prepare_v2(connection.handle(), text.constData(),
                                            int(text.size()), &statement_, nullptr);
        if (code != SQLITE_OK)
            connection.fail(code);
    }
    ~Statement() { sqlite3_finalize(statement_); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void bind(int index, const QVariant &value)
    {
        int code;
        if (value.isNull()) {
            code = sqlite3_bind_null(statement_, index);
        } else if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int) {
            code = sqlite3_bind_int64(statement_, index, value.toLongLong());
        } else {
            const QByteArray text = value.toString().toUtf8();
            code = sqlite3_bind_text(statement_, index, text.constData(), int(text.size()),
                                     SQLITE_TRANSIENT);
        }
        if (code != SQLITE_OK)
            connection_.fail(code);
    }

    // True while a row is available.
    bool step()
    {
        const int code = sqlite3_step(statement_);
        if (code == SQLITE_ROW)
            return true;
        if (code == SQLITE_DONE)
            return false;
        connection_.fail(code);
    }

    qint64 integer(int column) const { return sqlite3_column_int64(statement_, column); }
    QVariant text(int column) const
    {
        if (sqlite3_column_type(statement_, column) == SQLITE_NULL)
            return {};
        const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(statement_, column));
        return QString::fromUtf8(bytes, sqlite3_column_bytes(statement_, column));
    }

private:
    const Connection &connection_;
    sqlite3_stmt *statement_ = nullptr;
};

void execute(const Connection &connection, const QString &sql,
             const QVariantList &parameters = {})
{
    Statement statement(connection, sql);
    for (int i = 0; i < parameters.size(); ++i)
        statement.bind(i + 1, parameters[i]);
    while (statement.step()) {
    }
}

void requireClosed(const QString &path)
{
    if (isFileOpen(path))
        throw EngineError(QStringLiteral("The file \"%1\" is in use by this program and can "
                                         "not be changed now.")
                              .arg(path));
}

} // namespace

std::shared_ptr<Connection> Connection::open(const QString &path, bool create)
{
    const QString key = canonicalPath(path);
    if (!create) {
        if (auto existing = registry().value(key).lock())
            return existing;
        if (!QFileInfo(path).isFile())
            throw EngineError(QStringLiteral("The database \"%1\" was not found.").arg(path));
    } else if (QFileInfo::exists(path)) {
        throw EngineError(QStringLiteral("The database \"%1\" already exists.").arg(path));
    }

    sqlite3 *db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    const int code = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    if (code != SQLITE_OK) {
        const QString message = messageFor(code, path, db ? sqlite3_errmsg(db) : nullptr);
        sqlite3_close(db);
        throw EngineError(message);
    }
    sqlite3_extended_result_codes(db, 0);
    sqlite3_busy_timeout(db, 1000);

    std::shared_ptr<Connection> connection(new Connection(canonicalPath(path), db));
    // Reading the schema proves the file is a database; FULL sync keeps every
    // committed change on disk.
    execute(*connection, QStringLiteral("SELECT count(*) FROM sqlite_master"));
    execute(*connection, QStringLiteral("PRAGMA synchronous=FULL"));
    registry().insert(connection->path(), connection);
    return connection;
}

Connection::~Connection()
{
    auto &files = registry();
    const auto it = files.find(path_);
    if (it != files.end() && it->expired())
        files.erase(it);
    sqlite3_close(db_);
}

void Connection::fail(int code) const
{
    throw EngineError(messageFor(code, path_, sqlite3_errmsg(db_)));
}

bool isFileOpen(const QString &path)
{
    return !registry().value(canonicalPath(path)).expired();
}

void removeFile(const QString &path)
{
    requireClosed(path);
    if (QFileInfo::exists(path) && !QFile::remove(path))
        throw EngineError(QStringLiteral("The file \"%1\" can not be deleted.").arg(path));
}

void renameFile(const QString &from, const QString &to)
{
    requireClosed(from);
    requireClosed(to);
    if (!QFile::rename(from, to))
        throw EngineError(
            QStringLiteral("The file \"%1\" can not be renamed to \"%2\".").arg(from, to));
}

Field TableDef::CreateField(const QString &name, FieldType type, int size) const
{
    return {name, type, type == FieldType::Text ? size : 0};
}

Database Database::CreateDatabase(const QString &path)
{
    return Database(Connection::open(path, true));
}

Database Database::OpenDatabase(const QString &path)
{
    return Database(Connection::open(path, false));
}

QString Database::name() const
{
    return connection_ ? connection_->path() : QString();
}

const Connection &Database::connection() const
{
    if (!connection_)
        throw EngineError(QStringLiteral("The database is closed."));
    return *connection_;
}

void Database::Append(const TableDef &table)
{
    QStringList columns;
    for (const Field &field : table.fields())
        columns << quoted(field.name) + QLatin1Char(' ') + declaredType(field);
    execute(connection(), QStringLiteral("CREATE TABLE %1 (%2)")
                              .arg(quoted(table.name()), columns.join(QLatin1String(", "))));
}

std::unique_ptr<Recordset> Database::OpenRecordset(const QString &table) const
{
    connection();
    return std::make_unique<Recordset>(connection_, table);
}

void Database::runScript(const QString &statements)
{
    const Connection &db = connection();
    const QByteArray script = QByteArrayLiteral("BEGIN;") + statements.toUtf8() +
                              QByteArrayLiteral("\nCOMMIT;");
    char *error = nullptr;
    const int code = sqlite3_exec(db.handle(), script.constData(), nullptr, nullptr, &error);
    if (code != SQLITE_OK) {
        const QString detail = QString::fromUtf8(error ? error : sqlite3_errstr(code));
        sqlite3_free(error);
        sqlite3_exec(db.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw EngineError(QStringLiteral("Database error in \"%1\": %2")
                              .arg(fileName(db.path()), detail));
    }
}

QStringList Database::tableNames() const
{
    QStringList names;
    Statement statement(connection(),
                        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                       "AND name NOT LIKE 'sqlite_%' ORDER BY rowid"));
    while (statement.step())
        names << statement.text(0).toString();
    return names;
}

QList<Field> Database::fields(const QString &table) const
{
    QList<Field> result;
    Statement statement(connection(), QStringLiteral("SELECT name, type FROM pragma_table_info(?)"));
    statement.bind(1, table);
    while (statement.step())
        result << fieldFromDeclaration(statement.text(0).toString(), statement.text(1).toString());
    return result;
}

void CompactDatabase(const QString &sourcePath, const QString &targetPath)
{
    requireClosed(sourcePath);
    if (QFileInfo::exists(targetPath))
        throw EngineError(QStringLiteral("The database \"%1\" already exists.").arg(targetPath));
    const auto source = Connection::open(sourcePath, false);
    execute(*source, QStringLiteral("VACUUM INTO ?"), {targetPath});
}

namespace {

// Flushes a file or a folder to the disk. A rename is only as durable as the
// file it moves and the folder that records it.
bool syncToDisk(const QString &path)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}

} // namespace

void replaceFile(const QString &from, const QString &to)
{
    requireClosed(from);
    requireClosed(to);
    const QString failed =
        QStringLiteral("The file \"%1\" can not be put in the place of \"%2\".").arg(from, to);
    if (!syncToDisk(from))
        throw EngineError(failed);
    // rename() swaps the directory entry in one step, replacing an existing file.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        throw EngineError(failed);
    // Some file systems can not sync a folder; the rename is done all the same.
    syncToDisk(QFileInfo(to).absolutePath());
}

void copyDatabase(const QString &sourcePath, const QString &targetPath)
{
    requireClosed(targetPath);
    const QString partial = targetPath + QStringLiteral(".partial");
    // A copy left by an interrupted run, with its journal, must not meet the new one.
    const auto discardPartial = [&partial] {
        QFile::remove(partial);
        QFile::remove(partial + QStringLiteral("-journal"));
    };
    discardPartial();
    try {
        {
            const auto source = Connection::open(sourcePath, false);
            const auto target = Connection::open(partial, true);
            sqlite3_backup *backup =
                sqlite3_backup_init(target->handle(), "main", source->handle(), "main");
            if (!backup)
                target->fail(sqlite3_errcode(target->handle()));
            // One step copies every page under one read lock: a consistent snapshot.
            const int code = sqlite3_backup_step(backup, -1);
            sqlite3_backup_finish(backup);
            if (code != SQLITE_DONE)
                throw EngineError(messageFor(code, targetPath, sqlite3_errstr(code)));
        }
        // Both connections are closed first: the source may be the target itself.
        replaceFile(partial, targetPath);
    } catch (const EngineError &) {
        discardPartial();
        throw;
    }
}

void checkIntegrity(const QString &path)
{
    const auto connection = Connection::open(path, false);
    Statement check(*connection, QStringLiteral("PRAGMA integrity_check"));
    const QString result = check.step() ? check.text(0).toString() : QString();
    if (result != QLatin1String("ok"))
        throw EngineError(
            QStringLiteral("The database \"%1\" is damaged: %2").arg(path, result));
}

// ---------------------------------------------------------------- Recordset

Recordset::Recordset(std::shared_ptr<Connection> connection, const QString &table)
    : connection_(std::move(connection))
{
    Statement exists(*connection_, QStringLiteral("SELECT name FROM sqlite_master WHERE "
                                                  "type = 'table' AND name = ? COLLATE NOCASE"));
    exists.bind(1, table);
    if (!exists.step())
        throw EngineError(QStringLiteral("The table \"%1\" was not found in \"%2\".")
                              .arg(table, fileName(connection_->path())));
    table_ = exists.text(0).toString();
    fields_ = Database(connection_).fields(table_);
    Refresh();
}

Recordset::~Recordset() = default;

QString Recordset::databaseName() const { return connection_->path(); }

int Recordset::fieldIndex(const QString &field) const
{
    for (int i = 0; i < fields_.size(); ++i) {
        if (fields_[i].name.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int Recordset::requireField(const QString &field) const
{
    const int index = fieldIndex(field);
    if (index < 0)
        throw EngineError(
            QStringLiteral("The field \"%1\" is not part of the table \"%2\".").arg(field, table_));
    return index;
}

void Recordset::requireCurrent() const
{
    if (!hasCurrent())
        throw EngineError(QStringLiteral("No current record."));
}

void Recordset::Refresh()
{
    rows_.clear();
    Statement statement(*connection_,
                        QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid").arg(quoted(table_)));
    while (statement.step())
        rows_.push_back(statement.integer(0));
    position_ = rows_.empty() ? -1 : 0;
    currentDeleted_ = false;
    loadedRow_ = 0;
    leaveEdit();
}

void Recordset::leaveEdit()
{
    editMode_ = EditMode::None;
    buffer_.clear();
    bufferChanged_.clear();
}

void Recordset::MoveFirst()
{
    if (rows_.empty())
        throw EngineError(QStringLiteral("No current record."));
    leaveEdit();
    position_ = 0;
    currentDeleted_ = false;
}

void Recordset::MoveLast()
{
    if (rows_.empty())
        throw EngineError(QStringLiteral("No current record."));
    leaveEdit();
    position_ = RecordCount() - 1;
    currentDeleted_ = false;
}

void Recordset::MoveNext()
{
    if (isEOF() && !currentDeleted_)
        throw EngineError(QStringLiteral("No current record."));
    leaveEdit();
    // After a delete the next record already sits at the current position.
    if (!currentDeleted_)
        ++position_;
    currentDeleted_ = false;
    position_ = std::min(position_, RecordCount());
}

void Recordset::MovePrevious()
{
    if (isBOF() && !currentDeleted_)
        throw EngineError(QStringLiteral("No current record."));
    leaveEdit();
    --position_;
    currentDeleted_ = false;
}

Bookmark Recordset::bookmarkOf(qint64 row) const { return {connection_->path(), table_, row}; }

Bookmark Recordset::bookmark() const
{
    requireCurrent();
    return bookmarkOf(rows_[size_t(position_)]);
}

Bookmark Recordset::LastModified() const
{
    if (lastModified_ == 0)
        throw EngineError(QStringLiteral("No record has been added or changed."));
    return bookmarkOf(lastModified_);
}

void Recordset::setBookmark(const Bookmark &bookmark)
{
    const QString invalid = QStringLiteral("Not a valid bookmark.");
    if (bookmark.file != connection_->path() ||
        bookmark.table.compare(table_, Qt::CaseInsensitive) != 0)
        throw EngineError(invalid);
    Statement exists(*connection_,
                     QStringLiteral("SELECT 1 FROM %1 WHERE rowid = ?").arg(quoted(table_)));
    exists.bind(1, bookmark.row);
    if (!exists.step())
        throw EngineError(invalid);
    auto it = std::lower_bound(rows_.begin(), rows_.end(), bookmark.row);
    // A record another recordset added since this one was read.
    if (it == rows_.end() || *it != bookmark.row)
        it = rows_.insert(it, bookmark.row);
    leaveEdit();
    position_ = int(it - rows_.begin());
    currentDeleted_ = false;
}

void Recordset::loadCurrent() const
{
    const qint64 row = rows_[size_t(position_)];
    if (loadedRow_ == row)
        return;
    QStringList columns;
    for (const Field &field : fields_)
        columns << quoted(field.name);
    Statement statement(*connection_, QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                          .arg(columns.join(QLatin1String(", ")), quoted(table_)));
    statement.bind(1, row);
    loaded_.assign(size_t(fields_.size()), QVariant());
    loadedExists_ = statement.step();
    if (loadedExists_) {
        for (int i = 0; i < fields_.size(); ++i)
            loaded_[size_t(i)] = statement.text(i);
    }
    loadedRow_ = row;
}

QVariant Recordset::value(const QString &field) const
{
    const int index = requireField(field);
    QVariant stored;
    if (editMode_ != EditMode::None) {
        stored = buffer_[size_t(index)];
    } else {
        requireCurrent();
        loadCurrent();
        stored = loaded_[size_t(index)];
    }
    if (stored.isNull())
        return {};
    if (fields_[index].type == FieldType::Date)
        return QDate::fromString(stored.toString(), Qt::ISODate);
    return stored;
}

QVariant Recordset::toStored(const Field &field, const QVariant &value) const
{
    if (value.isNull())
        return {};
    if (field.type == FieldType::Date) {
        if (value.typeId() == QMetaType::QDate || value.typeId() == QMetaType::QDateTime) {
            const QDate date = value.toDate();
            return date.isValid() ? QVariant(date.toString(Qt::ISODate)) : QVariant();
        }
        const QString text = value.toString();
        if (text.trimmed().isEmpty())
            return {};
        const auto date = readDate(text);
        if (!date)
            throw EngineError(QStringLiteral("\"%1\" is not a valid date for the field \"%2\".")
                                  .arg(text, field.name));
        return date->toString(Qt::ISODate);
    }
    const QString text = value.toString();
    if (field.type == FieldType::Text && text.size() > field.size)
        throw EngineError(QStringLiteral("The field \"%1\" is too small to accept the amount of "
                                         "data you attempted to add (at most %2 characters).")
                              .arg(field.name)
                              .arg(field.size));
    return text;
}

void Recordset::setValue(const QString &field, const QVariant &value)
{
    const int index = requireField(field);
    if (editMode_ == EditMode::None)
        throw EngineError(QStringLiteral("Update or CancelUpdate without AddNew or Edit."));
    buffer_[size_t(index)] = toStored(fields_[index], value);
    bufferChanged_[size_t(index)] = true;
}

void Recordset::AddNew()
{
    leaveEdit();
    editMode_ = EditMode::Adding;
    buffer_.assign(size_t(fields_.size()), QVariant());
    bufferChanged_.assign(size_t(fields_.size()), false);
}

void Recordset::Edit()
{
    requireCurrent();
    // Edit what is stored now, not what was read earlier.
    loadedRow_ = 0;
    loadCurrent();
    if (!loadedExists_)
        throw EngineError(QStringLiteral("Record is deleted."));
    leaveEdit();
    editMode_ = EditMode::Editing;
    buffer_ = loaded_;
    bufferChanged_.assign(size_t(fields_.size()), false);
}

void Recordset::Update()
{
    if (editMode_ == EditMode::None)
        throw EngineError(QStringLiteral("Update or CancelUpdate without AddNew or Edit."));

    QStringList columns;
    QVariantList values;
    for (int i = 0; i < fields_.size(); ++i) {
        if (bufferChanged_[size_t(i)]) {
            columns << quoted(fields_[i].name);
            values << buffer_[size_t(i)];
        }
    }

    if (editMode_ == EditMode::Adding) {
        const QString sql =
            columns.isEmpty()
                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(table_))
                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quoted(table_), columns.join(QLatin1String(", ")),
                           QStringList(columns.size(), QStringLiteral("?"))
                               .join(QLatin1String(", ")));
        execute(*connection_, sql, values);
        lastModified_ = sqlite3_last_insert_rowid(connection_->handle());
        const bool hadCurrent = hasCurrent();
        const qint64 current = hadCurrent ? rows_[size_t(position_)] : 0;
        // A record another recordset deleted may have left its row number behind.
        const auto at = std::lower_bound(rows_.begin(), rows_.end(), lastModified_);
        if (at == rows_.end() || *at != lastModified_)
            rows_.insert(at, lastModified_);
        const auto kept = std::lower_bound(rows_.begin(), rows_.end(),
                                           hadCurrent ? current : lastModified_);
        position_ = int(kept - rows_.begin());
        currentDeleted_ = false;
    } else {
        const qint64 row = rows_[size_t(position_)];
        if (!columns.isEmpty()) {
            for (QString &column : columns)
                column += QLatin1String(" = ?");
            values << row;
            execute(*connection_,
                    QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                        .arg(quoted(table_), columns.join(QLatin1String(", "))),
                    values);
            if (sqlite3_changes(connection_->handle()) != 1)
                throw EngineError(QStringLiteral("Record is deleted."));
        }
        lastModified_ = row;
    }
    loadedRow_ = 0;
    leaveEdit();
}

void Recordset::CancelUpdate() { leaveEdit(); }

void Recordset::Delete()
{
    requireCurrent();
    leaveEdit();
    const qint64 row = rows_[size_t(position_)];
    execute(*connection_, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(table_)),
            {row});
    rows_.erase(rows_.begin() + position_);
    currentDeleted_ = true;
    loadedRow_ = 0;
}

std::vector<std::pair<Bookmark, QVariant>> Recordset::column(const QString &field) const
{
    const int index = requireField(field);
    std::vector<std::pair<Bookmark, QVariant>> result;
    result.reserve(rows_.size());
    Statement statement(*connection_, QStringLiteral("SELECT rowid, %1 FROM %2 ORDER BY rowid")
                                          .arg(quoted(fields_[index].name), quoted(table_)));
    // Only the records this recordset knows, in its own order.
    auto known = rows_.begin();
    while (statement.step() && known != rows_.end()) {
        const qint64 row = statement.integer(0);
        while (known != rows_.end() && *known < row)
            ++known;
        if (known == rows_.end() || *known != row)
            continue;
        QVariant value = statement.text(1);
        if (!value.isNull() && fields_[index].type == FieldType::Date)
            value = QDate::fromString(value.toString(), Qt::ISODate);
        result.emplace_back(bookmarkOf(row), value);
    }
    return result;
}

} // namespace data
