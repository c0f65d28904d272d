#include "calculatorwindows.h"

#include "TFormMain.h"
#include "bringup.h"
#include "TFormMove.h"
#include "TFormMoveC7.h"
#include "TFormPlanetView.h"
#include "TFormShipDesign.h"
#include "orderwindows.h"

#include <QAction>
#include <QLineEdit>

namespace orrery {

namespace {

// The planet last selected on the map: the second selection when set, else the first.
QString recentSelection(const Session& session)
{
    const mapselection* s = session.view().recentSelection();
    return s == nullptr ? QString() : fromGame(s->name.view());
}

// The screenshot mode opens a window with a planet to show: the one selected, else the own
// race's first.
void selectSomePlanet(TFormMain& main)
{
    Session& session = main.session();
    if (session.view().recentSelection() != nullptr) return;
    for (const planetrecord& p : session.game().turn.planets)
        if (p.owner == session.game().ownrace) {
            main.SelectPlanet(fromGame(p.name.view()));
            return;
        }
}

void installShipDesigner(TFormMain& main)
{
    Session& session = main.session();
    auto* designer = new TFormShipDesign(session, main.messageBoxes(), &main);
    designer->hide();
    designer->onShownChanged = [&main](bool shown) { main.action(MainCommand::ShipDesign)->setEnabled(!shown); };
    main.enableCommand(MainCommand::ShipDesign, [designer] {
        designer->FormShow();
        bringUp(designer);
    });
    main.registerWindow(QStringLiteral("shipdesign"), [&main, designer] {
        selectSomePlanet(main);
        main.action(MainCommand::ShipDesign)->trigger();
        return designer;
    });
    main.setRefreshHook(OpenView::ShipDesign, [designer](const std::string&) {
        if (designer->isVisible()) designer->FormShow();
    });
    main.shipDesignRecompute = [designer] {
        if (designer->isVisible()) designer->Recompute();
    };
    main.shipDesignTechnologies = [designer] {
        if (designer->isVisible()) designer->TechnologySequence();
    };

    // The orders editor's design order takes the designer's name and five values.
    if (TFormMove* move = installedMoveEditor(main)) {
        if (auto* c7 = dynamic_cast<TFormMoveC7*>(move->commandWindow(CommandWindowId::C7))) {
            c7->ButtonTakeFromDesigner->setEnabled(true);
            QObject::connect(c7->ButtonTakeFromDesigner, &QPushButton::clicked, c7, [c7, designer] {
                const DesignerFields values = designer->designerFields();
                c7->edit(0)->setText(fromGame(values.name));
                for (int i = 0; i < 5; ++i) c7->edit(i + 1)->setText(fromGame(values.fields[static_cast<std::size_t>(i)]));
            });
        }
    }
}

void installPlanetView(TFormMain& main)
{
    Session& session = main.session();
    auto* view = new TFormPlanetView(session, main.messageBoxes(), &main);
    view->hide();
    QAction* button = main.action(MainCommand::PlanetView);
    view->onShownChanged = [button](bool shown) { button->setEnabled(!shown); };
    view->onIntelligenceUpdated = [&main](const QString& planet) {
        main.repaintMap();
        main.SelectPlanet(planet);
    };
    auto open = [view, &session] {
        bringUp(view);
        view->ShowPlanet(recentSelection(session));
    };
    main.enableCommand(MainCommand::PlanetView, [&main, &session, view, button, open] {
        if (!button->isChecked() || view->isVisible()) {
            if (button->isChecked()) main.action(MainCommand::ZoomOnMouse)->setChecked(false);
            return;
        }
        // Nothing selected: the button stays down until a planet is pressed on the map.
        if (session.view().recentSelection() == nullptr) {
            main.action(MainCommand::ZoomOnMouse)->setChecked(false);
            return;
        }
        button->setChecked(false);
        open();
    });
    main.addPressFollowUp([view, button, open, &session](const PressResult* press) {
        if (press == nullptr) return;
        if (button->isChecked() && !view->isVisible() && session.view().recentSelection() != nullptr) {
            button->setChecked(false);
            bringUp(view);
        }
        if (!view->isVisible()) return;
        for (const PanelRequest& r : press->panels)
            if (r.what == PanelShows::Planet) view->ShowPlanet(fromGame(r.name));
    });
    main.registerWindow(QStringLiteral("planetview"), [&main, view, open] {
        selectSomePlanet(main);
        open();
        return view;
    });
    main.setRefreshHook(OpenView::PlanetView, [view](const std::string& planet) {
        if (!view->isVisible()) return;
        // A turn without the selected planet closes the window.
        if (planet.empty()) {
            view->close();
            return;
        }
        view->FormShow();
        view->ShowPlanet(fromGame(planet));
    });
}

} // namespace

void installCalculatorWindows(TFormMain& main)
{
    installShipDesigner(main);
    installPlanetView(main);
}

TFormShipDesign* installedShipDesigner(TFormMain& main)
{
    return main.findChild<TFormShipDesign*>(QStringLiteral("FormShipDesign"), Qt::FindDirectChildrenOnly);
}

TFormPlanetView* installedPlanetView(TFormMain& main)
{
    return main.findChild<TFormPlanetView*>(QStringLiteral("FormPlanetView"), Qt::FindDirectChildrenOnly);
}

} // namespace orrery
