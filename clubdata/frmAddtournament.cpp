#include "frmAddtournament.h"

#include "ClubDatabase.h"
#include "MainWindowLink.h"

#include <QScreen>

using clubdata::RecordEditor;

frmAddtournament::frmAddtournament(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinimizeButtonHint),
      Data1(clubdata::openClubSource(this, "Data1", QStringLiteral("Tournament"))),
      DataLakes(clubdata::openClubSource(this, "DataLakes", QStringLiteral("Lakes"))),
      DataRamps(clubdata::openClubSource(this, "DataRamps", QStringLiteral("Ramps")))
{
    setupUi(this);
    // The lists are filled before binding, so that filling them is no change of the record.
    DBCombo1->setRowSource(DataLakes, QStringLiteral("Lakes"));
    DBCombo2->setRowSource(DataRamps, QStringLiteral("Ramps"));
    DTPicker1->bindTo(Data1, QStringLiteral("Date"));
    DBCombo1->bindTo(Data1, QStringLiteral("Lake"));
    DBCombo2->bindTo(Data1, QStringLiteral("Ramp"));
    Text3->bindTo(Data1, QStringLiteral("Start Time"));
    Text4->bindTo(Data1, QStringLiteral("End Time"));
    Text5->bindTo(Data1, QStringLiteral("Notes"));

    clubdata::EditorTexts texts;
    texts.missingInput = QStringLiteral("Please enter a Lake or River.");
    editor_ = new RecordEditor(Data1, texts, this, RecordEditor::Variant::Dialog);
    editor_->setBoxes({DTPicker1, DBCombo1, DBCombo2, Text3, Text4, Text5});
    editor_->setRequiredBox(DBCombo1);
    editor_->setButtons({.save = cmdSave, .cancel = cmdCancel});
    editor_->setFollowUpErrorsIgnored(true);
    editor_->afterSave = [] {
        if (auto *events = clubdata::mainwindow::recordSource("datEvents")) {
            events->Refresh();
            clubdata::mainwindow::setStatus(QString::number(events->RecordCount()) +
                                            QStringLiteral(" Tournaments are scheduled."));
        }
    };

    setFixedSize(sizeHint().expandedTo(minimumSize()));
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

frmAddtournament::~frmAddtournament() { clubdata::mainwindow::show(); }

void frmAddtournament::addTournament(QDate day)
{
    editor_->add();
    DTPicker1->setDate(day);
}

void frmAddtournament::editTournament(const data::Bookmark &tournament)
{
    setWindowTitle(QStringLiteral("Editing this Tournament"));
    Data1->setBookmark(tournament);
    editor_->edit();
}

bool frmAddtournament::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Label7->setText(QString::number(Data1->RecordCount()) +
                        QStringLiteral(" Tournaments Scheduled"));
    return QWidget::event(event);
}
