#include "ClubDatabase.h"
#include "ProgramFolderFixture.h"
#include "frmAddmember.h"
#include "frmAddtournament.h"
#include "frmMain.h"
#include "services/Forms.h"
#include "widgets/ExplorerBar.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

using platform::Answer;
using platform::Forms;
using testsupport::executeSql;
using testsupport::queryRows;

namespace {

class ActionPanesTest : public testsupport::ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        install();
    }
    frmMain *openMain()
    {
        main = Forms::show<frmMain>();
        Forms::setMainWindow(main);
        return main;
    }
    template <class T = QWidget> T *child(const char *name)
    {
        auto *found = main->findChild<T *>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    // Clicks the pane item with this text, as the user does.
    void click(const char *pane, const QString &text)
    {
        auto *bar = child<widgets::ExplorerBar>(pane);
        const auto &items = bar->groups().first().items;
        for (int i = 0; i < items.size(); ++i) {
            if (items[i].text == text) {
                bar->clickItem(0, i);
                return;
            }
        }
        ADD_FAILURE() << "no item " << text.toStdString();
    }
    QString text(const char *name) { return child<QLabel>(name)->text(); }
    QStringList memberNames()
    {
        QStringList names;
        auto *list = child<widgets::DBList>("DBListmem");
        for (int i = 0; i < list->count(); ++i)
            names << list->entryText(i);
        return names;
    }

    frmMain *main = nullptr;
};

TEST_F(ActionPanesTest, BothPanesHoldTheirItems)
{
    openMain();
    const auto texts = [](const widgets::ExplorerBar *bar) {
        QStringList result;
        for (const auto &item : bar->groups().first().items)
            result << item.text;
        return result;
    };
    EXPECT_EQ(child<widgets::ExplorerBar>("ExplorerBar1")->groups().first().title, QStringLiteral("Menu"));
    EXPECT_EQ(texts(child<widgets::ExplorerBar>("ExplorerBar1")),
              (QStringList{"Add New Member", "Edit this Member", "Delete this Member",
                           "Email this Member", "Print Member List"}));
    EXPECT_EQ(texts(child<widgets::ExplorerBar>("ExplorerBar2")),
              (QStringList{"Add a Tournament", "Edit this Tournament", "Delete this Tournament",
                           "Print Schedule", ""}));

    // The empty fifth item does nothing.
    child<widgets::ExplorerBar>("ExplorerBar2")->clickItem(0, 4);
    EXPECT_TRUE(fakes_.prompter->calls.empty());
    EXPECT_TRUE(fakes_.reports->previews.empty());
    EXPECT_EQ(Forms::loaded().size(), 1);
}

TEST_F(ActionPanesTest, AddingAndEditingOpenTheFormsBesideTheMainWindow)
{
    openMain();
    click("ExplorerBar2", QStringLiteral("Add a Tournament"));
    auto *entry = Forms::find<frmAddtournament>();
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->findChild<QDateEdit *>(QStringLiteral("DTPicker1"))->date(), fakes_.clock->date);
    EXPECT_TRUE(main->isVisible());

    child<widgets::DBList>("DBListmem")->selectRow(4);
    click("ExplorerBar1", QStringLiteral("Edit this Member"));
    auto *form = Forms::find<frmAddmember>();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->findChild<QLineEdit *>(QStringLiteral("Text1"))->text(), QStringLiteral("Mateo Núñez"));

    click("ExplorerBar1", QStringLiteral("Print Member List"));
    click("ExplorerBar2", QStringLiteral("Print Schedule"));
    ASSERT_EQ(fakes_.reports->previews.size(), 2u);
    EXPECT_TRUE(fakes_.reports->previews[0].templatePath.endsWith(QStringLiteral("/member.rpt")));
    EXPECT_TRUE(fakes_.reports->previews[1].templatePath.endsWith(QStringLiteral("/tschedule.rpt")));
}

TEST_F(ActionPanesTest, AddingAMemberAndCancellingLeavesTheTableAsItWas)
{
    openMain();
    click("ExplorerBar1", QStringLiteral("Add New Member"));
    auto *form = Forms::find<frmAddmember>();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->findChild<QLineEdit *>(QStringLiteral("Text11"))->text(), QStringLiteral("None"));
    form->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("Not Kept"));
    form->editor()->cancel();
    EXPECT_EQ(queryRows(clubdata::clubDatabasePath(), QStringLiteral("SELECT count(*) FROM \"Members\""))
                  .first().first().toInt(),
              12);
}

