#include "FakeServices.h"
#include "ProgramFolderFixture.h"
#include "data/RecordSource.h"
#include "widgets/FlexGrid.h"

#include <QHeaderView>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace data;
using testsupport::executeSql;
using widgets::FlexGrid;

namespace {

// A grid over a small schedule whose dates, lakes and weights are out of order.
class FlexGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath(QStringLiteral("club.mdb"));
        auto database = Database::CreateDatabase(path);
        auto table = database.CreateTableDef(QStringLiteral("Tournament"));
        table.Append(table.CreateField(QStringLiteral("Date"), FieldType::Date));
        table.Append(table.CreateField(QStringLiteral("Lake"), FieldType::Text, 50));
        table.Append(table.CreateField(QStringLiteral("Weight"), FieldType::Text, 10));
        database.Append(table);
        executeSql(path, QStringLiteral("INSERT INTO \"Tournament\" VALUES "
                                        "('2005-02-01', 'Old Hickory', '9.75'), "
                                        "('2004-12-01', 'center hill', '10.5'), "
                                        "('2005-01-15', 'Percy Priest', '10')"));
        source = new RecordSource(path, QStringLiteral("Tournament"), &grid);
        grid.setRecordSource(source);
        grid.resize(600, 300);
    }

    QStringList column(int col) const
    {
        QStringList texts;
        for (int row = 1; row < grid.rows(); ++row)
            texts << grid.textMatrix(row, col);
        return texts;
    }

    testsupport::FakeServices fakes;
    QTemporaryDir folder;
    QString path;
    FlexGrid grid;
    RecordSource *source = nullptr;
};

TEST_F(FlexGridTest, ShowsTheWholeTableUnderAHeaderRowBesideASelectorColumn)
{
    ASSERT_EQ(grid.rows(), 4);
    ASSERT_EQ(grid.cols(), 4);
    EXPECT_EQ(grid.textMatrix(0, 0), QString());
    EXPECT_EQ(grid.textMatrix(0, 1), QStringLiteral("Date"));
    EXPECT_EQ(grid.textMatrix(0, 3), QStringLiteral("Weight"));
    EXPECT_EQ(column(0), (QStringList{"", "", ""}));
    EXPECT_EQ(column(1), (QStringList{"2/1/2005", "12/1/2004", "1/15/2005"}));
    EXPECT_EQ(column(2), (QStringList{"Old Hickory", "center hill", "Percy Priest"}));
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.col(), 1);

    // The fixed row and column are the view's headers, so they never scroll away.
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Lake"));
    EXPECT_EQ(grid.model()->index(0, 1).data().toString(), QStringLiteral("Old Hickory"));

    // Changed records are read again; widths the program set stay, appended columns go.
    grid.setColWidth(2, 2600);
    grid.addColumn();
    executeSql(path,
               QStringLiteral("INSERT INTO \"Tournament\" VALUES ('2005-03-01', 'Kentucky', '')"));
    source->Refresh();
    EXPECT_EQ(grid.rows(), 5);
    EXPECT_EQ(grid.cols(), 4);
    EXPECT_EQ(grid.textMatrix(4, 2), QStringLiteral("Kentucky"));
    EXPECT_EQ(grid.colWidth(2), 2600);
}

TEST_F(FlexGridTest, SortsCompareNumbersByValueAndEverythingElseAsText)
{
    using Sort = FlexGrid::Sort;
    const struct {
        Sort sort;
        QStringList keys;
        QStringList sorted;
    } cases[] = {
        {Sort::GenericAscending, {"10.5", "9.75", "10"}, {"9.75", "10", "10.5"}},
        {Sort::GenericDescending, {"9.75", "10.5", "10"}, {"10.5", "10", "9.75"}},
        // A number against text compares as text: "0x" < "10" < "z".
        {Sort::GenericAscending, {"z", "10", "0x"}, {"0x", "10", "z"}},
        {Sort::GenericAscending, {"bay", "Cove", "apple"}, {"apple", "bay", "Cove"}},
        {Sort::NumericAscending, {"1000", "200", "-5"}, {"-5", "200", "1000"}},
    };
    grid.setCol(3);
    for (const auto &test : cases) {
        SCOPED_TRACE(test.keys.join(QLatin1Char(' ')).toStdString());
        QMap<QString, QString> lakeOf;
        for (int row = 1; row <= 3; ++row) {
            grid.setTextMatrix(row, 3, test.keys[row - 1]);
            lakeOf[test.keys[row - 1]] = grid.textMatrix(row, 2);
        }
        grid.sort(test.sort);
        EXPECT_EQ(column(3), test.sorted);
        // Whole rows move: every key keeps its lake.
        for (int row = 1; row <= 3; ++row)
            EXPECT_EQ(grid.textMatrix(row, 2), lakeOf[grid.textMatrix(row, 3)]);
        EXPECT_EQ(grid.textMatrix(0, 3), QStringLiteral("Weight"));
    }

    // Equal keys may come in either order, but they come together with their rows.
    grid.setTextMatrix(1, 3, QStringLiteral("7"));
    grid.setTextMatrix(2, 3, QStringLiteral("3"));
    grid.setTextMatrix(3, 3, QStringLiteral("7.0"));
    grid.setTextMatrix(3, 2, QStringLiteral("Tims Ford"));
    grid.sort(Sort::GenericDescending);
    EXPECT_EQ(grid.textMatrix(3, 3), QStringLiteral("3"));
    for (int row = 1; row <= 2; ++row)
        EXPECT_EQ(grid.textMatrix(row, 2),
                  grid.textMatrix(row, 3) == QStringLiteral("7") ? QStringLiteral("Old Hickory")
                                                                 : QStringLiteral("Tims Ford"));

    // Only the grid's rows moved, never the records.
    source->MoveFirst();
    EXPECT_EQ(source->recordset().value(QStringLiteral("Lake")).toString(),
              QStringLiteral("Old Hickory"));
}

