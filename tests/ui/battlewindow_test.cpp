// The battle simulator's wiring: the main window's command and the turn, tables filled from the
// groups and the planet panel, typed cells checked, runs through the timer, files and results.

#include "TFormBattle.h"
#include "TFormBattleResult.h"
#include "TStringGridOR.h"
#include "battlefile.h"
#include "battlesetup.h"
#include "battlewindow.h"
#include "orderwindows.h"
#include "textrules.h"
#include "TFormMove.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

using namespace orrery;
using namespace orrery::test;

namespace {

// A lone unarmed Rock against a Drone that always kills it: every battle is an aggressor win.
const BattleSetup sureWin{{{"1", "Drone", "1", "1", "16", "0", "0", "0", "1", "1", "1", "1"}},
                          {{"1", "Rock", "1", "0", "0", "1", "0", "0", "1", "1", "1", "1"}}};
// Two fleets that need many rounds, so that a run takes many ticks.
const BattleSetup longFight{{{"30", "Drone", "1", "1", "2", "2", "0", "0", "1", "1", "1", "1"}},
                            {{"30", "Guard", "1", "1", "2", "2", "0", "0", "1", "1", "1", "1"}}};

std::string engineResult(const BattleSetup& setup, int runs, BattleRandom& random)
{
    BattleSimulation run;
    run.start(runs);
    while (run.fightNext(setup, random)) {
    }
    return run.resultText();
}

// The lines of a text as the result window lists them.
Strings linesOf(const std::string& text)
{
    Strings lines;
    for (std::string_view line : splitLines(text)) lines.emplace_back(line);
    return lines;
}

class BattleWindow : public testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<TFormBattle>(game, boxes, result);
        window->chooseLoadFile = [this](const QString&) { return QString::fromStdString(dir.file(fileName)); };
        window->chooseSaveFile = [this] { return QString::fromStdString(dir.file(fileName)); };
        window->show();
    }
    void load(const std::string& name, const std::string& content)
    {
        dir.write(name, content);
        fileName = name;
        window->menuItemLoad->trigger();
    }
    void simulate(const QString& count)
    {
        window->EditSimulations->setText(count);
        window->ButtonSimulate->click();
    }
    void waitUntil(const std::function<bool()>& done)
    {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < 20000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }

    TempDir dir;
    std::string fileName;
    Game game;
    MessageRecorder boxes;
    TFormBattleResult result;
    std::unique_ptr<TFormBattle> window;
};

} // namespace

TEST(BattleWindowInMain, OpensFromTheMainWindowAndFollowsTheTurn)
{
    MainWindowFixture f(3);
    ASSERT_TRUE(f.start());
    TFormBattle* battle = installedBattleWindow(*f.main);
    ASSERT_TRUE(battle && &installBattleWindow(*f.main) == battle) << "installed once";
    QAction* button = f.action(MainCommand::BattleSimulator);
    button->trigger();
    ASSERT_TRUE(battle->isVisible() && !button->isEnabled());
    const Game& game = f.session().game();
    EXPECT_EQ(battle->ComboBoxRace->count(), static_cast<int>(game.turn.racegroups.size()));
    EXPECT_EQ(battle->ComboBoxRace->currentText(), fromGame(game.ownrace.view()));
    const auto groupCount = [&] { return static_cast<int>(ownGroups(game)->groups.size()); };
    EXPECT_EQ(battle->StringGridGroups->rowCount(), groupCount() + 1);

    // Groups at the planet of the panel are those the setup rules pick.
    const planetrecord* busiest = busiestOwnPlanet(game).first;
    ASSERT_TRUE(busiest);
    f.main->SelectPlanet(fromGame(busiest->name.view()));
    battle->Defender.ButtonGetPlanet->click();
    const std::vector<BattleRow> atPlanet = groupsAtPlanetRows(game, busiest->x, busiest->y);
    ASSERT_FALSE(atPlanet.empty());
    EXPECT_EQ(battle->setup().defender, atPlanet);

    // Another race, then a change of turn: the show sequence runs again with the own race.
    battle->ComboBoxRace->setCurrentIndex(battle->ComboBoxRace->currentIndex() == 0 ? 1 : 0);
    battle->ComboBoxRaceChange();
    const int shown = game.currentturn;
    f.trigger(MainCommand::PreviousReport);
    ASSERT_EQ(game.currentturn, shown - 1);
    EXPECT_EQ(battle->ComboBoxRace->currentText(), fromGame(game.ownrace.view()));
    EXPECT_EQ(battle->StringGridGroups->rowCount(), groupCount() + 1);

    // The shared result window: a loaded result keeps the simulation off until it is closed.
    TempDir dir;
    dir.write("r.txt", "Battle result:\r\n");
    battle->chooseLoadFile = [&](const QString&) { return QString::fromStdString(dir.file("r.txt")); };
    battle->menuItemLoadResult->trigger();
    TFormBattleResult& shared = installedMoveEditor(*f.main)->resultWindow();
    EXPECT_TRUE(shared.isVisible() && shared.windowTitle() == "Battle result");
    EXPECT_FALSE(battle->ButtonSimulate->isEnabled());
    shared.close();
    EXPECT_TRUE(battle->ButtonSimulate->isEnabled());

    battle->menuItemQuit->trigger();
    EXPECT_TRUE(!battle->isVisible() && button->isEnabled());
}

