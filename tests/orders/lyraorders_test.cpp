// The order files that were fed to the server of the real game Lyra, one per race and turn
// (race_N.T: race N's orders for turn T): each reads, survives the natural form, and checks
// against the report it was written against; the orders the server refused get findings.

#include "gamedata.h"
#include "movechecker.h"
#include "orderformat.h"
#include "orderwords.h"
#include "testfiles.h"
#include "textrules.h"
#include "turnloader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace orrery {
namespace {

// The races' folders in the order of their first names race_1 ... race_6 (players.txt and the
// turn-0 reports; the races were renamed on turn 1).
const char* const raceFolders[] = {"alpha", "beta", "gamma", "delta", "epsilon_eridani", "race_6"};

// The one line of the files that the editor does not know: "=" sets the player's real name (the
// turn-1 report says "Your real name is Alice_Alpha."). Its file is read without it.
const char* const unknownFile = "race_1.1";
const std::string unknownLine = "= Alice_Alpha";

std::string report(const std::string& race, int turn)
{
    return test::corpusDir() + "gng-game1/" + race + "/" + race + std::to_string(turn) + ".txt";
}

// The game's two orders that the server refused, as its reports echo them with an error line
// (">   ERROR: ..."), and what the checker finds on them.
const std::map<std::string, std::string> refused = {
    // "> s 999 Alcyone", ">   ERROR: Group or fleet not recognized."
    {"race_1.2", "Error in line \"S 999 Alcyone\": Group/fleet does not exists.\r\n"},
    // "> e Probe", ">   ERROR: Some of these ships still exist."
    {"race_3.10", "Error in line \"E Probe\": Ships of this type still exist.\r\n"},
};

TEST(LyraOrders, EveryRaceMoveReadsConvertsAndChecksAgainstItsTurn)
{
    ORRERY_REQUIRE_CORPUS();
    const std::string folder = test::corpusDir() + "gng-game1/setup/orders/";
    int files = 0;
    for (const std::string& name : test::listFiles(folder)) {
        if (!startsWith(name, "race_")) continue; // the T.all files hold every race's orders
        SCOPED_TRACE(name);
        ++files;
        const std::string race = raceFolders[std::stoi(name.substr(5)) - 1];
        const int turn = std::stoi(name.substr(name.find('.') + 1));
        std::string text = test::readText(folder + name);
        if (name == unknownFile) {
            const std::size_t at = text.find(unknownLine + "\n");
            ASSERT_NE(at, std::string::npos);
            const int line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(at), '\n'));
            EXPECT_EQ(readMove(text, MoveForm::Raw, {}).error().text(), "line " + std::to_string(line) + ": " +
                                                                           unrecognizedMessage(unknownLine));
            text.erase(at, unknownLine.size() + 1);
        }
        // The header's last word is the turn the orders are for (the file's T). The server carries
        // them out on the state of report T-1 and echoes them, with its errors, in report T.
        const Result<Game> game = loadTurnFromPath(report(race, turn - 1));
        ASSERT_TRUE(game) << game.error().text();
        const OrderContext context(*game);
        const Result<RawMove> move = readMove(text, MoveForm::Raw, context);
        ASSERT_TRUE(move) << move.error().text();
        const RawMove asRead = *readRawMove(text);
        EXPECT_EQ(field(asRead.lines.front(), 5), std::to_string(turn));

        // Through the natural form and back every order line is the line as read (comment cut, command
        // letter upper-cased); only "D Fleet" gets the converter's "D FLEET". The header loses the turn
        // number after game, race and password: the natural header has no place for it.
        std::vector<std::string> expected = asRead.lines;
        expected.front() = headerLine(MoveForm::Raw, asRead.game, asRead.race, asRead.password);
        for (std::string& line : expected)
            if (commandLetter(line) == 'D' && equalsNoCase(field(line, 2), "FLEET"))
                line = "D FLEET" + line.substr(Fields(line).offset(2) + 5);
        const auto natural = convertMove(move->lines, MoveForm::Raw, MoveForm::Natural, context);
        ASSERT_TRUE(natural) << natural.error().text();
        EXPECT_EQ(move->lines, expected);
        EXPECT_EQ(convertMove(*natural, MoveForm::Natural, MoveForm::Raw, context).valueOr({}), expected);

        // The refused orders get their findings; moves the server carried out in full get none.
        const bool refusal = refused.count(name) > 0;
        EXPECT_EQ(contains(test::readText(report(race, turn)), ">   ERROR:"), refusal);
        EXPECT_EQ(CheckMove(move->lines, *game), refusal ? refused.at(name) : "");
    }
    EXPECT_EQ(files, 90);
}

} // namespace
} // namespace orrery
