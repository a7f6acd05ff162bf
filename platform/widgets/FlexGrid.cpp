#include "FlexGrid.h"

#include "BoundWidgets.h"
#include "data/Dates.h"
#include "services/Services.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QLocale>
#include <cmath>
#include <numeric>
#include <optional>

namespace widgets {

namespace {

constexpr int twipsPerPixel = 15;

int toPixels(int twips) { return qRound(double(twips) / twipsPerPixel); }

struct GridRow {
    std::vector<QString> texts;
    std::vector<QColor> colours; // empty until a cell of the row is coloured
};

// A stable bottom-up merge sort that stays within bounds whatever the
// comparison answers: cells of numbers and text mixed need not compare
// transitively ("9" < "10" by value, "10" < "1x" and "1x" < "9" as text),
// and std::sort requires that they do.
template <class Less> void mergeSort(std::vector<int> &order, Less less)
{
    const size_t count = order.size();
    std::vector<int> merged(count);
    for (size_t width = 1; width < count; width *= 2) {
        for (size_t low = 0; low < count; low += 2 * width) {
            const size_t middle = std::min(low + width, count);
            const size_t high = std::min(low + 2 * width, count);
            size_t left = low, right = middle, out = low;
            while (left < middle && right < high)
                merged[out++] = less(order[right], order[left]) ? order[right++] : order[left++];
            while (left < middle)
                merged[out++] = order[left++];
            while (right < high)
                merged[out++] = order[right++];
        }
        order.swap(merged);
    }
}

} // namespace

// The grid's cells, row 0 and column 0 included. The view shows row 0 and
// column 0 as its headers and the rest as cells.
class FlexGridModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int gridRows() const { return int(rows_.size()); }
    int gridCols() const { return rows_.empty() ? 0 : int(rows_.front().texts.size()); }
    bool contains(int row, int col) const
    {
        return row >= 0 && row < gridRows() && col >= 0 && col < gridCols();
    }

    void reset(std::vector<GridRow> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        endResetModel();
    }

    const QString &text(int row, int col) const { return rows_[size_t(row)].texts[size_t(col)]; }
    void setText(int row, int col, const QString &text)
    {
        rows_[size_t(row)].texts[size_t(col)] = text;
        cellChanged(row, col);
    }

    QColor colour(int row, int col) const
    {
        const auto &colours = rows_[size_t(row)].colours;
        return colours.empty() ? QColor() : colours[size_t(col)];
    }
    void setColour(int row, int col, const QColor &colour)
    {
        auto &colours = rows_[size_t(row)].colours;
        colours.resize(size_t(gridCols()));
        colours[size_t(col)] = colour;
        cellChanged(row, col);
    }

    void appendColumn()
    {
        const int col = gridCols();
        beginInsertColumns({}, col - 1, col - 1);
        for (GridRow &row : rows_) {
            row.texts.emplace_back();
            if (!row.colours.empty())
                row.colours.emplace_back();
        }
        endInsertColumns();
    }

    // Puts the data rows in the given order of their current positions (0 is grid row 1).
    void reorderDataRows(const std::vector<int> &order)
    {
        std::vector<GridRow> sorted;
        sorted.reserve(rows_.size());
        sorted.push_back(std::move(rows_.front()));
        for (int from : order)
            sorted.push_back(std::move(rows_[size_t(from) + 1]));
        rows_ = std::move(sorted);
        // Only contents change, not the shape: views keep their current cell
        // and row heights where they are.
        if (rowCount() > 0 && columnCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : std::max(gridRows() - 1, 0);
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : std::max(gridCols() - 1, 0);
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        return cellData(index.row() + 1, index.column() + 1, role);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        return orientation == Qt::Horizontal ? cellData(0, section + 1, role)
                                             : cellData(section + 1, 0, role);
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

private:
    QVariant cellData(int row, int col, int role) const
    {
        if (!contains(row, col))
            return {};
        if (role == Qt::DisplayRole)
            return text(row, col);
        if (role == Qt::BackgroundRole) {
            const QColor back = colour(row, col);
            return back.isValid() ? QVariant(back) : QVariant();
        }
        return {};
    }

    void cellChanged(int row, int col)
    {
        if (row == 0)
            emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
        else if (col == 0)
            emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
        else
            emit dataChanged(index(row - 1, col - 1), index(row - 1, col - 1));
    }

    std::vector<GridRow> rows_;
};

FlexGrid::FlexGrid(QWidget *parent) : QTableView(parent), model_(new FlexGridModel(this))
{
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    model_->reset({GridRow{{QString()}, {}}});
    widths_.assign(1, defaultWidth());
    applyWidth(0);

    // A separator dragged by the user sets the width the grid reports.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int pixels) {
                const size_t col = size_t(section) + 1;
                if (pixels > 0 && col < widths_.size() && toPixels(widths_[col]) != pixels)
                    widths_[col] = pixels * twipsPerPixel;
            });
}

void FlexGrid::setRecordSource(data::RecordSource *source)
{
    if (source_)
        disconnect(source_, nullptr, this, nullptr);
    source_ = source;
    if (source_)
        connect(source_, &data::RecordSource::recordsChanged, this, &FlexGrid::refill);
    refill();
}

