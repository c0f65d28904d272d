// Every real report of the shared corpus, read as the program shows a turn. The expectations come
// from the reports' own text and from the game's creation listing, not from the reader.

#include "fileio.h"
#include "session.h"
#include "testfiles.h"
#include "testkit.h"
#include "textrules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <set>

using namespace orrery;
using namespace orrery::test;

namespace {

std::string lyra(const std::string& race, int turn)
{
    return corpusDir() + "gng-game1/" + race + "/" + race + std::to_string(turn) + ".txt";
}

const grouprecord* groupAt(const Game& g, std::string_view race, double number)
{
    for (const racegrouprecord& r : g.turn.racegroups)
        if (r.name == race)
            for (const grouprecord& gr : r.groups)
                if (gr.groupnumber == number && !gr.inbattle) return &gr;
    return nullptr;
}

// Positions and sizes of the planets the creation listing prints ("  Planet N x y size ...").
std::map<std::pair<double, double>, double> createdPlanets()
{
    std::map<std::pair<double, double>, double> planets;
    const std::string text = readText(corpusDir() + "gng-game1/setup/create_output.txt");
    for (std::string_view line : splitLines(text)) {
        const Fields f(line);
        if (f[1] != "Planet") continue;
        planets[{readNumber(f[3]), readNumber(f[4])}] = readNumber(f[5]);
    }
    return planets;
}

} // namespace

TEST(Corpus, EveryReportReadsWithPlayersPlanetsAndAMap)
{
    ORRERY_REQUIRE_CORPUS();
    int reports = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpusDir())) {
        const std::string name = entry.path().filename().string();
        const std::string folder = entry.path().parent_path().filename().string();
        if (!entry.is_regular_file() || folder == "setup" || folder == "orders") continue;
        if (name.rfind("orders", 0) == 0 || name == "README.md") continue;
        SCOPED_TRACE(entry.path().string());
        const Game g = loadTurn(entry.path().string());
        EXPECT_FALSE(g.ownrace.empty());
        EXPECT_FALSE(g.turn.players.empty());
        EXPECT_FALSE(g.turn.planets.empty());
        EXPECT_GT(g.mapwidth, 0);
        EXPECT_GT(g.mapheight, 0);
        // The own planets are as many as the status table says the own race has.
        const auto self = std::find_if(g.turn.players.begin(), g.turn.players.end(),
                                       [&](const playerrecord& p) { return p.name == g.ownrace; });
        ASSERT_NE(self, g.turn.players.end());
        EXPECT_EQ(std::count_if(g.turn.planets.begin(), g.turn.planets.end(),
                                [](const planetrecord& p) { return p.ownercode == ocOwn; }),
                  self->planetcount);
        ++reports;
    }
    EXPECT_GT(reports, 150);
}

