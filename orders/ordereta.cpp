#include "ordereta.h"

#include "orderformat.h"
#include "orderwords.h"
#include "textrules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orrery {

namespace {

constexpr double cannotCompute = -1.0;

// A number of ships of an order: 0 for none, "all", or a count of 0 or below (the whole group).
double shipsOf(std::string_view word)
{
    if (word.empty() || word == "all") return 0.0;
    const double n = readNumber(word);
    return n > 0.0 ? n : 0.0;
}

bool unknownCoordinate(double v) { return v == unknownvalue || v == unknownposition || std::isnan(v); }

std::string groupWordOf(const grouprecord& g)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0f", std::trunc(g.groupnumber));
    return buffer;
}

} // namespace

EtaCalculator::EtaCalculator(const std::vector<std::string>& lines, MoveForm form, const Game& game)
    : lines_(lines), lookup_(game), blocks_(messageBlocks(lines, form))
{
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (blocks_[i] >= 0) continue;
        const OrderWords w(cutComment(lines[i]));
        const std::string first = upper(w[1]);
        if (first == "L") {
            cargoOrders_[std::string(w[2])].push_back({i, true, upper(w[3]), shipsOf(w[4])});
        } else if (first == "LOAD") {
            // "Load cargo C onto n ships of group G" or "Load A cargo C onto n ships of group G".
            const bool amount = w[2] != "cargo";
            cargoOrders_[std::string(w.last())].push_back(
                {i, true, upper(amount ? w[4] : w[3]), shipsOf(amount ? w[6] : w[5])});
        } else if (first == "U") {
            cargoOrders_[std::string(w[2])].push_back({i, false, {}, shipsOf(w[3])});
        } else if (first == "UNLOAD") {
            cargoOrders_[std::string(w.last())].push_back({i, false, {}, shipsOf(w[2])});
        } else if (first == "J") {
            joins_[std::string(w[3])].push_back({i, std::string(w[2])});
        } else if (first == "ADD") {
            joins_[std::string(w[9])].push_back({i, std::string(w[6])});
        }
    }
}

double EtaCalculator::cargoAtDeparture(const grouprecord& g, std::string_view groupWord, std::size_t index,
                                       double ships) const
{
    const auto it = cargoOrders_.find(std::string(groupWord));
    if (it == cargoOrders_.end()) return g.cargoquantity;
    const std::vector<CargoOrder>& orders = it->second;
    // The orders are in move order; the one nearest above the line that concerns these ships wins.
    auto end = std::lower_bound(orders.begin(), orders.end(), index,
                                [](const CargoOrder& o, std::size_t line) { return o.line < line; });
    for (auto o = std::make_reverse_iterator(end); o != orders.rend(); ++o) {
        if (!o->load) return 0.0;
        // A load of a different part of the group loads other ships.
        if (o->ships > 0.0 && ships > 0.0 && o->ships != ships) continue;
        if (o->ships > 0.0 && ships <= 0.0) continue;
        const double capacity = cargoCapacity(g);
        const planetrecord* planet = lookup_.planet(g.location.view());
        double stock = planet ? planetStock(*planet, o->cargo) : 0.0;
        // Loads of the same cargo by the same group higher up take their part first.
        for (auto earlier = orders.begin(); earlier != orders.end() && earlier->line < o->line; ++earlier)
            if (earlier->load && earlier->cargo == o->cargo)
                stock -= capacity * (earlier->ships > 0.0 ? earlier->ships : g.shipcount);
        stock = std::max(stock, 0.0);
        const double loaded = o->ships > 0.0 ? o->ships : g.shipcount;
        if (!(loaded > 0.0)) return 0.0;
        return std::min(capacity, stock / loaded);
    }
    return g.cargoquantity;
}

double EtaCalculator::groupEtaOf(const grouprecord& g, std::string_view groupWord, std::string_view destination,
                                 std::size_t index, double ships) const
{
    if (g.inbattle || g.distance != 0.0) return cannotCompute;
    const planetrecord* from = lookup_.planet(g.location.view());
    const planetrecord* to = lookup_.planet(destination);
    if (!from || !to) return cannotCompute;
    if (unknownCoordinate(from->x) || unknownCoordinate(from->y) || unknownCoordinate(to->x) ||
        unknownCoordinate(to->y))
        return cannotCompute;
    const double mass = emptyMass(g) + cargoAtDeparture(g, groupWord, index, ships);
    const double speed = g.typeknown && mass > 0.0 ? 20.0 * g.drive * g.drivetech / mass : 0.0;
    if (!(speed > 0.0)) return 1.0;
    const double distance = std::hypot(to->x - from->x, to->y - from->y);
    return std::ceil(distance / speed);
}

