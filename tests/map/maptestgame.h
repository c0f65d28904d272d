#pragma once

// Small hand-made games for the map's tests; the records come from the shared builders.

#include "mapgeometry.h"
#include "testkit.h"
#include "viewstate.h"

namespace orrery::maptest {

using test::makeGroup;
using test::makePlanet;
using test::makePlayer;

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

// A viewport of width x height pixels over the canvas of the game at a zoom, scrolled to 0, 0.
inline MapScroll viewport(const Game& game, std::int32_t zoom, int width, int height)
{
    MapScroll scroll;
    scroll.h.viewport = width;
    scroll.v.viewport = height;
    setCanvasSize(scroll, game, zoom);
    return scroll;
}

// A viewport exactly as large as the canvas: everything is in view.
inline MapScroll wholeCanvas(const Game& game, std::int32_t zoom)
{
    return viewport(game, zoom, canvasWidth(game.mapwidth, zoom), canvasHeight(game.mapheight, zoom));
}

} // namespace orrery::maptest