TEST_F(FlexGridTest, CurrentCellAndItsColourFollowTheUserAndTheRows)
{
    grid.show();
    const QModelIndex cell = grid.model()->index(2, 1);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(cell).center());
    EXPECT_EQ(grid.row(), 3);
    EXPECT_EQ(grid.col(), 2);

    const QColor yellow(255, 255, 0);
    grid.setCellBackColor(grid.row(), grid.col(), yellow);
    EXPECT_EQ(grid.cellBackColor(3, 2), yellow);
    EXPECT_EQ(grid.model()->data(cell, Qt::BackgroundRole).value<QColor>(), yellow);

    // A sort keeps the current position; the mark goes with its row.
    grid.sort(FlexGrid::Sort::GenericAscending);
    EXPECT_EQ(column(2), (QStringList{"center hill", "Old Hickory", "Percy Priest"}));
    EXPECT_EQ(grid.row(), 3);
    EXPECT_EQ(grid.cellBackColor(3, 2), yellow);
    EXPECT_FALSE(grid.cellBackColor(1, 2).isValid());
}

TEST_F(FlexGridTest, WidthsAreInTwipsAndFollowDraggedSeparators)
{
    grid.setColWidth(0, 300);
    grid.setColWidth(2, 2600);
    EXPECT_EQ(grid.colWidth(0), 300);
    EXPECT_EQ(grid.verticalHeader()->width(), 20);
    EXPECT_EQ(grid.colWidth(2), 2600);
    EXPECT_EQ(grid.columnWidth(1), 173);

    const int added = grid.addColumn();
    EXPECT_EQ(added, 4);
    EXPECT_EQ(grid.cols(), 5);
    grid.setColWidth(added, 0);
    EXPECT_EQ(grid.colWidth(added), 0);
    EXPECT_TRUE(grid.isColumnHidden(added - 1));

    grid.horizontalHeader()->resizeSection(1, 100);
    EXPECT_EQ(grid.colWidth(2), 1500);
}

TEST_F(FlexGridTest, DateSortOrdersByCalendarThroughAHiddenDayNumberColumn)
{
    ASSERT_TRUE(widgets::sortByDate(grid, 1));
    EXPECT_EQ(column(1), (QStringList{"12/1/2004", "1/15/2005", "2/1/2005"}));
    EXPECT_EQ(column(2), (QStringList{"center hill", "Percy Priest", "Old Hickory"}));
    ASSERT_EQ(grid.cols(), 5);
    EXPECT_EQ(grid.colWidth(4), 0);
    EXPECT_EQ(grid.textMatrix(1, 4), QStringLiteral("38322"));
    EXPECT_EQ(grid.col(), 4);

    // Each press appends another hidden column and gives the same order.
    ASSERT_TRUE(widgets::sortByDate(grid, 1));
    EXPECT_EQ(grid.cols(), 6);
    EXPECT_EQ(column(1), (QStringList{"12/1/2004", "1/15/2005", "2/1/2005"}));
    EXPECT_TRUE(fakes.prompter->calls.empty());
}

TEST_F(FlexGridTest, DateSortStopsAtADateItCannotReadAndKeepsTheOrder)
{
    const struct {
        const char *name;
        std::function<void()> spoil;
    } cases[] = {
        {"empty date",
         [&] {
             executeSql(path, QStringLiteral(
                                  "UPDATE \"Tournament\" SET \"Date\" = NULL WHERE rowid = 3"));
             source->Refresh();
         }},
        {"day and month swapped", [&] { grid.setTextMatrix(3, 1, QStringLiteral("31/12/2004")); }},
    };
    for (const auto &test : cases) {
        SCOPED_TRACE(test.name);
        test.spoil();
        fakes.prompter->calls.clear();
        const QStringList before = column(1);

        EXPECT_FALSE(widgets::sortByDate(grid, 1));
        EXPECT_EQ(column(1), before);
        EXPECT_EQ(grid.col(), 1);
        ASSERT_EQ(fakes.prompter->calls.size(), 1u);
        EXPECT_EQ(fakes.prompter->calls[0].icon, platform::Icon::Stop);
        EXPECT_EQ(fakes.prompter->calls[0].text,
                  QStringLiteral("One of the Dates is not in the proper format.\n"
                                 "Please check your schedule for an incorrect date.\n"
                                 "Close this form and check your Bookings."));
    }
}

} // namespace
