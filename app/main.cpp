#include "ClubDatabase.h"
#include "HelpWindow.h"
#include "frmMain.h"
#include "services/Forms.h"
#include "services/Handlers.h"
#include "services/ProgramFolder.h"
#include "services/QtServices.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Creelbook"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/bass.png")));

    platform::Services desktop = platform::desktopServices();
    desktop.help = std::make_unique<maintenance::HelpService>();
    platform::installServices(std::move(desktop));
    platform::installApplicationHooks(&application);

    QString problem = platform::installMissingContent();
    if (problem.isEmpty())
        problem = clubdata::prepareClubDatabase();
    if (!problem.isEmpty()) {
        platform::services().prompter->message(platform::Icon::Stop, problem);
        return 1;
    }

    try {
        platform::Forms::setMainWindow(platform::Forms::show<frmMain>());
    } catch (const data::EngineError &error) {
        platform::services().prompter->message(platform::Icon::Stop, error.message());
        return 1;
    }
    return application.exec();
}
