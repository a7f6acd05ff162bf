#include "ClubMaintenance.h"

#include "ClubDatabase.h"
#include "data/Database.h"
#include "services/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QLocale>

namespace maintenance {

QString repairedDatabasePath() {
    return platform::programPath(QStringLiteral("C:\\Program Files\\Creelbook\\rosterbase2.mdb"));
}

void backupClubDatabase(const QString &folder) {
    data::copyDatabase(clubdata::clubDatabasePath(), QDir(folder).filePath(backupFileName));
}

void restoreClubDatabase(const QString &folder) {
    const QString backup = QDir(folder).filePath(backupFileName);
    data::checkIntegrity(backup);
    const QString problem = clubdata::clubDatabaseProblem(backup);
    if (!problem.isEmpty())
        throw data::EngineError(problem);
    data::copyDatabase(backup, clubdata::clubDatabasePath());
}

void repairClubDatabase() {
    const QString repaired = repairedDatabasePath();
    // A copy left by an earlier repair that failed would block the compaction for good.
    data::removeFile(repaired);
    QFile::remove(repaired + QStringLiteral("-journal"));
    data::CompactDatabase(clubdata::clubDatabasePath(), repaired);
    data::checkIntegrity(repaired);
    data::replaceFile(repaired, clubdata::clubDatabasePath());
}

QString sizeText(qint64 bytes) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(double(bytes) / 1024.0, 'g', 15) + QStringLiteral(" KB");
}

} // namespace maintenance
