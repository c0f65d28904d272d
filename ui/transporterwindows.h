#pragma once

// The transporter planner in the main window: the move editor's "Create automatically" /
// "Develop planets ..." opens it (the entry is disabled while it is open); its OK writes the
// orders into the editor's move, and a planet row pressed selects that planet on the map.
//
//     installTransporterWindow(main); // once, from the main window's constructor

namespace orrery {

class TFormMain;
class TFormMoveTransporter;

void installTransporterWindow(TFormMain& main);
// The window installed in a main window, or nullptr.
TFormMoveTransporter* installedTransporterWindow(TFormMain& main);

} // namespace orrery