TEST(Corpus, LyraReportsKnowEveryPlanetWithItsTruePositionAndSize)
{
    ORRERY_REQUIRE_CORPUS();
    const auto created = createdPlanets();
    ASSERT_GE(created.size(), 40u);
    const std::vector<std::string> races = {"alpha", "beta", "gamma", "delta", "epsilon_eridani", "race_6"};
    const std::vector<std::string> names = {"Alpha", "Beta", "Gamma", "Delta", "Epsilon_Eridani", "race_6"};
    for (std::size_t r = 0; r < races.size(); ++r) {
        for (int turn = 0; turn <= 15; ++turn) {
            SCOPED_TRACE(races[r] + std::to_string(turn));
            const Game g = loadTurn(lyra(races[r], turn));
            EXPECT_EQ(g.gametype, gtGalaxyNG);
            // The turn number is all the digits before the extension: "race_610.txt" is turn 610
            // of the report name "race_".
            const int number = races[r] == "race_6" ? std::stoi("6" + std::to_string(turn)) : turn;
            EXPECT_EQ(g.currentturn, number);
            // On turn 0 the races still have their first names; they were renamed on turn 1.
            EXPECT_EQ(g.ownrace, turn == 0 ? "race_" + std::to_string(r + 1) : names[r]);
            EXPECT_EQ(g.turn.players.size(), 6u);
            EXPECT_EQ(g.turn.planets.size(), 66u);
            // Gamma's reports from turn 1 on print the part "30.00,10.00 .. 80.00,60.00" of the map;
            // outside Blind Galaxy the far corner is the map's size.
            const bool part = races[r] == "gamma" && turn > 0;
            EXPECT_EQ((std::array{g.mapx0, g.mapy0, g.mapwidth, g.mapheight}),
                      part ? (std::array{30, 10, 80, 60}) : (std::array{0, 0, 70, 70}));
            std::set<std::pair<double, double>> positions;
            for (const planetrecord& p : g.turn.planets) {
                EXPECT_TRUE(positions.insert({p.x, p.y}).second) << p.name.str();
                const auto it = created.find({p.x, p.y});
                if (it != created.end() && p.size != unknownvalue) {
                    EXPECT_EQ(p.size, it->second) << p.name.str();
                }
                EXPECT_GE(p.x, 0);
                EXPECT_LE(p.x, 70);
            }
            // Every group's ship type is among the designs the report lists.
            for (const racegrouprecord& race : g.turn.racegroups)
                for (const grouprecord& gr : race.groups)
                    EXPECT_NE(findShipType(g.shiptypes, gr.name, race.name), nullptr)
                        << race.name.str() << " " << gr.name.str();
            const bool previous = std::filesystem::exists(g.reportFile(number - 1));
            EXPECT_EQ(g.turn.previousplayers.size(), previous ? 6u : 0u);
        }
    }
}

