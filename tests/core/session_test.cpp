// The game session: creating and starting configurations, the statistics of all turns, the turn
// steps with their enabled states, the selection across turns and the film.

#include "fileio.h"
#include "intelligence.h"
#include "minireport.h"
#include "planetview.h"
#include "session.h"
#include "testfiles.h"
#include "testkit.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <sys/resource.h>
#include <unistd.h>

using namespace orrery;
using namespace orrery::test;

namespace {

class RecordingUi : public SessionUi {
public:
    std::vector<std::string> messages;
    std::vector<int> labels;
    std::vector<std::string> refreshed;
    int gameTypeQuestions = 0;
    GameTypeChoice answer{gtGalaxyNG, false};
    bool timerOn = false;

    bool message(MessageKind, const std::string& text, HelpTopic) override
    {
        messages.push_back(text);
        return true;
    }
    GameTypeChoice confirmGameType(std::int32_t, const std::string&) override
    {
        ++gameTypeQuestions;
        return answer;
    }
    void reportLabelChanged(int turn) override { labels.push_back(turn); }
    void refreshOpenViews(const std::string& planet) override { refreshed.push_back(planet); }
    void filmTimer(bool on, int) override { timerOn = on; }
};

// A GalaxyNG game of the given number of turns; planet "P<t>" at (40, 40) changes its name
// every turn, and race B calls itself "B<t>".
void writeGame(const TempDir& dir, int turns)
{
    for (int t = 0; t < turns; ++t) {
        const MiniReport r{.turn = t,
                           .players = {{"Mine", 2}, {"B" + std::to_string(t), 1}},
                           .planets = {{"Home", 10, 10, "own"}, {"Second", 12, 10, "own"},
                                       {"P" + std::to_string(t), 40, 40}, {"Free", 60, 60, "uninhabited"}}};
        dir.write("game" + std::to_string(t) + ".txt", r.text());
    }
}

// A session that created the configuration of such a game.
struct Opened {
    TempDir dir;
    RecordingUi ui;
    Session s{ui};
    explicit Opened(int turns, GameTypeChoice answer = {gtGalaxyNG, false})
    {
        writeGame(dir, turns);
        ui.answer = answer;
        EXPECT_TRUE(s.createConfiguration(dir.file("game0.txt")));
    }
};

} // namespace

TEST(Session, CreateConfigurationChecksTheNameOfTurnZero)
{
    TempDir dir;
    writeGame(dir, 3);
    RecordingUi ui;
    Session s(ui);
    EXPECT_FALSE(s.createConfiguration(dir.file("game1.txt")));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].substr(0, 36), "Illegal format of report filename!\r\n");
    EXPECT_NE(ui.messages[0].find("Example: turn0.txt\r\n\r\nPlease rename"), std::string::npos);

    // A name ending in "10": the report name keeps its "1".
    dir.write("x10.txt", "");
    RecordingUi ui2;
    Session s2(ui2);
    s2.createConfiguration(dir.file("x10.txt"));
    EXPECT_EQ(s2.game().reportname, "x1");
}

TEST(Session, CreateAndStartAGameWithAGapInTheNumbering)
{
    TempDir dir;
    writeGame(dir, 3);
    dir.write("game4.txt", readText(dir.file("game2.txt")));
    RecordingUi ui;
    Session s(ui);
    ASSERT_TRUE(s.createConfiguration(dir.file("game0.txt")));
    const Game& g = s.game();
    EXPECT_EQ(std::tuple(g.lastturn, g.currentturn, g.homeplanetcount, g.gametype), std::tuple(2, 2, 2, int(gtGalaxyNG)));
    EXPECT_EQ(ui.gameTypeQuestions, 1);
    // Intelligence of every turn but the one beyond the gap.
    EXPECT_TRUE(fileExists(dir.file("game0.ori")));
    EXPECT_TRUE(fileExists(dir.file("game2.ori")));
    EXPECT_FALSE(fileExists(dir.file("game4.ori")));
    EXPECT_TRUE(fileExists(dir.file("planets.ori")));
    // The reminder to save the configuration closes the creation.
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().substr(0, 41), "Now, adjust the settings of the map butto");
    EXPECT_EQ(s.steps(), (StepState{true, true, false, false}));

    // A second start uses the files that are there: nothing is asked, nothing rewritten.
    dir.write("game1.ori", "40.00\t40.00\t1\t-1.00\t-1.00\t-1.00\t-1.00\r\n");
    RecordingUi ui2;
    Session again(ui2);
    again.useReportSet(dir.path(), "game", ".txt", gtGalaxyNG, 2);
    ASSERT_TRUE(again.startConfiguration());
    EXPECT_EQ(ui2.gameTypeQuestions, 0);
    EXPECT_EQ(readText(dir.file("game1.ori")), "40.00\t40.00\t1\t-1.00\t-1.00\t-1.00\t-1.00\r\n");
}

