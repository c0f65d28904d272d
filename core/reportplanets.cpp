// Planet tables: the player's own planets, other races' planets, the unidentified planets (only
// a position) and the uninhabited ones, in this turn's report and in the report of the turn
// before (which the reader needs for what changed: wiped-out planets).

#include "reportpasses.h"

namespace orrery::reader {

namespace {

// A planet line. Own and other races' planets show population, industry and resources;
// unidentified and uninhabited planets only resources.
planetrecord readPlanetLine(std::string_view line, const PlanetLayout& layout, bool numbered, bool populated)
{
    const Fields f(line);
    planetrecord p;
    const int n = numbered ? 2 : 1; // the name's field
    p.name = f[n];
    if (numbered && f[1] != f[2]) p.altname = f[1];
    p.x = numberField(f, n + 1);
    p.y = numberField(f, n + 2);
    p.size = numberField(f, n + 3);
    if (populated) {
        p.population = numberField(f, n + 4);
        p.industry = numberField(f, n + 5);
        p.resources = numberField(f, n + 6);
    } else {
        p.resources = numberField(f, n + 4);
    }
    p.producing = f[n + 7];
    p.capital = numberField(f, n + layout.capital);
    p.material = numberField(f, n + layout.material);
    p.colonists = numberField(f, n + layout.colonists);
    return p;
}

bool isPlanetHeading(std::string_view line, std::string_view word)
{
    return contains(line, word) && fieldCount(line) == 2;
}

std::string joined(std::string_view a, std::string_view b)
{
    std::string s(a);
    s += b;
    return s;
}

PlanetTable planetTableKind(std::string_view heading, std::string_view word)
{
    if (contains(heading, joined("Your ", word))) return PlanetTable::Own;
    if (contains(heading, "Unknown Systems") || contains(heading, "Unidentified Planets"))
        return PlanetTable::Unidentified;
    if (contains(heading, joined("Uninhabited ", word))) return PlanetTable::Uninhabited;
    return PlanetTable::Alien;
}

} // namespace

std::size_t Reader::readPlanetTable(const Lines& lines, std::size_t heading, PlanetTable columns,
                                    const shortname& owner, std::int32_t ownercode, bool alien,
                                    std::vector<planetrecord>& out)
{
    // The numbered dialect numbers every table but the unidentified systems.
    const bool numbered = layout_.planets.numbered && columns != PlanetTable::Unidentified;
    const bool populated = columns == PlanetTable::Own || columns == PlanetTable::Alien;
    std::size_t i = firstDataLine(lines, heading);
    for (; i < lines.size() && !endsTable(lines, i); ++i) {
        planetrecord p = readPlanetLine(lines[i], layout_.planets, numbered, populated);
        p.owner = owner;
        p.ownercode = ownercode;
        p.isalien = alien ? 1 : 0;
        out.push_back(std::move(p));
    }
    return i;
}

void Reader::previousTurn(const Lines& lines)
{
    scanPreamble(lines, true);
    const std::size_t start = readStatusTable(lines, 0, layout_.players, t_.previousplayers);
    const std::string_view word = layout_.tableWord;
    walkCandidates(lines, start, lines.linesContaining(word, std::min(start, lines.size())), [&](std::size_t i) {
        const std::string_view line = lines[i];
        if (!isPlanetHeading(line, word)) return i + 1;
        // Only what is compared with the new turn counts: who held the planet (the player,
        // nobody, or somebody else) and its position, size and resources. Other races' planets
        // are therefore read with the columns of unidentified planets (Blind Galaxy numbers them,
        // so there they take the columns of uninhabited systems).
        if (contains(line, "Uninhabited"))
            return readPlanetTable(lines, i, PlanetTable::Uninhabited, shortname(), ocUninhabited, false,
                                   t_.previousplanets);
        if (contains(line, "Your Planets") || contains(line, "Your Systems"))
            return readPlanetTable(lines, i, PlanetTable::Own, v_.ownrace, ocOwn, false, t_.previousplanets);
        const PlanetTable kind = planetTableKind(line, word);
        PlanetTable columns = kind;
        if (kind == PlanetTable::Own || kind == PlanetTable::Alien)
            columns = layout_.planets.numbered ? PlanetTable::Uninhabited : PlanetTable::Unidentified;
        return readPlanetTable(lines, i, columns, shortname(), ocOther, false, t_.previousplanets);
    });
}

std::size_t Reader::readPlanetHeading(const Lines& lines, std::size_t i)
{
    const std::string_view line = lines[i];
    switch (planetTableKind(line, layout_.tableWord)) {
    case PlanetTable::Own:
        return readPlanetTable(lines, i, PlanetTable::Own, v_.ownrace, ocOwn, false, t_.planets);
    case PlanetTable::Unidentified:
        return readPlanetTable(lines, i, PlanetTable::Unidentified, shortname(), ocOther, false, t_.planets);
    case PlanetTable::Uninhabited:
        return readPlanetTable(lines, i, PlanetTable::Uninhabited, shortname(), ocUninhabited, false, t_.planets);
    case PlanetTable::Alien: break;
    }
    return readPlanetTable(lines, i, PlanetTable::Alien, shortname(field(line, 1)), ocOther, true, t_.planets);
}

bool Reader::isPlanetTableHeading(std::string_view line) const { return isPlanetHeading(line, layout_.tableWord); }

bool Reader::endsBattlePart(std::string_view line) const
{
    return planetTableKind(line, layout_.tableWord) != PlanetTable::Alien;
}

} // namespace orrery::reader
