#pragma once

// The subcommands of orrery-cli. Each returns the exit status: 0 done, 2 for bad input or a
// failure (with a one-line message on the error output).

#include <cstdio>
#include <string>
#include <vector>

namespace orrery::cli {

constexpr int exitFailure = 2;

// Prints "orrery-cli: " and the message as one line (line breaks inside become blanks) and
// gives the failure's exit status.
int fail(const std::string& message);
// The same for bad arguments, pointing to the help.
int badArguments(const std::string& message);
// Texts of the program break lines with CR LF; the shell wants plain line feeds.
void print(std::FILE* out, const std::string& text);

// orrery-cli turn PATH/NAME<n>EXT [--json]
int commandTurn(const std::vector<std::string>& args);
// orrery-cli open PATH/NAME0EXT [--gametype N] [--json]
int commandOpen(const std::vector<std::string>& args);
// orrery-cli move convert FILE --to natural|raw [--turn PATH/NAME<n>EXT]
// orrery-cli move check FILE --turn PATH/NAME<n>EXT
// orrery-cli move eta FILE --turn PATH/NAME<n>EXT
// A check that finds something is a result, not a failure: it exits 0 too.
int commandMove(const std::vector<std::string>& args);
// orrery-cli design D A W S C [--tech dT wT sT cT] [--planet POP IND RES MAT] [--json]
int commandDesign(const std::vector<std::string>& args);
// orrery-cli forecast SIZE POP IND RES [--json]
int commandForecast(const std::vector<std::string>& args);
// orrery-cli battle FILE [--runs N]
int commandBattle(const std::vector<std::string>& args);
// orrery-cli chart PATH/NAME0EXT [--statistic N] [--races top5|top10|top20|all|NAME...] --png FILE
//     [--size WxH]
int commandChart(const std::vector<std::string>& args);
// orrery-cli text search FILE TEXT [--case]
// orrery-cli text quote FILE [--out FILE]
int commandText(const std::vector<std::string>& args);
// orrery-cli overview PATH/NAME<n>EXT
int commandOverview(const std::vector<std::string>& args);
// orrery-cli races PATH/NAME<n>EXT [--json]
int commandRaces(const std::vector<std::string>& args);
// orrery-cli news PATH/NAME<n>EXT --battles [--detail 0|1|2]
int commandNews(const std::vector<std::string>& args);

// orrery-cli plan PATH/NAME<n>EXT --turns N [--planet NAME ...] [--group N ...] [--move FILE]
int commandPlan(const std::vector<std::string>& args);

// orrery-cli import MAILBOX DIR
int commandImport(const std::vector<std::string>& args);

} // namespace orrery::cli
