#pragma once

// The planets table ("Show Planets") and the statistics chart in the main window.
//
//     installChartWindows(main); // once, from the main window's constructor
//
// Each window's button (and menu entry) shows it and is disabled while it is open; an open window
// is refilled after every change of turn. A click on a planet row selects it on the map.

namespace orrery {

class TFormMain;
class TFormChart;
class TFormYourPlanets;

void installChartWindows(TFormMain& main);
TFormYourPlanets* installedYourPlanets(TFormMain& main);
TFormChart* installedChart(TFormMain& main);

} // namespace orrery
