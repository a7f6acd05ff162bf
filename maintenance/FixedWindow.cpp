#include "FixedWindow.h"

#include <QScreen>
#include <QWidget>

namespace maintenance {

void useFixedBorder(QWidget *window) {
    const Qt::WindowFlags type = window->windowFlags() & Qt::WindowType_Mask;
    window->setWindowFlags(type | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

void centreOnScreen(QWidget *window) {
    window->adjustSize();
    if (const QScreen *screen = window->screen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

} // namespace maintenance
