#include "news.h"

#include "groupcells.h"
#include "playerpairs.h"
#include "textrules.h"

#include <algorithm>
#include <set>
#include <unordered_map>

namespace orrery {

namespace {

std::string valueText(double value) { return known(value) ? formatFixed(value, 4, 2) : std::string(); }

// A bombing's value, or the planet's where the bombing line did not give it.
std::string eitherValue(double bombing, double planet) { return valueText(known(bombing) ? bombing : planet); }

std::string labelOf(const shortname& altname, const shortname& name) { return (altname.empty() ? name : altname).str(); }

// The labels of the planets by name (the first planet of a name counts), for the pages that label
// many planets: a lookup each instead of a walk through every planet.
class PlanetLabels {
public:
    explicit PlanetLabels(const Game& game)
    {
        byName_.reserve(game.turn.planets.size());
        for (const planetrecord& p : game.turn.planets) byName_.emplace(p.name.view(), &p);
    }
    std::string operator()(std::string_view name) const
    {
        const auto found = byName_.find(name);
        if (found == byName_.end() || found->second->altname.empty()) return std::string(name);
        return found->second->altname.str();
    }

private:
    std::unordered_map<std::string_view, const planetrecord*> byName_;
};

// Losses as the battle summary words them: none, all, or how many.
std::string lossWord(int losses, int before, bool capital)
{
    if (losses == 0) return capital ? "None" : "none";
    if (losses == before) return capital ? "All" : "all";
    return std::to_string(losses);
}

} // namespace

const std::array<const char*, newsPageCount>& newsPageCaptions()
{
    static const std::array<const char*, newsPageCount> captions{
        "Global Messages", "Personal Messages", "Battles", "Bombings", "Incoming Groups",
        "Groups",          "Fleets",            "Stockpiles", "Report"};
    return captions;
}

// The report in its sections. The structured part (the tables before "Full Report on System" or
// "Partial Report on System", which only the text map's detail follows) holds the messages and
// the fleet tables; every line goes to the report list.
ReportPages splitReportText(std::string_view text)
{
    ReportPages pages;
    pages.report.reserve(text.size() / 40);
    enum class Messages { None, Global, Personal } messages = Messages::None;
    bool structured = true;
    bool fleet = false;
    LineReader reader(text);
    std::string_view line;
    while (reader.next(line)) {
        pages.report.emplace_back(line);
        if (!structured) continue;
        if (contains(line, "Full Report on System") || contains(line, "Partial Report on System")) {
            structured = false;
            continue;
        }
        const bool orders = contains(line, "ORDERS RECEIVED") || contains(line, "Status of Players");
        if (messages == Messages::Global && (orders || contains(line, "PERSONAL Messages")))
            messages = Messages::None;
        if (messages == Messages::Personal && orders) messages = Messages::None;
        if (messages == Messages::Global) pages.globalMessages.emplace_back(line);
        if (messages == Messages::Personal) pages.personalMessages.emplace_back(line);
        if (contains(line, "GLOBAL Messages")) messages = Messages::Global;
        if (contains(line, "PERSONAL Messages")) messages = Messages::Personal;

        // A fleet table runs from its heading up to the next groups table.
        if (fleet && contains(line, "Groups")) fleet = false;
        if (!fleet && ((contains(line, "Fleet") && contains(line, "(speed")) || contains(line, "Fleet Speed")))
            fleet = true;
        if (fleet) pages.fleets.emplace_back(line);
    }
    return pages;
}

std::vector<BattleLine> battleLines(const Game& game, int detail)
{
    std::vector<BattleLine> lines;
    const PlanetLabels label(game);
    for (const battlerecord& battle : game.turn.battles) {
        int ownBefore = 0, ownLosses = 0, enemyBefore = 0, enemyLosses = 0;
        double ownMass = 0, enemyMass = 0;
        for (const battleracerecord& race : battle.races) {
            const bool own = race.name == game.ownrace;
            for (const battlegrouprecord& g : race.groups) {
                const int losses = g.shipsbefore - g.survivors;
                (own ? ownBefore : enemyBefore) += g.shipsbefore;
                (own ? ownLosses : enemyLosses) += losses;
                (own ? ownMass : enemyMass) += losses * g.fullmass;
            }
        }
        // Every enemy ship destroyed is a victory; else losing every own ship is a defeat, also
        // when there were none to lose.
        const char* result = enemyLosses == enemyBefore ? "Victory" : ownLosses == ownBefore ? "Defeat" : "Standoff";
        const std::string planet = label(battle.name);
        auto add = [&](std::string text, bool isResult = false) { lines.push_back({std::move(text), planet, isResult}); };
        add(std::string(result) + " at planet " + planet, true);
        if (detail < 1) continue;
        add("   " + lossWord(enemyLosses, enemyBefore, false) + " of " + std::to_string(enemyBefore) +
            " enemy ships destroyed (total mass destroyed: " + formatFixed(enemyMass, 4, 2) + ").");
        add("   Enemy destroyed " + lossWord(ownLosses, ownBefore, false) + " of your " + std::to_string(ownBefore) +
            " ships (total mass destroyed: " + formatFixed(ownMass, 4, 2) + ").");
        if (detail < 2) continue;
        for (const battleracerecord& race : battle.races) {
            add("      " + race.name.str() + ":");
            for (const battlegrouprecord& g : race.groups) {
                const int losses = g.shipsbefore - g.survivors;
                add("         " + lossWord(losses, g.shipsbefore, true) + " of " + std::to_string(g.shipsbefore) +
                    " ships of type " + g.name.str() + " lost (total mass lost: " +
                    formatFixed(losses * g.fullmass, 4, 2) + ").");
            }
        }
    }
    return lines;
}

std::vector<std::string> battlePlanets(const Game& game)
{
    std::set<std::string> labels;
    const PlanetLabels label(game);
    for (const battlerecord& battle : game.turn.battles) labels.insert(label(battle.name));
    return {labels.begin(), labels.end()};
}

int battleLineOf(const std::vector<BattleLine>& lines, std::string_view planet)
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].result && lines[i].planet == planet) return static_cast<int>(i);
    return -1;
}

