// The canvas primitives' pixel rules, checked pixel by pixel on the image.

#include "mapcanvas.h"
#include "mappixels.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <array>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>

namespace orrery {
namespace {

namespace c = mapcolour;
using namespace maptest;

// The pixels of the line from (x1, y1) to (x2, y2) inside window: with n the distance along the
// longer axis, step i = 0 .. n-1 lies i/n of the way, the shorter axis rounded to the nearest
// pixel, halves away from the start. The end point itself is not drawn.
PixelSet lineReference(int x1, int y1, int x2, int y2, const QRect& window)
{
    PixelSet out;
    const long long dx = x2 - x1, dy = y2 - y1;
    const long long n = std::max(std::llabs(dx), std::llabs(dy));
    for (long long i = 0; i < n; ++i) {
        const long long x = x1 + (dx >= 0 ? 1 : -1) * ((2 * i * std::llabs(dx) + n) / (2 * n));
        const long long y = y1 + (dy >= 0 ? 1 : -1) * ((2 * i * std::llabs(dy) + n) / (2 * n));
        if (window.contains(static_cast<int>(x), static_cast<int>(y))) out.insert({int(x), int(y)});
    }
    return out;
}

// Short lines in every direction on a whole image, then long lines that cross a small image from
// far away: the clipped walk colours exactly the pixels of the whole line inside the image.
TEST(MapCanvas, LinesRunFromTheStartUpToTheEnd)
{
    struct Row {
        int x1, y1, x2, y2;
        QRect window;
    };
    const QRect small(0, 0, 20, 20);
    std::vector<Row> rows;
    for (const auto& [x1, y1, x2, y2] : std::vector<std::array<int, 4>>{
             {2, 5, 12, 5}, {12, 5, 2, 5}, {5, 2, 5, 12}, {5, 12, 5, 2}, {2, 2, 12, 12}, {12, 12, 2, 2}, {2, 12, 12, 2},
             {12, 2, 2, 12}, {1, 3, 15, 8}, {15, 8, 1, 3}, {3, 1, 8, 15}, {8, 15, 3, 1}, {3, 3, 3, 3},
             {2, 19, 15, 25}, {19, 2, 25, 15}, {15, 0, 2, -6}, {0, 15, -6, 2}})
        rows.push_back({x1, y1, x2, y2, small});
    std::mt19937 random(11);
    std::uniform_int_distribution<int> far(-20000, 20000), near(0, 59);
    const QRect window(300, 200, 60, 40);
    for (int k = 0; k < 300; ++k) {
        // Through a point of the window, from and to far away (or, now and then, short).
        const int px = window.left() + near(random), py = window.top() + near(random) % 40;
        const int x1 = k % 10 == 0 ? px - 3 : far(random), y1 = k % 10 == 0 ? py + 2 : far(random);
        rows.push_back({x1, y1, 2 * px - x1 + near(random) % 3, 2 * py - y1 - near(random) % 3, window});
    }
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << "(" << r.x1 << "," << r.y1 << ") to (" << r.x2 << "," << r.y2 << ")");
        MapCanvas canvas(r.window);
        canvas.setPen(c::white);
        canvas.line(r.x1, r.y1, r.x2, r.y2);
        EXPECT_EQ(pixelsOf(canvas), lineReference(r.x1, r.y1, r.x2, r.y2, r.window));
    }
}

// Rectangles (outline over columns x1 .. x2-1 and rows y1 .. y2-1), fills (the same box without
// outline) and triangles, white pen and red brush: bounds, pixels of each colour, single pixels.
TEST(MapCanvas, RectanglesFillsAndTriangles)
{
    using Draw = std::function<void(MapCanvas&)>;
    auto rect = [](int x1, int y1, int x2, int y2) { return Draw([=](MapCanvas& c) { c.rectangle(x1, y1, x2, y2); }); };
    struct Row {
        const char* what;
        Draw draw;
        QRect bounds;
        std::size_t pen, brush;
        Pixels pixels;
    };
    for (const Row& r : {
             Row{"rectangle", rect(3, 4, 9, 8), QRect(QPoint(3, 4), QPoint(8, 7)), 2 * 6 + 2 * 2, 4 * 2,
                 {{3, 4, c::white}, {8, 7, c::white}, {8, 4, c::white}, {3, 7, c::white}, {4, 5, c::red},
                  {7, 6, c::red}}},
             Row{"rectangle with a clear brush: the inside left alone",
                 [](MapCanvas& c) { c.setClearBrush(); c.rectangle(3, 4, 9, 8); }, QRect(QPoint(3, 4), QPoint(8, 7)),
                 16, 0, {{5, 5, c::black}}},
             Row{"1 x 1", rect(5, 5, 6, 6), QRect(5, 5, 1, 1), 1, 0, {}},
             Row{"1 x 4: all outline", rect(5, 5, 6, 9), QRect(5, 5, 1, 4), 4, 0, {}},
             Row{"no width: nothing", rect(5, 5, 5, 9), QRect(), 0, 0, {}},
             Row{"negative width: nothing", rect(5, 5, 4, 9), QRect(), 0, 0, {}},
             Row{"fill", [](MapCanvas& c) { c.fill(2, 3, 5, 6); }, QRect(2, 3, 3, 3), 0, 9, {}},
             // Outline: (10,10)-(7,7), (6,6)-(6,13), (6,14)-(9,11); the brush fills the rest.
             Row{"triangle", [](MapCanvas& c) { c.triangle(10, 10, 6, 6, 6, 14); }, QRect(QPoint(6, 6), QPoint(10, 14)),
                 16, 9, {{10, 10, c::white}, {6, 6, c::white}, {6, 14, c::white}, {7, 10, c::red}, {9, 10, c::red},
                         {11, 10, c::black}}},
         }) {
        SCOPED_TRACE(r.what);
        MapCanvas canvas(QRect(0, 0, 20, 20));
        canvas.setPen(c::white);
        canvas.setBrush(c::red);
        r.draw(canvas);
        EXPECT_EQ(bounds(pixelsOf(canvas)), r.bounds);
        EXPECT_EQ(countOf(canvas, c::white), r.pen);
        EXPECT_EQ(countOf(canvas, c::red), r.brush);
        expectPixels(canvas, r.pixels);
    }
}

