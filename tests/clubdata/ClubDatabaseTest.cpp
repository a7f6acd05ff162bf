#include "ClubDatabase.h"
#include "ProgramFolderFixture.h"
#include "data/Database.h"

#include <QCryptographicHash>
#include <QFile>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace clubdata;
using testsupport::executeSql;
using testsupport::queryRows;

namespace {

class ClubDatabaseTest : public testsupport::ProgramFolderTest {
protected:
    QStringList columnNames(const QString &table) const
    {
        QStringList names;
        for (const auto &row : queryRows(clubDatabasePath(),
                                         QStringLiteral("SELECT name FROM pragma_table_info('%1')")
                                             .arg(table)))
            names << row[0].toString();
        return names;
    }
    int count(const QString &table) const
    {
        return queryRows(clubDatabasePath(), QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table))
            .first()
            .first()
            .toInt();
    }
};

TEST_F(ClubDatabaseTest, TheInstalledDatabaseHasTheClubTablesInFieldOrder)
{
    install();
    const QMap<QString, QStringList> expected = {
        {"Club Info", {"Club Name", "Club Address", "Club City"}},
        {"Options", {"Membership"}},
        {"Lakes", {"Lakes"}},
        {"Ramps", {"Ramps"}},
        {"Members",
         {"Name", "Address", "Address2", "City", "State", "Zip Code", "Home Phone", "Work Phone",
          "Mobile Phone", "Email Address", "Club Status", "Boater", "Member Number", "Remarks"}},
        {"Tournament", {"Date", "Lake", "Ramp", "Start Time", "End Time", "Notes", "Picture"}},
        {"Stats", {"Name", "Date", "Lake", "Total Weight", "Fish Caught", "Big Fish"}},
        {"Reminders", {"Date", "Reminder"}},
        {"Contacts",
         {"Name", "Address", "City", "State", "ZipCode", "Home Phone", "Work Phone", "Cell Phone",
          "Email", "Remarks"}},
    };
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        EXPECT_EQ(columnNames(it.key()), it.value());
        EXPECT_GE(count(it.key()), 1);
    }
    EXPECT_EQ(count(QStringLiteral("Club Info")), 1);
    EXPECT_EQ(count(QStringLiteral("Members")), 12);
    EXPECT_EQ(count(QStringLiteral("Tournament")), 6);
}

TEST_F(ClubDatabaseTest, EveryTextComesBackExactlyAsWritten)
{
    install();
    const QString texts[] = {
        QStringLiteral("Dale \"Big Mouth\" O'Brien"),
        QStringLiteral("José Núñez – Ørsted Straße ✓"),
        QStringLiteral("'); DROP TABLE \"Members\"; --"),
        QStringLiteral("  leading and trailing blanks  "),
        QStringLiteral("line one\nline two\r\nline three"),
        QString(10000, QLatin1Char('x')),
    };
    auto records = data::Database::OpenDatabase(clubDatabasePath())
                       .OpenRecordset(QStringLiteral("Members"));
    for (const QString &text : texts) {
        records->AddNew();
        records->setValue(QStringLiteral("Remarks"), text);
        if (text.size() <= 50)
            records->setValue(QStringLiteral("Name"), text);
        records->Update();
        records->setBookmark(records->LastModified());
        EXPECT_EQ(records->value(QStringLiteral("Remarks")).toString(), text);
    }
    auto reopened = data::Database::OpenDatabase(clubDatabasePath())
                        .OpenRecordset(QStringLiteral("Members"));
    reopened->MoveLast();
    EXPECT_EQ(reopened->value(QStringLiteral("Remarks")).toString().size(), 10000);
    EXPECT_EQ(count(QStringLiteral("Members")), 12 + 6);
    EXPECT_EQ(queryRows(clubDatabasePath(),
                        QStringLiteral("SELECT count(*) FROM \"Members\" WHERE \"Name\" = "
                                       "'''); DROP TABLE \"Members\"; --'"))
                  .first()
                  .first()
                  .toInt(),
              1);
}

TEST_F(ClubDatabaseTest, AMissingDatabaseIsMadeAfreshAndOthersAreLeftAsTheyAre)
{
    install();
    ASSERT_TRUE(QFile::remove(clubDatabasePath()));
    EXPECT_EQ(prepareClubDatabase(), QString());
    EXPECT_EQ(count(QStringLiteral("Members")), 12);

    const struct {
        const char *name;
        std::function<void(const QString &)> make;
        const char *fault;
    } cases[] = {
        {"zero bytes", [](const QString &) {}, "the table \"Club Info\" is missing"},
        {"a text file",
         [](const QString &path) {
             QFile file(path);
             file.open(QIODevice::WriteOnly);
             file.write(QByteArray("Club roster, see the paper copy.\n").repeated(100));
         },
         "is not a readable database file"},
        {"a database without the tables",
         [](const QString &path) { executeSql(path, QStringLiteral("CREATE TABLE Other (x)")); },
         "the table \"Club Info\" is missing"},
        {"a table without a field",
         [](const QString &path) {
             executeSql(path, QStringLiteral("CREATE TABLE \"Club Info\" (\"Club Name\", "
                                             "\"Club City\")"));
         },
         "lacks the field \"Club Address\""},
    };
    for (const auto &badFile : cases) {
        SCOPED_TRACE(badFile.name);
        const QString path = clubDatabasePath();
        QFile::remove(path);
        QFile(path).open(QIODevice::WriteOnly);
        badFile.make(path);
        QFile before(path);
        before.open(QIODevice::ReadOnly);
        const QByteArray content = before.readAll();

        const QString problem = prepareClubDatabase();
        EXPECT_TRUE(problem.contains(path)) << problem.toStdString();
        EXPECT_TRUE(problem.contains(QString::fromUtf8(badFile.fault))) << problem.toStdString();
        QFile after(path);
        after.open(QIODevice::ReadOnly);
        EXPECT_EQ(after.readAll(), content);
    }
}

TEST_F(ClubDatabaseTest, ADatabaseLockedByAnotherProgramGivesAMessageAndLosesNothing)
{
    install();
    // SQLite's locks hold between connections, so a connection of our own that
    // the engine does not know stands in for another program.
    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(clubDatabasePath()).constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    const QString problem = clubDatabaseProblem(clubDatabasePath());
    EXPECT_EQ(problem, QStringLiteral("The database \"rosterbase.mdb\" is in use by another "
                                      "program. Close that program and try again."));

    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(clubDatabaseProblem(clubDatabasePath()), QString());
    EXPECT_EQ(count(QStringLiteral("Members")), 12);
}

} // namespace
