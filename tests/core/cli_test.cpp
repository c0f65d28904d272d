// orrery-cli and orrery-gen as processes: exit codes, messages and output.

#include "battle.h"
#include "battlefile.h"
#include "galaxygen.h"
#include "news.h"
#include "textrules.h"
#include "testfiles.h"
#include "testkit.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace orrery;
using namespace orrery::test;
using namespace orrery::gen;

namespace {

ProgramRun cli(const Strings& arguments) { return runProgram(ORRERY_CLI, arguments); }

QJsonObject parsed(const std::string& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << " at " << error.offset;
    EXPECT_TRUE(document.isObject());
    return document.object();
}

// A text of the JSON output (UTF-8) as the game's Latin-1 bytes.
std::string latin1(const QJsonValue& value) { return value.toString().toLatin1().toStdString(); }

} // namespace

// Bad input and failed writes of both tools: exactly one line on the error output, nothing on the
// standard output, exit status 2.
TEST(Cli, BadInputAndFailedWritesGiveOneLineAndStatusTwo)
{
    TempDir dir;
    dir.write("game3.txt", "");
    // The intelligence file of turn 0 cannot be written: a folder has its name.
    GalaxyDescription zero = smallGalaxy(Dialect::GalaxyNG, 1);
    zero.turn = 0;
    std::filesystem::create_directories(dir.file("blocked/g0.ori"));
    dir.write("blocked/g0.txt", writeReport(zero));
    // A folder where a report of the demo should go, and a file where the output folder should be.
    std::filesystem::create_directories(dir.file("demo/orion3.txt"));
    dir.write("file", "");
    dir.write("notbattle.txt", "2 3 Cruiser 10 2 5 8 0 0 2 2 2 1 \r\n");
    dir.write("battle.txt", "1 1 Drone 1 1 16 0 0 0 1 1 1 1 \r\n");
    dir.write("armada.txt", "1 1 Drone 1 1 16 0 0 0 1 1 1 1 \r\n0 1000000 Rock \r\n");
    const std::string game = dir.file("game");
    const struct {
        const char* program;
        Strings arguments;
        std::string message;
    } rows[] = {
        {ORRERY_CLI, {}, "no command given"},
        {ORRERY_CLI, {"frobnicate"}, "unknown command frobnicate"},
        {ORRERY_CLI, {"turn"}, "turn needs the path of a report"},
        {ORRERY_CLI, {"turn", dir.file("game3.txt"), dir.file("game3.txt")}, "unexpected argument"},
        {ORRERY_CLI, {"turn", "/nonexistent/folder/game1.txt"}, "cannot read the folder"},
        {ORRERY_CLI, {"turn", dir.file("game.txt")}, "has no turn number"},
        {ORRERY_CLI, {"turn", dir.file("game7.txt")}, "no such report"},
        {ORRERY_CLI, {"races"}, "races needs the path of a report"},
        {ORRERY_CLI, {"overview", dir.file("game3.txt"), "--json"}, "unexpected argument --json"},
        {ORRERY_CLI, {"races", dir.file("game7.txt"), "--json"}, "no such report"},
        {ORRERY_CLI, {"open"}, "open needs the path of the report of turn 0"},
        {ORRERY_CLI, {"open", dir.file("game0.txt"), "B"}, "unexpected argument B"},
        {ORRERY_CLI, {"open", dir.file("game0.txt"), "--gametype", "7"}, "--gametype takes 0, 1, 2 or 3"},
        {ORRERY_CLI, {"open", dir.file("game3.txt")}, "Illegal format of report filename! Filename has to be"},
        {ORRERY_CLI, {"open", dir.file("nothing0.txt")}, "No reports in turndirectory! Please create a new configuration."},
        {ORRERY_CLI, {"open", dir.file("blocked/g0.txt")}, dir.file("blocked/g0.ori")},
        {ORRERY_CLI, {"design", "1", "1", "1", "1"}, "design needs five numbers"},
        {ORRERY_CLI, {"design", "1", "1", "1", "1", "1", "6"}, "unexpected argument 6"},
        {ORRERY_CLI, {"design", "1", "x", "1", "1", "1"}, "x is not a number"},
        {ORRERY_CLI, {"design", "1", "1.5", "1", "1", "1"}, "attacks: The attack number has to be a whole number"},
        {ORRERY_CLI, {"design", "1", "1", "1", "0.5", "1"}, "shields: The number has to be 0 or at least 1!"},
        {ORRERY_CLI, {"design", "1", "1", "1", "1", "1", "--tech", "2", "2", "2"}, "--tech needs four numbers"},
        {ORRERY_CLI, {"design", "1", "1", "1", "1", "1", "--tech", "1", "1", "0.5", "1"},
         "shields tech: The number has to be at least 1!"},
        {ORRERY_CLI, {"design", "1", "1", "1", "1", "1", "--planet", "1", "2", "3", "--json"},
         "--planet needs four numbers"},
        {ORRERY_CLI, {"forecast", "1000", "1000", "500"}, "forecast needs four numbers"},
        {ORRERY_CLI, {"forecast", "1000", "1000", "500", "10", "--tech", "1", "1", "1", "1"},
         "unexpected argument --tech"},
        {ORRERY_CLI, {"forecast", "1000", "a", "500", "10"}, "a is not a number"},
        {ORRERY_CLI, {"battle"}, "battle needs a battle data file"},
        {ORRERY_CLI, {"battle", dir.file("none.txt")}, dir.file("none.txt")},
        {ORRERY_CLI, {"battle", dir.file("notbattle.txt")}, dir.file("notbattle.txt") + ", line 1: Not a battle data file!"},
        {ORRERY_CLI, {"battle", dir.file("armada.txt")}, "armada.txt: A battle takes at most 1000000 ships!"},
        {ORRERY_CLI, {"battle", dir.file("battle.txt"), "--runs", "0"}, "Number of simulations has to be at least 1!"},
        {ORRERY_CLI, {"battle", dir.file("battle.txt"), "--runs", "x"}, "Number of simulations has to be at least 1!"},
        {ORRERY_CLI, {"battle", dir.file("battle.txt"), "--runs"}, "--runs needs a number"},
        {ORRERY_CLI, {"battle", dir.file("battle.txt"), "extra"}, "unexpected argument extra"},
        {ORRERY_CLI, {"chart", dir.file("game0.txt")}, "chart needs --png FILE"},
        {ORRERY_CLI, {"chart", dir.file("game0.txt"), "--png", "x.png", "--statistic", "9"}, "--statistic takes"},
        {ORRERY_CLI, {"chart", dir.file("game0.txt"), "--png", "x.png", "--size", "100"}, "--size takes"},
        {ORRERY_CLI, {"chart", dir.file("game3.txt"), "--png", "x.png"}, "the report of turn 0 is needed"},
        {ORRERY_CLI, {"chart", dir.file("none0.txt"), "--png", "x.png"}, "no such report"},
        {ORRERY_CLI, {"text", "find"}, "unknown text command find"},
        {ORRERY_CLI, {"text", "search", dir.file("battle.txt")}, "text search needs a file and a text"},
        {ORRERY_CLI, {"text", "quote", dir.file("none.txt")}, dir.file("none.txt")},
        {ORRERY_CLI, {"text", "quote", dir.file("battle.txt"), "--out", dir.file("file/x.txt")}, dir.file("file/x.txt")},
        {ORRERY_CLI, {"news", dir.file("game3.txt")}, "news needs --battles"},
        {ORRERY_CLI, {"news", dir.file("game3.txt"), "--battles", "--detail", "3"}, "--detail takes 0, 1 or 2"},
        {ORRERY_CLI, {"news", dir.file("game7.txt"), "--battles"}, "no such report"},
        {ORRERY_GEN, {}, "no command given"},
        {ORRERY_GEN, {"frobnicate", game}, "unknown command frobnicate"},
        {ORRERY_GEN, {"demo"}, "no output folder given"},
        {ORRERY_GEN, {"demo", game, "extra"}, "unexpected argument extra"},
        {ORRERY_GEN, {"game", game, "--kb", "5", "--dialect", "ng"}, "--turns is missing"},
        {ORRERY_GEN, {"game", game, "--turns", "2", "--dialect", "ng"}, "--kb is missing"},
        {ORRERY_GEN, {"game", game, "--turns", "2", "--kb", "5"}, "--dialect is missing"},
        {ORRERY_GEN, {"game", game, "--turns", "2x", "--kb", "5", "--dialect", "ng"}, "--turns needs a whole number"},
        {ORRERY_GEN, {"game", game, "--turns", "2", "--kb", "0", "--dialect", "ng"}, "--kb needs a whole number"},
        {ORRERY_GEN, {"game", game, "--turns", "2", "--kb", "5", "--dialect", "galaxy"}, "unknown dialect galaxy"},
        {ORRERY_GEN, {"game", game, "--turns"}, "--turns needs a value"},
        {ORRERY_GEN, {"demo", dir.file("demo")}, dir.file("demo/orion3.txt")},
        {ORRERY_GEN, {"demo", dir.file("file")}, "cannot create the folder " + dir.file("file")},
    };
    for (const auto& row : rows) {
        const ProgramRun r = runProgram(row.program, row.arguments);
        SCOPED_TRACE(testing::PrintToString(row.arguments) + " gave: " + r.err);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_TRUE(std::count(r.err.begin(), r.err.end(), '\n') == 1 && r.err.back() == '\n');
        EXPECT_NE(r.err.find(row.message), std::string::npos);
    }
    // Nothing was written where the arguments were refused.
    EXPECT_FALSE(std::filesystem::exists(game));
    for (const char* program : {ORRERY_CLI, ORRERY_GEN}) {
        const ProgramRun help = runProgram(program, {"--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.err.empty());
        EXPECT_NE(help.out.find(std::string(std::filesystem::path(program).filename()) + " "), std::string::npos);
    }
    // An empty report reads as an empty turn; that is no error of the tool.
    EXPECT_EQ(cli({"turn", dir.file("game3.txt")}).status, 0);
}

// Every real report comes out as JSON that a JSON reader accepts.
TEST(Cli, TurnJsonOfEveryCorpusReportParses)
{
    ORRERY_REQUIRE_CORPUS();
    int reports = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpusDir())) {
        // Reports: the races' folders of the game, and the samples but their order files.
        const std::string set = entry.path().parent_path().parent_path().filename().string();
        const std::string folder = entry.path().parent_path().filename().string();
        if (entry.path().extension() != ".txt" || (set != "gng-game1" && set != "samples") || folder == "setup" ||
            entry.path().filename().string().rfind("orders", 0) == 0)
            continue;
        SCOPED_TRACE(entry.path().string());
        const ProgramRun r = cli({"turn", entry.path().string(), "--json"});
        ASSERT_EQ(r.status, 0) << r.err;
        const QJsonObject turn = parsed(r.out);
        EXPECT_FALSE(turn["ownrace"].toString().isEmpty());
        EXPECT_FALSE(turn["players"].toArray().isEmpty());
        ++reports;
    }
    EXPECT_EQ(reports, 161);

    // Beta's turn 7 ("Fleet Patrol", the battle at Betelgeuse, a group incoming from Deneb).
    const ProgramRun beta = cli({"turn", corpusDir() + "gng-game1/beta/beta7.txt", "--json"});
    const QJsonObject turn = parsed(beta.out);
    EXPECT_EQ(turn["gametype"].toInt(), gtGalaxyNG);
    EXPECT_EQ(turn["currentturn"].toInt(), 7);
    EXPECT_EQ(turn["mapwidth"].toInt(), 70);
    EXPECT_EQ(turn["fleets"][0]["name"].toString(), "Patrol");
    EXPECT_EQ(turn["battles"][0]["name"].toString(), "Betelgeuse");
    EXPECT_EQ(turn["incominggroups"][0]["origin"].toString(), "Deneb");
    EXPECT_EQ(turn["previousplayers"].toArray().size(), 6);
    for (const char* list : {"players", "previousplayers", "planets", "previousplanets", "shiptypes", "racegroups",
                             "routes", "bombings", "mapmarks", "vanishedraces", "vanishedpositions"})
        EXPECT_TRUE(turn[list].isArray()) << list;
    EXPECT_TRUE(turn["gameoptions"].isObject());
    const ProgramRun summary = cli({"turn", corpusDir() + "gng-game1/beta/beta7.txt"});
    EXPECT_NE(summary.out.find("Turn 7 of Beta (GalaxyNG)"), std::string::npos);
}

