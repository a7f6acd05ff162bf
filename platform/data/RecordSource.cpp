#include "RecordSource.h"

#include <QEvent>
#include <QWidget>

namespace data {

namespace {
std::function<void(const EngineError &)> &errorReporter()
{
    static std::function<void(const EngineError &)> reporter;
    return reporter;
}
} // namespace

BoundControl::~BoundControl()
{
    if (source_)
        source_->unbind(this);
}

void BoundControl::bindTo(RecordSource *source, const QString &field)
{
    if (source_)
        source_->unbind(this);
    source_ = source;
    field_ = field;
    if (source_)
        source_->bind(this);
}

RecordSource::RecordSource(QObject *parent) : QObject(parent)
{
    if (auto *widget = qobject_cast<QWidget *>(parent))
        widget->installEventFilter(this);
}

RecordSource::RecordSource(const QString &databasePath, const QString &table, QObject *parent)
    : RecordSource(parent)
{
    databasePath_ = databasePath;
    table_ = table;
    open();
}

RecordSource::~RecordSource() = default;

void RecordSource::setErrorReporter(std::function<void(const EngineError &)> reporter)
{
    errorReporter() = std::move(reporter);
}

Recordset &RecordSource::recordset() const
{
    if (!recordset_)
        throw EngineError(QStringLiteral("The record source \"%1\" is not open.").arg(objectName()));
    return *recordset_;
}

void RecordSource::open()
{
    auto recordset = Database::OpenDatabase(databasePath_).OpenRecordset(table_);
    recordset_ = std::move(recordset);
    showCurrent();
    emit recordsChanged();
}

void RecordSource::setRecordset(std::unique_ptr<Recordset> recordset)
{
    if (recordset_)
        writePendingEdits();
    databasePath_ = recordset->databaseName();
    table_ = recordset->tableName();
    recordset_ = std::move(recordset);
    showCurrent();
    emit recordsChanged();
}

void RecordSource::Refresh()
{
    if (recordset_) {
        writePendingEdits();
        recordset_->Refresh();
        showCurrent();
        emit recordsChanged();
    } else {
        open();
    }
}

template <class Move> void RecordSource::move(Move &&moveRecordset)
{
    writePendingEdits();
    moveRecordset(recordset());
    showCurrent();
}

void RecordSource::MoveFirst() { move([](Recordset &r) { r.MoveFirst(); }); }
void RecordSource::MoveLast() { move([](Recordset &r) { r.MoveLast(); }); }
void RecordSource::MoveNext() { move([](Recordset &r) { r.MoveNext(); }); }
void RecordSource::MovePrevious() { move([](Recordset &r) { r.MovePrevious(); }); }

void RecordSource::setBookmark(const Bookmark &bookmark)
{
    move([&bookmark](Recordset &r) { r.setBookmark(bookmark); });
}

void RecordSource::AddNew()
{
    writePendingEdits();
    recordset().AddNew();
    showCurrent();
}

void RecordSource::Edit()
{
    writePendingEdits();
    recordset().Edit();
}

void RecordSource::Update()
{
    Recordset &records = recordset();
    const bool adding = records.editMode() == EditMode::Adding;
    for (BoundControl *control : std::as_const(controls_)) {
        if (control->hasChange())
            records.setValue(control->dataField(), control->editedValue());
    }
    records.Update();
    showCurrent();
    if (adding)
        emit recordsChanged();
}

void RecordSource::CancelUpdate()
{
    recordset().CancelUpdate();
    showCurrent();
}

void RecordSource::Delete()
{
    recordset().Delete();
    showCurrent();
    emit recordsChanged();
}

void RecordSource::writePendingEdits()
{
    if (!recordset_ || recordset_->editMode() != EditMode::None || !recordset_->hasCurrent())
        return;
    QList<BoundControl *> changed;
    for (BoundControl *control : std::as_const(controls_)) {
        if (control->hasChange())
            changed << control;
    }
    if (changed.isEmpty())
        return;
    recordset_->Edit();
    try {
        for (BoundControl *control : std::as_const(changed))
            recordset_->setValue(control->dataField(), control->editedValue());
        recordset_->Update();
    } catch (const EngineError &) {
        recordset_->CancelUpdate();
        throw;
    }
    for (BoundControl *control : std::as_const(changed))
        control->forgetChange();
}

void RecordSource::showCurrent()
{
    const Recordset &records = recordset();
    const bool showing = records.editMode() == EditMode::Adding || records.hasCurrent();
    for (BoundControl *control : std::as_const(controls_)) {
        QVariant value;
        if (showing && records.fieldIndex(control->dataField()) >= 0)
            value = records.value(control->dataField());
        control->showValue(value);
        control->forgetChange();
    }
    emit currentChanged();
}

void RecordSource::bind(BoundControl *control)
{
    if (!controls_.contains(control))
        controls_ << control;
    if (recordset_) {
        const Recordset &records = *recordset_;
        const bool showing = records.hasCurrent() && records.fieldIndex(control->dataField()) >= 0;
        control->showValue(showing ? records.value(control->dataField()) : QVariant());
        control->forgetChange();
    }
}

void RecordSource::unbind(BoundControl *control) { controls_.removeAll(control); }

bool RecordSource::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close && watched == parent()) {
        try {
            writePendingEdits();
        } catch (const EngineError &error) {
            if (errorReporter())
                errorReporter()(error);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace data
