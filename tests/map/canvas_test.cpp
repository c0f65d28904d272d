// The canvas primitives' pixel rules, checked pixel by pixel on the image.

#include "mapcanvas.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <cstdlib>
#include <random>
#include <set>
#include <utility>

namespace orrery {
namespace {

namespace c = mapcolour;
using Pixels = std::set<std::pair<int, int>>;

// Canvas pixels (x, y) of a colour, or of any colour but black.
Pixels pixelsOf(const MapCanvas& canvas, std::optional<QRgb> colour = std::nullopt)
{
    Pixels out;
    const QRect a = canvas.area();
    for (int y = a.top(); y <= a.bottom(); ++y)
        for (int x = a.left(); x <= a.right(); ++x) {
            const QRgb p = canvas.pixel(x, y);
            if (colour ? p == *colour : p != c::black) out.insert({x, y});
        }
    return out;
}

QRect bounds(const Pixels& pixels)
{
    QRect r;
    for (const auto& [x, y] : pixels) r = r.united(QRect(x, y, 1, 1));
    return r;
}

TEST(MapCanvas, LineExcludesItsEndPoint)
{
    struct Row {
        int x1, y1, x2, y2;
    };
    for (const Row& r : {Row{2, 5, 12, 5}, Row{12, 5, 2, 5}, Row{5, 2, 5, 12}, Row{5, 12, 5, 2}, Row{2, 2, 12, 12},
                         Row{12, 12, 2, 2}, Row{2, 12, 12, 2}, Row{12, 2, 2, 12}, Row{1, 3, 15, 8}, Row{15, 8, 1, 3},
                         Row{3, 1, 8, 15}, Row{8, 15, 3, 1}}) {
        SCOPED_TRACE(testing::Message() << "(" << r.x1 << "," << r.y1 << ") to (" << r.x2 << "," << r.y2 << ")");
        MapCanvas canvas(QRect(0, 0, 20, 20));
        canvas.setPen(c::white);
        canvas.line(r.x1, r.y1, r.x2, r.y2);
        const Pixels drawn = pixelsOf(canvas);
        EXPECT_TRUE(drawn.count({r.x1, r.y1})) << "start drawn";
        EXPECT_FALSE(drawn.count({r.x2, r.y2})) << "end not drawn";
        const int steps = std::max(std::abs(r.x2 - r.x1), std::abs(r.y2 - r.y1));
        EXPECT_EQ(static_cast<int>(drawn.size()), steps) << "one pixel per step along the longer axis";
        // Every pixel lies within half a pixel of the ideal line, across the shorter axis.
        for (const auto& [x, y] : drawn) {
            const double cross = std::abs(static_cast<double>(r.x2 - r.x1) * (y - r.y1) -
                                          static_cast<double>(r.y2 - r.y1) * (x - r.x1)) /
                                 steps;
            EXPECT_LE(cross, 0.5 + 1e-9) << x << "," << y;
        }
    }
    MapCanvas canvas(QRect(0, 0, 8, 8));
    canvas.line(3, 3, 3, 3);
    EXPECT_TRUE(pixelsOf(canvas).empty()) << "a line to its own start draws nothing";
}

TEST(MapCanvas, RectangleCoversX1ToX2MinusOne)
{
    MapCanvas canvas(QRect(0, 0, 20, 20));
    canvas.setPen(c::white);
    canvas.setBrush(c::red);
    canvas.rectangle(3, 4, 9, 8);
    EXPECT_EQ(bounds(pixelsOf(canvas)), QRect(QPoint(3, 4), QPoint(8, 7)));
    EXPECT_EQ(pixelsOf(canvas, c::white).size(), 2u * 6 + 2u * 2) << "outline";
    EXPECT_EQ(pixelsOf(canvas, c::red).size(), 4u * 2) << "inside in the brush colour";

    MapCanvas clear(QRect(0, 0, 20, 20));
    clear.setPen(c::white);
    clear.setBrush(c::blue);
    clear.setClearBrush();
    clear.rectangle(3, 4, 9, 8);
    EXPECT_TRUE(pixelsOf(clear, c::blue).empty());
    EXPECT_EQ(clear.pixel(5, 5), c::black) << "a clear brush leaves the inside alone";
    EXPECT_EQ(pixelsOf(clear, c::white).size(), 16u);

    struct Row {
        int x1, y1, x2, y2;
        std::size_t pixels;
    };
    for (const Row& r : {Row{5, 5, 6, 6, 1}, Row{5, 5, 6, 9, 4}, Row{5, 5, 5, 9, 0}, Row{5, 5, 4, 9, 0}}) {
        SCOPED_TRACE(testing::Message() << r.x1 << "," << r.y1 << "," << r.x2 << "," << r.y2);
        MapCanvas small(QRect(0, 0, 12, 12));
        small.setPen(c::white);
        small.setBrush(c::white);
        small.rectangle(r.x1, r.y1, r.x2, r.y2);
        EXPECT_EQ(pixelsOf(small).size(), r.pixels);
    }
}

TEST(MapCanvas, FillHasNoOutline)
{
    MapCanvas canvas(QRect(0, 0, 12, 12));
    canvas.setPen(c::white);
    canvas.setBrush(c::silver);
    canvas.fill(2, 3, 5, 6);
    const Pixels drawn = pixelsOf(canvas);
    EXPECT_EQ(drawn, pixelsOf(canvas, c::silver));
    EXPECT_EQ(bounds(drawn), QRect(2, 3, 3, 3));
}

TEST(MapCanvas, EllipseInscribedInTheBox)
{
    struct Row {
        int x1, y1, x2, y2;
    };
    for (const Row& r : {Row{2, 2, 7, 7}, Row{2, 2, 4, 4}, Row{3, 1, 14, 12}, Row{1, 4, 18, 9}, Row{4, 4, 5, 9}}) {
        SCOPED_TRACE(testing::Message() << r.x1 << "," << r.y1 << "," << r.x2 << "," << r.y2);
        for (bool solid : {true, false}) {
            MapCanvas canvas(QRect(0, 0, 20, 20));
            canvas.setPen(c::lime);
            canvas.setBrush(c::blue);
            if (!solid) canvas.setClearBrush();
            canvas.ellipse(r.x1, r.y1, r.x2, r.y2);
            const Pixels drawn = pixelsOf(canvas);
            EXPECT_EQ(bounds(drawn), QRect(QPoint(r.x1, r.y1), QPoint(r.x2 - 1, r.y2 - 1)));
            // No antialiasing: only the pen and brush colours appear.
            std::size_t lime = pixelsOf(canvas, c::lime).size(), blue = pixelsOf(canvas, c::blue).size();
            EXPECT_EQ(lime + blue, drawn.size());
            if (!solid) {
                EXPECT_EQ(blue, 0u);
            } else if (r.x2 - r.x1 >= 5 && r.y2 - r.y1 >= 5) {
                EXPECT_GT(blue, 0u);
            }
            // Symmetric about the box's centre lines.
            for (const auto& [x, y] : drawn) {
                EXPECT_TRUE(drawn.count({r.x1 + r.x2 - 1 - x, y})) << x << "," << y;
                EXPECT_TRUE(drawn.count({x, r.y1 + r.y2 - 1 - y})) << x << "," << y;
            }
        }
    }
}

TEST(MapCanvas, FiveByFiveSymbolIsRound)
{
    MapCanvas canvas(QRect(0, 0, 5, 5));
    canvas.setPen(c::lime);
    canvas.setBrush(c::lime);
    canvas.ellipse(0, 0, 5, 5);
    // Corners stay black, the middle of every edge is drawn.
    for (const auto& [x, y] : {std::pair{0, 0}, {4, 0}, {0, 4}, {4, 4}}) EXPECT_EQ(canvas.pixel(x, y), c::black);
    for (const auto& [x, y] : {std::pair{2, 0}, {0, 2}, {4, 2}, {2, 4}, {2, 2}}) EXPECT_EQ(canvas.pixel(x, y), c::lime);
}

TEST(MapCanvas, TriangleIsFilled)
{
    MapCanvas canvas(QRect(0, 0, 20, 20));
    canvas.setPen(c::gray);
    canvas.setBrush(c::gray);
    canvas.triangle(10, 10, 6, 6, 6, 14);
    EXPECT_EQ(canvas.pixel(10, 10), c::gray);
    EXPECT_EQ(canvas.pixel(6, 6), c::gray);
    EXPECT_EQ(canvas.pixel(7, 10), c::gray) << "inside";
    EXPECT_EQ(canvas.pixel(11, 10), c::black);
    EXPECT_EQ(bounds(pixelsOf(canvas)), QRect(QPoint(6, 6), QPoint(10, 14)));
}

TEST(MapCanvas, TextSitsInItsCell)
{
    MapCanvas canvas(QRect(0, 0, 120, 40));
    const std::string label = "Alpha 12";
    const int w = canvas.textWidth(label), h = canvas.textHeight(label);
    ASSERT_GT(w, 20);
    ASSERT_GT(h, 8);
    canvas.setFontColour(c::gray);
    canvas.setClearBrush();
    canvas.text(10, 5, label);
    const Pixels ink = pixelsOf(canvas);
    ASSERT_FALSE(ink.empty());
    EXPECT_EQ(ink, pixelsOf(canvas, c::gray)) << "no antialiasing: one colour only";
    EXPECT_TRUE(QRect(10, 5, w, h).contains(bounds(ink)));

    MapCanvas cell(QRect(0, 0, 120, 40));
    cell.setFontColour(c::white);
    cell.setBrush(c::blue);
    cell.text(10, 5, label);
    EXPECT_EQ(bounds(pixelsOf(cell)), QRect(10, 5, w, h)) << "a solid brush paints the whole cell";
    EXPECT_EQ(pixelsOf(cell, c::white).size(), ink.size()) << "the same glyphs";
    EXPECT_EQ(canvas.textWidth("Alpha"), cell.textWidth("Alpha"));
    EXPECT_LT(canvas.textWidth("Alpha"), w);
}

// A canvas over part of a large area draws exactly what a canvas over the whole area draws there.
TEST(MapCanvas, PartialImageMatchesTheWholeCanvas)
{
    auto draw = [](MapCanvas& canvas) {
        canvas.setPen(c::white);
        canvas.line(-5000, -3000, 9000, 4000); // far beyond the image on both sides
        canvas.line(8000, 10, 10, 2000);
        canvas.setPen(c::red);
        canvas.setClearBrush();
        canvas.ellipse(-400, -300, 700, 900);
        canvas.rectangle(100, 100, 6000, 6000);
        canvas.setBrush(c::aqua);
        canvas.fill(190, 190, 205, 203);
        canvas.setFontColour(c::yellow);
        canvas.text(195, 220, "Name");
        canvas.setPen(c::gray);
        canvas.setBrush(c::gray);
        canvas.triangle(230, 180, 210, 170, 210, 190);
    };
    MapCanvas whole(QRect(0, 0, 400, 400));
    draw(whole);
    MapCanvas part(QRect(180, 160, 70, 90));
    draw(part);
    int differences = 0;
    for (int y = 160; y < 250; ++y)
        for (int x = 180; x < 250; ++x) differences += whole.pixel(x, y) != part.pixel(x, y);
    EXPECT_EQ(differences, 0);
    EXPECT_FALSE(pixelsOf(part).empty());
    EXPECT_EQ(part.image().width(), 70);
    EXPECT_EQ(part.pixel(100, 100), c::black) << "outside the image reads black";
}

// Long lines that cross a small image: the clipped walk colours exactly the pixels of the whole
// line that fall into the image (the whole line walked step by step as the reference).
TEST(MapCanvas, ClippedLinesMatchTheWholeLine)
{
    std::mt19937 random(11);
    std::uniform_int_distribution<int> far(-20000, 20000), near(0, 59);
    const QRect window(300, 200, 60, 40);
    for (int k = 0; k < 300; ++k) {
        // Through a point of the window, from and to far away (or, now and then, short).
        const int px = window.left() + near(random), py = window.top() + near(random) % 40;
        const int x1 = k % 10 == 0 ? px - 3 : far(random), y1 = k % 10 == 0 ? py + 2 : far(random);
        const int x2 = 2 * px - x1 + near(random) % 3, y2 = 2 * py - y1 - near(random) % 3;
        SCOPED_TRACE(testing::Message() << "(" << x1 << "," << y1 << ") to (" << x2 << "," << y2 << ")");
        MapCanvas canvas(window);
        canvas.setPen(c::white);
        canvas.line(x1, y1, x2, y2);
        Pixels expected;
        const long long dx = x2 - x1, dy = y2 - y1;
        const long long n = std::max(std::llabs(dx), std::llabs(dy));
        for (long long i = 0; i < n; ++i) {
            // The pixel nearest to i/n of the way, halves away from the start.
            const long long x = x1 + (dx >= 0 ? 1 : -1) * ((2 * i * std::llabs(dx) + n) / (2 * n));
            const long long y = y1 + (dy >= 0 ? 1 : -1) * ((2 * i * std::llabs(dy) + n) / (2 * n));
            if (window.contains(static_cast<int>(x), static_cast<int>(y))) expected.insert({int(x), int(y)});
        }
        EXPECT_EQ(pixelsOf(canvas), expected);
    }
}

// Small ellipses (planet symbols, battle rings) are copied from a cache; they must be exactly what
// the painter draws in place.
TEST(MapCanvas, SmallEllipsesAreThePaintersOwn)
{
    for (int w = 2; w <= 24; w += 3) {
        for (int h : {w, w + 1, 2 * w}) {
            for (bool solid : {true, false}) {
                SCOPED_TRACE(testing::Message() << w << " x " << h << (solid ? " filled" : " outline"));
                MapCanvas canvas(QRect(-7, 3, 80, 80));
                canvas.setPen(c::lime);
                canvas.setBrush(c::red);
                if (!solid) canvas.setClearBrush();
                canvas.ellipse(-3, 9, -3 + w, 9 + h);
                QImage reference(80, 80, QImage::Format_RGB32);
                reference.fill(0xFF000000u);
                {
                    QPainter p(&reference);
                    p.translate(7, -3);
                    p.setPen(QColor(0, 255, 0));
                    p.setBrush(solid ? QBrush(QColor(255, 0, 0)) : QBrush(Qt::NoBrush));
                    p.drawEllipse(QRect(-3, 9, w - 1, h - 1));
                }
                int differences = 0;
                for (int y = 0; y < 80; ++y)
                    for (int x = 0; x < 80; ++x)
                        differences += (reference.pixel(x, y) & 0xFFFFFFu) != canvas.pixel(x - 7, y + 3);
                EXPECT_EQ(differences, 0);
            }
        }
    }
}

TEST(MapCanvas, HugeCircleAroundTheImageDrawsNothing)
{
    MapCanvas canvas(QRect(5000, 5000, 50, 50));
    canvas.setPen(c::white);
    canvas.setClearBrush();
    canvas.ellipse(0, 0, 10000, 10000); // passes far outside the image
    EXPECT_TRUE(pixelsOf(canvas).empty());
    canvas.ellipse(5000 - 3000, 0, 5025, 10000); // its right edge crosses the image
    EXPECT_FALSE(pixelsOf(canvas).empty());
    canvas.ellipse(-2000000000, -2000000000, 2000000000, 2000000000); // no overflow
}

} // namespace
} // namespace orrery