// The painter's pixels of the same drawing over an area, as the canvas reads them (RGB).
template <class Draw>
QImage painted(const QRect& area, Draw draw)
{
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(0xFF000000u);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.translate(-area.topLeft());
    draw(p);
    return image;
}

int differences(const MapCanvas& canvas, const QImage& reference)
{
    int n = 0;
    for (int y = 0; y < reference.height(); ++y)
        for (int x = 0; x < reference.width(); ++x)
            n += (reference.pixel(x, y) & 0xFFFFFFu) != canvas.pixel(canvas.area().left() + x, canvas.area().top() + y);
    return n;
}

// An ellipse is inscribed in its box x1 .. x2-1, y1 .. y2-1, pen colour outside, brush inside: the
// painter's pixels, also where the image cuts it (small ones come from the cache all boxes share:
// no stamp may serve another size), symmetric about the box's middle lines; 1 wide all outline.
TEST(MapCanvas, EllipsesInscribedInTheBox)
{
    const QRect area(-7, 3, 80, 80);
    std::vector<QRect> boxes = {QRect(4, 4, 1, 5), QRect(1, 4, 17, 5), QRect(3, 4, 11, 11), QRect(-3, 9, 70, 66),
                                QRect(60, 20, 20, 9), QRect(-10, 0, 9, 9)};
    for (int w = 2; w <= 24; w += 3) // and, from 5 on, the same boxes on their side
        for (const auto& [bw, bh] : {std::pair{w, w}, {w, w + 1}, {w, 2 * w}, {w + 1, w}, {2 * w, w}})
            if (w > 2 || bw == w) boxes.push_back(QRect(-3, 9, bw, bh));
    CanvasCache cache;
    for (const QRect& box : boxes) {
        for (bool solid : {true, false}) {
            SCOPED_TRACE(testing::Message() << box.x() << "," << box.y() << " " << box.width() << " x " << box.height()
                                            << (solid ? " filled" : " outline"));
            MapCanvas canvas(area, &cache);
            canvas.setPen(c::lime);
            canvas.setBrush(c::red);
            if (!solid) canvas.setClearBrush();
            canvas.ellipse(box.left(), box.top(), box.right() + 1, box.bottom() + 1);
            const PixelSet drawn = pixelsOf(canvas);
            EXPECT_EQ(bounds(drawn), box.intersected(area));
            EXPECT_EQ(countOf(canvas, c::lime) + countOf(canvas, c::red), drawn.size()) << "no antialiasing";
            if (!solid || box.width() == 1) {
                EXPECT_EQ(countOf(canvas, c::red), 0u);
            }
            if (box.width() > 1) {
                EXPECT_EQ(differences(canvas, painted(area, [&](QPainter& p) {
                              p.setPen(QColor(0, 255, 0));
                              p.setBrush(solid ? QBrush(QColor(255, 0, 0)) : QBrush(Qt::NoBrush));
                              p.drawEllipse(box.adjusted(0, 0, -1, -1));
                          })),
                          0);
            }
            if (!area.contains(box)) continue;
            for (const auto& [x, y] : drawn) {
                EXPECT_TRUE(drawn.count({box.left() + box.right() - x, y})) << x << "," << y;
                EXPECT_TRUE(drawn.count({x, box.top() + box.bottom() - y})) << x << "," << y;
            }
        }
    }
}

