#pragma once

#include "data/RecordSource.h"

#include <QListView>
#include <QStringListModel>
#include <optional>

namespace widgets {

// A list filled with one field of every record of a record source. Each entry
// keeps its record's bookmark. The list refills when the source's records
// change; while it is hidden, it waits until it is shown.
class DBList : public QListView {
    Q_OBJECT
public:
    explicit DBList(QWidget *parent = nullptr);

    void setRowSource(data::RecordSource *source, const QString &listField);

    int count();
    QString entryText(int row);
    // The bookmark of the chosen entry, if one is chosen.
    std::optional<data::Bookmark> selectedBookmark() const;
    void selectRow(int row);

signals:
    // An entry was clicked or made current with the keyboard.
    void entryChosen(const data::Bookmark &bookmark);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void sourceChanged();
    void fillIfStale();

    QPointer<data::RecordSource> source_;
    QString field_;
    QStringListModel entries_;
    std::vector<data::Bookmark> bookmarks_;
    bool stale_ = false;
};

} // namespace widgets
