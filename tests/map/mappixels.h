#pragma once

// The one way the map's drawing tests state pixels: tables of (x, y, colour) rows checked against
// a canvas, each failure naming the pixel, the colour found and the colour expected; and the
// pixels of a canvas as a set, to compare bounds and counts.

#include "mapcanvas.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace orrery::maptest {

struct Pixel {
    int x, y;
    QRgb colour;
};
using Pixels = std::vector<Pixel>;

inline std::string colourName(QRgb colour)
{
    namespace c = mapcolour;
    static const std::pair<QRgb, const char*> names[] = {
        {c::white, "white"}, {c::black, "black"}, {c::gray, "gray"},       {c::silver, "silver"},
        {c::yellow, "yellow"}, {c::lime, "lime"}, {c::green, "green"},     {c::red, "red"},
        {c::blue, "blue"},   {c::fuchsia, "fuchsia"}, {c::aqua, "aqua"},   {c::olive, "olive"},
        {c::navy, "navy"}};
    for (const auto& [value, name] : names)
        if (value == colour) return name;
    char hex[16];
    std::snprintf(hex, sizeof hex, "#%06X", static_cast<unsigned>(colour));
    return hex;
}

inline void expectPixels(const MapCanvas& canvas, const Pixels& rows)
{
    for (const Pixel& p : rows) {
        const QRgb found = canvas.pixel(p.x, p.y);
        if (found != p.colour)
            ADD_FAILURE() << "pixel (" << p.x << ", " << p.y << ") is " << colourName(found) << ", expected "
                          << colourName(p.colour);
    }
}

// Two canvases agree on every pixel of an area; the first difference is named.
inline void expectSamePixels(const MapCanvas& actual, const MapCanvas& expected, const QRect& area)
{
    int differences = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y) && differences++ == 0)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << colourName(actual.pixel(x, y))
                              << ", expected " << colourName(expected.pixel(x, y));
    EXPECT_EQ(differences, 0) << "pixels that differ";
}

using PixelSet = std::set<std::pair<int, int>>;

// The canvas pixels of a colour, or of any colour but black.
inline PixelSet pixelsOf(const MapCanvas& canvas, std::optional<QRgb> colour = std::nullopt)
{
    PixelSet out;
    const QRect a = canvas.area();
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x) {
            const QRgb p = canvas.pixel(x, y);
            if (colour ? p == *colour : p != mapcolour::black) out.insert({x, y});
        }
    return out;
}

inline std::size_t countOf(const MapCanvas& canvas, QRgb colour) { return pixelsOf(canvas, colour).size(); }

inline QRect bounds(const PixelSet& pixels)
{
    QRect r;
    for (const auto& [x, y] : pixels) r = r.united(QRect(x, y, 1, 1));
    return r;
}

} // namespace orrery::maptest
