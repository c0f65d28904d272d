#include "bringup.h"

#include "TFormMain.h"

#include <QEvent>
#include <QScreen>
#include <QSettings>
#include <QVariant>
#include <QWidget>

namespace orrery {

namespace {

// The store of the main window the window belongs to (nullptr for a window of none).
QSettings* storeOf(QWidget* window)
{
    for (QWidget* w = window->parentWidget(); w != nullptr; w = w->parentWidget())
        if (auto* main = qobject_cast<TFormMain*>(w)) return &main->settings();
    return nullptr;
}

QString placeKey(const QWidget* window) { return QStringLiteral("WindowPlaces/") + window->objectName(); }

// Writes the window's size and place to the store whenever the player moves or resizes it.
class PlaceKeeper : public QObject {
public:
    PlaceKeeper(QWidget* window, QSettings& store) : QObject(window), window_(window), store_(store) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (watched == window_ && window_->isVisible() && (type == QEvent::Move || type == QEvent::Resize))
            store_.setValue(placeKey(window_), window_->saveGeometry());
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* window_;
    QSettings& store_;
};

} // namespace

void bringUp(QWidget* window)
{
    if (!window->property("placed").toBool()) {
        window->setProperty("placed", true);
        QSettings* store = window->objectName().isEmpty() ? nullptr : storeOf(window);
        const QByteArray place = store != nullptr ? store->value(placeKey(window)).toByteArray() : QByteArray();
        if (place.isEmpty() || !window->restoreGeometry(place)) {
            if (const QScreen* screen = window->screen())
                window->move(screen->availableGeometry().center() - QPoint(window->width() / 2, window->height() / 2));
        }
        if (store != nullptr) window->installEventFilter(new PlaceKeeper(window, *store));
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace orrery
