#include "ClubDatabase.h"
#include "ClubMaintenance.h"
#include "HelpWindow.h"
#include "ProgramFolderFixture.h"
#include "data/RecordSource.h"
#include "frmDbutility.h"
#include "services/Forms.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <functional>
#include <gtest/gtest.h>

using platform::Icon;
using testsupport::executeSql;
using testsupport::queryRows;

namespace {

TEST(SizeText, IsTheKilobytesInTheGeneralNumberFormat)
{
    const std::pair<qint64, const char *> cases[] = {
        {1024, "1 KB"},         {2560, "2.5 KB"}, {3072, "3 KB"},
        {1000, "0.9765625 KB"}, {0, "0 KB"},      {52428800, "51200 KB"},
    };
    for (const auto &[bytes, text] : cases)
        EXPECT_EQ(maintenance::sizeText(bytes), QString::fromLatin1(text)) << bytes;
}

class DbutilityTest : public testsupport::ProgramFolderTest {
protected:
    void SetUp() override {
        ProgramFolderTest::SetUp();
        install();
        club = clubdata::clubDatabasePath();
        backupFolder = path(QStringLiteral("usb"));
        QDir().mkpath(backupFolder);
    }

    maintenance::frmDbutility *utility() {
        return platform::Forms::show<maintenance::frmDbutility>();
    }
    template <class T = QPushButton> T *child(const char *name) {
        auto *found = utility()->findChild<T *>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    void click(const char *button) { child(button)->click(); }

    // A window left open that holds the club database.
    QWidget *windowHoldingTheClub() {
        auto *window = platform::Forms::show<QWidget>();
        new data::RecordSource(club, QStringLiteral("Members"), window);
        return window;
    }

    static QString clubName(const QString &database) {
        const auto rows =
            queryRows(database, QStringLiteral("SELECT \"Club Name\" FROM \"Club Info\""));
        return rows.isEmpty() ? QString() : rows[0][0].toString();
    }
    static QString integrity(const QString &database) {
        return queryRows(database, QStringLiteral("PRAGMA integrity_check"))[0][0].toString();
    }

    void expectOnlyMessage(Icon icon, const QString &text, const QString &title = {}) {
        ASSERT_EQ(fakes_.prompter->calls.size(), 1u);
        EXPECT_EQ(fakes_.prompter->calls[0].icon, icon);
        EXPECT_EQ(fakes_.prompter->calls[0].text, text);
        EXPECT_EQ(fakes_.prompter->calls[0].title, title);
    }

    QString club;
    QString backupFolder;
};

TEST_F(DbutilityTest, OpensOnTheBackupTabWithTheDatabaseSize)
{
    auto *window = utility();
    EXPECT_EQ(window->windowTitle(), QStringLiteral(" Creelbook Database Utility"));
    auto *tabs = child<QTabWidget>("SSTab1");
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("   Backup"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("   Restore"));
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("   Repair"));
    EXPECT_EQ(child<QLabel>("Label8")->text(), maintenance::sizeText(QFileInfo(club).size()));
    EXPECT_TRUE(child<QLabel>("Label8")->text().endsWith(QStringLiteral(" KB")));
    EXPECT_EQ(child<QLabel>("Label10")->text(), QStringLiteral("?"));