TEST(Corpus, AlphaTurn15GroupsBattleBombingRoutes)
{
    ORRERY_REQUIRE_CORPUS();
    const Game g = loadTurn(lyra("alpha", 15));
    const turnrecord& t = g.turn;

    // "Alpha 1.00 1.18 1.00 1.00 2025.91 1702.95 6 -"
    playerrecord alpha = makePlayer("Alpha", 6);
    std::tie(alpha.relation, alpha.weapontech, alpha.shieldtech, alpha.cargotech, alpha.population, alpha.industry) =
        std::tuple("-", 1.18, 1.0, 1.0, 2025.91, 1702.95);
    expectSameRecord(t.players.at(0), alpha);
    EXPECT_EQ(t.players.at(2).relation, "Peace");

    // "Lancer 10.00 2 5.00 5.00 0.00 22.50 8.89 5.50"
    const shiptyperecord* lancer = findShipType(g.shiptypes, "Lancer", "Alpha");
    ASSERT_NE(lancer, nullptr);
    expectSameRecord(*lancer, makeShipType("Lancer", "Alpha", 10, 2, 5, 5, 0));
    EXPECT_NE(findShipType(g.shiptypes, "Fighter", "Delta"), nullptr);

    // "Alcyone 33.81 35.70 1000.00 1000.00 1000.00 10.00 Freighter 196.46 0.00 20.00 1000.00"
    const planetrecord* alcyone = findPlanet(t, "Alcyone");
    ASSERT_NE(alcyone, nullptr);
    EXPECT_EQ(alcyone->ownercode, ocOwn);
    EXPECT_EQ(alcyone->owner, "Alpha");
    EXPECT_EQ(alcyone->producing, "Freighter");
    EXPECT_EQ((std::array{alcyone->capital, alcyone->material, alcyone->colonists}), (std::array{196.46, 0.0, 20.0}));
    EXPECT_EQ(alcyone->owngroups, 1);
    // "19 44.84 59.82 298.32 59.69 28.76 0.75 CAP ..." under "Beta Planets"
    const planetrecord* p19 = findPlanet(t, "19");
    ASSERT_NE(p19, nullptr);
    EXPECT_EQ(p19->owner, "Beta");
    EXPECT_EQ(p19->isalien, 1);
    EXPECT_EQ(p19->population, 59.69);
    EXPECT_EQ(p19->aliengroups, 1);
    // Unidentified: only the position. Uninhabited: size and resources where seen.
    expectSameRecord(*findPlanet(t, "Deneb"), makePlanet("Deneb", 46.52, 12.26, ocOther, unknownvalue));
    const planetrecord* p3 = findPlanet(t, "3");
    ASSERT_NE(p3, nullptr);
    EXPECT_EQ(p3->ownercode, ocUninhabited);
    EXPECT_EQ(p3->size, 18.55);
    EXPECT_EQ(p3->resources, 1.63);
    EXPECT_EQ(findPlanet(t, "4")->size, unknownvalue);

    // " 1  4 Lancer 1.00 1.06 1.00 0.00 - 0.00 Alcyone" (at the planet: no range column)
    const grouprecord* g1 = groupAt(g, "Alpha", 1);
    ASSERT_NE(g1, nullptr);
    grouprecord expected = makeGroup(1, "Lancer", 4, "Alcyone");
    std::tie(expected.drive, expected.attacks, expected.weapons, expected.shields, expected.weapontech,
             expected.cargotech) = std::tuple(10.0, 2.0, 5.0, 5.0, 1.06, 0.0);
    expectSameRecord(*g1, expected);
    // "19  8 Freighter 1.00 0.00 0.00 1.00 COL 6.88 60 1.28 Alcyone" (in flight)
    const grouprecord* g19 = groupAt(g, "Alpha", 19);
    ASSERT_NE(g19, nullptr);
    EXPECT_EQ(g19->cargotype, "COL");
    EXPECT_EQ(g19->cargoquantity, 6.88);
    EXPECT_EQ(g19->location, "60");
    EXPECT_EQ(g19->distance, 1.28);
    EXPECT_DOUBLE_EQ(speed(*g19), 20.0 * 5 * 1 / (10 + 6.88));

    // "Battle at 56": Alpha 9 Lancers, all survive; Delta 100 Fighters, none survive.
    ASSERT_EQ(t.battles.size(), 1u);
    EXPECT_EQ(t.battles[0].name, "56");
    ASSERT_EQ(t.battles[0].races.size(), 2u);
    const battlegrouprecord& lancers = t.battles[0].races[0].groups.at(0);
    const battlegrouprecord& fighters = t.battles[0].races[1].groups.at(0);
    EXPECT_EQ(t.battles[0].races[0].name, "Alpha");
    EXPECT_EQ((std::array{lancers.shipsbefore, lancers.survivors}), (std::array{9, 9}));
    EXPECT_DOUBLE_EQ(lancers.fullmass, 22.5);
    EXPECT_EQ(t.battles[0].races[1].name, "Delta");
    EXPECT_EQ((std::array{fighters.shipsbefore, fighters.survivors}), (std::array{100, 0}));
    EXPECT_EQ(findPlanet(t, "56")->hadbattle, 1);

    // "Beta Alpha New_Hope 884.86 293.21 CAP 0.00 0.00 11.07" (New_Hope is at 33.75,38.16)
    bombingrecord bombing;
    std::tie(bombing.x, bombing.y, bombing.population, bombing.industry, bombing.capital, bombing.material,
             bombing.colonists) = std::tuple(33.75, 38.16, 884.86, 293.21, 0.0, 0.0, 11.07);
    std::tie(bombing.name, bombing.victim, bombing.attacker, bombing.producing) = std::tuple("New_Hope", "Alpha", "Beta", "CAP");
    expectSameRecords(t.bombings, {bombing});

    // "Alcyone New_Hope - New_Hope -" and "Altair - - 52 -"
    expectSameRecords(t.routes, std::vector<routerecord>{{"Alcyone", "New_Hope", "", "New_Hope", ""}, {"Altair", "", "", "52", ""}});
}

