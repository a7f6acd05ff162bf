#pragma once

#include "data/RecordSource.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace widgets {

// How a stored value reads on screen: dates in the short date form.
QString fieldText(const QVariant &value);

// A label showing one field; it never writes.
class BoundLabel : public QLabel, public data::BoundControl {
    Q_OBJECT
public:
    explicit BoundLabel(QWidget *parent = nullptr) : QLabel(parent) {}
    void showValue(const QVariant &value) override { setText(fieldText(value)); }
    QVariant editedValue() const override { return text(); }
};

// A one-line text box. Text typed or set by the program is written back.
class BoundLineEdit : public QLineEdit, public data::BoundControl {
    Q_OBJECT
public:
    explicit BoundLineEdit(QWidget *parent = nullptr);
    void showValue(const QVariant &value) override;
    QVariant editedValue() const override { return text(); }

private:
    bool showing_ = false;
};

// A multi-line text box.
class BoundTextEdit : public QPlainTextEdit, public data::BoundControl {
    Q_OBJECT
public:
    explicit BoundTextEdit(QWidget *parent = nullptr);
    void showValue(const QVariant &value) override;
    QVariant editedValue() const override { return toPlainText(); }

private:
    bool showing_ = false;
};

// An editable combo box: the text in its edit field is the value.
class BoundComboBox : public QComboBox, public data::BoundControl {
    Q_OBJECT
public:
    explicit BoundComboBox(QWidget *parent = nullptr);
    void showValue(const QVariant &value) override;
    QVariant editedValue() const override { return currentText(); }

private:
    bool showing_ = false;
};

// A bound combo that lists one field of every record of a row source and
// writes the chosen or typed text into its own field.
class DBCombo : public BoundComboBox {
    Q_OBJECT
public:
    explicit DBCombo(QWidget *parent = nullptr) : BoundComboBox(parent) {}
    // Lists the field of every record now, keeping the text shown.
    void setRowSource(data::RecordSource *source, const QString &listField);
};

// A date picker bound to a date field. A record without a date shows no date
// until one is set.
class BoundDateEdit : public QDateEdit, public data::BoundControl {
    Q_OBJECT
public:
    explicit BoundDateEdit(QWidget *parent = nullptr);
    void showValue(const QVariant &value) override;
    QVariant editedValue() const override { return date(); }

private:
    bool showing_ = false;
};

} // namespace widgets
