#include "ProgramFolderFixture.h"
#include "data/Database.h"
#include "data/Dates.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace data;
using testsupport::executeSql;
using testsupport::queryRows;

namespace {

// A database with one table "Fish Log" of three records: "a", "b", "c".
class DataEngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath(QStringLiteral("log.mdb"));
        auto database = Database::CreateDatabase(path);
        auto table = database.CreateTableDef(QStringLiteral("Fish Log"));
        table.Append(table.CreateField(QStringLiteral("Name"), FieldType::Text, 10));
        table.Append(table.CreateField(QStringLiteral("Notes"), FieldType::Memo));
        table.Append(table.CreateField(QStringLiteral("Caught"), FieldType::Date));
        database.Append(table);
        executeSql(path, QStringLiteral("INSERT INTO \"Fish Log\" (\"Name\") VALUES ('a'), ('b'), ('c')"));
    }

    std::unique_ptr<Recordset> open() const
    {
        return Database::OpenDatabase(path).OpenRecordset(QStringLiteral("Fish Log"));
    }

    static QString current(const Recordset &records)
    {
        if (records.isBOF() && records.isEOF())
            return QStringLiteral("BOF EOF");
        if (records.isBOF())
            return QStringLiteral("BOF");
        if (records.isEOF())
            return QStringLiteral("EOF");
        try {
            return records.value(QStringLiteral("Name")).toString();
        } catch (const EngineError &) {
            return QStringLiteral("no current record");
        }
    }

    QTemporaryDir folder;
    QString path;
};

struct MoveCase {
    const char *name;
    std::vector<const char *> steps;
    const char *expected;
    int count;
};

TEST_F(DataEngineTest, MovesAndDeletesFollowTableOrder)
{
    const MoveCase cases[] = {
        {"opens on the first record", {}, "a", 3},
        {"next", {"next"}, "b", 3},
        {"next past the last reaches EOF", {"next", "next", "next"}, "EOF", 3},
        {"previous from the first reaches BOF", {"previous"}, "BOF", 3},
        {"last, then previous", {"last", "previous"}, "b", 3},
        {"first after moving", {"last", "first"}, "a", 3},
        {"no current record after a delete", {"delete"}, "no current record", 2},
        {"next after a delete shows the following record", {"next", "delete", "next"}, "c", 2},
        {"previous after a delete shows the record before", {"next", "delete", "previous"}, "a", 2},
        {"deleting the last record, then next, reaches EOF", {"last", "delete", "next"}, "EOF", 2},
        {"deleting every record leaves BOF and EOF",
         {"delete", "next", "delete", "next", "delete"}, "BOF EOF", 0},
    };
    for (const MoveCase &moveCase : cases) {
        SCOPED_TRACE(moveCase.name);
        executeSql(path, QStringLiteral("DELETE FROM \"Fish Log\"; INSERT INTO \"Fish Log\" "
                                        "(\"Name\") VALUES ('a'), ('b'), ('c')"));
        auto records = open();
        for (const std::string step : moveCase.steps) {
            if (step == "next")
                records->MoveNext();
            else if (step == "previous")
                records->MovePrevious();
            else if (step == "first")
                records->MoveFirst();
            else if (step == "last")
                records->MoveLast();
            else if (step == "delete")
                records->Delete();
        }
        EXPECT_EQ(current(*records), QString::fromUtf8(moveCase.expected));
        EXPECT_EQ(records->RecordCount(), moveCase.count);
        EXPECT_EQ(queryRows(path, QStringLiteral("SELECT * FROM \"Fish Log\"")).size(),
                  moveCase.count);
    }
}

TEST_F(DataEngineTest, MovingBeyondTheEndsOrInAnEmptyTableIsAnError)
{
    auto records = open();
    records->MovePrevious();
    EXPECT_THROW(records->MovePrevious(), EngineError);
    records->MoveLast();
    records->MoveNext();
    EXPECT_THROW(records->MoveNext(), EngineError);
    EXPECT_THROW(records->bookmark(), EngineError);

    executeSql(path, QStringLiteral("DELETE FROM \"Fish Log\""));
    records->Refresh();
    EXPECT_TRUE(records->isBOF() && records->isEOF());
    EXPECT_EQ(records->RecordCount(), 0);
    EXPECT_THROW(records->MoveFirst(), EngineError);
    EXPECT_THROW(records->Edit(), EngineError);
}

