#include "mailimport.h"

#include "fileio.h"
#include "reportreader.h"
#include "reporttext.h"
#include "textrules.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace orrery::mail {

namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string lowered(std::string_view text)
{
    std::string out(text);
    for (char& c : out) c = lower(c);
    return out;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (lower(text[i]) != lower(prefix[i])) return false;
    return true;
}

std::string_view trimmedView(std::string_view s)
{
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

// Calls line(text) for every line of text (without its LF); the last line may lack its LF.
template <class Line>
void forEachLine(std::string_view text, Line line)
{
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        if (!line(text.substr(at, end - at), at)) return;
        at = end + 1;
    }
}

// ---- headers --------------------------------------------------------------------------------

struct Entity {
    std::string type;     // Content-Type without parameters, lower case; empty when none
    std::string boundary; // multipart boundary
    std::string encoding; // Content-Transfer-Encoding, lower case
    std::string charset;  // lower case
    std::string_view body;
};

// The value of a parameter of a header value ("boundary" in "multipart/mixed; boundary=x").
std::string parameter(std::string_view value, std::string_view name)
{
    std::size_t at = 0;
    while ((at = value.find(';', at)) != std::string_view::npos) {
        ++at;
        std::string_view rest = trimmedView(value.substr(at));
        if (!startsWithNoCase(rest, name)) continue;
        rest = trimmedView(rest.substr(name.size()));
        if (rest.empty() || rest.front() != '=') continue;
        rest = trimmedView(rest.substr(1));
        if (!rest.empty() && rest.front() == '"') {
            rest.remove_prefix(1);
            return std::string(rest.substr(0, rest.find('"')));
        }
        return std::string(trimmedView(rest.substr(0, rest.find(';'))));
    }
    return {};
}

// A header line: a name of printable characters without blanks, then ":".
bool isHeaderField(std::string_view line)
{
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0) return false;
    for (std::size_t i = 0; i < colon; ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (c <= ' ' || c >= 127) return false;
    }
    return true;
}

// Splits a mail (or a MIME part) into its headers and body. Text that does not begin with a
// header line has no headers: all of it is body.
Entity parseEntity(std::string_view text)
{
    Entity e;
    e.body = text;
    // The mbox separator line of a whole mail.
    std::size_t at = 0;
    if (text.substr(0, 5) == "From ") {
        const std::size_t end = text.find('\n');
        at = end == std::string_view::npos ? text.size() : end + 1;
    }
    std::string_view first = text.substr(at);
    first = first.substr(0, first.find('\n'));
    if (at >= text.size() || !isHeaderField(first)) {
        if (at > 0) e.body = text.substr(std::min(at, text.size()));
        return e;
    }
    std::string name, value;
    auto finish = [&] {
        if (name == "content-type") {
            e.type = lowered(trimmedView(std::string_view(value).substr(0, value.find(';'))));
            e.boundary = parameter(value, "boundary");
            e.charset = lowered(parameter(value, "charset"));
        } else if (name == "content-transfer-encoding") {
            e.encoding = lowered(trimmedView(value));
        }
        name.clear();
        value.clear();
    };
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(at, end - at);
        at = std::min(end + 1, text.size());
        if (line.empty()) {
            finish();
            e.body = text.substr(at);
            return e;
        }
        if ((line.front() == ' ' || line.front() == '\t') && !name.empty()) {
            value += line;
        } else {
            finish();
            const std::size_t colon = line.find(':');
            if (colon == std::string_view::npos) continue;
            name = lowered(line.substr(0, colon));
            value = std::string(line.substr(colon + 1));
        }
    }
    finish();
    e.body = std::string_view();
    return e;
}

// A UTF-8 body whose characters all are Latin-1 ones, as those bytes: the game's texts are
// Latin-1, and a mail program may have recoded the report. Anything else stays as it is.
std::string latin1FromUtf8(std::string text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        if ((c == 0xC2 || c == 0xC3) && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            out += static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
            ++i;
            continue;
        }
        return text;
    }
    return out;
}

