#pragma once

#include "RecordEditor.h"
#include "ui_frmAdddata.h"

#include <QWidget>

// The club options window: the club's own name and address, and the lists of
// membership types, lakes and ramps that fill drop-down lists elsewhere. It
// hides the main window while it is open.
class frmAdddata : public QWidget, private Ui::frmAdddata {
    Q_OBJECT
public:
    explicit frmAdddata(QWidget *parent = nullptr);
    ~frmAdddata() override;

    clubdata::RecordEditor *clubEditor() const { return clubEditor_; }

private:
    clubdata::RecordEditor *listEditor(const char *sourceName, const QString &field,
                                       widgets::BoundLineEdit *box, QGroupBox *frame,
                                       const clubdata::EditorButtons &buttons,
                                       clubdata::EditorTexts texts);
    void lockOthers(QObject *editor, bool editing);

    data::RecordSource *Data1;
    data::RecordSource *DataOptions;
    data::RecordSource *DataLakes;
    data::RecordSource *DataRamps;
    clubdata::RecordEditor *clubEditor_;
    QList<std::pair<clubdata::RecordEditor *, QGroupBox *>> listEditors_;
};
