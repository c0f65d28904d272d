// The races table and the two searches of the map: "Find Planet" and "Find Race".

#include "playerpairs.h"
#include "raceviews.h"
#include "stringgridmodel.h"
#include "textrules.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace orrery {

namespace {

double valueOf(const playerrecord& p, RaceValue v)
{
    switch (v) {
    case RaceValue::Drive: return p.drivetech;
    case RaceValue::Weapons: return p.weapontech;
    case RaceValue::Shields: return p.shieldtech;
    case RaceValue::Cargo: return p.cargotech;
    case RaceValue::Population: return p.population;
    case RaceValue::Industry: return p.industry;
    case RaceValue::Planets: return p.planetcount;
    case RaceValue::ProdPoints: return productionPoints(p);
    }
    return 0.0;
}

// Grid column of each value, and its w:d format.
constexpr std::array<int, raceValueCount> columnOf{1, 2, 3, 4, 5, 6, 7, 9};
constexpr std::array<int, raceValueCount> widthOf{2, 2, 2, 2, 5, 5, 4, 5};
constexpr std::array<int, raceValueCount> decimalsOf{2, 2, 2, 2, 2, 2, 0, 2};
constexpr int relationshipColumn = 8;
constexpr int prodPointsColumn = 9;

unsigned char folded(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<unsigned char>(c + 0x20);
    return c;
}

// Sorted as a list box sorts: without regard to case, then by the exact text.
void sortChoices(std::vector<std::string>& names)
{
    auto key = [](const std::string& s) {
        std::string k(s);
        for (char& c : k) c = static_cast<char>(folded(static_cast<unsigned char>(c)));
        return k;
    };
    std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
        const std::string ka = key(a), kb = key(b);
        return ka != kb ? ka < kb : a < b;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
}

} // namespace

std::string relationshipText(std::string_view relation)
{
    if (relation == "P") return "Peace";
    if (relation == "W") return "War";
    if (relation == "G") return "Guard";
    return std::string(relation);
}

std::vector<RaceEntry> raceEntries(const Game& game)
{
    std::vector<RaceEntry> entries;
    entries.reserve(game.turn.players.size());
    for (const playerrecord& p : game.turn.players) {
        RaceEntry e;
        e.name = p.name.str();
        e.relationship = relationshipText(p.relation.view());
        for (std::size_t v = 0; v < raceValueCount; ++v) e.values[v] = valueOf(p, static_cast<RaceValue>(v));
        if (const playerrecord* before = previousEntryOf(game.turn.previousplayers, p)) {
            RaceValues change{};
            bool any = false;
            for (std::size_t v = 0; v < raceValueCount; ++v) {
                const double a = e.values[v], b = valueOf(*before, static_cast<RaceValue>(v));
                // Production points are known when population and industry are.
                const bool knownBoth = static_cast<RaceValue>(v) == RaceValue::ProdPoints
                                           ? p.population != unknownvalue && p.industry != unknownvalue &&
                                                 before->population != unknownvalue && before->industry != unknownvalue
                                           : a != unknownvalue && b != unknownvalue;
                // The report gives two decimals; rounding drops the binary noise of the difference.
                change[v] = knownBoth ? std::round((a - b) * 1e6) / 1e6 : 0.0;
                any = any || knownBoth;
            }
            if (any) e.change = change;
        }
        entries.push_back(std::move(e));
    }
    return entries;
}

void fillRacesGrid(StringGridModel& grid, const std::vector<RaceEntry>& races, bool byDifference)
{
    grid.setColumnCount(10);
    grid.setRowCount(1 + 2 * static_cast<int>(races.size()));
    grid.setRow(0, {"Race", "Drive tech", "Weapon tech", "Shield tech", "Cargo tech", "Population", "Industrie", "Planets",
                    "Relationship", "Prod. points"});
    int row = 1;
    for (const RaceEntry& race : races) {
        std::vector<std::string> values(10), changes(10);
        values[0] = race.name;
        values[relationshipColumn] = race.relationship;
        for (std::size_t v = 0; v < raceValueCount; ++v) {
            const auto c = static_cast<std::size_t>(columnOf[v]);
            values[c] = formatFixed(race.values[v], widthOf[v], decimalsOf[v]);
            if (!race.change) continue;
            // A change too small to show in the column's decimals counts as none (no "-0.00").
            const std::string zero = formatFixed(0.0, widthOf[v], decimalsOf[v]);
            const std::string shown = formatFixed((*race.change)[v], widthOf[v], decimalsOf[v]);
            std::string_view digits = trimmed(shown);
            if (!digits.empty() && digits.front() == '-') digits.remove_prefix(1);
            if (digits != trimmed(zero))
                changes[c] = shown;
        }
        grid.setRow(row++, values);
        grid.setRow(row++, changes);
    }
    grid.SetNumericColumns({1, 2, 3, 4, 5, 6, 7, 9});
    grid.SetRecordLayout(true, byDifference ? 1 : 0);
    grid.SortBy(prodPointsColumn, false);
}

std::vector<const RaceEntry*> entriesInGridOrder(const StringGridModel& grid, const std::vector<RaceEntry>& races)
{
    std::unordered_map<std::string, const RaceEntry*> byName;
    for (const RaceEntry& r : races) byName.emplace(r.name, &r);
    std::vector<const RaceEntry*> order;
    for (int row = 1; row < grid.rowCount(); row += 2)
        if (const auto it = byName.find(grid.cell(0, row)); it != byName.end()) order.push_back(it->second);
    return order;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (folded(static_cast<unsigned char>(a[i])) != folded(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

const planetrecord* findPlanetByName(const std::vector<planetrecord>& planets, std::string_view text)
{
    if (text.empty()) return nullptr;
    for (const planetrecord& p : planets)
        if (equalsIgnoringCase(p.name.view(), text) || (!p.altname.empty() && equalsIgnoringCase(p.altname.view(), text)))
            return &p;
    return nullptr;
}

std::vector<std::string> planetChoices(const std::vector<planetrecord>& planets)
{
    std::vector<std::string> names;
    names.reserve(planets.size() * 2);
    for (const planetrecord& p : planets) {
        names.push_back(p.name.str());
        if (!p.altname.empty()) names.push_back(p.altname.str());
    }
    sortChoices(names);
    return names;
}

std::vector<std::string> raceChoices(const Game& game)
{
    std::vector<std::string> names;
    for (const playerrecord& p : game.turn.players)
        if (p.name != game.ownrace) names.push_back(p.name.str());
    sortChoices(names);
    return names;
}

} // namespace orrery
