#include "DBList.h"

#include "BoundWidgets.h"

namespace widgets {

DBList::DBList(QWidget *parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, [this] {
        if (const auto chosen = selectedBookmark())
            emit entryChosen(*chosen);
    });
    connect(this, &QListWidget::itemActivated, this, [this] {
        if (const auto chosen = selectedBookmark())
            emit entryChosen(*chosen);
    });
}

void DBList::setRowSource(data::RecordSource *source, const QString &listField)
{
    if (source_)
        disconnect(source_, nullptr, this, nullptr);
    source_ = source;
    field_ = listField;
    connect(source_, &data::RecordSource::recordsChanged, this, &DBList::refill);
    refill();
}

void DBList::refill()
{
    clear();
    bookmarks_.clear();
    if (!source_ || !source_->isOpen())
        return;
    const auto entries = source_->recordset().column(field_);
    QStringList texts;
    texts.reserve(qsizetype(entries.size()));
    bookmarks_.reserve(entries.size());
    for (const auto &[bookmark, value] : entries) {
        texts << fieldText(value);
        bookmarks_.push_back(bookmark);
    }
    addItems(texts);
}

std::optional<data::Bookmark> DBList::selectedBookmark() const
{
    const int row = currentRow();
    if (row < 0 || size_t(row) >= bookmarks_.size() || !currentItem() || !currentItem()->isSelected())
        return std::nullopt;
    return bookmarks_[size_t(row)];
}

} // namespace widgets
