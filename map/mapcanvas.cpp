#include "mapcanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <unordered_map>
#include <vector>

namespace orrery {

namespace {

QString latin1(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

QColor colourOf(QRgb rgb) { return QColor::fromRgb(rgb | 0xFF000000u); }

// QPainter's outline covers one pixel beyond the rectangle's width and height.
QRect painterEllipseBox(int x1, int y1, int x2, int y2) { return QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1); }

constexpr std::uint8_t stampOutline = 1;
constexpr std::uint8_t stampInside = 2;

} // namespace

// The glyphs of each text drawn so far, for one font at a time: planet names come back on every
// paint, and shaping them anew each time would cost more than the rest of the map.
struct CanvasCache::Texts {
    QString fontKey;
    std::unique_ptr<QFontMetrics> metrics;
    std::unordered_map<std::string, TextSprite> sprites;
};

CanvasCache::CanvasCache() : texts_(std::make_unique<Texts>()) {}
CanvasCache::~CanvasCache() = default;

std::size_t CanvasCache::textCount() const { return texts_->sprites.size(); }

const std::vector<std::uint8_t>& CanvasCache::ellipse(int w, int h)
{
    // Sizes are at most maxStampSize, so there are at most 65 x 65 stamps.
    const int key = w * (maxStampSize + 1) + h;
    auto it = stamps_.find(key);
    if (it != stamps_.end()) return it->second;
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(0xFF000000u);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(255, 255, 255));
        p.setBrush(QColor(255, 0, 0));
        p.drawEllipse(painterEllipseBox(0, 0, w, h));
    }
    std::vector<std::uint8_t> stamp(static_cast<std::size_t>(w) * h, 0);
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb v = row[x] & 0xFFFFFFu;
            stamp[static_cast<std::size_t>(y) * w + x] = v == 0xFFFFFFu ? stampOutline : v == 0xFF0000u ? stampInside : 0;
        }
    }
    return stamps_.emplace(key, std::move(stamp)).first->second;
}

const CanvasCache::TextSprite& CanvasCache::text(const QFont& font, const QString& fontKey, std::string_view s)
{
    Texts& cache = *texts_;
    if (!cache.metrics || cache.fontKey != fontKey) {
        cache.fontKey = fontKey;
        cache.metrics = std::make_unique<QFontMetrics>(font);
        cache.sprites.clear();
    }
    std::string key(s);
    auto it = cache.sprites.find(key);
    if (it != cache.sprites.end()) return it->second;
    if (cache.sprites.size() >= maxTexts) cache.sprites.clear();

    TextSprite t;
    const QString text = latin1(s);
    t.width = cache.metrics->horizontalAdvance(text);
    t.height = cache.metrics->height();
    // Drawn with room around the cell: glyphs may reach beyond their advance.
    const int pad = t.height;
    QImage image(t.width + 2 * pad, t.height + 2 * pad, QImage::Format_RGB32);
    image.fill(0xFF000000u);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setFont(font);
        p.setPen(QColor(255, 255, 255));
        p.drawText(QPoint(pad, pad + cache.metrics->ascent()), text);
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((row[x] & 0xFFFFFFu) != 0) ink = ink.united(QRect(x, y, 1, 1));
    }
    if (!ink.isEmpty()) {
        t.inkLeft = ink.left() - pad;
        t.inkTop = ink.top() - pad;
        t.inkWidth = ink.width();
        t.inkHeight = ink.height();
        t.ink.resize(static_cast<std::size_t>(t.inkWidth) * t.inkHeight);
        for (int y = 0; y < t.inkHeight; ++y) {
            const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(ink.top() + y));
            for (int x = 0; x < t.inkWidth; ++x)
                t.ink[static_cast<std::size_t>(y) * t.inkWidth + x] = (row[ink.left() + x] & 0xFFFFFFu) != 0;
        }
    }
    return cache.sprites.emplace(std::move(key), std::move(t)).first->second;
}