const NewsGridLayout& newsGridLayout(NewsGrid grid)
{
    static const NewsGridLayout bombings{
        {"Planet", "Owner", "Bomber", "Size", "Population", "Industrie", "Capital", "Material", "Colonists", "Producing"},
        {100, 100, 100, 0, 60, 0, 0, 0, 0, 100},
        48,
        {3, 4, 5, 6, 7, 8},
        0,
        0};
    static const NewsGridLayout incoming{
        {"Origin", "Owner of origin", "Destination", "Distance remaining", "Speed", "Total mass"},
        {120, 120, 120, 100, 0, 0},
        64,
        {0, 3, 4, 5},
        2,
        -1};
    static const NewsGridLayout stockpiles{
        {"Planet", "Capital", "Material", "Colonists"}, {100, 0, 0, 0}, 48, {1, 2, 3}, 0, 0};
    static const NewsGridLayout groups{
        {"ID", "No.", "Ship type", "Attacks", "Defence", "Min. speed", "Speed", "Max. cargo", "Cargo", "Quantity",
         "Mass", "Dist.", "Destination"},
        {23, 32, 107, 52, 46, 60, 40, 60, 37, 48, 40, 36, 98},
        64,
        {0, 1, 4, 5, 6, 7, 9, 10, 11},
        0,
        12};
    switch (grid) {
    case NewsGrid::Bombings: return bombings;
    case NewsGrid::IncomingGroups: return incoming;
    case NewsGrid::Stockpiles: return stockpiles;
    case NewsGrid::Groups: break;
    }
    return groups;
}

StringGridModel newsGridModel(NewsGrid grid, const GridRows& rows)
{
    const NewsGridLayout& layout = newsGridLayout(grid);
    const int columns = static_cast<int>(layout.headings.size());
    StringGridModel model(columns, static_cast<int>(std::max<std::size_t>(rows.size(), 1)) + 1);
    for (int c = 0; c < columns; ++c) model.setCell(c, 0, layout.headings[static_cast<std::size_t>(c)]);
    for (std::size_t r = 0; r < rows.size(); ++r) model.setRow(static_cast<int>(r) + 1, rows[r]);
    model.SetNumericColumns(layout.numericColumns);
    model.SortBy(layout.sortColumn, true);
    return model;
}

GridRows bombingRows(const Game& game)
{
    GridRows rows;
    for (const bombingrecord& b : game.turn.bombings) {
        const planetrecord* p = findPlanet(game.turn, b.name);
        if (!p) continue;
        rows.push_back({labelOf(b.altname, b.name), b.victim.str(), b.attacker.str(), valueText(p->size),
                        eitherValue(b.population, p->population), eitherValue(b.industry, p->industry),
                        eitherValue(b.capital, p->capital), eitherValue(b.material, p->material),
                        eitherValue(b.colonists, p->colonists), (b.producing.empty() ? p->producing : b.producing).str()});
    }
    return rows;
}

// The planets the races lost since the previous turn, each race paired with its own entry of the
// previous status table; a race new in this turn, or a count not known, adds nothing.
std::string bombingsLabel(const Game& game, std::size_t rows)
{
    if (rows == 0) return {};
    double lost = 0;
    for (const playerrecord& p : game.turn.players) {
        const playerrecord* before = previousEntryOf(game.turn.previousplayers, p);
        if (before && known(before->planetcount) && known(p.planetcount) && before->planetcount > p.planetcount)
            lost += before->planetcount - p.planetcount;
    }
    const double unidentified = lost - static_cast<double>(rows);
    if (unidentified > 0) return "Number of unidentified bombings: " + formatFixed(unidentified, 1, 0) + ".";
    return "All bombings identified.";
}

GridRows incomingRows(const Game& game)
{
    GridRows rows;
    for (const incomingrecord& g : game.turn.incominggroups)
        rows.push_back({labelOf(g.originaltname, g.origin), g.originowner.str(),
                        labelOf(g.destinationaltname, g.destination), valueText(g.distance), valueText(g.speed),
                        valueText(g.mass)});
    return rows;
}

