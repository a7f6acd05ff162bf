#pragma once

#include "RecordEditor.h"
#include "ui_frmAddmember.h"

#include <QWidget>

// Adds one member or edits one; Save and Cancel both close it. After a save
// the main window's member panel shows the last member and the new count.
class frmAddmember : public QWidget, private Ui::frmAddmember {
    Q_OBJECT
public:
    explicit frmAddmember(QWidget *parent = nullptr);

    // Opens the form for a new member, whose member number starts as "None".
    void addMember();
    // Opens the form on the member the bookmark names.
    void editMember(const data::Bookmark &member);

    clubdata::RecordEditor *editor() const { return editor_; }

private:
    data::RecordSource *Data1;
    data::RecordSource *Data2;
    clubdata::RecordEditor *editor_;
};
