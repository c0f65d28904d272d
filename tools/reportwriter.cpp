#include "reportwriter.h"

#include "textrules.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace orrery::gen {

const char* dialectName(Dialect dialect)
{
    switch (dialect) {
    case Dialect::Standard: return "standard";
    case Dialect::GalaxyNG: return "ng";
    case Dialect::Blind: return "blind";
    }
    return "?";
}

std::string columnName(std::string_view race)
{
    std::string name(race);
    std::replace(name.begin(), name.end(), ' ', '_');
    return name;
}

bool printsTextMap(const GalaxyDescription& galaxy)
{
    return galaxy.dialect != Dialect::Blind || galaxy.options.map;
}

MapCell mapCell(const GalaxyDescription& galaxy, double x, double y)
{
    const double width = galaxy.mapx1 - galaxy.mapx0;
    const double height = galaxy.mapy1 - galaxy.mapy0;
    MapCell cell;
    if (width > 0) cell.column = static_cast<int>(std::floor((x - galaxy.mapx0) / width * 80.0));
    if (height > 0 && galaxy.maprows > 1)
        cell.row = static_cast<int>(std::lround((y - galaxy.mapy0) / height * (galaxy.maprows - 1)));
    cell.column = std::clamp(cell.column, 0, 79);
    cell.row = std::clamp(cell.row, 0, std::max(0, galaxy.maprows - 1));
    return cell;
}

const shiptyperecord* designOf(const GalaxyDescription& galaxy, std::string_view type, std::string_view race)
{
    const shortname owner(race);
    for (const shiptyperecord& t : galaxy.shiptypes)
        if (t.name == type && t.owner == owner) return &t;
    return nullptr;
}

std::string fullRaceName(const GalaxyDescription& galaxy, const shortname& name)
{
    auto longer = [&](const std::string& full) { return full.size() > name.size() && shortname(full) == name; };
    if (longer(galaxy.ownrace)) return galaxy.ownrace;
    for (const ReportRaceGroups& r : galaxy.groups)
        if (longer(r.race)) return r.race;
    for (const ReportBattle& b : galaxy.battles)
        for (const ReportRaceGroups& r : b.tables)
            if (longer(r.race)) return r.race;
    return name.str();
}

namespace {

std::string num(double value, int decimals = 2) { return formatFixed(value, 0, decimals); }
std::string whole(double value) { return formatFixed(value, 0, 0); }

enum class Align { Left, Right };

struct Column {
    std::string label;
    Align align = Align::Right;
};

// A table as the servers print it: a header of one-word labels, every column padded to its
// widest cell, cells joined by the separator, and a blank at the end of every line.
class Table {
public:
    Table(std::vector<Column> columns, std::string_view separator) : columns_(std::move(columns)), sep_(separator) {}

    void add(std::vector<std::string> cells)
    {
        cells.resize(columns_.size());
        rows_.push_back(std::move(cells));
    }
    bool empty() const { return rows_.empty(); }

    void write(std::string& out) const
    {
        std::vector<std::size_t> widths(columns_.size());
        for (std::size_t c = 0; c < columns_.size(); ++c) widths[c] = columns_[c].label.size();
        for (const auto& row : rows_)
            for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
        auto put = [&](std::size_t c, const std::string& text) {
            const std::size_t pad = widths[c] - text.size();
            if (columns_[c].align == Align::Right) out.append(pad, ' ');
            out += text;
            if (columns_[c].align == Align::Left) out.append(pad, ' ');
            out += c + 1 < columns_.size() ? sep_ : std::string_view(" ");
        };
        for (std::size_t c = 0; c < columns_.size(); ++c) put(c, columns_[c].label);
        out += '\n';
        for (const auto& row : rows_) {
            for (std::size_t c = 0; c < row.size(); ++c) put(c, row[c]);
            out += '\n';
        }
    }

private:
    std::vector<Column> columns_;
    std::string_view sep_;
    std::vector<std::vector<std::string>> rows_;
};

std::vector<Column> columns(std::initializer_list<const char*> labels, int leftColumns = 1)
{
    std::vector<Column> result;
    int k = 0;
    for (const char* label : labels) result.push_back({label, k++ < leftColumns ? Align::Left : Align::Right});
    return result;
}

// Writes one report; each section method appends its part in the order of the real servers.
class Writer {
public:
    explicit Writer(const GalaxyDescription& galaxy)
        : g_(galaxy), blind_(galaxy.dialect == Dialect::Blind), ng_(galaxy.dialect == Dialect::GalaxyNG),
          standard_(galaxy.dialect == Dialect::Standard),
          sep_(blind_ && galaxy.options.twospace ? "  " : " ")
    {
    }

