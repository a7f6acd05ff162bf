#include "frmMain.h"

#include "ClubDatabase.h"
#include "data/Dates.h"
#include "frmAbout.h"
#include "frmAdddata.h"
#include "frmAddmember.h"
#include "frmAddtournament.h"
#include "frmDbutility.h"
#include "frmSchedule.h"
#include "frmUpdate.h"
#include "services/Forms.h"
#include "services/Handlers.h"
#include "services/ProgramFolder.h"
#include "services/Services.h"

#include <QCloseEvent>
#include <QScreen>

using platform::handler;
using platform::services;

frmMain::frmMain(QWidget *parent)
    : QMainWindow(parent), Data1(clubdata::openClubSource(this, "Data1", QStringLiteral("Club Info"))),
      datEvents(clubdata::openClubSource(this, "datEvents", QStringLiteral("Tournament"))),
      DatListmem(clubdata::openClubSource(this, "DatListmem", QStringLiteral("Members"))),
      DatMembers(clubdata::openClubSource(this, "DatMembers", QStringLiteral("Members"))) {
    setupUi(this);
    ImgBass->setPicture(widgets::pictureFromFile(QStringLiteral(":/app/bass.ppm")));
    bindControls();
    connectCommands();
    fillActionPanes();

    services().help->setHelpFile(
        platform::programPath(QStringLiteral("C:\\Program Files\\Creelbook\\Kelso.hlp")));
    hidePanels();
    Label19->setText(QStringLiteral("Press F1 for Help"));

    // Centred on the screen it opens on.
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void frmMain::bindControls() {
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
        {Text2, "Name"},          {Text3, "Address"},
        {Text5, "Address2"},      {Text6, "City"},
        {Text7, "State"},         {Text8, "Zip Code"},
        {Text9, "Home Phone"},    {Text10, "Work Phone"},
        {Text11, "Mobile Phone"}, {Label33, "Email Address"},
        {Label35, "Club Status"}, {Label37, "Member Number"},
        {Label39, "Boater"},      {Text1, "Remarks"},
    };
    for (const auto &[control, field] : memberFields)
        control->bindTo(DatMembers, QString::fromLatin1(field));
}

void frmMain::connectCommands() {
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

    connect(cmdSchedule, &QPushButton::clicked, this,
            handler([] { platform::Forms::show<frmSchedule>(); }));

    // These open windows that this program does not have yet.
    for (QAction *action :
         {mnuTeams, mnuSingles, mnuOpen, mnuCalendar, mnuReminders, mnuContacts, mnuMemberStats})
        action->setEnabled(false);
    for (QPushButton *button : {cmdPicture, cmdTteams, cmdTsingle, cmdTopen, cmdStats})
        button->setEnabled(false);
}

void frmMain::fillActionPanes() {
    const auto picture = [](const char *name) {
        return widgets::pictureFromFile(QStringLiteral(":/app/%1.png").arg(QString::fromLatin1(name)));
    };
    const auto menu = [](std::initializer_list<std::pair<const char *, int>> items, int gradientEnd,
                         int hotTitle) {
        widgets::ExplorerBar::Group group;
        group.title = QStringLiteral("Menu");
        group.boxOutline = widgets::windowsColor(0);
        group.gradientStart = widgets::windowsColor(16777215);
        group.gradientEnd = widgets::windowsColor(gradientEnd);
        group.hotTitleText = widgets::windowsColor(hotTitle);
        group.hotItemText = widgets::windowsColor(128);
        for (const auto &[text, pictureIndex] : items)
            group.items.append({QString::fromLatin1(text), pictureIndex, {}});
        return group;
    };
    QFont titleFont = font();
    titleFont.setBold(true);
    for (widgets::ExplorerBar *pane : {ExplorerBar1, ExplorerBar2}) {
        pane->setTitleFont(titleFont);
        pane->setItemFont(font());
    }
    ExplorerBar1->setPictures(
        {picture("add"), picture("edit"), picture("remove"), picture("email"), picture("print")});
    ExplorerBar1->addGroup(menu({{"Add New Member", 1},
                                 {"Edit this Member", 2},
                                 {"Delete this Member", 3},
                                 {"Email this Member", 4},
                                 {"Print Member List", 5}},
                                7960953, 6381921));
    ExplorerBar2->setPictures(
        {picture("calendar"), picture("edit"), picture("remove"), picture("print")});
    ExplorerBar2->addGroup(menu({{"Add a Tournament", 1},
                                 {"Edit this Tournament", 2},
                                 {"Delete this Tournament", 3},
                                 {"Print Schedule", 4},
                                 {"", -1}},
                                8421504, 8289918));
    connect(ExplorerBar1, &widgets::ExplorerBar::itemClick, this,
            [this](const widgets::ExplorerBar::Item &item) {
                handler([&] { memberAction(item.text); })();
            });
    connect(ExplorerBar2, &widgets::ExplorerBar::itemClick, this,
            [this](const widgets::ExplorerBar::Item &item) {
                handler([&] { tournamentAction(item.text); })();
            });

    clubdata::EditorTexts memberTexts;
    memberTexts.refusalName = QStringLiteral("Member");
    memberTexts.deleteQuestion = [this] {
        return QStringLiteral("Are you sure you want to delete ") + Text2->text() +
               QLatin1Char('?');
    };
    memberDelete_ = new clubdata::RecordEditor(DatMembers, memberTexts, this);
    memberDelete_->afterDelete = [this] {
        DatListmem->Refresh();
        Label19->setText(QString::number(DatMembers->RecordCount()) +
                         QStringLiteral(" Members are listed."));
    };

    clubdata::EditorTexts tournamentTexts;
    tournamentTexts.refusalName = QStringLiteral("Tournament");
    tournamentTexts.deleteQuestion = [this] {
        return QStringLiteral("Are you sure you want to delete this Tournament for ") +
               Label1->text() + QLatin1Char('?');
    };
    tournamentDelete_ = new clubdata::RecordEditor(datEvents, tournamentTexts, this);
    tournamentDelete_->setDeleteWithoutMoves(true);
    tournamentDelete_->afterDelete = [this] {
        datEvents->Refresh();
        Label19->setText(QString::number(datEvents->RecordCount()) +
                         QStringLiteral(" Tournaments are scheduled."));
    };
}

