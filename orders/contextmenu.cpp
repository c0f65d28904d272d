#include "contextmenu.h"

#include "gamedata.h"
#include "moveeditor.h"
#include "textrules.h"

#include <algorithm>
#include <cstdio>

namespace orrery {

namespace {

using S = ContextSlot;

// Command numbers of the natural command list.
enum Command : int {
    cAddToFleet = 0, cBreakFleet = 1, cBreakShips = 2, cMapArea = 3, cRaceName = 4, cAddress = 5,
    cCreateFleet = 7, cPeace = 8, cWar = 9, cDesign = 10, cEraseFleet = 11, cEraseType = 12,
    cGiveAddress = 14, cInterceptFleet = 15, cInterceptGroup = 16, cLoad = 17, cMerge = 18,
    cRenameFleet = 19, cRenameType = 20, cQuit = 21, cRenamePlanet = 22, cScrap = 23, cMessage = 24,
    cSendFleet = 25, cSendGroup = 26, cOptionFirst = 27, cProduction = 34, cRoute = 35, cPassword = 36,
    cUnload = 37, cUpgrade = 38, cToggleReports = 39, cGuard = 40, cStatus = 41, cOptions = 42,
    cLoadAndSend = 43, cDeletePassword = 44, cSendTool = -1,
};

// clang-format off
const ContextEntry planetStatus[] = {
    {"Change status of planet to peace", cStatus, S::First, "peace", false, true},
    {"Change status of planet to war", cStatus, S::First, "war", false, true},
};
const ContextEntry planetEntries[] = {
    {"Intercept ships at this planet with a fleet", cInterceptFleet, S::First, nullptr, false, false},
    {"Intercept ships at this planet with a group", cInterceptGroup, S::First, nullptr, false, true},
    {"Rename planet", cRenamePlanet, S::First, nullptr, false, false},
    {"Send all groups from this planet to another planet", cSendTool, S::First, nullptr, false, false},
    {"Send all groups from another planet to this planet", cSendTool, S::Second, nullptr, false, false},
    {"Send fleet to this planet", cSendFleet, S::Second, nullptr, false, false},
    {"Send group to this planet", cSendGroup, S::Second, nullptr, false, true},
    {"Set or delete a route from this planet", cRoute, S::First, nullptr, false, true},
    {"Set a route to this planet", cRoute, S::Third, nullptr, false, true},
    {"Set production for planet", cProduction, S::First, nullptr, false, true},
    {"Set production for planet to capital", cProduction, S::First, "CAP", true, true},
    {"Set production for planet to material", cProduction, S::First, "MAT", true, true},
    {"Set production for planet to cargo technology", cProduction, S::First, "CARGO", true, true},
    {"Set production for planet to drive technology", cProduction, S::First, "DRIVE", true, true},
    {"Set production for planet to shield technology", cProduction, S::First, "SHIELDS", true, true},
    {"Set production for planet to weapon technology", cProduction, S::First, "WEAPONS", true, true},
};

const ContextEntry changeArea{"Change area covered by the turn map", cMapArea, S::None, nullptr, false, true};
const ContextEntry changeAddress{"Change your email adress", cAddress, S::None, nullptr, false, true};
const ContextEntry changeName{"Change your race name", cRaceName, S::None, nullptr, false, true};
const ContextEntry peace{"Declare peace on this race", cPeace, S::First, nullptr, true, false};
const ContextEntry war{"Declare war on this race", cWar, S::First, nullptr, true, false};
const ContextEntry deletePassword{"Delete password", cDeletePassword, S::None, nullptr, true, true};
const ContextEntry giveAddress{"Give adress of the player of this race", cGiveAddress, S::First, nullptr, true, false};
const ContextEntry quit{"Quit the game", cQuit, S::None, nullptr, true, true};
const ContextEntry message{"Send message to this player", cMessage, S::First, nullptr, false, false};
const ContextEntry setOptions{"Set options", cOptions, S::None, nullptr, false, true};
const ContextEntry setPassword{"Set password", cPassword, S::None, nullptr, false, true};
const ContextEntry guard{"Set race to guard status", cGuard, S::First, nullptr, true, false};
const char* const optionCaptions[] = {"Set option AUTOUNLOAD", "Set option FLEETTABLES", "Set option NAMECASE",
                                      "Set option PRODTABLE", "Set option SORTGROUPS", "Set option TWOCOL",
                                      "Set option UNDERSCORES"};
ContextEntry optionEntry(int index) { return {optionCaptions[index], cOptionFirst + index, S::None, nullptr, false, true}; }

const ContextEntry fleetEntries[] = {
    {"Add group to this fleet", cAddToFleet, S::Second, nullptr, false, false},
    {"Break off a group from this fleet", cBreakFleet, S::None, nullptr, false, false},
    {"Change name of this fleet", cRenameFleet, S::First, nullptr, false, false},
    {"Create a fleet", cCreateFleet, S::None, nullptr, false, false},
    {"Erase this fleet", cEraseFleet, S::First, nullptr, true, false},
    {"Intercept ships at planet with this fleet", cInterceptFleet, S::Second, nullptr, false, false},
    {"Merge another fleet into this fleet", cMerge, S::Second, nullptr, false, false},
    {"Merge this fleet into another fleet", cMerge, S::First, nullptr, false, false},
    {"Send this fleet to a planet", cSendFleet, S::First, nullptr, false, false},
};

const ContextEntry shipTypeEntries[] = {
    {"Change name of ship type", cRenameType, S::First, nullptr, false, false},
    {"Design this ship type", cDesign, S::First, nullptr, true, false},
    {"Erase this ship type", cEraseType, S::First, nullptr, true, false},
};

const ContextEntry groupEntries[] = {
    {"Add this group to a fleet", cAddToFleet, S::First, nullptr, false, false},
    {"Break off this group from a fleet", cBreakFleet, S::First, nullptr, false, false},
    {"Break off ships from this group", cBreakShips, S::First, nullptr, false, false},
    {"Intercept ships at a planet with this group", cInterceptGroup, S::Second, nullptr, false, false},
    {"Load cargo onto this group", cLoad, S::Second, nullptr, false, false},
    {"Load cargo CAP onto this group", cLoad, S::Second, "CAP", true, false},
    {"Load cargo COL onto this group", cLoad, S::Second, "COL", true, false},
    {"Load cargo MAT onto this group", cLoad, S::Second, "MAT", true, false},
    {"Load cargo and send this group to a planet", cLoadAndSend, S::Second, nullptr, false, false},
    {"Load cargo CAP and send this group to a planet", cLoadAndSend, S::Second, "CAP", false, false},
    {"Load cargo COL and send this group to a planet", cLoadAndSend, S::Second, "COL", false, false},
    {"Load cargo MAT and send this group to a planet", cLoadAndSend, S::Second, "MAT", false, false},
    {"Scrap old ships", cScrap, S::First, nullptr, false, false},
    {"Send this group to a planet", cSendGroup, S::First, nullptr, false, false},
    {"Unload this groups cargo", cUnload, S::First, nullptr, true, false},
    {"Unload some ships of this group", cUnload, S::First, nullptr, false, false},
    {"Upgrade all ships of this group", cUpgrade, S::First, nullptr, true, false},
    {"Upgrade some ships of this group", cUpgrade, S::First, nullptr, false, false},
};
// clang-format on

template <std::size_t N>
void append(std::vector<ContextEntry>& to, const ContextEntry (&entries)[N])
{
    to.insert(to.end(), std::begin(entries), std::end(entries));
}

std::vector<ContextEntry> raceEntries(bool blind)
{
    if (blind)
        return {changeArea, changeAddress, changeName, peace,       war,        deletePassword,
                quit,       optionEntry(6), setOptions, setPassword, guard};
    std::vector<ContextEntry> entries{changeArea, changeAddress, changeName, peace, war, deletePassword,
                                      giveAddress, quit, message};
    for (int i = 0; i < 6; ++i) entries.push_back(optionEntry(i));
    entries.push_back(setOptions);
    entries.push_back(setPassword);
    return entries;
}

// A design value as the player would type it: 1, 1.5, 0.25.
std::string designValue(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string out = text;
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.') out.pop_back();
    return out;
}

// The five values of a design of that name: the player's own first, else any race's.
void fillDesign(OrderFields& fields, const Game& game)
{
    const shiptyperecord* design = nullptr;
    for (const shiptyperecord& t : game.shiptypes) {
        if (t.name.view() != fields[0]) continue;
        if (!design || t.owner.view() == game.ownrace.view()) design = &t;
        if (t.owner.view() == game.ownrace.view()) break;
    }
    if (!design) return;
    const double values[] = {design->drive, design->attacks, design->weapons, design->shields, design->cargo};
    for (std::size_t i = 0; i < 5; ++i) fields[i + 1] = designValue(values[i]);
}

} // namespace

std::vector<ContextEntry> contextEntries(ContextObject kind, std::int32_t gametype)
{
    const bool blind = gametype == gtBlind;
    std::vector<ContextEntry> entries;
    switch (kind) {
    case ContextObject::Planet:
        // Only Blind Galaxy knows a status of a planet.
        if (blind) append(entries, planetStatus);
        append(entries, planetEntries);
        break;
    case ContextObject::Race: entries = raceEntries(blind); break;
    case ContextObject::Fleet: append(entries, fleetEntries); break;
    case ContextObject::ShipType: append(entries, shipTypeEntries); break;
    case ContextObject::Group: append(entries, groupEntries); break;
    }
    return entries;
}

std::vector<ContextEntry> shownContextEntries(ContextObject kind, std::int32_t gametype, bool own)
{
    std::vector<ContextEntry> entries = contextEntries(kind, gametype);
    // A group menu has no entries that make sense without a group.
    if (kind == ContextObject::Group && !own) return {};
    if (!own) std::erase_if(entries, [](const ContextEntry& e) { return e.ownOnly; });
    return entries;
}

std::optional<ContextEntry> contextEntryByCaption(ContextObject kind, std::int32_t gametype, std::string_view caption)
{
    for (const ContextEntry& e : contextEntries(kind, gametype))
        if (caption == e.caption) return e;
    return std::nullopt;
}

bool ownsObject(const Game& game, ContextObject kind, std::string_view object)
{
    if (object.empty()) return false;
    switch (kind) {
    case ContextObject::Planet:
        for (const planetrecord& p : game.turn.planets) {
            const bool own = p.ownercode == ocOwn || (!game.ownrace.empty() && p.owner.view() == game.ownrace.view());
            if (!own) continue;
            const std::string_view label = p.altname.empty() ? p.name.view() : p.altname.view();
            if (label == object || p.name.view() == object) return true;
        }
        return false;
    case ContextObject::Race: return object == game.ownrace.view();
    case ContextObject::Fleet:
    case ContextObject::ShipType:
    case ContextObject::Group: return true;
    }
    return false;
}

std::string fleetAboveLine(const std::vector<std::string>& lines, int caretLine)
{
    if (lines.empty()) return {};
    for (int i = std::min<int>(caretLine, static_cast<int>(lines.size()) - 1); i >= 0; --i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        if (line.find("leet") != std::string::npos) return std::string(Fields(line)[2]);
    }
    return {};
}

std::string_view noObjectMessage(ContextObject kind)
{
    switch (kind) {
    case ContextObject::Planet: return "You have to select a planet first!";
    case ContextObject::Race: return "You have to select a race first!";
    case ContextObject::Group: return "You have to select a group first!";
    case ContextObject::ShipType: return "You have to select a ship type first!";
    case ContextObject::Fleet: break;
    }
    return {};
}

OrderFields contextFields(const ContextEntry& entry, std::string_view object)
{
    OrderFields fields;
    const std::string extra = entry.extra ? entry.extra : "";
    switch (entry.object) {
    case ContextSlot::None: fields[0] = extra; break;
    case ContextSlot::First:
        fields[0] = std::string(object);
        fields[1] = extra;
        break;
    case ContextSlot::Second:
        fields[0] = extra;
        fields[1] = std::string(object);
        break;
    case ContextSlot::Third: fields[2] = std::string(object); break;
    }
    return fields;
}

Status applyDirectEntry(MoveEditor& editor, const Game& game, const ContextEntry& entry, std::string_view object)
{
    const CommandEntry* command = commandEntry(CommandList::Names, entry.command);
    if (!command) return Failure("Unknown command");
    OrderFields fields = contextFields(entry, object);
    // Designing a listed type takes its values from the known design.
    if (command->kind == OrderKind::Design) fillDesign(fields, game);
    if (editor.insertMode() == InsertMode::Replace) editor.setInsertMode(InsertMode::Below);
    if (const OrderForm* form = orderForm(command->kind, game.gametype)) {
        const CommandChoices choices = CommandChoices::of(game, editor.lines(), editor.moveForm());
        if (Status ok = checkOrderForm(*form, game, choices, fields); !ok) return ok;
    }
    return editor.BuildOrder(CommandList::Names, entry.command, fields);
}

} // namespace orrery
