#pragma once

#include <QString>

// Backup, restore and repair of the club database. Each throws a
// data::EngineError when it fails; the club database is then as it was.
namespace maintenance {

// The name every backup copy carries, whatever name the user typed.
inline const QString backupFileName = QStringLiteral("rosterbase.mdb");

// "rosterbase2.mdb" in the program folder: the compacted copy of a repair.
QString repairedDatabasePath();

// Copies the club database to "rosterbase.mdb" in the folder, replacing it.
void backupClubDatabase(const QString &folder);

// Puts "rosterbase.mdb" of the folder in the place of the club database, after
// checking that it is an undamaged Creelbook club database.
void restoreClubDatabase(const QString &folder);

// Compacts the club database into "rosterbase2.mdb", checks the copy and puts
// it in the place of the club database. A copy that fails its check stays behind.
void repairClubDatabase();

// A file length as the utility shows it: the kilobytes in the general number
// format, "2.5 KB".
QString sizeText(qint64 bytes);

} // namespace maintenance