TEST_F(DataEngineTest, AddNewAppendsAndKeepsTheCurrentRecord)
{
    auto records = open();
    records->MoveNext();
    records->AddNew();
    EXPECT_TRUE(records->value(QStringLiteral("Name")).isNull());
    records->setValue(QStringLiteral("Name"), QStringLiteral("d"));
    records->Update();

    EXPECT_EQ(current(*records), QStringLiteral("b"));
    EXPECT_EQ(records->RecordCount(), 4);
    records->setBookmark(records->LastModified());
    EXPECT_EQ(current(*records), QStringLiteral("d"));
    records->MoveNext();
    EXPECT_TRUE(records->isEOF());

    records->AddNew();
    records->setValue(QStringLiteral("Name"), QStringLiteral("never"));
    records->CancelUpdate();
    EXPECT_EQ(records->RecordCount(), 4);
    EXPECT_EQ(queryRows(path, QStringLiteral("SELECT \"Name\" FROM \"Fish Log\"")).size(), 4);
}

TEST_F(DataEngineTest, UpdateRefusesBadValuesAndChangesNothing)
{
    auto records = open();
    records->Edit();
    EXPECT_THROW(records->setValue(QStringLiteral("Name"), QStringLiteral("eleven char")),
                 EngineError);
    EXPECT_THROW(records->setValue(QStringLiteral("Caught"), QStringLiteral("Saturday-ish")),
                 EngineError);
    EXPECT_THROW(records->setValue(QStringLiteral("Weight"), QStringLiteral("1")), EngineError);
    records->setValue(QStringLiteral("Name"), QStringLiteral("ten chars!"));
    records->setValue(QStringLiteral("Caught"), QDate(2027, 3, 14));
    records->Update();

    EXPECT_EQ(queryRows(path, QStringLiteral("SELECT \"Name\", \"Caught\" FROM \"Fish Log\" "
                                             "ORDER BY rowid LIMIT 1")),
              (QList<QVariantList>{{QStringLiteral("ten chars!"), QStringLiteral("2027-03-14")}}));
    EXPECT_EQ(records->value(QStringLiteral("Caught")).toDate(), QDate(2027, 3, 14));

    // The short date form is read back as the same date.
    records->Edit();
    records->setValue(QStringLiteral("Caught"), shortDate(QDate(2026, 12, 1)));
    records->Update();
    EXPECT_EQ(records->value(QStringLiteral("Caught")).toDate(), QDate(2026, 12, 1));
    EXPECT_THROW(records->setValue(QStringLiteral("Name"), QStringLiteral("x")), EngineError);
}

TEST_F(DataEngineTest, BookmarksAreValidForEveryRecordsetOverTheSameTable)
{
    auto first = open();
    auto second = open();
    first->MoveLast();
    second->setBookmark(first->bookmark());
    EXPECT_EQ(current(*second), QStringLiteral("c"));

    // A record added through one recordset can be shown by the other.
    first->AddNew();
    first->setValue(QStringLiteral("Name"), QStringLiteral("added"));
    first->Update();
    second->setBookmark(first->LastModified());
    EXPECT_EQ(current(*second), QStringLiteral("added"));
    EXPECT_EQ(second->RecordCount(), 4);

    // Changes made through one recordset show in the other.
    first->MoveFirst();
    first->Edit();
    first->setValue(QStringLiteral("Notes"), QStringLiteral("line one\nline two"));
    first->Update();
    second->MoveFirst();
    EXPECT_EQ(second->value(QStringLiteral("Notes")).toString(),
              QStringLiteral("line one\nline two"));

    // A bookmark of another table or of a deleted record is refused.
    Bookmark foreign = first->bookmark();
    foreign.table = QStringLiteral("Other");
    EXPECT_THROW(second->setBookmark(foreign), EngineError);
    const Bookmark gone = first->bookmark();
    first->Delete();
    EXPECT_THROW(second->setBookmark(gone), EngineError);
    EXPECT_THROW(second->Edit(), EngineError);
}

TEST_F(DataEngineTest, RefreshRereadsTheTableAndMakesTheFirstRecordCurrent)
{
    auto records = open();
    records->MoveLast();
    executeSql(path, QStringLiteral("INSERT INTO \"Fish Log\" (\"Name\") VALUES ('d')"));
    EXPECT_EQ(records->RecordCount(), 3);
    records->Refresh();
    EXPECT_EQ(records->RecordCount(), 4);
    EXPECT_EQ(current(*records), QStringLiteral("a"));
}

TEST_F(DataEngineTest, FilesOpenInTheProcessCanNotBeDeletedRenamedOrCompacted)
{
    const QString copy = folder.filePath(QStringLiteral("copy.mdb"));
    {
        auto records = open();
        EXPECT_TRUE(isFileOpen(path));
        EXPECT_THROW(removeFile(path), EngineError);
        EXPECT_THROW(renameFile(path, copy), EngineError);
        EXPECT_THROW(CompactDatabase(path, copy), EngineError);
        EXPECT_TRUE(QFile::exists(path));
    }
    EXPECT_FALSE(isFileOpen(path));
    CompactDatabase(path, copy);
    EXPECT_EQ(queryRows(copy, QStringLiteral("SELECT \"Name\" FROM \"Fish Log\"")).size(), 3);
    EXPECT_THROW(CompactDatabase(path, copy), EngineError);
    removeFile(copy);
    EXPECT_FALSE(QFile::exists(copy));
}