void FlexGrid::refill()
{
    std::vector<QString> header{QString()};
    std::vector<GridRow> contents;
    if (source_ && source_->isOpen()) {
        const data::Recordset &recordset = source_->recordset();
        const auto &fields = recordset.fields();
        for (const data::Field &field : fields)
            header.push_back(field.name);
        for (size_t field = 0; field < size_t(fields.size()); ++field) {
            const auto column = recordset.column(fields[qsizetype(field)].name);
            if (contents.size() < column.size())
                contents.resize(column.size(), GridRow{std::vector<QString>(header.size()), {}});
            for (size_t record = 0; record < column.size(); ++record)
                contents[record].texts[field + 1] = fieldText(column[record].second);
        }
    }
    contents.insert(contents.begin(), GridRow{std::move(header), {}});

    // Column widths belong to the grid, not to its content: they outlast a refill.
    std::vector<int> widths = widths_;
    widths.resize(contents.front().texts.size(), defaultWidth());
    model_->reset(std::move(contents));
    widths_ = std::move(widths);
    for (int col = 0; col < cols(); ++col)
        applyWidth(col);

    row_ = rows() > 1 ? 1 : 0;
    col_ = cols() > 1 ? 1 : 0;
    showCurrentCell();
}

int FlexGrid::defaultWidth() const
{
    return horizontalHeader()->defaultSectionSize() * twipsPerPixel;
}

int FlexGrid::rows() const { return model_->gridRows(); }

int FlexGrid::cols() const { return model_->gridCols(); }

QString FlexGrid::textMatrix(int row, int col) const
{
    return model_->contains(row, col) ? model_->text(row, col) : QString();
}

void FlexGrid::setTextMatrix(int row, int col, const QString &text)
{
    if (model_->contains(row, col))
        model_->setText(row, col, text);
}

void FlexGrid::setRow(int row)
{
    if (row < 0 || row >= rows())
        return;
    row_ = row;
    showCurrentCell();
}

void FlexGrid::setCol(int col)
{
    if (col < 0 || col >= cols())
        return;
    col_ = col;
    showCurrentCell();
}

void FlexGrid::showCurrentCell()
{
    // The fixed row and column cannot hold the view's current cell.
    if (row_ > 0 && col_ > 0)
        setCurrentIndex(model_->index(row_ - 1, col_ - 1));
}

void FlexGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid()) {
        row_ = current.row() + 1;
        col_ = current.column() + 1;
    }
}

void FlexGrid::sort(Sort sort)
{
    const int dataRows = rows() - 1;
    if (dataRows < 2)
        return;

    // Each cell is read once; the comparisons then only look at these keys.
    struct Key {
        QString folded; // compared as text regardless of case
        std::optional<double> number;
    };
    const QLocale locale;
    std::vector<Key> keys;
    keys.reserve(size_t(dataRows));
    for (int row = 1; row <= dataRows; ++row) {
        const QString &text = model_->text(row, col_);
        Key key{text.toCaseFolded(), std::nullopt};
        bool isNumber = false;
        const double number = locale.toDouble(text, &isNumber);
        if (isNumber && std::isfinite(number))
            key.number = number;
        keys.push_back(std::move(key));
    }

    const auto genericLess = [&keys](int a, int b) {
        const Key &left = keys[size_t(a)];
        const Key &right = keys[size_t(b)];
        if (left.number && right.number)
            return *left.number < *right.number;
        return left.folded < right.folded;
    };
    std::vector<int> order(static_cast<size_t>(dataRows));
    std::iota(order.begin(), order.end(), 0);
    switch (sort) {
    case Sort::GenericAscending:
        mergeSort(order, genericLess);
        break;
    case Sort::GenericDescending:
        mergeSort(order, [&genericLess](int a, int b) { return genericLess(b, a); });
        break;
    case Sort::NumericAscending:
        mergeSort(order, [&keys](int a, int b) {
            const auto &left = keys[size_t(a)].number;
            const auto &right = keys[size_t(b)].number;
            return right && (!left || *left < *right);
        });
        break;
    }
    model_->reorderDataRows(order);
}

int FlexGrid::addColumn()
{
    model_->appendColumn();
    widths_.push_back(defaultWidth());
    applyWidth(cols() - 1);
    return cols() - 1;
}

int FlexGrid::colWidth(int col) const
{
    return col >= 0 && col < cols() ? widths_[size_t(col)] : 0;
}

void FlexGrid::setColWidth(int col, int twips)
{
    if (col < 0 || col >= cols())
        return;
    widths_[size_t(col)] = std::max(twips, 0);
    applyWidth(col);
}

void FlexGrid::applyWidth(int col)
{
    const int pixels = toPixels(widths_[size_t(col)]);
    if (col == 0) {
        verticalHeader()->setVisible(pixels > 0);
        verticalHeader()->setFixedWidth(pixels);
        return;
    }
    setColumnHidden(col - 1, pixels == 0);
    if (pixels > 0)
        setColumnWidth(col - 1, pixels);
}

void FlexGrid::setCellBackColor(int row, int col, const QColor &colour)
{
    if (model_->contains(row, col))
        model_->setColour(row, col, colour);
}

QColor FlexGrid::cellBackColor(int row, int col) const
{
    return model_->contains(row, col) ? model_->colour(row, col) : QColor();
}

bool sortByDate(FlexGrid &grid, int dateColumn)
{
    const int keyColumn = grid.addColumn();
    grid.setColWidth(keyColumn, 0);
    for (int row = 1; row < grid.rows(); ++row) {
        const auto date = data::readDate(grid.textMatrix(row, dateColumn));
        if (!date) {
            const QStringList message{
                QStringLiteral("One of the Dates is not in the proper format."),
                QStringLiteral("Please check your schedule for an incorrect date."),
                QStringLiteral("Close this form and check your Bookings.")};
            platform::services().prompter->message(platform::Icon::Stop, platform::lines(message));
            return false;
        }
        grid.setTextMatrix(row, keyColumn, QString::number(data::dayNumber(*date)));
    }
    grid.setCol(keyColumn);
    grid.sort(FlexGrid::Sort::NumericAscending);
    return true;
}

} // namespace widgets