TEST_F(BattleWindow, TablesFromGroupsAndTypedCells)
{
    grouprecord drone;
    drone.groupnumber = 3, drone.shipcount = 2, drone.name = "Drone", drone.attacks = 1, drone.weapons = 1;
    grouprecord rock = drone;
    rock.groupnumber = 1, rock.name = "Rock";
    game.turn.racegroups = {{"Us", {drone, rock}}};
    game.ownrace = "Us";
    window->FormShow();
    // Sorted by "ID".
    EXPECT_EQ(window->StringGridGroups->Cells(2, 1), "Rock");

    window->Aggressor.ButtonGetGroups->click();
    EXPECT_EQ(boxes.texts(), Strings{"You have to select at least one group first!"});
    window->StringGridGroups->selectRows(1, 2);
    window->Aggressor.ButtonGetGroups->click();
    EXPECT_EQ(window->setup().aggressor, (std::vector<BattleRow>{battleRowOf(rock), battleRowOf(drone)}));

    // A typed cell is checked once it is committed.
    boxes.clear();
    TStringGridOR* grid = window->Aggressor.grid;
    grid->model()->setData(grid->model()->index(0, bcAttacks), QStringLiteral("2.5"));
    grid->model()->setData(grid->model()->index(1, bcWeapons), QStringLiteral("2.5"));
    QApplication::processEvents();
    EXPECT_EQ(boxes.texts(), Strings{"Please enter a number!"});
    EXPECT_EQ(grid->Cells(bcAttacks, 1), "");
    EXPECT_EQ(grid->Cells(bcWeapons, 2), "2.5");

    // Entries: a selected row is needed; the last row is emptied rather than removed.
    boxes.clear();
    window->Defender.ButtonDeleteEntry->click();
    EXPECT_EQ(boxes.texts(), Strings{"Please select a cell first!"});
    window->Defender.ButtonNewEntry->click();
    EXPECT_EQ(window->Defender.grid->rowCount(), 3);
    window->Aggressor.grid->selectRows(1, 1, 0, 0);
    window->Aggressor.ButtonDeleteEntry->click();
    BattleRow edited = battleRowOf(drone);
    edited[bcWeapons] = "2.5";
    EXPECT_EQ(window->setup().aggressor, std::vector<BattleRow>{edited});

    // The designer's buttons work once the designer is wired.
    EXPECT_FALSE(window->Aggressor.ButtonGetDesign->isEnabled() || window->Defender.ButtonPutDesign->isEnabled());
    std::optional<DesignerFields> received;
    window->takeFromDesigner = [] { return DesignerFields{"Probe", {"1", "0", "0", "0", "0", "1", "1", "1", "1"}}; };
    window->putToDesigner = [&](const DesignerFields& d) { received = d; };
    window->hide();
    window->show();
    window->Defender.ButtonGetDesign->click();
    EXPECT_EQ(window->setup().defender.back(), designerRow(*window->takeFromDesigner()));
    window->Aggressor.grid->selectRows(1, 1, 0, 0);
    window->Aggressor.ButtonPutDesign->click();
    ASSERT_TRUE(received);
    EXPECT_EQ(received->name, "Drone");
}

