// orrery-cli overview PATH/NAME<n>EXT
// orrery-cli races PATH/NAME<n>EXT [--json]
//
// The turn overview and the races table of turn n, read as `orrery-cli turn` reads it.

#include "commands.h"
#include "jsonwriter.h"
#include "raceviews.h"
#include "stringgridmodel.h"
#include "turnloader.h"

#include <algorithm>
#include <cstdio>

using namespace orrery;

namespace orrery::cli {

namespace {

constexpr const char* valueKeys[raceValueCount] = {"drive",      "weapons",  "shields", "cargo",
                                                   "population", "industry", "planets", "prodpoints"};

// The arguments of both commands: the report's path and, when allowed, --json.
int parseArguments(const std::vector<std::string>& args, const char* command, bool jsonAllowed, std::string& path, bool& json)
{
    for (const std::string& a : args) {
        if (a == "--json" && jsonAllowed && !json)
            json = true;
        else if (path.empty() && !a.empty() && a.front() != '-')
            path = a;
        else
            return badArguments("unexpected argument " + a);
    }
    if (path.empty()) return badArguments(std::string(command) + " needs the path of a report");
    return 0;
}

void writeValues(JsonWriter& json, const RaceValues& values, bool withProdPoints)
{
    for (std::size_t v = 0; v < raceValueCount; ++v)
        if (withProdPoints || static_cast<RaceValue>(v) != RaceValue::ProdPoints) json.field(valueKeys[v], values[v]);
}

std::string racesJson(const std::vector<const RaceEntry*>& order)
{
    JsonWriter json;
    json.beginArray();
    for (const RaceEntry* race : order) {
        json.beginObject().field("race", race->name);
        writeValues(json, race->values, false);
        json.field("relationship", race->relationship).field("prodpoints", race->values.back());
        json.key("change");
        if (race->change) {
            json.beginObject();
            writeValues(json, *race->change, true);
            json.endObject();
        } else {
            json.null();
        }
        json.endObject();
    }
    json.endArray();
    return json.text();
}

// The grid as aligned text: names and relationships left-aligned, numbers right-aligned.
std::string racesText(const StringGridModel& grid)
{
    std::vector<std::size_t> widths(static_cast<std::size_t>(grid.columnCount()), 0);
    for (int r = 0; r < grid.rowCount(); ++r)
        for (int c = 0; c < grid.columnCount(); ++c)
            widths[static_cast<std::size_t>(c)] = std::max(widths[static_cast<std::size_t>(c)], grid.cell(c, r).size());
    std::string out;
    for (int r = 0; r < grid.rowCount(); ++r) {
        std::string line;
        for (int c = 0; c < grid.columnCount(); ++c) {
            const std::string& cell = grid.cell(c, r);
            const std::string pad(widths[static_cast<std::size_t>(c)] - cell.size(), ' ');
            if (c > 0) line += "  ";
            line += grid.isNumericColumn(c) ? pad + cell : cell + pad;
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += line + "\n";
    }
    return out;
}

} // namespace

int commandOverview(const std::vector<std::string>& args)
{
    std::string path;
    bool json = false;
    if (const int status = parseArguments(args, "overview", false, path, json)) return status;
    const Result<Game> game = loadTurnFromPath(path);
    if (!game) return fail(game.error().text());
    print(stdout, turnOverviewText(*game));
    return 0;
}

int commandRaces(const std::vector<std::string>& args)
{
    std::string path;
    bool json = false;
    if (const int status = parseArguments(args, "races", true, path, json)) return status;
    const Result<Game> game = loadTurnFromPath(path);
    if (!game) return fail(game.error().text());
    const std::vector<RaceEntry> races = raceEntries(*game);
    StringGridModel grid;
    fillRacesGrid(grid, races, false);
    print(stdout, json ? racesJson(entriesInGridOrder(grid, races)) : racesText(grid));
    return 0;
}

} // namespace orrery::cli
