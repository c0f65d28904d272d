#pragma once

// The orders a right click offers. Every table, text or list that shows planets, races, fleets,
// ship types or groups gets a context menu whose entries come from one fixed table per kind of
// object. An entry names a command of the natural command list (or the send-from-planet tool),
// where the clicked object goes among the command window's fields, a fixed second value, whether
// the order is added at once ("direct") and whether it is offered only for the player's own
// objects. The menus in the windows only build their entries from here and pass the chosen one on.
//
//     auto entries = shownContextEntries(ContextObject::Group, game.gametype, !cell.empty());
//     OrderFields fields = contextFields(entries[5], "7");     // {"CAP", "7"}
//     applyDirectEntry(editor, game, entries[5], "7");         // adds 'L 7 CAP'

#include "commands.h"
#include "orderforms.h"
#include "result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orrery {

struct Game;
class MoveEditor;

enum class ContextObject : std::uint8_t { Planet = 1, Race, Fleet, ShipType, Group };

// Which field of the command window the clicked object fills; the extra value fills the other.
// For the send-from-planet tool First is the source planet and Second the target. A route's
// destination is its third field (after the cargo type).
enum class ContextSlot : std::uint8_t { None, First, Second, Third };

struct ContextEntry {
    const char* caption = nullptr;
    int command = -1;             // number in the natural command list; -1: the send tool
    ContextSlot object = ContextSlot::None;
    const char* extra = nullptr;  // the fixed value, nullptr when none
    bool direct = false;          // the order is added without showing the window
    bool ownOnly = false;         // offered only for the player's own planet or race

    bool sendTool() const { return command < 0; }
};

// The entries of a kind of object in a game type, in menu order (all of them, own-only included).
std::vector<ContextEntry> contextEntries(ContextObject kind, std::int32_t gametype);
// The entries shown for an object: without the own-only ones when the object is not the player's.
// A group menu shows nothing at all when no group is under the cursor.
std::vector<ContextEntry> shownContextEntries(ContextObject kind, std::int32_t gametype, bool own);
// The entry with that caption, if the kind has one in that game type.
std::optional<ContextEntry> contextEntryByCaption(ContextObject kind, std::int32_t gametype, std::string_view caption);

// Whether an object belongs to the player: a planet whose label (its alternative name, or its name
// when it has none) is the text; the own race; any non-empty group cell. Fleets and ship types
// count as own.
bool ownsObject(const Game& game, ContextObject kind, std::string_view object);
// The fleet of a fleets text: from the caret's line upward, word 2 of the first line that holds
// "leet" (as in "Fleet Patrol (speed 9.23)"); empty when there is none.
std::string fleetAboveLine(const std::vector<std::string>& lines, int caretLine);
// The message of an entry chosen without an object; empty for kinds that need none.
std::string_view noObjectMessage(ContextObject kind);

// The fields a command window opens with: the object and the extra value in their fields.
OrderFields contextFields(const ContextEntry& entry, std::string_view object);
// What the window's OK does, at once: the form's checks, then the order built below the current
// line (orders without values are built straight away). Fails with the message to show.
Status applyDirectEntry(MoveEditor& editor, const Game& game, const ContextEntry& entry, std::string_view object);

} // namespace orrery
