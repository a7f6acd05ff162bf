#include "frmSchedule.h"

#include "ClubDatabase.h"
#include "services/Handlers.h"
#include "services/ProgramFolder.h"
#include "services/Services.h"

frmSchedule::frmSchedule(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      Data1(new data::RecordSource(clubdata::clubDatabasePath(), QStringLiteral("Tournament"),
                                   this)) {
    Data1->setObjectName(QStringLiteral("Data1"));
    setupUi(this);
    MSFlexGrid1->setRecordSource(Data1);
    MSFlexGrid1->setColWidth(0, 300);
    MSFlexGrid1->setColWidth(2, 2600);
    MSFlexGrid1->setColWidth(3, 2600);

    using platform::handler;
    connect(cmdLake, &QPushButton::clicked, this, handler([this] { sortByLake(); }));
    connect(cmdDate, &QPushButton::clicked, this, handler([this] { sortByDate(); }));
    connect(cmdPrint, &QPushButton::clicked, this, handler([this] { print(); }));
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
}

void frmSchedule::sortByLake() {
    MSFlexGrid1->setCol(2);
    MSFlexGrid1->sort(widgets::FlexGrid::Sort::GenericAscending);
}

bool frmSchedule::sortByDate() {
    return widgets::sortByDate(*MSFlexGrid1, 1);
}

void frmSchedule::print() {
    platform::services().reports->preview({.templatePath = platform::programPath(QStringLiteral(
                                               "C:\\Program Files\\Creelbook\\tschedule.rpt"))});
}

bool frmSchedule::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate)
        Label1->setText(QString::number(Data1->RecordCount()) +
                        QStringLiteral(" Tournaments are scheduled."));
    return QWidget::event(event);
}
