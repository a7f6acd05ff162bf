#pragma once

#include "RecordEditor.h"
#include "ui_frmAddtournament.h"

#include <QDate>
#include <QWidget>

// Adds one tournament to the schedule or edits one; Save and Cancel both close
// it. After a save the main window re-reads its schedule.
class frmAddtournament : public QWidget, private Ui::frmAddtournament {
    Q_OBJECT
public:
    explicit frmAddtournament(QWidget *parent = nullptr);
    ~frmAddtournament() override;

    // Opens the window for a new tournament on the given day.
    void addTournament(QDate day);
    // Opens the window on the tournament the bookmark names.
    void editTournament(const data::Bookmark &tournament);

    clubdata::RecordEditor *editor() const { return editor_; }

protected:
    bool event(QEvent *event) override;

private:
    data::RecordSource *Data1;
    data::RecordSource *DataLakes;
    data::RecordSource *DataRamps;
    clubdata::RecordEditor *editor_;
};