TEST_F(DataEngineTest, CopiesAreWholeWhileTheSourceIsHeldAndReplaceTheTarget)
{
    const QString target = folder.filePath(QStringLiteral("copy.mdb"));
    const QString names = QStringLiteral("SELECT \"Name\" FROM \"Fish Log\"");
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("last year's copy");
    old.close();

    auto records = open();
    records->MoveLast();
    records->Edit();
    records->setValue(QStringLiteral("Name"), QStringLiteral("z"));
    records->Update();
    copyDatabase(path, target);
    EXPECT_EQ(queryRows(target, names), (QList<QVariantList>{{"a"}, {"b"}, {"z"}}));
    EXPECT_FALSE(QFile::exists(target + QStringLiteral(".partial")));

    // A failed copy leaves the target as it was and nothing beside it.
    executeSql(path, QStringLiteral("DELETE FROM \"Fish Log\""));
    EXPECT_THROW(copyDatabase(folder.filePath(QStringLiteral("none.mdb")), target), EngineError);
    {
        auto held = Database::OpenDatabase(target);
        EXPECT_THROW(copyDatabase(path, target), EngineError);
        EXPECT_THROW(replaceFile(path, target), EngineError);
    }
    EXPECT_EQ(queryRows(target, names).size(), 3);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
              (QStringList{QStringLiteral("copy.mdb"), QStringLiteral("log.mdb")}));

    records.reset();
    replaceFile(path, target);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(queryRows(target, names).isEmpty());
}

TEST_F(DataEngineTest, TheIntegrityCheckFindsDamagedPages)
{
    EXPECT_NO_THROW(checkIntegrity(path));
    // Page 2 is the root of "Fish Log"; the schema on page 1 still reads.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(4096));
    file.write(QByteArray(4096, '\x5a'));
    file.close();
    EXPECT_NO_THROW(Database::OpenDatabase(path).tableNames());
    EXPECT_THROW(checkIntegrity(path), EngineError);
}

TEST_F(DataEngineTest, OpeningWhatIsNotADatabaseFailsWithAMessage)
{
    const QString text = folder.filePath(QStringLiteral("notes.mdb"));
    const QByteArray content = QByteArray("These are not the records you are looking for.\n").repeated(40);
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    const struct {
        const char *name;
        std::function<void()> action;
    } failures[] = {
        {"a missing file", [&] { Database::OpenDatabase(folder.filePath("none.mdb")); }},
        {"a text file", [&] { Database::OpenDatabase(text); }},
        {"a missing table", [&] { Database::OpenDatabase(path).OpenRecordset("Nothing"); }},
        {"creating over a file", [&] { Database::CreateDatabase(path); }},
    };
    for (const auto &failure : failures) {
        SCOPED_TRACE(failure.name);
        try {
            failure.action();
            ADD_FAILURE() << "no error";
        } catch (const EngineError &error) {
            EXPECT_FALSE(error.message().isEmpty());
        }
    }
    EXPECT_EQ(QFileInfo(text).size(), content.size());
}

TEST(Dates, ReadsIsoAndShortDatesAndCountsDaysFrom1899)
{
    EXPECT_EQ(readDate(QStringLiteral("2027-03-14")), QDate(2027, 3, 14));
    EXPECT_EQ(readDate(QStringLiteral("3/14/2027")), QDate(2027, 3, 14));
    EXPECT_EQ(readDate(QStringLiteral("3/14/27")), QDate(2027, 3, 14));
    EXPECT_EQ(readDate(QStringLiteral("3/14/45")), QDate(1945, 3, 14));
    EXPECT_EQ(readDate(QString()), std::nullopt);
    EXPECT_EQ(readDate(QStringLiteral("13/45/2027")), std::nullopt);
    EXPECT_EQ(shortDate(QDate(2027, 3, 4)), QStringLiteral("3/4/2027"));
    // Short forms with month names, such as the C locale's "d MMM yyyy".
    const QLocale pinned;
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(readDate(shortDate(QDate(2027, 6, 9))), QDate(2027, 6, 9));
    EXPECT_EQ(readDate(QStringLiteral("9 June 2027")), QDate(2027, 6, 9));
    EXPECT_EQ(readDate(QStringLiteral("9 Jux 2027")), std::nullopt);
    QLocale::setDefault(pinned);
    EXPECT_EQ(dayNumber(QDate(1899, 12, 31)), 1);
    EXPECT_EQ(dayNumber(QDate(2000, 1, 1)), 36526);
}

} // namespace
