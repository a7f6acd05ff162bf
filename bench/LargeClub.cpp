#include "LargeClub.h"

#include "ClubDatabase.h"
#include "data/Database.h"
#include "services/ProgramFolder.h"

#include <QDate>

void installLargeClub(const QString &home, int members, int tournaments)
{
    qputenv("CREELBOOK_HOME", home.toUtf8());
    platform::installMissingContent();
    clubdata::prepareClubDatabase();
    auto database = data::Database::OpenDatabase(clubdata::clubDatabasePath());
    QString rows;
    for (int i = 0; i < members; ++i)
        rows += QStringLiteral("INSERT INTO \"Members\" (\"Name\", \"City\", \"Remarks\") VALUES "
                               "('Member %1', 'Lebanon', 'Fishes on weekends.');\n")
                    .arg(i);
    // Dates and lakes out of order, so that sorting has work to do.
    const QStringList lakes{"Percy Priest Lake", "Old Hickory Lake", "Center Hill Lake",
                            "Kentucky Lake", "Cumberland River", "Tims Ford Lake"};
    for (int i = 0; i < tournaments; ++i)
        rows += QStringLiteral("INSERT INTO \"Tournament\" (\"Date\", \"Lake\", \"Ramp\", "
                               "\"Start Time\", \"End Time\", \"Notes\") VALUES "
                               "('%1', '%2', 'Seven Points Marina', '6:00 AM', '2:00 PM', "
                               "'Team format, five fish limit.');\n")
                    .arg(QDate(2000, 1, 1).addDays((i * 7919) % 9000).toString(Qt::ISODate),
                         lakes[(i * 31) % lakes.size()]);
    database.runScript(rows);
}
