// The orders editor's windows in the main window: the commands they enable, the move button while
// the editor is open, the game options of the shown turn, and "Check Move" on a real turn.

#include "TFormBattleResult.h"
#include "TFormMove.h"
#include "TFormMoveCommand.h"
#include "TFormShowOptions.h"
#include "orderwindows.h"
#include "uitestkit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include <algorithm>

using namespace orrery;
using namespace orrery::test;

TEST(OrderWindows, MoveEditorCommandAndItsButton)
{
    MainWindowFixture f(1);
    TFormMove* move = installedMoveEditor(*f.main);
    ASSERT_NE(move, nullptr);
    EXPECT_EQ(&installOrderWindows(*f.main), move);
    EXPECT_FALSE(move->isVisible());
    QAction* button = f.action(MainCommand::MoveEditor);
    ASSERT_TRUE(button->isEnabled());
    EXPECT_TRUE(f.action(MainCommand::GameOptions)->isEnabled());
    f.session().settings().moveEditorRaceName = "Orion";
    button->trigger();
    EXPECT_TRUE(move->isVisible());
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(move->EditRaceName->text(), "Orion");
    move->menuItemQuit->trigger();
    EXPECT_FALSE(move->isVisible());
    EXPECT_TRUE(button->isEnabled());
}

TEST(OrderWindows, GameOptionsOfTheShownTurnFollowTheTurn)
{
    gen::GalaxyParams params = MainWindowFixture::smallGame();
    params.dialect = gen::Dialect::Blind;
    params.planets = 30;
    params.races = 3;
    params.options.map = false;
    MainWindowFixture f(3, params);
    ASSERT_TRUE(f.start());
    ASSERT_EQ(f.session().game().gametype, gtBlind);
    f.action(MainCommand::GameOptions)->trigger();
    TFormShowOptions& options = installedMoveEditor(*f.main)->optionsWindow();
    ASSERT_TRUE(options.isVisible());
    EXPECT_FALSE(options.editable());
    EXPECT_FALSE(options.checkBox("map")->isChecked());
    EXPECT_FALSE(options.checkBox("map")->isEnabled());
    // Changed by hand, then a change of turn fills the window from the new turn's report.
    options.checkBox("map")->setChecked(true);
    f.action(MainCommand::PreviousReport)->trigger();
    ASSERT_EQ(f.session().game().currentturn, 1);
    EXPECT_FALSE(options.checkBox("map")->isChecked());
}

TEST(OrderWindows, CheckMoveOnARealTurn)
{
    ORRERY_REQUIRE_CORPUS();
    MainWindowFixture f(1);
    ASSERT_TRUE(copyCorpus("gng-game1/alpha", f.dir.path()));
    ASSERT_TRUE(f.main->createConfigurationFrom(QString::fromStdString(f.dir.file("alpha0.txt"))));
    f.boxes.clear();
    const Game& game = f.session().game();
    ASSERT_EQ(game.currentturn, 15);
    TFormMove* move = installedMoveEditor(*f.main);
    f.action(MainCommand::MoveEditor)->trigger();
    move->EditGameName->setText("Lyra");
    move->EditGameNameChange();
    const auto shown = [move] { return strings(move->moveLines()); };

    // The header names no race yet; an order for a group and a planet that do not exist.
    move->ListBoxCommands->setCurrentItem(move->ListBoxCommands->findItems("Send group to a planet", Qt::MatchExactly).value(0));
    move->ButtonBelow->click();
    TFormMoveCommand* c1 = move->commandWindow(CommandWindowId::C1);
    ASSERT_TRUE(c1->isVisible());
    ASSERT_GT(c1->choiceBox(0)->count(), 1);
    EXPECT_EQ(c1->choiceBox(0)->itemText(0).left(8), "  1 (  4");
    c1->choiceBox(0)->setEditText("999");
    c1->choiceBox(1)->setEditText("Nowhere");
    c1->ButtonOK->click();
    ASSERT_EQ(shown().size(), 3u);
    EXPECT_EQ(shown()[1], "Send group 999 to planet Nowhere ; ETA ? turns");

    move->menuItemCheck->trigger();
    TFormBattleResult& result = move->resultWindow();
    ASSERT_TRUE(result.isVisible());
    EXPECT_EQ(result.windowTitle(), "Check move result");
    const Strings findings = strings(result.lines());
    ASSERT_GE(findings.size(), 3u);
    EXPECT_EQ(findings[0], "Syntax error in first line of move.");
    const std::string quoted = "Error in line \"Send group 999 to planet Nowhere ; ETA ? turns\": ";
    for (const char* finding : {"Group/fleet does not exists.", "Planet does not exists."})
        EXPECT_NE(std::find(findings.begin(), findings.end(), quoted + finding), findings.end()) << finding;
    EXPECT_TRUE(f.boxes.messages.empty());

    // The own race in the header and a group that exists, sent to a planet that exists.
    move->EditRaceName->setText(QString::fromStdString(std::string(game.ownrace.view())));
    move->EditRaceNameChange();
    move->ListBoxMove->setCurrentRow(1);
    move->ButtonEdit->click();
    ASSERT_TRUE(c1->isVisible());
    EXPECT_EQ(c1->choiceBox(0)->currentText(), "999");
    c1->choiceBox(0)->setCurrentIndex(0);
    c1->choiceBox(1)->setEditText("Altair");
    c1->ButtonOK->click();
    ASSERT_EQ(shown().size(), 3u);
    EXPECT_EQ(shown()[1].rfind("Send group 1 to planet Altair", 0), 0u) << shown()[1];
    move->menuItemCheck->trigger();
    EXPECT_EQ(f.boxes.texts(), Strings{"Move seems to be correct."});

    // Closing the editor closes the checker's result window.
    move->close();
    EXPECT_FALSE(result.isVisible());
}