    std::string write()
    {
        out_.reserve(1 << 16);
        preamble();
        status();
        shipTypes();
        battles();
        bombings();
        textMap();
        incoming();
        ownPlanets();
        routes();
        alienPlanets();
        unidentifiedPlanets();
        uninhabitedPlanets();
        ownGroups();
        alienGroups();
        if (blind_ && g_.systemReports) systemReports();
        if (!g_.crlf) return std::move(out_);
        std::string crlf;
        crlf.reserve(out_.size() + out_.size() / 16);
        for (char c : out_) {
            if (c == '\n') crlf += '\r';
            crlf += c;
        }
        return crlf;
    }

private:
    void line(std::string_view text)
    {
        out_ += text;
        out_ += '\n';
    }
    void blank() { out_ += '\n'; }
    void heading(std::string_view text)
    {
        out_ += "\t\t";
        line(text);
        blank();
    }
    void table(const Table& t)
    {
        t.write(out_);
        blank();
    }

    std::string word() const { return blind_ ? "Systems" : "Planets"; }
    bool isOwn(std::string_view race) const { return race == g_.ownrace; }
    std::string raceHeading(std::string_view race) const { return isOwn(race) ? "Your" : columnName(race); }
    std::string turnText() const { return std::to_string(g_.turn); }

    // ---- preamble --------------------------------------------------------------------------

    void mailHeaders()
    {
        if (!g_.mailHeaders) return;
        line("From: galaxy@example.org");
        line("To: player@example.org");
        line("Subject: Galaxy Game " + g_.gamename + " Turn " + turnText() + " Report for " + g_.ownrace);
        line("Date: Sun, 6 Dec 2026 06:37:56 +0100");
        blank();
    }

    void messages()
    {
        if (g_.messages.empty()) return;
        line("PERSONAL Messages for " + g_.ownrace);
        blank();
        line("-message starts-");
        for (const std::string& m : g_.messages) line(m);
        line("-message ends-");
        blank();
    }

    void preamble()
    {
        mailHeaders();
        if (ng_)
            ngBulletins();
        else if (blind_)
            blindHeader();
        else {
            line("Galaxy 3.52 turn report");
            blank();
            line("Report for " + g_.ownrace + ", Galaxy game " + g_.gamename + ", Turn " + turnText());
            blank();
            messages();
        }
    }

    void ngBulletins()
    {
        line("Bulletins for Galaxy Game " + g_.gamename + " Turn " + turnText());
        blank();
        line(g_.gamename + " Top " + std::to_string(g_.players.size()) + " of turn " + turnText() +
             " which ran on 06:37:56 Sun Dec 06 2026");
        blank();
        std::vector<const playerrecord*> ranked;
        for (const playerrecord& p : g_.players) ranked.push_back(&p);
        std::stable_sort(ranked.begin(), ranked.end(),
                         [](const playerrecord* a, const playerrecord* b) { return a->population > b->population; });
        line(" # lt  Race          Pop   dlt    Ind   dlt   eInd   dlt  tech  dlt   #  dlt");
        int rank = 1;
        for (const playerrecord* p : ranked) {
            std::string name = p->name.str().substr(0, 10);
            name.resize(10, ' ');
            const double tech = p->drivetech + p->weapontech + p->shieldtech + p->cargotech;
            line(formatFixed(rank++, 2, 0) + "   0 " + name + " " + formatFixed(p->population, 6, 0) + "     0 " +
                 formatFixed(p->industry, 6, 0) + "     0 " + formatFixed(p->industry, 6, 0) + "     0 " +
                 formatFixed(tech, 5, 2) + " 0.00 " + formatFixed(p->planetcount, 3, 0) + "   0");
        }
        blank();
        blank();
        blank();
        line("\t\tProduction Status");
        line("Sofar you have:");
        line("  produced a total shipmass of 1691.50");
        line("  lost a total shipmass of     455.00");
        blank();
        blank();
        line("End of the Bulletins");
        blank();
        line("\tGalaxyNG release-6-4, January 2005.");
        blank();
        line("\t\tGalaxy Game " + g_.gamename + " Turn " + turnText() + " Report for " + g_.ownrace);
        blank();
        blank();
        messages();
        heading("Game Options");
        line("N                  S  ");
        line("Full bombing      OFF ");
        line("Keep production   OFF ");
        line("Drop idle players OFF ");
        line("Spherical Galaxy  OFF ");
        line("InitialTechLevels 1.00 1.00 1.00 1.00 ");
        blank();
        heading("Your Options");
        line("N                 S  ");
        line("anonymous        ON  ");
        line("autoUnload       ON  ");
        line("sortGroups       ON  ");
        line("battleProtocol   ON  ");
        line("txtReport        ON  ");
        blank();
        line("ORDERS RECEIVED");
        blank();
        line("> p Alcyone Freighter");
        blank();
    }

