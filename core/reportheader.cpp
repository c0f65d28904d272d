// The report's preamble and header: the game type, the own race, the Blind Galaxy option header,
// and the status table ("Status of Players"). Also the line tests every pass shares.

#include "reportpasses.h"

#include <cstring>

namespace orrery {

namespace reader {

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

bool endsTable(const Lines& lines, std::size_t i)
{
    const std::string_view line = lines[i];
    if (line.empty()) return true;
    const unsigned char first = static_cast<unsigned char>(line.front());
    return first < 33 || first >= 123 || lines.endsReadable(i);
}

std::size_t firstDataLine(const Lines& lines, std::size_t heading)
{
    std::size_t i = heading + 1;
    while (i < lines.size() && isBlankLine(lines[i])) ++i;
    return i + 1;
}

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

namespace {

playerrecord readPlayerLine(std::string_view line, const PlayerLayout& layout)
{
    const Fields f(line);
    playerrecord p;
    if (!layout.fromEnd) {
        p.name = f[layout.name];
        p.drivetech = numberField(f, layout.drive);
        p.weapontech = numberField(f, layout.weapons);
        p.shieldtech = numberField(f, layout.shields);
        p.cargotech = numberField(f, layout.cargo);
        p.population = numberField(f, layout.population);
        p.industry = numberField(f, layout.industry);
        p.planetcount = numberField(f, layout.planets);
        if (f.count() >= layout.relation && !isNumber(f[layout.relation])) p.relation = f[layout.relation];
        return p;
    }
    // Names may contain blanks, so the line is read from its end: seven numbers, possibly
    // followed by the relation.
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

} // namespace

std::size_t readStatusTable(const Lines& lines, std::size_t from, const PlayerLayout& layout,
                            std::vector<playerrecord>& out)
{
    const std::size_t heading = lines.findLine(from, "Status of Players");
    if (heading >= lines.size()) return lines.size();
    std::size_t i = firstDataLine(lines, heading);
    for (; i < lines.size() && !endsTable(lines, i); ++i) out.push_back(readPlayerLine(lines[i], layout));
    return i;
}

void Reader::scanPreamble(const Lines& lines, bool previous)
{
    std::size_t header = 0;
    while (header < lines.size() && !isHeaderLine(lines[header])) ++header;
    // Without a mark, the previous report decides Standard Galaxy; the shown one leaves it open.
    if (v_.gametype == gtUnknown) v_.gametype = detectGameType(lines, previous ? gtStandard : gtUnknown);
    if (!previous) {
        for (std::size_t i = 0; i < header; ++i) {
            if (contains(lines[i], "Executable version:")) {
                readBlindHeader(lines, i);
                break;
            }
        }
        if (header < lines.size()) v_.ownrace = ownRaceOf(lines[header]);
    }
    chooseLayout();
}

void Reader::readBlindHeader(const Lines& lines, std::size_t at)
{
    v_.executableversion = std::string(field(lines[at], 3));
    v_.gameoptions.version = v_.executableversion;
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
            v_.gameoptions.*flag.member = field(line, flag.reportField) == "on";
            return;
        }
    }
    if (!contains(line, "centered X:")) return;
    const Fields f(line);
    optiontype& o = v_.gameoptions;
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

} // namespace reader

std::int32_t detectGameType(const ReportText& report, std::int32_t fallback)
{
    const auto& lines = report.lines();
    bool blind = false, ng = false;
    for (std::size_t i = 0; i < lines.size() && !reader::isHeaderLine(lines[i]); ++i) {
        if (contains(lines[i], "Executable version:")) blind = true;
        const std::string_view first = field(lines[i], 1);
        if (first == "GalaxyNG" || first == "gng") ng = true;
    }
    if (blind) return gtBlind;
    if (ng) return gtGalaxyNG;
    return fallback;
}

std::vector<playerrecord> readStatusTable(const ReportText& report, std::int32_t gametype)
{
    std::vector<playerrecord> players;
    reader::readStatusTable(report, 0, reportLayout(gametype, optiontype{}).players, players);
    return players;
}

std::string gameNameOfReport(std::string_view reportText)
{
    while (!reportText.empty()) {
        const std::size_t end = reportText.find('\n');
        std::string_view line = reportText.substr(0, end);
        reportText = end == std::string_view::npos ? std::string_view() : reportText.substr(end + 1);
        if (!reader::isHeaderLine(line)) continue;
        // The name stands between the word "Game" and the word "Turn".
        std::size_t at = line.find("Game ");
        if (at == std::string_view::npos) at = line.find("game ");
        if (at == std::string_view::npos) continue;
        std::string_view rest = line.substr(at + 5);
        rest = rest.substr(0, rest.find("Turn"));
        rest = trimmed(rest);
        while (!rest.empty() && rest.back() == ',') rest = trimmed(rest.substr(0, rest.size() - 1));
        if (!rest.empty()) return std::string(rest);
    }
    return {};
}

bool isReportHeaderLine(std::string_view line) { return reader::isHeaderLine(line); }

std::string ownRaceInHeader(std::string_view headerLine) { return reader::ownRaceOf(headerLine).str(); }

} // namespace orrery
