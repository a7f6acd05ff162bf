#include "MainWindowLink.h"

#include "services/Forms.h"

#include <QLabel>

namespace clubdata::mainwindow {

data::RecordSource *recordSource(const char *name)
{
    QWidget *main = platform::Forms::mainWindow();
    return main ? main->findChild<data::RecordSource *>(QString::fromLatin1(name)) : nullptr;
}

void setStatus(const QString &text)
{
    if (QWidget *main = platform::Forms::mainWindow()) {
        if (auto *status = main->findChild<QLabel *>(QStringLiteral("Label19")))
            status->setText(text);
    }
}

void show()
{
    if (QWidget *main = platform::Forms::mainWindow())
        main->show();
}

void hide()
{
    if (QWidget *main = platform::Forms::mainWindow())
        main->hide();
}

} // namespace clubdata::mainwindow