// ---- the report in a decoded body -----------------------------------------------------------

// The index of the first line that holds a report header, and its text; npos when none.
std::size_t findHeaderLine(std::string_view text, std::string_view& header)
{
    std::size_t found = std::string_view::npos;
    forEachLine(text, [&](std::string_view line, std::size_t at) {
        if (line.find("Report for") == std::string_view::npos || !isReportHeaderLine(line)) return true;
        header = line;
        found = at;
        return false;
    });
    return found;
}

// A report's first line before the header in GalaxyNG: "Bulletins for Galaxy Game Lyra Turn 3".
bool hasBulletinsLine(std::string_view text)
{
    bool found = false;
    forEachLine(text, [&](std::string_view line, std::size_t) {
        found = line.find("Bulletins for Galaxy") != std::string_view::npos &&
                line.find("Turn") != std::string_view::npos;
        return !found;
    });
    return found;
}

// Mail-only trailers after the report: a signature ("-- " and at most a few lines after it).
std::string_view withoutTrailer(std::string_view text, std::size_t headerAt)
{
    constexpr int signatureLines = 10;
    std::size_t at = text.rfind("\n-- \n");
    if (at == std::string_view::npos || at < headerAt) return text;
    const std::string_view after = text.substr(at + 5);
    if (std::count(after.begin(), after.end(), '\n') > signatureLines) return text;
    return text.substr(0, at + 1);
}

void scanEntity(std::string_view text, int number, bool lastOfMailbox, bool mailboxEndsInLine, int depth,
                MailboxScan& out)
{
    constexpr int deepestPart = 8;
    const Entity e = parseEntity(text);
    auto cut = [&](const std::string& why) {
        out.truncated.push_back("mail " + std::to_string(number) + ": " + why);
    };

    if (e.type.rfind("multipart/", 0) == 0 && !e.boundary.empty() && depth < deepestPart) {
        const std::string open = "--" + e.boundary;
        // The line end before a boundary line belongs to the boundary.
        std::vector<std::string_view> parts;
        std::size_t partStart = std::string_view::npos;
        bool closed = false;
        forEachLine(e.body, [&](std::string_view line, std::size_t at) {
            if (line.size() < open.size() || line.substr(0, open.size()) != open) return true;
            const std::string_view rest = trimmedView(line.substr(open.size()));
            if (!rest.empty() && rest != "--") return true;
            if (partStart != std::string_view::npos)
                parts.push_back(e.body.substr(partStart, (at > partStart ? at - 1 : partStart) - partStart));
            if (rest == "--") {
                closed = true;
                return false;
            }
            partStart = std::min(at + line.size() + 1, e.body.size());
            return true;
        });
        for (const std::string_view part : parts) scanEntity(part, number, false, true, depth + 1, out);
        if (!closed && partStart != std::string_view::npos) {
            // The last part has no closing boundary: the mail ends part-way.
            MailboxScan inner;
            scanEntity(e.body.substr(partStart), number, false, true, depth + 1, inner);
            if (!inner.reports.empty() || !inner.truncated.empty() || hasBulletinsLine(e.body.substr(partStart)))
                cut("the mail ends inside a part, before its closing boundary");
        }
        return;
    }

    // A forwarded mail: its own headers say how its body is encoded.
    if (e.type == "message/rfc822" && depth < deepestPart) {
        scanEntity(e.body, number, lastOfMailbox, mailboxEndsInLine, depth + 1, out);
        return;
    }

    Decoded decoded;
    if (e.encoding == "base64")
        decoded = decodeBase64(e.body);
    else if (e.encoding == "quoted-printable")
        decoded.bytes = decodeQuotedPrintable(e.body);
    else
        decoded.bytes = std::string(e.body);
    std::string body = toLF(decoded.bytes);
    if (e.charset == "utf-8" || e.charset == "utf8") body = latin1FromUtf8(std::move(body));

    std::string_view header;
    const std::size_t headerAt = findHeaderLine(body, header);
    if (headerAt == std::string_view::npos) {
        if (hasBulletinsLine(body)) cut("a report's bulletins without its header line (the report is cut off)");
        return;
    }
    if (!decoded.complete) {
        cut("the base64 body ends part-way");
        return;
    }
    if (lastOfMailbox && !mailboxEndsInLine) {
        cut("the mailbox ends part-way through this mail");
        return;
    }
    const HeaderParts parts = parseHeaderLine(header);
    if (parts.turn < 0) return;
    FoundReport r;
    r.game = parts.game;
    r.race = parts.race;
    r.turn = parts.turn;
    r.mail = number;
    r.text = std::string(withoutTrailer(body, headerAt));
    out.reports.push_back(std::move(r));
}