MapCanvas::MapCanvas(const QRect& area, CanvasCache* cache)
    : area_(area.normalized()), image_(std::max(1, area_.width()), std::max(1, area_.height()), QImage::Format_RGB32),
      cache_(cache), font_(defaultFont())
{
    if (!cache_) {
        ownCache_ = std::make_unique<CanvasCache>();
        cache_ = ownCache_.get();
    }
    if (area_.width() < 1) area_.setWidth(1);
    if (area_.height() < 1) area_.setHeight(1);
    image_.fill(0xFF000000u);
    // Rows are written directly: the image is not shared, so bits() stays where it is, and the
    // QPainter used for curves and text paints into the same memory.
    bits_ = reinterpret_cast<QRgb*>(image_.bits());
    stride_ = static_cast<std::size_t>(image_.bytesPerLine()) / sizeof(QRgb);
    fontKey_ = font_.key();
    lineHeight_ = sprite("").height;
}

MapCanvas::~MapCanvas() = default;

QFont MapCanvas::defaultFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void MapCanvas::setFont(const QFont& font)
{
    font_ = font;
    font_.setStyleStrategy(QFont::NoAntialias);
    fontKey_ = font_.key();
    lineHeight_ = sprite("").height;
}

const QImage& MapCanvas::image() { return image_; }

QPainter& MapCanvas::painter()
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, false);
        painter_->translate(-area_.left(), -area_.top());
    }
    return *painter_;
}

QRgb MapCanvas::pixel(int x, int y) const
{
    const unsigned ix = static_cast<unsigned>(x - area_.left());
    const unsigned iy = static_cast<unsigned>(y - area_.top());
    if (ix >= static_cast<unsigned>(area_.width()) || iy >= static_cast<unsigned>(area_.height()))
        return mapcolour::black;
    return bits_[iy * stride_ + ix] & 0xFFFFFFu;
}

void MapCanvas::setPixel(int x, int y, QRgb colour) { plot(x, y, colour); }

void MapCanvas::fillBox(int x1, int y1, int x2, int y2, QRgb colour)
{
    x1 = std::max(x1, area_.left());
    y1 = std::max(y1, area_.top());
    x2 = std::min(x2, area_.left() + area_.width());
    y2 = std::min(y2, area_.top() + area_.height());
    if (x1 >= x2 || y1 >= y2) return;
    const QRgb value = 0xFF000000u | colour;
    for (int y = y1; y < y2; ++y) {
        QRgb* row = bits_ + static_cast<std::size_t>(y - area_.top()) * stride_ + (x1 - area_.left());
        std::fill(row, row + (x2 - x1), value);
    }
}

