// Runs one maintenance step on the program folder named by CREELBOOK_HOME, so
// that a test can kill it part way: maintenance_child backup|restore|repair FOLDER.
#include "ClubMaintenance.h"
#include "data/EngineError.h"

#include <QString>
#include <cstdio>

int main(int argc, char *argv[]) {
    if (argc != 3)
        return 2;
    const QString step = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    std::puts("started");
    std::fflush(stdout);
    try {
        if (step == QLatin1String("backup"))
            maintenance::backupClubDatabase(folder);
        else if (step == QLatin1String("restore"))
            maintenance::restoreClubDatabase(folder);
        else if (step == QLatin1String("repair"))
            maintenance::repairClubDatabase();
        else
            return 2;
    } catch (const data::EngineError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