    void blindHeader()
    {
        line("Blind Galaxy turn report");
        blank();
        line("Executable version: " + (g_.options.version.empty() ? std::string("BG-3.2") : g_.options.version));
        for (const OptionFlag& flag : optionFlags()) {
            if (!flag.reportKeyword) continue;
            std::string text = flag.reportKeyword;
            // The value stands in the option's field: words the keyword lacks are filled in.
            const int words = fieldCount(text);
            for (int k = words + 1; k < flag.reportField; ++k) text += " sent";
            text.resize(std::max<std::size_t>(text.size(), 18), ' ');
            text += g_.options.*flag.member ? " on" : " off";
            line(text);
        }
        if (g_.options.mapsize >= 0) {
            const std::string x = num(g_.options.xcenter), y = num(g_.options.ycenter);
            if (g_.centered == CenteredForm::SevenFields)
                line(num(g_.options.mapsize) + " map, centered X: " + x + " Y: " + y);
            else
                line("Size:" + num(g_.options.mapsize) + " centered X: " + x + " Y: " + y);
        }
        line("GM controlled options:");
        line("Galaxy size fixed by the game master");
        line("Map printing forced on for turn 0");
        blank();
        line("Blind Galaxy Game " + g_.gamename + " Turn " + turnText() + " Report for " + g_.ownrace);
        blank();
        messages();
    }

    // ---- status and designs ----------------------------------------------------------------

    void status()
    {
        heading("Status of Players");
        Table t(blind_ ? columns({"N", "D", "W", "S", "C", "T", "P", "I", "#", "R"})
                       : columns({"N", "D", "W", "S", "C", "P", "I", "#", "R"}),
                sep_);
        for (const playerrecord& p : g_.players) {
            std::vector<std::string> row{fullRaceName(g_, p.name), num(p.drivetech), num(p.weapontech), num(p.shieldtech),
                                         num(p.cargotech)};
            if (blind_) row.push_back(num(p.drivetech + p.weapontech + p.shieldtech + p.cargotech));
            row.push_back(num(p.population));
            row.push_back(num(p.industry));
            row.push_back(whole(p.planetcount));
            row.push_back(p.relation.str());
            t.add(std::move(row));
        }
        table(t);
    }

    std::vector<std::string> designRaces() const
    {
        std::vector<std::string> races;
        for (const shiptyperecord& d : g_.shiptypes)
            if (std::find(races.begin(), races.end(), d.owner.view()) == races.end()) races.emplace_back(d.owner.view());
        // The own designs come first.
        std::stable_partition(races.begin(), races.end(), [&](const std::string& r) { return isOwn(r); });
        return races;
    }

    void shipTypes()
    {
        for (const std::string& race : designRaces()) {
            heading(raceHeading(race) + " Ship Types");
            Table t(columns({"N", "D", "A", "W", "S", "C", "Mass", "Speed", "Def"}), sep_);
            for (const shiptyperecord& d : g_.shiptypes) {
                if (d.owner != race) continue;
                const double mass = emptyMass(d.drive, d.attacks, d.weapons, d.shields, d.cargo);
                const double speed = mass > 0 ? 20.0 * d.drive / mass : 0.0;
                const double def = d.shields > 0 && mass > 0 ? d.shields / std::cbrt(mass) * std::cbrt(30.0) : 0.0;
                t.add({d.name.str(), num(d.drive), whole(d.attacks), num(d.weapons), num(d.shields), num(d.cargo),
                       num(mass), num(speed), num(def)});
            }
            table(t);
        }
    }