TEST(Corpus, BetaTurn7FleetIncomingAndBattleEntries)
{
    ORRERY_REQUIRE_CORPUS();
    const Game g = loadTurn(lyra("beta", 7));
    const turnrecord& t = g.turn;
    // "Fleet Patrol (speed 9.23)" with "12 8 Raider ... Elnath 14.36 Betelgeuse"
    ASSERT_EQ(t.fleets.size(), 1u);
    EXPECT_EQ(t.fleets[0].name, "Patrol");
    const grouprecord* member = findOwnFleetMember(g, "Patrol");
    ASSERT_NE(member, nullptr);
    EXPECT_EQ(member->groupnumber, 12);
    EXPECT_EQ(member->location, "Elnath");
    EXPECT_EQ(member->distance, 14.36);
    EXPECT_NEAR(speed(*member), 9.23, 0.005);
    // "Deneb Betelgeuse 22.62 10.02 297.00"
    ASSERT_EQ(t.incominggroups.size(), 1u);
    const incomingrecord& in = t.incominggroups[0];
    EXPECT_EQ(in.origin, "Deneb");
    EXPECT_EQ(in.destination, "Betelgeuse");
    EXPECT_EQ((std::array{in.distance, in.speed, in.mass, in.originx, in.destinationx}),
              (std::array{22.62, 10.02, 297.0, 46.52, 50.38}));
    // Battle at Betelgeuse: four own groups and one Delta drone listed before the planets.
    ASSERT_EQ(t.battles.size(), 1u);
    EXPECT_EQ(t.battles[0].name, "Betelgeuse");
    EXPECT_EQ(t.battles[0].races[0].name, "Beta");
    EXPECT_EQ(t.battles[0].races[0].groups.size(), 4u);
    EXPECT_EQ(t.battles[0].races[1].groups[0].survivors, 0);
    // The drone was destroyed: no alien groups stay at Betelgeuse, but own ones do.
    const planetrecord* home = findPlanet(t, "Betelgeuse");
    EXPECT_EQ(home->hadbattle, 1);
    EXPECT_EQ(home->owngroups, 1);
    EXPECT_EQ(home->aliengroups, 0);
    EXPECT_GT(home->shipscale, 0);
    // Map marks of the text map lie inside the galaxy.
    EXPECT_FALSE(t.mapmarks.empty());
    for (const mapmarkrecord& m : t.mapmarks) EXPECT_TRUE(m.x >= 0 && m.x < 70 && m.y >= 0 && m.y <= 70) << m.x << "," << m.y;
}

TEST(Corpus, OlderServersAndCarriageReturnLineEnds)
{
    ORRERY_REQUIRE_CORPUS();
    // A 1997 server ("gng 2.1a"), CR LF line ends.
    const Game clash = loadTurn(corpusDir() + "samples/gng-clash-koniba/turn10.txt");
    ASSERT_EQ(clash.turn.battles.size(), 3u);
    EXPECT_EQ(std::tuple(clash.gametype, clash.ownrace, clash.turn.players.size(), clash.mapwidth, clash.turn.battles[0].name),
              std::tuple(gtGalaxyNG, shortname("Koniba"), 42u, 240, shortname("Hades")));

    // GalaxyNG 5-0g prints a map of the region around the player: from 30,0 to 140,110.
    const Game farmers = loadTurn(corpusDir() + "samples/gng-daily8-farmers/turn20.txt");
    EXPECT_EQ(farmers.ownrace, "Farmers");
    EXPECT_EQ((std::array{farmers.mapx0, farmers.mapy0, farmers.mapwidth, farmers.mapheight}), (std::array{30, 0, 140, 110}));
    EXPECT_EQ(farmers.turn.players.size(), 15u);
    EXPECT_EQ(farmers.turn.players[0].name, "Nation_1");
    EXPECT_EQ(farmers.turn.players[0].planetcount, 0);
    const shiptyperecord* rake = findShipType(farmers.shiptypes, "Rake1", "Farmers");
    ASSERT_NE(rake, nullptr);
    EXPECT_EQ((std::array{rake->attacks, rake->shields}), (std::array{40.0, 15.75}));

    // The old tab-separated format of a Standard Galaxy turn 0.
    const Game chaos = loadTurn(corpusDir() + "samples/gng-chaos/chaos0.txt");
    ASSERT_EQ(chaos.turn.players.size(), 52u);
    EXPECT_EQ(std::tuple(chaos.ownrace, chaos.turn.players[0].name, chaos.turn.players[0].population),
              std::tuple(shortname("Nation_145"), shortname("Nation_1"), 2000.0));
}

