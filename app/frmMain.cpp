#include "frmMain.h"

#include "ClubDatabase.h"
#include "frmAbout.h"
#include "frmAdddata.h"
#include "frmDbutility.h"
#include "frmUpdate.h"
#include "services/Forms.h"
#include "services/Handlers.h"
#include "services/ProgramFolder.h"
#include "services/Services.h"
#include "data/Dates.h"

#include <QCloseEvent>
#include <QScreen>

using platform::handler;
using platform::services;

namespace {
data::RecordSource *recordSource(QObject *window, const char *name, const QString &table)
{
    auto *source = new data::RecordSource(clubdata::clubDatabasePath(), table, window);
    source->setObjectName(QString::fromLatin1(name));
    return source;
}
} // namespace

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent), Data1(recordSource(this, "Data1", QStringLiteral("Club Info"))),
      datEvents(recordSource(this, "datEvents", QStringLiteral("Tournament"))),
      DatListmem(recordSource(this, "DatListmem", QStringLiteral("Members"))),
      DatMembers(recordSource(this, "DatMembers", QStringLiteral("Members")))
{
    setupUi(this);
    ImgBass->setPicture(QPixmap(QStringLiteral(":/app/bass.ppm")));
    bindControls();
    connectCommands();

    services().help->setHelpFile(
        platform::programPath(QStringLiteral("C:\\Program Files\\Creelbook\\Kelso.hlp")));
    hidePanels();
    Label19->setText(QStringLiteral("Press F1 for Help"));

    // Centred on the screen it opens on.
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmMain::bindControls()
{
    Label3->bindTo(Data1, QStringLiteral("Club Name"));
    Label4->bindTo(Data1, QStringLiteral("Club Address"));
    Label5->bindTo(Data1, QStringLiteral("Club City"));

    DBList1->setRowSource(datEvents, QStringLiteral("Date"));
    Label1->bindTo(datEvents, QStringLiteral("Date"));
    Label6->bindTo(datEvents, QStringLiteral("Lake"));
    Label7->bindTo(datEvents, QStringLiteral("Ramp"));
    Label8->bindTo(datEvents, QStringLiteral("Start Time"));
    Label9->bindTo(datEvents, QStringLiteral("End Time"));
    Text4->bindTo(datEvents, QStringLiteral("Notes"));

    DBListmem->setRowSource(DatListmem, QStringLiteral("Name"));
    const std::pair<data::BoundControl *, const char *> memberFields[] = {
        {Text2, "Name"},          {Text3, "Address"},       {Text5, "Address2"},
        {Text6, "City"},          {Text7, "State"},         {Text8, "Zip Code"},
        {Text9, "Home Phone"},    {Text10, "Work Phone"},   {Text11, "Mobile Phone"},
        {Label33, "Email Address"}, {Label35, "Club Status"}, {Label37, "Member Number"},
        {Label39, "Boater"},      {Text1, "Remarks"},
    };
    for (const auto &[control, field] : memberFields)
        control->bindTo(DatMembers, QString::fromLatin1(field));
}

void frmMain::connectCommands()
{
    connect(mnuMembers, &QAction::triggered, this, handler([this] { showMemberPanel(); }));
    connect(mnuSchedule, &QAction::triggered, this, handler([this] { showTournamentPanel(); }));
    connect(mnuExit, &QAction::triggered, this, [this] {
        hidePanels();
        close();
    });
    connect(mnuOptions, &QAction::triggered, this, handler([this] {
        platform::Forms::show<frmAdddata>();
        hide();
    }));
    connect(mnuFile, &QMenu::aboutToShow, this, &frmMain::listOpenWindows);
    connect(mnuShowHelp, &QAction::triggered, this, [] { services().help->showTopic(helpTopic); });
    connect(mnuUpdate, &QAction::triggered, this,
            [] { platform::Forms::show<maintenance::frmUpdate>(); });
    connect(mnuAbout, &QAction::triggered, this,
            [] { platform::Forms::show<maintenance::frmAbout>(); });

    connect(DBList1, &widgets::DBList::entryChosen, this, [this](const data::Bookmark &chosen) {
        handler([&] { datEvents->setBookmark(chosen); })();
    });
    connect(DBListmem, &widgets::DBList::entryChosen, this, [this](const data::Bookmark &chosen) {
        handler([&] { DatMembers->setBookmark(chosen); })();
    });

    // These open windows that this program does not have yet.
    for (QAction *action : {mnuTeams, mnuSingles, mnuOpen, mnuCalendar, mnuReminders,
                            mnuContacts, mnuMemberStats})
        action->setEnabled(false);
    for (QPushButton *button : {cmdSchedule, cmdPicture, cmdTteams, cmdTsingle, cmdTopen, cmdStats})
        button->setEnabled(false);
}

void frmMain::listOpenWindows()
{
    for (QAction *entry : std::as_const(openWindowEntries_))
        delete entry;
    openWindowEntries_.clear();
    for (QWidget *window : platform::Forms::loaded()) {
        if (window == this || !window->isVisible())
            continue;
        if (openWindowEntries_.isEmpty())
            openWindowEntries_ << mnuFile->addSeparator();
        QAction *entry = mnuFile->addAction(window->windowTitle());
        connect(entry, &QAction::triggered, window, [window] {
            window->raise();
            window->activateWindow();
        });
        openWindowEntries_ << entry;
    }
}

void frmMain::showMemberPanel()
{
    picMembers->setVisible(true);
    picEvents->setVisible(false);
    clubArea->setVisible(false);
    Label19->setText(QString::number(DatMembers->RecordCount()) +
                     QStringLiteral(" Members are listed."));
}

void frmMain::showTournamentPanel()
{
    picMembers->setVisible(false);
    picEvents->setVisible(true);
    clubArea->setVisible(false);
    Label19->setText(QString::number(datEvents->RecordCount()) +
                     QStringLiteral(" Tournaments are Scheduled"));
}

void frmMain::hidePanels()
{
    picMembers->setVisible(false);
    picEvents->setVisible(false);
    clubArea->setVisible(true);
}

bool frmMain::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Label18->setText(QStringLiteral("Today's Date: ") +
                         data::shortDate(services().clock->today()));
    return QMainWindow::event(event);
}


void frmMain::closeEvent(QCloseEvent *event)
{
    if (closing_) {
        event->accept();
        return;
    }
    // The close is never cancelled; the answer only decides what follows.
    const platform::Answer backup = services().prompter->message(
        platform::Icon::Question, QStringLiteral("Do you want to backup the Database ?"),
        platform::Buttons::YesNo, QStringLiteral("Close Program"));
    closing_ = true;
    if (backup == platform::Answer::Yes) {
        // The utility takes this window's place; the other windows stay open.
        platform::Forms::show<maintenance::frmDbutility>();
        event->accept();
        return;
    }
    try {
        platform::Forms::unloadAll(this);
    } catch (...) {
        // Closing goes on whatever an unloading window reports.
    }
    event->accept();
}