double EtaCalculator::groupEta(std::string_view groupWord, std::string_view planet, std::size_t index,
                               double ships) const
{
    const grouprecord* g = lookup_.group(groupWord);
    if (!g) return cannotCompute;
    return groupEtaOf(*g, groupWord, planet, index, ships);
}

double EtaCalculator::fleetEta(std::string_view fleet, std::string_view planet, std::size_t index) const
{
    // The fleet moves at the speed of its slowest group: those at a planet now, and those that
    // join it by orders above the line.
    const grouprecord* slowest = nullptr;
    std::string slowestWord;
    double slowestSpeed = 99999.0;
    auto consider = [&](const grouprecord* g, std::string_view word) {
        const double s = speed(*g);
        if (s < slowestSpeed) {
            slowestSpeed = s;
            slowest = g;
            slowestWord = word;
        }
    };
    if (const auto* members = lookup_.fleetMembers(fleet))
        for (const grouprecord* g : *members)
            if (!g->inbattle && g->distance == 0.0) consider(g, groupWordOf(*g));
    if (const auto it = joins_.find(std::string(fleet)); it != joins_.end())
        for (const Join& join : it->second) {
            if (join.line >= index) break;
            if (const grouprecord* g = lookup_.group(join.group)) consider(g, join.group);
        }
    // A fleet without groups yet (created by this move) has no speed.
    if (!slowest) return cannotCompute;
    return groupEtaOf(*slowest, slowestWord, planet, index, 0.0);
}

std::string etaComment(double eta)
{
    if (eta < 0.0) return " ; ETA ? turns";
    if (eta < 2.0) return {};
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, " ; ETA %.0f turns", eta);
    return buffer;
}

std::string EtaCalculator::lineWithEta(std::size_t index) const
{
    const std::string& line = lines_[index];
    if (inMessage(index)) return line;
    const std::string_view cut = trimmed(cutComment(line));
    const OrderWords w(cut);
    const std::string first = upper(w[1]);
    const bool send = first == "S" || first == "SEND";
    if (!send && first != "I" && first != "INTERCEPT") return std::string(cut);

    std::string_view target;   // group or fleet
    std::string_view planet;
    std::string_view shipWord; // number of ships of a partial order
    bool fleet = false;
    if (first == "S") {
        target = w[2], planet = w[3], shipWord = w[4];
        fleet = w[2] == "fleet";
    } else if (first == "SEND") {
        fleet = w[2] == "fleet";
        if (w[2] == "group" || fleet)
            target = w[3], planet = w[6];
        else
            target = w[6], planet = w[9], shipWord = w[2];
    } else {
        // Intercept lines are read at the places of the natural text (raw ones then get none).
        planet = w[5];
        fleet = w[7] == "fleet";
        if (fleet)
            target = w[8];
        else
            target = w[11], shipWord = w[7];
    }

    double eta = cannotCompute;
    if (fleet) {
        eta = fleetEta(target, planet, index);
    } else if (upper(target) == "MAX") {
        // MAX is the group that the order just above splits off.
        if (index >= 1) {
            const OrderWords above(cutComment(lines_[index - 1]));
            const std::string command = upper(above[1]);
            std::string_view group, ships;
            bool known = true;
            if (command == "L")
                group = above[2], ships = above[4];
            else if (command == "LOAD")
                group = above.last(), ships = above[2] == "cargo" ? above[5] : above[6];
            else if (command == "U" || command == "B")
                group = above[2], ships = above[3];
            else if (command == "UNLOAD")
                group = above.last(), ships = above[2];
            else if (command == "BREAK")
                group = above.last(), ships = above[3];
            else
                known = false;
            // A load or unload of the whole group splits nothing off.
            if (known && isNumber(ships) && readNumber(ships) > 0.0)
                eta = groupEta(group, planet, index, shipsOf(ships));
        }
    } else if (isWholeNumber(target)) {
        eta = groupEta(target, planet, index, shipsOf(shipWord));
    } else {
        return std::string(cut);
    }
    return std::string(cut) + etaComment(eta);
}

std::string OrderEta(const std::vector<std::string>& lines, MoveForm form, std::size_t index, const Game& game)
{
    if (index >= lines.size()) return {};
    return EtaCalculator(lines, form, game).lineWithEta(index);
}

void RecalculateEtas(std::vector<std::string>& lines, MoveForm form, std::size_t first, const Game& game)
{
    const EtaCalculator calculator(lines, form, game);
    for (std::size_t i = std::max<std::size_t>(first, 1); i < lines.size(); ++i) {
        std::string updated = calculator.lineWithEta(i);
        if (!updated.empty()) lines[i] = std::move(updated);
    }
}

} // namespace orrery
