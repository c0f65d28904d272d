#include "transporterwindows.h"

#include "TFormMain.h"
#include "TFormMove.h"
#include "TFormMoveTransporter.h"
#include "bringup.h"
#include "messages.h"
#include "orderwindows.h"

#include <QAction>

namespace orrery {

void installTransporterWindow(TFormMain& main)
{
    TFormMove& move = installOrderWindows(main);
    auto* window = new TFormMoveTransporter(main.session().game(), move.editor(), main.messageBoxes(), &main);
    window->hide();
    QAction* entry = move.menuItemDevelop;
    entry->setEnabled(true);
    window->onShownChanged = [entry](bool shown) { entry->setEnabled(!shown); };
    window->onOrdersAdded = [&move] { move.showMove(); };
    window->onPlanetClicked = [&main](const std::string& planet) { main.SelectPlanet(fromGame(planet)); };
    QObject::connect(entry, &QAction::triggered, window, [window] {
        window->FormShow();
        bringUp(window);
    });
    // Another turn shown: the tables follow it.
    QObject::connect(&main, &TFormMain::turnShown, window, [window] {
        if (window->isVisible()) window->FormShow();
    });
    main.registerWindow(QStringLiteral("transporter"), [entry, window] {
        entry->trigger();
        return window;
    });
}

TFormMoveTransporter* installedTransporterWindow(TFormMain& main)
{
    return main.findChild<TFormMoveTransporter*>(QStringLiteral("FormMoveTransporter"), Qt::FindDirectChildrenOnly);
}

} // namespace orrery
