#pragma once

// The text of a move: the header and end lines, order lines in their raw form (what the server
// reads) and their natural form (English sentences), message blocks, ETA comments, reading a
// move from a file or the clipboard, and writing it.

#include "commands.h"
#include "result.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace orrery {

struct Game;

inline constexpr std::string_view msgNoGalaxyMove = "This is no galaxy move!";
inline constexpr std::string_view msgUnrecognizedCommand = "Error in file: unrecognized command in line";

// What the conversion of a line needs to know of the game: the own race (for "Quit the game")
// and the own race's ship types (to tell "E" and "T" of a ship type from those of a fleet).
class OrderContext {
public:
    OrderContext() = default;
    explicit OrderContext(const Game& game);
    // Adds a name to the own ship types (letter case is ignored when looking them up).
    void addOwnShipType(std::string_view name);
    bool isOwnShipType(std::string_view name) const;
    const std::string& ownRace() const { return ownrace_; }
    void setOwnRace(std::string_view race) { ownrace_ = race; }

private:
    std::string ownrace_;
    std::unordered_set<std::string> ownTypes_; // upper-cased
};

// Header and end line.
std::string headerLine(MoveForm form, std::string_view game, std::string_view race, std::string_view password);
std::string endLine(MoveForm form);
// "#END", "#End" or "#end".
bool isEndLine(std::string_view line);
// First word, upper-cased, is "#GALAXY".
bool isHeaderLine(std::string_view line);

// Takes one order line apart. The raw reader selects the row by the command letter (in either
// case, as the server reads it) and tells rows that share a letter apart by their arguments; the
// natural reader by the fixed words of the sentences. The comment (from the first ";") must be cut off before. None when not recognised.
Order parseRawOrder(std::string_view body, const OrderContext& context);
Order parseNaturalOrder(std::string_view body, const OrderContext& context);
// The line of an order. Empty when the order cannot be written in that form (a load with an
// amount but no number of ships has no raw form). windowWording selects the texts the command
// windows write where they differ from the converted texts ("Give address of player", "shield
// tech:").
std::string rawOrderLine(const Order& order);
std::string naturalOrderLine(const Order& order, bool windowWording = false);
std::string orderLine(const Order& order, MoveForm form, bool windowWording = false);
// Takes a line of either form apart (its comment is ignored).
Order parseOrder(std::string_view line, MoveForm form, const OrderContext& context);

// One line in the other form; the direction follows from the line itself (a second character
// that is a blank marks raw text). Empty when the line is not recognised. Send lines keep their
// comment, every other line loses it. Message blocks are converted by convertMove, not here.
std::string ConvertOrderLine(std::string_view line, const OrderContext& context);
std::string ConvertOrderLine(std::string_view line, const Game& game);

// For every line of a move in the given form: the index of the opening line of the message block
// the line belongs to (the opening and closing lines included), or -1 outside blocks.
std::vector<int> messageBlocks(const std::vector<std::string>& lines, MoveForm form);
bool opensMessage(std::string_view line, MoveForm form);

// A whole move from one form into the other, message blocks as blocks. Fails at the first line
// that neither form recognises (the failure's line is its number, from 1); with keepUnrecognized
// such a line is taken over unchanged instead.
Result<std::vector<std::string>> convertMove(const std::vector<std::string>& lines, MoveForm from, MoveForm to,
                                             const OrderContext& context, bool keepUnrecognized = false);

// The message for a line that cannot be converted.
std::string unrecognizedMessage(std::string_view line);

// A move text read into raw lines (before conversion): the header's game name, race name and
// password, and the lines that stay.
struct RawMove {
    std::string game;
    std::string race;
    std::string password;
    std::vector<std::string> lines;
    std::vector<int> fileLines; // the line of the text each of lines was read from (from 1)
};
// Fails with msgNoGalaxyMove when the text is no move.
Result<RawMove> readRawMove(std::string_view text);

// Reads a move and converts it into the given form (every line through the natural form, so that
// a line that is not recognised stops the reading). ETAs are not touched here.
Result<RawMove> readMove(std::string_view text, MoveForm form, const OrderContext& context);

// The text of a move as it is written to files: every line with a CR LF line end.
std::string moveFileText(const std::vector<std::string>& rawLines);
// The same for the clipboard: the lines joined by line breaks.
std::string moveClipboardText(const std::vector<std::string>& rawLines);

} // namespace orrery
