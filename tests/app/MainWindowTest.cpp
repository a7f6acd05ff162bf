#include "ClubDatabase.h"
#include "ProgramFolderFixture.h"
#include "frmAbout.h"
#include "frmAdddata.h"
#include "frmDbutility.h"
#include "frmMain.h"
#include "frmUpdate.h"
#include "services/Forms.h"
#include "services/Handlers.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

using testsupport::executeSql;
using testsupport::queryRows;

namespace {

class MainWindowTest : public testsupport::ProgramFolderTest {
protected:
    frmMain *openMain()
    {
        install();
        return platform::Forms::show<frmMain>();
    }
    template <class T = QWidget> T *child(const char *name)
    {
        auto *found = platform::Forms::find<frmMain>()->findChild<T *>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    QString text(const char *name) { return child<QLabel>(name)->text(); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    void chooseInList(const char *list, int row)
    {
        auto *dbList = child<widgets::DBList>(list);
        dbList->selectRow(row);
        QTest::mouseClick(dbList->viewport(), Qt::LeftButton, {},
                          dbList->visualRect(dbList->currentIndex()).center());
    }
    data::RecordSource *source(const char *name) { return child<data::RecordSource>(name); }
};

TEST_F(MainWindowTest, StartsWithThePictureTheClubAndTheHelpHint)
{
    frmMain *window = openMain();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Creelbook"));
    EXPECT_EQ(text("Label3"), QStringLiteral("Cedar Hollow Bassmasters"));
    EXPECT_EQ(text("Label4"), QStringLiteral("P.O. Box 1187"));
    EXPECT_EQ(text("Label5"), QStringLiteral("Harlan Springs, TN 37122"));
    EXPECT_EQ(text("Label19"), QStringLiteral("Press F1 for Help"));
    EXPECT_TRUE(child("ImgBass")->isVisible());
    EXPECT_FALSE(child("picEvents")->isVisible());
    EXPECT_FALSE(child("picMembers")->isVisible());
    EXPECT_TRUE(fakes_.help->helpFile.endsWith(QStringLiteral("/Kelso.hlp")));

    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activate);
    EXPECT_EQ(text("Label18"), QStringLiteral("Today's Date: 3/14/2027"));
}

TEST_F(MainWindowTest, PanelSwitchesCountTheRecordsEachTime)
{
    openMain();
    trigger("mnuMembers");
    EXPECT_TRUE(child("picMembers")->isVisible());
    EXPECT_FALSE(child("picEvents")->isVisible());
    EXPECT_FALSE(child("ImgBass")->isVisible());
    EXPECT_EQ(text("Label19"), QStringLiteral("12 Members are listed."));

    trigger("mnuSchedule");
    EXPECT_FALSE(child("picMembers")->isVisible());
    EXPECT_TRUE(child("picEvents")->isVisible());
    EXPECT_EQ(text("Label19"), QStringLiteral("6 Tournaments are Scheduled"));

    data::RecordSource *members = source("DatMembers");
    members->AddNew();
    members->recordset().setValue(QStringLiteral("Name"), QStringLiteral("Newcomer"));
    members->Update();
    trigger("mnuMembers");
    EXPECT_EQ(text("Label19"), QStringLiteral("13 Members are listed."));
}

TEST_F(MainWindowTest, AnEmptyTableCountsZero)
{
    install();
    executeSql(clubdata::clubDatabasePath(), QStringLiteral("DELETE FROM \"Members\""));
    platform::Forms::show<frmMain>();
    trigger("mnuMembers");
    EXPECT_EQ(text("Label19"), QStringLiteral("0 Members are listed."));
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QString());
}

TEST_F(MainWindowTest, ChoosingAMemberMovesOnlyTheDetailSource)
{
    openMain();
    trigger("mnuMembers");
    const data::Bookmark listPosition = source("DatListmem")->bookmark();
    chooseInList("DBListmem", 3);
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), QStringLiteral("José Núñez"));
    EXPECT_EQ(text("Label35"), QStringLiteral("Family"));
    EXPECT_EQ(text("Label39"), QStringLiteral("Yes"));
    EXPECT_EQ(source("DatListmem")->bookmark(), listPosition);
    EXPECT_NE(source("DatMembers")->bookmark(), listPosition);
}

TEST_F(MainWindowTest, ChoosingATournamentShowsItsDetails)
{
    openMain();
    trigger("mnuSchedule");
    chooseInList("DBList1", 2);
    EXPECT_EQ(text("Label1"), QStringLiteral("5/8/2027"));
    EXPECT_EQ(text("Label6"), QStringLiteral("Center Hill Lake"));
    EXPECT_EQ(text("Label7"), QStringLiteral("Hurricane Dock"));
    EXPECT_EQ(text("Label8"), QStringLiteral("5:45 AM"));
    EXPECT_EQ(text("Label9"), QStringLiteral("2:00 PM"));
    EXPECT_TRUE(child<QPlainTextEdit>("Text4")->isReadOnly());
    EXPECT_TRUE(child<QPlainTextEdit>("Text4")->toPlainText().startsWith(QStringLiteral("Open")));
}

