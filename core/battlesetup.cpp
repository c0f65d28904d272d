#include "battlesetup.h"

#include "gamedata.h"
#include "shipdesign.h"
#include "textrules.h"

#include <algorithm>

namespace orrery {

namespace {

// A whole number with an optional sign; blanks around it are allowed, as the engine reads it.
bool isWholeNumber(std::string_view cell)
{
    std::string_view text = trimmed(cell);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The number a panel label shows from its fourth character on.
std::optional<double> labelNumber(std::string_view label)
{
    const std::string_view text = trimmed(label.size() > 3 ? label.substr(3) : std::string_view());
    if (!isNumber(text)) return std::nullopt;
    return readNumber(text);
}

std::string orDefault(std::string_view cell, const char* fallback)
{
    const std::string_view text = trimmed(cell);
    return text.empty() ? std::string(fallback) : std::string(text);
}

} // namespace

BattleGroupsRow battleGroupsRowOf(const grouprecord& group)
{
    BattleGroupsRow row;
    row[0] = battleGroupId(group);
    const BattleRow cells = battleRowOf(group);
    std::copy(cells.begin(), cells.end(), row.begin() + 1);
    return row;
}

BattleRow withoutId(const BattleGroupsRow& row)
{
    BattleRow cells;
    std::copy(row.begin() + 1, row.end(), cells.begin());
    return cells;
}

std::vector<BattleGroupsRow> raceGroupRows(const Game& game, std::size_t race)
{
    std::vector<BattleGroupsRow> rows;
    if (race >= game.turn.racegroups.size()) return rows;
    for (const grouprecord& group : game.turn.racegroups[race].groups) rows.push_back(battleGroupsRowOf(group));
    return rows;
}

std::optional<std::pair<double, double>> panelPlanetPosition(std::string_view xLabel, std::string_view yLabel)
{
    const std::optional<double> x = labelNumber(xLabel);
    const std::optional<double> y = labelNumber(yLabel);
    if (!x || !y) return std::nullopt;
    return std::pair{*x, *y};
}

std::vector<BattleRow> groupsAtPlanetRows(const Game& game, double x, double y)
{
    std::vector<BattleRow> rows;
    const auto& planets = game.turn.planets;
    const auto planet = std::find_if(planets.begin(), planets.end(),
                                     [&](const planetrecord& p) { return p.x == x && p.y == y; });
    if (planet == planets.end()) return rows;
    for (const racegrouprecord& race : game.turn.racegroups) {
        const bool own = race.name == game.ownrace;
        for (const grouprecord& group : race.groups) {
            if (group.location != planet->name || group.distance != 0) continue;
            if (own ? group.inbattle != 0 : group.survivors == 0) continue;
            rows.push_back(battleRowOf(group));
        }
    }
    return rows;
}

bool isBlankBattleRow(const BattleRow& row)
{
    return std::all_of(row.begin(), row.end(), [](const std::string& cell) { return trimmed(cell).empty(); });
}

std::vector<BattleRow> emptySideTable() { return {BattleRow{}}; }

std::vector<BattleRow> sideTable(std::vector<BattleRow> rows)
{
    if (rows.empty()) rows.emplace_back();
    return rows;
}

void addToSide(std::vector<BattleRow>& table, const std::vector<BattleRow>& rows)
{
    if (rows.empty()) return;
    if (table.size() == 1 && isBlankBattleRow(table.front())) table.clear();
    table.insert(table.end(), rows.begin(), rows.end());
}

void deleteSideRow(std::vector<BattleRow>& table, std::size_t row)
{
    if (row >= table.size()) return;
    if (table.size() == 1)
        table.front() = BattleRow{};
    else
        table.erase(table.begin() + static_cast<std::ptrdiff_t>(row));
}

BattleRow designerRow(const DesignerFields& design)
{
    const auto& f = design.fields;
    return {"", design.name, f[0], f[1], f[2], f[3], f[4], "", f[5], f[6], f[7], f[8]};
}

DesignerFields designerFieldsOf(const BattleRow& row)
{
    DesignerFields design;
    design.name = row[bcType];
    for (int c = bcDrive; c <= bcCargo; ++c) design.fields[static_cast<std::size_t>(c - bcDrive)] = orDefault(row[c], "0");
    for (int c = bcDriveTech; c <= bcCargoTech; ++c)
        design.fields[static_cast<std::size_t>(c - bcDriveTech + 5)] = orDefault(row[c], "1.00");
    return design;
}

bool battleCellAccepted(int column, std::string_view text)
{
    if (column == bcType || trimmed(text).empty()) return true;
    if (column == bcNumber || column == bcAttacks) return isWholeNumber(text);
    return isNumber(trimmed(text));
}

bool simulationFieldAccepted(std::string_view text) { return text.empty() || isWholeNumber(text); }

} // namespace orrery