// A start fails with its message, and leaves nothing shown, when there is no report of turn 0 or
// when the last report gives no players, no planets or no map size.
TEST(Session, StartFailures)
{
    const struct {
        const char* label;
        int turns;
        std::string file, from, to; // the text `from` of a report replaced (all of it when empty)
        const char* message;
    } rows[] = {
        {"no reports", 0, "", "", "", "No reports in turndirectory!\r\nPlease create a new configuration."},
        {"the last file is no report", 3, "game2.txt", "", "no report here\r\n", "Error in turn report 2!"},
        {"a map 0 wide", 2, "game1.txt", "0.00,100.00  100.00,100.00", "0.00,100.00  0.00,100.00",
         "Error in turn report 1!"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        TempDir dir;
        writeGame(dir, row.turns);
        if (!row.file.empty()) {
            const std::string text = readText(dir.file(row.file));
            dir.write(row.file, row.from.empty() ? row.to : text.substr(0, text.find(row.from)) + row.to +
                                                                text.substr(text.find(row.from) + row.from.size()));
        }
        RecordingUi ui;
        Session s(ui);
        s.useReportSet(dir.path(), "game", ".txt", gtGalaxyNG, -1);
        EXPECT_FALSE(s.startConfiguration());
        // A report that cannot be shown is named with its file.
        const std::string named = row.file.empty() ? row.message : row.message + ("\r\n" + dir.file(row.file));
        EXPECT_EQ(ui.messages, std::vector<std::string>{named});
        EXPECT_TRUE(s.game().turn.planets.empty());
        EXPECT_TRUE(s.game().shiptypes.empty());
    }
}

TEST(Session, StatisticsOfGalaxyNGAreKeyedByTablePosition)
{
    Opened o(3);
    Session& s = o.s;
    ASSERT_EQ(s.turnstats().size(), 3u);
    for (int t = 0; t < 3; ++t) {
        ASSERT_EQ(s.turnstats()[t].turn, t);
        ASSERT_EQ(s.turnstats()[t].races.size(), 2u);
        // B renamed itself every turn, yet position 1 is one series.
        EXPECT_EQ(s.turnstats()[t].races[1].name, "1");
        EXPECT_EQ(s.turnstats()[t].races[0].production, 900 + (1000 - 900) / 4.0);
        EXPECT_EQ(s.turnstats()[t].races[0].techsum, 4);
    }
    ASSERT_EQ(s.chartraces().size(), 2u);
    EXPECT_EQ(s.chartraces()[1].name, "B2"); // the names of the last turn
    EXPECT_TRUE(s.chartraces()[0].display);
    EXPECT_FALSE(s.chartraces()[1].display);
    // The report label counted every turn.
    EXPECT_NE(std::find(o.ui.labels.begin(), o.ui.labels.end(), 1), o.ui.labels.end());
}

TEST(Session, StatisticsOfStandardGalaxyAreKeyedByName)
{
    TempDir dir;
    for (int t = 0; t < 2; ++t) {
        const MiniReport r{.galaxyng = false, .turn = t, .players = {{"Mine", 1}, {t == 0 ? "Old" : "New", 1}},
                           .planets = {{"Home", 10, 10, "own"}}};
        dir.write("std" + std::to_string(t) + ".txt", r.text());
    }
    RecordingUi ui;
    ui.answer = {gtStandard, false};
    Session s(ui);
    ASSERT_TRUE(s.createConfiguration(dir.file("std0.txt")));
    EXPECT_EQ(s.game().gametype, gtStandard);
    ASSERT_EQ(s.chartraces().size(), 3u);
    EXPECT_EQ(s.chartraces()[1].name, "Old");
    EXPECT_EQ(s.chartraces()[2].name, "New");
}

TEST(Session, TurnStepsAndTheirEnabledStates)
{
    Opened o(14);
    Session& s = o.s;
    EXPECT_EQ(s.game().currentturn, 13);
    s.nextReport(); // disabled at the last turn: nothing happens
    EXPECT_EQ(s.game().currentturn, 13);
    for (int i = 0; i < 6; ++i) s.previousReport();
    EXPECT_EQ(s.game().currentturn, 7);
    EXPECT_EQ(s.steps(), (StepState{true, true, true, true}));
    s.tenReportsFurther();
    EXPECT_EQ(s.game().currentturn, 13);
    EXPECT_EQ(s.steps(), (StepState{true, true, false, false}));
    for (int i = 0; i < 9; ++i) s.previousReport();
    EXPECT_EQ(s.game().currentturn, 4);
    s.tenReportsBack();
    EXPECT_EQ(s.game().currentturn, 0);
    EXPECT_EQ(s.steps(), (StepState{false, false, true, true}));
    s.previousReport();
    EXPECT_EQ(s.game().currentturn, 0);
    s.tenReportsFurther();
    EXPECT_EQ(s.game().currentturn, 10);
}

TEST(Session, TheSelectionFollowsThePlanetByPosition)
{
    Opened o(3);
    Session& s = o.s;
    s.view().firstselection.x = 40;
    s.view().firstselection.y = 40;
    s.view().firstselection.name = "P2";
    s.previousReport();
    // Another name in turn 1, same place: still selected, under its new name.
    EXPECT_TRUE(s.view().firstselection.isSet());
    EXPECT_EQ(s.view().firstselection.name, "P1");
    EXPECT_EQ(s.view().firstselection.radiusx, 2);
    EXPECT_EQ(o.ui.refreshed.back(), "P1");
    // A selection with no planet at its place is dropped together with the other one.
    s.view().firstselection.x = 41;
    s.view().secondselection.x = 41;
    s.view().secondselection.y = 41;
    s.previousReport();
    EXPECT_FALSE(s.view().firstselection.isSet());
    EXPECT_FALSE(s.view().secondselection.isSet());
    EXPECT_EQ(o.ui.refreshed.back(), "");
}

TEST(Session, AnUnusableTurnKeepsTheDesignsAndTheStepsAway)
{
    Opened o(3);
    Session& s = o.s;
    s.game().shiptypes.push_back({"Mine", "Mine", 1, 0, 0, 0, 0, 0});
    o.dir.write("game1.txt", "broken\r\n");
    s.previousReport();
    EXPECT_EQ(o.ui.messages.back(), "Error in turn report 1!\r\n" + o.dir.file("game1.txt"));
    EXPECT_EQ(s.game().currentturn, 1);
    EXPECT_TRUE(s.game().turn.planets.empty());
    EXPECT_EQ(s.game().shiptypes.size(), 1u);
    // The player can step away again in both directions.
    EXPECT_TRUE(s.steps().next);
    EXPECT_TRUE(s.steps().previous);
    s.previousReport();
    EXPECT_EQ(s.game().currentturn, 0);
    EXPECT_FALSE(s.game().turn.planets.empty());
    // Closing writes the own designs.
    EXPECT_TRUE(s.close());
    EXPECT_EQ(readText(o.dir.file("ships.ori")), "Mine\t1.00\t0.00\t0.00\t0.00\t0.00\r\n");
}

TEST(Session, TheFilmPlaysEveryTurnAndReturns)
{
    Opened o(4);
    Session& s = o.s;
    s.previousReport();
    ASSERT_EQ(s.game().currentturn, 2);
    s.view().firstselection.x = 10;
    s.startFilm();
    EXPECT_TRUE(o.ui.timerOn);
    EXPECT_FALSE(s.view().firstselection.isSet());
    std::vector<int> shown;
    for (int tick = 0; tick < 10 && s.filmRunning(); ++tick) {
        s.filmTick();
        if (s.filmRunning()) shown.push_back(s.game().currentturn - 1);
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_FALSE(o.ui.timerOn);
    EXPECT_EQ(s.game().currentturn, 2);
    // Stopping in the middle also returns to the turn shown before.
    s.startFilm();
    s.filmTick();
    s.startFilm(); // the film button pressed again
    EXPECT_FALSE(s.filmRunning());
    EXPECT_EQ(s.game().currentturn, 2);
    EXPECT_FALSE(s.game().turn.planets.empty());
}

TEST(Session, GalaxyNG31StaysChosenOnTheNextStart)
{
    Opened o(2, {gtGalaxyNG, true});
    EXPECT_EQ(o.s.game().gametype, gtGalaxyNG31);
    // A later start (the configuration stored GameType 3) detects GalaxyNG and keeps 3.1.
    std::remove(o.dir.file("game1.ori").c_str());
    RecordingUi ui2;
    Session next(ui2);
    next.useReportSet(o.dir.path(), "game", ".txt", gtGalaxyNG31, 2);
    ASSERT_TRUE(next.startConfiguration());
    EXPECT_EQ(next.game().gametype, gtGalaxyNG31);
}

TEST(Session, AReportDeletedDuringTheStartKeepsTheStatisticsInTheirTurns)
{
    Opened o(4);
    const TempDir& dir = o.dir;
    // The report of turn 2 goes away while the statistics are read (after turn 1 was counted).
    class DeletingUi : public RecordingUi {
    public:
        std::string victim;
        void reportLabelChanged(int turn) override
        {
            RecordingUi::reportLabelChanged(turn);
            if (turn == 1 && !victim.empty()) {
                std::remove(victim.c_str());
                victim.clear();
            }
        }
    } ui;
    ui.victim = dir.file("game2.txt");
    Session s(ui);
    s.useReportSet(dir.path(), "game", ".txt", gtGalaxyNG, 2);
    ASSERT_TRUE(s.startConfiguration());
    ASSERT_EQ(s.turnstats().size(), 4u);
    for (int t = 0; t < 4; ++t) EXPECT_EQ(s.turnstats()[t].turn, t);
    EXPECT_TRUE(s.turnstats()[2].races.empty());
    EXPECT_EQ(s.turnstats()[3].races.size(), 2u);
    EXPECT_EQ(s.turnstats()[1].races.size(), 2u);
}

// The designs belong to their game. Starting another game (with the same own race) writes the
// own designs of the first to its ships.ori and takes none of them along; closing writes only
// the designs of the game that is open.
TEST(Session, DesignsStayWithTheirGame)
{
    TempDir a, b;
    writeGame(a, 2);
    writeGame(b, 2);
    b.write("ships.ori", "Beta\t2.00\t0.00\t0.00\t0.00\t0.00\r\n");
    RecordingUi ui;
    Session s(ui);
    ASSERT_TRUE(s.createConfiguration(a.file("game0.txt")));
    // A design made in the ship designer.
    storeShipType(s.game().shiptypes, makeShipType("Alpha", "Mine", 1, 0, 0, 0, 0));
    ASSERT_TRUE(s.createConfiguration(b.file("game0.txt")));
    EXPECT_EQ(readText(a.file("ships.ori")), "Alpha\t1.00\t0.00\t0.00\t0.00\t0.00\r\n");
    shiptyperecord beta = makeShipType("Beta", "Mine", 2, 0, 0, 0, 0);
    beta.fromreport = 0;
    expectSameRecords(s.game().shiptypes, {beta});
    ASSERT_TRUE(s.close());
    EXPECT_EQ(readText(b.file("ships.ori")), "Beta\t2.00\t0.00\t0.00\t0.00\t0.00\r\n");
    EXPECT_EQ(readText(a.file("ships.ori")), "Alpha\t1.00\t0.00\t0.00\t0.00\t0.00\r\n");
}

// A file that cannot be written (a folder has its name) is told in an error message: the
// intelligence of a start, the designs of a game left for another, and those written on closing,
// which close() also returns.
TEST(Session, FailedWritesAreShown)
{
    TempDir a, b;
    writeGame(a, 2);
    writeGame(b, 2);
    std::filesystem::create_directory(a.file("game1.ori"));
    std::filesystem::create_directory(a.file("ships.ori"));
    std::filesystem::create_directory(b.file("ships.ori"));
    RecordingUi ui;
    Session s(ui);
    auto shown = [&](const std::string& file) {
        return std::any_of(ui.messages.begin(), ui.messages.end(),
                           [&](const std::string& m) { return m.find(file) != std::string::npos; });
    };
    s.createConfiguration(a.file("game0.txt"));
    EXPECT_TRUE(shown(a.file("game1.ori")));
    storeShipType(s.game().shiptypes, makeShipType("Alpha", "Mine", 1, 0, 0, 0, 0));
    ASSERT_TRUE(s.createConfiguration(b.file("game0.txt")));
    EXPECT_TRUE(shown(a.file("ships.ori")));
    storeShipType(s.game().shiptypes, makeShipType("Beta", "Mine", 1, 0, 0, 0, 0));
    ui.messages.clear();
    const Status closed = s.close();
    ASSERT_FALSE(closed);
    EXPECT_EQ(closed.error().file, b.file("ships.ori"));
    EXPECT_EQ(ui.messages, std::vector<std::string>{closed.error().text()});
}

// The planet view's "Accept values" on a started game: the owner goes into the shown turn's
// intelligence file and takes effect when the turn is read again, the values into planets.ori.
TEST(Session, PlanetViewIntelligenceTakesEffectThroughTheFiles)
{
    Opened o(3);
    Session& s = o.s;
    Game& g = s.game();
    const std::string turnFile = g.turnIntelFile(g.currentturn);
    auto accept = [&](const std::string& owner, std::array<std::string, 4> fields) {
        int rereads = 0;
        const Result<AcceptOutcome> r = acceptPlanetValues(g, {40, 40, owner, fields}, [&] {
            ++rereads;
            s.changeTurn(0);
        });
        EXPECT_TRUE(r) << r.error().message;
        return std::pair{r ? *r : AcceptOutcome{}, rereads};
    };
    auto planetAt40 = [&] { return *std::find_if(g.turn.planets.begin(), g.turn.planets.end(), [](const planetrecord& p) { return p.x == 40; }); };

    // Nothing to store: no message, no change.
    const std::string before = readText(turnFile);
    auto [nothing, nothingReread] = accept("", {"", "", "", ""});
    EXPECT_FALSE(nothing.changed);
    EXPECT_FALSE(nothing.ownerMessage);
    EXPECT_EQ(nothingReread, 0);
    EXPECT_EQ(readText(turnFile), before);

    // An owner of no race is reported; the values are stored all the same.
    auto [wrong, wrongReread] = accept("Nobody", {"600", "", "", ""});
    EXPECT_EQ(wrong.ownerMessage.value_or(""), "The given owner does not exist!");
    EXPECT_TRUE(wrong.changed);
    EXPECT_EQ(wrongReread, 1);
    EXPECT_EQ(planetAt40().size, 600);
    // A second estimate shows at once, though the planet knew one already.
    accept("", {"650", "", "", ""});
    EXPECT_EQ(planetAt40().size, 650);

    // A pseudo player: index N + 1000 in the turn's file; after the reread the planet belongs to
    // it and the owner box offers its name.
    auto [pseudo, pseudoReread] = accept("zzz Pseudo player 7 zzz", {"500", "", "", ""});
    // Read once, for the owner and the size together.
    EXPECT_TRUE(pseudo.changed);
    EXPECT_EQ(pseudoReread, 1);
    const auto stored = parseTurnIntel(readText(turnFile));
    ASSERT_EQ(std::count_if(stored.begin(), stored.end(), [](const turnintelrecord& r) { return r.x == 40 && r.y == 40; }), 1);
    EXPECT_EQ(std::find_if(stored.begin(), stored.end(), [](const turnintelrecord& r) { return r.x == 40; })->ownerindex, 1007);
    EXPECT_EQ(planetViewTexts(planetAt40()).owner, "zzz Pseudo player 7 zzz");
    const auto owners = planetViewOwners(g);
    EXPECT_NE(std::find(owners.begin(), owners.end(), "zzz Pseudo player 7 zzz"), owners.end());
    // The size went to the game's planet intelligence and back into the planet.
    EXPECT_EQ(planetAt40().size, 500);
    const auto planetIntel = parsePlanetIntel(readText(g.planetIntelFile()));
    EXPECT_EQ(std::find_if(planetIntel.begin(), planetIntel.end(), [](const planetintelrecord& r) { return r.x == 40; })->size, 500);

    // Only the exact name with a whole number of at least 1 is a pseudo player.
    for (const char* bad : {"zzz Pseudo player 0 zzz", "zzz Pseudo player 2.5 zzz", "a zzz Pseudo player 7 zzz",
                            "zzz Pseudo player zzz"}) {
        auto [refused, refusedReread] = accept(bad, {"", "", "", ""});
        EXPECT_EQ(refused.ownerMessage.value_or(""), "The given owner does not exist!") << bad;
        EXPECT_EQ(planetViewTexts(planetAt40()).owner, "zzz Pseudo player 7 zzz");
    }
    // "*UNKNOWN*" where no planet is (another turn shown meanwhile) changes nothing.
    const std::string planetsOri = readText(g.planetIntelFile());
    const Result<AcceptOutcome> nowhere = acceptPlanetValues(g, {41, 41, "*UNKNOWN*", {"900", "", "", ""}}, {});
    ASSERT_TRUE(nowhere);
    EXPECT_FALSE(nowhere->changed);
    EXPECT_EQ(readText(g.planetIntelFile()), planetsOri);

    // A race of the players: its index in the status table.
    accept("B2", {"", "", "", ""});
    EXPECT_EQ(planetAt40().owner, "B2");

    // "*UNKNOWN*" takes the owner out of the turn's file again.
    auto [unknown, unknownReread] = accept("*UNKNOWN*", {"", "", "", ""});
    EXPECT_TRUE(unknown.changed);
    EXPECT_EQ(unknownReread, 0);
    const auto after = parseTurnIntel(readText(turnFile));
    EXPECT_TRUE(std::none_of(after.begin(), after.end(), [](const turnintelrecord& r) { return r.x == 40 && r.y == 40; }));
}

namespace {

void copyAlphaTurns(const TempDir& all, const TempDir& dir, int last)
{
    for (int t = 0; t <= last; ++t) dir.write("alpha" + std::to_string(t) + ".txt", readText(all.file("alpha" + std::to_string(t) + ".txt")));
}

// The statistics of all turns and the chart's races as one text, to compare two sessions.
std::string statisticsText(const Session& s)
{
    std::string t;
    for (const turnstatnode& n : s.turnstats()) {
        t += "\n" + std::to_string(n.turn);
        for (const racestatrecord& r : n.races)
            for (double v : {r.production, r.population, r.planets, r.techsum}) t += " " + r.name.str() + std::to_string(v);
    }
    for (const chartracerecord& c : s.chartraces()) t += c.name.str() + (c.display ? "+" : "-");
    return t;
}

std::map<std::string, std::string> intelligenceFiles(const TempDir& dir)
{
    std::map<std::string, std::string> files;
    for (const std::string& name : listFiles(dir.path()))
        if (!name.ends_with(".txt")) files[name] = readText(dir.file(name));
    return files;
}

} // namespace

// A running game whose folder gets the next report: one still being written (it stops in the
// middle of a line) and one beyond a gap are left alone; the whole one becomes the last turn with
// its intelligence and statistics exactly as a fresh start with all reports makes them.
TEST(Session, NewReportsBecomeTurnsAsAFreshStartWouldRead)
{
    ORRERY_REQUIRE_CORPUS();
    TempDir all, running, fresh;
    ASSERT_TRUE(copyCorpus("gng-game1/alpha", all.path()));
    copyAlphaTurns(all, running, 5);
    RecordingUi ui;
    Session s(ui);
    ASSERT_TRUE(s.createConfiguration(running.file("alpha0.txt")));
    s.previousReport();
    const std::string six = readText(all.file("alpha6.txt"));
    running.write("alpha6.txt", six.substr(0, six.find('\n', six.find("Unidentified Planets")) + 5));
    running.write("alpha8.txt", readText(all.file("alpha8.txt")));
    EXPECT_TRUE(s.addNewTurns().empty());
    EXPECT_FALSE(fileExists(running.file("alpha6.ori")));

    running.write("alpha6.txt", six);
    std::remove(running.file("alpha8.txt").c_str());
    EXPECT_EQ(s.addNewTurns(), std::vector<int>{6});
    EXPECT_EQ(s.game().currentturn, 4);
    EXPECT_EQ(s.steps(), (StepState{true, true, true, true}));

    copyAlphaTurns(all, fresh, 6);
    RecordingUi freshUi;
    Session f(freshUi);
    ASSERT_TRUE(f.createConfiguration(fresh.file("alpha0.txt")));
    EXPECT_EQ(intelligenceFiles(running), intelligenceFiles(fresh));
    EXPECT_EQ(statisticsText(s), statisticsText(f));
    s.showLastTurn();
    EXPECT_EQ(std::tuple(s.game().currentturn, s.steps(), s.game().turn.planets.size()),
              std::tuple(6, f.steps(), f.game().turn.planets.size()));
    ASSERT_TRUE(s.close() && f.close());
    EXPECT_EQ(intelligenceFiles(running), intelligenceFiles(fresh));
}

// Turns arriving during the film: it goes on from where it was and reaches them.
TEST(Session, TheFilmReachesTurnsThatArriveWhileItRuns)
{
    Opened o(3);
    Session& s = o.s;
    s.startFilm();
    s.filmTick();
    s.filmTick();
    TempDir more;
    writeGame(more, 5);
    for (const char* name : {"game3.txt", "game4.txt"}) o.dir.write(name, readText(more.file(name)));
    EXPECT_EQ(s.addNewTurns(), (std::vector<int>{3, 4}));
    std::vector<int> shown;
    for (int tick = 0; tick < 10 && s.filmRunning(); ++tick) {
        shown.push_back(s.game().currentturn);
        s.filmTick();
    }
    EXPECT_EQ(shown, (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(s.game().currentturn, 2);
}

// Reports removed or replaced while the game is shown: stepping to one and the film passing it
// name the file and go on; a replaced last report and a half next one add no turn.
TEST(Session, ReportsRemovedOrReplacedWhileTheGameIsShown)
{
    Opened o(4);
    Session& s = o.s;
    std::remove(o.dir.file("game2.txt").c_str());
    s.previousReport();
    EXPECT_EQ(o.ui.messages.back(), "Error in turn report 2!\r\nCould not read " + o.dir.file("game2.txt") +
                                        ": No such file or directory");
    s.previousReport();
    EXPECT_FALSE(s.game().turn.planets.empty());
    o.ui.messages.clear();
    s.startFilm();
    for (int tick = 0; tick < 10 && s.filmRunning(); ++tick) s.filmTick();
    EXPECT_EQ(o.ui.messages.size(), 1u);
    EXPECT_EQ(std::tuple(s.filmRunning(), s.game().currentturn, s.game().turn.planets.empty()), std::tuple(false, 1, false));

    o.dir.write("game3.txt", "no report\r\n");
    o.dir.write("game4.txt", readText(o.dir.file("game1.txt")).substr(0, 300));
    EXPECT_TRUE(s.addNewTurns().empty());
    s.tenReportsFurther();
    EXPECT_EQ(o.ui.messages.back(), "Error in turn report 3!\r\n" + o.dir.file("game3.txt"));
}

// Faults of the machine, run in a child process (the user change and the limit stay there): a
// turn folder that cannot be written and a full disk are told with the file, the start and the
// steps go on, and the files that were there stay whole.
TEST(Session, AReadOnlyTurnFolderAndAFullDisk)
{
    Opened o(3);
    const std::string ships = o.dir.file("ships.ori"), old = "Old\t1.00\t0.00\t0.00\t0.00\t0.00\r\n";
    o.dir.write("ships.ori", old);
    const auto told = [](const RecordingUi& ui, const std::string& file) {
        return std::any_of(ui.messages.begin(), ui.messages.end(),
                           [&](const std::string& m) { return m.starts_with("Could not write " + file); });
    };
    const auto fullDisk = [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
        RecordingUi ui;
        Session s(ui);
        s.useReportSet(o.dir.path(), "game", ".txt", gtGalaxyNG, 2);
        const bool started = s.startConfiguration();
        for (int k = 0; k < 400; ++k)
            storeShipType(s.game().shiptypes, makeShipType("D" + std::to_string(k), "Mine", 1, 0, 0, 0, 0));
        const Status closed = s.close();
        _exit(started && !closed && closed.error().file == ships && told(ui, ships) ? 0 : 1);
    };
    EXPECT_EXIT(fullDisk(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(readText(ships), old);

    // Root is not stopped by permissions: the child gives up root for the user "nobody".
    TempDir dir;
    writeGame(dir, 3);
    std::filesystem::permissions(dir.path(), std::filesystem::perms(0555));
    const auto readOnly = [&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        RecordingUi ui;
        Session s(ui);
        s.useReportSet(dir.path(), "game", ".txt", gtGalaxyNG, 2);
        const bool shown = s.startConfiguration() && s.game().currentturn == 2;
        s.previousReport();
        _exit(shown && !s.game().turn.planets.empty() && told(ui, dir.file("game0.ori")) ? 0 : 1);
    };
    EXPECT_EXIT(readOnly(), ::testing::ExitedWithCode(0), "");
    std::filesystem::permissions(dir.path(), std::filesystem::perms(0755));
    EXPECT_EQ(listFiles(dir.path()), (std::vector<std::string>{"game0.txt", "game1.txt", "game2.txt"}));
}
