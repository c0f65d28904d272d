#pragma once

// The raster canvas the star map is drawn on: a handful of primitives with the map's pixel rules,
// over a QImage that covers only a part of the canvas (the visible part plus a margin; at zoom 35
// the canvas of a large galaxy would not fit in memory).
//
// Pixel rules (they decide single pixels, and the map's tests check them):
// - line(P, Q) colours the pixels from P up to, but not including, Q;
// - rectangle(x1, y1, x2, y2) draws its outline in the pen colour over columns x1 .. x2-1 and rows
//   y1 .. y2-1 and fills the inside with the brush colour unless the brush is clear; fill() fills
//   the same box with the brush colour without outline; ellipse() is inscribed in the same box;
// - text(x, y, s) puts the top-left corner of s at (x, y), on a cell painted in the brush colour
//   when the brush is solid;
// - there is no antialiasing, so every pixel has exactly one of the colours used.
// QPainter draws lines and outlines one pixel longer than these rules, so lines, rectangles,
// fills and triangles are rasterised here directly into the image. Ellipses and text are QPainter's
// own pixels: small ellipses and every text are drawn once into a CanvasCache and copied from
// there (the map draws thousands of them per paint), large ellipses go through a QPainter on the
// image. The cache outlives the canvases of single paints: the map view owns it. All coordinates
// are canvas coordinates. Painting happens on one thread.

#include <QFont>
#include <QImage>
#include <QRect>
#include <QRgb>

#include <QString>

#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

class QPainter;

namespace orrery {

// The colours of the map (RGB).
namespace mapcolour {
constexpr QRgb white = 0xFFFFFF;
constexpr QRgb black = 0x000000;
constexpr QRgb gray = 0x808080;
constexpr QRgb silver = 0xC0C0C0;
constexpr QRgb yellow = 0xFFFF00;
constexpr QRgb lime = 0x00FF00;
constexpr QRgb green = 0x008000;
constexpr QRgb red = 0xFF0000;
constexpr QRgb blue = 0x0000FF;
constexpr QRgb fuchsia = 0xFF00FF;
constexpr QRgb aqua = 0x00FFFF;
constexpr QRgb olive = 0x808000;
constexpr QRgb teal = 0x008080;
constexpr QRgb purple = 0x800080;
constexpr QRgb maroon = 0x800000;
constexpr QRgb navy = 0x000080;
} // namespace mapcolour

// The pixels of small ellipses and of texts, worked out once and copied onto every canvas that
// draws them. Bounded: beyond maxTexts different texts it starts afresh.
class CanvasCache {
public:
    CanvasCache();
    ~CanvasCache();
    CanvasCache(const CanvasCache&) = delete;
    CanvasCache& operator=(const CanvasCache&) = delete;

    static constexpr std::size_t maxTexts = 20000;
    static constexpr int maxStampSize = 64; // ellipses up to this size in both directions

    // The pixels of one text in one font, relative to the top-left corner of its cell.
    struct TextSprite {
        int width = 0;  // the cell: advance and line height
        int height = 0;
        int inkLeft = 0; // the glyph pixels
        int inkTop = 0;
        int inkWidth = 0;
        int inkHeight = 0;
        std::vector<std::uint8_t> ink;
    };
    // fontKey: the font's key (QFont::key), worked out once by the caller.
    const TextSprite& text(const QFont& font, const QString& fontKey, std::string_view s);
    // The pixels QPainter sets for an ellipse in a w x h box: 1 outline, 2 inside, 0 outside.
    const std::vector<std::uint8_t>& ellipse(int w, int h);
    std::size_t textCount() const;

private:
    struct Texts;
    std::unique_ptr<Texts> texts_;
    std::unordered_map<int, std::vector<std::uint8_t>> stamps_;
};

class MapCanvas {
public:
    // A black canvas whose image covers area (in canvas coordinates), drawing its ellipses and
    // texts through the cache (a cache of its own when none is given).
    explicit MapCanvas(const QRect& area, CanvasCache* cache = nullptr);
    ~MapCanvas();
    MapCanvas(const MapCanvas&) = delete;
    MapCanvas& operator=(const MapCanvas&) = delete;

    // The part of the canvas the image holds; image pixel (0, 0) is canvas pixel area().topLeft().
    QRect area() const { return area_; }
    // The image drawn so far (drawing may go on afterwards).
    const QImage& image();

    // The map's font: DejaVu Sans, 11 pixels, without antialiasing.
    static QFont defaultFont();
    void setFont(const QFont& font);

    void setPen(QRgb colour) { pen_ = colour; }
    void setBrush(QRgb colour)
    {
        brush_ = colour;
        brushClear_ = false;
    }
    void setClearBrush() { brushClear_ = true; }
    void setFontColour(QRgb colour) { fontColour_ = colour; }
    QRgb pen() const { return pen_; }
    QRgb brush() const { return brush_; }
    bool brushClear() const { return brushClear_; }

    // The colour at a canvas pixel (RGB); black outside the image.
    QRgb pixel(int x, int y) const;
    bool isBlack(int x, int y) const { return pixel(x, y) == mapcolour::black; }
    void setPixel(int x, int y, QRgb colour);

    void line(int x1, int y1, int x2, int y2);
    void rectangle(int x1, int y1, int x2, int y2);
    void fill(int x1, int y1, int x2, int y2);
    void ellipse(int x1, int y1, int x2, int y2);
    // A filled triangle: outline in the pen colour, inside in the brush colour.
    void triangle(int x1, int y1, int x2, int y2, int x3, int y3);
    // Text in the font colour; names are Latin-1 as in the reports.
    void text(int x, int y, std::string_view s);
    int textWidth(std::string_view s) const;
    // The height of a text's cell: the font's line height, the same for every text.
    int textHeight(std::string_view s) const;

    // True when nothing drawn in the box x1 .. x2-1, y1 .. y2-1 can reach the image.
    bool outside(int x1, int y1, int x2, int y2) const
    {
        return x2 <= area_.left() || x1 > area_.right() || y2 <= area_.top() || y1 > area_.bottom();
    }

private:
    using TextSprite = CanvasCache::TextSprite;
    const TextSprite& sprite(std::string_view s) const;
    QPainter& painter();
    bool enclosesImage(int x1, int y1, int x2, int y2) const;
    void fillBox(int x1, int y1, int x2, int y2, QRgb colour); // x1 .. x2-1, y1 .. y2-1, clipped
    void plot(int x, int y, QRgb colour)
    {
        const unsigned ix = static_cast<unsigned>(x - area_.left());
        const unsigned iy = static_cast<unsigned>(y - area_.top());
        if (ix < static_cast<unsigned>(area_.width()) && iy < static_cast<unsigned>(area_.height()))
            bits_[iy * stride_ + ix] = 0xFF000000u | colour;
    }

    QRect area_;
    QImage image_;
    QRgb* bits_ = nullptr;
    std::size_t stride_ = 0; // pixels per image row
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<CanvasCache> ownCache_;
    CanvasCache* cache_ = nullptr;
    QFont font_;
    QString fontKey_;
    int lineHeight_ = 0;
    QRgb pen_ = mapcolour::white;
    QRgb brush_ = mapcolour::black;
    bool brushClear_ = false;
    QRgb fontColour_ = mapcolour::white;
};

} // namespace orrery
