#include "ClubDatabase.h"
#include "ProgramFolderFixture.h"
#include "frmSchedule.h"
#include "services/Forms.h"
#include "widgets/FlexGrid.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using platform::Forms;
using testsupport::executeSql;

namespace {

class ScheduleTest : public testsupport::ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        install();
    }
    frmSchedule *open()
    {
        window = Forms::show<frmSchedule>();
        grid = window->findChild<widgets::FlexGrid *>(QStringLiteral("MSFlexGrid1"));
        return window;
    }
    QStringList column(int col) const
    {
        QStringList texts;
        for (int row = 1; row < grid->rows(); ++row)
            texts << grid->textMatrix(row, col);
        return texts;
    }
    void press(const char *button)
    {
        window->findChild<QPushButton *>(QString::fromLatin1(button))->click();
    }

    frmSchedule *window = nullptr;
    widgets::FlexGrid *grid = nullptr;
};

TEST_F(ScheduleTest, ShowsTheWholeScheduleInTableOrder)
{
    open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Scheduled Tournaments"));
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window, &activate);
    EXPECT_EQ(window->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
              QStringLiteral("6 Tournaments are scheduled."));
    ASSERT_EQ(grid->rows(), 7);
    ASSERT_EQ(grid->cols(), 8);
    EXPECT_EQ(grid->textMatrix(0, 1), QStringLiteral("Date"));
    EXPECT_EQ(grid->textMatrix(0, 3), QStringLiteral("Ramp"));
    EXPECT_EQ(grid->textMatrix(1, 0), QString());
    EXPECT_EQ(column(1).first(), QStringLiteral("3/13/2027"));
    EXPECT_EQ(grid->colWidth(0), 300);
    EXPECT_EQ(grid->colWidth(2), 2600);
    EXPECT_EQ(grid->colWidth(3), 2600);

    press("cmdPrint");
    ASSERT_EQ(fakes_.reports->previews.size(), 1u);
    EXPECT_TRUE(fakes_.reports->previews[0].templatePath.endsWith(QStringLiteral("/tschedule.rpt")));
}

TEST_F(ScheduleTest, SortsByLakeAndByCalendarDate)
{
    executeSql(clubdata::clubDatabasePath(),
               QStringLiteral("UPDATE \"Tournament\" SET \"Date\" = '2005-02-01' WHERE rowid = 1; "
                              "UPDATE \"Tournament\" SET \"Date\" = '2004-12-01' WHERE rowid = 2;"));
    open();
    press("cmdLake");
    EXPECT_EQ(column(2), (QStringList{"Center Hill Lake", "Kentucky Lake", "Old Hickory Lake",
                                      "Percy Priest Lake", "Percy Priest Lake", "Tims Ford Lake"}));

    const QStringList byDate{"12/1/2004", "2/1/2005", "5/8/2027", "6/12/2027", "8/14/2027", "10/9/2027"};
    press("cmdDate");
    EXPECT_EQ(column(1), byDate);
    const int columns = grid->cols();
    press("cmdDate");
    EXPECT_EQ(column(1), byDate);
    EXPECT_EQ(grid->cols(), columns + 1);
    EXPECT_EQ(grid->colWidth(grid->cols() - 1), 0);
    EXPECT_TRUE(fakes_.prompter->calls.empty());
}

TEST_F(ScheduleTest, AnEmptyDateStopsTheDateSortAndKeepsTheOrder)
{
    executeSql(clubdata::clubDatabasePath(),
               QStringLiteral("UPDATE \"Tournament\" SET \"Date\" = NULL WHERE rowid = 4"));
    open();
    press("cmdLake");
    const QStringList byLake = column(2);
    press("cmdDate");
    ASSERT_EQ(fakes_.prompter->calls.size(), 1u);
    EXPECT_EQ(fakes_.prompter->calls[0].icon, platform::Icon::Stop);
    EXPECT_EQ(fakes_.prompter->calls[0].text,
              QStringLiteral("One of the Dates is not in the proper format.\nPlease check your "
                             "schedule for an incorrect date.\nClose this form and check your Bookings."));
    EXPECT_EQ(column(2), byLake);
    EXPECT_TRUE(window->isVisible());
}

} // namespace