namespace {

class QuietUi : public SessionUi {
public:
    std::vector<std::string> errors;
    bool message(MessageKind kind, const std::string& text, HelpTopic) override
    {
        if (kind == MessageKind::Error) errors.push_back(text);
        return true;
    }
};

} // namespace

// Opening each race's game of Lyra writes the intelligence of every turn; the owners it infers
// for planets the reports leave unidentified agree with what the owners' own reports say.
TEST(Corpus, OpeningEveryLyraGameInfersTheOwnersOfUnidentifiedPlanets)
{
    ORRERY_REQUIRE_CORPUS();
    const std::vector<std::string> races = {"alpha", "beta", "gamma", "delta", "epsilon_eridani", "race_6"};
    // Who really owns what: every race's own planets, turn by turn.
    std::vector<std::map<std::pair<double, double>, std::string>> truth(16);
    for (const std::string& race : races) {
        for (int t = 0; t <= 15; ++t) {
            const Game g = loadTurn(lyra(race, t));
            for (const planetrecord& p : g.turn.planets)
                if (p.ownercode == ocOwn) truth[t][{p.x, p.y}] = g.ownrace.str();
        }
    }
    for (const std::string& race : races) {
        SCOPED_TRACE(race);
        TempDir dir;
        const std::string folder = dir.path() + race + "/";
        ASSERT_TRUE(copyCorpus("gng-game1/" + race, folder));
        QuietUi ui;
        Session session(ui);
        ASSERT_TRUE(session.createConfiguration(folder + race + "0.txt"));
        EXPECT_TRUE(ui.errors.empty());
        EXPECT_EQ(std::tuple(session.game().lastturn, session.game().homeplanetcount, session.game().gametype),
                  std::tuple(15, 2, int(gtGalaxyNG)));
        // The reports (bare LF, as the server wrote them) are read as they are: none is rewritten
        // and no copy is made; the folder holds the reports and the intelligence files.
        for (const std::string& name : listFiles(folder)) {
            if (name.ends_with(".ori")) continue;
            EXPECT_EQ(readText(folder + name), readText(corpusDir() + "gng-game1/" + race + "/" + name)) << name;
        }
        EXPECT_EQ(listFiles(folder).size(), 16u + 16u + 1u); // reports, turn intelligence, planets.ori
        int right = 0, wrong = 0;
        for (int t = 0; t <= 15; ++t) {
            ASSERT_TRUE(fileExists(folder + race + std::to_string(t) + ".ori")) << t;
            const Game g = loadTurn(folder + race + std::to_string(t) + ".txt");
            for (const planetrecord& p : g.turn.planets) {
                if (p.ownercode == ocOwn || p.ownercode == ocUninhabited || p.isalien || p.owner.empty()) continue;
                const auto it = truth[t].find({p.x, p.y});
                (it != truth[t].end() && it->second == p.owner.str() ? right : wrong) += 1;
            }
        }
        // The inference is a guess from reach and growth; captured planets fool it for a while.
        EXPECT_GT(right, 150);
        EXPECT_GT(right, 9 * wrong);
    }
}
