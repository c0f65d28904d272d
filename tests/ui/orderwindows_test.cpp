// The orders editor's windows in the main window: the commands they enable, the move button while
// the editor is open, and the game options of the shown turn.

#include "TFormMove.h"
#include "TFormShowOptions.h"
#include "orderwindows.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;

TEST(OrderWindows, MoveEditorCommandAndItsButton)
{
    MainWindowFixture f(1);
    TFormMove* move = installedMoveEditor(*f.main);
    ASSERT_TRUE(move && &installOrderWindows(*f.main) == move) << "installed once";
    EXPECT_FALSE(move->isVisible());
    QAction* button = f.action(MainCommand::MoveEditor);
    ASSERT_TRUE(button->isEnabled() && f.action(MainCommand::GameOptions)->isEnabled());
    f.session().settings().moveEditorRaceName = "Orion";
    button->trigger();
    EXPECT_TRUE(move->isVisible() && !button->isEnabled());
    EXPECT_EQ(move->EditRaceName->text(), "Orion");
    move->menuItemQuit->trigger();
    EXPECT_TRUE(!move->isVisible() && button->isEnabled());
}

TEST(OrderWindows, GameOptionsOfTheShownTurnFollowTheTurn)
{
    gen::GalaxyParams params = MainWindowFixture::smallGame();
    params.dialect = gen::Dialect::Blind, params.planets = 30, params.races = 3, params.options.map = false;
    MainWindowFixture f(3, params);
    ASSERT_TRUE(f.start());
    ASSERT_EQ(f.session().game().gametype, gtBlind);
    f.action(MainCommand::GameOptions)->trigger();
    TFormShowOptions& options = installedMoveEditor(*f.main)->optionsWindow();
    ASSERT_TRUE(options.isVisible() && !options.editable());
    EXPECT_FALSE(options.checkBox("map")->isChecked() || options.checkBox("map")->isEnabled());
    // Changed by hand, then a change of turn fills the window from the new turn's report.
    options.checkBox("map")->setChecked(true);
    f.action(MainCommand::PreviousReport)->trigger();
    ASSERT_EQ(f.session().game().currentturn, 1);
    EXPECT_FALSE(options.checkBox("map")->isChecked());
}
