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

} // namespace widgets
