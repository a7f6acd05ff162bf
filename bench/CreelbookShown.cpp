// Starts Creelbook as its main() does and ends as soon as the main window is
// on the screen: what the start-up benchmark times.
#include "Startup.h"
#include "services/Forms.h"

#include <QApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (!startCreelbook(application))
        return 1;
    return QTest::qWaitForWindowExposed(platform::Forms::mainWindow()) ? 0 : 1;
}
