#pragma once

// The everyday start of the program: the demo game offered when there is no configuration at
// all, the recently opened games in the System menu, a report dropped onto the main window, and
// the keys of the map.

#include <QString>
#include <QStringList>

namespace orrery {

class TFormMain;

void installFirstRunWindows(TFormMain& main);

// Opens the game of the report of any of its turns (the report of turn 0 beside it is found);
// a missing turn 0 is reported naming the file. False when no game was opened.
bool openGameOf(TFormMain& main, const QString& report);

// Writes the demo game (twelve turns of the race Orion) into the folder unless its turn 0 is
// there already, and opens it as a new configuration.
bool openDemoGame(TFormMain& main, const QString& folder);
// Where the demo game is kept: "demo" in the program's data folder of the user.
QString demoGameFolder();

// The recently opened games (reports of turn 0), newest first, as stored.
QStringList recentGames(TFormMain& main);

} // namespace orrery
