#include "LargeClub.h"

#include "ClubDatabase.h"
#include "data/Database.h"
#include "services/ProgramFolder.h"

#include <QDate>

void installLargeClub(const QString &home)
{
    qputenv("CREELBOOK_HOME", home.toUtf8());
    platform::installMissingContent();
    clubdata::prepareClubDatabase();
    auto database = data::Database::OpenDatabase(clubdata::clubDatabasePath());
    QString rows;
    for (int i = 0; i < 10000; ++i)
        rows += QStringLiteral("INSERT INTO \"Members\" (\"Name\", \"City\", \"Remarks\") VALUES "
                               "('Member %1', 'Lebanon', 'Fishes on weekends.');\n")
                    .arg(i);
    for (int i = 0; i < 2000; ++i)
        rows += QStringLiteral("INSERT INTO \"Tournament\" (\"Date\", \"Lake\", \"Ramp\") VALUES "
                               "('%1', 'Percy Priest Lake', 'Seven Points Marina');\n")
                    .arg(QDate(2000, 1, 1).addDays(i * 3).toString(Qt::ISODate));
    database.runScript(rows);
}
