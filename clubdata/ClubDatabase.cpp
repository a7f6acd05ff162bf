#include "ClubDatabase.h"

#include "services/ProgramFolder.h"

#include <QFile>
#include <QFileInfo>

namespace clubdata {

using data::Field;
using data::FieldType;

namespace {
Field text(const char *name, int size) { return {QString::fromUtf8(name), FieldType::Text, size}; }
Field memo(const char *name) { return {QString::fromUtf8(name), FieldType::Memo, 0}; }
Field date(const char *name) { return {QString::fromUtf8(name), FieldType::Date, 0}; }
} // namespace

const QList<TableSchema> &clubTables()
{
    static const QList<TableSchema> tables = {
        {QStringLiteral("Club Info"),
         {text("Club Name", 100), text("Club Address", 100), text("Club City", 100)}},
        {QStringLiteral("Options"), {text("Membership", 50)}},
        {QStringLiteral("Lakes"), {text("Lakes", 100)}},
        {QStringLiteral("Ramps"), {text("Ramps", 100)}},
        {QStringLiteral("Members"),
         {text("Name", 50), text("Address", 50), text("Address2", 50), text("City", 50),
          text("State", 20), text("Zip Code", 20), text("Home Phone", 30), text("Work Phone", 30),
          text("Mobile Phone", 30), text("Email Address", 100), text("Club Status", 50),
          text("Boater", 50), text("Member Number", 20), memo("Remarks")}},
        {QStringLiteral("Tournament"),
         {date("Date"), text("Lake", 100), text("Ramp", 100), text("Start Time", 20),
          text("End Time", 20), memo("Notes"), text("Picture", 255)}},
        {QStringLiteral("Stats"),
         {text("Name", 50), date("Date"), text("Lake", 100), text("Total Weight", 20),
          text("Fish Caught", 20), text("Big Fish", 20)}},
        {QStringLiteral("Reminders"), {date("Date"), memo("Reminder")}},
        {QStringLiteral("Contacts"),
         {text("Name", 50), text("Address", 50), text("City", 50), text("State", 20),
          text("ZipCode", 20), text("Home Phone", 30), text("Work Phone", 30),
          text("Cell Phone", 30), text("Email", 100), memo("Remarks")}},
    };
    return tables;
}

QString clubDatabasePath()
{
    return platform::programPath(QStringLiteral("C:\\Program Files\\Creelbook\\rosterbase.mdb"));
}

void createClubDatabase(const QString &path)
{
    QFile seed(QStringLiteral(":/seed/rosterbase.sql"));
    if (!seed.open(QIODevice::ReadOnly))
        throw data::EngineError(QStringLiteral("The starting rows of the club database are missing."));
    const QString rows = QString::fromUtf8(seed.readAll());

    // Build under a temporary name so that a failure leaves no half-made database.
    const QString building = path + QStringLiteral(".new");
    QFile::remove(building);
    try {
        auto database = data::Database::CreateDatabase(building);
        for (const TableSchema &schema : clubTables()) {
            auto table = database.CreateTableDef(schema.name);
            for (const Field &field : schema.fields)
                table.Append(table.CreateField(field.name, field.type, field.size));
            database.Append(table);
        }
        database.runScript(rows);
    } catch (const data::EngineError &) {
        QFile::remove(building);
        throw;
    }
    data::renameFile(building, path);
}

QString clubDatabaseProblem(const QString &path)
{
    const QString notClub =
        QStringLiteral("The file \"%1\" is not a Creelbook club database: %2");
    if (!QFileInfo(path).isFile())
        return notClub.arg(path, QStringLiteral("it was not found."));
    try {
        const auto database = data::Database::OpenDatabase(path);
        const QStringList tables = database.tableNames();
        for (const TableSchema &schema : clubTables()) {
            if (!tables.contains(schema.name))
                return notClub.arg(path, QStringLiteral("the table \"%1\" is missing.").arg(schema.name));
            const auto fields = database.fields(schema.name);
            for (qsizetype i = 0; i < schema.fields.size(); ++i) {
                if (i >= fields.size() || fields[i].name != schema.fields[i].name)
                    return notClub.arg(path, QStringLiteral("the table \"%1\" lacks the field \"%2\".")
                                                 .arg(schema.name, schema.fields[i].name));
            }
        }
    } catch (const data::EngineError &error) {
        return error.message();
    }
    return {};
}

data::RecordSource *openClubSource(QObject *window, const char *name, const QString &table)
{
    auto *source = new data::RecordSource(clubDatabasePath(), table, window);
    source->setObjectName(QString::fromLatin1(name));
    return source;
}

QString prepareClubDatabase()
{
    const QString path = clubDatabasePath();
    if (!QFileInfo::exists(path)) {
        try {
            createClubDatabase(path);
        } catch (const data::EngineError &error) {
            return error.message();
        }
    }
    return clubDatabaseProblem(path);
}

} // namespace clubdata
