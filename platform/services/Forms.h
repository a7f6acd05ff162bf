#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>
#include <typeindex>

namespace platform {

// The loaded windows: at most one of each class. Asking for an open window
// brings it forward; a closed window is deleted, so the next request builds it afresh.
class Forms {
public:
    template <class Window, class... Args> static Window *show(Args &&...args)
    {
        Window *window = load<Window>(std::forward<Args>(args)...);
        window->show();
        window->raise();
        window->activateWindow();
        return window;
    }

    // Builds the window when it is not loaded, without showing it.
    template <class Window, class... Args> static Window *load(Args &&...args)
    {
        if (auto *open = find<Window>())
            return open;
        auto *window = new Window(std::forward<Args>(args)...);
        add(typeid(Window), window);
        return window;
    }

    template <class Window> static Window *find()
    {
        return static_cast<Window *>(lookup(typeid(Window)));
    }

    // The window the program opened with; the others use it to show it again.
    static void setMainWindow(QWidget *window);
    static QWidget *mainWindow();

    static QList<QWidget *> loaded();

    // Closes every loaded window but `except`; errors are ignored, and a window
    // that refuses to close is deleted all the same.
    static void unloadAll(QWidget *except = nullptr);

private:
    static void add(std::type_index type, QWidget *window);
    static QWidget *lookup(std::type_index type);
};

} // namespace platform