void frmMain::memberAction(const QString &item) {
    using platform::Forms;
    if (item == QLatin1String("Add New Member")) {
        Forms::show<frmAddmember>()->addMember();
    } else if (item == QLatin1String("Edit this Member")) {
        Forms::show<frmAddmember>()->editMember(DatMembers->bookmark());
    } else if (item == QLatin1String("Print Member List")) {
        services().reports->preview({.templatePath = platform::programPath(QStringLiteral(
                                         "C:\\Program Files\\Creelbook\\member.rpt"))});
    } else if (item == QLatin1String("Delete this Member")) {
        memberDelete_->remove();
    } else if (item == QLatin1String("Email this Member")) {
        emailMember();
    }
}

void frmMain::emailMember() {
    using platform::Icon;
    const QString address = Label33->text();
    if (address.isEmpty()) {
        services().prompter->message(Icon::Exclamation,
                                     QStringLiteral("There is no email address for ") +
                                         Text2->text() + QLatin1Char('.'));
        return;
    }
    // Every character but letters, digits and "@" is encoded, so that an address
    // can not add recipients, a subject or other headers to the message.
    const QUrl mail(QStringLiteral("mailto:") +
                    QString::fromLatin1(QUrl::toPercentEncoding(address, "@")));
    if (!services().shell->open(mail))
        services().prompter->message(
            Icon::Exclamation,
            platform::lines(
                {QStringLiteral("Can't find Email program."),
                 QStringLiteral("This command may not work if you are not using MS Outlook.")}),
            platform::Buttons::Ok, QStringLiteral("Email Program not found"));
}

void frmMain::tournamentAction(const QString &item) {
    using platform::Forms;
    if (item == QLatin1String("Add a Tournament")) {
        Forms::show<frmAddtournament>()->addTournament(services().clock->today());
    } else if (item == QLatin1String("Edit this Tournament")) {
        Forms::show<frmAddtournament>()->editTournament(datEvents->bookmark());
    } else if (item == QLatin1String("Print Schedule")) {
        services().reports->preview({.templatePath = platform::programPath(QStringLiteral(
                                         "C:\\Program Files\\Creelbook\\tschedule.rpt"))});
    } else if (item == QLatin1String("Delete this Tournament")) {
        tournamentDelete_->remove();
    }
}

void frmMain::listOpenWindows() {
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

void frmMain::showMemberPanel() {
    picMembers->setVisible(true);
    picEvents->setVisible(false);
    clubArea->setVisible(false);
    Label19->setText(QString::number(DatMembers->RecordCount()) +
                     QStringLiteral(" Members are listed."));
}

void frmMain::showTournamentPanel() {
    picMembers->setVisible(false);
    picEvents->setVisible(true);
    clubArea->setVisible(false);
    Label19->setText(QString::number(datEvents->RecordCount()) +
                     QStringLiteral(" Tournaments are Scheduled"));
}

void frmMain::hidePanels() {
    picMembers->setVisible(false);
    picEvents->setVisible(false);
    clubArea->setVisible(true);
}

bool frmMain::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate)
        Label18->setText(QStringLiteral("Today's Date: ") +
                         data::shortDate(services().clock->today()));
    return QMainWindow::event(event);
}

void frmMain::closeEvent(QCloseEvent *event) {
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
