#pragma once

// The statistics of all turns, as a start of a configuration builds them for the chart.

#include "session.h"

#include <functional>
#include <vector>

namespace orrery {

// The statistics of turns 0 to game.lastturn of a game's report set, read from the status tables
// (a missing report leaves an empty node), and the races the chart offers: every race by name in
// the order they first appear (Standard and Blind Galaxy), or the races of the shown turn
// (GalaxyNG, whose statistics are keyed by position). The first race is shown. progress is told
// each turn before it is read.
void buildTurnStatistics(const Game& game, std::vector<turnstatnode>& turnstats,
                         std::vector<chartracerecord>& chartraces, const std::function<void(int)>& progress = {});
// Adds the nodes of the turns after the last node up to game.lastturn (new reports of a running
// game) and brings the chart's races up to what a start would offer; the races chosen for the
// chart stay chosen.
void extendTurnStatistics(const Game& game, std::vector<turnstatnode>& turnstats,
                          std::vector<chartracerecord>& chartraces);

} // namespace orrery
