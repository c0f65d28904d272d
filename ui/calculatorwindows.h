#pragma once

// The calculators in the main window: the ship designer and the planet view.
//
//     installCalculatorWindows(main); // once, from the main window's constructor
//
// Each window's button (and menu entry) shows it and is disabled while it is open. The ship
// designer follows the selected planet (number per turn) and the shown turn; the orders editor's
// design order takes its values. The planet view button waits for a press on a planet when none
// is selected; the planet view follows every planet pressed and the shown turn.

namespace orrery {

class TFormMain;
class TFormPlanetView;
class TFormShipDesign;

void installCalculatorWindows(TFormMain& main);
// The windows installed in a main window, or nullptr.
TFormShipDesign* installedShipDesigner(TFormMain& main);
TFormPlanetView* installedPlanetView(TFormMain& main);

} // namespace orrery
