#include "chartrender.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace orrery {

ChartTextMetrics chartTextMetrics(const MapCanvas& canvas)
{
    ChartTextMetrics m;
    m.width = [&canvas](std::string_view s) { return canvas.textWidth(s); };
    m.height = canvas.textHeight("9");
    return m;
}

namespace {

constexpr int dotLength = 2;

void plotWide(MapCanvas& canvas, int x, int y, bool across, int width, QRgb colour)
{
    for (int o = -(width / 2); o < width - width / 2; ++o) {
        if (across)
            canvas.setPixel(x + o, y, colour);
        else
            canvas.setPixel(x, y + o, colour);
    }
}

} // namespace

void drawChartLine(MapCanvas& canvas, const ChartLine& line, int& phase)
{
    int x1 = line.x1, y1 = line.y1, x2 = line.x2, y2 = line.y2;
    const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    const int margin = line.width;
    if (canvas.outside(std::min(x1, x2) - margin, std::min(y1, y2) - margin, std::max(x1, x2) + margin + 1,
                       std::max(y1, y2) + margin + 1)) {
        phase += std::max(dx, dy) + 1;
        return;
    }
    const bool steep = dy > dx; // widened across x when the line runs mostly vertically
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    // Grid lines cross a zoomed chart many times the size of the view: skip the part before it.
    const QRect area = canvas.area();
    if (dy == 0 && sx > 0 && x1 < area.left() - margin) {
        phase += area.left() - margin - x1;
        x1 = area.left() - margin;
    } else if (dx == 0 && sy > 0 && y1 < area.top() - margin) {
        phase += area.top() - margin - y1;
        y1 = area.top() - margin;
    }
    const int ex = std::abs(x2 - x1), ey = std::abs(y2 - y1);
    int err = ex - ey;
    const QRgb colour = line.colour;
    for (;;) {
        if (line.pen == ChartPen::Solid || (phase / dotLength) % 2 == 0) plotWide(canvas, x1, y1, steep, line.width, colour);
        ++phase;
        if (x1 == x2 && y1 == y2) break;
        if ((dy == 0 && x1 > area.right() + margin) || (dx == 0 && y1 > area.bottom() + margin)) break;
        const int e2 = 2 * err;
        if (e2 > -ey) {
            err -= ey;
            x1 += sx;
        }
        if (e2 < ex) {
            err += ex;
            y1 += sy;
        }
    }
}

void drawChart(MapCanvas& canvas, const ChartPicture& picture)
{
    const QRect area = canvas.area();
    canvas.setBrush(chartBackground);
    canvas.fill(area.left(), area.top(), area.left() + area.width(), area.top() + area.height());
    for (const ChartLine& line : picture.lines) {
        int phase = 0;
        drawChartLine(canvas, line, phase);
    }
    canvas.setClearBrush();
    canvas.setFontColour(mapcolour::black);
    for (const ChartText& label : picture.labels) canvas.text(label.x, label.y, label.text);
    for (const ChartRaceLine& race : picture.races) {
        int phase = 0;
        for (std::size_t i = 1; i < race.points.size(); ++i) {
            const ChartPoint a = race.points[i - 1], b = race.points[i];
            drawChartLine(canvas, {a.x, a.y, b.x, b.y, race.colour, race.width, race.pen}, phase);
            --phase; // the joint pixel belongs to both segments
        }
    }
}

void drawChartLegend(MapCanvas& canvas, const ChartLegend& legend, const std::vector<chartracerecord>& races,
                     int stripWidth)
{
    const QRect area = canvas.area();
    canvas.setBrush(chartBackground);
    canvas.fill(area.left(), area.top(), area.left() + area.width(), area.top() + area.height());
    canvas.setFontColour(mapcolour::black);
    for (const ChartLegendRow& row : legend.rows) {
        if (row.highlighted) {
            canvas.setBrush(chartHighlight);
            canvas.fill(2, row.y, stripWidth - 2, row.y + chartLegendRowHeight);
        }
        const ChartPen pen = chartRaceDotted(row.race) ? ChartPen::Dotted : ChartPen::Solid;
        for (int dy = 7; dy <= 8; ++dy) {
            int phase = 0;
            drawChartLine(canvas, {4, row.y + dy, 26, row.y + dy, chartRaceColour(row.race), 1, pen}, phase);
        }
        canvas.setClearBrush();
        canvas.text(30, row.y, races[row.race].name.view());
    }
}

QImage renderChartImage(const std::vector<chartracerecord>& races, const ChartData& data, int currentturn,
                        QSize size, int highlighted)
{
    const int chartWidth = std::max(1, size.width() - chartLegendWidth);
    MapCanvas chart(QRect(0, 0, chartWidth, size.height()));
    MapCanvas strip(QRect(0, 0, chartLegendWidth, size.height()));
    const ChartScene scene = buildChartScene(races, data, currentturn, chartWidth, size.height(), size.height(),
                                             highlighted, chartTextMetrics(chart));
    drawChart(chart, scene.picture);
    drawChartLegend(strip, scene.legend, races, chartLegendWidth);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.drawImage(0, 0, chart.image());
    painter.drawImage(chartWidth, 0, strip.image());
    return image;
}

} // namespace orrery
