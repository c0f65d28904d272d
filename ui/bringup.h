#pragma once

// Showing one of the program's windows the way the main window's commands do: where the player
// left it (also in an earlier run of the program), centred on the screen the very first time,
// and brought to the front.

class QWidget;

namespace orrery {

void bringUp(QWidget* window);

} // namespace orrery