void MapCanvas::line(int x1, int y1, int x2, int y2)
{
    const long long dx = static_cast<long long>(x2) - x1;
    const long long dy = static_cast<long long>(y2) - y1;
    if (dx == 0 && dy == 0) return;
    if (dy == 0) {
        if (dx > 0) fillBox(x1, y1, x2, y1 + 1, pen_);
        else fillBox(x2 + 1, y1, x1 + 1, y1 + 1, pen_);
        return;
    }
    if (dx == 0) {
        if (dy > 0) fillBox(x1, y1, x1 + 1, y2, pen_);
        else fillBox(x1, y2 + 1, x1 + 1, y1 + 1, pen_);
        return;
    }
    // Steps along the longer axis; pixel i of n lies at i/n of the way, the shorter axis rounded
    // to the nearest pixel. Only the steps whose longer-axis pixel is inside the image are walked,
    // so a line across a huge canvas costs no more than the image is wide.
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long n = xMajor ? std::llabs(dx) : std::llabs(dy);
    const long long major0 = xMajor ? x1 : y1;
    const long long minor0 = xMajor ? y1 : x1;
    const long long majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const long long minorDelta = xMajor ? dy : dx;
    const long long lo = xMajor ? area_.left() : area_.top();
    const long long hi = lo + (xMajor ? area_.width() : area_.height()) - 1;
    long long first = 0, last = n - 1;
    if (majorStep > 0) {
        first = std::max(first, lo - major0);
        last = std::min(last, hi - major0);
    } else {
        first = std::max(first, major0 - hi);
        last = std::min(last, major0 - lo);
    }
    // The shorter axis of step i is minor0 +- q(i), q(i) = floor((2 i absMinor + n) / 2n), which
    // grows with i: the steps whose q lies in the image's range along that axis form one run.
    const long long absMinor = std::llabs(minorDelta);
    const long long minorSign = minorDelta > 0 ? 1 : -1;
    const long long twoN = 2 * n;
    {
        const long long minorLo = xMajor ? area_.top() : area_.left();
        const long long minorHi = minorLo + (xMajor ? area_.height() : area_.width()) - 1;
        const long long qLo = minorSign > 0 ? minorLo - minor0 : minor0 - minorHi;
        const long long qHi = minorSign > 0 ? minorHi - minor0 : minor0 - minorLo;
        if (qHi < 0) return;
        // q(i) >= qLo  <=>  i >= (2n qLo - n) / 2m;  q(i) <= qHi  <=>  i < (2n (qHi + 1) - n) / 2m.
        // Worked out in long double (the products may leave 64 bits for absurd coordinates) with a
        // step to spare on each side; the walk checks every pixel anyway.
        const long double m2 = 2.0L * absMinor;
        const long double from = std::floor((static_cast<long double>(twoN) * qLo - n) / m2) - 1;
        const long double to = std::ceil((static_cast<long double>(twoN) * (qHi + 1) - n) / m2) + 1;
        if (from > static_cast<long double>(first)) first = from > static_cast<long double>(last) ? last + 1 : static_cast<long long>(from);
        if (to < static_cast<long double>(last)) last = to < static_cast<long double>(first) ? first - 1 : static_cast<long long>(to);
    }
    if (first > last) return;
    const long long numerator = 2 * first * absMinor + n;
    long long quotient = numerator / twoN;
    long long remainder = numerator % twoN;
    const QRgb value = 0xFF000000u | pen_;
    const long long width = area_.width(), height = area_.height();
    for (long long i = first; i <= last; ++i) {
        const long long major = major0 + i * majorStep;
        const long long minor = minor0 + minorSign * quotient;
        const long long ix = (xMajor ? major : minor) - area_.left();
        const long long iy = (xMajor ? minor : major) - area_.top();
        if (ix >= 0 && ix < width && iy >= 0 && iy < height)
            bits_[static_cast<std::size_t>(iy) * stride_ + static_cast<std::size_t>(ix)] = value;
        remainder += 2 * absMinor;
        if (remainder >= twoN) {
            remainder -= twoN;
            ++quotient;
        }
    }
}

void MapCanvas::rectangle(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1) return;
    if (!brushClear_) fillBox(x1 + 1, y1 + 1, x2 - 1, y2 - 1, brush_);
    fillBox(x1, y1, x2, y1 + 1, pen_);
    fillBox(x1, y2 - 1, x2, y2, pen_);
    fillBox(x1, y1, x1 + 1, y2, pen_);
    fillBox(x2 - 1, y1, x2, y2, pen_);
}

void MapCanvas::fill(int x1, int y1, int x2, int y2) { fillBox(x1, y1, x2, y2, brush_); }

bool MapCanvas::enclosesImage(int x1, int y1, int x2, int y2) const
{
    // An outline that passes around the whole image leaves it untouched: every corner of the
    // image lies well inside the ellipse.
    const double a = (static_cast<double>(x2) - x1) / 2 - 2, b = (static_cast<double>(y2) - y1) / 2 - 2;
    if (a <= 0 || b <= 0) return false;
    const double cx = (static_cast<double>(x1) + x2) / 2, cy = (static_cast<double>(y1) + y2) / 2;
    for (const double px : {double(area_.left()) - 1, double(area_.left()) + area_.width() + 1}) {
        for (const double py : {double(area_.top()) - 1, double(area_.top()) + area_.height() + 1}) {
            const double ex = (px - cx) / a, ey = (py - cy) / b;
            if (ex * ex + ey * ey >= 1) return false;
        }
    }
    return true;
}

