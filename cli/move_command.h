#pragma once

#include <string>
#include <vector>

// orrery-cli move: the orders editor from the shell.
//
//   orrery-cli move convert FILE --to natural|raw [--turn PATH/NAME<n>EXT]
//   orrery-cli move check FILE --turn PATH/NAME<n>EXT
//   orrery-cli move eta FILE --turn PATH/NAME<n>EXT
//
// Exit status: 0 done (check: the move seems to be correct), 1 the checker found something,
// 2 bad input (a file that is no move or has an unrecognised line, a turn that cannot be read,
// bad arguments), with the message on stderr.
int commandMove(const std::vector<std::string>& args);