// Text puts the top-left corner of its cell at (x, y): the painter's glyphs with the font's ascent
// above the baseline, in one colour; a solid brush paints the whole cell, a clear one nothing.
TEST(MapCanvas, TextSitsInItsCell)
{
    const std::string label = "Alpha 12";
    const QRect area(0, 0, 120, 40);
    MapCanvas ink(area), cell(area);
    const int w = ink.textWidth(label), h = ink.textHeight(label);
    ASSERT_GT(w, 20);
    ASSERT_GT(h, 8);
    EXPECT_LT(ink.textWidth("Alpha"), w);
    ink.setFontColour(c::gray);
    ink.setBrush(c::blue);
    ink.setClearBrush();
    ink.text(10, 5, label);
    EXPECT_EQ(differences(ink, painted(area, [&](QPainter& p) {
                  p.setFont(MapCanvas::defaultFont());
                  p.setPen(QColor(128, 128, 128));
                  p.drawText(QPoint(10, 5 + p.fontMetrics().ascent()), QString::fromLatin1(label.c_str()));
              })),
              0);
    const PixelSet glyphs = pixelsOf(ink);
    ASSERT_FALSE(glyphs.empty());
    EXPECT_TRUE(QRect(10, 5, w, h).contains(bounds(glyphs)));

    cell.setFontColour(c::white);
    cell.setBrush(c::blue);
    cell.text(10, 5, label);
    EXPECT_EQ(bounds(pixelsOf(cell)), QRect(10, 5, w, h)) << "a solid brush paints the whole cell";
    EXPECT_EQ(pixelsOf(cell, c::white), glyphs) << "the same glyphs at the same place";
}

// The map view's cache serves every paint's canvases: texts through one shared cache are the pixels
// of separate caches, also in other fonts; beyond maxTexts texts it starts afresh, drawing right.
TEST(MapCanvas, TextCacheIsSharedAndBounded)
{
    const QRect area(0, 0, 160, 40);
    QFont large = MapCanvas::defaultFont();
    large.setPixelSize(16);
    CanvasCache shared;
    auto draw = [&](CanvasCache* cache, bool largeFont, const std::string& s) {
        auto canvas = std::make_unique<MapCanvas>(area, cache);
        if (largeFont) canvas->setFont(large);
        canvas->setBrush(c::blue);
        canvas->text(7, 4, s);
        return canvas;
    };
    for (const char* s : {"Alpha 12", "Beta", "Alpha 12"}) {
        for (bool largeFont : {false, true}) {
            SCOPED_TRACE(testing::Message() << s << (largeFont ? " large" : " small"));
            expectSamePixels(*draw(&shared, largeFont, s), *draw(nullptr, largeFont, s), area);
        }
    }
    MapCanvas first(area, &shared), second(area, &shared);
    first.text(0, 0, "Gamma");
    const std::size_t texts = shared.textCount();
    second.text(0, 0, "Gamma");
    EXPECT_EQ(shared.textCount(), texts) << "the second canvas finds the first one's text";
    second.text(0, 0, "Delta");
    EXPECT_EQ(shared.textCount(), texts + 1);

    MapCanvas many(area, &shared);
    const std::size_t last = CanvasCache::maxTexts + 20;
    for (std::size_t k = 0; k <= last; ++k) {
        many.text(0, 0, std::to_string(k));
        ASSERT_LE(shared.textCount(), CanvasCache::maxTexts) << "after " << k + 1 << " texts";
    }
    for (std::size_t k : {std::size_t{0}, CanvasCache::maxTexts - 1, CanvasCache::maxTexts, last}) {
        SCOPED_TRACE(k);
        expectSamePixels(*draw(&shared, false, std::to_string(k)), *draw(nullptr, false, std::to_string(k)), area);
    }
}

// A canvas over part of a large area draws exactly what a canvas over the whole area draws there;
// far coordinates are clipped, not overflowed, and huge circles around an image draw nothing.
TEST(MapCanvas, PartialImageMatchesTheWholeCanvas)
{
    auto draw = [](MapCanvas& canvas) {
        canvas.setPen(c::navy);
        canvas.setBrush(c::navy);
        canvas.ellipse(0, 0, 400, 400); // around the whole part, not around the whole canvas
        canvas.setBrush(c::green);
        canvas.fill(240, 150, 300, 165); // across the part's top and right edges
        canvas.setPen(c::white);
        canvas.line(-5000, -3000, 9000, 4000); // far beyond the image on both sides
        canvas.line(8000, 10, 10, 2000);
        canvas.setPen(c::red);
        canvas.setClearBrush();
        canvas.ellipse(-400, -300, 700, 900);
        canvas.ellipse(-9800, -9800, 10200, 10200); // passes far around both images
        canvas.ellipse(-9800, -9800, 220, 10200);   // its right edge crosses the part
        canvas.ellipse(-2000000000, -2000000000, 2000000000, 2000000000);
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
    expectSamePixels(part, whole, part.area());
    expectPixels(part, {{219, 200, c::red}}); // the huge circle's right edge
    EXPECT_GT(pixelsOf(part).size(), 100u);
    EXPECT_EQ(part.image().width(), 70);
    EXPECT_EQ(part.pixel(100, 100), c::black) << "outside the image reads black";
}

} // namespace
} // namespace orrery