void MapCanvas::ellipse(int x1, int y1, int x2, int y2)
{
    if (x2 <= x1 || y2 <= y1 || outside(x1, y1, x2, y2)) return;
    // Beyond this the painter's fixed-point coordinates would overflow; no map draws so far out.
    constexpr long long farthest = 1 << 24;
    const long long ix1 = static_cast<long long>(x1) - area_.left(), ix2 = static_cast<long long>(x2) - area_.left();
    const long long iy1 = static_cast<long long>(y1) - area_.top(), iy2 = static_cast<long long>(y2) - area_.top();
    if (std::max({std::llabs(ix1), std::llabs(ix2), std::llabs(iy1), std::llabs(iy2)}) > farthest) return;
    if (brushClear_ && enclosesImage(x1, y1, x2, y2)) return;
    const int w = x2 - x1, h = y2 - y1;
    if (w == 1 || h == 1) {
        // One pixel wide: all outline.
        fillBox(x1, y1, x2, y2, pen_);
        return;
    }
    if (w <= CanvasCache::maxStampSize && h <= CanvasCache::maxStampSize) {
        // Planet symbols and battle rings: the painter's pixels for this box, drawn once.
        const std::vector<std::uint8_t>& stamp = cache_->ellipse(w, h);
        const int top = std::max(y1, area_.top()), bottom = std::min(y2, area_.top() + area_.height());
        const int left = std::max(x1, area_.left()), right = std::min(x2, area_.left() + area_.width());
        const QRgb pen = 0xFF000000u | pen_, brush = 0xFF000000u | brush_;
        for (int y = top; y < bottom; ++y) {
            const std::uint8_t* from = stamp.data() + static_cast<std::size_t>(y - y1) * w;
            QRgb* row = bits_ + static_cast<std::size_t>(y - area_.top()) * stride_;
            for (int x = left; x < right; ++x) {
                const std::uint8_t kind = from[x - x1];
                if (kind == stampOutline)
                    row[x - area_.left()] = pen;
                else if (kind == stampInside && !brushClear_)
                    row[x - area_.left()] = brush;
            }
        }
        return;
    }
    QPainter& p = painter();
    p.setPen(colourOf(pen_));
    if (brushClear_)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(colourOf(brush_));
    p.drawEllipse(painterEllipseBox(x1, y1, x2, y2));
}

void MapCanvas::triangle(int x1, int y1, int x2, int y2, int x3, int y3)
{
    const int left = std::min({x1, x2, x3}), right = std::max({x1, x2, x3});
    const int top = std::min({y1, y2, y3}), bottom = std::max({y1, y2, y3});
    if (outside(left, top, right + 1, bottom + 1)) return;
    if (!brushClear_) {
        // Every pixel inside or on the triangle; the outline then goes over the edge pixels.
        const long long area = static_cast<long long>(x2 - x1) * (y3 - y1) - static_cast<long long>(y2 - y1) * (x3 - x1);
        if (area != 0) {
            const long long sign = area > 0 ? 1 : -1;
            auto edge = [sign](long long ax, long long ay, long long bx, long long by, long long px, long long py) {
                return sign * ((bx - ax) * (py - ay) - (by - ay) * (px - ax));
            };
            const int fromY = std::max(top, area_.top()), toY = std::min(bottom, area_.top() + area_.height() - 1);
            const int fromX = std::max(left, area_.left()), toX = std::min(right, area_.left() + area_.width() - 1);
            for (int y = fromY; y <= toY; ++y)
                for (int x = fromX; x <= toX; ++x)
                    if (edge(x1, y1, x2, y2, x, y) >= 0 && edge(x2, y2, x3, y3, x, y) >= 0 &&
                        edge(x3, y3, x1, y1, x, y) >= 0)
                        plot(x, y, brush_);
        }
    }
    line(x1, y1, x2, y2);
    line(x2, y2, x3, y3);
    line(x3, y3, x1, y1);
}

const MapCanvas::TextSprite& MapCanvas::sprite(std::string_view s) const
{
    return cache_->text(font_, fontKey_, s);
}

int MapCanvas::textWidth(std::string_view s) const { return sprite(s).width; }

int MapCanvas::textHeight(std::string_view) const { return lineHeight_; }

void MapCanvas::text(int x, int y, std::string_view s)
{
    const TextSprite& t = sprite(s);
    const int inkX = x + t.inkLeft, inkY = y + t.inkTop;
    if (outside(std::min(x, inkX), std::min(y, inkY), std::max(x + t.width, inkX + t.inkWidth),
                std::max(y + t.height, inkY + t.inkHeight)))
        return;
    if (!brushClear_) fillBox(x, y, x + t.width, y + t.height, brush_);
    const QRgb colour = fontColour_;
    for (int row = 0; row < t.inkHeight; ++row)
        for (int col = 0; col < t.inkWidth; ++col)
            if (t.ink[static_cast<std::size_t>(row) * t.inkWidth + col]) plot(inkX + col, inkY + row, colour);
}

} // namespace orrery
