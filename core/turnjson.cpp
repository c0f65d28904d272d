#include "turnjson.h"

#include "jsonwriter.h"

namespace orrery {

void writeJson(JsonWriter& j, const planetrecord& p)
{
    j.beginObject();
    j.field("name", p.name).field("altname", p.altname).field("producing", p.producing).field("owner", p.owner);
    j.key("alienraces").beginArray();
    for (const shortname& r : p.alienraces) j.value(r.view());
    j.endArray();
    j.field("size", p.size).field("population", p.population).field("industry", p.industry);
    j.field("resources", p.resources).field("capital", p.capital).field("material", p.material);
    j.field("colonists", p.colonists).field("x", p.x).field("y", p.y);
    j.field("attackscale", p.attackscale).field("defencescale", p.defencescale).field("shipscale", p.shipscale);
    j.field("ownercode", p.ownercode).field("battlesize", p.battlesize);
    j.field("isalien", int(p.isalien)).field("hadbattle", int(p.hadbattle));
    j.field("owngroups", int(p.owngroups)).field("aliengroups", int(p.aliengroups));
    j.key("fleetspeeds").beginArray();
    for (double v : p.fleetspeeds) j.value(v);
    j.endArray();
    j.key("groupspeeds").beginArray();
    for (double v : p.groupspeeds) j.value(v);
    j.endArray();
    j.endObject();
}

void writeJson(JsonWriter& j, const playerrecord& p)
{
    j.beginObject();
    j.field("name", p.name).field("relation", p.relation);
    j.field("drivetech", p.drivetech).field("weapontech", p.weapontech);
    j.field("shieldtech", p.shieldtech).field("cargotech", p.cargotech);
    j.field("population", p.population).field("industry", p.industry).field("planetcount", p.planetcount);
    j.field("attributed", p.attributed);
    j.endObject();
}

void writeJson(JsonWriter& j, const grouprecord& g)
{
    j.beginObject();
    j.field("name", g.name).field("location", g.location).field("fleet", g.fleet).field("cargotype", g.cargotype);
    j.field("groupnumber", g.groupnumber).field("shipcount", g.shipcount);
    j.field("attacks", g.attacks).field("weapons", g.weapons).field("shields", g.shields);
    j.field("drive", g.drive).field("cargo", g.cargo).field("cargoquantity", g.cargoquantity);
    j.field("distance", g.distance);
    j.field("drivetech", g.drivetech).field("weapontech", g.weapontech);
    j.field("shieldtech", g.shieldtech).field("cargotech", g.cargotech);
    j.field("survivors", g.survivors).field("inbattle", int(g.inbattle)).field("typeknown", g.typeknown);
    j.endObject();
}

void writeJson(JsonWriter& j, const optiontype& o)
{
    j.beginObject();
    j.field("version", o.version);
    for (const OptionFlag& flag : optionFlags()) j.field(flag.keyword, o.*flag.member);
    j.field("mapsize", o.mapsize).field("xcenter", o.xcenter).field("ycenter", o.ycenter);
    j.field("forecastturn", o.forecastturn);
    j.endObject();
}

void writeJson(JsonWriter& j, const shiptyperecord& t)
{
    j.beginObject();
    j.field("name", t.name).field("owner", t.owner);
    j.field("drive", t.drive).field("attacks", t.attacks).field("weapons", t.weapons);
    j.field("shields", t.shields).field("cargo", t.cargo).field("fromreport", t.fromreport);
    j.endObject();
}

void writeJson(JsonWriter& j, const routerecord& r)
{
    j.beginObject();
    j.field("name", r.name).field("capital", r.capital).field("material", r.material);
    j.field("colonists", r.colonists).field("empty", r.empty);
    j.key("symbolsizes").beginArray();
    for (auto v : r.symbolsizes) j.value(int(v));
    j.endArray();
    j.endObject();
}

void writeJson(JsonWriter& j, const bombingrecord& b)
{
    j.beginObject();
    j.field("marker", b.marker).field("x", b.x).field("y", b.y);
    j.field("population", b.population).field("industry", b.industry).field("capital", b.capital);
    j.field("material", b.material).field("colonists", b.colonists);
    j.field("name", b.name).field("altname", b.altname).field("victim", b.victim);
    j.field("attacker", b.attacker).field("producing", b.producing);
    j.endObject();
}

void writeJson(JsonWriter& j, const incomingrecord& r)
{
    j.beginObject();
    j.field("origin", r.origin).field("originowner", r.originowner).field("destination", r.destination);
    j.field("originaltname", r.originaltname).field("destinationaltname", r.destinationaltname);
    j.field("distance", r.distance).field("speed", r.speed).field("mass", r.mass);
    j.field("originx", r.originx).field("originy", r.originy);
    j.field("destinationx", r.destinationx).field("destinationy", r.destinationy);
    j.key("symbolsizes").beginArray();
    for (auto v : r.symbolsizes) j.value(int(v));
    j.endArray();
    j.endObject();
}

void writeJson(JsonWriter& j, const mapmarkrecord& m)
{
    j.beginObject().field("x", m.x).field("y", m.y).field("kind", int(m.kind)).endObject();
}

void writeJson(JsonWriter& j, const fleetrecord& f) { j.beginObject().field("name", f.name).endObject(); }

void writeJson(JsonWriter& j, const turnintelrecord& r)
{
    j.beginObject().field("x", r.x).field("y", r.y).field("ownerindex", r.ownerindex).field("size", r.size);
    j.field("population", r.population).field("industry", r.industry).field("resources", r.resources).endObject();
}

namespace {

template <class List, class Fn>
void writeList(JsonWriter& j, const char* name, const List& list, Fn&& fn)
{
    j.key(name).beginArray();
    for (const auto& item : list) fn(j, item);
    j.endArray();
}

template <class List>
void writeList(JsonWriter& j, const char* name, const List& list)
{
    writeList(j, name, list, [](JsonWriter& w, const auto& item) { writeJson(w, item); });
}

} // namespace

void writeJson(JsonWriter& j, const racegrouprecord& r)
{
    j.beginObject().field("name", r.name);
    writeList(j, "groups", r.groups);
    j.endObject();
}

void writeJson(JsonWriter& j, const battlerecord& b)
{
    j.beginObject().field("name", b.name);
    writeList(j, "races", b.races, [](JsonWriter& w, const battleracerecord& r) {
        w.beginObject().field("name", r.name);
        writeList(w, "groups", r.groups, [](JsonWriter& w2, const battlegrouprecord& g) {
            w2.beginObject().field("name", g.name).field("fullmass", g.fullmass);
            w2.field("shipsbefore", g.shipsbefore).field("survivors", g.survivors).endObject();
        });
        w.endObject();
    });
    j.endObject();
}

std::string turnToJson(const Game& game)
{
    const turnrecord& t = game.turn;
    JsonWriter j;
    j.beginObject();
    j.field("gametype", game.gametype).field("currentturn", game.currentturn).field("ownrace", game.ownrace);
    j.field("mapx0", game.mapx0).field("mapy0", game.mapy0);
    j.field("mapwidth", game.mapwidth).field("mapheight", game.mapheight);
    writeList(j, "players", t.players);
    writeList(j, "previousplayers", t.previousplayers);
    writeList(j, "planets", t.planets);
    writeList(j, "previousplanets", t.previousplanets);
    writeList(j, "shiptypes", game.shiptypes);
    writeList(j, "racegroups", t.racegroups);
    writeList(j, "fleets", t.fleets);
    writeList(j, "battles", t.battles);
    writeList(j, "routes", t.routes);
    writeList(j, "bombings", t.bombings);
    writeList(j, "incominggroups", t.incominggroups);
    writeList(j, "mapmarks", t.mapmarks);
    writeList(j, "vanishedraces", t.vanishedraces, [](JsonWriter& w, const shortname& n) { w.value(n.view()); });
    writeList(j, "vanishedpositions", t.vanishedpositions, [](JsonWriter& w, std::int32_t v) { w.value(v); });
    j.key("gameoptions");
    writeJson(j, game.gameoptions);
    j.endObject();
    return j.text();
}

} // namespace orrery
