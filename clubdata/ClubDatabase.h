#pragma once

#include "data/Database.h"
#include "data/RecordSource.h"

#include <QList>
#include <QString>

namespace clubdata {

struct TableSchema {
    QString name;
    QList<data::Field> fields;
};

// The tables of the club database with their fields in order.
const QList<TableSchema> &clubTables();

// "rosterbase.mdb" in the program folder.
QString clubDatabasePath();

// Creates a club database with the installed starting rows. The file must not exist.
void createClubDatabase(const QString &path);

// Empty when the file is a readable club database with every table and field;
// otherwise a message naming the file and what is wrong with it.
QString clubDatabaseProblem(const QString &path);

// A window's record source over a table of the club database, named as the
// window names it ("Data1", "DatMembers").
data::RecordSource *openClubSource(QObject *window, const char *name, const QString &table);

// Creates the club database when it is missing, then checks it.
// Returns the problem that keeps the program from using it, or an empty string.
QString prepareClubDatabase();

} // namespace clubdata
