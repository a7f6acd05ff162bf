#pragma once

#include "data/RecordSource.h"

#include <QListWidget>
#include <optional>

namespace widgets {

// A list filled with one field of every record of a record source. Each entry
// keeps its record's bookmark; the list refills when the source's records change.
class DBList : public QListWidget {
    Q_OBJECT
public:
    explicit DBList(QWidget *parent = nullptr);

    void setRowSource(data::RecordSource *source, const QString &listField);
    void refill();

    // The bookmark of the chosen entry, if one is chosen.
    std::optional<data::Bookmark> selectedBookmark() const;

signals:
    // An entry was clicked or chosen with the keyboard.
    void entryChosen(const data::Bookmark &bookmark);

private:
    QPointer<data::RecordSource> source_;
    QString field_;
    std::vector<data::Bookmark> bookmarks_;
};

} // namespace widgets