TEST_F(ActionPanesTest, DeletingAMemberShowsTheNextOrTheNewLast)
{
    openMain();
    child<QAction>("mnuMembers")->trigger();
    const struct {
        const char *name;
        int row;
        const char *shownAfter;
    } deletes[] = {
        {"a member in the middle shows the next", 1, "Rusty Calloway"},
        {"the last member shows the new last", 10, "Gordon \"Gordy\" Pruitt"},
    };
    int count = 12;
    for (const auto &deletion : deletes) {
        SCOPED_TRACE(deletion.name);
        child<widgets::DBList>("DBListmem")->selectRow(deletion.row);
        const QString name = child<QLineEdit>("Text2")->text();
        fakes_.prompter->answers.push_back(Answer::Yes);
        click("ExplorerBar1", QStringLiteral("Delete this Member"));
        EXPECT_EQ(fakes_.prompter->calls.back().text,
                  QStringLiteral("Are you sure you want to delete ") + name + QStringLiteral("?"));
        EXPECT_EQ(fakes_.prompter->calls.back().title, QStringLiteral("Delete Information"));
        EXPECT_EQ(child<QLineEdit>("Text2")->text(), QString::fromUtf8(deletion.shownAfter));
        EXPECT_FALSE(memberNames().contains(name));
        EXPECT_EQ(text("Label19"), QStringLiteral("%1 Members are listed.").arg(--count));
    }
}

TEST_F(ActionPanesTest, TheOnlyMemberOrTournamentIsNotDeleted)
{
    executeSql(clubdata::clubDatabasePath(),
               QStringLiteral("DELETE FROM \"Members\" WHERE rowid > 1; "
                              "DELETE FROM \"Tournament\" WHERE rowid > 1"));
    openMain();
    click("ExplorerBar1", QStringLiteral("Delete this Member"));
    click("ExplorerBar2", QStringLiteral("Delete this Tournament"));
    ASSERT_EQ(fakes_.prompter->calls.size(), 2u);
    EXPECT_EQ(fakes_.prompter->calls[0].text,
              QStringLiteral("This Member can not be deleted.\nYou can edit this Member.\n"
                             "At least one record has to be present at all times."));
    EXPECT_EQ(fakes_.prompter->calls[1].text,
              QStringLiteral("This Tournament can not be deleted.\nYou can edit this Tournament.\n"
                             "At least one record has to be present at all times."));
    EXPECT_EQ(queryRows(clubdata::clubDatabasePath(),
                        QStringLiteral("SELECT (SELECT count(*) FROM \"Members\") + "
                                       "(SELECT count(*) FROM \"Tournament\")")).first().first().toInt(),
              2);
}

TEST_F(ActionPanesTest, DeletingATournamentMakesTheFirstCurrent)
{
    openMain();
    child<QAction>("mnuSchedule")->trigger();
    child<widgets::DBList>("DBList1")->selectRow(3);
    fakes_.prompter->answers.push_back(Answer::Yes);
    click("ExplorerBar2", QStringLiteral("Delete this Tournament"));
    EXPECT_EQ(fakes_.prompter->calls.back().text,
              QStringLiteral("Are you sure you want to delete this Tournament for 6/12/2027?"));
    EXPECT_EQ(text("Label1"), QStringLiteral("3/13/2027"));
    EXPECT_EQ(text("Label19"), QStringLiteral("5 Tournaments are scheduled."));
    EXPECT_EQ(child<widgets::DBList>("DBList1")->count(), 5);
}

TEST_F(ActionPanesTest, EmailGoesToTheMailProgramWithTheAddressEncoded)
{
    executeSql(clubdata::clubDatabasePath(),
               QStringLiteral("UPDATE \"Members\" SET \"Email Address\" = 'walt h@example.com?cc=x&subject=y' "
                              "WHERE rowid = 1; UPDATE \"Members\" SET \"Email Address\" = '' WHERE rowid = 2"));
    openMain();
    click("ExplorerBar1", QStringLiteral("Email this Member"));
    ASSERT_EQ(fakes_.shell->opened.size(), 1u);
    EXPECT_EQ(fakes_.shell->opened[0].toEncoded(),
              QByteArray("mailto:walt%20h@example.com%3Fcc%3Dx%26subject%3Dy"));
    EXPECT_TRUE(fakes_.prompter->calls.empty());

    fakes_.shell->succeeds = false;
    click("ExplorerBar1", QStringLiteral("Email this Member"));
    ASSERT_EQ(fakes_.prompter->calls.size(), 1u);
    EXPECT_EQ(fakes_.prompter->calls[0].title, QStringLiteral("Email Program not found"));
    EXPECT_EQ(fakes_.prompter->calls[0].text,
              QStringLiteral("Can't find Email program.\nThis command may not work if you are not using MS Outlook."));

    child<widgets::DBList>("DBListmem")->selectRow(1);
    click("ExplorerBar1", QStringLiteral("Email this Member"));
    EXPECT_EQ(fakes_.prompter->calls.back().text,
              QStringLiteral("There is no email address for Dale O'Brien."));
    EXPECT_EQ(fakes_.shell->opened.size(), 2u);
}

} // namespace