TEST_F(BattleWindow, RunsThroughTheTimerAsTheEngineDoes)
{
    simulate("0");
    EXPECT_EQ(boxes.texts(), Strings{"Number of simulations has to be at least 1!"});
    EXPECT_FALSE(window->running());

    // The window's random source goes on from run to run, as the engine's does.
    load("long.txt", battleFileText(longFight));
    BattleRandom random;
    for (int round = 0; round < 2; ++round) {
        simulate("7");
        ASSERT_TRUE(window->running());
        EXPECT_EQ(window->ButtonSimulate->text(), "Stop Simulation");
        EXPECT_FALSE(window->Aggressor.grid->isEnabled() || window->ComboBoxRace->isEnabled());
        EXPECT_TRUE(window->EditSimulations->isEnabled() && window->menuItemLoad->isEnabled());
        waitUntil([&] { return !window->running(); });
        EXPECT_EQ(strings(result.lines()), linesOf(engineResult(longFight, 7, random)));
        EXPECT_EQ(result.windowTitle(), "Battle result");
        EXPECT_TRUE(window->ButtonSimulate->text() == "Simulate Battle" && window->LabelToGo->text().isEmpty());
        EXPECT_TRUE(window->Aggressor.grid->isEnabled() && window->ButtonSimulate->isEnabled());
    }

    // Stopped after a few battles, the result covers those fought.
    load("win.txt", battleFileText(sureWin));
    simulate("100000");
    const auto toGo = [&] { return window->LabelToGo->text().mid(19).toInt(); };
    waitUntil([&] { return toGo() <= 99995; });
    const int fought = 100000 - toGo();
    window->ButtonSimulate->click();
    EXPECT_FALSE(window->running());
    const QStringList lines = result.lines();
    ASSERT_GT(lines.size(), 3);
    EXPECT_EQ(lines[2], QStringLiteral("Aggressor won %1 battles,").arg(fought));
    EXPECT_EQ(lines[3], "Defender won 0 battles.");

    // Typing a count is checked as typed.
    boxes.clear();
    window->EditSimulations->setText("1");
    window->EditSimulations->end(false);
    window->EditSimulations->insert(".");
    EXPECT_EQ(boxes.texts(), Strings{"Please enter a number!"});
}

TEST_F(BattleWindow, BattleAndResultFiles)
{
    window->menuItemSaveResult->trigger();
    EXPECT_EQ(boxes.texts(), Strings{"Simulate the battle first!"});

    load("setup.txt", battleFileText(sureWin));
    EXPECT_EQ(window->setup(), sureWin);
    // Saving over a file asks first; No keeps the file.
    dir.write("old.txt", "old");
    fileName = "old.txt";
    boxes.clear();
    boxes.answers = {false};
    window->menuItemSaveAs->trigger();
    EXPECT_EQ(boxes.texts(), Strings{"File exists already!\r\nDo you want to overwrite?"});
    EXPECT_EQ(readText(dir.file("old.txt")), "old");
    window->menuItemSaveAs->trigger();
    EXPECT_EQ(readText(dir.file("old.txt")), battleFileText(sureWin));

    // A result saved is the window's result text.
    simulate("3");
    waitUntil([&] { return !window->running(); });
    fileName = "result.txt";
    window->menuItemSaveResult->trigger();
    EXPECT_EQ(readText(dir.file("result.txt")), window->resultText() + "\r\n");

    // A file that is no battle file leaves both sides reset and the result gone.
    boxes.clear();
    load("bad.txt", "2 3 Cruiser 10 2 5 8 0 0 2 2 2 1 \r\n");
    EXPECT_EQ(boxes.texts(), Strings{"Not a battle data file!"});
    EXPECT_EQ(window->setup(), (BattleSetup{emptySideTable(), emptySideTable()}));
    EXPECT_TRUE(window->resultText().empty());
}
