#include "bringup.h"

#include <QScreen>
#include <QVariant>
#include <QWidget>

namespace orrery {

void bringUp(QWidget* window)
{
    if (!window->property("placed").toBool()) {
        window->setProperty("placed", true);
        if (const QScreen* screen = window->screen())
            window->move(screen->availableGeometry().center() - QPoint(window->width() / 2, window->height() / 2));
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace orrery