    // ---- groups ------------------------------------------------------------------------------

    const shiptyperecord* design(const grouprecord& gr, std::string_view race) const
    {
        return designOf(g_, gr.name.view(), race);
    }

    static std::string cargo(const grouprecord& gr) { return gr.cargotype.empty() ? "-" : gr.cargotype.str(); }

    // Tech columns: the four tech levels, or in Blind Galaxy without "Techs" the effective values
    // (tech level x part; cargo: (cargo + cargo^2 / 10) x tech) with the attacks between drive
    // and weapons.
    void techCells(std::vector<std::string>& row, const grouprecord& gr, std::string_view race) const
    {
        if (!blind_ || g_.options.techs) {
            row.push_back(num(gr.drivetech));
            row.push_back(num(gr.weapontech));
            row.push_back(num(gr.shieldtech));
            row.push_back(num(gr.cargotech));
            return;
        }
        shiptyperecord none;
        const shiptyperecord* d = design(gr, race);
        if (!d) d = &none;
        row.push_back(num(d->drive * gr.drivetech));
        row.push_back(whole(d->attacks));
        row.push_back(num(d->weapons * gr.weapontech));
        row.push_back(num(d->shields * gr.shieldtech));
        row.push_back(num((d->cargo + d->cargo * d->cargo / 10.0) * gr.cargotech));
    }

    void techLabels(std::vector<Column>& cols) const
    {
        const bool effective = blind_ && !g_.options.techs;
        for (const char* label : effective ? std::vector<const char*>{"D", "A", "W", "S", "C"}
                                           : std::vector<const char*>{"D", "W", "S", "C"})
            cols.push_back({label, Align::Right});
    }

    // Full mass of one ship, speed and attack strength of a group, as Blind Galaxy prints them.
    void blindValueCells(std::vector<std::string>& row, const grouprecord& gr, std::string_view race) const
    {
        const shiptyperecord* d = design(gr, race);
        if (!d) {
            row.insert(row.end(), {"0.00", "0.00", "0.00"});
            return;
        }
        const double mass = emptyMass(d->drive, d->attacks, d->weapons, d->shields, d->cargo) + gr.cargoquantity;
        row.push_back(num(mass));
        row.push_back(num(mass > 0 ? 20.0 * d->drive * gr.drivetech / mass : 0.0));
        row.push_back(num(gr.shipcount * d->weapons * gr.weapontech * d->attacks));
    }

    static std::string distance(const grouprecord& gr) { return gr.distance > 0 ? num(gr.distance) : std::string(); }

    Table battleTable(const ReportRaceGroups& races) const
    {
        std::vector<Column> cols;
        if (blind_) cols.push_back({"L", Align::Right});
        cols.push_back({"#", Align::Right});
        cols.push_back({"T", Align::Left});
        techLabels(cols);
        cols.push_back({"T", Align::Left});
        cols.push_back({"Q", Align::Right});
        if (!blind_) cols.push_back({"L", Align::Right});
        Table t(cols, sep_);
        for (const ReportGroup& rg : races.groups) {
            const grouprecord& gr = rg.group;
            std::vector<std::string> row;
            if (blind_) row.push_back(std::to_string(gr.survivors));
            row.push_back(whole(gr.shipcount));
            row.push_back(gr.name.str());
            techCells(row, gr, races.race);
            row.push_back(cargo(gr));
            row.push_back(num(gr.cargoquantity));
            if (!blind_) row.push_back(std::to_string(gr.survivors));
            t.add(std::move(row));
        }
        return t;
    }

