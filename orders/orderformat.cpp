#include "orderformat.h"

#include "gamedata.h"
#include "orderwords.h"
#include "textrules.h"

#include <algorithm>

namespace orrery {

namespace {

using K = OrderKind;

constexpr std::string_view toggleText = "Toggle between \"Full reports\" and \"standard\" reports";

std::string_view trimRight(std::string_view text)
{
    while (!text.empty() && isSeparator(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

// A number of ships as the natural text writes it: "all" when the order names none.
std::string_view shipsText(std::string_view n) { return n.empty() ? std::string_view("all") : n; }

Order make(K kind, std::initializer_list<std::string_view> args)
{
    Order order;
    order.kind = kind;
    order.args.reserve(args.size());
    for (std::string_view a : args) order.args.emplace_back(a);
    return order;
}

// Raw words joined by single blanks; absent arguments at the end are left out.
std::string joinRaw(std::string_view command, const std::vector<std::string>& args)
{
    std::size_t used = args.size();
    while (used > 0 && args[used - 1].empty()) --used;
    std::string line(command);
    for (std::size_t i = 0; i < used; ++i) {
        line += ' ';
        line += args[i];
    }
    return line;
}

Order parseOption(std::string_view option, std::string_view state, std::string_view turn)
{
    if (equalsNoCase(option, "FORECAST") && !turn.empty()) return make(K::Forecast, {option, state, turn});
    return make(K::Option, {option, state});
}

} // namespace

OrderContext::OrderContext(const Game& game) : ownrace_(game.ownrace.view())
{
    for (const shiptyperecord& type : game.shiptypes)
        if (type.owner == game.ownrace.view()) addOwnShipType(type.name.view());
}

void OrderContext::addOwnShipType(std::string_view name) { ownTypes_.insert(upper(name)); }

bool OrderContext::isOwnShipType(std::string_view name) const
{
    return !ownTypes_.empty() && ownTypes_.count(upper(name)) > 0;
}

std::string headerLine(MoveForm form, std::string_view game, std::string_view race, std::string_view password)
{
    const std::string g = orderValue(game);
    const std::string r = orderValue(race);
    if (form == MoveForm::Raw) {
        std::string line = "#GALAXY " + g + " " + r;
        if (!password.empty()) line += " " + std::string(password);
        return line;
    }
    std::string line = "#Galaxy game: " + g + ", racename: " + r;
    if (!password.empty()) line += ", password: " + std::string(password);
    return line;
}

std::string endLine(MoveForm form) { return form == MoveForm::Raw ? "#END" : "#End"; }

bool isEndLine(std::string_view line) { return line == "#END" || line == "#End" || line == "#end"; }

bool isHeaderLine(std::string_view line) { return equalsNoCase(field(line, 1), "#GALAXY"); }

Order parseRawOrder(std::string_view body, const OrderContext& context)
{
    const char letter = commandLetter(body);
    if (letter < 'A' || letter > 'Z') return {};
    const OrderWords w(body);
    const int n = w.count();
    switch (letter) {
    case 'A': return make(K::Peace, {w[2]});
    case 'B':
        if (upper(w[3]) == "FLEET") return make(K::BreakCurrent, {w[2]});
        // A fourth word can only be the number of ships that leave the named fleet.
        if (n >= 4) return make(K::BreakFleet, {w[2], w[3], w[4]});
        if (isWholeNumber(w[3])) return make(K::BreakShips, {w[2], w[3]});
        return make(K::BreakFleet, {w[2], w[3]});
    case 'C': return make(K::RaceName, {w[2]});
    case 'D':
        if (upper(w[2]) == "FLEET") return make(K::CreateFleet, {w[3]});
        return make(K::Design, {w[2], w[3], w[4], w[5], w[6], w[7]});
    case 'E': return make(context.isOwnShipType(w[2]) ? K::EraseType : K::EraseFleet, {w[2]});
    case 'F': return n >= 2 ? make(K::GiveAddress, {w[2]}) : make(K::ToggleReports, {});
    case 'G': return make(K::Upgrade, {w[2], w[3]});
    case 'H': return make(K::Guard, {w[2]});
    case 'I':
        if (isWholeNumber(w[2])) return make(K::InterceptGroup, {w[2], w[3], w[4]});
        return make(K::InterceptFleet, {w[2], w[3]});
    case 'J':
        if (isWholeNumber(w[2]) || upper(w[2]) == "MAX") return make(K::AddToFleet, {w[2], w[3], w[4]});
        return make(K::MergeFleets, {w[2], w[3]});
    case 'K':
        if (n <= 2) return make(K::EraseStatus, {w[2]});
        return make(K::Status, {w[2], w[3], w[4]});
    case 'L': return make(K::Load, {w[2], w[3], w[4], w[5]});
    case 'M': return make(K::MapArea, {w[2], w[3], w[4]});
    case 'N': return make(K::RenamePlanet, {w[2], w[3]});
    case 'O': {
        const std::string second = upper(w[2]);
        if (second == "XCENTER") return make(K::XCenter, {w[3]});
        if (second == "YCENTER") return make(K::YCenter, {w[3]});
        if (second == "NO") return parseOption(w[3], "off", w[4]);
        return parseOption(w[2], "on", w[3]);
    }
    case 'P':
        if (n >= 4) return make(K::Production, {w[2], w[3], w[4], w[5], w[6], w[7]});
        return make(K::Production, {w[2], w[3]});
    case 'Q': return make(K::Quit, {w[2]});
    case 'R':
        if (n >= 4) return make(K::SetRoute, {w[2], w[3], w[4]});
        return make(K::DeleteRoute, {w[2], w[3]});
    case 'S':
        if (n >= 4) return make(K::SendGroup, {w[2], w[3], w[4]});
        if (isWholeNumber(w[2]) || upper(w[2]) == "MAX") return make(K::SendGroup, {w[2], w[3]});
        return make(K::SendFleet, {w[2], w[3]});
    case 'T': return make(context.isOwnShipType(w[2]) ? K::RenameType : K::RenameFleet, {w[2], w[3]});
    case 'U': return make(K::Unload, {w[2], w[3]});
    case 'V': return make(K::Claim, {w[2]});
    case 'W': return make(K::War, {w[2]});
    case 'X': return make(K::Scrap, {w[2], w[3]});
    case 'Y': return n >= 2 ? make(K::SetPassword, {w[2]}) : make(K::DeletePassword, {});
    case 'Z': return make(K::Address, {w[2]});
    default: return {};
    }
}

namespace {

// The natural sentences, one template per row (two where a row reads differently with and
// without an optional argument). In a template, {n} stands for argument n, {n*} for a number of
// ships ("all" when absent), {n:} for an argument followed by a colon and {n!} for "on" or "off";
// "a|b" is a word with two wordings, the second being the one the command windows write.
// Templates are tried in this order when a line is read.
enum class When : std::uint8_t { Always, ArgEmpty, ArgSet, MoreArgs };

struct NaturalTemplate {
    OrderKind kind;
    const char* text;
    When when = When::Always;
    int arg = 0;
};

const NaturalTemplate naturalTemplates[] = {
    {K::Peace, "Declare peace on race {0}"},
    {K::War, "Declare war on race {0}"},
    {K::BreakCurrent, "Break off group {0} from it's current fleet"},
    {K::BreakFleet, "Break off group {0} from fleet {1}", When::ArgEmpty, 2},
    {K::BreakFleet, "Break off {2*} ships from group {0} from fleet {1}", When::ArgSet, 2},
    {K::BreakShips, "Break off {1*} ships from group {0}"},
    {K::RaceName, "Change the name of your race to {0}"},
    {K::Design, "Design the new shiptype {0} drive: {1} attacks: {2} weapons: {3} shields: {4} cargo: {5}"},
    {K::CreateFleet, "Create fleet {0}"},
    {K::EraseType, "Erase ship type {0}"},
    {K::EraseFleet, "Erase fleet {0}"},
    {K::GiveAddress, "Give adress|address of player {0}"},
    {K::ToggleReports, "Toggle between \"Full reports\" and \"standard\" reports"},
    {K::Upgrade, "Upgrade {1*} ships of group {0}"},
    {K::Guard, "Adopt a defensive (guarding) posture towards race {0}"},
    {K::InterceptFleet, "Intercept ships at planet {1} with fleet {0}"},
    {K::InterceptGroup, "Intercept ships at planet {1} with {2*} ships of group {0}"},
    {K::AddToFleet, "Add {2*} ships of group {0} to fleet {1}"},
    {K::MergeFleets, "Merge fleet {0} into fleet {1}"},
    {K::Status, "Change status of planet {0} to {1} for race {2}"},
    {K::EraseStatus, "Erase status of planet {0}"},
    {K::Load, "Load cargo {1} onto {2*} ships of group {0}", When::ArgEmpty, 3},
    {K::Load, "Load {3} cargo {1} onto {2*} ships of group {0}", When::ArgSet, 3},
    {K::MapArea, "Change area covered by turn map to x: {0} y: {1} size: {2}"},
    {K::RenamePlanet, "Rename planet {0} to {1}"},
    {K::XCenter, "Set option XCENTER {0}"},
    {K::YCenter, "Set option YCENTER {0}"},
    {K::Forecast, "Set option {0} {1!} turn report|number {2}"},
    {K::Option, "Set option {0} {1!}"},
    {K::Production,
     "Set production of planet {0} to {1} drive tech: {2} weapon tech: {3} shields|shield tech: {4} cargo tech: {5}",
     When::MoreArgs, 2},
    {K::Production, "Set production of planet {0} to {1}"},
    {K::Quit, "Quit the game"},
    {K::SetRoute, "Set {1} route from planet {0} to planet {2}"},
    {K::DeleteRoute, "Delete {1} route from planet {0}"},
    {K::SendGroup, "Send group {0} to planet {1}", When::ArgEmpty, 2},
    {K::SendGroup, "Send {2*} ships of group {0} to planet {1}", When::ArgSet, 2},
    {K::SendFleet, "Send fleet {0} to planet {1}"},
    {K::RenameType, "New name for shiptype {0:} {1}"},
    {K::RenameFleet, "New name for fleet {0:} {1}"},
    {K::Unload, "Unload {1*} ships of group {0}"},
    {K::Claim, "Claim ownership of planet {0}"},
    {K::Scrap, "Scrap {1*} ships of group {0}"},
    {K::SetPassword, "Set password to {0}"},
    {K::DeletePassword, "Delete password"},
    {K::Address, "Change your address to {0}"},
};

struct Token {
    std::vector<std::string> words; // a literal word and its other wording; empty for an argument
    int slot = -1;
    char mark = 0; // '*', ':' or '!' (see above)
};

struct Template {
    const NaturalTemplate* row;
    std::vector<Token> tokens;
    std::size_t slots = 0;
};

const std::vector<Template>& templates()
{
    static const std::vector<Template> all = [] {
        std::vector<Template> out;
        for (const NaturalTemplate& row : naturalTemplates) {
            Template t{&row, {}, 0};
            const OrderWords words(row.text);
            for (int i = 1; i <= words.count(); ++i) {
                const std::string_view w = words[i];
                Token token;
                if (w.size() >= 3 && w.front() == '{' && w.back() == '}') {
                    token.slot = w[1] - '0';
                    if (w.size() == 4) token.mark = w[2];
                    t.slots = std::max(t.slots, static_cast<std::size_t>(token.slot) + 1);
                } else {
                    std::size_t pos = 0;
                    while (pos <= w.size()) {
                        const std::size_t bar = std::min(w.find('|', pos), w.size());
                        token.words.emplace_back(w.substr(pos, bar - pos));
                        pos = bar + 1;
                    }
                }
                t.tokens.push_back(std::move(token));
            }
            out.push_back(std::move(t));
        }
        return out;
    }();
    return all;
}

bool applies(const NaturalTemplate& row, const Order& o)
{
    switch (row.when) {
    case When::ArgEmpty: return o.arg(static_cast<std::size_t>(row.arg)).empty();
    case When::ArgSet: return !o.arg(static_cast<std::size_t>(row.arg)).empty();
    case When::MoreArgs: return o.args.size() > static_cast<std::size_t>(row.arg);
    default: return true;
    }
}

// Matches the words from word i on against the tokens from token j on. An argument takes one
// word or, when the line lacks it, none; literal words must be there.
bool matchWords(const OrderWords& w, int i, const std::vector<Token>& tokens, std::size_t j,
                std::vector<std::string>& args)
{
    if (j == tokens.size()) return i > w.count();
    const Token& t = tokens[j];
    if (t.slot < 0) {
        if (i > w.count()) return false;
        for (const std::string& literal : t.words)
            if (w[i] == literal) return matchWords(w, i + 1, tokens, j + 1, args);
        return false;
    }
    std::string& arg = args[static_cast<std::size_t>(t.slot)];
    if (i <= w.count()) {
        std::string_view value = w[i];
        bool fits = true;
        if (t.mark == ':') {
            fits = !value.empty() && value.back() == ':';
            if (fits) value.remove_suffix(1);
        } else if (t.mark == '!') {
            fits = value == "on" || value == "off";
        } else if (t.mark == '*' && value == "all") {
            value = {};
        }
        if (fits) {
            arg = std::string(value);
            if (matchWords(w, i + 1, tokens, j + 1, args)) return true;
        }
    }
    if (t.mark == '!') return false;
    arg.clear();
    return matchWords(w, i, tokens, j + 1, args);
}

} // namespace

Order parseNaturalOrder(std::string_view body, const OrderContext& context)
{
    const OrderWords words(body);
    for (const Template& t : templates()) {
        std::vector<std::string> args(t.slots);
        if (!matchWords(words, 1, t.tokens, 0, args)) continue;
        Order order;
        order.kind = t.row->kind;
        order.args = std::move(args);
        if (order.kind == K::Quit) order.args = {context.ownRace()};
        // Only the forecast option takes a turn.
        if (order.kind == K::Forecast && !equalsNoCase(order.arg(0), "FORECAST")) {
            order.kind = K::Option;
            order.args.resize(2);
        }
        return order;
    }
    return {};
}

std::string rawOrderLine(const Order& o)
{
    const auto& a = o.args;
    switch (o.kind) {
    case K::Peace: return joinRaw("A", a);
    case K::BreakCurrent: return joinRaw("B", {o.args.empty() ? std::string() : a[0], "FLEET"});
    case K::BreakFleet:
    case K::BreakShips: return joinRaw("B", a);
    case K::RaceName: return joinRaw("C", a);
    case K::Design: return joinRaw("D", a);
    case K::CreateFleet: return joinRaw("D FLEET", a);
    case K::EraseType:
    case K::EraseFleet: return joinRaw("E", a);
    case K::GiveAddress: return joinRaw("F", a);
    case K::ToggleReports: return "F";
    case K::Upgrade: return joinRaw("G", a);
    case K::Guard: return joinRaw("H", a);
    case K::InterceptGroup:
    case K::InterceptFleet: return joinRaw("I", a);
    case K::AddToFleet:
    case K::MergeFleets: return joinRaw("J", a);
    case K::Status:
    case K::EraseStatus: return joinRaw("K", a);
    case K::Load:
        // An amount stands after the number of ships; without that number the amount would be
        // read as one, so such an order has no raw form.
        if (o.arg(2).empty() && !o.arg(3).empty()) return {};
        return joinRaw("L", a);
    case K::MapArea: return joinRaw("M", a);
    case K::RenamePlanet: return joinRaw("N", a);
    case K::Option:
    case K::Forecast: {
        std::string line = o.arg(1) == "off" ? "O NO " : "O ";
        line += o.arg(0);
        if (o.kind == K::Forecast && !o.arg(2).empty()) line += " " + std::string(o.arg(2));
        return line;
    }
    case K::XCenter: return joinRaw("O XCENTER", a);
    case K::YCenter: return joinRaw("O YCENTER", a);
    case K::Production: return joinRaw("P", a);
    case K::Quit: return joinRaw("Q", a);
    case K::SetRoute:
    case K::DeleteRoute: return joinRaw("R", a);
    case K::SendGroup:
    case K::SendFleet: return joinRaw("S", a);
    case K::RenameType:
    case K::RenameFleet: return joinRaw("T", a);
    case K::Unload: return joinRaw("U", a);
    case K::Claim: return joinRaw("V", a);
    case K::War: return joinRaw("W", a);
    case K::Scrap: return joinRaw("X", a);
    case K::SetPassword: return joinRaw("Y", a);
    case K::DeletePassword: return "Y";
    case K::Address: return joinRaw("Z", a);
    default: return {};
    }
}

std::string naturalOrderLine(const Order& o, bool windowWording)
{
    for (const Template& t : templates()) {
        if (t.row->kind != o.kind || !applies(*t.row, o)) continue;
        std::string line;
        for (const Token& token : t.tokens) {
            if (!line.empty()) line += ' ';
            if (token.slot < 0) {
                line += token.words[windowWording && token.words.size() > 1 ? 1 : 0];
                continue;
            }
            const std::string_view value = o.arg(static_cast<std::size_t>(token.slot));
            line += token.mark == '*' ? shipsText(value) : value;
            if (token.mark == ':') line += ':';
        }
        return std::string(trimRight(line));
    }
    return {};
}

std::string orderLine(const Order& order, MoveForm form, bool windowWording)
{
    return form == MoveForm::Raw ? rawOrderLine(order) : naturalOrderLine(order, windowWording);
}

namespace {

// Raw text: a second character that is a blank; a line of one character is raw too.
bool looksRaw(std::string_view line)
{
    return line.size() < 2 || isSeparator(static_cast<unsigned char>(line[1]));
}

bool isSendKind(OrderKind kind) { return kind == K::SendGroup || kind == K::SendFleet; }

} // namespace

Order parseOrder(std::string_view line, MoveForm form, const OrderContext& context)
{
    const std::string_view body = cutComment(line);
    return form == MoveForm::Raw ? parseRawOrder(body, context) : parseNaturalOrder(body, context);
}

std::string ConvertOrderLine(std::string_view line, const OrderContext& context)
{
    if (line.empty()) return {};
    if (line.size() == 1) {
        if (commandLetter(line) == 'Y') return "Delete password";
        if (commandLetter(line) == 'F') return std::string(toggleText);
        return {};
    }
    // Header and end line.
    if (line == "#END" || line == "#end") return "#End";
    if (line == "#End") return "#END";
    const OrderWords words(line);
    if (upper(words[1]) == "#GALAXY") {
        if (words[2] == "game:") {
            std::string_view game = words[3];
            if (!game.empty() && game.back() == ',') game.remove_suffix(1);
            std::string_view race = words[5];
            const std::string_view password = words[7];
            if (!password.empty() && !race.empty() && race.back() == ',') race.remove_suffix(1);
            std::string out = "#GALAXY " + std::string(game) + " " + std::string(race);
            if (!password.empty()) out += " " + std::string(password);
            return out;
        }
        return headerLine(MoveForm::Natural, words[2], words[3], words[4]);
    }

    const std::string_view body = trimRight(cutComment(line));
    const std::string_view comment = commentOf(line);
    Order order;
    std::string out;
    if (looksRaw(line)) {
        order = parseRawOrder(body, context);
        out = naturalOrderLine(order);
    } else {
        order = parseNaturalOrder(body, context);
        out = rawOrderLine(order);
    }
    if (out.empty()) return {};
    if (isSendKind(order.kind) && !comment.empty()) out += " " + std::string(comment);
    return out;
}

std::string ConvertOrderLine(std::string_view line, const Game& game)
{
    return ConvertOrderLine(line, OrderContext(game));
}

bool opensMessage(std::string_view line, MoveForm form)
{
    if (form == MoveForm::Raw) return !line.empty() && line.front() == '@';
    return field(line, 1) == "Message";
}

namespace {

// A natural block ends at the line "End of message": the only line of a block that does not
// start with the three blanks of the message text.
bool closesNaturalMessage(std::string_view line) { return startsWith(line, "End"); }

bool closesMessage(std::string_view line, MoveForm form)
{
    return form == MoveForm::Raw ? !line.empty() && line.front() == '@' : closesNaturalMessage(line);
}

} // namespace

std::vector<int> messageBlocks(const std::vector<std::string>& lines, MoveForm form)
{
    std::vector<int> block(lines.size(), -1);
    int open = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (open >= 0) {
            block[i] = open;
            if (closesMessage(lines[i], form)) open = -1;
        } else if (i > 0 && opensMessage(lines[i], form)) {
            open = static_cast<int>(i);
            block[i] = open;
        }
    }
    return block;
}

std::string unrecognizedMessage(std::string_view line)
{
    return std::string(msgUnrecognizedCommand) + std::string(lineBreak) + std::string(line);
}

Result<std::vector<std::string>> convertMove(const std::vector<std::string>& lines, MoveForm from, MoveForm to,
                                             const OrderContext& context, bool keepUnrecognized)
{
    if (from == to) return lines;
    std::vector<std::string> result;
    result.reserve(lines.size());
    bool inBlock = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (from == MoveForm::Raw) {
            if (inBlock) {
                if (!line.empty() && line.front() == '@') {
                    result.emplace_back("End of message");
                    inBlock = false;
                } else {
                    result.push_back("   " + line);
                }
                continue;
            }
            if (i > 0 && !line.empty() && line.front() == '@') {
                inBlock = true;
                const Fields f(line);
                if (f[1] == "@" && f.count() >= 2)
                    result.push_back("Message to " + std::string(trimRight(line.substr(2))) + ":");
                else
                    result.emplace_back("Message to all:");
                continue;
            }
        } else {
            if (inBlock) {
                if (closesNaturalMessage(line)) {
                    result.emplace_back("@");
                    inBlock = false;
                } else {
                    result.push_back(line.substr(std::min<std::size_t>(3, line.size())));
                }
                continue;
            }
            if (i > 0 && field(line, 1) == "Message") {
                inBlock = true;
                if (field(line, 3) == "all:" || line.size() < 12)
                    result.emplace_back("@");
                else
                    result.push_back("@ " + line.substr(11, line.size() - 12));
                continue;
            }
        }
        std::string converted = ConvertOrderLine(line, context);
        if (converted.empty()) {
            if (keepUnrecognized) {
                result.push_back(line);
                continue;
            }
            return Failure(unrecognizedMessage(line), {}, static_cast<int>(i) + 1);
        }
        result.push_back(std::move(converted));
    }
    return result;
}

Result<RawMove> readRawMove(std::string_view input)
{
    RawMove move;
    // Lines end at CR LF, LF or CR alike: moves come from every kind of mail program.
    LineReader reader(input);
    std::string_view first;
    if (!reader.next(first) || !(startsWith(first, "#GALAXY ") || startsWith(first, "#galaxy "))) {
        return Failure(std::string(msgNoGalaxyMove), {}, 1);
    }
    // Game name, race name and password: runs of characters from the ninth on, separated by
    // characters below code 33.
    std::size_t pos = 8;
    auto nextRun = [&]() {
        while (pos < first.size() && static_cast<unsigned char>(first[pos]) < 33) ++pos;
        const std::size_t begin = pos;
        while (pos < first.size() && static_cast<unsigned char>(first[pos]) >= 33) ++pos;
        return std::string(first.substr(begin, pos - begin));
    };
    move.game = nextRun();
    move.race = nextRun();
    move.password = nextRun();
    int fileLine = 1;
    auto keep = [&](std::string text) {
        move.lines.push_back(std::move(text));
        move.fileLines.push_back(fileLine);
    };
    keep(std::string(first));

    bool inBlock = false;
    std::string_view line;
    while (reader.next(line)) {
        ++fileLine;
        if (inBlock) {
            if (!line.empty() && line.front() == '@') inBlock = false;
            keep(std::string(line));
            continue;
        }
        // Lines that begin with blanks are taken without them.
        const std::string_view text = trimmed(line);
        if (text.empty()) continue;
        if (text.front() == '@') {
            inBlock = true;
            keep(std::string(text));
            continue;
        }
        if (text == "#end" || text == "#END") {
            // The server reads nothing after the end line (mail programs add signatures there).
            keep(std::string(text));
            break;
        }
        if (text.front() == '#' || text.front() == ';' || text.front() == '/') continue;
        std::string_view kept = trimRight(cutComment(text));
        if (kept.empty()) continue;
        // A long command word is shortened to its first letter, and the letter is upper-cased
        // as the server reads it: "SEND 12 Mars" and "send 12 Mars" -> "S 12 Mars". The rest of
        // the line stays as written.
        const std::string_view command = field(kept, 1);
        keep(std::string(1, commandLetter(kept)) + std::string(kept.substr(command.size())));
    }
    return move;
}

namespace {

// A failure at a line of the kept lines, moved to the line of the text it was read from.
Failure atTextLine(const Failure& failure, const std::vector<int>& fileLines)
{
    const std::size_t kept = static_cast<std::size_t>(failure.line - 1);
    return Failure(failure.message, failure.file, kept < fileLines.size() ? fileLines[kept] : 0);
}

} // namespace

Result<RawMove> readMove(std::string_view text, MoveForm form, const OrderContext& givenContext)
{
    Result<RawMove> move = readRawMove(text);
    if (!move) return move;
    // Without a turn the own race is the one the header names ("Quit the game" needs it).
    OrderContext context = givenContext;
    if (context.ownRace().empty()) context.setOwnRace(move->race);
    Result<std::vector<std::string>> natural = convertMove(move->lines, MoveForm::Raw, MoveForm::Natural, context);
    if (!natural) return atTextLine(natural.error(), move->fileLines);
    if (form == MoveForm::Natural) {
        move->lines = std::move(*natural);
        return move;
    }
    Result<std::vector<std::string>> raw = convertMove(*natural, MoveForm::Natural, MoveForm::Raw, context);
    if (!raw) return atTextLine(raw.error(), move->fileLines);
    move->lines = std::move(*raw);
    return move;
}

std::string moveFileText(const std::vector<std::string>& rawLines)
{
    std::string text;
    for (const std::string& line : rawLines) {
        text += line;
        text += lineBreak;
    }
    return text;
}

std::string moveClipboardText(const std::vector<std::string>& rawLines)
{
    std::string text;
    for (std::size_t i = 0; i < rawLines.size(); ++i) {
        if (i > 0) text += lineBreak;
        text += rawLines[i];
    }
    return text;
}

} // namespace orrery
