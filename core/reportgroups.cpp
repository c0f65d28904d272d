// Ships: the races' ship types, the group tables (own groups, other races' groups, the entries of
// a battle), the own fleets, and the battles made of the battle entries.

#include "reportpasses.h"

namespace orrery::reader {

std::size_t Reader::readShipTypes(const Lines& lines, std::size_t heading)
{
    const shortname owner = headingRace(lines[heading], " Ship Types", v_.ownrace);
    std::size_t i = firstDataLine(lines, heading);
    for (; i < lines.size() && !endsTable(lines, i); ++i) {
        const Fields f(lines[i]);
        shiptyperecord t;
        t.name = f[1];
        t.owner = owner;
        t.drive = numberField(f, 2);
        t.attacks = numberField(f, 3);
        t.weapons = numberField(f, 4);
        t.shields = numberField(f, 5);
        t.cargo = numberField(f, 6);
        t.fromreport = 1;
        storeShipType(read_.designs, t);
    }
    return i;
}

const shiptyperecord* Reader::shipType(const shortname& name, const shortname& owner)
{
    auto key = [](const shortname& n, const shortname& o) {
        std::string k(o.view());
        k += '\0';
        k += n.view();
        return k;
    };
    if (!typesIndexed_) {
        // The report's own tables describe a design as it is now; they win over what was known.
        typesIndexed_ = true;
        types_.reserve(known_.size() + read_.designs.size());
        for (const shiptyperecord& t : read_.designs) types_.try_emplace(key(t.name, t.owner), &t);
        for (const shiptyperecord& t : known_) types_.try_emplace(key(t.name, t.owner), &t);
    }
    const auto it = types_.find(key(name, owner));
    return it == types_.end() ? nullptr : it->second;
}

racegrouprecord& Reader::raceGroups(const shortname& race)
{
    // Group tables come race by race: the race of the last line is the likely one.
    if (!t_.racegroups.empty() && t_.racegroups.back().name == race) return t_.racegroups.back();
    for (racegrouprecord& r : t_.racegroups)
        if (r.name == race) return r;
    t_.racegroups.push_back(racegrouprecord{race, {}});
    return t_.racegroups.back();
}

std::size_t Reader::readFleet(const Lines& lines, std::size_t heading)
{
    // "Fleet NAME (speed X)": the fleet's groups follow two lines further.
    const shortname fleet(field(lines[heading], 2));
    t_.fleets.push_back(fleetrecord{fleet});
    return readGroupTable(lines, heading + 3, v_.ownrace, false, fleet, false);
}

std::size_t Reader::readFleetTable(const Lines& lines, std::size_t heading)
{
    std::size_t i = firstDataLine(lines, heading);
    for (; i < lines.size() && !endsTable(lines, i); ++i) t_.fleets.push_back(fleetrecord{field(lines[i], 1)});
    return i;
}

std::size_t Reader::readGroupHeading(const Lines& lines, std::size_t heading, bool battle)
{
    const shortname race = headingRace(lines[heading], " Groups", v_.ownrace);
    // The column header, two lines further, tells whether the table has a fleet column.
    const std::size_t header = heading + 2;
    bool fleetColumn = false;
    if (header < lines.size()) {
        const Fields h(lines[header]);
        fleetColumn = h[10] == "F" || h[11] == "F";
    }
    return readGroupTable(lines, heading + 3, race, fleetColumn, shortname(), battle);
}

std::size_t Reader::readGroupTable(const Lines& lines, std::size_t first, const shortname& race, bool fleetColumn,
                                   const shortname& fleet, bool battle)
{
    std::size_t i = first;
    for (; i < lines.size() && !isBlankLine(lines[i]); ++i) {
        if (lines.endsReadable(i)) break;
        readGroupLine(lines[i], race, fleetColumn, fleet, battle);
    }
    return i;
}

void Reader::readGroupLine(std::string_view line, const shortname& race, bool fleetColumn, const shortname& fleet,
                           bool battle)
{
    const GroupLayout& layout = layout_.groups;
    const Fields f(line);
    const bool own = race == v_.ownrace;
    grouprecord gr;
    int b = 1;
    if (own && !battle) {
        b = 2;
        gr.groupnumber = numberField(f, 1);
    } else if (battle && layout.survivorsFirst) {
        b = 2;
    }
    gr.shipcount = numberField(f, b);
    gr.name = f[b + 1];
    if (const shiptyperecord* type = shipType(gr.name, race)) {
        gr.drive = type->drive;
        gr.attacks = type->attacks;
        gr.weapons = type->weapons;
        gr.shields = type->shields;
        gr.cargo = type->cargo;
    } else {
        gr.typeknown = false;
    }
    if (!layout.effectiveTechs) {
        gr.drivetech = numberField(f, b + 2);
        gr.weapontech = numberField(f, b + 3);
        gr.shieldtech = numberField(f, b + 4);
        gr.cargotech = numberField(f, b + 5);
    } else {
        // The columns show tech level x part: the tech level is the value over the part (kept as
        // it is for a part of 0).
        auto tech = [&](int n, double part) {
            const double value = numberField(f, n);
            return part != 0 ? value / part : value;
        };
        gr.drivetech = tech(b + 2, gr.drive);
        gr.weapontech = tech(b + 4, gr.weapons);
        gr.shieldtech = tech(b + 5, gr.shields);
        gr.cargotech = tech(b + 6, gr.cargo + gr.cargo * gr.cargo / 10.0);
        ++b;
    }
    const std::string_view cargo = f[b + 6];
    if (!cargo.empty() && cargo.front() != '-') gr.cargotype = cargo;
    gr.cargoquantity = readNumber(f[b + 7]);
    const int u = own && layout.ownUpgradeColumn ? 1 : 0;
    if (battle) {
        gr.location = battlePlanet_;
        gr.survivors = truncToInt(layout.survivorsFirst ? numberField(f, 1) : numberField(f, b + layout.survivors));
        gr.inbattle = 1;
    } else {
        gr.location = f[b + layout.location + u];
        gr.survivors = -1;
    }
    if (fleetColumn) {
        // The column holds "-" for a group in no fleet.
        if (f[b + 9] != "-") gr.fleet = f[b + 9];
        ++b;
    } else {
        gr.fleet = fleet;
    }
    // Groups at a planet have no distance column (or an empty one): they are at the planet.
    const std::string_view distance = f[b + layout.distance + u];
    gr.distance = distance.empty() ? 0.0 : readNumber(distance);
    raceGroups(race).groups.push_back(gr);
    if (battle) recordBattleEntry(gr, race, f);
}

void Reader::recordBattleEntry(const grouprecord& gr, const shortname& race, const Fields& f)
{
    battlerecord* battle = nullptr;
    for (battlerecord& br : t_.battles)
        if (br.name == gr.location) battle = &br;
    if (!battle) {
        t_.battles.push_back(battlerecord{gr.location, {}});
        battle = &t_.battles.back();
    }
    battleracerecord* side = nullptr;
    for (battleracerecord& rr : battle->races)
        if (rr.name == race) side = &rr;
    if (!side) {
        battle->races.push_back(battleracerecord{race, {}});
        side = &battle->races.back();
    }
    battlegrouprecord bg;
    bg.name = gr.name;
    bg.fullmass = emptyMass(gr) + gr.cargoquantity;
    bg.shipsbefore = truncToInt(numberField(f, layout_.groups.survivorsFirst ? 2 : 1));
    bg.survivors = gr.survivors;
    side->groups.push_back(bg);
}

} // namespace orrery::reader