    // Own groups: group number first. Standard Galaxy has a fleet column when the table holds
    // fleet groups ("-" for a group in flight that is in no fleet); GalaxyNG prints the range
    // and the origin for groups in flight only.
    Table ownGroupTable(const std::vector<const ReportGroup*>& groups, bool fleetColumn) const
    {
        std::vector<Column> cols{{"G", Align::Right}, {"#", Align::Right}, {"T", Align::Left}};
        techLabels(cols);
        cols.push_back({"T", Align::Left});
        cols.push_back({"Q", Align::Right});
        if (blind_) {
            for (const char* label : {"M", "V", "A"}) cols.push_back({label, Align::Right});
            if (g_.options.upgradecost) cols.push_back({"U", Align::Right});
            cols.push_back({"L", Align::Left});
            cols.push_back({"R", Align::Right});
        } else {
            cols.push_back({"D", Align::Left});
            if (fleetColumn) cols.push_back({"F", Align::Left});
            cols.push_back({"R", Align::Right});
            if (ng_) cols.push_back({"O", Align::Left});
        }
        Table t(cols, sep_);
        for (const ReportGroup* rg : groups) {
            const grouprecord& gr = rg->group;
            std::vector<std::string> row{whole(gr.groupnumber), whole(gr.shipcount), gr.name.str()};
            techCells(row, gr, g_.ownrace);
            row.push_back(cargo(gr));
            row.push_back(num(gr.cargoquantity));
            if (blind_) {
                blindValueCells(row, gr, g_.ownrace);
                if (g_.options.upgradecost) row.push_back(num(rg->upgradecost));
                row.push_back(gr.location.str());
                row.push_back(distance(gr));
            } else {
                row.push_back(gr.location.str());
                if (fleetColumn) row.push_back(gr.fleet.empty() ? (gr.distance > 0 ? "-" : "") : gr.fleet.str());
                row.push_back(distance(gr));
                if (ng_) row.push_back(gr.distance > 0 ? rg->origin.str() : std::string());
            }
            t.add(std::move(row));
        }
        return t;
    }

    Table alienGroupTable(const ReportRaceGroups& races) const
    {
        bool inFlight = false, fleets = false;
        for (const ReportGroup& rg : races.groups) {
            inFlight = inFlight || rg.group.distance > 0;
            fleets = fleets || !rg.group.fleet.empty();
        }
        // Standard Galaxy shows the fleets of other races in a fleet column too.
        const bool fleetColumn = standard_ && fleets;
        std::vector<Column> cols{{"#", Align::Right}, {"T", Align::Left}};
        techLabels(cols);
        cols.push_back({"T", Align::Left});
        cols.push_back({"Q", Align::Right});
        if (blind_)
            for (const char* label : {"M", "V", "A"}) cols.push_back({label, Align::Right});
        cols.push_back({blind_ ? "L" : "D", Align::Left});
        if (fleetColumn) cols.push_back({"F", Align::Left});
        // GalaxyNG shows other races' groups only at planets and so has no range column.
        const bool rangeColumn = !ng_ || inFlight;
        if (rangeColumn) cols.push_back({"R", Align::Right});
        Table t(cols, sep_);
        for (const ReportGroup& rg : races.groups) {
            const grouprecord& gr = rg.group;
            std::vector<std::string> row{whole(gr.shipcount), gr.name.str()};
            techCells(row, gr, races.race);
            row.push_back(cargo(gr));
            row.push_back(num(gr.cargoquantity));
            if (blind_) blindValueCells(row, gr, races.race);
            row.push_back(gr.location.str());
            if (fleetColumn) row.push_back(gr.fleet.empty() ? (gr.distance > 0 ? "-" : "") : gr.fleet.str());
            if (rangeColumn) row.push_back(distance(gr));
            t.add(std::move(row));
        }
        return t;
    }

    double groupSpeed(const grouprecord& gr) const
    {
        const shiptyperecord* d = design(gr, g_.ownrace);
        if (!d) return 0.0;
        const double mass = emptyMass(d->drive, d->attacks, d->weapons, d->shields, d->cargo) + gr.cargoquantity;
        return mass > 0 ? 20.0 * d->drive * gr.drivetech / mass : 0.0;
    }

    // ---- sections ----------------------------------------------------------------------------

    void battles()
    {
        for (const ReportBattle& b : g_.battles) {
            heading("Battle at " + b.planet.str());
            for (const ReportRaceGroups& races : b.tables) {
                heading(raceHeading(races.race) + " Groups");
                table(battleTable(races));
            }
            if (ng_ && !b.protocol.empty()) {
                heading("Battle Protocol");
                for (const std::string& shot : b.protocol) line(shot);
                blank();
            }
        }
    }