// ---- naming ---------------------------------------------------------------------------------

std::string safeName(std::string_view text)
{
    std::string out;
    for (char c : text) {
        c = lower(c);
        const bool safe = (c >= 'a' && c <= 'z') || isDigit(c) || c == '_' || c == '-';
        out += safe ? c : '_';
    }
    return out;
}

// True when the report's echoed orders rename the race to `race` ("> c Alpha").
bool renamesTo(const std::string& text, std::string_view race)
{
    bool found = false;
    forEachLine(text, [&](std::string_view line, std::size_t) {
        if (line.empty() || line.front() != '>') return true;
        std::string_view rest = trimmedView(line.substr(1));
        if (rest.size() < 2 || lower(rest[0]) != 'c' || (rest[1] != ' ' && rest[1] != '\t')) return true;
        rest = trimmedView(rest.substr(2));
        found = lowered(ownRaceInHeader("Report for " + std::string(rest))) == lowered(race);
        return !found;
    });
    return found;
}

// Where the own planets of a report are, in hundredths (as the report prints them).
std::set<std::pair<long long, long long>> ownPlanetPositions(const std::string& text)
{
    const ReportText report(text);
    TurnTexts texts;
    texts.current = &report;
    const TurnRead read = readReport(texts, GameValues{}, {});
    std::set<std::pair<long long, long long>> positions;
    for (const planetrecord& p : read.turn.planets)
        if (p.ownercode == ocOwn) positions.insert({std::llround(p.x * 100), std::llround(p.y * 100)});
    return positions;
}

bool shareAPlanet(const std::string& a, const std::string& b)
{
    const auto first = ownPlanetPositions(a);
    for (const auto& position : ownPlanetPositions(b))
        if (first.count(position)) return true;
    return false;
}

} // namespace

// ---------------------------------------------------------------------------------------------

Decoded decodeBase64(std::string_view text)
{
    Decoded out;
    out.bytes.reserve(text.size() / 4 * 3);
    unsigned int buffer = 0;
    int held = 0; // characters of the current group of four
    for (char ch : text) {
        int v;
        if (ch >= 'A' && ch <= 'Z') v = ch - 'A';
        else if (ch >= 'a' && ch <= 'z') v = ch - 'a' + 26;
        else if (isDigit(ch)) v = ch - '0' + 52;
        else if (ch == '+') v = 62;
        else if (ch == '/') v = 63;
        else if (ch == '=') {
            // Padding ends the group: two characters give one byte, three give two.
            if (held == 2 || held == 3) {
                if (held == 2) out.bytes += static_cast<char>((buffer >> 4) & 0xFF);
                else {
                    out.bytes += static_cast<char>((buffer >> 10) & 0xFF);
                    out.bytes += static_cast<char>((buffer >> 2) & 0xFF);
                }
                held = 0;
                buffer = 0;
            }
            continue;
        } else continue; // line ends and other characters are not part of the data
        buffer = (buffer << 6) | static_cast<unsigned int>(v);
        if (++held == 4) {
            out.bytes += static_cast<char>((buffer >> 16) & 0xFF);
            out.bytes += static_cast<char>((buffer >> 8) & 0xFF);
            out.bytes += static_cast<char>(buffer & 0xFF);
            held = 0;
            buffer = 0;
        }
    }
    out.complete = held == 0;
    return out;
}

