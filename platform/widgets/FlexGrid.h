#pragma once

#include "data/RecordSource.h"

#include <QColor>
#include <QPointer>
#include <QTableView>
#include <vector>

namespace widgets {

class FlexGridModel;

// A read-only grid over a record source's whole table: row 0 is a fixed header
// row with the field names, column 0 a fixed empty selector column, then one
// row per record in table order and one column per field. Cells read as the
// bound widgets show them (dates in the short date form).
//
// The fixed row and column are the view's headers, so they stay in place while
// the cells scroll, and the user resizes columns and rows by dragging their
// separators there.
class FlexGrid : public QTableView {
    Q_OBJECT
public:
    enum class Sort { GenericAscending = 1, GenericDescending = 2, NumericAscending = 3 };

    explicit FlexGrid(QWidget *parent = nullptr);

    // Reads the whole table now, and again whenever the source's records change.
    void setRecordSource(data::RecordSource *source);

    int rows() const; // including the header row
    int cols() const; // including the selector column
    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString &text);

    // The current cell; the first data cell after every fill.
    int row() const { return row_; }
    void setRow(int row);
    int col() const { return col_; }
    void setCol(int col);

    // Sorts the data rows on the current column. Only grid rows move, with
    // their cell colours; the records keep their order. Generic sorts compare
    // two cells as numbers when both read as numbers, else as text regardless
    // of case. The numeric sort puts cells that are not numbers first. Rows
    // with equal keys keep their order.
    void sort(Sort sort);

    // Appends an empty column and returns its index.
    int addColumn();

    // Widths in twips, 15 to a pixel; 0 hides the column.
    int colWidth(int col) const;
    void setColWidth(int col, int twips);

    void setCellBackColor(int row, int col, const QColor &colour);
    QColor cellBackColor(int row, int col) const;

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void refill();
    void showCurrentCell();
    void applyWidth(int col);
    int defaultWidth() const;

    FlexGridModel *model_;
    QPointer<data::RecordSource> source_;
    std::vector<int> widths_; // twips per grid column
    int row_ = 0;
    int col_ = 0;
};

// Sorts the data rows by the dates in dateColumn, oldest first, through a
// hidden key column of day numbers that every call appends. A date that cannot
// be read, an empty one included, stops the sort with a message and leaves the
// order as it was; the result is then false.
bool sortByDate(FlexGrid &grid, int dateColumn);

} // namespace widgets
