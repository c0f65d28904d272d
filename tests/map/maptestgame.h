#pragma once

// Small hand-made games for the map's tests.

#include "gamedata.h"
#include "mapgeometry.h"
#include "viewstate.h"

#include <string>

namespace orrery::maptest {

inline planetrecord planet(const std::string& name, double x, double y, std::int32_t ownercode = ocOther,
                           double size = 500)
{
    planetrecord p;
    p.name = name;
    p.x = x;
    p.y = y;
    p.ownercode = ownercode;
    p.size = size;
    return p;
}

inline Game galaxy(std::int32_t width = 100, std::int32_t height = 100, std::int32_t gametype = gtStandard)
{
    Game game;
    game.gametype = gametype;
    game.mapwidth = width;
    game.mapheight = height;
    game.ownrace = "Me";
    return game;
}

inline ViewState zoomed(std::int32_t zoom)
{
    ViewState view;
    view.zoomfactor = zoom;
    return view;
}

// A viewport exactly as large as the canvas: everything is in view.
inline MapScroll wholeCanvas(const Game& game, std::int32_t zoom)
{
    MapScroll scroll;
    scroll.h.canvas = scroll.h.viewport = canvasWidth(game.mapwidth, zoom);
    scroll.v.canvas = scroll.v.viewport = canvasHeight(game.mapheight, zoom);
    return scroll;
}

} // namespace orrery::maptest