std::string decodeQuotedPrintable(std::string_view text)
{
    auto hex = [](char c) {
        if (isDigit(c)) return c - '0';
        c = lower(c);
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '=') {
            out += c;
            continue;
        }
        // A soft line break, blanks before the line end allowed.
        std::size_t j = i + 1;
        while (j < text.size() && (text[j] == ' ' || text[j] == '\t')) ++j;
        if (j < text.size() && text[j] == '\r' && j + 1 < text.size() && text[j + 1] == '\n') {
            i = j + 1;
            continue;
        }
        if (j < text.size() && text[j] == '\n') {
            i = j;
            continue;
        }
        if (j == text.size()) break;
        if (i + 2 < text.size() && hex(text[i + 1]) >= 0 && hex(text[i + 2]) >= 0) {
            out += static_cast<char>(hex(text[i + 1]) * 16 + hex(text[i + 2]));
            i += 2;
            continue;
        }
        out += c;
    }
    return out;
}

std::string toLF(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

std::vector<std::string> splitMbox(std::string_view bytes)
{
    const std::string text = toLF(bytes);
    std::vector<std::string> mails;
    std::string current;
    bool previousEmpty = true; // the start of the file counts as after an empty line
    bool any = false;
    forEachLine(text, [&](std::string_view line, std::size_t at) {
        const bool hasLineEnd = at + line.size() < text.size();
        if (previousEmpty && line.substr(0, 5) == "From ") {
            if (any) {
                // The empty line before the separator is the separator's.
                if (!current.empty()) current.pop_back();
                mails.push_back(std::move(current));
            }
            current.clear();
            any = true;
        }
        std::size_t quotes = 0;
        while (quotes < line.size() && line[quotes] == '>') ++quotes;
        if (quotes > 0 && line.substr(quotes, 5) == "From ") line.remove_prefix(1);
        current += line;
        if (hasLineEnd) current += '\n';
        previousEmpty = line.empty();
        any = true;
        return true;
    });
    if (any) {
        // A writer ends the file with the empty line of a separator that never came.
        if (current.size() >= 2 && current.compare(current.size() - 2, 2, "\n\n") == 0) current.pop_back();
        mails.push_back(std::move(current));
    }
    return mails;
}

HeaderParts parseHeaderLine(std::string_view line)
{
    HeaderParts parts;
    parts.race = ownRaceInHeader(line);
    // The turn: "Turn" followed by blanks and a number.
    std::size_t turnAt = std::string_view::npos;
    for (std::size_t at = line.find("Turn"); at != std::string_view::npos; at = line.find("Turn", at + 1)) {
        std::size_t i = at + 4;
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i == at + 4 || i >= line.size() || !isDigit(line[i])) continue;
        int turn = 0;
        for (; i < line.size() && isDigit(line[i]) && turn < 100000; ++i) turn = turn * 10 + (line[i] - '0');
        parts.turn = turn;
        turnAt = at;
        break;
    }
    // The game: the words after "Galaxy Game" (or "game") up to "Turn" or a ",".
    std::size_t gameAt = line.find("Galaxy Game ");
    if (gameAt == std::string_view::npos) gameAt = line.find("Galaxy game ");
    if (gameAt != std::string_view::npos) {
        std::string_view rest = line.substr(gameAt + 12);
        std::size_t end = rest.find(',');
        if (turnAt != std::string_view::npos && turnAt > gameAt + 12) end = std::min(end, turnAt - gameAt - 12);
        parts.game = std::string(trimmedView(rest.substr(0, end)));
    }
    return parts;
}

void scanMail(std::string_view mail, int number, bool last, bool mailboxEndsInLine, MailboxScan& out)
{
    scanEntity(mail, number, last, mailboxEndsInLine, 0, out);
}

