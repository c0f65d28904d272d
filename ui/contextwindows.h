#pragma once

// Orders from everywhere: the context menus of the tables, texts and lists that show planets,
// races, fleets, ship types and groups, and the group area tools of the move editor.
//
//     installContextWindows(main); // once, after every other window was installed
//
// A chosen menu entry opens the move editor with its command window filled in, or adds its order
// at once. The move editor's "Scan area...", "Send all groups from planet ..." and "Intercept
// planet from planet ..." open their windows; a press on the map fills the scan area's fields.
// The screenshot mode knows "scanarea", "sendgroups" and "intercept".

namespace orrery {

class TFormMain;
class TFormMoveScanArea;
class TFormMoveSendFromPlanet;

void installContextWindows(TFormMain& main);
// The windows installed in a main window, or nullptr.
TFormMoveScanArea* installedScanArea(TFormMain& main);
TFormMoveSendFromPlanet* installedSendFromPlanet(TFormMain& main);

} // namespace orrery
