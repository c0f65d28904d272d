#include "racewindows.h"

#include "TFormFindPlanet.h"
#include "TFormFindRace.h"
#include "TFormMain.h"
#include "bringup.h"
#include "TFormPlanetView.h"
#include "TFormShowRaces.h"
#include "TFormTurnInfo.h"
#include "calculatorwindows.h"
#include "raceviews.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>

namespace orrery {

namespace {

// A window's button is disabled while the window is open; the map then follows the window.
void followButton(TFormMain& main, MainCommand command, std::function<void(bool)>& shownChanged, bool repaint)
{
    shownChanged = [&main, command, repaint](bool shown) {
        main.action(command)->setEnabled(!shown);
        if (repaint) main.repaintMap();
    };
}

// Goes to a planet found by "Find Planet": selects it (shown by its altname when it has one),
// centres the map on it and shows it in the planet panel and an open planet view.
void goToPlanet(TFormMain& main, const planetrecord& planet)
{
    QAction* circles = main.toggleAction(tgCircles);
    if (!circles->isChecked()) circles->trigger();
    ViewState& view = main.session().view();
    view.secondselection.clear();
    view.firstselection.x = planet.x;
    view.firstselection.y = planet.y;
    view.firstselection.ownercode = planet.ownercode;
    view.firstselection.name = planet.altname.empty() ? planet.name : planet.altname;
    main.CentreMapOn(planet.x, planet.y);
    main.ShowPlanetPanel(PanelShows::Planet, &planet, planet.name.str(), planet.x, planet.y);
    if (main.shipDesignRecompute) main.shipDesignRecompute();
    if (TFormPlanetView* planetView = installedPlanetView(main); planetView && planetView->isVisible())
        planetView->ShowPlanet(fromGame(planet.name.view()));
}

} // namespace

void installRaceWindows(TFormMain& main)
{
    Session& session = main.session();

    auto* overview = new TFormTurnInfo(&main);
    overview->hide();
    followButton(main, MainCommand::TurnOverview, overview->onShownChanged, false);
    main.enableCommand(MainCommand::TurnOverview, [overview, &session] {
        overview->FormShow(session.game());
        bringUp(overview);
    });
    main.setRefreshHook(OpenView::TurnInfo, [overview, &session](const std::string&) {
        if (overview->isVisible()) overview->FormShow(session.game());
    });

    auto* races = new TFormShowRaces(&main);
    races->hide();
    followButton(main, MainCommand::Races, races->onShownChanged, true);
    races->onSelectionChanged = [&main] { main.repaintMap(); };
    main.enableCommand(MainCommand::Races, [races, &session] {
        races->FormShow(session.game());
        bringUp(races);
    });
    main.setRefreshHook(OpenView::ShowRaces, [&main, races, &session](const std::string&) {
        if (!races->isVisible()) return;
        // The new turn's table starts without a selection: the map drops its mark.
        const bool marked = !races->selectedRace().empty();
        races->FormShow(session.game());
        if (marked) main.repaintMap();
    });

    auto* findPlanet = new TFormFindPlanet(&main);
    findPlanet->hide();
    followButton(main, MainCommand::FindPlanet, findPlanet->onShownChanged, false);
    findPlanet->onTextChanged = [&main, &session](const QString& text) {
        if (const planetrecord* p = findPlanetByName(session.game().turn.planets, toGame(text))) goToPlanet(main, *p);
    };
    main.enableCommand(MainCommand::FindPlanet, [findPlanet, &session] {
        bringUp(findPlanet);
        findPlanet->FormShow(planetChoices(session.game().turn.planets));
    });

    auto* findRace = new TFormFindRace(&main);
    findRace->hide();
    followButton(main, MainCommand::FindRace, findRace->onShownChanged, true);
    findRace->onChanged = [&main] { main.repaintMap(); };
    main.enableCommand(MainCommand::FindRace, [&main, findRace, &session] {
        bringUp(findRace);
        findRace->FormShow(raceChoices(session.game()));
        main.repaintMap();
    });

    // The map asks the open windows what to highlight; the races table wins over "Find Race".
    main.mapHighlight = [findRace, races] {
        MapHighlight h;
        if (findRace->isVisible()) {
            h.findRace = findRace->raceName();
            h.findRaceShips = findRace->withShips();
        }
        if (races->isVisible() && !races->selectedRace().empty()) h.racesTableSelection = races->selectedRace();
        return h;
    };

    // The screenshot mode opens them by name; the searches with something to show.
    main.registerWindow(QStringLiteral("overview"), [&main] {
        main.action(MainCommand::TurnOverview)->trigger();
        return installedTurnInfo(main);
    });
    main.registerWindow(QStringLiteral("races"), [&main, races, &session] {
        main.action(MainCommand::Races)->trigger();
        for (const playerrecord& p : session.game().turn.players)
            if (p.name != session.game().ownrace) {
                races->selectRace(p.name.str());
                break;
            }
        return races;
    });
    main.registerWindow(QStringLiteral("findplanet"), [&main, findPlanet] {
        main.action(MainCommand::FindPlanet)->trigger();
        if (findPlanet->ComboBoxPlanet->count() > 0) findPlanet->ComboBoxPlanet->setCurrentIndex(0);
        return findPlanet;
    });
    main.registerWindow(QStringLiteral("findrace"), [&main, findRace] {
        main.action(MainCommand::FindRace)->trigger();
        if (findRace->ComboBoxRace->count() > 0) findRace->ComboBoxRace->setCurrentIndex(0);
        findRace->CheckBoxShips->setChecked(true);
        main.repaintMap();
        return findRace;
    });
}

TFormTurnInfo* installedTurnInfo(TFormMain& main)
{
    return main.findChild<TFormTurnInfo*>(QStringLiteral("FormTurnInfo"), Qt::FindDirectChildrenOnly);
}

TFormShowRaces* installedRacesTable(TFormMain& main)
{
    return main.findChild<TFormShowRaces*>(QStringLiteral("FormShowRaces"), Qt::FindDirectChildrenOnly);
}

TFormFindPlanet* installedFindPlanet(TFormMain& main)
{
    return main.findChild<TFormFindPlanet*>(QStringLiteral("FormFindPlanet"), Qt::FindDirectChildrenOnly);
}

TFormFindRace* installedFindRace(TFormMain& main)
{
    return main.findChild<TFormFindRace*>(QStringLiteral("FormFindRace"), Qt::FindDirectChildrenOnly);
}

} // namespace orrery