TEST_F(MainWindowTest, RemarksAreKeptWhenAnotherMemberIsChosen)
{
    openMain();
    trigger("mnuMembers");
    auto *remarks = child<QPlainTextEdit>("Text1");
    EXPECT_FALSE(remarks->isReadOnly());
    EXPECT_TRUE(child<QLineEdit>("Text2")->isReadOnly());
    remarks->selectAll();
    QTest::keyClicks(remarks, QStringLiteral("Paid dues in cash"));
    chooseInList("DBListmem", 1);
    EXPECT_EQ(remarks->toPlainText(), QStringLiteral("Prefers topwater in the spring."));
    EXPECT_EQ(queryRows(clubdata::clubDatabasePath(),
                        QStringLiteral("SELECT \"Remarks\" FROM \"Members\" WHERE \"Name\" = 'Walt Henning'")),
              (QList<QVariantList>{{QStringLiteral("Paid dues in cash")}}));
    chooseInList("DBListmem", 0);
    EXPECT_EQ(remarks->toPlainText(), QStringLiteral("Paid dues in cash"));
}

TEST_F(MainWindowTest, HelpShowsTopic100AndF1TheContents)
{
    frmMain *window = openMain();
    trigger("mnuShowHelp");
    EXPECT_EQ(fakes_.help->topics, std::vector<int>{100});

    platform::installApplicationHooks(qApp);
    QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(window->findChild<QWidget *>(QStringLiteral("Text1")), &f1);
    EXPECT_EQ(fakes_.help->contentsShown, 1);
}

TEST_F(MainWindowTest, OptionsHideTheMainWindowUntilTheyClose)
{
    frmMain *window = openMain();
    platform::Forms::setMainWindow(window);
    trigger("mnuOptions");
    auto *options = platform::Forms::find<frmAdddata>();
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->isVisible());
    EXPECT_FALSE(window->isVisible());
    options->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, TheFileMenuListsTheOtherOpenWindows)
{
    openMain();
    auto *other = platform::Forms::show<QWidget>();
    other->setWindowTitle(QStringLiteral("Reminders"));
    auto *file = child<QMenu>("mnuFile");
    for (int opened = 0; opened < 2; ++opened) {
        emit file->aboutToShow();
        QStringList entries;
        for (QAction *action : file->actions())
            entries << action->text();
        EXPECT_EQ(entries, (QStringList{"Club Members", "Tournament Schedule", "", "Exit", "",
                                        "Reminders"}));
    }
}

TEST_F(MainWindowTest, ClosingAsksAboutBackupAndNoUnloadsEveryWindow)
{
    frmMain *window = openMain();
    QPointer<QWidget> beside = platform::Forms::show<QWidget>();
    QPointer<frmMain> main = window;
    trigger("mnuMembers");
    child<QPlainTextEdit>("Text1")->moveCursor(QTextCursor::End);
    QTest::keyClicks(child<QPlainTextEdit>("Text1"), QStringLiteral(" Last words."));

    fakes_.prompter->answers.push_back(platform::Answer::No);
    trigger("mnuExit");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    ASSERT_EQ(fakes_.prompter->calls.size(), 1u);
    const auto &question = fakes_.prompter->calls[0];
    EXPECT_EQ(question.text, QStringLiteral("Do you want to backup the Database ?"));
    EXPECT_EQ(question.title, QStringLiteral("Close Program"));
    EXPECT_EQ(question.icon, platform::Icon::Question);
    EXPECT_EQ(question.buttons, platform::Buttons::YesNo);
    EXPECT_TRUE(main.isNull());
    EXPECT_TRUE(beside.isNull());
    EXPECT_EQ(queryRows(clubdata::clubDatabasePath(),
                        QStringLiteral("SELECT \"Remarks\" FROM \"Members\" LIMIT 1")),
              (QList<QVariantList>{
                  {QStringLiteral("Club president. Runs a 20 ft. bass boat with a 225 hp "
                                  "outboard. Last words.")}}));
}

TEST_F(MainWindowTest, YesOpensTheDatabaseUtilityAndLeavesTheOtherWindowsOpen)
{
    QPointer<frmMain> main = openMain();
    QPointer<QWidget> beside = platform::Forms::show<QWidget>();
    fakes_.prompter->answers.push_back(platform::Answer::Yes);
    trigger("mnuExit");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(main.isNull());
    ASSERT_FALSE(beside.isNull());
    EXPECT_TRUE(beside->isVisible());
    auto *utility = platform::Forms::find<maintenance::frmDbutility>();
    ASSERT_TRUE(utility);
    EXPECT_TRUE(utility->isVisible());
    // The main window let go of the club database, so a repair can replace it.
    EXPECT_FALSE(data::isFileOpen(clubdata::clubDatabasePath()));
}

TEST_F(MainWindowTest, TheHelpMenuOpensTheUpdateAndAboutWindows)
{
    openMain();
    trigger("mnuUpdate");
    trigger("mnuAbout");
    ASSERT_TRUE(platform::Forms::find<maintenance::frmUpdate>());
    EXPECT_TRUE(platform::Forms::find<maintenance::frmUpdate>()->isVisible());
    ASSERT_TRUE(platform::Forms::find<maintenance::frmAbout>());
    EXPECT_TRUE(platform::Forms::find<maintenance::frmAbout>()->isVisible());
}

} // namespace
