#include "BoundWidgets.h"

#include "data/Dates.h"

namespace widgets {

QString fieldText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QDate)
        return data::shortDate(value.toDate());
    return value.toString();
}

BoundLineEdit::BoundLineEdit(QWidget *parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!showing_)
            markChanged();
    });
}

void BoundLineEdit::showValue(const QVariant &value)
{
    showing_ = true;
    setText(fieldText(value));
    showing_ = false;
}

BoundTextEdit::BoundTextEdit(QWidget *parent) : QPlainTextEdit(parent)
{
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!showing_)
            markChanged();
    });
}

void BoundTextEdit::showValue(const QVariant &value)
{
    showing_ = true;
    setPlainText(fieldText(value));
    showing_ = false;
}

BoundComboBox::BoundComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::currentTextChanged, this, [this] {
        if (!showing_)
            markChanged();
    });
}

void BoundComboBox::showValue(const QVariant &value)
{
    showing_ = true;
    setCurrentText(fieldText(value));
    showing_ = false;
}

void DBCombo::setRowSource(data::RecordSource *source, const QString &listField)
{
    const QString shown = currentText();
    const bool changed = hasChange();
    QStringList entries;
    for (const auto &[bookmark, value] : source->recordset().column(listField))
        entries << fieldText(value);
    clear();
    addItems(entries);
    showValue(shown);
    if (changed)
        markChanged();
    else
        forgetChange();
}

BoundDateEdit::BoundDateEdit(QWidget *parent) : QDateEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(data::shortDateFormat());
    connect(this, &QDateEdit::dateChanged, this, [this] {
        if (!showing_)
            markChanged();
    });
}

void BoundDateEdit::showValue(const QVariant &value)
{
    if (!value.toDate().isValid())
        return;
    showing_ = true;
    setDate(value.toDate());
    showing_ = false;
}

} // namespace widgets
