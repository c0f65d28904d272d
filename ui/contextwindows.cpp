#include "contextwindows.h"

#include "TFormMain.h"
#include "TFormMove.h"
#include "TFormMoveAreaTools.h"
#include "TFormNews.h"
#include "TFormShipDesign.h"
#include "TFormShowRaces.h"
#include "TFormYourPlanets.h"
#include "TPopupMenuOR.h"
#include "TStringGridOR.h"
#include "calculatorwindows.h"
#include "chartwindows.h"
#include "mapinteraction.h"
#include "news.h"
#include "orderwindows.h"
#include "racewindows.h"

#include <QAction>
#include <QComboBox>

namespace orrery {

namespace {

// Takes the chosen entries of every menu to the move editor and the area tools.
class ContextOrders : public QObject, public ContextMenuHost {
public:
    ContextOrders(TFormMain& main, TFormMove& move, TFormMoveSendFromPlanet& send)
        : QObject(&main), main_(main), move_(move), send_(send)
    {
        setObjectName(QStringLiteral("ContextOrders"));
    }

    const Game& game() const override { return main_.session().game(); }

    void chosen(QWidget* owner, ContextObject kind, const ContextEntry& entry, const std::string& object) override
    {
        if (object.empty() && !noObjectMessage(kind).empty()) {
            main_.messageBoxes().error(owner, fromGame(noObjectMessage(kind)));
            return;
        }
        // The orders land in the move editor, which is shown with them.
        if (!move_.isVisible()) main_.action(MainCommand::MoveEditor)->trigger();
        if (entry.sendTool()) {
            const QString planet = fromGame(object);
            send_.open(SendMode::Send, entry.object == ContextSlot::First ? planet : QString(),
                       entry.object == ContextSlot::Second ? planet : QString());
            return;
        }
        if (entry.direct) {
            const Status added = applyDirectEntry(move_.editor(), game(), entry, object);
            move_.showMove();
            if (!added) main_.messageBoxes().error(&move_, fromGame(added.error().message));
            return;
        }
        move_.openCommand(CommandList::Names, entry.command, contextFields(entry, object));
    }

private:
    TFormMain& main_;
    TFormMove& move_;
    TFormMoveSendFromPlanet& send_;
};

void attachMenus(TFormMain& main, ContextMenuHost& host)
{
    auto* groups = new TPopupMenuOR(&main.groupsGrid(), ContextObject::Group, 1, host);
    // The planet's groups of other races are listed too: orders are only for the player's own.
    groups->rowIsOwn = [&main](int row) {
        return toGame(main.groupsGrid().Cells(0, row)) == main.session().game().ownrace.view();
    };
    if (TFormShipDesign* designer = installedShipDesigner(main))
        new TPopupMenuOR(designer->ListBoxShipTypes, ContextObject::ShipType, host);
    if (TFormShowRaces* races = installedRacesTable(main))
        (new TPopupMenuOR(races->StringGridRaces, ContextObject::Race, 0, host))->twoRowRecords = true;
    if (TFormYourPlanets* planets = installedYourPlanets(main))
        new TPopupMenuOR(planets->StringGridPlanets, ContextObject::Planet, 0, host);
    if (auto* news = main.findChild<TFormNews*>(QStringLiteral("FormNews"))) {
        new TPopupMenuOR(news->StringGridBombings, ContextObject::Planet,
                         newsGridLayout(NewsGrid::Bombings).planetColumn, host);
        // Incoming groups head for the player's planets: the destination is the planet.
        new TPopupMenuOR(news->StringGridIncoming, ContextObject::Planet, 2, host);
        new TPopupMenuOR(news->StringGridStockpiles, ContextObject::Planet,
                         newsGridLayout(NewsGrid::Stockpiles).planetColumn, host);
        new TPopupMenuOR(news->MemoFleets, ContextObject::Fleet, host);
        auto* newsGroups = new TPopupMenuOR(news->StringGridGroups, ContextObject::Group, 0, host);
        newsGroups->rowIsOwn = [&main, news](int) {
            return toGame(news->ComboBoxRace->currentText()) == main.session().game().ownrace.view();
        };
    }
}

} // namespace

void installContextWindows(TFormMain& main)
{
    TFormMove& move = installOrderWindows(main);
    const Game& game = main.session().game();
    auto* scan = new TFormMoveScanArea(game, move.editor(), main.messageBoxes(), &main);
    auto* send = new TFormMoveSendFromPlanet(game, move.editor(), main.messageBoxes(), &main);
    scan->onOrders = [&move] { move.showMove(); };
    send->onOrders = [&move] { move.showMove(); };
    auto* host = new ContextOrders(main, move, *send);
    attachMenus(main, *host);

    const auto tool = [](QAction* item, auto open) {
        item->setEnabled(true);
        QObject::connect(item, &QAction::triggered, item, open);
    };
    tool(move.menuItemScanArea, [scan] { scan->open(); });
    tool(move.menuItemSendAll, [send] { send->open(SendMode::Send); });
    tool(move.menuItemInterceptPlanet, [send] { send->open(SendMode::Intercept); });

    // A press on the map while the scan window is open hands it the mouse position.
    main.addPressFollowUp([&main, scan](const PressResult*) {
        if (!scan->isVisible()) return;
        const auto [x, y] = main.mousePositionTexts();
        if (x.trimmed().isEmpty() || y.trimmed().isEmpty()) return;
        scan->pressAt(x, y);
    });

    main.registerWindow(QStringLiteral("scanarea"), [scan] {
        scan->open();
        return scan;
    });
    main.registerWindow(QStringLiteral("sendgroups"), [send] {
        send->open(SendMode::Send);
        return send;
    });
    main.registerWindow(QStringLiteral("intercept"), [send] {
        send->open(SendMode::Intercept);
        return send;
    });
}

TFormMoveScanArea* installedScanArea(TFormMain& main)
{
    return main.findChild<TFormMoveScanArea*>(QStringLiteral("FormMoveScanArea"), Qt::FindDirectChildrenOnly);
}

TFormMoveSendFromPlanet* installedSendFromPlanet(TFormMain& main)
{
    return main.findChild<TFormMoveSendFromPlanet*>(QStringLiteral("FormMoveSendFromPlanet"),
                                                    Qt::FindDirectChildrenOnly);
}

} // namespace orrery
