#include "Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (!startCreelbook(application))
        return 1;
    return QApplication::exec();
}