    click("cmdHelp");
    EXPECT_EQ(fakes_.help->topics, std::vector<int>{300});
}

TEST_F(DbutilityTest, BackupReplacesRosterbaseInTheChosenFolderWhileTheClubIsHeld)
{
    const QString copy = QDir(backupFolder).filePath(QStringLiteral("rosterbase.mdb"));
    QFile old(copy);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older backup");
    old.close();
    windowHoldingTheClub();
    executeSql(club, QStringLiteral("UPDATE \"Club Info\" SET \"Club Name\" = 'Changed today'"));

    // Whatever name the user types, the copy is "rosterbase.mdb" in that folder.
    fakes_.dialogs->fileNames.push_back(QDir(backupFolder).filePath(QStringLiteral("friday")));
    click("cmdBackup");

    EXPECT_EQ(fakes_.dialogs->titles, QStringList{QStringLiteral("Save Database Backup")});
    expectOnlyMessage(Icon::Information, QStringLiteral("Backup has been saved."));
    EXPECT_EQ(clubName(copy), QStringLiteral("Changed today"));
    EXPECT_EQ(QDir(backupFolder).entryList(QDir::Files),
              QStringList{QStringLiteral("rosterbase.mdb")});
}

TEST_F(DbutilityTest, ACancelledBackupWritesAndSaysNothing)
{
    click("cmdBackup");
    EXPECT_TRUE(fakes_.prompter->calls.empty());
    EXPECT_TRUE(QDir(backupFolder).isEmpty());
}

TEST_F(DbutilityTest, AFailedBackupIsReported)
{
    // The chosen folder has gone by the time the copy is made.
    fakes_.dialogs->fileNames.push_back(path(QStringLiteral("gone/rosterbase")));
    click("cmdBackup");
    ASSERT_EQ(fakes_.prompter->calls.size(), 1u);
    EXPECT_EQ(fakes_.prompter->calls[0].icon, Icon::Exclamation);
    EXPECT_NE(fakes_.prompter->calls[0].text, QStringLiteral("Backup has been saved."));
}

class RestoreTest;

struct RestoreCase {
    const char *name;
    // Fills the backup folder, or leaves the club held; returns the file the dialog gives.
    std::function<QString(RestoreTest &)> prepare;
    bool restored;
};

void PrintTo(const RestoreCase &restoreCase, std::ostream *out) { *out << restoreCase.name; }

class RestoreTest : public DbutilityTest, public ::testing::WithParamInterface<RestoreCase> {
public:
    QString backup() const { return QDir(backupFolder).filePath(QStringLiteral("rosterbase.mdb")); }
    // A sound backup of the club under another name.
    QString saveBackup() {
        QFile::copy(club, backup());
        executeSql(backup(),
                   QStringLiteral("UPDATE \"Club Info\" SET \"Club Name\" = 'Saved in May'"));
        return backup();
    }
    QString writeFile(const char *name, const QByteArray &content) {
        QFile file(QDir(backupFolder).filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }
    using DbutilityTest::windowHoldingTheClub;
};

TEST_P(RestoreTest, RestoresOnlyASoundClubDatabase)
{
    const QString chosen = GetParam().prepare(*this);
    if (!chosen.isEmpty())
        fakes_.dialogs->fileNames.push_back(chosen);
    click("cmdRestore");

    EXPECT_EQ(fakes_.dialogs->titles, QStringList{QStringLiteral("Restore Backup Database")});
    if (GetParam().restored) {
        expectOnlyMessage(Icon::Information,
                          QStringLiteral("Your backup copy of the database has been restored !"));
        EXPECT_EQ(clubName(club), QStringLiteral("Saved in May"));
    } else {
        expectOnlyMessage(Icon::Exclamation, QStringLiteral("Database has not been restored."));
        EXPECT_EQ(clubName(club), QStringLiteral("Cedar Hollow Bassmasters"));
    }
    EXPECT_EQ(integrity(club), QStringLiteral("ok"));
    EXPECT_EQ(clubdata::clubDatabaseProblem(club), QString());
    EXPECT_FALSE(QFile::exists(club + QStringLiteral(".partial")));
}

INSTANTIATE_TEST_SUITE_P(
    Backups, RestoreTest,
    ::testing::Values(
        RestoreCase{"any_file_of_a_folder_with_rosterbase",
                    [](RestoreTest &test) {
                        test.saveBackup();
                        return test.writeFile("other.mdb", "not looked at");
                    },
                    true},
        RestoreCase{"a_folder_without_rosterbase",
                    [](RestoreTest &test) { return test.writeFile("roster.mdb", ""); }, false},
        RestoreCase{"cancelled", [](RestoreTest &) { return QString(); }, false},
        RestoreCase{"a_text_file",
                    [](RestoreTest &test) {
                        return test.writeFile("rosterbase.mdb",
                                              QByteArray("Club roster\n").repeated(500));
                    },
                    false},
        RestoreCase{"an_empty_file",
                    [](RestoreTest &test) { return test.writeFile("rosterbase.mdb", ""); }, false},
        RestoreCase{"a_database_lacking_a_field",
                    [](RestoreTest &test) {
                        executeSql(
                            test.saveBackup(),
                            QStringLiteral("ALTER TABLE \"Contacts\" DROP COLUMN \"Email\""));
                        return test.backup();
                    },
                    false},
        RestoreCase{"a_damaged_database",
                    [](RestoreTest &test) {
                        QFile file(test.saveBackup());
                        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
                        // Page 2 holds the first table; the schema on page 1 still reads.
                        file.seek(4096);
                        file.write(QByteArray(4096, '\x5a'));
                        return file.fileName();
                    },
                    false},
        RestoreCase{"while_a_window_holds_the_club",
                    [](RestoreTest &test) {
                        test.windowHoldingTheClub();
                        return test.saveBackup();
                    },
                    false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(DbutilityTest, RepairCompactsTheClubAndShowsTheNewSize)
{
    executeSql(club, QStringLiteral("INSERT INTO \"Contacts\" (\"Name\", \"Remarks\") "
                                    "SELECT 'x', hex(randomblob(20000)) FROM \"Members\""));
    executeSql(club, QStringLiteral("DELETE FROM \"Contacts\" WHERE \"Name\" = 'x'"));
    const qint64 before = QFileInfo(club).size();
    // A copy left behind by an earlier repair that failed.
    QFile::copy(club, maintenance::repairedDatabasePath());

    click("cmdRepair");

    expectOnlyMessage(Icon::Information, QStringLiteral("DataBase has been repaired !"));
    const qint64 after = QFileInfo(club).size();
    EXPECT_LT(after, before);
    EXPECT_EQ(child<QLabel>("Label10")->text(), maintenance::sizeText(after));
    EXPECT_EQ(child<QLabel>("Label8")->text(), maintenance::sizeText(before));
    EXPECT_FALSE(QFile::exists(maintenance::repairedDatabasePath()));
    EXPECT_EQ(integrity(club), QStringLiteral("ok"));
    EXPECT_EQ(queryRows(club, QStringLiteral("SELECT count(*) FROM \"Members\"")),
              (QList<QVariantList>{{QStringLiteral("12")}}));
}

TEST_F(DbutilityTest, RepairWhileAWindowHoldsTheClubChangesNothing)
{
    windowHoldingTheClub();
    const QByteArray before = [this] {
        QFile file(club);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();

    click("cmdRepair");

    expectOnlyMessage(Icon::Exclamation,
                      QStringLiteral("Can't find database.\nPlease make sure that Creelbook is "
                                     "not running."),
                      QStringLiteral("Database not found"));
    EXPECT_EQ(child<QLabel>("Label10")->text(), QStringLiteral("?"));
    QFile file(club);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

TEST_F(DbutilityTest, ExitClosesEveryWindowAndTheUtilityLast)
{
    QPointer<QWidget> holder = windowHoldingTheClub();
    maintenance::HelpService help;
    help.setHelpFile(path(QStringLiteral("Kelso.hlp")));
    help.showTopic(300);
    QPointer<QWidget> helpWindow = platform::Forms::find<maintenance::HelpWindow>();
    ASSERT_TRUE(helpWindow);
    QPointer<QWidget> window = utility();

    click("cmdExit");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(holder.isNull());
    EXPECT_TRUE(helpWindow.isNull());
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(platform::Forms::loaded().isEmpty());
}

} // namespace