// Names hold what JSON must escape: quotes, backslashes and Latin-1 letters. A name is one field
// of its line, so it holds no blank or tab, except a Standard Galaxy race name, which the status
// table and the "Report for" line print with its blanks and the reader joins with "_". No name
// may begin with a character of code 123 or more: such a line ends its table.
TEST(Cli, TurnJsonKeepsEveryCharacterOfTheNames)
{
    const std::string own = "Sons\tof \"Ori\xF3n\"", read = "Sons_of_\"Ori\xF3n\"", other = "Back\\Slash\xE9";
    const std::string type = "Q\"Ship\\\xFF", fleet = "Fl\xC0\"t\\", home = "Caf\xE9\"\\Home", far = "\"Far\\\xC0";
    GalaxyDescription g;
    g.dialect = Dialect::Standard;
    g.turn = 3;
    g.ownrace = own;
    g.players = {{own, "", 2.5, 1.25, 1, 1, 100.25, 90.5, 1}, {other, "War", 1.75, 1, 1, 1, 50, 40, 1}};
    g.shiptypes = {{type, own, 3.5, 1, 2, 1, 0}};
    planetrecord mine = makePlanet(home, 10.25, 20.5, ocOwn, 750.5);
    planetrecord theirs = makePlanet(far, 30, 40.75, ocOther, 500);
    for (planetrecord* p : {&mine, &theirs}) {
        p->population = p->industry = 100;
        p->resources = p->capital = p->material = p->colonists = 1;
        p->producing = "Capital";
    }
    theirs.owner = other;
    g.planets = {{mine, PlanetTable::Own}, {theirs, PlanetTable::Alien}};
    ReportGroup group{makeGroup(1, type, 4, home), "", 0};
    group.group.fleet = fleet;
    g.groups = {{own, {group}}};
    g.fleets = {{fleet}};
    TempDir dir;
    dir.write("odd3.txt", writeReport(g));
    const ProgramRun r = cli({"turn", dir.file("odd3.txt"), "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const QJsonObject turn = parsed(r.out);
    const QJsonValue ships = turn["racegroups"][0]["groups"][0];
    const std::pair<QJsonValue, std::string> texts[] = {
        {turn["ownrace"], read},          {turn["players"][0]["name"], read},  {turn["players"][1]["name"], other},
        {turn["shiptypes"][0]["name"], type}, {turn["shiptypes"][0]["owner"], read}, {turn["planets"][0]["name"], home},
        {turn["planets"][0]["owner"], read}, {turn["planets"][1]["name"], far}, {turn["planets"][1]["owner"], other},
        {turn["racegroups"][0]["name"], read}, {ships["name"], type},          {ships["fleet"], fleet},
        {ships["location"], home},        {turn["fleets"][0]["name"], fleet}};
    for (const auto& [value, text] : texts) EXPECT_EQ(latin1(value), text);
    const std::pair<QJsonValue, double> numbers[] = {
        {turn["players"][0]["drivetech"], 2.5}, {turn["players"][1]["planetcount"], 1}, {turn["shiptypes"][0]["drive"], 3.5},
        {turn["planets"][0]["x"], 10.25},       {turn["planets"][0]["size"], 750.5},    {turn["planets"][1]["y"], 40.75},
        {ships["shipcount"], 4}};
    for (const auto& [value, number] : numbers) EXPECT_EQ(value.toDouble(), number);
}

TEST(Cli, OpenCreatesAndStartsAConfiguration)
{
    ORRERY_REQUIRE_CORPUS();
    TempDir dir;
    const std::string folder = dir.path() + "delta/";
    ASSERT_TRUE(copyCorpus("gng-game1/delta", folder));
    const ProgramRun r = cli({"open", folder + "delta0.txt", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const QJsonObject game = parsed(r.out);
    EXPECT_EQ(std::tuple(game["lastturn"].toInt(), game["homeplanetcount"].toInt(), game["gametype"].toInt()),
              std::tuple(15, 2, int(gtGalaxyNG)));
    EXPECT_EQ(game["ownrace"].toString(), "Delta");
    // GalaxyNG statistics are keyed by the position in the status table; the chart offers the
    // races of the last turn.
    EXPECT_EQ(game["turnstats"].toArray().size(), 16);
    EXPECT_EQ(game["turnstats"][0][0]["name"].toString(), "0");
    EXPECT_EQ(game["chartraces"][0]["name"].toString(), "Alpha");
    EXPECT_TRUE(game["chartraces"][0]["display"].toBool());
    // The game type window answered with Standard Galaxy: the answer holds for the whole start.
    const std::string other = dir.path() + "gamma/";
    ASSERT_TRUE(copyCorpus("gng-game1/gamma", other));
    const ProgramRun typed = cli({"open", other + "gamma0.txt", "--gametype", "0", "--json"});
    ASSERT_EQ(typed.status, 0) << typed.err;
    EXPECT_EQ(parsed(typed.out)["gametype"].toInt(), gtStandard);
    EXPECT_EQ(parsed(typed.out)["turnstats"][0][0]["name"].toString(), "race_1") << "keyed by name";
}

// The chart of a whole game as a PNG of the size asked, written without touching the turn
// directory; races not in the game and unwritable files are refused.
TEST(Cli, ChartWritesAPicture)
{
    ORRERY_REQUIRE_CORPUS();
    TempDir dir;
    const std::string folder = dir.path() + "alpha/";
    ASSERT_TRUE(copyCorpus("gng-game1/alpha", folder));
    const auto before = listFiles(folder).size();
    const std::string png = dir.file("chart.png");
    const ProgramRun r = cli({"chart", folder + "alpha0.txt", "--statistic", "4", "--races", "top5", "--png", png,
                              "--size", "640x360"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string bytes = readText(png);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    const auto be32 = [&](std::size_t at) {
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
        return v;
    };
    EXPECT_EQ(std::pair(be32(16), be32(20)), std::pair(640u, 360u));
    EXPECT_EQ(listFiles(folder).size(), before);

    const ProgramRun unknown = cli({"chart", folder + "alpha0.txt", "--races", "Nobody", "--png", png});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("no race Nobody"), std::string::npos);
    const ProgramRun blocked = cli({"chart", folder + "alpha0.txt", "--png", dir.file("none/chart.png")});
    EXPECT_EQ(blocked.status, 2);
    EXPECT_NE(blocked.err.find("cannot write"), std::string::npos);
}

// The calculators: the JSON carries the unrounded values, the text the designer's captions.
TEST(Cli, DesignAndForecast)
{
    // Drive 1, one gun of 1, shields 1, cargo 10 at cargo technology 2: mass 13, the hold loads 20
    // and carries 40; a planet of industry 1000 and resources 10 without stockpile.
    const ProgramRun r = cli({"design", "1", "1", "1", "1", "10", "--tech", "1", "1", "1", "2", "--planet", "1000",
                              "1000", "10", "0", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const QJsonObject design = parsed(r.out);
    EXPECT_EQ(design.keys(), (QStringList{"capacity", "cost", "loadedmass", "loadedpkill", "loadedspeed",
                                          "loadedsurekill", "loadedweakestkill", "mass", "numberperturn", "pkill",
                                          "speed", "surekill", "weakestkill"}));
    const std::pair<const char*, double> values[] = {
        {"mass", 13},          {"loadedmass", 33},  {"capacity", 40},
        {"cost", 130},         {"speed", 20.0 / 13}, {"loadedspeed", 20.0 / 53},
        {"numberperturn", 1000 / (1.3 + 130)}};
    for (const auto& [key, value] : values) EXPECT_DOUBLE_EQ(design[key].toDouble(), value) << key;
    // The weakest killing shot a quarter of the surest, both lower for the heavier loaded ship.
    EXPECT_DOUBLE_EQ(design["surekill"].toDouble(), 16 * design["weakestkill"].toDouble());
    EXPECT_LT(design["loadedsurekill"].toDouble(), design["surekill"].toDouble());

    EXPECT_EQ(parsed(cli({"design", "0", "0", "5", "0", "0", "--planet", "1", "1", "1", "1", "--json"}).out),
              (QJsonObject{{"mass", 0}}));
    const QJsonObject unknown =
        parsed(cli({"design", "1", "0", "0", "1", "1", "--planet", "1000", "-1", "10", "0", "--json"}).out);
    EXPECT_EQ(std::tuple(unknown["numberperturn"].toDouble(), unknown["pkill"].toDouble()), std::tuple(-1.0, 0.0));

    const ProgramRun text = cli({"design", "1", "1", "1", "1", "1"});
    ASSERT_EQ(text.status, 0) << text.err;
    const Strings lines = linesOf(text.out);
    ASSERT_EQ(lines.size(), 5u) << text.out;
    EXPECT_NE(lines[0].find("w. 100%"), std::string::npos);
    EXPECT_EQ(lines[2].substr(0, 6), "loaded");
    EXPECT_NE(lines[2].find("3.922"), std::string::npos);
    EXPECT_EQ((Strings{lines[3], lines[4]}), (Strings{"Costs: 40.000", "Cargo capacity: 1.100"}));

    const QJsonObject forecast = parsed(cli({"forecast", "1000", "1000", "500", "10", "--json"}).out);
    EXPECT_EQ(forecast["production"].toDouble(), 625);
    EXPECT_DOUBLE_EQ(forecast["maxmass"].toDouble(), 10000.0 / 101);
    EXPECT_EQ(parsed(cli({"forecast", "1000", "1000", "500", "-1", "--json"}).out),
              (QJsonObject{{"maxproduction", 1000}, {"production", -1}, {"maxmass", -1}, {"mass", -1},
                           {"maxtech", 0.2}, {"tech", -1}}));
    EXPECT_EQ(linesOf(cli({"forecast", "1000", "400", "500", "-1"}).out),
              (Strings{"max./cur. production: 1000.000 / -1.000", "max./cur. mass: cannot be computed",
                       "max./cur. tech: 0.200 / -1.000"}));
}

// The battle of a file, fought as after a program start: the same text every time, the engine's
// result with plain line feeds.
TEST(Cli, BattleRepeatsTheSimulatorsResult)
{
    TempDir dir;
    const BattleSetup setup{{{"4", "Gunship", "10", "2", "3", "4", "0", "0", "1", "1.5", "1", "1"}},
                            {{"6", "Guard", "5", "1", "2", "3", "1", "2", "1", "1", "1.2", "1"}}};
    ASSERT_TRUE(saveBattleFile(dir.file("setup.txt"), setup));
    const ProgramRun first = cli({"battle", dir.file("setup.txt"), "--runs", "25"});
    const ProgramRun second = cli({"battle", dir.file("setup.txt"), "--runs", "25"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(second.out, first.out);
    BattleRandom random;
    BattleSimulation run;
    run.start(25);
    while (run.fightNext(setup, random)) {
    }
    std::string expected;
    for (const std::string& line : linesOf(run.resultText())) expected += line + "\n";
    EXPECT_EQ(first.out, expected);
    // A hundred battles unless told otherwise.
    const ProgramRun standard = cli({"battle", dir.file("setup.txt")});
    ASSERT_EQ(standard.status, 0) << standard.err;
    const std::size_t aggressor = standard.out.find("Aggressor won ");
    const std::size_t defender = standard.out.find("Defender won ");
    ASSERT_NE(aggressor, std::string::npos);
    ASSERT_NE(defender, std::string::npos);
    const std::size_t standOff = standard.out.find("Stand off in ");
    const int total = std::stoi(standard.out.substr(aggressor + 14)) + std::stoi(standard.out.substr(defender + 13)) +
                      (standOff == std::string::npos ? 0 : std::stoi(standard.out.substr(standOff + 13)));
    EXPECT_EQ(total, 100);
}

TEST(Cli, TextSearchAndQuote)
{
    TempDir dir;
    dir.write("mail.txt", "To Beta\r\nPeace?\r\nbeta, please answer\r\n");
    const ProgramRun found = cli({"text", "search", dir.file("mail.txt"), "BETA"});
    ASSERT_EQ(found.status, 0) << found.err;
    EXPECT_EQ(found.out, "1: To Beta\n3: beta, please answer\n");
    EXPECT_EQ(cli({"text", "search", dir.file("mail.txt"), "BETA", "--case"}).out, "Text not found!\n");
    const ProgramRun quoted = cli({"text", "quote", dir.file("mail.txt"), "--out", dir.file("reply.txt")});
    ASSERT_EQ(quoted.status, 0) << quoted.err;
    EXPECT_EQ(readText(dir.file("reply.txt")), "> To Beta\r\n> Peace?\r\n> beta, please answer\r\n");
}

// The races table as JSON agrees with the turn as `turn --json` reads it: every race in order of
// production points, its change against its own previous entry, null for a race without one.
TEST(Cli, RacesJsonComparesEachRaceWithItsOwnPreviousEntry)
{
    for (const char* report : {"gng-game1/alpha/alpha1.txt", "gng-game1/gamma/gamma9.txt"}) {
        SCOPED_TRACE(report);
        const std::string path = corpusDir() + report;
        const ProgramRun races = cli({"races", path, "--json"});
        ASSERT_EQ(races.status, 0) << races.err;
        QJsonParseError error;
        const QJsonArray rows = QJsonDocument::fromJson(QByteArray::fromStdString(races.out), &error).array();
        ASSERT_EQ(error.error, QJsonParseError::NoError);
        const QJsonObject turn = parsed(cli({"turn", path, "--json"}).out);
        ASSERT_EQ(rows.size(), turn["players"].toArray().size());
        double last = 1e300;
        for (const QJsonValue& row : rows) {
            const QJsonObject race = row.toObject();
            for (const char* key : {"race", "drive", "weapons", "shields", "cargo", "population", "industry", "planets",
                                    "relationship", "prodpoints", "change"})
                EXPECT_TRUE(race.contains(key)) << key;
            EXPECT_LE(race["prodpoints"].toDouble(), last);
            last = race["prodpoints"].toDouble();
            QJsonObject before;
            for (const QJsonValue& p : turn["previousplayers"].toArray())
                if (p["name"] == race["race"]) before = p.toObject();
            if (before.isEmpty()) {
                EXPECT_TRUE(race["change"].isNull());
                continue;
            }
            EXPECT_NEAR(race["change"]["planets"].toDouble(), race["planets"].toDouble() - before["planetcount"].toDouble(), 1e-6);
            EXPECT_NEAR(race["change"]["drive"].toDouble(), race["drive"].toDouble() - before["drivetech"].toDouble(), 1e-6);
        }
    }
    // The overview of a turn with battles tells them.
    const ProgramRun overview = cli({"overview", corpusDir() + "gng-game1/alpha/alpha3.txt"});
    EXPECT_EQ(overview.status, 0);
    EXPECT_NE(overview.out.find("Personal information:"), std::string::npos) << overview.out;
}

TEST(Cli, NewsPrintsTheBattleLinesOfTheWindow)
{
    TempDir dir;
    GalaxyDescription turn = smallGalaxy(Dialect::GalaxyNG, 5);
    turn.turn = 2;
    dir.write("g2.txt", writeReport(turn));
    const Game game = loadTurn(dir.file("g2.txt"));
    ASSERT_FALSE(game.turn.battles.empty());
    for (const char* detail : {"0", "2"}) {
        const ProgramRun r = cli({"news", dir.file("g2.txt"), "--battles", "--detail", detail});
        ASSERT_EQ(r.status, 0) << r.err;
        std::string expected;
        for (const BattleLine& line : battleLines(game, detail[0] - '0')) expected += latin1ToUtf8(line.text) + "\n";
        EXPECT_EQ(r.out, expected);
    }
}

// import: the reports of a mailbox become a report set that opens; a cut mailbox and one without
// reports write nothing and fail with one line.
TEST(Cli, ImportWritesTheReportsOfAMailbox)
{
    ORRERY_REQUIRE_CORPUS();
    TempDir dir;
    std::string box;
    for (int turn = 0; turn < 3; ++turn)
        box += "From server@example.org Sun Dec  6 06:37:56 2026\nSubject: turn\n\n" +
               readText(corpusDir() + "gng-game1/alpha/alpha" + std::to_string(turn) + ".txt") + "\n";
    dir.write("game.mbox", box);
    dir.write("cut.mbox", box.substr(0, box.size() - 300));
    dir.write("none.mbox", "From a@b Sun Dec  6 06:37:56 2026\nSubject: hello\n\nno report here\n\n");

    const ProgramRun r = cli({"import", dir.file("game.mbox"), dir.file("game")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("3 written, 0 skipped, 0 refused"), std::string::npos) << r.out;
    EXPECT_EQ(listFiles(dir.file("game")), (std::vector<std::string>{"alpha0.txt", "alpha1.txt", "alpha2.txt"}));
    EXPECT_EQ(cli({"turn", dir.file("game/alpha2.txt")}).status, 0);

    for (const auto& [mailbox, message] : {std::pair{"cut.mbox", "is cut off: mail 3"}, {"none.mbox", "no turn report found"}}) {
        const ProgramRun bad = cli({"import", dir.file(mailbox), dir.file("bad")});
        EXPECT_EQ(bad.status, 2);
        EXPECT_NE(bad.err.find(message), std::string::npos) << bad.err;
        EXPECT_EQ(std::count(bad.err.begin(), bad.err.end(), '\n'), 1);
        EXPECT_TRUE(bad.out.empty());
        EXPECT_FALSE(std::filesystem::exists(dir.file("bad")));
    }
}
