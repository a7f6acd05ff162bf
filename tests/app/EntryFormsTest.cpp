#include "ClubDatabase.h"
#include "ProgramFolderFixture.h"
#include "frmAddmember.h"
#include "frmAddtournament.h"
#include "frmMain.h"
#include "services/Forms.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using platform::Forms;
using testsupport::queryRows;

namespace {

// The member form and the tournament entry window beside the real main window.
class EntryFormsTest : public testsupport::ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        install();
        main = Forms::show<frmMain>();
        Forms::setMainWindow(main);
    }
    template <class T = QWidget> T *in(QWidget *window, const char *name)
    {
        auto *found = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_TRUE(found) << name;
        return found;
    }
    QString status() { return in<QLabel>(main, "Label19")->text(); }
    QList<QVariantList> sql(const QString &query)
    {
        return queryRows(clubdata::clubDatabasePath(), query);
    }

    frmMain *main = nullptr;
};

TEST_F(EntryFormsTest, ANewMemberNeedsANameAndStartsAsNumberNone)
{
    auto *form = Forms::show<frmAddmember>();
    form->addMember();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Add a New Member"));
    EXPECT_EQ(in<QLineEdit>(form, "Text11")->text(), QStringLiteral("None"));
    auto *membership = in<QComboBox>(form, "DBCombo1");
    QStringList offered;
    for (int i = 0; i < membership->count(); ++i)
        offered << membership->itemText(i);
    EXPECT_EQ(offered, (QStringList{"Regular", "Family", "Junior", "Senior", "Honorary", "Officer"}));

    in<QPushButton>(form, "cmdSave")->click();
    ASSERT_EQ(fakes_.prompter->calls.size(), 1u);
    EXPECT_EQ(fakes_.prompter->calls[0].text, QStringLiteral("Please enter the Member's name."));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(sql(QStringLiteral("SELECT count(*) FROM \"Members\"")).first().first().toInt(), 12);

    in<QLineEdit>(form, "Text1")->setText(QStringLiteral("Royce Tindall"));
    in<QComboBox>(form, "Combo2")->setCurrentText(QStringLiteral("Sometimes"));
    in<QPushButton>(form, "cmdSave")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(Forms::find<frmAddmember>());
    EXPECT_EQ(sql(QStringLiteral("SELECT \"Member Number\", \"Boater\", \"Club Status\" FROM "
                                 "\"Members\" WHERE \"Name\" = 'Royce Tindall'")),
              (QList<QVariantList>{{QStringLiteral("None"), QStringLiteral("Sometimes"), QVariant()}}));

    // The member panel shows the new member, the list holds the name, the count is one higher.
    EXPECT_EQ(in<QLineEdit>(main, "Text2")->text(), QStringLiteral("Royce Tindall"));
    auto *list = in<widgets::DBList>(main, "DBListmem");
    EXPECT_EQ(list->entryText(list->count() - 1), QStringLiteral("Royce Tindall"));
    EXPECT_EQ(status(), QStringLiteral("13 Members are listed."));
}

TEST_F(EntryFormsTest, EditingAMemberShowsTheLastMemberAfterwards)
{
    auto *members = main->findChild<data::RecordSource *>(QStringLiteral("DatMembers"));
    members->MoveNext();
    members->MoveNext();
    auto *form = Forms::show<frmAddmember>();
    form->editMember(members->bookmark());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Editing this member information"));
    EXPECT_EQ(in<QLineEdit>(form, "Text1")->text(), QStringLiteral("Rusty Calloway"));
    in<QComboBox>(form, "DBCombo1")->setCurrentText(QStringLiteral("Senior"));
    in<QPushButton>(form, "cmdSave")->click();

    EXPECT_EQ(sql(QStringLiteral("SELECT \"Club Status\" FROM \"Members\" WHERE \"Name\" = "
                                 "'Rusty Calloway'")),
              (QList<QVariantList>{{QStringLiteral("Senior")}}));
    EXPECT_EQ(in<QLineEdit>(main, "Text2")->text(), QStringLiteral("Lonnie Mabry"));
    EXPECT_EQ(status(), QStringLiteral("12 Members are listed."));
}

TEST_F(EntryFormsTest, CancellingLeavesTheMembersAsTheyWere)
{
    auto *form = Forms::show<frmAddmember>();
    form->addMember();
    in<QLineEdit>(form, "Text1")->setText(QStringLiteral("Never Saved"));
    in<QPushButton>(form, "cmdCancel")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(sql(QStringLiteral("SELECT count(*) FROM \"Members\"")).first().first().toInt(), 12);
}

TEST_F(EntryFormsTest, ATournamentNeedsALakeAndTheScheduleIsReread)
{
    auto *events = main->findChild<data::RecordSource *>(QStringLiteral("datEvents"));
    events->MoveLast();
    auto *window = Forms::show<frmAddtournament>();
    window->addTournament(QDate(2027, 7, 4));
    EXPECT_EQ(window->windowTitle(), QStringLiteral(" Add a Tournament"));
    EXPECT_EQ(in<QDateEdit>(window, "DTPicker1")->date(), QDate(2027, 7, 4));
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window, &activate);
    EXPECT_EQ(in<QLabel>(window, "Label7")->text(), QStringLiteral("6 Tournaments Scheduled"));

    in<QPushButton>(window, "cmdSave")->click();
    ASSERT_EQ(fakes_.prompter->calls.size(), 1u);
    EXPECT_EQ(fakes_.prompter->calls[0].text, QStringLiteral("Please enter a Lake or River."));
    EXPECT_TRUE(window->isVisible());

    in<QComboBox>(window, "DBCombo1")->setCurrentText(QStringLiteral("Cumberland River"));
    in<QComboBox>(window, "DBCombo2")->setCurrentIndex(1);
    in<QLineEdit>(window, "Text3")->setText(QStringLiteral("6:00 AM"));
    in<QPushButton>(window, "cmdSave")->click();
    EXPECT_EQ(sql(QStringLiteral("SELECT \"Date\", \"Lake\", \"Ramp\", \"Start Time\" FROM "
                                 "\"Tournament\" ORDER BY rowid DESC LIMIT 1")),
              (QList<QVariantList>{{QStringLiteral("2027-07-04"), QStringLiteral("Cumberland River"),
                                    QStringLiteral("Anderson Road Ramp"), QStringLiteral("6:00 AM")}}));
    EXPECT_EQ(status(), QStringLiteral("7 Tournaments are scheduled."));
    EXPECT_EQ(in<QLabel>(main, "Label1")->text(), QStringLiteral("3/13/2027"));
}

TEST_F(EntryFormsTest, EditingATournamentChangesOnlyThatTournament)
{
    auto *events = main->findChild<data::RecordSource *>(QStringLiteral("datEvents"));
    events->MoveNext();
    auto *window = Forms::show<frmAddtournament>();
    window->editTournament(events->bookmark());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Editing this Tournament"));
    EXPECT_EQ(in<QComboBox>(window, "DBCombo1")->currentText(), QStringLiteral("Old Hickory Lake"));
    in<QDateEdit>(window, "DTPicker1")->setDate(QDate(2027, 4, 17));
    in<QPushButton>(window, "cmdSave")->click();
    EXPECT_EQ(sql(QStringLiteral("SELECT \"Date\" FROM \"Tournament\" WHERE \"Lake\" = 'Old Hickory Lake'")),
              (QList<QVariantList>{{QStringLiteral("2027-04-17")}}));
    EXPECT_EQ(sql(QStringLiteral("SELECT count(*) FROM \"Tournament\"")).first().first().toInt(), 6);
}

} // namespace
