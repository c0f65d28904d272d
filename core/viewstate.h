#pragma once

// The small view state of the star map that the game session shares with the map: the zoom, the
// map position stored with a configuration and the two planet selections.

#include "gamedata.h"

#include <cstdint>

namespace orrery {

// A selected object of the map: a planet, or a mark of the text map ("ship").
struct mapselection {
    double x = unknownposition; // unknownposition: nothing selected
    double y = unknownposition;
    std::int32_t ownercode = 0; // the planet's owner code, 3 for a map mark
    std::int32_t radiusx = 0;   // offsets from the symbol's top-left corner to its centre
    std::int32_t radiusy = 0;
    shortname name;

    bool isSet() const { return x != unknownposition; }
    void clear() { *this = mapselection(); }
};

struct ViewState {
    std::int32_t zoomfactor = -1; // canvas pixels per map unit; -1 before the first turn is shown
    std::int32_t savedzoom = -1;
    std::int32_t savedscrollx = -1;
    std::int32_t savedscrolly = -1;
    mapselection firstselection;
    mapselection secondselection;

    // The most recent selection: the second when set, else the first; nullptr when none.
    const mapselection* recentSelection() const
    {
        if (secondselection.isSet()) return &secondselection;
        if (firstselection.isSet()) return &firstselection;
        return nullptr;
    }
    void clearSelections()
    {
        firstselection.clear();
        secondselection.clear();
    }
};

constexpr std::int32_t minimumZoom = 1;
constexpr std::int32_t maximumZoom = 35;

} // namespace orrery
