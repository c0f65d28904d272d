// The turn overview, the races table and the two searches in the main window: their buttons,
// what they tell the map, and their refresh after a change of turn.

#include "TFormFindPlanet.h"
#include "TFormFindRace.h"
#include "TFormShowRaces.h"
#include "TFormTurnInfo.h"
#include "TStringGridOR.h"
#include "mapgeometry.h"
#include "racewindows.h"
#include "raceviews.h"
#include "uitestkit.h"

#include <gtest/gtest.h>

using namespace orrery;
using namespace orrery::test;
using C = MainCommand;

namespace {

// Whether a planet's symbol lies in the visible part of the map.
bool inView(MainWindowFixture& f, const planetrecord& p)
{
    const MapGeometry g(f.session().game(), f.session().view().zoomfactor);
    const MapScroll s = f.main->scrollState();
    const int X = g.MapToScreenX(p.x), Y = g.MapToScreenY(p.y);
    return X >= s.h.position && X < s.h.position + s.h.viewport && Y >= s.v.position && Y < s.v.position + s.v.viewport;
}

} // namespace

TEST(FindPlanet, ALowerCaseNameSelectsAndCentresThePlanet)
{
    MainWindowFixture f;
    ASSERT_TRUE(f.start());
    f.trigger(C::ZoomIn, 20);
    const Game& g = f.session().game();
    const planetrecord* far = nullptr;
    for (const planetrecord& p : g.turn.planets)
        if (!inView(f, p) && p.name.view() != QString::fromLatin1(p.name.view()).toLower().toStdString()) far = &p;
    ASSERT_NE(far, nullptr);

    f.trigger(C::FindPlanet);
    TFormFindPlanet& find = *installedFindPlanet(*f.main);
    ASSERT_TRUE(find.isVisible());
    EXPECT_FALSE(f.action(C::FindPlanet)->isEnabled());
    find.ComboBoxPlanet->setEditText(QString::fromLatin1(far->name.view()).toLower());
    EXPECT_EQ(f.session().view().firstselection.x, far->x);
    EXPECT_EQ(f.session().view().firstselection.y, far->y);
    EXPECT_FALSE(f.session().view().secondselection.isSet());
    EXPECT_TRUE(inView(f, *far));
    EXPECT_TRUE(f.main->toggleAction(tgCircles)->isChecked());
    EXPECT_EQ(f.main->panelText(QStringLiteral("LabelSelection")), "Name: " + QString::fromLatin1(far->name.view()));

    find.ButtonCancel->click();
    EXPECT_TRUE(f.action(C::FindPlanet)->isEnabled());
}

// The races table and "Find Race" tell the map which race to mark while they are open.
TEST(RaceHighlight, RacesTableAndFindRaceFeedTheMapWhileOpen)
{
    MainWindowFixture f;
    ASSERT_TRUE(f.start());
    const Game& g = f.session().game();
    const std::string other = raceChoices(g).front();

    f.trigger(C::FindRace);
    TFormFindRace& findRace = *installedFindRace(*f.main);
    EXPECT_FALSE(f.action(C::FindRace)->isEnabled());
    findRace.ComboBoxRace->setEditText(QString::fromStdString(other));
    findRace.CheckBoxShips->click();
    MapHighlight h = f.main->mapDisplay().highlight;
    EXPECT_EQ(h.findRace, other);
    EXPECT_TRUE(h.findRaceShips);

    f.trigger(C::Races);
    TFormShowRaces& races = *installedRacesTable(*f.main);
    EXPECT_FALSE(f.action(C::Races)->isEnabled());
    const int row = races.StringGridRaces->FindRow(0, QString::fromStdString(g.turn.players.back().name.str()));
    ASSERT_GT(row, 0);
    emit races.StringGridRaces->cellClicked(3, row + 1); // the change row picks the race too
    EXPECT_EQ(f.main->mapDisplay().highlight.racesTableSelection, g.turn.players.back().name.str());

    races.close();
    findRace.ButtonClose->click();
    EXPECT_TRUE(f.action(C::Races)->isEnabled());
    EXPECT_TRUE(f.action(C::FindRace)->isEnabled());
    h = f.main->mapDisplay().highlight;
    EXPECT_FALSE(h.findRace.has_value());
    EXPECT_FALSE(h.racesTableSelection.has_value());
}

// The open races table and turn overview follow the shown turn.
TEST(TurnOverviewWindow, OpenViewsFollowTheShownTurn)
{
    MainWindowFixture f;
    ASSERT_TRUE(f.start());
    f.trigger(C::TurnOverview);
    f.trigger(C::Races);
    TFormTurnInfo& overview = *installedTurnInfo(*f.main);
    TFormShowRaces& races = *installedRacesTable(*f.main);
    EXPECT_FALSE(f.action(C::TurnOverview)->isEnabled());

    f.trigger(C::PreviousReport);
    const Game& g = f.session().game();
    ASSERT_EQ(g.currentturn, 1);
    QStringList expected;
    for (const std::string& line : turnOverviewLines(g)) expected << QString::fromLatin1(line);
    EXPECT_EQ(overview.MemoInfo->toPlainText(), expected.join(QLatin1Char('\n')));
    EXPECT_EQ(races.StringGridRaces->rowCount(), 1 + 2 * static_cast<int>(g.turn.players.size()));

    overview.close();
    EXPECT_TRUE(f.action(C::TurnOverview)->isEnabled());
}
