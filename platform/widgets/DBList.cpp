#include "DBList.h"

#include "BoundWidgets.h"

namespace widgets {

DBList::DBList(QWidget *parent) : QListView(parent)
{
    setModel(&entries_);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Choosing with the mouse or moving through the list with the keys both choose.
    const auto choose = [this] {
        if (const auto chosen = selectedBookmark())
            emit entryChosen(*chosen);
    };
    connect(this, &QListView::clicked, this, choose);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, choose);
}

void DBList::setRowSource(data::RecordSource *source, const QString &listField)
{
    if (source_)
        disconnect(source_, nullptr, this, nullptr);
    source_ = source;
    field_ = listField;
    connect(source_, &data::RecordSource::recordsChanged, this, &DBList::sourceChanged);
    sourceChanged();
}

void DBList::sourceChanged()
{
    stale_ = true;
    if (isVisible())
        fillIfStale();
}

void DBList::showEvent(QShowEvent *event)
{
    fillIfStale();
    QListView::showEvent(event);
}

void DBList::fillIfStale()
{
    if (!stale_)
        return;
    stale_ = false;
    QStringList texts;
    bookmarks_.clear();
    if (source_ && source_->isOpen()) {
        const auto column = source_->recordset().column(field_);
        texts.reserve(qsizetype(column.size()));
        bookmarks_.reserve(column.size());
        for (const auto &[bookmark, value] : column) {
            texts << fieldText(value);
            bookmarks_.push_back(bookmark);
        }
    }
    entries_.setStringList(texts);
}

int DBList::count()
{
    fillIfStale();
    return entries_.rowCount();
}

QString DBList::entryText(int row)
{
    fillIfStale();
    return entries_.index(row).data().toString();
}

void DBList::selectRow(int row)
{
    fillIfStale();
    setCurrentIndex(entries_.index(row));
}

std::optional<data::Bookmark> DBList::selectedBookmark() const
{
    const QModelIndex current = currentIndex();
    if (!current.isValid() || !selectionModel()->isSelected(current) ||
        size_t(current.row()) >= bookmarks_.size())
        return std::nullopt;
    return bookmarks_[size_t(current.row())];
}

} // namespace widgets
