// The order format: raw and natural lines of every command, header and end lines, message blocks,
// reading a move text and where it fails, command letters in lower case.

#include "movechecker.h"
#include "movegame.h"
#include "orderformat.h"
#include "orderwords.h"

#include <gtest/gtest.h>

#include <tuple>

namespace orrery {
namespace {

using Lines = std::vector<std::string>;
using K = OrderKind;

struct Row {
    const char* raw;
    const char* natural;
};

// Every row of the command table, rows that share a letter with each of their variants.
const Row commandRows[] = {
    {"A Zorgons", "Declare peace on race Zorgons"}, {"B 12 FLEET", "Break off group 12 from it's current fleet"},
    {"B 12 Alpha", "Break off group 12 from fleet Alpha"},
    {"B 12 Alpha 3", "Break off 3 ships from group 12 from fleet Alpha"},
    {"B 12 3", "Break off 3 ships from group 12"}, {"C Vulcans", "Change the name of your race to Vulcans"},
    {"D Frigate 10 1 5 5 0", "Design the new shiptype Frigate drive: 10 attacks: 1 weapons: 5 shields: 5 cargo: 0"},
    {"D FLEET Delta", "Create fleet Delta"}, {"E Cruiser", "Erase ship type Cruiser"},
    {"E cRUISER", "Erase ship type cRUISER"}, {"E Alpha", "Erase fleet Alpha"},
    {"F Zorgons", "Give adress of player Zorgons"}, {"F", "Toggle between \"Full reports\" and \"standard\" reports"},
    {"G 12", "Upgrade all ships of group 12"}, {"G 12 3", "Upgrade 3 ships of group 12"},
    {"H Zorgons", "Adopt a defensive (guarding) posture towards race Zorgons"},
    {"I 12 Mars", "Intercept ships at planet Mars with all ships of group 12"},
    {"I 12 Mars 3", "Intercept ships at planet Mars with 3 ships of group 12"},
    {"I Alpha Mars", "Intercept ships at planet Mars with fleet Alpha"},
    {"J 12 Alpha", "Add all ships of group 12 to fleet Alpha"},
    {"J 12 Alpha 3", "Add 3 ships of group 12 to fleet Alpha"},
    {"J MAX Alpha", "Add all ships of group MAX to fleet Alpha"},
    {"J Alpha Beta", "Merge fleet Alpha into fleet Beta"},
    {"K Mars war Zorgons", "Change status of planet Mars to war for race Zorgons"},
    {"K Mars", "Erase status of planet Mars"}, {"L 12 CAP", "Load cargo CAP onto all ships of group 12"},
    {"L 12 COL 3", "Load cargo COL onto 3 ships of group 12"},
    {"L 12 MAT 3 20", "Load 20 cargo MAT onto 3 ships of group 12"},
    {"M 10 20 30", "Change area covered by turn map to x: 10 y: 20 size: 30"},
    {"N Mars Ares2", "Rename planet Mars to Ares2"}, {"O AUTOUNLOAD", "Set option AUTOUNLOAD on"},
    {"O NO TWOCOL", "Set option TWOCOL off"}, {"O FORECAST 12", "Set option FORECAST on turn report 12"},
    {"O NO FORECAST", "Set option FORECAST off"}, {"O XCENTER 12.50", "Set option XCENTER 12.50"},
    {"O YCENTER 7.00", "Set option YCENTER 7.00"}, {"P Mars Cruiser", "Set production of planet Mars to Cruiser"},
    {"P Mars Cruiser 1.5 1 1.2 1",
     "Set production of planet Mars to Cruiser drive tech: 1.5 weapon tech: 1 shields tech: 1.2 cargo tech: 1"},
    {"Q Orion", "Quit the game"}, {"R Mars CAP Earth", "Set CAP route from planet Mars to planet Earth"},
    {"R Mars EMP", "Delete EMP route from planet Mars"}, {"S 12 Mars", "Send group 12 to planet Mars"},
    {"S 12 Mars 3", "Send 3 ships of group 12 to planet Mars"},
    {"S MAX Mars", "Send group MAX to planet Mars"}, {"S Alpha Mars", "Send fleet Alpha to planet Mars"},
    {"S 12 Mars ; ETA 3 turns", "Send group 12 to planet Mars ; ETA 3 turns"},
    {"S Alpha Venus ; ETA ? turns", "Send fleet Alpha to planet Venus ; ETA ? turns"},
    {"T Cruiser Frigate", "New name for shiptype Cruiser: Frigate"},
    {"T Alpha Omega", "New name for fleet Alpha: Omega"}, {"U 12", "Unload all ships of group 12"},
    {"U 12 3", "Unload 3 ships of group 12"}, {"V Mars", "Claim ownership of planet Mars"},
    {"W Zorgons", "Declare war on race Zorgons"}, {"X 12", "Scrap all ships of group 12"},
    {"X 12 3", "Scrap 3 ships of group 12"}, {"Y secret", "Set password to secret"}, {"Y", "Delete password"},
    {"Z orion@example.org", "Change your address to orion@example.org"},
    {"#GALAXY Lyra Orion pw42", "#Galaxy game: Lyra, racename: Orion, password: pw42"},
    {"#GALAXY Lyra Orion", "#Galaxy game: Lyra, racename: Orion"}, {"#END", "#End"},
    // A word that begins with a double quote runs to the next one, blanks included.
    {"N \"Old Town\" \"New  Town\"", "Rename planet \"Old Town\" to \"New  Town\""},
    {"N \"Old Town\" \"open", "Rename planet \"Old Town\" to \"open"},
};

class CommandRowTest : public testing::TestWithParam<Row> {};

TEST_P(CommandRowTest, RawToNaturalAndBack)
{
    const Row& row = GetParam();
    const Game game = test::moveGame();
    const std::string natural = ConvertOrderLine(row.raw, game);
    EXPECT_EQ(natural, row.natural);
    EXPECT_EQ(ConvertOrderLine(natural, game), row.raw);
}

INSTANTIATE_TEST_SUITE_P(EveryRow, CommandRowTest, testing::ValuesIn(commandRows));

// Lines that change on the way from raw to natural and back, other wordings that read as the same
// order, and lines that are not recognised ("").
TEST(ConvertOrderLine, OneWayOtherWordingsAndUnrecognisedLines)
{
    const Game game = test::moveGame();
    const Row rows[] = {
        {"O no MAP", "Set option MAP off"},                           // "no" becomes "NO"
        {"A Zorgons ; old comment", "Declare peace on race Zorgons"}, // only sends keep comments
        {"#end", "#End"}, {"S 12 Mars all", "Send all ships of group 12 to planet Mars"},
        {"D fleet Delta", "Create fleet Delta"},
        {"S\t12\xa0Mars 3", "Send 3 ships of group 12 to planet Mars"}, // a tab and code 160 separate words
        {"Set option MAP off", "O NO MAP"}, {"Send all ships of group 12 to planet Mars", "S 12 Mars"},
        {"Give address of player Zorgons", "F Zorgons"},
        {"Set production of planet Mars to Cruiser drive tech: 1 weapon tech: 2 shield tech: 3 cargo tech: 4",
         "P Mars Cruiser 1 2 3 4"},
        {"Set option FORECAST on turn number 5", "O FORECAST 5"}, {"Quit the game", "Q Orion"},
        {"#Galaxy game: Lyra, racename: Orion, password: a,b", "#GALAXY Lyra Orion a,b"},
        // Another race's ship type of that name does not count.
        {"E Raider", "Erase fleet Raider"}, {"T Raider Pirate", "New name for fleet Raider: Pirate"},
        // An amount of cargo without a number of ships has no raw form.
        {"Load 20 cargo CAP onto all ships of group 12", ""},
    };
    for (const Row& row : rows) EXPECT_EQ(ConvertOrderLine(row.raw, game), row.natural) << row.raw;
    for (const char* line : {"", "A", "S", "Z", "= Alice", "@ Zorgons", "1 2 3", "Fly to Mars",
                             "Declare love on race X", "Set something", "End of message", "Erase everything",
                             "Set option MAP maybe"})
        EXPECT_EQ(ConvertOrderLine(line, game), "") << line;

    Game zorgons = game;
    zorgons.ownrace = "Zorgons";
    EXPECT_EQ(ConvertOrderLine("E raider", zorgons), "Erase ship type raider");
    EXPECT_EQ(ConvertOrderLine("Quit the game", zorgons), "Q Zorgons");
}

Result<RawMove> read(std::string_view move, MoveForm as) { return readMove(move, as, OrderContext(test::moveGame())); }

TEST(ReadMove, DropsCommentsShortensCommandWordsAndStopsAtTheEnd)
{
    const std::string text = "#GALAXY Lyra Orion secret 14\r\n\r\nSEND 1 Venus ; ETA 3 turns\r\n; a comment line\r\n"
                             "# another\r\n// and another\r\n   intercept 1 Mars\r\nDeclare Zorgons\r\n#end\r\n"
                             "-- \r\nmail signature\r\n";
    const Result<RawMove> raw = read(text, MoveForm::Raw);
    ASSERT_TRUE(raw) << raw.error().text();
    EXPECT_EQ(raw->lines, (Lines{"#GALAXY Lyra Orion secret", "S 1 Venus", "I 1 Mars", "D Zorgons", "#END"}));
    // The line of the text each kept line was read from.
    EXPECT_EQ(raw->fileLines, (std::vector<int>{1, 3, 7, 8, 9}));
    // "Declare" is cut to its letter, not understood: a design without values.
    EXPECT_EQ(read(text, MoveForm::Natural).valueOr({}).lines,
              (Lines{"#Galaxy game: Lyra, racename: Orion, password: secret", "Send group 1 to planet Venus",
                     "Intercept ships at planet Mars with all ships of group 1",
                     "Design the new shiptype Zorgons drive:  attacks:  weapons:  shields:  cargo:", "#End"}));
    EXPECT_EQ(raw->game + " " + raw->race + " " + raw->password, "Lyra Orion secret");
    EXPECT_EQ(readRawMove(text)->lines[0], "#GALAXY Lyra Orion secret 14");
    // Bare line feeds end lines too, and no end line is added. Lines with missing arguments (the
    // checker reports them) keep their meaning through the natural form: the natural reader
    // matches the sentence's words and lets an argument be absent.
    const Lines missing = {"#GALAXY Lyra Orion", "I 12", "R Mars", "D Zorgons", "K Mars war", "B 12", "S 12",
                           "L 12", "M 1", "N Mars", "P Mars", "T Alpha"};
    std::string bare;
    for (const std::string& line : missing) bare += line + "\n";
    EXPECT_EQ(read(bare, MoveForm::Raw)->lines, missing);
}

TEST(ReadMove, MessageBlocksStayVerbatim)
{
    const std::string text = "#GALAXY Lyra Orion\r\n@ Zorgons Klingons\r\nDear neighbours,\r\n\r\n"
                             "# not a comment ; nor this\r\nSEND 1 Venus\r\n@\r\n@\r\nEnd of the war\r\n@\r\n#END\r\n";
    EXPECT_EQ(read(text, MoveForm::Raw)->lines,
              (Lines{"#GALAXY Lyra Orion", "@ Zorgons Klingons", "Dear neighbours,", "", "# not a comment ; nor this",
                     "SEND 1 Venus", "@", "@", "End of the war", "@", "#END"}));
    const Lines natural = read(text, MoveForm::Natural)->lines;
    EXPECT_EQ(natural, (Lines{"#Galaxy game: Lyra, racename: Orion", "Message to Zorgons Klingons:",
                              "   Dear neighbours,", "   ", "   # not a comment ; nor this", "   SEND 1 Venus",
                              "End of message", "Message to all:", "   End of the war", "End of message", "#End"}));
    EXPECT_EQ(messageBlocks(natural, MoveForm::Natural), (std::vector<int>{-1, 1, 1, 1, 1, 1, 1, 7, 7, 7, -1}));
}

// A failed read names the line of the text that failed, blank and comment lines counted.
TEST(ReadMove, FailuresGiveTheirMessagesAndTheLineOfTheText)
{
    const std::string unknown = "Error in file: unrecognized command in line\r\n";
    const std::tuple<const char*, std::string, int> failures[] = {
        {"GALAXY Lyra Orion\r\n#END\r\n", "This is no galaxy move!", 1},
        {" #GALAXY Lyra Orion\r\n#END\r\n", "This is no galaxy move!", 1},
        {"#Galaxy Lyra Orion\r\n#END\r\n", "This is no galaxy move!", 1}, {"", "This is no galaxy move!", 1},
        {"#GALAXY Lyra Orion\r\n= Alice\r\n#END\r\n", unknown + "= Alice", 2},
        {"#GALAXY Lyra Orion\r\n\r\n; note\r\nS 1 Venus\r\nturns\r\n#END\r\n", unknown + "T", 5},
        {"#GALAXY Lyra Orion\r\n@\r\n\r\n@\r\n= Alice\r\n#END\r\n", unknown + "= Alice", 5},
        // A load with an amount for all ships reads as natural text but cannot be written back raw.
        {"#GALAXY Lyra Orion\r\n// x\r\n\r\nA Zorgons\r\nL 2 CAP all 20\r\n", unknown +
         "Load 20 cargo CAP onto all ships of group 2", 5},
    };
    for (const auto& [text, message, line] : failures) {
        const Result<RawMove> move = read(text, MoveForm::Raw);
        ASSERT_FALSE(move) << text;
        EXPECT_EQ(move.error().text(), Failure(message, "", line).text()) << text;
    }
    EXPECT_EQ(read("#GALAXY Lyra Orion\r\nL 2 CAP all 20\r\n", MoveForm::Natural)->lines.size(), 2u);
}

// Real players write command letters in lower case, and the server takes them as upper case.
// Reading keeps such a line with its letter upper-cased (only the letter); the converter and the
// checker take the lower-case line as its upper-case form (quoting it as written).
TEST(LowerCaseCommands, ReadConvertAndCheckAsTheUpperCaseLine)
{
    const Game game = test::moveGame();
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"s 12 Mars 3", "Send 3 ships of group 12 to planet Mars",
         "Error in line \"s 12 Mars 3\": Group/fleet does not exists."},
        {"s 5 Venus", "Send group 5 to planet Venus", "Error in send command for group 5: Group can't move."},
        {"b 12 FLEET", "Break off group 12 from it's current fleet",
         "Error in line \"b 12 FLEET\": Group ID does not exists."},
        {"n Zorg Home", "Rename planet Zorg to Home", "Error in line \"n Zorg Home\": You don't own that planet."},
        {"e cruiser", "Erase ship type cruiser", "Error in line \"e cruiser\": Ships of this type still exist."},
        {"u 1", "Unload all ships of group 1", "Error in unload command for group 1: Group doesn't carry any cargo."},
        {"y", "Delete password", ""},
    };
    for (const auto& [written, natural, finding] : cases) {
        SCOPED_TRACE(written);
        std::string kept = written;
        kept[0] = static_cast<char>(std::toupper(kept[0]));
        const std::string text = std::string("#GALAXY Lyra Orion\r\n") + written + " ; ETA 2 turns\r\n#END\r\n";
        EXPECT_EQ(readRawMove(text)->lines, (Lines{"#GALAXY Lyra Orion", kept, "#END"}));
        EXPECT_EQ(read(text, MoveForm::Natural)->lines.at(1), natural);
        EXPECT_EQ(ConvertOrderLine(written, game), natural);
        EXPECT_EQ(ConvertOrderLine(natural, game), kept);
        const std::string findings = CheckMove({"#GALAXY Lyra Orion", written, "#END"}, game);
        EXPECT_EQ(findings, *finding ? finding + std::string("\r\n") : "");
    }
}

} // namespace
} // namespace orrery
