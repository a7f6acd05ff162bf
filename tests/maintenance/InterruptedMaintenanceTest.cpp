#include "ClubDatabase.h"
#include "ProgramFolderFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

using testsupport::executeSql;
using testsupport::queryRows;

namespace {

// Kills a backup, a restore and a repair of a 50 MB club database part way and
// checks that "rosterbase.mdb" is then whole: the old content or the new one.
class InterruptedMaintenanceTest : public testsupport::ProgramFolderTest {
protected:
    // What a club database holds, read apart from the engine; empty when it is damaged.
    static QVariantList content(const QString &database) {
        if (queryRows(database, QStringLiteral("PRAGMA integrity_check")) !=
            QList<QVariantList>{{QStringLiteral("ok")}})
            return {};
        return queryRows(database,
                         QStringLiteral("SELECT (SELECT \"Club Name\" FROM \"Club Info\"), "
                                        "count(*), sum(length(\"Remarks\")) FROM \"Members\""))
            .value(0);
    }

    struct Run {
        bool killedMidway = false;
        qint64 milliseconds = 0;
    };

    // Runs the step in a child on a fresh copy of the program folder, killing it
    // after the given time unless that is negative.
    Run runStep(const QString &step, const QString &home, qint64 killAfter) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("CREELBOOK_HOME"), home);
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QStringLiteral(MAINTENANCE_CHILD), {step, home + QStringLiteral("/usb")});
        EXPECT_TRUE(child.waitForReadyRead(60000));
        QElapsedTimer clock;
        clock.start();
        Run run;
        if (killAfter >= 0) {
            QThread::msleep(static_cast<unsigned long>(killAfter));
            child.kill();
        }
        EXPECT_TRUE(child.waitForFinished(300000));
        run.milliseconds = clock.elapsed();
        run.killedMidway = child.exitStatus() == QProcess::CrashExit;
        if (killAfter < 0) {
            EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
        }
        return run;
    }

    // A fresh program folder holding the given club database and backup.
    QString freshHome(QTemporaryDir &home, const QString &clubFile, const QString &backupFile) {
        EXPECT_TRUE(home.isValid());
        QDir().mkpath(home.filePath(QStringLiteral("usb")));
        EXPECT_TRUE(QFile::copy(clubFile, home.filePath(QStringLiteral("rosterbase.mdb"))));
        EXPECT_TRUE(QFile::copy(backupFile, home.filePath(QStringLiteral("usb/rosterbase.mdb"))));
        return home.path();
    }
};

TEST_F(InterruptedMaintenanceTest, KilledStepsLeaveTheOldOrTheNewDatabase)
{
    install();
    const QString small = path(QStringLiteral("small.mdb"));
    const QString large = path(QStringLiteral("large.mdb"));
    ASSERT_TRUE(QFile::copy(clubdata::clubDatabasePath(), small));
    executeSql(small, QStringLiteral("UPDATE \"Club Info\" SET \"Club Name\" = 'Saved in May'"));
    ASSERT_TRUE(QFile::copy(clubdata::clubDatabasePath(), large));
    // 60 MB of remarks, a sixth of them deleted, so that a repair has work to do.
    executeSql(large, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                                     "FROM n WHERE i < 6000) INSERT INTO \"Members\" "
                                     "(\"Name\", \"Remarks\") SELECT 'Angler ' || i, "
                                     "hex(randomblob(5000)) FROM n"));
    executeSql(large, QStringLiteral("DELETE FROM \"Members\" WHERE rowid % 6 = 0"));
    ASSERT_GT(QFileInfo(large).size(), 50 * 1024 * 1024);

    const struct {
        const char *step;
        QString club, backup;
        const char *changed; // the file the step writes, in the program folder
        QString before;      // what that file held before
    } steps[] = {
        {"backup", large, small, "usb/rosterbase.mdb", small},
        {"restore", small, large, "rosterbase.mdb", small},
        {"repair", large, small, "rosterbase.mdb", large},
    };
    const QVariantList after = content(large);
    for (const auto &step : steps) {
        SCOPED_TRACE(step.step);
        const QVariantList before = content(step.before);
        QTemporaryDir measured;
        const Run whole = runStep(QString::fromLatin1(step.step),
                                  freshHome(measured, step.club, step.backup), -1);
        EXPECT_EQ(content(measured.filePath(QString::fromLatin1(step.changed))), after);

        int killedMidway = 0;
        for (const double share : {0.1, 0.3, 0.5, 0.7, 0.9}) {
            SCOPED_TRACE(share);
            QTemporaryDir home;
            const Run run =
                runStep(QString::fromLatin1(step.step), freshHome(home, step.club, step.backup),
                        qint64(double(whole.milliseconds) * share));
            killedMidway += run.killedMidway ? 1 : 0;
            const QVariantList found = content(home.filePath(QString::fromLatin1(step.changed)));
            EXPECT_TRUE(found == before || found == after)
                << found.value(0).toString().toStdString();
            // The club database stays whole whatever step was killed.
            EXPECT_FALSE(content(home.filePath(QStringLiteral("rosterbase.mdb"))).isEmpty());
        }
        EXPECT_GT(killedMidway, 0);
    }
}

} // namespace