    void bombings()
    {
        if (g_.bombings.empty()) return;
        heading("Bombings");
        Table t(columns({"W", "O", "N", "P", "I", "P", "$", "M", "C"}, 3), sep_);
        for (const bombingrecord& b : g_.bombings)
            t.add({columnName(b.attacker), columnName(b.victim), b.name.str(), num(b.population), num(b.industry),
                   b.producing.str(), num(b.capital), num(b.material), num(b.colonists)});
        table(t);
    }

    static std::string corner(double x, double y) { return num(x) + "," + num(y); }

    // A map row with runs of blanks as tabs: a tab met at output position p (from 1) stands for
    // the blanks up to position ((p div 8) + 1) x 8.
    static std::string tabbed(const std::string& row)
    {
        std::string out;
        std::size_t col = 0;
        while (col < row.size()) {
            if (row[col] == ' ') {
                const std::size_t p = col + 1;
                const std::size_t next = (p / 8 + 1) * 8; // 0-based column of the character after the tab
                bool blanks = next <= row.size() && next - col >= 2;
                for (std::size_t k = col; blanks && k < next; ++k) blanks = row[k] == ' ';
                if (blanks) {
                    out += '\t';
                    col = next;
                    continue;
                }
            }
            out += row[col++];
        }
        return out;
    }

    void textMap()
    {
        if (!printsTextMap(g_)) return;
        const int rows = std::max(1, g_.maprows);
        std::vector<std::string> grid(static_cast<std::size_t>(rows), std::string(80, ' '));
        for (const ReportPlanet& p : g_.planets) {
            const MapCell c = mapCell(g_, p.planet.x, p.planet.y);
            char symbol = 'o';
            if (p.table == PlanetTable::Own) symbol = '*';
            if (p.table == PlanetTable::Alien) symbol = '+';
            grid[static_cast<std::size_t>(c.row)][static_cast<std::size_t>(c.column)] = symbol;
        }
        for (const mapmarkrecord& m : g_.mapmarks) {
            const MapCell c = mapCell(g_, m.x, m.y);
            grid[static_cast<std::size_t>(c.row)][static_cast<std::size_t>(c.column)] = m.kind == 0 ? '.' : '-';
        }
        line(corner(g_.mapx0, g_.mapy0) + "  " + corner(g_.mapx1, g_.mapy0));
        const std::string frame(80, '-');
        line(frame);
        for (const std::string& row : grid) line(g_.tabbedMap ? tabbed(row) : row);
        line(frame);
        line(corner(g_.mapx0, g_.mapy1) + "  " + corner(g_.mapx1, g_.mapy1));
        blank();
    }

    const planetrecord* planetNamed(std::string_view name) const
    {
        for (const ReportPlanet& p : g_.planets)
            if (p.planet.name == name) return &p.planet;
        return nullptr;
    }

    std::string systemNumber(std::string_view name) const
    {
        const planetrecord* p = planetNamed(name);
        if (p && !p->altname.empty()) return p->altname.str();
        return std::string(name);
    }

    void incoming()
    {
        if (g_.incoming.empty()) return;
        heading("Incoming Groups");
        Table t(blind_ ? columns({"#", "O", "#", "D", "R", "S", "M"}, 4) : columns({"O", "D", "R", "S", "M"}, 2), sep_);
        for (const incomingrecord& r : g_.incoming) {
            std::vector<std::string> row;
            if (blind_) row.push_back(systemNumber(r.origin));
            row.push_back(r.origin.str());
            if (blind_) row.push_back(systemNumber(r.destination));
            row.push_back(r.destination.str());
            row.push_back(num(r.distance));
            row.push_back(num(r.speed));
            row.push_back(num(r.mass));
            t.add(std::move(row));
        }
        table(t);
    }

    // Inhabited planets: Blind Galaxy puts the system number first and the colonists before
    // capital and material; GalaxyNG adds the "L" column.
    Table inhabitedTable() const
    {
        if (blind_) return Table(columns({"#", "N", "X", "Y", "S", "P", "I", "R", "P", "C", "$", "M"}, 2), sep_);
        if (ng_) return Table(columns({"N", "X", "Y", "S", "P", "I", "R", "P", "$", "M", "C", "L"}), sep_);
        return Table(columns({"N", "X", "Y", "S", "P", "I", "R", "P", "$", "M", "C"}), sep_);
    }

