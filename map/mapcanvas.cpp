#include "mapcanvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QString>

#include <algorithm>
#include <cstdlib>

namespace orrery {

namespace {

QString latin1(std::string_view s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

QColor colourOf(QRgb rgb) { return QColor::fromRgb(rgb | 0xFF000000u); }

} // namespace

MapCanvas::MapCanvas(const QRect& area)
    : area_(area.normalized()), image_(std::max(1, area_.width()), std::max(1, area_.height()), QImage::Format_RGB32),
      font_(defaultFont())
{
    if (area_.width() < 1) area_.setWidth(1);
    if (area_.height() < 1) area_.setHeight(1);
    image_.fill(0xFF000000u);
    // Rows are written directly: the image is not shared, so bits() stays where it is, and the
    // QPainter used for curves and text paints into the same memory.
    bits_ = reinterpret_cast<QRgb*>(image_.bits());
    stride_ = static_cast<std::size_t>(image_.bytesPerLine()) / sizeof(QRgb);
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
    metrics_.reset();
    if (painter_) painter_->setFont(font_);
}

const QImage& MapCanvas::image() { return image_; }

QPainter& MapCanvas::painter()
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, false);
        painter_->translate(-area_.left(), -area_.top());
        painter_->setFont(font_);
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
    const long long absMinor = std::llabs(minorDelta);
    const long long minorSign = minorDelta > 0 ? 1 : -1;
    for (long long i = first; i <= last; ++i) {
        const long long major = major0 + i * majorStep;
        const long long minor = minor0 + minorSign * ((2 * i * absMinor + n) / (2 * n));
        if (xMajor)
            plot(static_cast<int>(major), static_cast<int>(minor), pen_);
        else
            plot(static_cast<int>(minor), static_cast<int>(major), pen_);
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
    if (x2 - x1 == 1 || y2 - y1 == 1) {
        // One pixel wide: all outline.
        fillBox(x1, y1, x2, y2, pen_);
        return;
    }
    QPainter& p = painter();
    p.setPen(colourOf(pen_));
    if (brushClear_)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(colourOf(brush_));
    // QPainter's outline covers one pixel beyond the rectangle's width and height.
    p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void MapCanvas::triangle(int x1, int y1, int x2, int y2, int x3, int y3)
{
    const int left = std::min({x1, x2, x3}), right = std::max({x1, x2, x3});
    const int top = std::min({y1, y2, y3}), bottom = std::max({y1, y2, y3});
    if (outside(left, top, right + 1, bottom + 1)) return;
    QPainter& p = painter();
    p.setPen(colourOf(pen_));
    if (brushClear_)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(colourOf(brush_));
    const QPoint corners[3] = {QPoint(x1, y1), QPoint(x2, y2), QPoint(x3, y3)};
    p.drawPolygon(corners, 3);
}

int MapCanvas::textWidth(std::string_view s) const
{
    if (!metrics_) metrics_ = std::make_unique<QFontMetrics>(font_);
    return metrics_->horizontalAdvance(latin1(s));
}

int MapCanvas::textHeight(std::string_view) const
{
    if (!metrics_) metrics_ = std::make_unique<QFontMetrics>(font_);
    return metrics_->height();
}

void MapCanvas::text(int x, int y, std::string_view s)
{
    const int w = textWidth(s);
    const int h = textHeight(s);
    if (outside(x, y, x + w, y + h)) return;
    if (!brushClear_) fillBox(x, y, x + w, y + h, brush_);
    QPainter& p = painter();
    p.setPen(colourOf(fontColour_));
    p.drawText(QPoint(x, y + metrics_->ascent()), latin1(s));
}

} // namespace orrery