GridRows stockpileRows(const Game& game)
{
    GridRows rows;
    for (const planetrecord& p : game.turn.planets) {
        if (p.ownercode != ocOwn || (p.capital == 0 && p.material == 0 && p.colonists == 0)) continue;
        rows.push_back({labelOf(p.altname, p.name), valueText(p.capital), valueText(p.material), valueText(p.colonists)});
    }
    return rows;
}

std::vector<std::string> groupRaces(const Game& game)
{
    std::vector<std::string> races;
    for (const racegrouprecord& r : game.turn.racegroups) races.push_back(r.name.str());
    return races;
}

int ownRaceIndex(const Game& game, const std::vector<std::string>& races)
{
    if (races.empty()) return -1;
    const auto own = std::find(races.begin(), races.end(), game.ownrace.view());
    return own == races.end() ? 0 : static_cast<int>(own - races.begin());
}

GridRows raceGroupRows(const Game& game, std::string_view race, GroupFilter filter)
{
    GridRows rows;
    const racegrouprecord* groups = nullptr;
    for (const racegrouprecord& r : game.turn.racegroups)
        if (r.name == race) {
            groups = &r;
            break;
        }
    if (!groups) return rows;
    const bool isOwn = groups->name == game.ownrace;

    // Where an own battle entry survived, the other races' battle entries are not shown.
    std::set<std::string_view> ownSurvived;
    if (const racegrouprecord* own = ownGroups(game); own && !isOwn)
        for (const grouprecord& g : own->groups)
            if (g.inbattle && g.survivors >= 1) ownSurvived.insert(g.location.view());

    const PlanetLabels label(game);
    for (const grouprecord& g : groups->groups) {
        if (isOwn ? g.inbattle != 0 : g.survivors == 0) continue;
        if (filter == GroupFilter::Military && !(g.attacks > 0)) continue;
        if (filter == GroupFilter::Transport && !(g.cargo > 0)) continue;
        if (!isOwn && g.inbattle && ownSurvived.count(g.location.view())) continue;
        const std::array<std::string, 11> cells = groupCells(groups->name, g);
        std::vector<std::string> row(cells.begin() + 1, cells.end());
        row.push_back(formatFixed(fullMass(g), 2, 2));
        row.push_back(g.distance > 0 ? formatFixed(g.distance, 3, 2) : std::string());
        row.push_back(label(g.location));
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<IncomingPick> pickIncoming(const Game& game, const std::vector<std::string>& row)
{
    for (const incomingrecord& g : game.turn.incominggroups) {
        if (g.originx == unknownposition) continue;
        const GridRows own = {{labelOf(g.originaltname, g.origin), g.originowner.str(),
                               labelOf(g.destinationaltname, g.destination), valueText(g.distance),
                               valueText(g.speed), valueText(g.mass)}};
        if (own.front() != row) continue;
        IncomingPick pick;
        pick.first.x = g.originx;
        pick.first.y = g.originy;
        pick.first.name = own.front()[0];
        pick.second.x = g.destinationx;
        pick.second.y = g.destinationy;
        pick.second.name = own.front()[2];
        for (const planetrecord& p : game.turn.planets)
            if (p.x == g.destinationx && p.y == g.destinationy) {
                pick.destination = &p;
                break;
            }
        return pick;
    }
    return std::nullopt;
}

NewsContent buildNews(const Game& game, std::string_view reportText, int detail, GroupFilter filter)
{
    NewsContent news;
    news.text = splitReportText(reportText);
    news.battles = battleLines(game, detail);
    news.battlePlanets = battlePlanets(game);
    const GridRows bombings = bombingRows(game);
    news.bombingsLabel = bombingsLabel(game, bombings.size());
    news.bombings = newsGridModel(NewsGrid::Bombings, bombings);
    news.incoming = newsGridModel(NewsGrid::IncomingGroups, incomingRows(game));
    news.stockpiles = newsGridModel(NewsGrid::Stockpiles, stockpileRows(game));
    news.races = groupRaces(game);
    news.race = ownRaceIndex(game, news.races);
    news.groups = newsGridModel(NewsGrid::Groups, news.race < 0 ? GridRows{}
                                                                : raceGroupRows(game, news.races[static_cast<std::size_t>(news.race)], filter));

    auto& v = news.visible;
    v[npGlobalMessages] = !news.text.globalMessages.empty();
    v[npPersonalMessages] = !news.text.personalMessages.empty();
    v[npFleets] = !news.text.fleets.empty();
    v[npBattles] = !news.battles.empty();
    v[npBombings] = !news.bombings.cell(0, 1).empty();
    v[npIncomingGroups] = !news.incoming.cell(0, 1).empty();
    v[npStockpiles] = !news.stockpiles.cell(0, 1).empty();
    v[npGroups] = !news.groups.cell(1, 1).empty();
    v[npReport] = true;
    return news;
}

} // namespace orrery