    void addInhabited(Table& t, const planetrecord& p) const
    {
        std::vector<std::string> row;
        if (blind_) row.push_back(p.altname.empty() ? p.name.str() : p.altname.str());
        row.insert(row.end(), {p.name.str(), num(p.x), num(p.y), num(p.size), num(p.population), num(p.industry),
                               num(p.resources), p.producing.str()});
        if (blind_)
            row.insert(row.end(), {num(p.colonists), num(p.capital), num(p.material)});
        else
            row.insert(row.end(), {num(p.capital), num(p.material), num(p.colonists)});
        if (ng_) row.push_back(num(p.population > 0 ? p.population : 0.0));
        // Production is a single column.
        if (row[blind_ ? 8 : 7].empty()) row[blind_ ? 8 : 7] = "Capital";
        t.add(std::move(row));
    }

    void ownPlanets()
    {
        Table t = inhabitedTable();
        for (const ReportPlanet& p : g_.planets)
            if (p.table == PlanetTable::Own) addInhabited(t, p.planet);
        if (t.empty()) return;
        heading("Your " + word());
        table(t);
        if (!ng_) return;
        Table production(columns({"N", "P", "N", "U"}, 2), sep_);
        for (const ReportPlanet& p : g_.planets) {
            if (p.table != PlanetTable::Own || !designOf(g_, p.planet.producing.view(), g_.ownrace)) continue;
            production.add({p.planet.name.str(), p.planet.producing.str(), num(p.planet.industry / 10.0),
                            num(p.planet.industry / 20.0)});
        }
        if (production.empty()) return;
        heading("Ships In Production");
        table(production);
    }

    void routes()
    {
        if (g_.routes.empty() && !(ng_ && g_.autoUnloadNotice)) return;
        heading("Your Routes");
        auto to = [](const shortname& s) { return s.empty() ? std::string("-") : s.str(); };
        Table t(blind_ ? columns({"N", "C", "$", "M", "E"}, 5) : columns({"N", "$", "M", "C", "E"}, 5), sep_);
        for (const routerecord& r : g_.routes) {
            if (blind_)
                t.add({r.name.str(), to(r.colonists), to(r.capital), to(r.material), to(r.empty)});
            else
                t.add({r.name.str(), to(r.capital), to(r.material), to(r.colonists), to(r.empty)});
        }
        t.write(out_);
        if (ng_ && g_.autoUnloadNotice) line("AUTO UNLOAD IS CURRENTLY SET ");
        blank();
    }

    void alienPlanets()
    {
        std::vector<std::string> owners;
        for (const ReportPlanet& p : g_.planets)
            if (p.table == PlanetTable::Alien &&
                std::find(owners.begin(), owners.end(), p.planet.owner.view()) == owners.end())
                owners.emplace_back(p.planet.owner.view());
        for (const std::string& owner : owners) {
            Table t = inhabitedTable();
            for (const ReportPlanet& p : g_.planets)
                if (p.table == PlanetTable::Alien && p.planet.owner == owner) addInhabited(t, p.planet);
            heading(columnName(owner) + " " + word());
            table(t);
        }
    }

    void unidentifiedPlanets()
    {
        Table t(columns({"N", "X", "Y"}), sep_);
        for (const ReportPlanet& p : g_.planets)
            if (p.table == PlanetTable::Unidentified) t.add({p.planet.name.str(), num(p.planet.x), num(p.planet.y)});
        if (t.empty()) return;
        heading(blind_ ? "Unknown Systems" : "Unidentified Planets");
        table(t);
    }

