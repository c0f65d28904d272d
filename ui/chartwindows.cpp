#include "chartwindows.h"

#include "TFormChart.h"
#include "TFormMain.h"
#include "bringup.h"
#include "TFormYourPlanets.h"

#include <QAction>
#include <QComboBox>

namespace orrery {

namespace {

void installYourPlanets(TFormMain& main)
{
    auto* form = new TFormYourPlanets(main.session(), &main);
    form->hide();
    form->onShownChanged = [&main](bool shown) { main.action(MainCommand::YourPlanets)->setEnabled(!shown); };
    form->onPlanetClicked = [&main](const QString& planet) { main.SelectPlanet(planet); };
    main.enableCommand(MainCommand::YourPlanets, [form] {
        bringUp(form);
        form->FormShow();
    });
    main.registerWindow(QStringLiteral("yourplanets"), [&main, form] {
        main.action(MainCommand::YourPlanets)->trigger();
        return form;
    });
    main.setRefreshHook(OpenView::YourPlanets, [form](const std::string&) {
        if (form->isVisible()) form->FormShow();
    });
}

void installChart(TFormMain& main)
{
    auto* form = new TFormChart(main.session(), &main);
    form->hide();
    form->onShownChanged = [&main](bool shown) { main.action(MainCommand::Chart)->setEnabled(!shown); };
    main.enableCommand(MainCommand::Chart, [form] {
        bringUp(form);
        form->FormShow();
    });
    // The screenshot shows what a player looks at first: the five strongest races.
    main.registerWindow(QStringLiteral("chart"), [&main, form] {
        main.action(MainCommand::Chart)->trigger();
        form->ComboBoxRace->setCurrentIndex(chartTop5);
        return form;
    });
    main.setRefreshHook(OpenView::Chart, [form](const std::string&) {
        if (form->isVisible()) form->FormShow();
    });
}

} // namespace

void installChartWindows(TFormMain& main)
{
    installYourPlanets(main);
    installChart(main);
}

TFormYourPlanets* installedYourPlanets(TFormMain& main)
{
    return main.findChild<TFormYourPlanets*>(QStringLiteral("FormYourPlanets"), Qt::FindDirectChildrenOnly);
}

TFormChart* installedChart(TFormMain& main)
{
    return main.findChild<TFormChart*>(QStringLiteral("FormChart"), Qt::FindDirectChildrenOnly);
}

} // namespace orrery
