#include "reportreader.h"

#include "fileio.h"
#include "intelligence.h"
#include "position.h"
#include "textrules.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>

namespace orrery {

namespace {

// Takes the next line off the front of text as the line reader does, except that a bare line
// feed ends a line too: the lines of the text as the line-end repair would leave it.
bool nextRepairedLine(std::string_view& text, std::string_view& line)
{
    if (text.empty()) return false;
    std::size_t end = 0;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    line = text.substr(0, end);
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    text.remove_prefix(std::min(text.size(), end + 1));
    return true;
}

std::string_view beforeEndOfFile(std::string_view text)
{
    if (const void* eof = std::memchr(text.data(), 26, text.size()))
        return text.substr(0, static_cast<std::size_t>(static_cast<const char*>(eof) - text.data()));
    return text;
}

// The first occurrence of a phrase in [begin, end), or nullptr. The text lies in a string, so a
// zero byte follows it: strstr's vector search scans far faster than memmem; zero bytes inside a
// broken report only make it start again after them.
const char* findPhrase(const char* begin, const char* end, const std::string& phrase)
{
    while (begin < end) {
        const char* hit = std::strstr(begin, phrase.c_str());
        if (hit) return hit + phrase.size() <= end ? hit : nullptr;
        const char* zero = begin + std::strlen(begin);
        if (zero >= end) return nullptr;
        begin = zero + 1;
    }
    return nullptr;
}

} // namespace

ReportText::ReportText(std::string bytes) : bytes_(std::move(bytes))
{
    std::string_view rest = beforeEndOfFile(bytes_);
    lines_.reserve(rest.size() / 48 + 1);
    std::string_view line;
    while (nextRepairedLine(rest, line)) lines_.push_back(line);
    findStops();
}

ReportText ReportText::statusTableOf(std::string bytes)
{
    ReportText text;
    text.bytes_ = std::move(bytes);
    std::string_view rest = beforeEndOfFile(text.bytes_);
    const std::size_t at = rest.find("Status of Players");
    if (at == std::string_view::npos) return text;
    std::size_t start = at;
    while (start > 0 && rest[start - 1] != '\r' && rest[start - 1] != '\n') --start;
    rest.remove_prefix(start);
    // The heading, the blank lines after it, the column header and the data lines up to the
    // first line that ends a table.
    enum { Heading, Blanks, Data } state = Heading;
    std::string_view line;
    while (nextRepairedLine(rest, line)) {
        text.lines_.push_back(line);
        if (state == Heading) {
            state = Blanks;
        } else if (state == Blanks) {
            if (!isBlankLine(line)) state = Data; // the column header
        } else if (line.empty() || static_cast<unsigned char>(line.front()) < 33 ||
                   static_cast<unsigned char>(line.front()) >= 123) {
            break;
        }
    }
    text.findStops();
    return text;
}


bool ReportText::endsReadable(std::size_t i) const { return std::binary_search(stops_.begin(), stops_.end(), i); }

std::size_t ReportText::nextStop(std::size_t from) const
{
    const auto it = std::lower_bound(stops_.begin(), stops_.end(), from);
    return it == stops_.end() ? lines_.size() : *it;
}

// Calls found(line) for each line at or after `from` that holds the phrase, in order, until
// found returns false. One scan of the text for all of them.
template <class Found>
void ReportText::forLinesWith(std::string_view phrase, std::size_t from, Found found) const
{
    if (from >= lines_.size() || phrase.empty()) return;
    const std::string needle(phrase);
    const char* begin = lines_[from].data();
    const char* const end = lines_.back().data() + lines_.back().size();
    std::size_t last = lines_.size();
    while (begin < end) {
        const char* h = findPhrase(begin, end, needle);
        if (!h) return;
        const auto line = std::upper_bound(lines_.begin() + static_cast<std::ptrdiff_t>(from), lines_.end(), h,
                                           [](const char* p, std::string_view l) { return p < l.data(); });
        const std::size_t index = static_cast<std::size_t>(line - lines_.begin()) - 1;
        // A phrase broken by a line end belongs to no line.
        if (h + phrase.size() <= lines_[index].data() + lines_[index].size() && index != last) {
            last = index;
            if (!found(index)) return;
        }
        begin = h + 1;
    }
}

std::vector<std::size_t> ReportText::linesContaining(std::string_view phrase, std::size_t from) const
{
    std::vector<std::size_t> lines;
    forLinesWith(phrase, from, [&](std::size_t i) {
        lines.push_back(i);
        return true;
    });
    return lines;
}

std::size_t ReportText::findLine(std::size_t from, std::string_view phrase) const
{
    std::size_t first = lines_.size();
    forLinesWith(phrase, from, [&](std::size_t i) {
        first = i;
        return false;
    });
    return first;
}

void ReportText::findStops()
{
    stops_.clear();
    for (const char* phrase : {"Full Report on System", "Partial Report on System"})
        forLinesWith(phrase, 0, [&](std::size_t i) {
            stops_.push_back(i);
            return true;
        });
    std::sort(stops_.begin(), stops_.end());
    stops_.erase(std::unique(stops_.begin(), stops_.end()), stops_.end());
}

std::optional<ReportText> ReportText::load(const std::string& path)
{
    std::optional<std::string> bytes = readFile(path);
    if (!bytes) return std::nullopt;
    return ReportText(std::move(*bytes));
}

namespace {

using Lines = ReportText;

// ---------------------------------------------------------------------------------------------
// Line tests shared by every pass.

bool isDashLine(std::string_view line)
{
    line = trimmed(line);
    if (line.size() != 80) return false;
    for (char c : line)
        if (c != '-') return false;
    return true;
}

bool isHeaderLine(std::string_view line)
{
    return contains(line, "Report for ") && contains(line, "Galaxy") && contains(line, "Turn") &&
           (contains(line, "Game") || contains(line, "game")) && !contains(line, "Subject");
}

// The general end of a table: an empty line, a line that begins with a blank or with a character
// of code 123 or more, or the end of the readable part.
bool endsTable(const Lines& lines, std::size_t i)
{
    const std::string_view line = lines[i];
    if (line.empty()) return true;
    const unsigned char first = static_cast<unsigned char>(line.front());
    return first < 33 || first >= 123 || lines.endsReadable(i);
}

// Index of the first data line of the table whose heading is at index heading: the heading, the
// blank lines after it and the column header are skipped.
std::size_t firstDataLine(const Lines& lines, std::size_t heading)
{
    std::size_t i = heading + 1;
    while (i < lines.size() && isBlankLine(lines[i])) ++i;
    return i + 1;
}

// The lines of several phrases, merged in order.
std::vector<std::size_t> linesWithAny(const Lines& lines, std::initializer_list<std::string_view> phrases,
                                      std::size_t from)
{
    std::vector<std::size_t> all;
    for (std::string_view phrase : phrases) {
        const std::vector<std::size_t> found = lines.linesContaining(phrase, from);
        all.insert(all.end(), found.begin(), found.end());
    }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}

// Visits the candidate lines from `from` on, in order, until the end of the readable part: a
// pass that tests every line would find its headings only among them. visit(index) handles the
// line (and its table) and returns the index where the pass goes on.
template <class Visit>
void walkCandidates(const Lines& lines, std::size_t from, const std::vector<std::size_t>& candidates, Visit visit)
{
    std::size_t i = from;
    auto next = std::lower_bound(candidates.begin(), candidates.end(), i);
    while (next != candidates.end()) {
        if (*next >= lines.nextStop(i)) break;
        i = std::max(visit(*next), *next + 1);
        next = std::lower_bound(next, candidates.end(), i);
    }
}


// Text of a heading before a marker ("Beta Ship Types" gives "Beta"); "Your" is the own race.
shortname headingRace(std::string_view line, std::string_view marker, const shortname& ownrace)
{
    const std::string_view race = trimmed(line.substr(0, line.find(marker)));
    if (race == "Your") return ownrace;
    return shortname(race);
}

// Header line: the own race is the text after "Report for" and one more character, trimmed,
// inner blanks replaced by "_", cut to 20 characters and then before its first ",".
shortname ownRaceOf(std::string_view header)
{
    const std::size_t at = header.find("Report for");
    std::string_view rest = header.substr(at + std::strlen("Report for"));
    if (!rest.empty()) rest.remove_prefix(1);
    rest = trimmed(rest);
    std::string race(rest);
    for (char& c : race)
        if (isSeparator(static_cast<unsigned char>(c))) c = '_';
    if (race.size() > shortname::capacity) race.resize(shortname::capacity);
    const std::size_t comma = race.find(',');
    if (comma != std::string::npos) race.resize(comma);
    return shortname(race);
}

double numberField(const Fields& f, int n) { return readNumberOrUnknown(f[n]); }

// ---------------------------------------------------------------------------------------------
// Status table.

playerrecord readPlayerLine(std::string_view line, bool blind)
{
    const Fields f(line);
    playerrecord p;
    if (blind) {
        p.name = f[1];
        p.drivetech = numberField(f, 2);
        p.weapontech = numberField(f, 3);
        p.shieldtech = numberField(f, 4);
        p.cargotech = numberField(f, 5);
        p.population = numberField(f, 7);
        p.industry = numberField(f, 8);
        p.planetcount = numberField(f, 9);
        if (f.count() >= 10 && !isNumber(f[10])) p.relation = f[10];
        return p;
    }
    // Names of Standard Galaxy and GalaxyNG may contain blanks, so the line is read from its end:
    // seven numbers, possibly followed by the relation.
    const int count = f.count();
    int last = count;
    if (!isNumber(f[count])) {
        p.relation = f[count];
        last = count - 1;
    }
    const int first = last - 6;
    p.drivetech = numberField(f, first);
    p.weapontech = numberField(f, first + 1);
    p.shieldtech = numberField(f, first + 2);
    p.cargotech = numberField(f, first + 3);
    p.population = numberField(f, first + 4);
    p.industry = numberField(f, first + 5);
    p.planetcount = numberField(f, first + 6);
    const std::size_t nameEnd = first >= 1 ? f.offset(first) : 0;
    std::string name(trimmed(line.substr(0, nameEnd)));
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 33) c = '_';
    p.name = name;
    return p;
}

// Reads the status table that follows the first "Status of Players" line at or after from.
// Returns the index after the table (lines.size() when there is no such table).
std::size_t readStatusTable(const Lines& lines, std::size_t from, bool blind, std::vector<playerrecord>& out)
{
    const std::size_t heading = lines.findLine(from, "Status of Players");
    if (heading >= lines.size()) return lines.size();
    std::size_t i = firstDataLine(lines, heading);
    for (; i < lines.size() && !endsTable(lines, i); ++i) out.push_back(readPlayerLine(lines[i], blind));
    return i;
}

// ---------------------------------------------------------------------------------------------
// Planet tables.

enum class PlanetTable { Own, Unidentified, Uninhabited, Alien };

// Planet line of the given table. In Blind Galaxy every table but the unidentified systems has
// the system number in front of the name (d = 1).
planetrecord readPlanetLine(std::string_view line, PlanetTable kind, bool blind)
{
    const Fields f(line);
    planetrecord p;
    const int d = blind && kind != PlanetTable::Unidentified ? 1 : 0;
    if (d == 1) {
        p.name = f[2];
        if (f[1] != f[2]) p.altname = f[1];
    } else {
        p.name = f[1];
    }
    p.x = numberField(f, d + 2);
    p.y = numberField(f, d + 3);
    p.size = numberField(f, d + 4);
    if (kind == PlanetTable::Own || kind == PlanetTable::Alien) {
        p.population = numberField(f, d + 5);
        p.industry = numberField(f, d + 6);
        p.resources = numberField(f, d + 7);
    } else {
        p.resources = numberField(f, d + 5);
    }
    p.producing = f[d + 8];
    if (blind) {
        p.capital = numberField(f, d + 10);
        p.material = numberField(f, d + 11);
        p.colonists = numberField(f, d + 9);
    } else {
        p.capital = numberField(f, d + 9);
        p.material = numberField(f, d + 10);
        p.colonists = numberField(f, d + 11);
    }
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

// ---------------------------------------------------------------------------------------------
// The reader proper: the passes of one full read over the reports in memory.

class Reader {
public:
    Reader(Game& game) : g_(game), t_(game.turn) {}

    void previousTurn(const ReportText& report);
    bool firstPass(const ReportText& report);
    void mainPass(const ReportText& report, bool playersOnly);
    void wipedOutPlanets(const std::vector<turnintelrecord>& previousintel);
    void mapRowsToCoordinates();
    void vanishedRaces();
    void lastPass(const ReportText& report);
    void battleFlags();
    void planetStrengths();
    void speeds();

private:
    void scanPreamble(const Lines& lines, bool previous);
    void readBlindHeader(const Lines& lines, std::size_t at);
    void readOptionLine(std::string_view line);
    std::size_t readShipTypes(const Lines& lines, std::size_t heading);
    std::size_t readMapBounds(const Lines& lines, std::size_t dashes);
    std::size_t readMapRows(const Lines& lines, std::size_t dashes);
    std::size_t readRoutes(const Lines& lines, std::size_t heading);
    std::size_t readPlanetTable(const Lines& lines, std::size_t heading, PlanetTable kind,
                                const shortname& owner, std::vector<planetrecord>& out);
    std::size_t readGroupTable(const Lines& lines, std::size_t first, const shortname& race, bool fleetColumn,
                               const shortname& fleet, bool battle);
    void readGroupLine(std::string_view line, const shortname& race, bool fleetColumn, const shortname& fleet,
                       bool battle);
    std::size_t readBombings(const Lines& lines, std::size_t heading);
    std::size_t readIncoming(const Lines& lines, std::size_t heading);
    racegrouprecord& raceGroups(const shortname& race);
    void indexPlanets();
    const planetrecord* planetNamed(std::string_view name) const;
    const shiptyperecord* shipType(const shortname& name, const shortname& owner);

    Game& g_;
    turnrecord& t_;
    int mapRows_ = 0;
    // Planet of the last "Battle at " line: group tables before the planet tables list its fight.
    shortname battlePlanet_;
    // First planet of each name (name field only), for the passes that match groups to planets.
    std::unordered_map<std::string_view, std::size_t> byName_;
    // The designs by owner and name (first match), built when the first group is read.
    std::unordered_map<std::string, std::size_t> types_;
    bool typesIndexed_ = false;
};

void Reader::scanPreamble(const Lines& lines, bool previous)
{
    std::size_t header = 0;
    while (header < lines.size() && !isHeaderLine(lines[header])) ++header;
    // Without a mark, the previous report decides Standard Galaxy; the shown one leaves it open.
    if (g_.gametype == gtUnknown) g_.gametype = detectGameType(lines, previous ? gtStandard : gtUnknown);
    if (previous) return;
    for (std::size_t i = 0; i < header; ++i) {
        if (contains(lines[i], "Executable version:")) {
            readBlindHeader(lines, i);
            break;
        }
    }
    if (header < lines.size()) g_.ownrace = ownRaceOf(lines[header]);
}

void Reader::readBlindHeader(const Lines& lines, std::size_t at)
{
    g_.executableversion = std::string(field(lines[at], 3));
    g_.gameoptions.version = g_.executableversion;
    for (std::size_t i = at; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (contains(line, "GM controlled options:")) break;
        if (line.empty()) break;
        const unsigned char first = static_cast<unsigned char>(line.front());
        if (first < 33 || first >= 123) break;
        readOptionLine(line);
    }
}

void Reader::readOptionLine(std::string_view line)
{
    for (const OptionFlag& flag : optionFlags()) {
        if (flag.reportKeyword && startsWith(line, flag.reportKeyword)) {
            g_.gameoptions.*flag.member = field(line, flag.reportField) == "on";
            return;
        }
    }
    if (!contains(line, "centered X:")) return;
    const Fields f(line);
    optiontype& o = g_.gameoptions;
    if (f.count() == 7) {
        o.mapsize = readNumber(f[1]);
        o.xcenter = readNumber(f[5]);
        o.ycenter = readNumber(f[7]);
    } else {
        // A five-character label joined to the size ("Size:200") is dropped.
        std::string_view size = f[1];
        if (size.size() > 6) size.remove_prefix(5);
        o.mapsize = readNumber(size);
        o.xcenter = readNumber(f[4]);
        o.ycenter = readNumber(f[6]);
    }
    o.forecastturn = 0;
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
        typesIndexed_ = true;
        types_.reserve(g_.shiptypes.size());
        for (std::size_t i = 0; i < g_.shiptypes.size(); ++i)
            types_.try_emplace(key(g_.shiptypes[i].name, g_.shiptypes[i].owner), i);
    }
    const auto it = types_.find(key(name, owner));
    return it == types_.end() ? nullptr : &g_.shiptypes[it->second];
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

void Reader::previousTurn(const ReportText& report)
{
    const Lines& lines = report;
    scanPreamble(lines, true);
    const bool blind = g_.isBlind();
    const std::size_t start = readStatusTable(lines, 0, blind, t_.previousplayers);
    const std::string_view word = g_.tableWord();
    walkCandidates(lines, start, lines.linesContaining(word, std::min(start, lines.size())), [&](std::size_t i) {
        const std::string_view line = lines[i];
        if (!isPlanetHeading(line, word)) return i + 1;
        PlanetTable kind = planetTableKind(line, word);
        shortname owner;
        int code = ocOther;
        if (contains(line, "Uninhabited")) {
            kind = PlanetTable::Uninhabited;
            code = ocUninhabited;
        } else if (contains(line, "Your Planets") || contains(line, "Your Systems")) {
            kind = PlanetTable::Own;
            code = ocOwn;
            owner = g_.ownrace;
        } else if (kind == PlanetTable::Own) {
            kind = PlanetTable::Alien;
        }
        // Other races' planets are read with the columns of unidentified planets: only the
        // position, size and resources count for the comparison with the new turn.
        const PlanetTable columns = kind == PlanetTable::Alien ? PlanetTable::Unidentified : kind;
        const std::size_t first = t_.previousplanets.size();
        const bool blindAlien = blind && kind == PlanetTable::Alien;
        const std::size_t end =
            readPlanetTable(lines, i, blindAlien ? PlanetTable::Uninhabited : columns, owner, t_.previousplanets);
        for (std::size_t k = first; k < t_.previousplanets.size(); ++k) {
            t_.previousplanets[k].ownercode = code;
            t_.previousplanets[k].isalien = 0;
        }
        return end;
    });
}

std::size_t Reader::readPlanetTable(const Lines& lines, std::size_t heading, PlanetTable kind,
                                    const shortname& owner, std::vector<planetrecord>& out)
{
    const bool blind = g_.isBlind();
    std::size_t i = firstDataLine(lines, heading);
    for (; i < lines.size() && !endsTable(lines, i); ++i) {
        planetrecord p = readPlanetLine(lines[i], kind, blind);
        p.owner = owner;
        out.push_back(std::move(p));
    }
    return i;
}

bool Reader::firstPass(const ReportText& report)
{
    const Lines& lines = report;
    scanPreamble(lines, false);
    const std::size_t start = lines.findLine(0, "Status of Players");
    const std::string dashes(80, '-');
    bool mapSeen = false;
    walkCandidates(lines, start, linesWithAny(lines, {" Ship Types", dashes}, start), [&](std::size_t i) {
        const std::string_view line = lines[i];
        if (contains(line, " Ship Types")) return readShipTypes(lines, i);
        if (!mapSeen && isDashLine(line)) {
            mapSeen = true;
            return readMapBounds(lines, i);
        }
        return i + 1;
    });
    return true;
}

std::size_t Reader::readShipTypes(const Lines& lines, std::size_t heading)
{
    const shortname owner = headingRace(lines[heading], " Ship Types", g_.ownrace);
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
        storeShipType(g_.shiptypes, t);
    }
    return i;
}

std::size_t Reader::readMapBounds(const Lines& lines, std::size_t dashes)
{
    // The line before the map holds its origin "x0,y0  x1,y0".
    if (dashes > 0) {
        const std::string_view origin = lines[dashes - 1];
        const std::size_t comma = origin.find(',');
        if (comma != std::string_view::npos) {
            g_.mapx0 = truncToInt(readNumber(trimmed(origin.substr(0, comma))));
            std::string_view after = origin.substr(comma + 1);
            std::size_t end = 0;
            while (end < after.size() && !isSeparator(static_cast<unsigned char>(after[end]))) ++end;
            g_.mapy0 = truncToInt(readNumber(after.substr(0, end)));
        }
    }
    std::size_t i = dashes + 1;
    while (i < lines.size() && !isDashLine(lines[i])) ++i;
    if (i >= lines.size()) return i;
    ++i;
    if (i >= lines.size()) return i;
    // The line after the map ends in the far corner "x0,y1  x1,y1".
    const std::string_view corner = lines[i];
    const std::size_t comma = corner.rfind(',');
    if (comma != std::string_view::npos) {
        std::size_t start = comma;
        while (start > 0 && !isSeparator(static_cast<unsigned char>(corner[start - 1]))) --start;
        const double x1 = readNumber(corner.substr(start, comma - start));
        const double y1 = readNumber(trimmed(corner.substr(comma + 1)));
        if (g_.isBlind()) {
            g_.mapwidth = truncToInt(std::fabs(x1 - g_.mapx0));
            g_.mapheight = truncToInt(std::fabs(y1 - g_.mapy0));
        } else {
            g_.mapwidth = truncToInt(x1);
            g_.mapheight = truncToInt(y1);
        }
    }
    return i + 1;
}

// Expands the tabs of a map row: a tab met when the next output position (from 1) is p becomes
// blanks up to position ((p div 8) + 1) x 8 inclusive.
std::string_view expandTabs(std::string_view row, std::string& buffer)
{
    if (row.find('\t') == std::string_view::npos) return row;
    buffer.clear();
    for (char c : row) {
        if (c == '\t') {
            const std::size_t p = buffer.size() + 1;
            const std::size_t last = (p / 8 + 1) * 8;
            buffer.append(last - p + 1, ' ');
        } else {
            buffer.push_back(c);
        }
    }
    return buffer;
}

std::size_t Reader::readMapRows(const Lines& lines, std::size_t dashes)
{
    // Two more lines are read after the frame; the second is the first map row.
    std::size_t i = dashes + 2;
    int row = 0;
    std::string buffer;
    for (; i < lines.size() && !isDashLine(lines[i]); ++i, ++row) {
        const std::string_view text = expandTabs(lines[i], buffer);
        for (std::size_t column = 0; column < text.size(); ++column) {
            const char c = text[column];
            if (c != '.' && c != '-') continue;
            mapmarkrecord mark;
            mark.x = static_cast<double>(column) * g_.mapwidth / 80.0 + g_.mapx0;
            mark.y = row; // converted to map coordinates once the number of rows is known
            mark.kind = c == '.' ? 0 : 1;
            t_.mapmarks.push_back(mark);
        }
    }
    mapRows_ = row;
    return i < lines.size() ? i + 1 : i;
}

std::size_t Reader::readRoutes(const Lines& lines, std::size_t heading)
{
    const bool blind = g_.isBlind();
    // A destination of "-" means that route is not set.
    auto destination = [](std::string_view f) { return f == "-" ? shortname() : shortname(f); };
    std::size_t i = firstDataLine(lines, heading);
    for (; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (endsTable(lines, i)) break;
        if (contains(line, "AUTO") && contains(line, "UNLOAD") && contains(line, "CURRENTLY")) break;
        const Fields f(line);
        routerecord r;
        r.name = f[1];
        r.capital = destination(blind ? f[3] : f[2]);
        r.material = destination(blind ? f[4] : f[3]);
        r.colonists = destination(blind ? f[2] : f[4]);
        r.empty = destination(f[5]);
        t_.routes.push_back(r);
    }
    return i;
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
    const Fields f(line);
    const bool blind = g_.isBlind();
    const bool own = race == g_.ownrace;
    grouprecord gr;
    int b = 1;
    if (own && !battle) {
        b = 2;
        gr.groupnumber = numberField(f, 1);
    } else if (blind && battle) {
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
    if (!blind || g_.gameoptions.techs) {
        gr.drivetech = numberField(f, b + 2);
        gr.weapontech = numberField(f, b + 3);
        gr.shieldtech = numberField(f, b + 4);
        gr.cargotech = numberField(f, b + 5);
    } else {
        // Without "Techs" Blind Galaxy prints effective values: the tech level times the part.
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
    const int u = blind && own && g_.gameoptions.upgradecost ? 1 : 0;
    if (battle) {
        gr.location = battlePlanet_;
        gr.survivors = truncToInt(blind ? numberField(f, 1) : numberField(f, b + 8));
        gr.inbattle = 1;
    } else {
        gr.location = blind ? f[b + 11 + u] : f[b + 8];
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
    const std::string_view distance = blind ? f[b + 12 + u] : f[b + 9];
    gr.distance = distance.empty() ? 0.0 : readNumber(distance);
    raceGroups(race).groups.push_back(gr);

    if (battle) {
        battlerecord* battleRecord = nullptr;
        for (battlerecord& br : t_.battles)
            if (br.name == gr.location) battleRecord = &br;
        if (!battleRecord) {
            t_.battles.push_back(battlerecord{gr.location, {}});
            battleRecord = &t_.battles.back();
        }
        battleracerecord* raceRecord = nullptr;
        for (battleracerecord& rr : battleRecord->races)
            if (rr.name == race) raceRecord = &rr;
        if (!raceRecord) {
            battleRecord->races.push_back(battleracerecord{race, {}});
            raceRecord = &battleRecord->races.back();
        }
        battlegrouprecord bg;
        bg.name = gr.name;
        bg.fullmass = emptyMass(gr) + gr.cargoquantity;
        bg.shipsbefore = truncToInt(numberField(f, blind ? 2 : 1));
        bg.survivors = gr.survivors;
        raceRecord->groups.push_back(bg);
    }
}

void Reader::mainPass(const ReportText& report, bool playersOnly)
{
    const Lines& lines = report;
    std::size_t i = readStatusTable(lines, 0, g_.isBlind(), t_.players);
    if (playersOnly) return;
    const std::string_view word = g_.tableWord();
    bool planetTableMet = false;
    bool mapRead = false;
    const std::string dashes(80, '-');
    const std::vector<std::size_t> candidates = linesWithAny(
        lines, {dashes, "Your Routes", word, "Fleet", " Groups", "Battle at "}, std::min(i, lines.size()));
    walkCandidates(lines, i, candidates, [&](std::size_t i) -> std::size_t {
        const std::string_view line = lines[i];
        if (!planetTableMet && !mapRead && isDashLine(line)) {
            mapRead = true;
            return readMapRows(lines, i);
        }
        if (contains(line, "Your Routes")) return readRoutes(lines, i);
        if (isPlanetHeading(line, word)) {
            const PlanetTable kind = planetTableKind(line, word);
            shortname owner;
            int code = ocOther;
            switch (kind) {
            case PlanetTable::Own:
                owner = g_.ownrace;
                code = ocOwn;
                break;
            case PlanetTable::Unidentified:
                break;
            case PlanetTable::Uninhabited:
                code = ocUninhabited;
                break;
            case PlanetTable::Alien:
                owner = field(line, 1);
                break;
            }
            if (kind != PlanetTable::Alien) planetTableMet = true;
            const std::size_t first = t_.planets.size();
            const std::size_t end = readPlanetTable(lines, i, kind, owner, t_.planets);
            for (std::size_t k = first; k < t_.planets.size(); ++k) {
                t_.planets[k].ownercode = code;
                t_.planets[k].isalien = kind == PlanetTable::Alien ? 1 : 0;
            }
            return end;
        }
        if (contains(line, "Fleet") && contains(line, "(speed")) {
            const shortname fleet(field(line, 2));
            t_.fleets.push_back(fleetrecord{fleet});
            return readGroupTable(lines, i + 3, g_.ownrace, false, fleet, false);
        }
        if (contains(line, "Fleet Speed")) {
            i = firstDataLine(lines, i);
            for (; i < lines.size() && !endsTable(lines, i); ++i) t_.fleets.push_back(fleetrecord{field(lines[i], 1)});
            return i;
        }
        if (contains(line, " Groups") && !contains(line, "Incoming Groups")) {
            const shortname race = headingRace(line, " Groups", g_.ownrace);
            const std::size_t header = i + 2;
            bool fleetColumn = false;
            if (header < lines.size()) {
                const Fields h(lines[header]);
                fleetColumn = h[10] == "F" || h[11] == "F";
            }
            return readGroupTable(lines, i + 3, race, fleetColumn, shortname(), !planetTableMet);
        }
        if (contains(line, "Battle at ")) battlePlanet_ = field(line, 3);
        return i + 1;
    });
}

void Reader::indexPlanets()
{
    byName_.clear();
    byName_.reserve(t_.planets.size() * 2);
    for (std::size_t k = 0; k < t_.planets.size(); ++k) byName_.try_emplace(t_.planets[k].name.view(), k);
}

const planetrecord* Reader::planetNamed(std::string_view name) const
{
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : &t_.planets[it->second];
}

void Reader::wipedOutPlanets(const std::vector<turnintelrecord>& previousintel)
{
    // A planet owned in the previous turn that is uninhabited now was wiped out: it is listed as
    // a bombing without attacker, with the owner the previous turn's intelligence names.
    std::unordered_map<Position, bool, PositionHash> uninhabited;
    for (const planetrecord& p : t_.planets)
        if (p.ownercode == ocUninhabited) uninhabited.emplace(Position{p.x, p.y}, true);
    if (uninhabited.empty()) return;
    const bool blind = g_.isBlind();
    for (const planetrecord& prev : t_.previousplanets) {
        const bool owned = prev.ownercode == ocOwn || (!blind && prev.ownercode == ocOther);
        if (!owned || !uninhabited.count(Position{prev.x, prev.y})) continue;
        bombingrecord b;
        b.x = prev.x;
        b.y = prev.y;
        b.name = prev.name;
        b.altname = prev.altname;
        for (const turnintelrecord& intel : previousintel) {
            if (intel.x != prev.x || intel.y != prev.y) continue;
            if (intel.ownerindex < 0 || intel.ownerindex > pseudoplayerbase) continue;
            if (static_cast<std::size_t>(intel.ownerindex) < t_.previousplayers.size())
                b.victim = t_.previousplayers[static_cast<std::size_t>(intel.ownerindex)].name;
            break;
        }
        t_.bombings.push_back(b);
    }
}

void Reader::mapRowsToCoordinates()
{
    for (mapmarkrecord& mark : t_.mapmarks) {
        // A map of a single row has no height to spread over: its marks lie on the origin's row.
        if (mapRows_ <= 1)
            mark.y = g_.mapy0;
        else
            mark.y = static_cast<double>(g_.mapheight) * mark.y / (mapRows_ - 1) + g_.mapy0;
    }
}

void Reader::vanishedRaces()
{
    auto inPlayers = [&](const shortname& name) {
        for (const playerrecord& p : t_.players)
            if (p.name == name) return true;
        return false;
    };
    for (;;) {
        bool removed = false;
        for (std::size_t k = 0; k < t_.previousplayers.size(); ++k) {
            const playerrecord& prev = t_.previousplayers[k];
            if (prev.planetcount != 0 || inPlayers(prev.name)) continue;
            t_.vanishedraces.push_back(prev.name);
            t_.vanishedpositions.push_back(static_cast<std::int32_t>(k));
            t_.previousplayers.erase(t_.previousplayers.begin() + static_cast<std::ptrdiff_t>(k));
            removed = true;
            break;
        }
        if (!removed) break;
    }
}

std::size_t Reader::readBombings(const Lines& lines, std::size_t heading)
{
    std::size_t i = firstDataLine(lines, heading);
    for (; i < lines.size() && !endsTable(lines, i); ++i) {
        const Fields f(lines[i]);
        const shortname planet(f[3]);
        bombingrecord* b = nullptr;
        for (bombingrecord& existing : t_.bombings)
            if (existing.name == planet) b = &existing;
        if (!b) {
            t_.bombings.emplace_back();
            b = &t_.bombings.back();
            b->name = planet;
            if (const planetrecord* p = findPlanet(t_, planet.view())) {
                b->x = p->x;
                b->y = p->y;
                b->altname = p->altname;
            }
        }
        b->attacker = f[1];
        b->victim = f[2];
        b->population = numberField(f, 4);
        b->industry = numberField(f, 5);
        b->producing = f[6];
        b->capital = numberField(f, 7);
        b->material = numberField(f, 8);
        b->colonists = numberField(f, 9);
    }
    return i;
}

std::size_t Reader::readIncoming(const Lines& lines, std::size_t heading)
{
    const bool blind = g_.isBlind();
    std::size_t i = firstDataLine(lines, heading);
    for (; i < lines.size() && !endsTable(lines, i); ++i) {
        const Fields f(lines[i]);
        incomingrecord r;
        r.origin = f[blind ? 2 : 1];
        r.destination = f[blind ? 4 : 2];
        r.distance = numberField(f, blind ? 5 : 3);
        r.speed = numberField(f, blind ? 6 : 4);
        r.mass = numberField(f, blind ? 7 : 5);
        if (const planetrecord* p = planetNamed(r.origin)) {
            r.originx = p->x;
            r.originy = p->y;
            r.originaltname = p->altname;
        }
        if (const planetrecord* p = planetNamed(r.destination)) {
            r.destinationx = p->x;
            r.destinationy = p->y;
            r.destinationaltname = p->altname;
        }
        t_.incominggroups.push_back(r);
    }
    return i;
}

void Reader::lastPass(const ReportText& report)
{
    const Lines& lines = report;
    indexPlanets();
    // The bombings come after the status table; when the readable part ends before them, the
    // incoming groups are looked for from the start of the report.
    const std::size_t status = lines.findLine(0, "Status of Players");
    std::size_t bombings = lines.size();
    walkCandidates(lines, status, lines.linesContaining("Bombings", status), [&](std::size_t i) {
        if (fieldCount(lines[i]) != 1) return i + 1;
        bombings = i;
        return lines.size();
    });
    const std::size_t from = bombings < lines.size() ? readBombings(lines, bombings) : 0;
    walkCandidates(lines, from, lines.linesContaining("Incoming Groups", std::min(from, lines.size())),
                   [&](std::size_t i) {
                       readIncoming(lines, i);
                       return lines.size();
                   });
}

void Reader::battleFlags()
{
    for (const battlerecord& b : t_.battles)
        for (planetrecord& p : t_.planets)
            if (p.name == b.name) p.hadbattle = 1;
}

void Reader::planetStrengths()
{
    struct Sums {
        double ships = 0, attack = 0, defence = 0;
    };
    std::vector<Sums> sums(t_.planets.size());
    // Several planets may carry one name; each of them gets the groups of that name.
    std::unordered_multimap<std::string_view, std::size_t> planetsNamed;
    planetsNamed.reserve(t_.planets.size());
    for (std::size_t k = 0; k < t_.planets.size(); ++k) planetsNamed.emplace(t_.planets[k].name.view(), k);
    for (const racegrouprecord& race : t_.racegroups) {
        const bool own = race.name == g_.ownrace;
        for (const grouprecord& gr : race.groups) {
            if (gr.distance != 0) continue;
            const auto range = planetsNamed.equal_range(gr.location.view());
            if (range.first == range.second) continue;
            const double ships = gr.survivors >= 0 ? gr.survivors : gr.shipcount;
            const double attack = ships * gr.weapons * gr.weapontech * gr.attacks;
            const double def = gr.shields > 0 ? ships * defence(gr) : ships;
            for (auto it = range.first; it != range.second; ++it) {
                planetrecord& p = t_.planets[it->second];
                if (!own && gr.survivors != 0) {
                    p.aliengroups = 1;
                    p.alienraces.push_back(race.name);
                }
                if (own && !gr.inbattle) p.owngroups = 1;
                Sums& s = sums[it->second];
                s.ships += ships;
                s.attack += attack;
                s.defence += def;
            }
        }
    }
    Sums largest;
    for (const Sums& s : sums) {
        largest.ships = std::max(largest.ships, s.ships);
        largest.attack = std::max(largest.attack, s.attack);
        largest.defence = std::max(largest.defence, s.defence);
    }
    auto scale = [](double value, double max) { return max != 0 ? 15.0 * value / max : 0.0; };
    for (std::size_t k = 0; k < t_.planets.size(); ++k) {
        t_.planets[k].shipscale = scale(sums[k].ships, largest.ships);
        t_.planets[k].attackscale = scale(sums[k].attack, largest.attack);
        t_.planets[k].defencescale = scale(sums[k].defence, largest.defence);
    }
}

void Reader::speeds()
{
    auto addOnce = [](std::vector<speedrecord>& list, double value) {
        for (double v : list)
            if (v == value) return;
        list.push_back(value);
    };
    for (const racegrouprecord& race : t_.racegroups) {
        for (const grouprecord& gr : race.groups) {
            if (gr.distance != 0 || gr.survivors == 0 || !gr.typeknown) continue;
            const planetrecord* at = planetNamed(gr.location);
            if (!at) continue;
            planetrecord& p = t_.planets[static_cast<std::size_t>(at - t_.planets.data())];
            const double v = speed(gr);
            addOnce(p.groupspeeds, v);
            if (!gr.fleet.empty()) addOnce(p.fleetspeeds, v);
        }
    }
}

} // namespace

bool readTurnTexts(Game& game, int delta, bool playersOnly, const TurnTexts& texts, TurnObserver* observer)
{
    release(game, true);
    game.currentturn += delta;
    if (observer) observer->turnButtonsVisible(game.currentturn != 0);
    Reader reader(game);
    if (!playersOnly && texts.previous) reader.previousTurn(*texts.previous);
    if (!texts.current) {
        game.currentturn -= delta;
        release(game, true);
        return false;
    }
    if (observer) observer->reportLabelChanged(game.currentturn);
    if (playersOnly) {
        reader.mainPass(*texts.current, true);
        return true;
    }
    reader.firstPass(*texts.current);
    reader.mainPass(*texts.current, false);
    reader.wipedOutPlanets(texts.previousintel);
    reader.mapRowsToCoordinates();
    reader.vanishedRaces();
    reader.lastPass(*texts.current);
    reader.battleFlags();
    reader.planetStrengths();
    reader.speeds();
    if (observer) observer->turnRead();
    return true;
}

bool readTurn(Game& game, int delta, bool playersOnly, TurnObserver* observer)
{
    const int turnNumber = game.currentturn + delta;
    std::optional<ReportText> previous;
    TurnTexts texts;
    if (!playersOnly) {
        previous = ReportText::load(game.reportFile(turnNumber - 1));
        if (previous) texts.previous = &*previous;
    }
    std::optional<ReportText> current;
    if (playersOnly) {
        // The statistics of all turns read only the status tables: no need to cut the whole
        // report into lines.
        if (std::optional<std::string> bytes = readFile(game.reportFile(turnNumber)))
            current = ReportText::statusTableOf(std::move(*bytes));
    } else {
        current = ReportText::load(game.reportFile(turnNumber));
    }
    if (current) texts.current = &*current;
    if (!playersOnly && current) texts.previousintel = readTurnIntel(game.turnIntelFile(turnNumber - 1));
    return readTurnTexts(game, delta, playersOnly, texts, observer);
}

std::int32_t detectGameType(const ReportText& report, std::int32_t fallback)
{
    const auto& lines = report.lines();
    bool blind = false, ng = false;
    for (std::size_t i = 0; i < lines.size() && !isHeaderLine(lines[i]); ++i) {
        if (contains(lines[i], "Executable version:")) blind = true;
        const std::string_view first = field(lines[i], 1);
        if (first == "GalaxyNG" || first == "gng") ng = true;
    }
    if (blind) return gtBlind;
    if (ng) return gtGalaxyNG;
    return fallback;
}

void applyTurnIntel(Game& game)
{
    turnrecord& t = game.turn;
    const PositionIndex at(t.planets);
    for (const turnintelrecord& intel : t.turnintel) {
        const long k = at.find(intel.x, intel.y);
        if (k < 0) continue;
        planetrecord* planet = &t.planets[static_cast<std::size_t>(k)];
        if (intel.ownerindex >= 0) {
            planet->ownercode = -(intel.ownerindex + 1);
            if (planet->owner.empty() && intel.ownerindex < pseudoplayerbase &&
                static_cast<std::size_t>(intel.ownerindex) < t.players.size())
                planet->owner = t.players[static_cast<std::size_t>(intel.ownerindex)].name;
        } else if (planet->owner.empty()) {
            planet->ownercode = ocOther;
        }
        if (planet->owner.empty()) {
            planet->size = intel.size;
            planet->population = intel.population;
            planet->industry = intel.industry;
            planet->resources = intel.resources;
        }
    }
}

void completeTurn(Game& game, int turnNumber, bool merge, bool planetSizesShown)
{
    turnrecord& t = game.turn;
    t.turnintel = readTurnIntel(game.turnIntelFile(turnNumber));
    if (!merge) return;
    applyTurnIntel(game);
    if (game.isBlind()) {
        for (planetrecord& p : t.planets) {
            if (p.owner.empty() || p.owner == game.ownrace) continue;
            for (std::size_t k = 0; k < t.players.size(); ++k) {
                if (t.players[k].name == p.owner) {
                    p.ownercode = -static_cast<std::int32_t>(k + 1);
                    break;
                }
            }
        }
    }
    for (incomingrecord& r : t.incominggroups) {
        r.originowner.clear();
        for (const planetrecord& p : t.planets) {
            if (p.name == r.origin) {
                r.originowner = p.owner;
                break;
            }
        }
        auto radius = [&](const shortname& name, std::uint8_t* out) {
            for (const planetrecord& p : t.planets) {
                if (p.name == name) {
                    const int rr = symbolRadius(p.size, planetSizesShown);
                    out[0] = out[1] = static_cast<std::uint8_t>(std::clamp(rr, 0, 255));
                    return;
                }
            }
        };
        radius(r.origin, &r.symbolsizes[0]);
        radius(r.destination, &r.symbolsizes[2]);
    }
}

RepairResult repairLineEnds(const std::string& path)
{
    RepairResult result;
    const std::optional<std::string> content = readFile(path);
    if (!content || !hasBareLineFeed(*content)) return result;
    result.repaired = true;
    std::string error;
    if (!writeFileAtomic(path + ".bak", *content, &error) ||
        !writeFileAtomic(path, repairedLineEnds(*content), &error)) {
        result.ok = false;
        result.error = error;
    }
    return result;
}

} // namespace orrery