    // Uninhabited planets: the values the player knows, up to the first unknown one; the rest of
    // the line stays blank, as for planets nobody has visited.
    void uninhabitedPlanets()
    {
        Table t(blind_ ? columns({"#", "N", "X", "Y", "S", "R"}, 2)
                : ng_  ? columns({"N", "X", "Y", "S", "R", "$", "M"})
                       : columns({"N", "X", "Y", "S", "R"}),
                sep_);
        for (const ReportPlanet& rp : g_.planets) {
            if (rp.table != PlanetTable::Uninhabited) continue;
            const planetrecord& p = rp.planet;
            std::vector<std::string> row;
            if (blind_) row.push_back(p.altname.empty() ? p.name.str() : p.altname.str());
            row.insert(row.end(), {p.name.str(), num(p.x), num(p.y)});
            std::vector<double> known{p.size, p.resources};
            if (ng_) known.insert(known.end(), {p.capital, p.material});
            for (double v : known) {
                if (v < 0) break;
                row.push_back(num(v));
            }
            t.add(std::move(row));
        }
        if (t.empty()) return;
        heading("Uninhabited " + word());
        table(t);
    }

    const ReportRaceGroups* ownRaceGroups() const
    {
        for (const ReportRaceGroups& r : g_.groups)
            if (isOwn(r.race)) return &r;
        return nullptr;
    }

    void ownGroups()
    {
        const ReportRaceGroups* own = ownRaceGroups();
        if (!own) return;
        if (standard_) {
            std::vector<const ReportGroup*> all;
            bool fleets = false;
            for (const ReportGroup& rg : own->groups) {
                all.push_back(&rg);
                fleets = fleets || !rg.group.fleet.empty();
            }
            if (!all.empty()) {
                heading("Your Groups");
                table(ownGroupTable(all, fleets));
            }
            if (g_.fleetSpeedTable && !g_.fleets.empty()) {
                heading("Fleet Speeds");
                Table t(columns({"N", "Speed"}), sep_);
                for (const fleetrecord& f : g_.fleets) t.add({f.name.str(), num(fleetSpeed(*own, f.name))});
                table(t);
            }
            return;
        }
        std::vector<const ReportGroup*> loose;
        for (const ReportGroup& rg : own->groups)
            if (rg.group.fleet.empty()) loose.push_back(&rg);
        if (!loose.empty()) {
            heading("Your Groups");
            table(ownGroupTable(loose, false));
        }
        for (const fleetrecord& f : g_.fleets) {
            std::vector<const ReportGroup*> members;
            for (const ReportGroup& rg : own->groups)
                if (rg.group.fleet == f.name) members.push_back(&rg);
            heading("Fleet " + f.name.str() + " (speed " + num(fleetSpeed(*own, f.name)) + ")");
            table(ownGroupTable(members, false));
        }
    }

    // A fleet moves at the speed of its slowest group.
    double fleetSpeed(const ReportRaceGroups& own, const shortname& fleet) const
    {
        double slowest = -1.0;
        for (const ReportGroup& rg : own.groups) {
            if (rg.group.fleet != fleet) continue;
            const double v = groupSpeed(rg.group);
            if (slowest < 0 || v < slowest) slowest = v;
        }
        return std::max(0.0, slowest);
    }

    void alienGroups()
    {
        for (const ReportRaceGroups& races : g_.groups) {
            if (isOwn(races.race) || races.groups.empty()) continue;
            heading(columnName(races.race) + " Groups");
            table(alienGroupTable(races));
        }
    }

    // Detailed reports on single systems follow the tables; the reader stops at them, so what
    // they hold must never reach the records.
    void systemReports()
    {
        for (const ReportPlanet& p : g_.planets) {
            if (p.table != PlanetTable::Own) continue;
            heading("Full Report on System " + (p.planet.altname.empty() ? p.planet.name.str() : p.planet.altname.str()));
            heading("Your Groups");
            line("G # T D W S C T Q M V A L R");
            line("999 1 Phantom 1.00 0.00 0.00 0.00 - 0.00 1.00 20.00 0.00 Nowhere");
            blank();
            heading("Bombings");
            line("W O N P I P $ M C");
            line("Nobody Nobody " + p.planet.name.str() + " 1.00 1.00 Capital 0.00 0.00 0.00");
            blank();
            break;
        }
        heading("Partial Report on System 0");
        heading("Incoming Groups");
        line("# O # D R S M");
        line("0 Nowhere 0 Nowhere 1.00 1.00 1.00");
        blank();
    }

    const GalaxyDescription& g_;
    const bool blind_;
    const bool ng_;
    const bool standard_;
    const std::string sep_;
    std::string out_;
};

} // namespace

std::string writeReport(const GalaxyDescription& galaxy)
{
    return Writer(galaxy).write();
}

} // namespace orrery::gen
