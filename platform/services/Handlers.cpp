#include "Handlers.h"

#include "Services.h"
#include "data/RecordSource.h"

#include <QKeyEvent>

namespace platform {

void reportError(const data::EngineError &error)
{
    if (services().prompter)
        services().prompter->message(Icon::Exclamation, error.message());
}

namespace {
class HelpKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1 && services().help) {
            if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
                services().help->showContents();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

void installApplicationHooks(QObject *application)
{
    application->installEventFilter(new HelpKeyFilter(application));
    data::RecordSource::setErrorReporter(&reportError);
}

} // namespace platform
