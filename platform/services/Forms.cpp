#include "Forms.h"

#include <map>

namespace platform {

namespace {
std::map<std::type_index, QPointer<QWidget>> &windows()
{
    static std::map<std::type_index, QPointer<QWidget>> loadedWindows;
    return loadedWindows;
}

QPointer<QWidget> &mainWindowPointer()
{
    static QPointer<QWidget> window;
    return window;
}
} // namespace

void Forms::add(std::type_index type, QWidget *window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    windows()[type] = window;
}

QWidget *Forms::lookup(std::type_index type)
{
    const auto it = windows().find(type);
    return it == windows().end() ? nullptr : it->second.data();
}

void Forms::setMainWindow(QWidget *window) { mainWindowPointer() = window; }

QWidget *Forms::mainWindow() { return mainWindowPointer(); }

QList<QWidget *> Forms::loaded()
{
    QList<QWidget *> result;
    for (const auto &[type, window] : windows()) {
        if (window)
            result << window;
    }
    return result;
}

void Forms::unloadAll(QWidget *except)
{
    for (QWidget *window : loaded()) {
        if (window == except)
            continue;
        try {
            if (!window->close())
                window->deleteLater();
        } catch (...) {
            window->deleteLater();
        }
    }
}

} // namespace platform
