#include "frmDbutility.h"

#include "ClubDatabase.h"
#include "ClubMaintenance.h"
#include "FixedWindow.h"
#include "services/Forms.h"
#include "services/Handlers.h"
#include "services/Services.h"

#include <QApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace maintenance {

using platform::Icon;
using platform::services;

namespace {

const QString databaseFilter = QStringLiteral("Database Files (*.mdb*)");

// The busy pointer while a copy or compaction runs, whether it succeeds or fails.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};

QString documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

frmDbutility::frmDbutility(QWidget *parent) : QWidget(parent) {
    setupUi(this);
    useFixedBorder(this);
    Label8->setText(sizeText(QFileInfo(clubdata::clubDatabasePath()).size()));

    connect(cmdBackup, &QPushButton::clicked, this, platform::handler([this] { backup(); }));
    connect(cmdRestore, &QPushButton::clicked, this, [this] { restore(); });
    connect(cmdRepair, &QPushButton::clicked, this, [this] { repair(); });
    connect(cmdHelp, &QPushButton::clicked, this, [] { services().help->showTopic(helpTopic); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { exitProgram(); });

    centreOnScreen(this);
}

void frmDbutility::backup() {
    const QString chosen =
        services().dialogs->saveFile(QStringLiteral("Save Database Backup"), documentsFolder(),
                                     QStringLiteral("rosterbase"), databaseFilter);
    if (chosen.isEmpty())
        return;
    {
        const BusyPointer busy;
        backupClubDatabase(QFileInfo(chosen).absolutePath());
    }
    services().prompter->message(Icon::Information, QStringLiteral("Backup has been saved."));
}

void frmDbutility::restore() {
    const QString notRestored = QStringLiteral("Database has not been restored.");
    const QString chosen = services().dialogs->openFile(QStringLiteral("Restore Backup Database"),
                                                        documentsFolder(), databaseFilter);
    if (chosen.isEmpty()) {
        services().prompter->message(Icon::Exclamation, notRestored);
        return;
    }
    try {
        const BusyPointer busy;
        restoreClubDatabase(QFileInfo(chosen).absolutePath());
    } catch (const data::EngineError &) {
        services().prompter->message(Icon::Exclamation, notRestored);
        return;
    }
    services().prompter->message(
        Icon::Information, QStringLiteral("Your backup copy of the database has been restored !"));
}

void frmDbutility::repair() {
    try {
        const BusyPointer busy;
        repairClubDatabase();
    } catch (const data::EngineError &) {
        services().prompter->message(Icon::Exclamation,
                                     platform::lines({QStringLiteral("Can't find database."),
                                                      QStringLiteral("Please make sure that "
                                                                     "Creelbook is not running.")}),
                                     platform::Buttons::Ok, QStringLiteral("Database not found"));
        return;
    }
    services().prompter->message(Icon::Information, QStringLiteral("DataBase has been repaired !"));
    Label10->setText(sizeText(QFileInfo(clubdata::clubDatabasePath()).size()));
}

void frmDbutility::exitProgram() {
    platform::Forms::unloadAll(this);
    close();
}

} // namespace maintenance