MailboxScan scanMbox(std::string_view bytes)
{
    MailboxScan scan;
    const std::vector<std::string> mails = splitMbox(bytes);
    // mbox writers end every mail with an empty line; a single mail ends with its line end.
    const std::string_view end = bytes.starts_with("From ") ? "\n\n" : "\n";
    const bool endsInLine = bytes.empty() || toLF(bytes.substr(bytes.size() - std::min<std::size_t>(bytes.size(), 4))).ends_with(end);
    for (std::size_t i = 0; i < mails.size(); ++i)
        scanMail(mails[i], static_cast<int>(i) + 1, i + 1 == mails.size(), endsInLine, scan);
    scan.mails = static_cast<int>(mails.size());
    return scan;
}

Result<MailboxScan> scanMailbox(const std::string& path)
{
    std::error_code ec;
    if (!fs::is_directory(fs::path(path), ec)) {
        Result<std::string> bytes = readFile(path);
        if (!bytes) return bytes.error();
        return scanMbox(*bytes);
    }
    // A Maildir folder: every file in cur/ and new/, in name order (names begin with the time).
    std::vector<fs::path> files;
    bool maildir = false;
    for (const char* sub : {"cur", "new"}) {
        const fs::path folder = fs::path(path) / sub;
        if (!fs::is_directory(folder, ec)) continue;
        maildir = true;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
            if (it->is_regular_file(ec)) files.push_back(it->path());
        if (ec) return Failure("Could not read the mail folder " + folder.string() + ": " + ec.message(), path);
    }
    if (!maildir) return Failure(path + " is neither an mbox file nor a Maildir folder (it has no cur or new folder)", path);
    std::sort(files.begin(), files.end(),
              [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
    MailboxScan scan;
    int number = 0;
    for (const fs::path& file : files) {
        Result<std::string> bytes = readFile(file.string());
        if (!bytes) return bytes.error();
        const std::string text = toLF(*bytes);
        scanMail(text, ++number, true, text.empty() || text.back() == '\n', scan);
    }
    scan.mails = number;
    return scan;
}

// ---------------------------------------------------------------------------------------------

std::string reportBaseName(std::string_view race)
{
    std::string name = safeName(race);
    if (name.empty()) name = "race";
    if (isDigit(name.back())) name += '_';
    return name;
}

std::string folderName(std::string_view game, std::string_view race)
{
    std::string g = safeName(game);
    if (g.empty()) g = "game";
    std::string r = safeName(race);
    if (r.empty()) r = "race";
    return g + "-" + r;
}

ImportPlan planImport(const std::vector<FoundReport>& reports)
{
    // Lines of reports: per game, per race (case-insensitive), the reports by turn.
    struct Line {
        std::string game, race;          // race: the latest name
        std::vector<const FoundReport*> reports;
        int first() const { return reports.front()->turn; }
        int last() const { return reports.back()->turn; }
    };
    std::map<std::pair<std::string, std::string>, Line> byRace;
    for (const FoundReport& r : reports) {
        Line& line = byRace[{lowered(r.game), lowered(r.race)}];
        line.game = r.game;
        line.race = r.race;
        line.reports.push_back(&r);
    }
    std::vector<Line> lines;
    for (auto& [key, line] : byRace) {
        std::stable_sort(line.reports.begin(), line.reports.end(),
                         [](const FoundReport* a, const FoundReport* b) { return a->turn < b->turn; });
        lines.push_back(std::move(line));
    }
    // Renamed races: join a line to the one of its old name. Repeated until nothing joins, so a
    // race renamed twice becomes one line.
    for (bool joined = true; joined;) {
        joined = false;
        for (std::size_t b = 0; b < lines.size() && !joined; ++b) {
            const FoundReport& start = *lines[b].reports.front();
            if (!renamesTo(start.text, start.race)) continue;
            std::vector<std::size_t> candidates;
            for (std::size_t a = 0; a < lines.size(); ++a)
                if (a != b && lowered(lines[a].game) == lowered(lines[b].game) && lines[a].last() == lines[b].first() - 1)
                    candidates.push_back(a);
            // Several races of the game stop there: the one that held a planet the renamed race
            // holds a turn later.
            if (candidates.size() > 1)
                std::erase_if(candidates, [&](std::size_t a) {
                    return !shareAPlanet(lines[a].reports.back()->text, start.text);
                });
            if (candidates.size() != 1) continue;
            Line& older = lines[candidates.front()];
            older.reports.insert(older.reports.end(), lines[b].reports.begin(), lines[b].reports.end());
            older.race = lines[b].race;
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(b));
            joined = true;
        }
    }
    ImportPlan plan;
    const bool several = lines.size() > 1;
    for (const Line& line : lines) {
        const std::string folder = several ? folderName(line.game, line.race) : std::string();
        if (several) plan.folders.push_back(folder);
        const std::string base = reportBaseName(line.race);
        for (const FoundReport* r : line.reports)
            plan.files.push_back(PlannedFile{folder, base + std::to_string(r->turn) + ".txt", r});
    }
    return plan;
}

ImportSummary importReports(const ImportPlan& plan, const std::string& dir)
{
    ImportSummary summary;
    const fs::path target(dir);
    std::set<std::string> made;
    int firstTurn = -1;
    for (const PlannedFile& file : plan.files) {
        const std::string relative = file.folder.empty() ? file.name : file.folder + "/" + file.name;
        const fs::path folder = file.folder.empty() ? target : target / file.folder;
        const std::string path = (folder / file.name).string();
        auto record = [&](Outcome outcome, std::string message = {}) {
            summary.lines.push_back(ImportLine{outcome, relative, std::move(message)});
            switch (outcome) {
            case Outcome::Written: ++summary.written; break;
            case Outcome::Skipped: ++summary.skipped; break;
            case Outcome::Refused: ++summary.refused; break;
            case Outcome::Failed: ++summary.failed; break;
            }
        };
        if (made.insert(folder.string()).second) {
            std::error_code ec;
            fs::create_directories(folder, ec);
            if (ec && !fs::is_directory(folder)) {
                record(Outcome::Failed, "Could not create the folder " + folder.string() + ": " + ec.message());
                continue;
            }
        }
        const std::string& text = file.report->text;
        if (fileExists(path)) {
            Result<std::string> there = readFile(path);
            if (!there)
                record(Outcome::Failed, there.error().text());
            else
                record(*there == text ? Outcome::Skipped : Outcome::Refused);
        } else if (fs::exists(fs::path(path))) {
            record(Outcome::Failed, "Could not write " + path + ": something other than a file is in the way");
        } else {
            const Status written = writeFileAtomic(path, text);
            if (written)
                record(Outcome::Written);
            else
                record(Outcome::Failed, written.error().text());
        }
        const Outcome outcome = summary.lines.back().outcome;
        if (plan.folders.empty() && (outcome == Outcome::Written || outcome == Outcome::Skipped) &&
            (firstTurn < 0 || file.report->turn < firstTurn)) {
            firstTurn = file.report->turn;
            summary.firstReport = path;
            summary.firstTurn = firstTurn;
        }
    }
    return summary;
}

std::string describe(const ImportLine& line)
{
    switch (line.outcome) {
    case Outcome::Written: return "written " + line.path;
    case Outcome::Skipped: return "skipped " + line.path + " (the same report is already there)";
    case Outcome::Refused: return "refused " + line.path + " (a different report is already there; it was kept)";
    case Outcome::Failed: return "failed " + line.path + ": " + line.message;
    }
    return {};
}

std::string summaryLine(const ImportSummary& summary, const ImportPlan& plan)
{
    std::string text = std::to_string(summary.written) + " written, " + std::to_string(summary.skipped) +
                       " skipped, " + std::to_string(summary.refused) + " refused";
    if (summary.failed > 0) text += ", " + std::to_string(summary.failed) + " failed";
    if (!plan.folders.empty()) {
        text += "; one folder per game and race:";
        for (const std::string& f : plan.folders) text += " " + f;
    }
    return text;
}

} // namespace orrery::mail
