#include "ProgramFolderFixture.h"

#include "ClubDatabase.h"
#include "services/Forms.h"
#include "services/ProgramFolder.h"

#include <QApplication>
#include <QFile>
#include <sqlite3.h>

namespace testsupport {

void ProgramFolderTest::SetUp()
{
    ASSERT_TRUE(folder_.isValid());
    previousHome_ = qgetenv("CREELBOOK_HOME");
    qputenv("CREELBOOK_HOME", folder_.path().toUtf8());
}

void ProgramFolderTest::TearDown()
{
    for (QWidget *window : platform::Forms::loaded())
        delete window;
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (previousHome_.isNull())
        qunsetenv("CREELBOOK_HOME");
    else
        qputenv("CREELBOOK_HOME", previousHome_);
}

void ProgramFolderTest::install()
{
    ASSERT_EQ(platform::installMissingContent(), QString());
    ASSERT_EQ(clubdata::prepareClubDatabase(), QString());
}

namespace {
struct RawConnection {
    explicit RawConnection(const QString &path)
    {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE,
                            nullptr) != SQLITE_OK)
            ADD_FAILURE() << "can not open " << path.toStdString();
    }
    ~RawConnection() { sqlite3_close(db); }
    sqlite3 *db = nullptr;
};
} // namespace

QList<QVariantList> queryRows(const QString &databasePath, const QString &sql)
{
    RawConnection connection(databasePath);
    sqlite3_stmt *statement = nullptr;
    QList<QVariantList> rows;
    if (sqlite3_prepare_v2(connection.db, sql.toUtf8().constData(), -1, &statement, nullptr) !=
        SQLITE_OK) {
        ADD_FAILURE() << sqlite3_errmsg(connection.db);
        return rows;
    }
    while (sqlite3_step(statement) == SQLITE_ROW) {
        QVariantList row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            if (sqlite3_column_type(statement, i) == SQLITE_NULL)
                row << QVariant();
            else
                row << QString::fromUtf8(
                    reinterpret_cast<const char *>(sqlite3_column_text(statement, i)),
                    sqlite3_column_bytes(statement, i));
        }
        rows << row;
    }
    sqlite3_finalize(statement);
    return rows;
}

void executeSql(const QString &databasePath, const QString &sql)
{
    RawConnection connection(databasePath);
    char *error = nullptr;
    if (sqlite3_exec(connection.db, sql.toUtf8().constData(), nullptr, nullptr, &error) !=
        SQLITE_OK) {
        ADD_FAILURE() << error;
        sqlite3_free(error);
    }
}

} // namespace testsupport
