#include "Startup.h"

#include "ClubDatabase.h"
#include "HelpWindow.h"
#include "frmMain.h"
#include "report/QtReports.h"
#include "services/Forms.h"
#include "services/Handlers.h"
#include "services/ProgramFolder.h"
#include "services/QtServices.h"
#include "widgets/PictureBox.h"

#include <QApplication>

bool startCreelbook(QApplication &application)
{
    QApplication::setApplicationName(QStringLiteral("Creelbook"));
    QApplication::setWindowIcon(widgets::pictureFromFile(QStringLiteral(":/app/icon.png")));

    platform::Services desktop = platform::desktopServices();
    desktop.help = std::make_unique<maintenance::HelpService>();
    desktop.reports = std::make_unique<report::QtReports>(clubdata::clubDatabasePath());
    platform::installServices(std::move(desktop));
    platform::installApplicationHooks(&application);

    QString problem = platform::installMissingContent();
    if (problem.isEmpty())
        problem = clubdata::prepareClubDatabase();
    if (problem.isEmpty()) {
        try {
            platform::Forms::setMainWindow(platform::Forms::show<frmMain>());
            return true;
        } catch (const data::EngineError &error) {
            problem = error.message();
        }
    }
    platform::services().prompter->message(platform::Icon::Stop, problem);
    return false;
}
