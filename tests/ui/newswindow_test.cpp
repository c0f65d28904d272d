// The news window's wiring: its command, the pages filled from the shown turn and refilled after
// a change of turn, and a battle line or a drop-down entry selecting and centring the planet.

#include "TFormNews.h"
#include "TFormTextSearch.h"
#include "textwindows.h"
#include "mapinteraction.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;

namespace {

Strings listed(const QListWidget* list)
{
    Strings lines;
    for (int i = 0; i < list->count(); ++i) lines.push_back(toGame(list->item(i)->text()));
    return lines;
}

Strings texts(const std::vector<BattleLine>& lines)
{
    Strings out;
    for (const BattleLine& l : lines) out.push_back(l.text);
    return out;
}

} // namespace

TEST(NewsWindow, BattleLinesSelectAndCentreTheirPlanet)
{
    MainWindowFixture f(6);
    ASSERT_TRUE(f.start());
    f.trigger(MainCommand::ZoomIn, 12); // the canvas is larger than the map's viewport
    auto* news = f.main->findChild<TFormNews*>();
    ASSERT_NE(news, nullptr);
    f.trigger(MainCommand::News);
    ASSERT_TRUE(news->isVisible());
    EXPECT_FALSE(f.action(MainCommand::News)->isEnabled());
    // The report page is searched by the program's text search window.
    news->ButtonTextSearch->click();
    TFormTextSearch* search = installedTextSearch(*f.main);
    ASSERT_NE(search, nullptr);
    EXPECT_TRUE(search->isVisible());
    EXPECT_EQ(search->target(), news->MemoReport);

    const Game& game = f.session().game();
    ASSERT_FALSE(game.turn.battles.empty());
    news->TrackBarDetail->setValue(1);
    EXPECT_EQ(listed(news->ListBoxBattles), texts(battleLines(game, 1)));

    // A detail line of the last battle leads to that battle's planet.
    const planetrecord* planet = findPlanet(game.turn, game.turn.battles.back().name);
    ASSERT_NE(planet, nullptr);
    MapScroll centred = f.main->scrollState();
    orrery::CentreMapOn(game, f.session().view(), centred, planet->x, planet->y);
    QListWidget* list = news->ListBoxBattles;
    QListWidgetItem* line = list->item(list->count() - 1);
    list->scrollToItem(line);
    click(list->viewport(), list->visualItemRect(line).center());
    EXPECT_EQ(f.session().view().firstselection.name, PlanetLabel(game, planet->name));
    EXPECT_EQ(f.session().view().firstselection.x, planet->x);
    EXPECT_EQ(f.main->scrollState().h.position, centred.h.position);
    EXPECT_EQ(f.main->scrollState().v.position, centred.v.position);

    // The drop-down picks the battle's result line.
    f.session().view().clearSelections();
    news->ComboBoxBattle->setCurrentIndex(0);
    emit news->ComboBoxBattle->activated(0);
    const std::string chosen = toGame(news->ComboBoxBattle->itemText(0));
    EXPECT_EQ(list->currentRow(), battleLineOf(battleLines(game, 1), chosen));
    EXPECT_EQ(f.session().view().firstselection.name, chosen);

    // Another turn refills the open window; closing it gives the command back.
    f.trigger(MainCommand::PreviousReport);
    EXPECT_EQ(listed(news->ListBoxBattles), texts(battleLines(f.session().game(), 1)));
    EXPECT_EQ(news->pageVisible(npBattles), !f.session().game().turn.battles.empty());
    news->close();
    EXPECT_TRUE(f.action(MainCommand::News)->isEnabled());
    EXPECT_FALSE(search->isVisible()) << "the search of a closed window goes with it";
}
