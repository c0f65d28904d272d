#pragma once

// The move checker: replays a move against the current turn before it is mailed and gathers
// every finding (header, arguments, contradicting orders, ships given away twice, loads that find
// nothing to load) into one text.

#include <string>
#include <string_view>
#include <vector>

namespace orrery {

struct Game;

inline constexpr std::string_view msgMoveSeemsCorrect = "Move seems to be correct.";
inline constexpr std::string_view checkResultCaption = "Check move result";

// Checks a move. rawLines is the move in raw form; shownLines holds the same lines as the editor
// shows them (natural or raw), which the findings quote. Returns all findings in the order found,
// each ending with a line break; empty when there are none.
std::string CheckMove(const std::vector<std::string>& rawLines, const std::vector<std::string>& shownLines,
                      const Game& game);
inline std::string CheckMove(const std::vector<std::string>& rawLines, const Game& game)
{
    return CheckMove(rawLines, rawLines, game);
}

} // namespace orrery
