#pragma once

#include "data/RecordSource.h"
#include "ui_frmSchedule.h"

#include <QWidget>

// The whole tournament schedule as a grid, sorted by date or by lake, and printed.
class frmSchedule : public QWidget, private Ui::frmSchedule {
    Q_OBJECT
public:
    explicit frmSchedule(QWidget *parent = nullptr);

    void sortByLake();
    // False when a date could not be read; the grid keeps its order then.
    bool sortByDate();
    void print();

protected:
    bool event(QEvent *event) override;

private:
    data::RecordSource *Data1;
};
