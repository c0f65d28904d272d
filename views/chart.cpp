#include "chart.h"

#include "textrules.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace orrery {

const char* const chartStatisticNames[chartStatisticCount] = {
    "Production points", "Industrie",         "Population",        "Number of planets", "Total technology",
    "Drive technology",  "Weapon technology", "Shield technology", "Cargo technology",
};

double statisticValue(const racestatrecord& r, int statistic)
{
    switch (statistic) {
    case 0: return r.production;
    case 1: return r.industry;
    case 2: return r.population;
    case 3: return r.planets;
    case 4: return r.techsum;
    case 5: return r.drivetech;
    case 6: return r.weapontech;
    case 7: return r.shieldtech;
    case 8: return r.cargotech;
    default: return unknownvalue;
    }
}

std::vector<std::string> chartRaceBoxEntries(const std::vector<chartracerecord>& races)
{
    std::vector<std::string> entries{"All", "Top 5", "Top 10", "Top 20"};
    for (const chartracerecord& r : races) entries.push_back(r.name.str());
    return entries;
}

bool isStandardName(std::string_view name)
{
    constexpr std::string_view prefix = "Nation_";
    if (!startsWith(name, prefix)) return false;
    const std::string_view rest = name.substr(prefix.size());
    return !rest.empty() && std::all_of(rest.begin(), rest.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string chartRaceKey(const std::vector<chartracerecord>& races, std::size_t index, std::int32_t gametype)
{
    if (gametype == gtStandard || gametype == gtBlind) return index < races.size() ? races[index].name.str() : std::string();
    return std::to_string(index);
}

ChartData::ChartData(const std::vector<turnstatnode>& turnstats, const std::vector<chartracerecord>& races,
                     std::int32_t gametype, int statistic)
    : raceCount_(races.size())
{
    std::unordered_map<std::string, std::size_t> index;
    for (std::size_t k = 0; k < races.size(); ++k) index.emplace(chartRaceKey(races, k, gametype), k);
    int turns = 0;
    for (const turnstatnode& node : turnstats) turns = std::max(turns, node.turn + 1);
    values_.assign(static_cast<std::size_t>(turns), std::vector<double>(raceCount_, 0.0));
    has_.assign(static_cast<std::size_t>(turns), std::vector<std::uint8_t>(raceCount_, 0));
    for (const turnstatnode& node : turnstats) {
        if (node.turn < 0) continue;
        const auto t = static_cast<std::size_t>(node.turn);
        for (const racestatrecord& r : node.races) {
            const auto found = index.find(r.name.str());
            if (found == index.end() || has_[t][found->second]) continue;
            has_[t][found->second] = 1;
            values_[t][found->second] = statisticValue(r, statistic);
        }
    }
}

bool ChartData::has(int turn, std::size_t race) const
{
    return turn >= 0 && turn < turnCount() && race < raceCount_ && has_[static_cast<std::size_t>(turn)][race] != 0;
}

double ChartData::value(int turn, std::size_t race) const
{
    return has(turn, race) ? values_[static_cast<std::size_t>(turn)][race] : unknownvalue;
}

void selectChartRaces(std::vector<chartracerecord>& races, const ChartData& data, const ChartChoice& choice,
                      int currentturn)
{
    const bool keepOthers = choice.addRaces || choice.deleteRaces;
    if (choice.raceBox == chartAll) {
        for (chartracerecord& r : races)
            r.display = choice.excludeStandard ? !isStandardName(r.name.view()) : !choice.deleteRaces;
        return;
    }
    std::vector<bool> picked(races.size(), false);
    if (choice.raceBox < chartFirstRace) {
        const int count = choice.raceBox == chartTop5 ? 5 : choice.raceBox == chartTop10 ? 10 : 20;
        for (int pass = 0; pass < count; ++pass) {
            double best = -1;
            std::size_t bestRace = races.size();
            for (std::size_t k = 0; k < races.size(); ++k) {
                if (picked[k]) continue;
                for (int t = 0; t <= currentturn; ++t)
                    if (data.has(t, k) && data.value(t, k) > best) {
                        best = data.value(t, k);
                        bestRace = k;
                    }
            }
            if (bestRace < races.size()) picked[bestRace] = true;
        }
    } else if (const auto k = static_cast<std::size_t>(choice.raceBox - chartFirstRace); k < races.size()) {
        picked[k] = true;
    }
    for (std::size_t k = 0; k < races.size(); ++k) {
        if (picked[k])
            races[k].display = !choice.deleteRaces;
        else if (!keepOthers)
            races[k].display = false;
    }
}

double chartMaximum(const std::vector<chartracerecord>& races, const ChartData& data, std::size_t legendCount,
                    int currentturn)
{
    bool found = false;
    double lowest = 0, highest = -1;
    const std::size_t count = std::min(legendCount, races.size());
    for (std::size_t k = 0; k < count; ++k) {
        if (!races[k].display) continue;
        for (int t = 0; t <= currentturn; ++t) {
            if (!data.has(t, k)) continue;
            const double v = data.value(t, k);
            lowest = found ? std::min(lowest, v) : v;
            highest = found ? std::max(highest, v) : v;
            found = true;
        }
    }
    if (!found) return -1;
    if (lowest == highest) highest *= 2;
    if (highest == 0) highest = 0.1;
    return highest;
}

std::uint32_t chartRaceColour(std::size_t race)
{
    static constexpr std::uint32_t colours[13] = {
        0x808000, 0x008080, 0x0000FF, 0x800080, 0x800000, 0x000080, 0xFFFF00,
        0x00FFFF, 0x00FF00, 0xFF00FF, 0xFF0000, 0x000000, 0x008000,
    };
    return colours[race % 13];
}

bool chartRaceDotted(std::size_t race) { return race % 26 >= 13; }

double chartXScale(int width, int currentturn)
{
    return currentturn == 0 ? 1.0 : static_cast<double>(width - 41) / currentturn;
}

double chartYScale(int height, double maximum) { return maximum > 0 ? (height - 21) / maximum : 0.0; }

namespace {

int px(double value) { return truncToInt(value); }

void addTurnAxis(ChartPicture& pic, const ChartInput& in, const ChartTextMetrics& metrics)
{
    const int W = in.width, H = in.height;
    const int w = metrics.width("9999");
    if (w <= 0) return;
    const int n = (W - 40) / w;
    if (n <= 0) return;
    int step = in.currentturn / n;
    int last = 0;
    if (step == 0) {
        step = 1;
        last = in.currentturn;
    } else {
        last = in.currentturn / step;
    }
    for (int i = 0; i <= last; ++i) {
        const int x = px(i * pic.xscale * step + 40);
        pic.lines.push_back({x, 0, x, H - 21, chartGridColour, 1, ChartPen::Dotted});
        pic.lines.push_back({x, H - 18, x, H - 14, chartAxisColour, 1, ChartPen::Solid});
        std::string label = std::to_string(i * step);
        const int lw = metrics.width(label);
        if (x + lw / 2 <= W) pic.labels.push_back({x - lw / 2, H - 14, std::move(label)});
    }
}

void addValueAxis(ChartPicture& pic, const ChartInput& in, const ChartTextMetrics& metrics)
{
    const int W = in.width, H = in.height;
    const double maximum = in.maximum;
    const int h = 2 * metrics.height;
    if (maximum <= 0 || h <= 0) return;
    const double r = static_cast<double>(H - 20) / h;
    if (r <= 0) return;
    double f = 1, steps = r;
    if (r > maximum) {
        const double k = std::floor(r / maximum);
        f = (r / maximum) / k;
        steps = k * maximum;
    }
    const double perStep = maximum / steps;
    const int decimals = maximum <= 99 ? 2 : 0;
    const auto count = static_cast<int>(std::floor(steps));
    for (int j = 0; j <= count; ++j) {
        const double yd = H - 21 - j * h * f;
        const int y = px(yd);
        pic.lines.push_back({42, y, W, y, chartGridColour, 1, ChartPen::Dotted});
        pic.lines.push_back({34, y, 38, y, chartAxisColour, 1, ChartPen::Solid});
        if (yd - h / 4.0 >= 0) {
            std::string label = formatFixed(j * perStep, 0, decimals);
            const int lw = metrics.width(label);
            // Right-aligned to x 30; a label wider than that starts at the left edge instead of
            // losing its first digits.
            pic.labels.push_back({std::max(0, 30 - lw), px(yd - h / 4.0), std::move(label)});
        }
    }
}

} // namespace

ChartPicture buildChart(const ChartInput& in, const std::vector<chartracerecord>& races, const ChartData& data,
                        const ChartTextMetrics& metrics)
{
    ChartPicture pic;
    pic.width = in.width;
    pic.height = in.height;
    pic.xscale = chartXScale(in.width, in.currentturn);
    pic.yscale = chartYScale(in.height, in.maximum);
    const int H = in.height;
    pic.lines.push_back({38, 0, 38, H - 19, chartAxisColour, 2, ChartPen::Solid});
    pic.lines.push_back({38, H - 19, in.width + 1, H - 19, chartAxisColour, 2, ChartPen::Solid});
    addTurnAxis(pic, in, metrics);
    addValueAxis(pic, in, metrics);
    if (in.maximum <= 0) return pic;

    const std::size_t count = std::min(in.legendCount, races.size());
    for (std::size_t k = 0; k < count; ++k) {
        if (!races[k].display) continue;
        const bool highlighted = in.highlighted >= 0 && static_cast<std::size_t>(in.highlighted) == k;
        ChartRaceLine line{k, highlighted ? chartHighlight : chartRaceColour(k), highlighted ? 3 : 1,
                           highlighted || !chartRaceDotted(k) ? ChartPen::Solid : ChartPen::Dotted, {}};
        for (int t = 0; t <= in.currentturn; ++t)
            if (data.has(t, k)) line.points.push_back({px(t * pic.xscale + 40), px(H - 21 - data.value(t, k) * pic.yscale)});
        pic.races.push_back(std::move(line));
    }
    return pic;
}

ChartLegend buildChartLegend(const std::vector<chartracerecord>& races, int stripHeight, int highlighted)
{
    ChartLegend legend;
    legend.legendCount = races.size();
    int y = chartLegendTop;
    for (std::size_t k = 0; k < races.size(); ++k) {
        if (!races[k].display) continue;
        if (y + 13 >= stripHeight) {
            legend.legendCount = k;
            break;
        }
        legend.rows.push_back({k, y, highlighted >= 0 && static_cast<std::size_t>(highlighted) == k});
        y += chartLegendRowHeight;
    }
    return legend;
}

int chartLegendRaceAt(const std::vector<chartracerecord>& races, std::size_t legendCount, int y)
{
    // Row n (from 1) is the n-th shown race: rows start at chartLegendTop, 14 pixels apart.
    if (y < 0) return -1;
    int row = (y + 4) / chartLegendRowHeight;
    if (row < 1) return -1;
    const std::size_t count = std::min(legendCount, races.size());
    for (std::size_t k = 0; k < count; ++k)
        if (races[k].display && --row == 0) return static_cast<int>(k);
    return -1;
}

int chartOffset(int viewport, int size) { return size < viewport ? (viewport - size) / 2 : 0; }

namespace {
int clampScroll(double scroll, int viewport, int size)
{
    if (size <= viewport) return 0;
    return std::clamp(px(scroll), 0, size - viewport);
}
} // namespace

int chartScrollCentring(int point, int viewport, int oldSize, int newSize)
{
    if (oldSize <= 0) return 0;
    return clampScroll(static_cast<double>(point) * newSize / oldSize - viewport / 2, viewport, newSize);
}

} // namespace orrery

namespace orrery {

ChartScene buildChartScene(const std::vector<chartracerecord>& races, const ChartData& data, int currentturn,
                           int chartWidth, int chartHeight, int legendHeight, int highlighted,
                           const ChartTextMetrics& metrics)
{
    ChartScene scene;
    scene.legend = buildChartLegend(races, legendHeight, highlighted);
    scene.maximum = chartMaximum(races, data, scene.legend.legendCount, currentturn);
    ChartInput in;
    in.width = chartWidth;
    in.height = chartHeight;
    in.currentturn = currentturn;
    in.maximum = scene.maximum;
    in.legendCount = scene.legend.legendCount;
    in.highlighted = highlighted;
    scene.picture = buildChart(in, races, data, metrics);
    return scene;
}

} // namespace orrery
