#pragma once

#include "Database.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace data {

class RecordSource;

// A control that shows one field of its record source's current record and
// hands back what the user or the program put into it.
class BoundControl {
public:
    virtual ~BoundControl();

    void bindTo(RecordSource *source, const QString &field);
    RecordSource *recordSource() const { return source_; }
    const QString &dataField() const { return field_; }

    // Shows a stored value; the control then holds no change.
    virtual void showValue(const QVariant &value) = 0;
    // The value to store when the control holds a change.
    virtual QVariant editedValue() const = 0;

    bool hasChange() const { return changed_; }
    void forgetChange() { changed_ = false; }

protected:
    void markChanged() { changed_ = true; }

private:
    QPointer<RecordSource> source_;
    QString field_;
    bool changed_ = false;
};

// A bound record source over one table of one database file: the recordset,
// its current record and the controls that show it. Changes held by the bound
// controls are written before every move, refresh and when its window closes.
class RecordSource : public QObject {
    Q_OBJECT
public:
    // The source is idle until open() or a recordset is assigned.
    explicit RecordSource(QObject *parent = nullptr);
    RecordSource(const QString &databasePath, const QString &table, QObject *parent);
    ~RecordSource() override;

    void setDatabaseName(const QString &path) { databasePath_ = path; }
    void setRecordSource(const QString &table) { table_ = table; }
    const QString &databaseName() const { return databasePath_; }

    // Opens the named table; the first record becomes current.
    void open();
    // Rebinds the source and its controls to a recordset opened elsewhere.
    void setRecordset(std::unique_ptr<Recordset> recordset);
    bool isOpen() const { return recordset_ != nullptr; }
    Recordset &recordset() const;

    // Re-reads the table the source is bound to and makes its first record current.
    void Refresh();

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    Bookmark bookmark() const { return recordset().bookmark(); }
    void setBookmark(const Bookmark &bookmark);
    Bookmark LastModified() const { return recordset().LastModified(); }
    int RecordCount() const { return recordset().RecordCount(); }
    bool isBOF() const { return recordset().isBOF(); }
    bool isEOF() const { return recordset().isEOF(); }

    void AddNew();
    void Edit();
    // Takes the values of the changed controls into the pending record, then stores it.
    void Update();
    void CancelUpdate();
    void Delete();

    // Stores what the bound controls changed in the current record.
    void writePendingEdits();

    void bind(BoundControl *control);
    void unbind(BoundControl *control);

    // Where errors go that nobody else can catch: those of writing pending
    // edits while a window closes.
    static void setErrorReporter(std::function<void(const EngineError &)> reporter);

signals:
    // The current record changed: a move, a refresh, an add or an update.
    void currentChanged();
    // The set of records was re-read or changed in number.
    void recordsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showCurrent();
    template <class Move> void move(Move &&moveRecordset);

    QString databasePath_;
    QString table_;
    std::unique_ptr<Recordset> recordset_;
    QList<BoundControl *> controls_;
};

} // namespace data
